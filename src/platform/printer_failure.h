#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace velmora {

// A printer property that cannot be read or set, or a field text that cannot
// become a property value. The printer window shows the description.
class PrinterFailure : public std::exception {
 public:
  explicit PrinterFailure(QString description)
      : description_(std::move(description)), what_(description_.toUtf8()) {}
  const QString& description() const { return description_; }
  const char* what() const noexcept override { return what_.constData(); }

 private:
  QString description_;
  QByteArray what_;
};

}  // namespace velmora
