#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace velmora {

struct Valutazione {
  double usufrutto;      // rounded to the cent, a half going to the even cent
  double nudaProprieta;  // full value minus the rounded usufruct, not rounded itself
  QString percUsufrutto;
  QString percNudaProprieta;
};

// The product taken to 15 significant digits, then rounded to the cent with a
// half going to the even cent. The rounding works on the decimal digits, so a
// product such as 2.125 is a true half whatever its binary neighbour. A value
// whose 15 digits reach no further than the cent comes back as those 15 digits;
// NaN and infinities come back unchanged.
double RoundUsufruct(double product);

// Lifetime usufruct; nothing for an age below 0.
std::optional<Valutazione> ValutaVitalizio(double fullValue, qint16 age);
// Fixed-term usufruct; nothing unless the years are one of 1 to 30.
std::optional<Valutazione> ValutaTempoDeterminato(double fullValue, double years);

}  // namespace velmora
