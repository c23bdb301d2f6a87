#pragma once

#include <QString>
#include <functional>

#include "platform/printer_failure.h"

namespace velmora::test {

// The description of the PrinterFailure the statement throws; empty when it
// throws none.
inline QString FailureOf(const std::function<void()>& statement) {
  try {
    statement();
  } catch (const PrinterFailure& failure) {
    return failure.description();
  }
  return QString();
}

}  // namespace velmora::test
