#include <QtTest>
#include <random>
#include <variant>

#include "core/law/legal_data_file.h"
#include "core/law/legal_data_in_use.h"
#include "core/valuation/valuation_record.h"
#include "legal_data_for_tests.h"

using namespace velmora;

Q_DECLARE_METATYPE(velmora::DatiValutazione)
Q_DECLARE_METATYPE(velmora::RegolaEta)

// The acts notaries write with a usufruct: several lives with or without
// accrual, the rights of use and habitation, the fixed term's limit for the
// gift and succession tax, and the next change of band.
class TestRightsAndLives : public QObject {
  Q_OBJECT

  static DatiValutazione Lifetime(const QString& births, const QString& reference,
                                  std::optional<bool> accrual = std::nullopt) {
    DatiValutazione dati;
    dati.saggio = Saggio::AllaData;
    dati.valore = QStringLiteral("100.000");
    dati.riferimento = reference;
    dati.nascite = births.split(u'+');
    dati.accrescimento = accrual;
    return dati;
  }
  static DatiValutazione FixedTerm(const QString& value, const QString& years, const QString& birth,
                                   Saggio saggio, Imposta imposta,
                                   const QString& reference = QStringLiteral("09/12/2026")) {
    DatiValutazione dati;
    dati.tipo = TipoValutazione::TempoDeterminato;
    dati.saggio = saggio;
    dati.imposta = imposta;
    dati.valore = value;
    dati.riferimento = reference;
    dati.anni = years;
    dati.nascite = {birth};
    return dati;
  }
  static RecordValutazione Valued(const DatiValutazione& dati,
                                  const DatiLegali& law = test::BuiltInLaw()) {
    auto result = Valuta(dati, law);
    if (const auto* refusal = std::get_if<Rifiuto>(&result))
      qFatal("refused: %d", int(refusal->motivo));
    return std::get<RecordValutazione>(result);
  }

 private slots:
  // Whose age counts: the oldest's when the right ends at the first death,
  // the youngest's with accrual; the band of that one life.
  void whoseAgeCounts_data() {
    QTest::addColumn<DatiValutazione>("dati");
    QTest::addColumn<RegolaEta>("rule");
    QTest::addColumn<int>("counted");
    QTest::addColumn<QString>("share");
    const QString spouses = QStringLiteral("16/08/1946+03/05/1950");
    QTest::newRow("one life") << Lifetime("16/08/1946", "07/12/2026") << RegolaEta::UnaVita << 0
                              << "25%";
    QTest::newRow("two, no accrual: the oldest")
        << Lifetime(spouses, "07/12/2026", false) << RegolaEta::PiuAnziano << 0 << "25%";
    QTest::newRow("two with accrual: the youngest")
        << Lifetime(spouses, "07/12/2026", true) << RegolaEta::PiuGiovane << 1 << "30%";
    const QString three = QStringLiteral("10/05/1955+01/01/1940+07/12/1953");
    QTest::newRow("three, no accrual")
        << Lifetime(three, "07/12/2026", false) << RegolaEta::PiuAnziano << 1 << "20%";
    QTest::newRow("three with accrual")
        << Lifetime(three, "07/12/2026", true) << RegolaEta::PiuGiovane << 0 << "40%";
    // The one who counts reaches a band on the reference date itself.
    QTest::newRow("the oldest is 73 on the day")
        << Lifetime("07/12/1953+10/05/1955", "07/12/2026", false) << RegolaEta::PiuAnziano << 0
        << "35%";
    QTest::newRow("and 72 the day before") << Lifetime("07/12/1953+10/05/1955", "06/12/2026", false)
                                           << RegolaEta::PiuAnziano << 0 << "40%";
  }
  void whoseAgeCounts() {
    QFETCH(DatiValutazione, dati);
    const RecordValutazione r = Valued(dati);
    QTEST(r.vite.regola, "rule");
    QTEST(int(r.vite.conta), "counted");
    QTEST(r.percUsufrutto, "share");
    QCOMPARE(r.vite.vite.size(), dati.nascite.size());
    QCOMPARE(r.etaAnni, r.vite.vite[qsizetype(r.vite.conta)].anni);
    QCOMPARE(r.normaVite.isEmpty(), dati.nascite.size() == 1);
  }

  void severalLivesNeedTheAccrual() {
    const auto result = Valuta(Lifetime("16/08/1946+03/05/1950", "07/12/2026"), test::BuiltInLaw());
    const auto* refusal = std::get_if<Rifiuto>(&result);
    QVERIFY(refusal);
    QCOMPARE(refusal->motivo, Motivo::AccrescimentoMancante);
    const auto after =
        Valuta(Lifetime("16/08/1946+03/05/2030", "07/12/2026", true), test::BuiltInLaw());
    QCOMPARE(std::get<Rifiuto>(after).vita, 1);
  }

