#include "gui/settled_input.h"

#include "core/numbers/number_text.h"

namespace velmora {

QString SettledAmount(const QString& typed) {
  const std::optional<double> value = ReadNumber(typed);
  return value ? MoneyText(*value) : typed;
}

QString SettledDate(const std::optional<QDate>& read, const QString& typed) {
  return read ? read->toString(Qt::ISODate) : typed;
}

}  // namespace velmora
