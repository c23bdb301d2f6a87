#include "gui/refusal_message.h"

#include <QStringList>

#include "core/law/legal_data_in_use.h"
#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"
#include "gui/window_texts.h"

namespace velmora {
namespace {

// A day after the last the legal data cover: how an office adds the decree.
QString PastTheData(const Rifiuto& refusal) {
  if (!refusal.giorno.isValid() || refusal.giorno <= refusal.ultimo) return {};
  const QStringList folders = AdditionFolders();
  return QStringLiteral("\r") +
         text::kAddTheDecree.arg(LongDateText(refusal.giorno), LongDateText(refusal.ultimo),
                                 folders.isEmpty() ? QString() : folders.first());
}

}  // namespace

QString RefusalMessage(const Rifiuto& refusal) {
  switch (refusal.motivo) {
    case Motivo::ValoreMancante:
    case Motivo::ValoreAssente:
    case Motivo::ImportoNonValido:
    case Motivo::PuntiFuoriPosto:
    case Motivo::TroppiDecimali:
      return text::kValueFirst;
    case Motivo::ValoreTroppoGrande:
      return text::kLargestAmount.arg(LargestAmountText());
    case Motivo::NascitaNonValida:
    case Motivo::NascitaAssente:
      return text::kValidDate;
    case Motivo::RiferimentoNonValido:
      return text::kValidReferenceDate;
    case Motivo::NascitaDopoRiferimento:
      return text::kBirthAfterReference;
    case Motivo::NascitaTroppoLontana:
      return text::kBirthTooLongAgo.arg(kEtaMassima);
    case Motivo::TroppeVite:
      return text::kTooManyHolders.arg(kMaxVite);
    case Motivo::AccrescimentoMancante:
      return text::kAccrualFirst;
    case Motivo::AnniMancanti:
      return text::kDurationFirst;
    case Motivo::AnniNonInteri:
      return text::kWholeYears;
    case Motivo::DurataMassima:
      return text::kLongestDuration;
    case Motivo::SaggioNonNoto:
      return text::kNoRateOnDate.arg(LongDateText(refusal.primo), LongDateText(refusal.ultimo)) +
             PastTheData(refusal);
    case Motivo::CoefficientiNonNoti:
      return text::kNoCoefficientsInYear.arg(QString::number(refusal.anno),
                                             LongDateText(refusal.primo),
                                             LongDateText(refusal.ultimo)) +
             PastTheData(refusal);
    case Motivo::NormaNonNota:
      return text::kNoStatute;
    // The strict reader's: the window's fields cannot hold an input their
    // kind has no use for.
    case Motivo::AnniNonPrevisti:
    case Motivo::AccrescimentoUnaVita:
    case Motivo::AccrescimentoNonPrevisto:
    case Motivo::UnSoloBeneficiario:
    case Motivo::NascitaSoloSuccessioni:
      break;
  }
  return {};
}

}  // namespace velmora