  // Use and habitation are valued as the usufruct, to the cent, whatever the
  // kind, the rate and the amount: only their name changes.
  void useAndHabitationAreValuedAsTheUsufruct() {
    std::mt19937_64 random(1986);
    for (int i = 0; i < 400; ++i) {
      DatiValutazione dati;
      dati.tipo = i % 2 ? TipoValutazione::Vitalizio : TipoValutazione::TempoDeterminato;
      dati.saggio = i % 4 < 2 ? Saggio::AllaData : Saggio::Tabella2016;
      dati.valore =
          QString::number(random() % 10000000 + 1) + u',' + QString::number(random() % 90 + 10);
      dati.riferimento = QDate(2012, 1, 1).addDays(qint64(random() % 5400)).toString("dd/MM/yyyy");
      dati.nascite = {QDate(1910, 1, 1).addDays(qint64(random() % 36000)).toString("dd/MM/yyyy")};
      dati.anni = QString::number(random() % 30 + 1);
      const auto usufruct = Valuta(dati, test::BuiltInLaw());
      for (const Diritto right : {Diritto::Uso, Diritto::Abitazione}) {
        dati.diritto = right;
        const auto other = Valuta(dati, test::BuiltInLaw());
        QCOMPARE(other.index(), usufruct.index());
        if (const auto* u = std::get_if<RecordValutazione>(&usufruct)) {
          const auto& o = std::get<RecordValutazione>(other);
          QCOMPARE(o.UsufruttoTesto(), u->UsufruttoTesto());
          QCOMPARE(o.NudaProprietaTesto(), u->NudaProprietaTesto());
          QCOMPARE(o.percUsufrutto, u->percUsufrutto);
          QVERIFY(!o.normaDiritto.isEmpty());
        }
      }
      dati.diritto = Diritto::Usufrutto;
    }
  }

  // A fixed term for the gift and succession tax is worth no more than the
  // lifetime right at the beneficiary's age; for the registration tax it is
  // valued as it always was.
  void theFixedTermsLimit_data() {
    QTest::addColumn<DatiValutazione>("dati");
    QTest::addColumn<bool>("limited");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("usufruct");
    const auto A = Saggio::AllaData;
    const auto T = Saggio::Tabella2016;
    const auto S = Imposta::Successioni;
    QTest::newRow("30 years at 85: above, the lifetime 20% applies")
        << FixedTerm("100000", "30", "01/01/1941", A, S) << true << true << "20%"
        << "€ 20.000,00";
    QTest::newRow("5 years at 85: below, the fixed term stays")
        << FixedTerm("100000", "5", "01/01/1941", A, S) << true << false << "11,61%"
        << "€ 11.610,00";
    QTest::newRow("at it, to the cent: the fixed term stays")
        << FixedTerm("0,05", "20", "01/01/1955", A, S) << true << false << "38,97%"
        << "€ 0,02";
    QTest::newRow("registration tax: no limit")
        << FixedTerm("100000", "30", "01/01/1941", A, Imposta::Registro) << false << false
        << "52,33%"
        << "€ 52.330,00";
    QTest::newRow("2016 table, 85: below")
        << FixedTerm("100000", "30", "01/01/1941", T, S) << true << false << "5,82%"
        << "€ 5.820,00";
    // From 100 the tables give the lifetime right no value, so they set no limit.
    QTest::newRow("2016 table, past 100: no lifetime value, no limit")
        << FixedTerm("100000", "30", "01/01/1920", T, S) << true << false << "5,82%"
        << "€ 5.820,00";
    QTest::newRow("at the date, past 100: no limit")
        << FixedTerm("100000", "18", "09/12/1926", A, S) << true << false << "35,88%"
        << "€ 35.880,00";
    // The shares decide: 35 % is below 35,88 % though both give € 0,09.
    QTest::newRow("shares, not cents: 0,26 for 18 years at 74")
        << FixedTerm("0,26", "18", "01/12/1949", A, S, "08/09/2024") << true << true << "35%"
        << "€ 0,09";
    QTest::newRow("shares, not cents: 0,01 for 18 years at 74")
        << FixedTerm("0,01", "18", "01/12/1949", A, S, "08/09/2024") << true << true << "35%"
        << "€ 0,00";
  }
  void theFixedTermsLimit() {
    QFETCH(DatiValutazione, dati);
    QFETCH(bool, limited);
    QFETCH(bool, applied);
    const RecordValutazione r = Valued(dati);
    QCOMPARE(r.limite.has_value(), limited);
    if (limited) {
      QTEST(r.limite->applicato, "applied");
      QVERIFY(!r.normaLimite.isEmpty());
    }
    QTEST(r.percUsufrutto, "share");
    QTEST(r.UsufruttoTesto(), "usufruct");
    QCOMPARE(applied, limited && r.limite->applicato);
  }

