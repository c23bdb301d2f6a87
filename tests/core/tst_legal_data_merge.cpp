#include <QtTest>
#include <variant>

#include "core/law/legal_data_in_use.h"
#include "core/law/legal_data_merge.h"
#include "core/valuation/rates_by_date.h"
#include "core/valuation/valuation_record.h"

using namespace velmora;

namespace {

const QByteArray kRates = "from\tto\trate_percent\tset_by\tsource\n";
const QByteArray kCoefficients =
    "year\trate_used_percent\tdecree\tcoefficients (bands 0-20, 21-30, 31-40, 41-45, 46-50, "
    "51-53, 54-56, 57-60, 61-63, 64-66, 67-69, 70-72, 73-75, 76-78, 79-82, 83-86, 87-92, "
    "93-99)\tsource\n";
const QByteArray kFloors = "from\tto\tfloor_percent\tstatute\tsource\n";
const QByteArray kStatutes = "from\tto\tsubject\tcitation\tsource\n";
const QByteArray kAt25 = "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4";

// A legal rate below the floor, from a decree made up for these tests.
const QByteArray k2027 =
    "2027-01-01\t2027-12-31\t1.2\tDM 10/12/2026 (decreto inventato per la prova)\tprova\n";
const QByteArray k2028 = "2028-01-01\t2028-12-31\t3\tDM 10/12/2027 (inventato)\tprova\n";
const QByteArray k2029 = "2029-01-01\t2029-12-31\t3\tDM 10/12/2028 (inventato)\tprova\n";
const QByteArray kBuiltIn2026 =
    "2026-01-01\t2026-12-31\t1.6\tDM 10/12/2025 (GU 289, 13/12/2025)\tfaibrescia.it\n";
const QByteArray kCoefficients2027 =
    "2027\t2.5 (floor; legal rate 1.2)\tDM 22/12/2026 (inventato)\t" + kAt25 + "\tprova\n";

std::vector<AddedFile> Files(const QStringList& names, const QByteArrayList& contents) {
  std::vector<AddedFile> files;
  for (qsizetype i = 0; i < names.size(); ++i)
    files.push_back({QStringLiteral("/d/") + names[i], contents[i]});
  return files;
}

MergedLegalData Merge(const QByteArray& content) {
  return MergeLegalData(BuiltInLegalData(), Files({QStringLiteral("2027.tsv")}, {content}));
}

// "file:line: reason" of each problem or redundant row.
QStringList Lines(const std::vector<DataProblem>& problems) {
  QStringList out;
  for (const DataProblem& p : problems)
    out << QStringLiteral("%1:%2: %3").arg(p.file.section(u'/', -1)).arg(p.line).arg(p.reason);
  return out;
}

DatiValutazione FixedTerm(const char* day) {
  DatiValutazione dati;
  dati.tipo = TipoValutazione::TempoDeterminato;
  dati.saggio = Saggio::AllaData;
  dati.valore = QStringLiteral("100000");
  dati.anni = QStringLiteral("10");
  dati.riferimento = QString::fromLatin1(day);
  return dati;
}

}  // namespace

// The office's files added to the built-in data: only ever extending them.
class TestLegalDataMerge : public QObject {
  Q_OBJECT

 private slots:

