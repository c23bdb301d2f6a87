#include "core/valuation/lives.h"

#include <algorithm>

#include "core/valuation/age.h"

namespace velmora {

std::optional<Vite> ViteAl(std::span<const QDate> nascite, const QDate& riferimento,
                           std::optional<bool> accrescimento) {
  if (nascite.empty() || (nascite.size() > 1 && !accrescimento)) return std::nullopt;
  Vite lives;
  for (const QDate& nascita : nascite) {
    if (!nascita.isValid() || nascita > riferimento) return std::nullopt;
    qint16 years = 0, months = 0, days = 0;
    NDIFF(nascita, riferimento, years, months, days);
    lives.vite.push_back({nascita, years, months, days});
  }
  if (nascite.size() == 1) return lives;
  // The oldest is born first, the youngest last; of two born the same day,
  // the first named.
  const auto earlier = [](const Vita& a, const Vita& b) { return a.nascita < b.nascita; };
  const auto first = lives.vite.begin();
  if (*accrescimento) {
    lives.regola = RegolaEta::PiuGiovane;
    const auto youngest = std::max_element(first, lives.vite.end(), earlier);
    lives.conta = std::size_t(youngest - first);
  } else {
    lives.regola = RegolaEta::PiuAnziano;
    lives.conta = std::size_t(std::min_element(first, lives.vite.end(), earlier) - first);
  }
  return lives;
}

QDate ProssimoCompleanno(const QDate& nascita, const QDate& riferimento) {
  if (!nascita.isValid() || !riferimento.isValid()) return {};
  for (int year = riferimento.year();; ++year) {
    QDate day(year, nascita.month(), nascita.day());
    if (!day.isValid()) day = QDate(year, 3, 1);  // the 29th of February
    if (day > riferimento) return day;
  }
}

}  // namespace velmora
