#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

#include "core/valuation/valuation_record.h"

// The JSON body of a case, read strictly into the texts of a case as the
// command line would have them; the strict reader of the command line then
// reads those texts. What this reader refuses is the JSON's own shape: a body
// that is no object, an unknown field, a field of the wrong type.
namespace velmora::server {

// A refused request: 400 when the body is no JSON object, 422 for a field.
struct RichiestaRifiutata {
  int status = 400;
  QString campo;  // the JSON field; empty for the body as a whole
  QString motivo;
  QString messaggio;
  QString forma;  // the form wanted, or empty
};

// The inputs of a case, with their reference date left empty when the body
// has none (the caller puts today in).
using RichiestaLetta = std::variant<DatiValutazione, RichiestaRifiutata>;

RichiestaLetta ReadCaseRequest(const QByteArray& body);

// A JSON number as the Italian text of an amount: 250000.5 is "250000,50".
// Nothing when it has more than two decimals or is not finite.
std::optional<QString> AmountText(double number);

}  // namespace velmora::server
