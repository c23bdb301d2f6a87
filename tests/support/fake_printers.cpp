#include "fake_printers.h"

namespace velmora::test {
namespace {

QString Text(int value) {
  return QString::number(value);
}
QString Text(float value) {
  return QString::number(double(value));
}

}  // namespace

template <typename T>
void FakePrinter::Set(const char* property, T& field, T value) {
  const QString name = QString::fromLatin1(property);
  if (refused.contains(name)) throw PrinterFailure(QStringLiteral("Valore non accettato"));
  field = value;
  system_.log << name + "=" + Text(value);
}

void FakePrinter::SetPaperSize(int code) {
  if (!paperSizes.isEmpty() && !paperSizes.contains(code))
    throw PrinterFailure(QStringLiteral("Formato carta non disponibile"));
  Set("PaperSize", settings.paperSize, code);
}

void FakePrinter::SetTrackDefault(bool track) {
  trackDefault = track;
  system_.log << QStringLiteral("TrackDefault=") + (track ? "true" : "false");
}

void FakePrinter::PrintImage(const QImage& image) {
  if (refused.contains(QStringLiteral("PrintImage")))
    throw PrinterFailure(QStringLiteral("Stampa non riuscita"));
  system_.printed << image;
  system_.log << QStringLiteral("PrintImage %1x%2")
                     .arg(image.deviceIndependentSize().width())
                     .arg(image.deviceIndependentSize().height());
}

void FakePrinter::PrintDocument(const QString& html) {
  if (refused.contains(QStringLiteral("PrintDocument")))
    throw PrinterFailure(QStringLiteral("Stampa non riuscita"));
  system_.printedDocuments << html;
  system_.log << QStringLiteral("PrintDocument");
}

FakePrinter& FakePrinterSystem::Add(const QString& name, FakeSettings settings) {
  settings.deviceName = name;
  installed.push_back(std::make_unique<FakePrinter>(*this, settings));
  return *installed.back();
}

FakePrinter& FakePrinterSystem::SetCurrent(const QString& name) {
  FakeSettings settings;
  settings.deviceName = name;
  for (const auto& printer : installed)
    if (printer->settings.deviceName == name) settings = printer->settings;
  current = std::make_unique<FakePrinter>(*this, settings);
  return *current;
}

Printer& FakePrinterSystem::Installed(int index) {
  if (index < 0 || index >= Count())
    throw PrinterFailure(QStringLiteral("Indice non compreso nell'intervallo"));
  return *installed[size_t(index)];
}

CurrentPrinter& FakePrinterSystem::Current() {
  if (!current) SetCurrent(QString());
  return *current;
}

void FakePrinterSystem::MakeCurrent(int index) {
  const QString name = Installed(index).DeviceName();
  const bool track = current && current->trackDefault;
  SetCurrent(name).trackDefault = track;
  log << "MakeCurrent " + name;
}

}  // namespace velmora::test
