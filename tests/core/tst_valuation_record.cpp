#include <QtTest>
#include <variant>

#include "core/numbers/number_text.h"
#include "core/valuation/valuation_record.h"
#include "legal_data_for_tests.h"

using namespace velmora;

Q_DECLARE_METATYPE(velmora::DatiValutazione)
Q_DECLARE_METATYPE(velmora::Campo)
Q_DECLARE_METATYPE(velmora::Motivo)

// The checks of a valuation, each with its reason and the input it sends the
// user back to, and what the record keeps beside the figures.
class TestValuationRecord : public QObject {
  Q_OBJECT

  static DatiValutazione Lifetime(Saggio saggio, const QString& value, const QString& birth,
                                  const QString& reference) {
    DatiValutazione dati;
    dati.saggio = saggio;
    dati.valore = value;
    dati.riferimento = reference;
    if (!birth.isEmpty()) dati.nascite = birth.split(u'+');
    return dati;
  }
  static DatiValutazione FixedTerm(Saggio saggio, const QString& value, const QString& years,
                                   const QString& reference) {
    DatiValutazione dati;
    dati.tipo = TipoValutazione::TempoDeterminato;
    dati.saggio = saggio;
    dati.valore = value;
    dati.riferimento = reference;
    dati.anni = years;
    return dati;
  }

 private slots:
  void refusals_data() {
    QTest::addColumn<DatiValutazione>("dati");
    QTest::addColumn<Campo>("campo");
    QTest::addColumn<Motivo>("motivo");
    const auto T = Saggio::Tabella2016;
    const auto A = Saggio::AllaData;

    QTest::newRow("no value") << Lifetime(T, "", "01/01/1950", "01/01/2020") << Campo::Valore
                              << Motivo::ValoreMancante;
    QTest::newRow("zero amount") << FixedTerm(T, "€ 0,00", "5", "") << Campo::Valore
                                 << Motivo::ValoreMancante;
    QTest::newRow("negative") << FixedTerm(A, "-5", "5", "") << Campo::Valore
                              << Motivo::ValoreMancante;
    QTest::newRow("value before birth date")
        << Lifetime(T, "abc", "", "") << Campo::Valore << Motivo::ValoreMancante;
    QTest::newRow("no birth date")
        << Lifetime(T, "100", "", "01/01/2020") << Campo::Nascita << Motivo::NascitaNonValida;
    QTest::newRow("eight digits are not yet a date") << Lifetime(T, "100", "16081946", "01/01/2020")
                                                     << Campo::Nascita << Motivo::NascitaNonValida;
    QTest::newRow("unreadable reference") << Lifetime(T, "100", "01/01/1950", "ieri")
                                          << Campo::Riferimento << Motivo::RiferimentoNonValido;
    QTest::newRow("above the largest amount")
        << Lifetime(T, "10.000.000.000.000", "01/01/1950", "01/01/2020") << Campo::Valore
        << Motivo::ValoreTroppoGrande;
    QTest::newRow("born after the reference") << Lifetime(T, "100", "02/01/2020", "01/01/2020")
                                              << Campo::Nascita << Motivo::NascitaDopoRiferimento;
    // A typo for 1926 is no person of a thousand years.
    QTest::newRow("born in 1026") << Lifetime(A, "100", "01/01/1026", "09/12/2026")
                                  << Campo::Nascita << Motivo::NascitaTroppoLontana;
    QTest::newRow("a day more than 120 years") << Lifetime(T, "100", "09/12/1906", "10/12/2026")
                                               << Campo::Nascita << Motivo::NascitaTroppoLontana;
    QTest::newRow("the second of two lives, 121 years")
        << Lifetime(A, "100", "01/01/1950+01/01/1905", "09/12/2026") << Campo::Nascita
        << Motivo::NascitaTroppoLontana;
    QTest::newRow("lifetime, no rate known") << Lifetime(A, "100", "01/01/1950", "01/01/2027")
                                             << Campo::Riferimento << Motivo::SaggioNonNoto;
    QTest::newRow("lifetime, no coefficients") << Lifetime(A, "100", "01/01/1950", "01/06/2005")
                                               << Campo::Riferimento << Motivo::CoefficientiNonNoti;
    QTest::newRow("no duration") << FixedTerm(T, "100", "", "") << Campo::Anni
                                 << Motivo::AnniMancanti;
    QTest::newRow("fixed term, unreadable reference at the date")
        << FixedTerm(A, "100", "5", "") << Campo::Riferimento << Motivo::RiferimentoNonValido;
    QTest::newRow("fixed term, no rate known")
        << FixedTerm(A, "100", "5", "01/01/1980") << Campo::Riferimento << Motivo::SaggioNonNoto;
    QTest::newRow("beyond 30 years")
        << FixedTerm(T, "100", "31", "") << Campo::Anni << Motivo::DurataMassima;
    QTest::newRow("30,5 years") << FixedTerm(T, "100", "30,5", "") << Campo::Anni
                                << Motivo::DurataMassima;
    QTest::newRow("a fraction") << FixedTerm(T, "100", "2,5", "") << Campo::Anni
                                << Motivo::AnniNonInteri;
    QTest::newRow("zero years") << FixedTerm(T, "100", "0", "") << Campo::Anni
                                << Motivo::AnniNonInteri;
    QTest::newRow("letters") << FixedTerm(T, "100", "dieci", "") << Campo::Anni
                             << Motivo::AnniNonInteri;
  }
  void refusals() {
    QFETCH(DatiValutazione, dati);
    QFETCH(Campo, campo);
    QFETCH(Motivo, motivo);
    const auto result = Valuta(dati, test::BuiltInLaw());
    QVERIFY(std::holds_alternative<Rifiuto>(result));
    const Rifiuto& refusal = std::get<Rifiuto>(result);
    QCOMPARE(refusal.campo, campo);
    QCOMPARE(refusal.motivo, motivo);
  }