  // The next birthday that brings another band within 60 days, and no other.
  void theNextChangeOfBand_data() {
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QDate>("day");  // invalid: nothing said
    QTest::addColumn<QString>("share");
    const QDate birthday(2026, 8, 31);
    QTest::newRow("on the birthday: already said") << "31/08/1953"
                                                   << "31/08/2026" << QDate() << "";
    QTest::newRow("the day before") << "31/08/1953"
                                    << "30/08/2026" << birthday << "35%";
    QTest::newRow("60 days before") << "31/08/1953"
                                    << "02/07/2026" << birthday << "35%";
    QTest::newRow("61 days before") << "31/08/1953"
                                    << "01/07/2026" << QDate() << "";
    QTest::newRow("a birthday within the band") << "31/08/1954"
                                                << "30/08/2026" << QDate() << "";
    // Across the year's end, at the coefficients of the reference date's
    // year, said to be provisional.
    QTest::newRow("in a year the data do not cover: 73 in January")
        << "10/01/1954"
        << "15/12/2026" << QDate(2027, 1, 10) << "35%";
    QTest::newRow("61 on 15/01/2027") << "15/01/1966"
                                      << "16/12/2026" << QDate(2027, 1, 15) << "55%";
    QTest::newRow("the youngest of two counts") << "01/01/1930+31/08/1953"
                                                << "30/08/2026" << birthday << "35%";
    QTest::newRow("from 2025 into 2026: both years known")
        << "15/01/1965"
        << "16/12/2025" << QDate(2026, 1, 15) << "55%";
  }
  void theNextChangeOfBand() {
    QFETCH(QString, birth);
    QFETCH(QString, reference);
    QFETCH(QDate, day);
    const RecordValutazione r = Valued(Lifetime(birth, reference, true));
    QCOMPARE(r.prossimaFascia.has_value(), day.isValid());
    if (!r.prossimaFascia) return;
    QCOMPARE(r.prossimaFascia->data, day);
    QTEST(r.prossimaFascia->percUsufrutto, "share");
    QCOMPARE(r.prossimaFascia->anni, r.etaAnni + 1);
    // Only a year the data do not cover is provisional, on the reference
    // date's coefficients, made at the floor.
    const bool unknown = day.year() > 2026;
    QCOMPARE(r.prossimaFascia->provvisoria, unknown);
    QCOMPARE(r.prossimaFascia->annoCoefficienti, unknown ? 2026 : day.year());
    QCOMPARE(r.prossimaFascia->coefficientiAlMinimo, true);
  }

  // A birthday in a year an office's file covers takes that year's
  // coefficients, and the record names every file they came from.
  void theNextBandNamesTheFilesItRestsOn() {
    const QByteArray rates =
        DataHeader(DataForm::LegalRates).toUtf8() +
        "\n2027-01-01\t2027-12-31\t3\tDM 10/12/2026 (GU 290, 15/12/2026)\tprova\n";
    const QByteArray coefficients = DataHeader(DataForm::LifetimeCoefficients).toUtf8() +
                                    "\n2027\t3\tDM 20/12/2026 (GU 300, 30/12/2026)\t"
                                    "31 30 28 26 24 22 20 18 16 14 12 10 8 6 4 3 2 1\tprova\n";
    const std::vector<AddedFile> files{{QStringLiteral("/d/2027-saggi.tsv"), rates},
                                       {QStringLiteral("/d/2027-coefficienti.tsv"), coefficients}};
    const RecordValutazione r = Valued(Lifetime("15/01/1966", "16/12/2026"), *test::LawWith(files));
    QVERIFY(r.prossimaFascia.has_value());
    QCOMPARE(r.prossimaFascia->percUsufrutto, QStringLiteral("48%"));  // 16 x 3 %
    QVERIFY(!r.prossimaFascia->provvisoria);
    QCOMPARE(r.datiAggiunti, QStringList({"/d/2027-saggi.tsv", "/d/2027-coefficienti.tsv"}));
    // The figures of the day itself still rest on the built-in 2026 data.
    QCOMPARE(r.percUsufrutto, QStringLiteral("60%"));
  }
};

QTEST_APPLESS_MAIN(TestRightsAndLives)
#include "tst_rights_and_lives.moc"
