#include <QRandomGenerator>
#include <QtTest>

#include "core/law/legal_data_file.h"

using namespace velmora;

namespace {

// The headers of the forms as the files of this release write them: a file an
// office writes today must be read by every later release.
const QByteArray kRates = "from\tto\trate_percent\tset_by\tsource\n";
const QByteArray kCoefficients =
    "year\trate_used_percent\tdecree\tcoefficients (bands 0-20, 21-30, 31-40, 41-45, 46-50, "
    "51-53, 54-56, 57-60, 61-63, 64-66, 67-69, 70-72, 73-75, 76-78, 79-82, 83-86, 87-92, "
    "93-99)\tsource\n";
const QByteArray kFloors = "from\tto\tfloor_percent\tstatute\tsource\n";
const QByteArray kStatutes = "from\tto\tsubject\tcitation\tsource\n";
const QByteArray kAt25 = "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4";

// The rows read, one text each, with their lines.
QString Summary(const LegalData& d) {
  QStringList out;
  const auto day = [](const QDate& date) { return date.toString(Qt::ISODate); };
  for (const LegalRatePeriod& p : d.rates) {
    out << QStringLiteral("rate %1..%2 %3 %4 @%5")
               .arg(day(p.from), day(p.to))
               .arg(p.rateHundredths)
               .arg(p.setBy)
               .arg(p.origin.line);
  }
  for (const LifetimeCoefficients& c : d.coefficients) {
    out << QStringLiteral("coefficients %1 %2/%3 %4 %5..%6 @%7")
               .arg(c.year)
               .arg(c.rateHundredths)
               .arg(c.legalRateHundredths)
               .arg(c.decree)
               .arg(c.coefficientHundredths.front())
               .arg(c.coefficientHundredths.back())
               .arg(c.origin.line);
  }
  for (const RateFloor& f : d.floors) {
    out << QStringLiteral("floor %1..%2 %3 %4 @%5")
               .arg(day(f.from), day(f.to))
               .arg(f.floorHundredths)
               .arg(f.statute)
               .arg(f.origin.line);
  }
  for (const StatutePeriod& s : d.statutes) {
    out << QStringLiteral("statute %1..%2 %3 %4 @%5")
               .arg(day(s.from), day(s.to), s.subject, s.citation)
               .arg(s.origin.line);
  }
  return out.join(QStringLiteral(" | "));
}

}  // namespace

// One data file, read whole or not at all.
class TestLegalDataFile : public QObject {
  Q_OBJECT

 private slots:
  void headersAreThoseOfTheFormsOfToday() {
    QCOMPARE(DataHeader(DataForm::LegalRates) + u'\n', QString::fromUtf8(kRates));
    QCOMPARE(DataHeader(DataForm::LifetimeCoefficients) + u'\n', QString::fromUtf8(kCoefficients));
    QCOMPARE(DataHeader(DataForm::RateFloors) + u'\n', QString::fromUtf8(kFloors));
    QCOMPARE(DataHeader(DataForm::Statutes) + u'\n', QString::fromUtf8(kStatutes));
  }

