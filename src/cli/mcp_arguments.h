#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>
#include <variant>

#include "core/valuation/refusal_words.h"
#include "core/valuation/valuation_record.h"

// A valuation tool's arguments as the command line's inputs: the texts go
// on to its strict readers, JSON numbers and booleans are written as the
// texts they stand for exactly, and anything else is refused.
namespace velmora::cli {

// The names of the properties in the diagnostics.
const NomiIngressi& McpPropertyNames();

// The inputs, or the one-line reason they are refused, naming the property
// and the form wanted. A missing data is `today`, as SlashedDate writes it.
using ArgomentiLetti = std::variant<DatiValutazione, QString>;
ArgomentiLetti McpArguments(TipoValutazione tipo, const QJsonObject& arguments,
                            const QString& today);

// A JSON number as the strict Italian amount ("250000,50"), or nothing when
// it is not a finite number with at most two decimals.
std::optional<QString> AmountOfNumber(double number);

}  // namespace velmora::cli
