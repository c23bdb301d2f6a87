#include "gui/report_delivery.h"

#include <QDir>

#include "gui/window_texts.h"
#include "platform/printers.h"
#include "platform/report_pdf.h"

namespace velmora {

void CopyReport(Services& services, const RecordValutazione& record, const Calcolo& calcolo) {
  services.SetClipboard(ProspettoTesto(record, calcolo), ProspettoHtml(record, calcolo));
}

bool CopyValuesForAct(Services& services, const RecordValutazione& record) {
  const QString warning = AvvertenzaTabella2016(record);
  if (!warning.isEmpty() &&
      !services.Question(warning + QStringLiteral("\r\r") + text::kCopyAnyway, text::kMainTitle))
    return false;
  services.SetClipboard(ValoriPerAtto(record), {});
  return true;
}

QString SaveReportPdf(Services& services, const RecordValutazione& record, const Calcolo& calcolo) {
  const QString suggested = services.DocumentsFolder() + u'/' +
                            text::kReportFileName.arg(calcolo.quando.date().toString(Qt::ISODate));
  // The dialog asks before an existing file is replaced.
  const QString path = services.SaveFileName(text::kSaveReportTitle, suggested, text::kPdfFilter);
  if (path.isEmpty()) return {};
  switch (WritePdf(ProspettoHtml(record, calcolo), path)) {
    case PdfFailure::None:
      return {};
    case PdfFailure::Folder:
      return text::kPdfFolderNotWritable.arg(QDir::toNativeSeparators(path));
    case PdfFailure::Writing:
      return text::kPdfWriteFailed.arg(QDir::toNativeSeparators(path));
  }
  return {};
}

QString PrintReport(Services& services, const RecordValutazione& record, const Calcolo& calcolo) {
  try {
    services.Printers().Current().PrintDocument(ProspettoHtml(record, calcolo));
  } catch (const PrinterFailure& failure) {
    return failure.description();
  }
  return {};
}

}  // namespace velmora
