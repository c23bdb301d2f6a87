#pragma once

#include <QString>
#include <vector>

#include "core/law/legal_data_in_use.h"

// The summary sheet of the lifetime coefficients of a year, as the table
// window draws it: the decrees, the rate the coefficients were made for and
// one row a band. Every figure comes from the rate data.
namespace velmora {

struct RigaProspetto {
  QString eta;  // "da 0 a 20"
  QString coefficiente;
  QString usufrutto;  // percent, without the sign
  QString nudaProprieta;
};

// A year without coefficients lists the years that have them instead.
struct RigaAnnoCoperto {
  QString anno;
  QString saggio;  // the rate the coefficients were made for
  QString decreto;
};

struct ProspettoCoefficienti {
  int anno = 0;
  QString paragrafo;                 // the decrees, and from when they apply
  QString tasso;                     // "al tasso di interesse del 2,5%"; empty without coefficients
  std::vector<RigaProspetto> righe;  // empty for a year without coefficients
  std::vector<RigaAnnoCoperto> anniCoperti;  // only then
};

ProspettoCoefficienti ProspettoPerAnno(const DatiLegali& law, int year);

}  // namespace velmora