  void goodFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("rows");
    QTest::newRow("legal rates")
        << "# a note\n" + kRates +
               "2027-01-01\t2027-12-31\t1.2\tDM 10/12/2026 (GU 290, 14/12/2026)\tgu.it\n"
               "2028-01-01\t2028-12-31\t0.05\tDM 11/12/2027\t\n"
        << int(DataForm::LegalRates)
        << "rate 2027-01-01..2027-12-31 120 D.M. 10/12/2026 (G.U. n. 290 del 14/12/2026) @3 | "
           "rate 2028-01-01..2028-12-31 5 D.M. 11/12/2027 @4";
    QTest::newRow("coefficients at the floor")
        << kCoefficients + "2027\t2.5 (floor; legal rate 1.2)\tDM 22/12/2026\t" + kAt25 + "\tx\n"
        << int(DataForm::LifetimeCoefficients)
        << "coefficients 2027 250/120 D.M. 22/12/2026 3800..400 @2";
    QTest::newRow("coefficients with decimals")
        << kCoefficients +
               "2018\t0.3\tDM 20/12/2017\t317.50 300 282.50 265 247.50 230 212.50 195 177.50 160 "
               "142.50 125 107.50 90 72.50 55 37.50 20\t\n"
        << int(DataForm::LifetimeCoefficients)
        << "coefficients 2018 30/30 D.M. 20/12/2017 31750..2000 @2";
    QTest::newRow("floors, the last open")
        << kFloors + "2027-01-01\t2027-12-31\t2.5\tart. 1\ts\n2028-01-01\t\t3\tart. 2\ts\n"
        << int(DataForm::RateFloors)
        << "floor 2027-01-01..2027-12-31 250 art. 1 @2 | floor 2028-01-01.. 300 art. 2 @3";
    QTest::newRow("an open period ends where the next begins")
        << kFloors + "2028-01-01\t\t3\tart. 2\ts\n2027-01-01\t\t2.5\tart. 1\ts\n"
        << int(DataForm::RateFloors)
        << "floor 2028-01-01.. 300 art. 2 @2 | floor 2027-01-01.. 250 art. 1 @3";
    QTest::newRow("statutes")
        << kStatutes + "2027-01-01\t\tbase_registro\t art. 10 del D.Lgs. 123/2025 \ts\n"
        << int(DataForm::Statutes)
        << "statute 2027-01-01.. base_registro art. 10 del D.Lgs. 123/2025 @2";
    QTest::newRow("several lives by the old name: the gift and succession tax's")
        << kStatutes + "2027-01-01\t\tpiu_vite\tart. 17 (nuovo)\ts\n"
        << int(DataForm::Statutes)
        << "statute 2027-01-01.. piu_vite_successioni art. 17 (nuovo) @2";
    QTest::newRow("the floor's article under each tax")
        << kStatutes +
               "2027-01-01\t\tminimo_registro\tart. A\ts\n"
               "2027-01-01\t\tminimo_successioni\tart. B\ts\n"
        << int(DataForm::Statutes)
        << "statute 2027-01-01.. minimo_registro art. A @2 | "
           "statute 2027-01-01.. minimo_successioni art. B @3";
    QTest::newRow("a citation of the longest length")
        << kStatutes + "2027-01-01\t\tbase_registro\t" + QByteArray(kLongestCitation, 'a') + "\ts\n"
        << int(DataForm::Statutes)
        << "statute 2027-01-01.. base_registro " + QString(kLongestCitation, u'a') + " @2";
    QTest::newRow("header alone") << kStatutes << int(DataForm::Statutes) << "";
    QTest::newRow("CR LF, a byte-order mark, blank lines")
        << "\xEF\xBB\xBF" + QByteArray(kRates).replace("\n", "\r\n") +
               "\r\n2027-01-01\t2027-12-31\t1.2\tDM 10/12/2026\ts\r\n\t\t\t\t\r\n"
        << int(DataForm::LegalRates) << "rate 2027-01-01..2027-12-31 120 D.M. 10/12/2026 @3";
  }
  void goodFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, form);
    QFETCH(QString, rows);
    const LegalDataFile file = ReadLegalDataFile(bytes, QStringLiteral("/x/2027.tsv"));
    for (const DataProblem& p : file.problems) qWarning("%d: %s", p.line, qPrintable(p.reason));
    QVERIFY(file.Good());
    QCOMPARE(int(*file.form), form);
    QCOMPARE(Summary(file.rows), rows);
  }

  // Each kind of bad line, with the line it is found on and a word of the reason.
  void badFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    const QByteArray rate = "2027-01-01\t2027-12-31\t1.2\tDM 10/12/2026\ts\n";
    const auto rates = [&](const QByteArray& row) { return "# 2027\n" + kRates + rate + row; };
    const auto coefficients = [](const QByteArray& rateUsed, const QByteArray& bands) {
      return kCoefficients + "2027\t" + rateUsed + "\tDM 22/12/2026\t" + bands + "\ts\n";
    };
    QTest::newRow("slashes in a date")
        << rates("2028/01/01\t2028-12-31\t1\tDM\ts\n") << 4 << "forma aaaa-mm-gg";
    QTest::newRow("day out of the calendar")
        << rates("2028-01-01\t2028-02-30\t1\tDM\ts\n") << 4 << "2028-02-30 non è un giorno";
    QTest::newRow("last day missing") << rates("2028-01-01\t\t1\tDM\ts\n") << 4 << "manca l'ultimo";
    QTest::newRow("to before from")
        << rates("2028-12-31\t2028-01-01\t1\tDM\ts\n") << 4 << "prima di cominciare";
    QTest::newRow("gap") << rates("2028-01-02\t2028-12-31\t1\tDM\ts\n") << 4
                         << "mancano i giorni dal 01/01/2028 al 01/01/2028";
    QTest::newRow("overlap") << rates("2027-12-31\t2028-12-31\t1\tDM\ts\n") << 4
                             << "si sovrappone a quello della riga 3";
    QTest::newRow("overlap found in the file's order")
        << "# 2027\n" + kRates + "2028-01-01\t2028-12-31\t1\tDM\ts\n" + rate +
               "2027-06-01\t2027-06-30\t1\tDM\ts\n"
        << 5 << "si sovrappone a quello della riga 4";
    QTest::newRow("rate 0") << rates("2028-01-01\t2028-12-31\t0\tDM\ts\n") << 4
                            << "non è maggiore di 0 e minore di 100";
    QTest::newRow("rate 100") << rates("2028-01-01\t2028-12-31\t100\tDM\ts\n") << 4
                              << "non è maggiore di 0 e minore di 100";
    QTest::newRow("three decimals")
        << rates("2028-01-01\t2028-12-31\t1.255\tDM\ts\n") << 4 << "più di due decimali";
    QTest::newRow("decimal comma")
        << rates("2028-01-01\t2028-12-31\t1,5\tDM\ts\n") << 4 << "punto decimale, come 1.5";
    QTest::newRow("percent sign") << rates("2028-01-01\t2028-12-31\t1.5%\tDM\ts\n") << 4
                                  << "non è un numero";
    QTest::newRow("empty decree") << rates("2028-01-01\t2028-12-31\t1\t \ts\n") << 4
                                  << "colonna set_by: è vuota";
    QTest::newRow("decree on no calendar day")
        << rates("2028-01-01\t2028-12-31\t1\tDM 31/11/2027\ts\n") << 4 << "data del decreto";
    QTest::newRow("four columns") << rates("2028-01-01\t2028-12-31\t1\tDM\n") << 4
                                  << "4 colonne invece di 5";
    QTest::newRow("blanks for tabs")
        << rates("2028-01-01 2028-12-31 1 DM s\n") << 4 << "1 colonne invece di 5";
    QTest::newRow("seventeen bands")
        << coefficients("2.5", "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6") << 2
        << "17 coefficienti invece dei 18";
    QTest::newRow("not falling with age")
        << coefficients("2.5", "38 36 34 32 30 28 26 24 22 20 18 16 14 14 10 8 6 4") << 2
        << "fascia 76-78 (14) non è minore di quello della fascia 73-75 (14)";
    QTest::newRow("over the whole value")
        << coefficients("2.5", "41 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4") << 2
        << "usufrutto del 102,5%";
    QTest::newRow("coefficient zero")
        << coefficients("2.5", "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 0") << 2
        << "fascia 93-99: deve essere maggiore di zero";
    QTest::newRow("legal rate above the floor")
        << coefficients("2.5 (floor; legal rate 3)", kAt25) << 2 << "non è inferiore";
    QTest::newRow("rate used in another form")
        << coefficients("2.5 floor", kAt25) << 2 << "non è un saggio (2.5)";
    QTest::newRow("two-digit year") << kCoefficients + "27\t2.5\tDM\t" + kAt25 + "\ts\n"
                                    << 2 << "quattro cifre";
    QTest::newRow("year twice") << kCoefficients + "2027\t2.5\tDM\t" + kAt25 +
                                       "\ts\n2027\t2.5\tDD\t" + kAt25 + "\ts\n"
                                << 3 << "già alla riga 2";
    QTest::newRow("empty statute") << kFloors + "2027-01-01\t\t2.5\t\ts\n"
                                   << 2 << "colonna statute: è vuota";
    QTest::newRow("floors overlap")
        << kFloors + "2027-01-01\t\t2.5\ta\ts\n2027-01-01\t2027-12-31\t3\tb\ts\n"
        << 3 << "si sovrappone";
    QTest::newRow("empty citation") << kStatutes + "2027-01-01\t\tbase_registro\t\ts\n"
                                    << 2 << "colonna citation: è vuota";
    QTest::newRow("citation one character too long")
        << kStatutes + "2027-01-01\t\tbase_registro\t" + QByteArray(kLongestCitation + 1, 'a') +
               "\ts\n"
        << 2 << "colonna citation: 401 caratteri, più dei 400";
    QTest::newRow("citation of 36 000 characters")
        << kStatutes + "2027-01-01\t\tbase_registro\t" + QByteArray(36000, 'x') + "\ts\n"
        << 2 << "colonna citation: 36000 caratteri";
    QTest::newRow("decree too long")
        << rates("2028-01-01\t2028-12-31\t1\tDM " + QByteArray(500, 'd') + "\ts\n") << 4
        << "colonna set_by: 503 caratteri";
    QTest::newRow("coefficients' decree too long")
        << coefficients("2.5", kAt25).replace("DM 22/12/2026", "DM " + QByteArray(420, 'd')) << 2
        << "colonna decree: 423 caratteri";
    QTest::newRow("floor's statute too long")
        << kFloors + "2027-01-01\t\t2.5\t" + QByteArray(401, 's') + "\ts\n"
        << 2 << "colonna statute: 401 caratteri";
    QTest::newRow("unknown subject")
        << kStatutes + "2027-01-01\t\tdonazioni\tart. 1\ts\n"
        << 2 << "«donazioni» non è una materia conosciuta (base_registro, base_successioni";
    QTest::newRow("unknown header")
        << QByteArray("# x\nda\ta\tsaggio\n") << 2 << "non riconosciuta";
    QTest::newRow("header of a form, changed")
        << QByteArray("from\tto\trate_percent\tdecree\tsource\n") << 1
        << "«from, to, rate_percent, set_by, source»";
    QTest::newRow("no header") << QByteArray("# only notes\n\n") << 0 << "manca la riga";
    QTest::newRow("not UTF-8") << rates("2028-01-01\t2028-12-31\t1\tDM \xE0\ts\n") << 4
                               << "non sono testo UTF-8";
    QTest::newRow("UTF-16") << QByteArray(
                                   "\xFF\xFE"
                                   "f\0r\0",
                                   6)
                            << 1 << "UTF-16";
    static const char nul[] = "2028-01-01\t2028-12-31\t1\tDM\0\ts\n";
    QTest::newRow("NUL") << rates(QByteArray(nul, sizeof nul - 1)) << 4 << "U+0000";
    QTest::newRow("old Mac line ends")
        << QByteArray(kRates).replace('\n', '\r') + QByteArray(rate).replace('\n', '\r') << 1
        << "U+000D";
    QTest::newRow("over a megabyte") << QByteArray(kLargestDataFile + 1, '#') << 0 << "supera";
  }
  void badFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, reason);
    const LegalDataFile file = ReadLegalDataFile(bytes, QStringLiteral("/x/y.tsv"));
    QVERIFY(!file.Good());
    QVERIFY2(file.rows.Empty(), qPrintable(Summary(file.rows)));
    const DataProblem& first = file.problems.front();
    QVERIFY2(first.reason.contains(reason), qPrintable(first.reason));
    QCOMPARE(first.line, line);
    QCOMPARE(first.file, QStringLiteral("/x/y.tsv"));
  }

  // Every bad line is listed, in line order, and no row of the file is kept.
  void everyBadLineIsListed() {
    const QByteArray bytes = kRates +
                             "2027-01-01\t2027-12-31\t1.2\tDM\ts\n"
                             "2028-01-01\t2028-12-31\t1,2\tDM\ts\n"
                             "2029-01-01\t2029-12-31\t1\t\ts\n"
                             "2030-01-01\t2030-13-31\t0\tDM\ts\n";
    const LegalDataFile file = ReadLegalDataFile(bytes, QStringLiteral("f.tsv"));
    QCOMPARE(file.problems.size(), std::size_t(4));
    QCOMPARE(file.problems[0].line, 3);
    QCOMPARE(file.problems[1].line, 4);
    QCOMPARE(file.problems[2].line, 5);
    QCOMPARE(file.problems[3].line, 5);
    QVERIFY(file.rows.Empty());
  }

  // A megabyte of anything: refused, with a bounded list of reasons.
  void garbageIsRefusedQuickly() {
    QRandomGenerator random(2027);
    QByteArray bytes(kLargestDataFile, Qt::Uninitialized);
    for (char& c : bytes) c = char(random.bounded(256));
    bytes.prepend(kRates);
    bytes.truncate(kLargestDataFile);
    const LegalDataFile file = ReadLegalDataFile(bytes, QStringLiteral("g.tsv"));
    QVERIFY(!file.Good());
    QVERIFY(file.rows.Empty());
    QCOMPARE(file.problems.size(), std::size_t(1));
  }

  // Bytes that are no text are said once, at the first line that has them:
  // junk is not a reason for every line.
  void notTextIsSaidOnce_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    QByteArray latin1Lines = kRates;
    for (int year = 2027; year < 2300; ++year)
      latin1Lines += QByteArray::number(year) + "-01-01\t" + QByteArray::number(year) +
                     "-12-31\t1\tD.M. \xE8 \xE0\ts\n";
    QTest::newRow("a file saved in Latin-1") << latin1Lines << 2 << "non sono testo UTF-8";
    QByteArray zeros = kRates + "2027-01-01\t2027-12-31\t1\tDM\ts\n";
    for (int i = 0; i < 5000; ++i) zeros += QByteArray(100, '\0') + '\n';
    QTest::newRow("a file of zeros after good lines") << zeros << 3 << "U+0000";
    QByteArray mixed = kRates + "2027-01-01\t2027-12-31\t1,2\tDM\ts\n";
    for (int i = 0; i < 300; ++i) mixed += "\xFF\xFE junk\n";
    QTest::newRow("a bad row, then junk") << mixed << 2 << "punto decimale";
  }
  void notTextIsSaidOnce() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, reason);
    const LegalDataFile file = ReadLegalDataFile(bytes, QStringLiteral("j.tsv"));
    QVERIFY(file.rows.Empty());
    QVERIFY2(file.problems.front().reason.contains(reason),
             qPrintable(file.problems.front().reason));
    QCOMPARE(file.problems.front().line, line);
    // At most the bad rows before the junk, and the junk once.
    QVERIFY(file.problems.size() <= 2);
    QVERIFY(file.problems.back().reason.contains(
        QStringLiteral("il resto del file non è stato letto")));
  }
};

QTEST_GUILESS_MAIN(TestLegalDataFile)
#include "tst_legal_data_file.moc"