  // The refusals at the date of the act say which days and years the data cover.
  void refusalsAtTheDateNameWhatTheDataCover() {
    const auto noRate =
        Valuta(FixedTerm(Saggio::AllaData, "100", "5", "01/01/1980"), test::BuiltInLaw());
    const Rifiuto& rate = std::get<Rifiuto>(noRate);
    QCOMPARE(rate.primo, QDate(1990, 12, 16));
    QCOMPARE(rate.ultimo, QDate(2026, 12, 31));
    const auto noTable =
        Valuta(Lifetime(Saggio::AllaData, "100", "01/01/1950", "01/06/2005"), test::BuiltInLaw());
    const Rifiuto& table = std::get<Rifiuto>(noTable);
    QCOMPARE(table.anno, 2005);
    QCOMPARE(table.primo, QDate(2012, 1, 1));
    QCOMPARE(table.ultimo, QDate(2026, 12, 31));
  }

  void theLifetimeRecordKeepsWhatTheFiguresRestOn() {
    const auto result =
        Valuta(Lifetime(Saggio::AllaData, "250.000,50", "3 maggio 1950", "15/06/2013"),
               test::BuiltInLaw());
    QVERIFY(std::holds_alternative<RecordValutazione>(result));
    const RecordValutazione& r = std::get<RecordValutazione>(result);
    QCOMPARE(r.ValoreTesto(), QStringLiteral("€ 250.000,50"));
    QCOMPARE(r.etaAnni, 63);
    QCOMPARE(r.etaMesi, 1);
    QCOMPARE(r.etaGiorni, 12);
    QCOMPARE(r.fascia, QStringLiteral("da 61 a 63 anni"));
    // 2013 has no coefficients of its own: 2012's serve it.
    QCOMPARE(r.annoCoefficienti, 2012);
    QCOMPARE(r.coefficienteCentesimi, std::optional<int>(2200));
    QCOMPARE(r.saggioCoefficienteCentesimi, 250);
    QCOMPARE(r.saggioCentesimi, 250);
    QVERIFY(!r.minimo);
    QCOMPARE(r.percUsufrutto, QStringLiteral("55%"));
    QCOMPARE(r.UsufruttoTesto(), QStringLiteral("€ 137.500,28"));
    QCOMPARE(r.NudaProprietaTesto(), QStringLiteral("€ 112.500,22"));
  }

