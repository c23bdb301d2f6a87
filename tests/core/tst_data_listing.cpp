#include <QtTest>

#include "core/documents/data_listing.h"
#include "core/law/legal_data_in_use.h"

using namespace velmora;

namespace {

const QByteArray kRates = "from\tto\trate_percent\tset_by\tsource\n";
const QByteArray kCoefficients =
    "year\trate_used_percent\tdecree\tcoefficients (bands 0-20, 21-30, 31-40, 41-45, 46-50, "
    "51-53, 54-56, 57-60, 61-63, 64-66, 67-69, 70-72, 73-75, 76-78, 79-82, 83-86, 87-92, "
    "93-99)\tsource\n";
// Decrees made up for these tests.
const QByteArray k2027 = kRates + "2027-01-01\t2027-12-31\t1.2\tDM 10/12/2026 (inventato)\tprova\n";
const QByteArray kCoefficients2027 =
    kCoefficients +
    "2027\t2.5 (floor; legal rate 1.2)\tDM 22/12/2026 (inventato)\t"
    "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4\tprova\n";
const QByteArray kBuiltIn2026 =
    kRates + "2026-01-01\t2026-12-31\t1.6\tDM 10/12/2025 (GU 289, 13/12/2025)\tfaibrescia.it\n";
const QByteArray kComma = kRates + "2027-01-01\t2027-12-31\t1,2\tDM 10/12/2026 (inventato)\t\n";

MergedLegalData Merge(const QStringList& names, const QByteArrayList& contents) {
  std::vector<AddedFile> files;
  for (qsizetype i = 0; i < names.size(); ++i)
    files.push_back({QStringLiteral("/d/") + names[i], contents[i]});
  return MergeLegalData(BuiltInLegalData(), files);
}

const QStringList kFolders{QStringLiteral("/d")};

}  // namespace

// What "velmora dati" and "velmora dati --verifica" print.
class TestDataListing : public QObject {
  Q_OBJECT

 private slots:
  void theListingSaysWhereEachRowCameFrom_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArrayList>("contents");
    QTest::addColumn<QStringList>("lines");  // each a whole line of the listing
    QTest::newRow("an office's 2027")
        << QStringList{"2027-coefficienti.tsv", "2027-saggio.tsv"}
        << QByteArrayList{kCoefficients2027, k2027}
        << QStringList{"  01/01/2027  31/12/2027  1,2%    aggiunti     D.M. 10/12/2026 (inventato)",
                       "              file /d/2027-saggio.tsv, riga 2",
                       "  2027  2,5% (saggio minimo; legale 1,2%)  aggiunti     D.M. 22/12/2026 "
                       "(inventato)",
                       "        38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4",
                       "        file /d/2027-coefficienti.tsv, riga 2"};
    QTest::newRow("a file refused and a row not needed")
        << QStringList{"a.tsv", "b.tsv"} << QByteArrayList{kComma, kBuiltIn2026}
        << QStringList{
               "  /d/a.tsv, riga 2: colonna rate_percent: «1,2» va scritto con il punto "
               "decimale, come 1.2",
               "  /d/b.tsv, riga 2: ripetuto: la versione incorporata contiene già il "
               "saggio legale dal 01/01/2026 al 31/12/2026, D.M. 10/12/2025 (G.U. n. 289 "
               "del 13/12/2025): la riga non serve più"};
  }
  void theListingSaysWhereEachRowCameFrom() {
    QFETCH(QStringList, names);
    QFETCH(QByteArrayList, contents);
    QFETCH(QStringList, lines);
    const QStringList listing = DataListing(Merge(names, contents), kFolders).split(u'\n');
    for (const QString& line : lines) QVERIFY2(listing.contains(line), qPrintable(line));
    // A file that is not used adds no row.
    QVERIFY(!listing.contains("              file /d/a.tsv, riga 2"));
  }

  // A file that would be used but needs no copying: what is said beside its rows.
  void theCheckSaysWhatAFileWouldDo_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("said");
    QTest::newRow("already in the folder, named .txt")
        << k2027 << "/d/2027.txt"
        << "Nota: nelle cartelle dei file aggiunti si leggono solo i file il cui nome finisce in "
           ".tsv.";
    QTest::newRow("a row the program has")
        << kBuiltIn2026 << "/n/2026.tsv"
        << "Il file /n/2026.tsv sarebbe usato, ma non aggiunge nulla: ogni sua riga è già nei "
           "dati in uso.";
  }
  void theCheckSaysWhatAFileWouldDo() {
    QFETCH(QByteArray, content);
    QFETCH(QString, path);
    QFETCH(QString, said);
    const std::vector<AddedFile> files{{path, content}};
    bool used = false;
    const QString text =
        VerificationText(MergeLegalData(BuiltInLegalData(), files), path, kFolders, {}, used);
    QVERIFY(used);
    QVERIFY2(text.split(u'\n').contains(said), qPrintable(text));
    QVERIFY2(!text.contains("copiarlo"), qPrintable(text));
  }

  // Checked as if copied into the folder under its name: read in name order,
  // a file may leave out one in use now, and replaces one of its name.
  void theCheckSaysWhatItWouldLeaveOut_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("used");
    QTest::addColumn<QStringList>("said");
    const QByteArray at3 = kRates + "2027-01-01\t2027-12-31\t3\tDM 10/12/2026 (altro)\t\n";
    QTest::newRow("read before the file in use, it takes its place")
        << "/x/2027-a.tsv" << at3 << true
        << QStringList{
               "Copiato nella cartella con questo nome, lascerebbe da parte file ora in uso:",
               "  /d/2027.tsv, riga 2: non concorda con la riga 2 di /x/2027-a.tsv, letto "
               "prima: il file non è usato"};
    QTest::newRow("a bad file of the same name")
        << "/x/2027.tsv" << kComma << false
        << QStringList{"Il file /x/2027.tsv non sarebbe usato:",
                       "  /d/2027.tsv: sarebbe sostituito, perché ha lo stesso nome"};
    QTest::newRow("read after it, only itself refused")
        << "/x/2027z.tsv" << at3 << false
        << QStringList{"Il file /x/2027z.tsv non sarebbe usato, e non cambierebbe nulla:"};
  }
  void theCheckSaysWhatItWouldLeaveOut() {
    QFETCH(QString, path);
    QFETCH(QByteArray, content);
    QFETCH(bool, used);
    QFETCH(QStringList, said);
    const std::vector<AddedFile> present{{QStringLiteral("/d/2027.tsv"), k2027}};
    const QStringList usedNow = MergeLegalData(BuiltInLegalData(), present).files;
    const MergedLegalData merged = MergeLegalData(
        BuiltInLegalData(), WithAddition(present, {path, content}, kFolders.first()));
    bool wouldBeUsed = !used;
    const QString text = VerificationText(merged, path, kFolders, usedNow, wouldBeUsed);
    QCOMPARE(wouldBeUsed, used);
    for (const QString& line : said)
      QVERIFY2(text.split(u'\n').contains(line), qPrintable(line + "\nnot in:\n" + text));
    QCOMPARE(text.contains("lascerebbe da parte"), said.size() > 1);
  }
};

QTEST_GUILESS_MAIN(TestDataListing)
#include "tst_data_listing.moc"
