#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The inputs of the figures on screen, as they are settled: the same value or
// day typed another way is the same input and leaves the figures, any other
// input takes them away. Both windows hold their figures by this rule.
namespace velmora {

// The money text of a value that reads as a number ("250.000" and
// "€ 250.000,00" are one value); the text as typed when it is none.
QString SettledAmount(const QString& typed);

// The day read, in ISO form; the text as typed when no day was read.
QString SettledDate(const std::optional<QDate>& read, const QString& typed);

}  // namespace velmora