  void theFixedTermRecordNeedsNoDateOnThe2016Table() {
    const auto result =
        Valuta(FixedTerm(Saggio::Tabella2016, "100000", " 05 ", "nessuna"), test::BuiltInLaw());
    QVERIFY(std::holds_alternative<RecordValutazione>(result));
    const RecordValutazione& r = std::get<RecordValutazione>(result);
    QVERIFY(!r.riferimento.isValid());
    QCOMPARE(r.anni, 5);
    QCOMPARE(r.quotaDiecimillesimi, 99);
    QCOMPARE(r.saggioCentesimi, 20);
    QCOMPARE(r.UsufruttoTesto(), QStringLiteral("€ 990,00"));
  }

  void theFloorIsRecorded() {
    const auto result =
        Valuta(FixedTerm(Saggio::AllaData, "100000", "10", "31/12/2026"), test::BuiltInLaw());
    const RecordValutazione& r = std::get<RecordValutazione>(result);
    QCOMPARE(r.saggioCentesimi, 250);
    QCOMPARE(r.saggioLegaleCentesimi, 160);
    QVERIFY(r.minimo);
    QCOMPARE(r.percUsufrutto, QStringLiteral("21,88%"));
  }

  // The 2016 table for an act of another year: the record keeps, once, what
  // the rate in force that day gives, as numbers, for the report to lay out.
  void theRateInForceIsRecordedBesideThe2016Table_data() {
    QTest::addColumn<DatiValutazione>("dati");
    QTest::addColumn<bool>("recorded");
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("rate");
    QTest::addColumn<qint64>("share");  // -1: none
    QTest::addColumn<bool>("differs");
    const auto T = Saggio::Tabella2016;
    // 1 - 1,025^-5 = 0,1161 against 1 - 1,002^-5 = 0,0099.
    QTest::newRow("fixed term in 2026") << FixedTerm(T, "100000", "5", "15/06/2026") << true << true
                                        << 250 << qint64(116100) << true;
    QTest::newRow("an act of 2016 needs no comparison")
        << FixedTerm(T, "100000", "5", "15/06/2016") << false << false << 0 << qint64(-1) << false;
    QTest::newRow("a fixed term without a date")
        << FixedTerm(T, "100000", "5", "") << false << false << 0 << qint64(-1) << false;
    QTest::newRow("a day without a known rate")
        << FixedTerm(T, "100000", "5", "15/06/2031") << true << false << 0 << qint64(-1) << false;
    // From 100 years no table gives a share: the same, though the rates differ.
    QTest::newRow("no share at either rate") << Lifetime(T, "100000", "01/01/1920", "15/06/2026")
                                             << true << true << 250 << qint64(-1) << false;
  }
  void theRateInForceIsRecordedBesideThe2016Table() {
    QFETCH(DatiValutazione, dati);
    QFETCH(bool, recorded);
    QFETCH(bool, known);
    QFETCH(int, rate);
    QFETCH(qint64, share);
    QFETCH(bool, differs);
    const auto result = Valuta(dati, test::BuiltInLaw());
    QVERIFY(std::holds_alternative<RecordValutazione>(result));
    const RecordValutazione& r = std::get<RecordValutazione>(result);
    QCOMPARE(r.allaData.has_value(), recorded);
    if (!recorded) return;
    QCOMPARE(r.allaData->noto, known);
    QCOMPARE(r.allaData->saggioCentesimi, rate);
    QCOMPARE(r.allaData->quota.value_or(-1), share);
    QCOMPARE(r.allaData->diversa, differs);
    // The figures shown stay the 2016 table's.
    QCOMPARE(r.saggioCentesimi, 20);
  }
};

QTEST_APPLESS_MAIN(TestValuationRecord)
#include "tst_valuation_record.moc"
