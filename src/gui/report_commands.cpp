#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "gui/main_window.h"
#include "gui/report_delivery.h"
#include "gui/window_texts.h"

// The menu "Prospetto": the report of the valuation shown, to the clipboard,
// to a PDF file and to the printer, and the values for the body of an act.
// Its commands stand only while the window shows a valuation's figures.
namespace velmora {

void Frmusufrutto::CreateReportMenu() {
  MenuProspetto = menuBar()->addMenu(text::kReportMenu);
  MenuProspetto->setObjectName(QStringLiteral("MenuProspetto"));
  auto command = [this](const char* name, const QString& caption) {
    QAction* a = MenuProspetto->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(false);
    return a;
  };
  CopiaProspetto = command("CopiaProspetto", text::kCopyReportMenu);
  CopiaValoriAtto = command("CopiaValoriAtto", text::kCopyValuesMenu);
  SalvaProspettoPdf = command("SalvaProspettoPdf", text::kSavePdfMenu);
  SalvaProspettoPdf->setShortcut(QKeySequence::Save);
  StampaProspetto = command("StampaProspetto", text::kPrintReportMenu);
}

void Frmusufrutto::CopiaProspetto_Click() {
  if (!shown_) return;
  CopyReport(services(), *shown_, shownCalculation_);
  ClipboardSeen();
}

void Frmusufrutto::CopiaValoriAtto_Click() {
  if (shown_ && CopyValuesForAct(services(), *shown_)) ClipboardSeen();
}

void Frmusufrutto::SalvaProspettoPdf_Click() {
  if (!shown_) return;
  if (const QString failure = SaveReportPdf(services(), *shown_, shownCalculation_);
      !failure.isEmpty())
    Warn(failure);
}

// A failure is told as the window's own printing tells it.
void Frmusufrutto::StampaProspetto_Click() {
  if (!shown_) return;
  if (const QString failure = PrintReport(services(), *shown_, shownCalculation_);
      !failure.isEmpty())
    Warn(failure);
}

}  // namespace velmora
