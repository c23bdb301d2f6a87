#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "gui/event_model.h"
#include "gui/main_window.h"
#include "gui/other_rights_dialog.h"
#include "gui/other_rights_texts.h"

// The menu "Altri diritti": the dialog for the rights of use and habitation,
// several lives and the fixed term's limit, one of it while the window lives.
namespace velmora {

void Frmusufrutto::CreateOtherRightsMenu() {
  MenuAltriDiritti = menuBar()->addMenu(text::kOtherRightsMenu);
  MenuAltriDiritti->setObjectName(QStringLiteral("MenuAltriDiritti"));
  AltriDiritti = MenuAltriDiritti->addAction(text::kOtherRightsCommand);
  AltriDiritti->setObjectName(QStringLiteral("AltriDiritti"));
  events_->OnMenuClick(AltriDiritti, [this] { AltriDiritti_Click(); });
}

void Frmusufrutto::AltriDiritti_Click() {
  if (!otherRightsDialog) otherRightsDialog = new FrmAltriDiritti(*this);
  otherRightsDialog->Open();
}

}  // namespace velmora
