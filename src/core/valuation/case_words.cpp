#include "core/valuation/case_words.h"

namespace velmora {

QString KindName(TipoValutazione tipo) {
  switch (tipo) {
    case TipoValutazione::Vitalizio:
      return QStringLiteral("vitalizio");
    case TipoValutazione::TempoDeterminato:
      return QStringLiteral("tempo-determinato");
  }
  return {};
}

QString RightName(Diritto diritto) {
  switch (diritto) {
    case Diritto::Usufrutto:
      return QStringLiteral("usufrutto");
    case Diritto::Uso:
      return QStringLiteral("uso");
    case Diritto::Abitazione:
      return QStringLiteral("abitazione");
  }
  return {};
}

QString TaxName(Imposta imposta) {
  switch (imposta) {
    case Imposta::Registro:
      return QStringLiteral("registro");
    case Imposta::Successioni:
      return QStringLiteral("successioni");
  }
  return {};
}

QString RuleName(RegolaEta regola) {
  switch (regola) {
    case RegolaEta::UnaVita:
      return QStringLiteral("una_vita");
    case RegolaEta::PiuAnziano:
      return QStringLiteral("piu_anziano");
    case RegolaEta::PiuGiovane:
      return QStringLiteral("piu_giovane");
  }
  return {};
}

namespace {

// Every value of an enumeration has a name, and its Name function's switch
// lists them all: past the last value it gives the empty text.
template <typename Enumeration, typename Text>
std::optional<Enumeration> Named(QString (*nameOf)(Enumeration), Text name) {
  for (int k = 0;; ++k) {
    const QString written = nameOf(Enumeration(k));
    if (written.isEmpty()) return std::nullopt;
    if (written == name) return Enumeration(k);
  }
}

}  // namespace

std::optional<TipoValutazione> KindNamed(QStringView name) {
  return Named(KindName, name);
}

std::optional<TipoValutazione> KindNamed(QLatin1StringView name) {
  return Named(KindName, name);
}

std::optional<Diritto> RightNamed(QStringView name) {
  return Named(RightName, name);
}

std::optional<Imposta> TaxNamed(QStringView name) {
  return Named(TaxName, name);
}

std::optional<bool> AccrualNamed(QStringView name) {
  if (name == u"si" || name == u"sì") return true;
  if (name == u"no") return false;
  return std::nullopt;
}

}  // namespace velmora
