#include "platform/report_pdf.h"

#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "core/documents/report_texts.h"

namespace velmora {

void PrintHtml(const QString& html, QPagedPaintDevice& device) {
  QTextDocument document;
  QFont face;
  face.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  face.setPointSizeF(10.5);
  document.setDefaultFont(face);
  document.setHtml(html);
  document.print(&device);
}

PdfFailure WritePdf(const QString& html, const QString& path) {
  // QSaveFile writes a temporary file in the target's folder and renames it
  // on commit; until then, and on any failure, the target is untouched.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return PdfFailure::Folder;
  {
    QPdfWriter writer(&file);
    // The document adds a margin of its own of 2 cm.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    writer.setTitle(text::kReportTitle);
    writer.setCreator(QStringLiteral("Velmora"));
    PrintHtml(html, writer);
  }
  // A full disk shows here: the writes failed, and commit() drops the file.
  if (!file.commit()) return PdfFailure::Writing;
  return PdfFailure::None;
}

}  // namespace velmora
