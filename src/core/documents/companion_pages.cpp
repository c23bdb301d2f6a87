#include "core/documents/companion_pages.h"

namespace velmora {

std::vector<CompanionPage> CompanionPages(const LegalData& law) {
  return {{QStringLiteral("normativa.htm"), LegislationPage(law).toUtf8()},
          {QStringLiteral("TabelleUsufrutto.htm"), LifetimeTablesPage(law).toUtf8()},
          {QStringLiteral("TabelleUsufruttoTempoDeterminato.htm"), FixedTermPage(law).toUtf8()}};
}

}  // namespace velmora
