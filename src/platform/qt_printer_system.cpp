#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "platform/print_queue.h"
#include "platform/printer_codes.h"
#include "platform/printer_texts.h"
#include "platform/printers.h"
#include "platform/report_pdf.h"
#include "platform/twips.h"

namespace velmora {
namespace {

using namespace printercodes;

[[noreturn]] void Fail(const QString& description) {
  throw PrinterFailure(description);
}

QString InvalidValue() {
  return text::kInvalidValue;
}

// One printer of the printing service with settings of its own, held in a
// QPrinter that starts with the printer's defaults.
class QtPrinter : public CurrentPrinter {
 public:
  explicit QtPrinter(const QPrinterInfo& info) : info_(info) {
    if (info_.isNull()) return;
    printer_ = std::make_unique<QPrinter>(info_, QPrinter::HighResolution);
    printer_->setDocName(QStringLiteral("Velmora"));
    if (const auto dpi = ResolutionFor(-4, info_.supportedResolutions()))
      printer_->setResolution(*dpi);
  }

  QString DeviceName() override { return info_.printerName(); }
  QString DriverName() override {
    Device();
    return info_.makeAndModel();
  }
  QString Port() override {
    Device();
    return info_.location();
  }
  int Width() override { return Twips(Layout().fullRect(QPageLayout::Point).width()); }
  int Height() override { return Twips(Layout().fullRect(QPageLayout::Point).height()); }
  int PaperSize() override { return PaperSizeCode(Layout().pageSize()); }
  int Orientation() override { return OrientationCode(Layout().orientation()); }
  int ColorMode() override { return ColorModeCode(Device().colorMode()); }
  int Copies() override { return Device().copyCount(); }
  int Duplex() override { return DuplexCode(Device().duplex()); }
  // Sources Windows has no code for read as a bin of the driver's own.
  int PaperBin() override { return PaperBinCode(Device().paperSource()).value_or(256); }
  int PrintQuality() override {
    return PrintQualityCode(Device().resolution(), info_.supportedResolutions());
  }
  float ScaleLeft() override { return left_ ? *left_ : 0; }
  float ScaleTop() override { return top_ ? *top_ : 0; }
  float ScaleWidth() override { return width_ ? *width_ : float(Area().width()); }
  float ScaleHeight() override { return height_ ? *height_ : float(Area().height()); }
  int Zoom() override { return zoom_; }

  void SetWidth(int twips) override { Resize(Points(twips), Points(Height())); }
  void SetHeight(int twips) override { Resize(Points(Width()), Points(twips)); }

  void SetPaperSize(int code) override {
    if (code == kUserPaperSize) {
      // The present dimensions, as a size of the user's own.
      ApplyCustom(Layout().pageSize().sizePoints());
      return;
    }
    const auto id = PaperSizeId(code);
    if (!id) Fail(InvalidValue());
    const QPageSize standard(*id);
    for (const QPageSize& size : info_.supportedPageSizes()) {
      if (size.id() == *id || size.isEquivalentTo(standard)) {
        Apply(size);
        return;
      }
    }
    Fail(text::kNoPaperSize.arg(Name(), standard.name()));
  }

  void SetOrientation(int code) override {
    const auto orientation = OrientationFor(code);
    if (!orientation) Fail(InvalidValue());
    if (!Device().setPageOrientation(*orientation)) Fail(InvalidValue());
  }

  void SetColorMode(int code) override {
    const auto mode = ColorModeFor(code);
    if (!mode) Fail(InvalidValue());
    const QList<QPrinter::ColorMode> supported = info_.supportedColorModes();
    if (!supported.isEmpty() && !supported.contains(*mode)) Fail(text::kNoColourMode.arg(Name()));
    Device().setColorMode(*mode);
  }

  void SetCopies(int copies) override {
    if (copies < 1) Fail(InvalidValue());
    Device().setCopyCount(copies);
  }

  void SetDuplex(int code) override {
    const auto mode = DuplexFor(code);
    if (!mode) Fail(InvalidValue());
    if (*mode != QPrinter::DuplexNone && !info_.supportedDuplexModes().contains(*mode))
      Fail(text::kNoDuplexMode.arg(Name()));
    Device().setDuplex(*mode);
  }

  void SetPaperBin(int code) override {
    const auto source = PaperBinFor(code);
    if (!source) Fail(InvalidValue());
    Device().setPaperSource(*source);
  }

  void SetPrintQuality(int code) override {
    const auto dpi = ResolutionFor(code, info_.supportedResolutions());
    if (!dpi) Fail(text::kNoResolution.arg(Name()));
    Device().setResolution(*dpi);
  }

  void SetScaleLeft(float value) override { left_ = Finite(value); }
  void SetScaleTop(float value) override { top_ = Finite(value); }
  void SetScaleWidth(float value) override { width_ = NonZero(value); }
  void SetScaleHeight(float value) override { height_ = NonZero(value); }

  void SetZoom(int percent) override {
    Device();
    if (percent < 1) Fail(InvalidValue());
    zoom_ = percent;
  }

  bool TrackDefault() override { return track_; }
  void SetTrackDefault(bool track) override { track_ = track; }

  void PrintDocument(const QString& html) override {
    QPrinter& printer = Device();
    if (!QueueTakesJobs(info_.printerName())) Fail(text::kCannotPrint.arg(Name()));
    // Printing a document reports nothing of its own: the queue's answer tells.
    PrintHtml(html, printer);
    if (!QueueTookTheJob(info_.printerName())) Fail(text::kPrintFailed.arg(Name()));
  }