  void outcome_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArrayList>("contents");
    QTest::addColumn<QStringList>("used");
    // "file:line: a word of the reason"
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QStringList>("redundant");
    const QStringList none;
    QTest::newRow("a year added") << QStringList{"a.tsv"} << QByteArrayList{kRates + k2027}
                                  << QStringList{"a.tsv"} << none << none;
    QTest::newRow("a bad row: nothing of the file")
        << QStringList{"a.tsv"}
        << QByteArrayList{kRates + k2027 + "2028-01-01\t2028-12-31\t1,1\tD\t\n"} << none
        << QStringList{"a.tsv:3: colonna rate_percent"} << none;
    QTest::newRow("the 2026 rate changed")
        << QStringList{"a.tsv"}
        << QByteArrayList{kRates + "2026-01-01\t2026-12-31\t1.5\tDM 10/12/2025\t\n" + k2027}
        << none
        << QStringList{"a.tsv:2: il saggio legale dal 01/01/2026 al 31/12/2026 cambierebbe quello "
                       "dei dati incorporati dal 01/01/2026 al 31/12/2026 (D.M. 10/12/2025 (G.U. "
                       "n. 289 del 13/12/2025)): vale quello incorporato"}
        << none;
    QTest::newRow("before the first day")
        << QStringList{"a.tsv"} << QByteArrayList{kRates + "1980-01-01\t1980-12-31\t5\tL.\t\n"}
        << none << QStringList{"a.tsv:2: il saggio legale dal 01/01/1980"} << none;
    QTest::newRow("the 2026 row again, and 2027")
        << QStringList{"a.tsv"} << QByteArrayList{kRates + kBuiltIn2026 + k2027}
        << QStringList{"a.tsv"} << none
        << QStringList{
               "a.tsv:2: ripetuto: la versione incorporata contiene già il saggio legale "
               "dal 01/01/2026 al 31/12/2026, D.M. 10/12/2025 (G.U. n. 289 del "
               "13/12/2025): la riga non serve più"};
    QTest::newRow("the 2026 row alone")
        << QStringList{"a.tsv"} << QByteArrayList{kRates + kBuiltIn2026} << none << none
        << QStringList{"a.tsv:2: ripetuto: la versione incorporata contiene già "};
    QTest::newRow("a gap after 2026")
        << QStringList{"a.tsv"} << QByteArrayList{kRates + k2028} << none
        << QStringList{"a.tsv:2: il saggio legale dal 01/01/2028 non segue l'ultimo periodo noto, "
                       "che finisce il 31/12/2026: mancano i giorni dal 01/01/2027 al 31/12/2027"}
        << none;
    QTest::newRow("files read out of order")
        << QStringList{"a.tsv", "b.tsv"} << QByteArrayList{kRates + k2028, kRates + k2027}
        << QStringList{"a.tsv", "b.tsv"} << none << none;
    QTest::newRow("a file refused leaves the next after a gap")
        << QStringList{"a.tsv", "b.tsv"} << QByteArrayList{kRates + k2028, kRates + k2029} << none
        << QStringList{"a.tsv:2: il saggio legale dal 01/01/2028 non segue",
                       "b.tsv:2: il saggio legale dal 01/01/2029 non segue"}
        << none;
    QTest::newRow("two files disagree: the later is refused")
        << QStringList{"a.tsv", "b.tsv"}
        << QByteArrayList{kRates + k2027,
                          kRates + "2027-01-01\t2027-12-31\t1.3\tDM 10/12/2026 (altro)\t\n"}
        << QStringList{"a.tsv"}
        << QStringList{"b.tsv:2: non concorda con la riga 2 di /d/a.tsv, letto prima"} << none;
    QTest::newRow("two files agree")
        << QStringList{"a.tsv", "b.tsv"} << QByteArrayList{kRates + k2027, kRates + k2027}
        << QStringList{"a.tsv"} << none << QStringList{"b.tsv:2: ripete la riga 2 di /d/a.tsv"};
    QTest::newRow("coefficients of 2027")
        << QStringList{"a.tsv"} << QByteArrayList{kCoefficients + kCoefficients2027}
        << QStringList{"a.tsv"} << none << none;
    QTest::newRow("coefficients of 2026 changed")
        << QStringList{"a.tsv"}
        << QByteArrayList{kCoefficients + "2026\t2.5\tDM 24/12/2025\t" + kAt25 + "\t\n"} << none
        << QStringList{"a.tsv:2: i coefficienti del 2026 cambierebbero quelli dei dati "
                       "incorporati, che coprono gli anni fino al 2026"}
        << none;
    QTest::newRow("coefficients of 2013, which has 2012's")
        << QStringList{"a.tsv"}
        << QByteArrayList{kCoefficients + "2013\t2.5\tDM\t" + kAt25 + "\t\n"} << none
        << QStringList{"a.tsv:2: i coefficienti del 2013 cambierebbero"} << none;
    QTest::newRow("coefficients after a gap")
        << QStringList{"a.tsv"} << QByteArrayList{kCoefficients + "2028\t2.5\tDM\t" + kAt25 + "\t\n"}
        << none
        << QStringList{"a.tsv:2: i coefficienti del 2028 non seguono quelli dell'ultimo anno noto, "
                       "il 2026"}
        << none;
    QTest::newRow("a floor before the built-in rates end")
        << QStringList{"a.tsv"} << QByteArrayList{kFloors + "2026-06-01\t\t3\tart. 1\t\n"} << none
        << QStringList{"a.tsv:2: un periodo per il saggio minimo può cominciare solo dopo il "
                       "31/12/2026"}
        << none;
    QTest::newRow("the built-in floor again")
        << QStringList{"a.tsv"}
        << QByteArrayList{kFloors +
                          "2025-01-01\t\t2.5\tart. 46, comma 5-ter, D.P.R. 131/1986, introdotto "
                          "dal D.Lgs. 139/2024\t\n"}
        << none << none
        << QStringList{
               "a.tsv:2: ripetuto: la versione incorporata contiene già il saggio minimo "
               "dal 01/01/2025: la riga non serve più"};
    QTest::newRow("added floors with a gap between them")
        << QStringList{"a.tsv", "b.tsv"}
        << QByteArrayList{kFloors + "2027-01-01\t2027-06-30\t3\tart. 1\t\n",
                          kFloors + "2027-08-01\t\t2\tart. 2\t\n"}
        << QStringList{"a.tsv"}
        << QStringList{"b.tsv:2: il periodo dal 01/08/2027 non segue il precedente, che finisce il "
                       "30/06/2027"}
        << none;
    QTest::newRow("a statute too early")
        << QStringList{"a.tsv"} << QByteArrayList{kStatutes + "2026-12-31\t\tbase_registro\tx\t\n"}
        << none
        << QStringList{"a.tsv:2: un periodo per la norma citata (base_registro) può cominciare"}
        << none;
    // Coefficients are tied to the rate applied in their year.
    const QByteArray at12 = "79 75 70 66 62 58 54 50 45 41 37 33 29 25 20 16 12 8";
    const QByteArray at3 = "31 30 29 28 27 26 25 24 23 22 21 20 19 18 17 16 15 14";
    QTest::newRow("coefficients made at a legal rate under the floor")
        << QStringList{"a.tsv", "b.tsv"}
        << QByteArrayList{kRates + k2027, kCoefficients + "2027\t1.2\tDM 22/12/2026\t" + at12 +
                                              "\t\n"}
        << QStringList{"a.tsv"}
        << QStringList{"b.tsv:2: i coefficienti del 2027 sono fatti al saggio 1,2%, ma nel 2027 "
                       "si applica il saggio 2,5% (saggio minimo; saggio legale 1,2%)"}
        << none;
    QTest::newRow("coefficients naming another legal rate under the floor")
        << QStringList{"b.tsv", "a.tsv"}
        << QByteArrayList{kCoefficients + "2027\t2.5 (floor; legal rate 1.6)\tDM 22/12/2026\t" +
                              kAt25 + "\t\n",
                          kRates + k2027}
        << QStringList{"a.tsv"}
        << QStringList{"b.tsv:2: i coefficienti del 2027 sono fatti al saggio 2,5% (saggio "
                       "minimo; saggio legale 1,6%), ma nel 2027 si applica il saggio 2,5% "
                       "(saggio minimo; saggio legale 1,2%)"}
        << none;
    QTest::newRow("floored coefficients in a year above the floor")
        << QStringList{"a.tsv", "b.tsv"}
        << QByteArrayList{kRates + "2027-01-01\t2027-12-31\t3\tDM 10/12/2026\t\n",
                          kCoefficients + kCoefficients2027}
        << QStringList{"a.tsv"}
        << QStringList{"b.tsv:2: i coefficienti del 2027 sono fatti al saggio 2,5% (saggio "
                       "minimo; saggio legale 1,2%), ma nel 2027 si applica il saggio 3%"}
        << none;
    QTest::newRow("coefficients at a legal rate above the floor")
        << QStringList{"a.tsv", "b.tsv"}
        << QByteArrayList{kRates + "2027-01-01\t2027-12-31\t3\tDM 10/12/2026\t\n",
                          kCoefficients + "2027\t3\tDM 22/12/2026\t" + at3 + "\t\n"}
        << QStringList{"a.tsv", "b.tsv"} << none << none;
    QTest::newRow("an office's floor below the legal rate: the legal rate applies")
        << QStringList{"a.tsv", "b.tsv", "c.tsv"}
        << QByteArrayList{kRates + k2027, kFloors + "2027-01-01\t\t1\tart. 9 (inventato)\t\n",
                          kCoefficients + "2027\t1.2\tDM 22/12/2026\t" + at12 + "\t\n"}
        << QStringList{"a.tsv", "b.tsv", "c.tsv"} << none << none;
    QTest::newRow("the second year off the rate refuses its file only")
        << QStringList{"a.tsv", "b.tsv", "c.tsv", "d.tsv"}
        << QByteArrayList{kRates + k2027 + k2028, kCoefficients + kCoefficients2027,
                          kCoefficients + "2028\t2.5\tDM 22/12/2027\t" + kAt25 + "\t\n",
                          kCoefficients + "2028\t3\tDM 22/12/2027\t" + at3 + "\t\n"}
        << QStringList{"a.tsv", "b.tsv", "d.tsv"}
        << QStringList{"c.tsv:2: i coefficienti del 2028 sono fatti al saggio 2,5%, ma nel 2028 "
                       "si applica il saggio 3%"}
        << none;
    // Only files in use make another's rows redundant or disagree with it.
    QTest::newRow("a refused file makes no row of a good one redundant")
        << QStringList{"a-coeff.tsv", "b-coeff.tsv"}
        << QByteArrayList{kCoefficients + kCoefficients2027 + "2029\t2.5\tDM\t" + kAt25 + "\t\n",
                          kCoefficients + kCoefficients2027}
        << QStringList{"b-coeff.tsv"}
        << QStringList{"a-coeff.tsv:3: i coefficienti del 2029 non seguono quelli dell'ultimo "
                       "anno noto, il 2027"}
        << none;
    QTest::newRow("a refused file makes a good one disagree with nothing")
        << QStringList{"a.tsv", "b.tsv"}
        << QByteArrayList{kCoefficients + kCoefficients2027 + "2029\t2.5\tDM\t" + kAt25 + "\t\n",
                          kCoefficients + "2027\t2.5 (floor; legal rate 1.2)\tDM 23/12/2026\t" +
                              kAt25 + "\t\n"}
        << QStringList{"b.tsv"} << QStringList{"a.tsv:3: i coefficienti del 2029 non seguono"}
        << none;
    QTest::newRow("a file refused for its rate frees a repeat of its year")
        << QStringList{"a.tsv", "b.tsv", "c.tsv"}
        << QByteArrayList{kRates + k2027,
                          kCoefficients + "2027\t1.2\tDM 22/12/2026\t" + at12 + "\t\n",
                          kCoefficients + kCoefficients2027}
        << QStringList{"a.tsv", "c.tsv"}
        << QStringList{"b.tsv:2: i coefficienti del 2027 sono fatti al saggio 1,2%"} << none;
  }
  void outcome() {
    QFETCH(QStringList, names);
    QFETCH(QByteArrayList, contents);
    QFETCH(QStringList, used);
    QFETCH(QStringList, problems);
    QFETCH(QStringList, redundant);
    const MergedLegalData merged = MergeLegalData(BuiltInLegalData(), Files(names, contents));
    QStringList usedNames;
    for (const QString& file : merged.files) usedNames << file.section(u'/', -1);
    QCOMPARE(usedNames, used);
    const QStringList found = Lines(merged.problems);
    QCOMPARE(found.size(), problems.size());
    for (qsizetype i = 0; i < problems.size(); ++i)
      QVERIFY2(found[i].startsWith(problems[i]), qPrintable(found[i]));
    const QStringList notes = Lines(merged.redundant);
    QCOMPARE(notes.size(), redundant.size());
    for (qsizetype i = 0; i < redundant.size(); ++i)
      QVERIFY2(notes[i].startsWith(redundant[i]), qPrintable(notes[i]));
    // The built-in rows hold whatever was added, and the periods follow one another.
    QCOMPARE(merged.builtInUntil, QDate(2026, 12, 31));
    const std::vector<LegalRatePeriod>& rates = merged.data.rates;
    const auto of2026 = std::find_if(rates.begin(), rates.end(), [](const LegalRatePeriod& p) {
      return p.from == QDate(2026, 1, 1);
    });
    QCOMPARE(of2026->rateHundredths, 160);
    QVERIFY(of2026->origin.BuiltIn());
    for (std::size_t i = 1; i < rates.size(); ++i)
      QCOMPARE(rates[i].from, rates[i - 1].to.addDays(1));
  }

  // 2027 at a legal rate below the floor, with the coefficients of 2027.
  void aYearAddedValuesAtTheFloor() {
    std::vector<AddedFile> files = Files({"2027-saggio.tsv", "2027-coefficienti.tsv"},
                                         {kRates + k2027, kCoefficients + kCoefficients2027});
    const MergedLegalData merged = MergeLegalData(BuiltInLegalData(), files);
    QVERIFY(merged.problems.empty());
    const DatiLegali law(merged);

    const std::optional<RateInForce> rate = RateOn(law, QDate(2027, 1, 15));
    QVERIFY(rate);
    QCOMPARE(rate->hundredths, 250);
    QCOMPARE(rate->legalHundredths, 120);
    QCOMPARE(rate->floorHundredths, 250);
    QCOMPARE(rate->setBy, QStringLiteral("D.M. 10/12/2026 (decreto inventato per la prova)"));
    QCOMPARE(rate->rateOrigin.file, QStringLiteral("/d/2027-saggio.tsv"));
    QCOMPARE(rate->rateOrigin.line, 2);
    QVERIFY(rate->floorOrigin.BuiltIn());
    QCOMPARE(law.LastDayWithRate(), QDate(2027, 12, 31));
    QCOMPARE(law.LastYearWithCoefficients(), 2027);
    QCOMPARE(law.CoefficientsFor(2027)->origin.file, QStringLiteral("/d/2027-coefficienti.tsv"));
    QCOMPARE(LifetimeDecreeFor(law, 2027), QStringLiteral("D.M. 22/12/2026 (inventato)"));
    QCOMPARE(LifetimeTableFor(law, 2027)->RigaPerEta(80)->percUsufrutto, QStringLiteral("25%"));

    const auto record = Valuta(FixedTerm("15/01/2027"), law);
    QVERIFY(std::holds_alternative<RecordValutazione>(record));
    QCOMPARE(std::get<RecordValutazione>(record).percUsufrutto, QStringLiteral("21,88%"));
    QCOMPARE(std::get<RecordValutazione>(record).saggioLegaleCentesimi, 120);
    QVERIFY(!RateOn(law, QDate(2028, 1, 1)));
  }

  void aChangeOf2026LeavesTheBuiltInRate() {
    const DatiLegali law(Merge(kRates + "2026-01-01\t2026-12-31\t1.5\tDM 10/12/2025\t\n"));
    const std::optional<RateInForce> rate = RateOn(law, QDate(2026, 6, 1));
    QCOMPARE(rate->hundredths, 250);
    QCOMPARE(rate->legalHundredths, 160);
    QCOMPARE(rate->setBy, QStringLiteral("D.M. 10/12/2025 (G.U. n. 289 del 13/12/2025)"));
    QVERIFY(rate->rateOrigin.BuiltIn());
    const auto record = Valuta(FixedTerm("01/06/2026"), law);
    QCOMPARE(std::get<RecordValutazione>(record).percUsufrutto, QStringLiteral("21,88%"));
    QVERIFY(!RateOn(law, QDate(2027, 1, 1)));
  }

  // The release's rows for the consolidated code hold until an office has the
  // exact article: its row takes their place from its day, subject by subject.
  void anOfficeReplacesTheCodesRows_data() {
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("registro");  // the basis cited under each tax that day
    QTest::addColumn<QString>("successioni");
    const QString codeRegistro = QStringLiteral("gli artt. 46 e 48 del D.P.R. 131/1986");
    const QString codeSuccessioni =
        QStringLiteral("l'art. 14, comma 1, lettera c), del D.Lgs. 346/1990");
    const QByteArray fromJanuary = "2027-01-01\t\tbase_registro\tart. 10 (inventato)\t\n";
    QTest::newRow("from the first day")
        << fromJanuary << QDate(2027, 1, 1) << "art. 10 (inventato)" << codeSuccessioni;
    const QByteArray fromJuly = "2027-07-01\t\tbase_successioni\tart. 11 (inventato)\t\n";
    QTest::newRow("later: the code's row before it")
        << fromJuly << QDate(2027, 6, 30) << codeRegistro << codeSuccessioni;
    QTest::newRow("later: the office's from its day")
        << fromJuly << QDate(2028, 2, 1) << codeRegistro << "art. 11 (inventato)";
    QTest::newRow("a period with its last day")
        << QByteArray("2027-01-01\t2027-03-31\tbase_registro\tart. 12 (inventato)\t\n")
        << QDate(2027, 3, 31) << "art. 12 (inventato)" << codeSuccessioni;
  }
  void anOfficeReplacesTheCodesRows() {
    QFETCH(QByteArray, rows);
    QFETCH(QDate, day);
    QFETCH(QString, registro);
    QFETCH(QString, successioni);
    const MergedLegalData merged = Merge(kStatutes + rows);
    QVERIFY(merged.problems.empty());
    const DatiLegali law(merged);
    QVERIFY(law.StatuteOn(kSubjectBaseRegistro, day)->citation.endsWith(registro));
    QVERIFY(law.StatuteOn(kSubjectBaseSuccessioni, day)->citation.endsWith(successioni));
    QVERIFY(law.StatuteOn(kSubjectPiuViteRegistro, day)->origin.BuiltIn());
  }

  // A new floor and a new statute end the built-in ones the day before.
  void aNewFloorAndStatuteEndTheBuiltInOnes() {
    const MergedLegalData merged =
        MergeLegalData(BuiltInLegalData(),
                       Files({"a.tsv", "b.tsv", "c.tsv"},
                             {kRates + k2027, kFloors + "2027-01-01\t\t3\tart. 9 (inventato)\t\n",
                              kStatutes + "2027-01-01\t\tbase_registro\tart. 10 (inventato)\t\n"}));
    QVERIFY(merged.problems.empty());
    QCOMPARE(merged.data.floors.front().to, QDate(2026, 12, 31));
    QCOMPARE(merged.data.statutes.front().to, QDate(2026, 12, 31));
    const DatiLegali law(merged);
    const std::optional<RateInForce> rate = RateOn(law, QDate(2027, 3, 1));
    QCOMPARE(rate->hundredths, 300);
    QCOMPARE(rate->floorStatute, QStringLiteral("art. 9 (inventato)"));
    QCOMPARE(rate->floorOrigin.file, QStringLiteral("/d/b.tsv"));
    QCOMPARE(RateOn(law, QDate(2026, 12, 31))->hundredths, 250);
    QCOMPARE(law.StatuteOn(kSubjectBaseRegistro, QDate(2027, 3, 1))->citation,
             QStringLiteral("art. 10 (inventato)"));
    QVERIFY(law.StatuteOn(kSubjectBaseRegistro, QDate(2026, 12, 31))->origin.BuiltIn());
  }
};

QTEST_GUILESS_MAIN(TestLegalDataMerge)
#include "tst_legal_data_merge.moc"
