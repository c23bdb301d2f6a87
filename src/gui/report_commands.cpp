#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "core/calculation_report.h"
#include "gui/main_window.h"
#include "gui/window_texts.h"
#include "platform/printers.h"
#include "platform/report_pdf.h"

// The menu "Prospetto": the report of the valuation shown, to the clipboard,
// to a PDF file and to the printer, and the values for the body of an act.
// Its commands stand only while the window shows a valuation's figures.
namespace velmora {

void Frmusufrutto::CreateReportMenu() {
  MenuProspetto = menuBar()->addMenu(QStringLiteral("&Prospetto"));
  MenuProspetto->setObjectName(QStringLiteral("MenuProspetto"));
  auto command = [this](const char* name, const QString& caption) {
    QAction* a = MenuProspetto->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(false);
    return a;
  };
  CopiaProspetto = command("CopiaProspetto", QStringLiteral("Copia prospetto"));
  CopiaValoriAtto = command("CopiaValoriAtto", QStringLiteral("Copia valori per l'atto"));
  SalvaProspettoPdf = command("SalvaProspettoPdf", QStringLiteral("Salva prospetto PDF…"));
  SalvaProspettoPdf->setShortcut(QKeySequence::Save);
  StampaProspetto = command("StampaProspetto", QStringLiteral("Stampa prospetto…"));
}

void Frmusufrutto::CopiaProspetto_Click() {
  if (!shown_) return;
  services().SetClipboard(ProspettoTesto(*shown_, shownCalculation_),
                          ProspettoHtml(*shown_, shownCalculation_));
  ClipboardSeen();
}

void Frmusufrutto::CopiaValoriAtto_Click() {
  if (!shown_) return;
  // Figures of the 2016 table for an act of another year go into the act only
  // when the user says so.
  const QString warning = AvvertenzaTabella2016(*shown_);
  if (!warning.isEmpty() &&
      !services().Question(warning + QStringLiteral("\r\r") + text::kCopyAnyway, text::kMainTitle))
    return;
  services().SetClipboard(ValoriPerAtto(*shown_), {});
  ClipboardSeen();
}

void Frmusufrutto::SalvaProspettoPdf_Click() {
  if (!shown_) return;
  const QString suggested =
      services().DocumentsFolder() + u'/' +
      text::kReportFileName.arg(shownCalculation_.quando.date().toString(Qt::ISODate));
  // The dialog asks before an existing file is replaced.
  const QString path = services().SaveFileName(text::kSaveReportTitle, suggested, text::kPdfFilter);
  if (path.isEmpty()) return;
  switch (WritePdf(ProspettoHtml(*shown_, shownCalculation_), path)) {
    case PdfFailure::None:
      return;
    case PdfFailure::Folder:
      Warn(text::kPdfFolderNotWritable.arg(QDir::toNativeSeparators(path)));
      return;
    case PdfFailure::Writing:
      Warn(text::kPdfWriteFailed.arg(QDir::toNativeSeparators(path)));
      return;
  }
}

// On the printer chosen in the printer window; a failure is told as the
// window's own printing tells it.
void Frmusufrutto::StampaProspetto_Click() {
  if (!shown_) return;
  try {
    services().Printers().Current().PrintDocument(ProspettoHtml(*shown_, shownCalculation_));
  } catch (const PrinterFailure& failure) {
    Warn(failure.description());
  }
}

}  // namespace velmora