  void PrintImage(const QImage& image) override {
    QPrinter& printer = Device();
    // Qt hands the job to the printing service and ignores its answer: the
    // queue is asked before, and the answer read after.
    if (!QueueTakesJobs(info_.printerName())) Fail(text::kCannotPrint.arg(Name()));
    const QSizeF imageTwips = image.deviceIndependentSize() * kTwipsPerPixel;
    const Placement place = PlaceImage(imageTwips, Area(), ScaleLeft(), ScaleTop(), ScaleWidth(),
                                       ScaleHeight(), Zoom());
    QPainter painter;
    if (!painter.begin(&printer)) Fail(text::kCannotPrint.arg(Name()));
    // The painter starts at the corner of the printable area, in dots.
    const qreal dotsPerTwip = printer.resolution() / 1440.0;
    const QRectF target(place.rect.topLeft() * dotsPerTwip, place.rect.size() * dotsPerTwip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image.mirrored(place.mirroredHorizontally, place.mirroredVertically));
    if (!painter.end() || !QueueTookTheJob(info_.printerName()))
      Fail(text::kPrintFailed.arg(Name()));
  }

 private:
  QString Name() const { return QLatin1Char('"') + info_.printerName() + QLatin1Char('"'); }

  QPrinter& Device() {
    if (!printer_) Fail(text::kNoCurrentPrinter);
    if (!printer_->isValid()) Fail(text::kUnreadableSettings.arg(Name()));
    return *printer_;
  }

  QPageLayout Layout() {
    const QPageLayout layout = Device().pageLayout();
    if (!layout.isValid()) Fail(text::kUnreadablePaper.arg(Name()));
    return layout;
  }

  // The printable area in twips.
  QSizeF Area() { return Layout().paintRect(QPageLayout::Point).size() * 20; }

  float Finite(float value) {
    Device();
    if (!std::isfinite(value)) Fail(InvalidValue());
    return value;
  }

  float NonZero(float value) {
    if (Finite(value) == 0) Fail(InvalidValue());
    return value;
  }

  // Width and height as the paper is oriented, in points.
  void Resize(qreal width, qreal height) {
    if (width <= 0 || height <= 0) Fail(InvalidValue());
    if (Layout().orientation() == QPageLayout::Landscape) std::swap(width, height);
    const QPageSize wanted(QSizeF(width, height), QPageSize::Point, QString(),
                           QPageSize::FuzzyMatch);
    // The printer's own size of these dimensions, when it has one.
    for (const QPageSize& size : info_.supportedPageSizes()) {
      if (size.isEquivalentTo(wanted)) {
        Apply(size);
        return;
      }
    }
    ApplyCustom(QSizeF(width, height));
  }

  void ApplyCustom(QSizeF points) {
    if (!info_.supportsCustomPageSizes()) Fail(text::kNoCustomPaper.arg(Name()));
    const QSizeF least = info_.minimumPhysicalPageSize().size(QPageSize::Point);
    const QSizeF most = info_.maximumPhysicalPageSize().size(QPageSize::Point);
    const bool tooSmall = points.width() < least.width() || points.height() < least.height();
    const bool tooLarge =
        !most.isEmpty() && (points.width() > most.width() || points.height() > most.height());
    if (tooSmall || tooLarge) Fail(text::kPaperOutOfRange.arg(Name()));
    Apply(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
  }

  void Apply(const QPageSize& size) {
    if (!Device().setPageSize(size)) Fail(text::kPaperRefused.arg(Name(), size.name()));
  }

  QPrinterInfo info_;
  std::unique_ptr<QPrinter> printer_;
  std::optional<float> left_, top_, width_, height_;
  int zoom_ = 100;
  bool track_ = true;
};

class QtPrinterSystem : public PrinterSystem {
 public:
  QtPrinterSystem() {
    Refresh();
    default_ = QPrinterInfo::defaultPrinterName();
    current_ = std::make_unique<QtPrinter>(QPrinterInfo::printerInfo(default_));
  }

  void Refresh() override {
    installed_.clear();
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
      installed_.push_back({info, nullptr});
  }

  int Count() override { return int(installed_.size()); }

  Printer& Installed(int index) override {
    Slot& slot = At(index);
    if (!slot.printer) slot.printer = std::make_unique<QtPrinter>(slot.info);
    return *slot.printer;
  }

  CurrentPrinter& Current() override {
    FollowDefault();
    return *current_;
  }

  void MakeCurrent(int index) override { Replace(At(index).info); }

  QString DefaultName() override { return QPrinterInfo::defaultPrinterName(); }

 private:
  struct Slot {
    QPrinterInfo info;
    std::unique_ptr<QtPrinter> printer;
  };

  Slot& At(int index) {
    if (index < 0 || index >= Count()) Fail(text::kNoSuchPrinter);
    return installed_[size_t(index)];
  }

  void Replace(const QPrinterInfo& info) {
    auto next = std::make_unique<QtPrinter>(info);
    next->SetTrackDefault(current_->TrackDefault());
    current_ = std::move(next);
  }

  // A change of the desktop's default printer since it was last seen moves
  // a tracking current printer to the new default.
  void FollowDefault() {
    if (!current_->TrackDefault()) return;
    const QString name = QPrinterInfo::defaultPrinterName();
    if (name == default_) return;
    default_ = name;
    if (!name.isEmpty()) Replace(QPrinterInfo::printerInfo(name));
  }

  std::vector<Slot> installed_;
  QString default_;
  std::unique_ptr<QtPrinter> current_;
};

}  // namespace

std::unique_ptr<PrinterSystem> MakeQtPrinterSystem() {
  return std::make_unique<QtPrinterSystem>();
}

}  // namespace velmora
