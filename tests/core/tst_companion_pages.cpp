#include <QFile>
#include <QtTest>

#include "core/documents/companion_pages.h"
#include "core/law/legal_data_in_use.h"
#include "core/law/legal_data_merge.h"

using namespace velmora;

namespace {

const QByteArray kRates = "from\tto\trate_percent\tset_by\tsource\n";
const QByteArray kCoefficients =
    "year\trate_used_percent\tdecree\tcoefficients (bands 0-20, 21-30, 31-40, 41-45, 46-50, "
    "51-53, 54-56, 57-60, 61-63, 64-66, 67-69, 70-72, 73-75, 76-78, 79-82, 83-86, 87-92, "
    "93-99)\tsource\n";
const QByteArray kAt25 = "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4";

// The pages of the built-in data with the 2027 files of an office, decrees
// made up for this test.
std::vector<CompanionPage> PagesWith2027(const QByteArray& rate, const QByteArray& rateUsed,
                                         const QByteArray& coefficients,
                                         const QString& folder = QStringLiteral("/uffici/dati")) {
  const std::vector<AddedFile> files = {
      {folder + QStringLiteral("/2027-saggio.tsv"), kRates + "2027-01-01\t2027-12-31\t" + rate +
                                                        "\tDM 10/12/2026 (GU 290, 14/12/2026)\t" +
                                                        "gazzetta <prova> %1\n"},
      {folder + QStringLiteral("/2027-coefficienti.tsv"),
       kCoefficients + "2027\t" + rateUsed + "\tDM 22/12/2026 (GU 302, 31/12/2026)\t" +
           coefficients + "\tprova\n"}};
  const MergedLegalData law = MergeLegalData(BuiltInLegalData(), files);
  if (!law.problems.empty()) qWarning() << law.problems.front().reason;
  return CompanionPages(law.data);
}

QString PageNamed(const std::vector<CompanionPage>& pages, const QString& name) {
  for (const CompanionPage& page : pages)
    if (page.name == name) return QString::fromUtf8(page.html);
  return {};
}

}  // namespace

class TestCompanionPages : public QObject {
  Q_OBJECT

 private slots:
  // The pages that ship are the built-in data's, byte for byte, whatever the
  // locale.
  void theBuiltInDataGiveTheCommittedPages_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("legislation") << "normativa.htm";
    QTest::newRow("lifetime tables") << "TabelleUsufrutto.htm";
    QTest::newRow("fixed-term shares") << "TabelleUsufruttoTempoDeterminato.htm";
  }
  void theBuiltInDataGiveTheCommittedPages() {
    QFETCH(QString, name);
    QFile committed(QStringLiteral(VELMORA_DATA_DIR "/../companion/") + name);
    QVERIFY(committed.open(QIODevice::ReadOnly));
    QCOMPARE(PageNamed(CompanionPages(BuiltInLegalData()), name).toUtf8(), committed.readAll());
  }

  // An office's 2027 appears on every page, marked with its files; below the
  // floor the year is valued at 2,5 %, above it at its own rate.
  void anAddedYearIsListedAndMarkedWithItsFile_data() {
    QTest::addColumn<QByteArray>("rate");
    QTest::addColumn<QByteArray>("rateUsed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("fragments");
    const QByteArray floor = "2.5 (floor; legal rate 1.2)";
    const QStringList marked = {
        "il saggio legale dal 01/01/2027 al 31/12/2027, 1,2% (dati aggiunti: "
        "/uffici/dati/2027-saggio.tsv)",
        "i coefficienti dell'usufrutto vitalizio del 2027 (dati aggiunti: "
        "/uffici/dati/2027-coefficienti.tsv)"};
    QTest::newRow("legislation") << QByteArray("1.2") << floor << "normativa.htm"
                                 << marked + QStringList{"(dal 2012 al 2027)",
                                                         "o dopo il 31 dicembre 2027)"};
    QTest::newRow("lifetime tables")
        << QByteArray("1.2") << floor << "TabelleUsufrutto.htm"
        << marked + QStringList{
                        "<tr><td class=\"c\">2027</td><td class=\"n\">1,2%</td><td "
                        "class=\"n\">2,5% (soglia minima)</td><td class=\"t\">D.M. 22/12/2026 "
                        "(G.U. n. 302 del 31/12/2026)</td><td class=\"src\">prova<br>dati "
                        "aggiunti: /uffici/dati/2027-coefficienti.tsv</td></tr>",
                        "<th class=\"h\">2027<br>2,5%</th>",
                        "<td class=\"src\">gazzetta &lt;prova&gt; %1<br>dati aggiunti: "
                        "/uffici/dati/2027-saggio.tsv</td>",
                        "2026: saggio legale 1,6%; 2027: saggio legale 1,2%)"};
    QTest::newRow("fixed-term shares below the floor")
        << QByteArray("1.2") << floor << "TabelleUsufruttoTempoDeterminato.htm"
        << marked +
               QStringList{"<h2 id=\"vigente\">Atti del 2027: saggio 2,5%</h2>",
                           "del 2027 è dell'1,2%; per l'usufrutto si applica il minimo del 2,5%.",
                           "<tr><td class=\"c\">10</td><td class=\"coef\">0,2188</td><td "
                           "class=\"usu\">21,88%</td><td class=\"np\">78,12%</td><td "
                           "class=\"usu\">€ 21.880,00</td><td class=\"np\">€ 78.120,00</td></tr>",
                           "<td class=\"n\">1,2%</td><td class=\"n\">2,5% (minimo di legge)</td>",
                           "2024, 2025, 2026, 2027</th>"};
    QTest::newRow("fixed-term shares above the floor")
        << QByteArray("3.1") << QByteArray("3.1") << "TabelleUsufruttoTempoDeterminato.htm"
        << QStringList{"<h2 id=\"vigente\">Atti del 2027: saggio 3,1%</h2>\n<table>",
                       "<td class=\"c\">10</td><td class=\"coef\">0,2631</td>",
                       "<td class=\"n\">3,1%</td><td class=\"n\">3,1%</td></tr>",
                       "<th class=\"h\">3,1%<br>2027</th></tr>"};
  }
  void anAddedYearIsListedAndMarkedWithItsFile() {
    QFETCH(QByteArray, rate);
    QFETCH(QByteArray, rateUsed);
    QFETCH(QString, name);
    QFETCH(QStringList, fragments);
    // At 3,1 % the usual shares, 95 % to 10 %, to two decimals.
    const QByteArray coefficients =
        rateUsed == "3.1" ? "30.65 29.03 27.42 25.81 24.19 22.58 20.97 19.35 17.74 16.13 14.52 "
                            "12.90 11.29 9.68 8.06 6.45 4.84 3.23"
                          : kAt25;
    const QString page = PageNamed(PagesWith2027(rate, rateUsed, coefficients), name);
    for (const QString& fragment : fragments)
      QVERIFY2(page.contains(fragment), qPrintable(fragment));
  }

  // A folder's name is text on the page, not markup.
  void anAddedFileIsNamedAsText() {
    const QString page = PageNamed(PagesWith2027("1.2", "2.5 (floor; legal rate 1.2)", kAt25,
                                                 QStringLiteral("/uffici/<b>&dati")),
                                   QStringLiteral("normativa.htm"));
    QVERIFY(page.contains(QStringLiteral("/uffici/&lt;b&gt;&amp;dati/2027-saggio.tsv")));
    QVERIFY(!page.contains(QStringLiteral("<b>&dati")));
  }
};

QTEST_GUILESS_MAIN(TestCompanionPages)
#include "tst_companion_pages.moc"
