#pragma once

#include <QImage>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/printers.h"

namespace velmora::test {

class FakePrinterSystem;

// What a fake printer reports, in the codes of the printer window.
struct FakeSettings {
  QString deviceName;
  QString driverName = QStringLiteral("Fake PCL");
  QString port = QStringLiteral("USB001");
  int width = 11906;
  int height = 16838;
  int paperSize = 9;
  int orientation = 1;
  int colorMode = 2;
  int copies = 1;
  int duplex = 1;
  int paperBin = 7;
  int printQuality = -4;
  float scaleLeft = 0;
  float scaleTop = 0;
  float scaleWidth = 11338;
  float scaleHeight = 16271.5f;
  int zoom = 100;
};

// A printer that keeps its settings in memory and writes every setting made
// on it to its system's log.
class FakePrinter : public CurrentPrinter {
 public:
  FakePrinter(FakePrinterSystem& system, FakeSettings settings)
      : settings(std::move(settings)), system_(system) {}

  FakeSettings settings;
  // Paper sizes the printer has; empty for any.
  QList<int> paperSizes;
  // Properties whose setting the printer refuses.
  QSet<QString> refused;
  // Every reading but the name fails.
  bool unreadable = false;
  bool trackDefault = false;

  QString DeviceName() override { return settings.deviceName; }
  QString DriverName() override { return Read(settings.driverName); }
  QString Port() override { return Read(settings.port); }
  int Width() override { return Read(settings.width); }
  int Height() override { return Read(settings.height); }
  int PaperSize() override { return Read(settings.paperSize); }
  int Orientation() override { return Read(settings.orientation); }
  int ColorMode() override { return Read(settings.colorMode); }
  int Copies() override { return Read(settings.copies); }
  int Duplex() override { return Read(settings.duplex); }
  int PaperBin() override { return Read(settings.paperBin); }
  int PrintQuality() override { return Read(settings.printQuality); }
  float ScaleLeft() override { return Read(settings.scaleLeft); }
  float ScaleTop() override { return Read(settings.scaleTop); }
  float ScaleWidth() override { return Read(settings.scaleWidth); }
  float ScaleHeight() override { return Read(settings.scaleHeight); }
  int Zoom() override { return Read(settings.zoom); }

  void SetWidth(int twips) override { Set("Width", settings.width, twips); }
  void SetHeight(int twips) override { Set("Height", settings.height, twips); }
  void SetPaperSize(int code) override;
  void SetOrientation(int code) override { Set("Orientation", settings.orientation, code); }
  void SetColorMode(int code) override { Set("ColorMode", settings.colorMode, code); }
  void SetCopies(int copies) override { Set("Copies", settings.copies, copies); }
  void SetDuplex(int code) override { Set("Duplex", settings.duplex, code); }
  void SetPaperBin(int code) override { Set("PaperBin", settings.paperBin, code); }
  void SetPrintQuality(int code) override { Set("PrintQuality", settings.printQuality, code); }
  void SetScaleLeft(float value) override { Set("ScaleLeft", settings.scaleLeft, value); }
  void SetScaleTop(float value) override { Set("ScaleTop", settings.scaleTop, value); }
  void SetScaleWidth(float value) override { Set("ScaleWidth", settings.scaleWidth, value); }
  void SetScaleHeight(float value) override { Set("ScaleHeight", settings.scaleHeight, value); }
  void SetZoom(int percent) override { Set("Zoom", settings.zoom, percent); }

  bool TrackDefault() override { return trackDefault; }
  void SetTrackDefault(bool track) override;
  void PrintImage(const QImage& image) override;
  void PrintDocument(const QString& html) override;

 private:
  template <typename T>
  T Read(const T& value) {
    if (unreadable) throw PrinterFailure(QStringLiteral("Stampante non raggiungibile"));
    return value;
  }
  template <typename T>
  void Set(const char* property, T& field, T value);

  FakePrinterSystem& system_;
};

// Installed printers and a current printer made as a test wants them.
class FakePrinterSystem : public PrinterSystem {
 public:
  // Every call that changes something, in order: "Width=12000",
  // "MakeCurrent Laser", "TrackDefault=true", "PrintImage 791x433".
  QStringList log;
  QList<QImage> printed;
  QStringList printedDocuments;

  std::vector<std::unique_ptr<FakePrinter>> installed;
  std::unique_ptr<FakePrinter> current;

  // Adds an installed printer.
  FakePrinter& Add(const QString& name, FakeSettings settings = {});
  // The current printer becomes a copy of the installed one of that name, or
  // a printer of that name that is not installed.
  FakePrinter& SetCurrent(const QString& name);

  // The fake's lists are always as they are now; the readings are counted.
  int refreshes = 0;
  void Refresh() override { ++refreshes; }
  int Count() override { return int(installed.size()); }
  Printer& Installed(int index) override;
  CurrentPrinter& Current() override;
  void MakeCurrent(int index) override;
};

}  // namespace velmora::test
