#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "core/law/legal_rate_data.h"

// The companion pages that list the years, written from legal data: the
// built-in data give the pages that ship with the program; with the rows an
// office added, the pages list those too, each marked with its file. Every
// figure is the data's or the core's own: the lifetime shares of the core's
// tables, the fixed-term shares of FixedTermTableAt. The same data give the
// same bytes.
namespace velmora {

// TabelleUsufrutto.htm: the lifetime coefficients and shares of every year,
// the legal rates by period.
QString LifetimeTablesPage(const LegalData& law);
// TabelleUsufruttoTempoDeterminato.htm: the fixed-term shares, 1 to 30 years,
// at the rate used in each period.
QString FixedTermPage(const LegalData& law);
// normativa.htm: the legal basis, with the rates and years of the data.
QString LegislationPage(const LegalData& law);

struct CompanionPage {
  QString name;  // the file name the program ships it under
  QByteArray html;
};
// The three pages, in UTF-8. They link to one another by name, so they go
// into one folder together.
std::vector<CompanionPage> CompanionPages(const LegalData& law);

}  // namespace velmora
