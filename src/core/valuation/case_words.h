#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <optional>

#include "core/valuation/lives.h"
#include "core/valuation/valuation_record.h"

// The words of a case's choices, as the command line, the batch, the JSON and
// the service write and read them.
namespace velmora {

// The word that names a kind on the command line, in the batch and in the
// JSON: "vitalizio", "tempo-determinato".
QString KindName(TipoValutazione tipo);
std::optional<TipoValutazione> KindNamed(QStringView name);
std::optional<TipoValutazione> KindNamed(QLatin1StringView name);
// The same for the right ("usufrutto", "uso", "abitazione"), the tax
// ("registro", "successioni") and the accrual ("si", "no").
QString RightName(Diritto diritto);
std::optional<Diritto> RightNamed(QStringView name);
QString TaxName(Imposta imposta);
std::optional<Imposta> TaxNamed(QStringView name);
std::optional<bool> AccrualNamed(QStringView name);
// "una_vita", "piu_anziano", "piu_giovane".
QString RuleName(RegolaEta regola);

}  // namespace velmora
