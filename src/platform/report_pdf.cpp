#include "platform/report_pdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "core/messages.h"

namespace velmora {

PdfFailure WritePdf(const QString& html, const QString& path) {
  // QSaveFile writes a temporary file in the target's folder and renames it
  // on commit; until then, and on any failure, the target is untouched.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return PdfFailure::Folder;
  {
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    writer.setTitle(text::kReportTitle);
    writer.setCreator(QStringLiteral("Velmora"));
    QTextDocument document;
    document.setHtml(html);
    document.print(&writer);
  }
  // A full disk shows here: the writes failed, and commit() drops the file.
  if (!file.commit()) return PdfFailure::Writing;
  return PdfFailure::None;
}

}  // namespace velmora
