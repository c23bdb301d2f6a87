#include <QtTest>
#include <variant>

#include "core/valuation/case_reading.h"
#include "core/valuation/refusal_words.h"
#include "legal_data_for_tests.h"

using namespace velmora;

Q_DECLARE_METATYPE(velmora::DatiValutazione)
Q_DECLARE_METATYPE(velmora::Campo)
Q_DECLARE_METATYPE(velmora::Motivo)

namespace {

// A case typed as "vitalizio" or "tempo-determinato", its births joined by "+".
DatiValutazione Typed(const char* tipo, const char* valore, const char* nascite,
                      const char* anni = "", const char* data = "07/12/2026") {
  DatiValutazione dati;
  dati.tipo = QByteArray(tipo) == "vitalizio" ? TipoValutazione::Vitalizio
                                              : TipoValutazione::TempoDeterminato;
  dati.valore = QString::fromUtf8(valore);
  if (*nascite) dati.nascite = QString::fromUtf8(nascite).split(u'+');
  dati.anni = QString::fromUtf8(anni);
  dati.riferimento = QString::fromUtf8(data);
  return dati;
}

}  // namespace

// The strict reader refuses what could mean two things or what the kind of
// valuation has no use for, naming the input, the reason, the life and the
// form wanted; what it reads, it reads exactly.
class TestCaseReading : public QObject {
  Q_OBJECT

 private slots:
  void eachRefusalNamesItsInput_data() {
    QTest::addColumn<DatiValutazione>("dati");
    QTest::addColumn<Campo>("campo");
    QTest::addColumn<Motivo>("motivo");
    QTest::addColumn<int>("vita");
    QTest::addColumn<QString>("forma");
    const auto value = Campo::Valore;
    QTest::newRow("nothing typed") << Typed("vitalizio", " ", "03/05/1950") << value
                                   << Motivo::ValoreAssente << -1 << "250.000,50";
    QTest::newRow("a decimal point") << Typed("vitalizio", "250000.00", "03/05/1950") << value
                                     << Motivo::PuntiFuoriPosto << -1 << "250.000,50";
    QTest::newRow("three decimals") << Typed("vitalizio", "1000,005", "03/05/1950") << value
                                    << Motivo::TroppiDecimali << -1 << "250.000,50";
    QTest::newRow("a word") << Typed("vitalizio", "cento", "03/05/1950") << value
                            << Motivo::ImportoNonValido << -1 << "250.000,50";
    QTest::newRow("zero") << Typed("vitalizio", "0,00", "03/05/1950") << value
                          << Motivo::ValoreMancante << -1 << "250.000,50";
    QTest::newRow("a month first, second life")
        << Typed("vitalizio", "1", "03/05/1950+12/25/1950") << Campo::Nascita
        << Motivo::NascitaNonValida << 1 << "03/05/1950";
    QTest::newRow("only blanks for births") << Typed("vitalizio", "1", " ") << Campo::Nascita
                                            << Motivo::NascitaAssente << -1 << "03/05/1950";
    QTest::newRow("a two-digit year of the act")
        << Typed("vitalizio", "1", "03/05/1950", "", "07/12/26") << Campo::Riferimento
        << Motivo::RiferimentoNonValido << -1 << "03/05/1950";
    QTest::newRow("years for a lifetime") << Typed("vitalizio", "1", "03/05/1950", "5")
                                          << Campo::Anni << Motivo::AnniNonPrevisti << -1 << "";
    QTest::newRow("no years") << Typed("tempo-determinato", "1", "") << Campo::Anni
                              << Motivo::AnniMancanti << -1 << "10";
    QTest::newRow("two beneficiaries")
        << Typed("tempo-determinato", "1", "01/01/1941+01/01/1945", "10") << Campo::Nascita
        << Motivo::UnSoloBeneficiario << -1 << "";
    QTest::newRow("a beneficiary under the registration tax")
        << Typed("tempo-determinato", "1", "01/01/1941", "10") << Campo::Nascita
        << Motivo::NascitaSoloSuccessioni << -1 << "";
    // The valuation's own refusals come through the same path.
    QTest::newRow("born after the act") << Typed("vitalizio", "1", "08/12/2026") << Campo::Nascita
                                        << Motivo::NascitaDopoRiferimento << 0 << "";
    QTest::newRow("31 years") << Typed("tempo-determinato", "1", "", "31") << Campo::Anni
                              << Motivo::DurataMassima << -1 << "30";
  }
  void eachRefusalNamesItsInput() {
    QFETCH(DatiValutazione, dati);
    const auto valued = ValutaDigitati(dati, test::BuiltInLaw());
    const Rifiuto* refusal = std::get_if<Rifiuto>(&valued);
    QVERIFY(refusal);
    QTEST(refusal->campo, "campo");
    QTEST(refusal->motivo, "motivo");
    QTEST(refusal->vita, "vita");
    QTEST(FormaAttesa(refusal->motivo), "forma");
  }

  // The accrual is refused where it has no use, and asked for where it has.
  void theAccrualBelongsToSeveralLives_data() {
    QTest::addColumn<DatiValutazione>("dati");
    QTest::addColumn<Motivo>("motivo");
    DatiValutazione one = Typed("vitalizio", "1", "03/05/1950");
    one.accrescimento = false;
    DatiValutazione term = Typed("tempo-determinato", "1", "", "10");
    term.accrescimento = true;
    QTest::newRow("one life") << one << Motivo::AccrescimentoUnaVita;
    QTest::newRow("a fixed term") << term << Motivo::AccrescimentoNonPrevisto;
    QTest::newRow("two lives, not said")
        << Typed("vitalizio", "1", "03/05/1950+04/05/1950") << Motivo::AccrescimentoMancante;
  }
  void theAccrualBelongsToSeveralLives() {
    QFETCH(DatiValutazione, dati);
    const auto read = ValutaDigitati(dati, test::BuiltInLaw());
    QVERIFY(std::holds_alternative<Rifiuto>(read));
    QCOMPARE(std::get<Rifiuto>(read).campo, Campo::Accrescimento);
    QTEST(std::get<Rifiuto>(read).motivo, "motivo");
  }

  void whatIsReadIsExact() {
    DatiValutazione dati =
        Typed("vitalizio", "€ 1.234.567,89", " 3 maggio 1950 +1947-12-20", "", "2026-12-07");
    dati.accrescimento = true;
    const auto read = LeggiDigitati(dati);
    QVERIFY(std::holds_alternative<IngressiLetti>(read));
    const IngressiLetti& in = std::get<IngressiLetti>(read);
    QCOMPARE(in.valore, 1234567.89);
    QCOMPARE(in.riferimento, QDate(2026, 12, 7));
    QCOMPARE(in.nascite, (ListaNascite{QDate(1950, 5, 3), QDate(1947, 12, 20)}));
    QCOMPARE(in.accrescimento, std::optional<bool>(true));
  }
};

QTEST_APPLESS_MAIN(TestCaseReading)
#include "tst_case_reading.moc"
