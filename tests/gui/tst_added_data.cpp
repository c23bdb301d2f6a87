#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "core/law/legal_data_in_use.h"
#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;

namespace {

const QByteArray kRates = "from\tto\trate_percent\tset_by\tsource\n";
// An office's 2027, decrees made up for this test.
const AddedFile k2027Rate{"/uffici/dati/2027-saggio.tsv",
                          kRates + "2027-01-01\t2027-12-31\t1.2\tDM 10/12/2026 (inventato)\t\n"};
const AddedFile k2027Coefficients{
    "/uffici/dati/2027-coefficienti.tsv",
    "year\trate_used_percent\tdecree\tcoefficients (bands 0-20, 21-30, 31-40, 41-45, 46-50, "
    "51-53, 54-56, 57-60, 61-63, 64-66, 67-69, 70-72, 73-75, 76-78, 79-82, 83-86, 87-92, "
    "93-99)\tsource\n2027\t2.5 (floor; legal rate 1.2)\tDM 22/12/2026 (inventato)\t"
    "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4\t\n"};
const AddedFile kComma{"/uffici/dati/2028.tsv",
                       kRates + "2028-01-01\t2028-12-31\t1,5\tDM 11/12/2027 (inventato)\t\n"};
const AddedFile kChanges2026{"/uffici/dati/2026.tsv",
                             kRates + "2026-01-01\t2026-12-31\t1.5\tDM 10/12/2025\t\n"};

const QString kFloor =
    "Per l'usufrutto si applica il saggio minimo del 2,5% (art. 46, comma 5-ter, D.P.R. "
    "131/1986, introdotto dal D.Lgs. 139/2024).";

}  // namespace

// The window with the files an office added: the tooltip of the rate heading
// names them, and the files not used are said once at start.
class TestAddedData : public QObject {
  Q_OBJECT
  MainWindowFixture f;

  void StartWith(const std::vector<AddedFile>& files) {
    f.law = test::LawWith(files);
    f.Start();
  }

 private slots:
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  // The floor is the program's own; the legal rate and the coefficients come
  // from the office's files.
  void theTooltipNamesTheFileOfEachFigure() {
    StartWith({k2027Rate, k2027Coefficients});
    auto& w = f.w();
    w.SaggioAllaData->trigger();
    w.D2->setText("15 gennaio 2027");
    QCOMPARE(w.Label2->toolTip(),
             "<p>Saggio degli interessi legali dell'1,2%: D.M. 10/12/2026 (inventato), dati "
             "aggiunti: /uffici/dati/2027-saggio.tsv.<br>" +
                 kFloor +
                 "<br>Coefficienti dell'usufrutto vitalizio: D.M. 22/12/2026 (inventato), dati "
                 "aggiunti: /uffici/dati/2027-coefficienti.tsv.</p>");
  }

  // A decree is data: markup in it is shown as written, never rendered.
  void theTooltipShowsMarkupAsWritten_data() {
    QTest::addColumn<QByteArray>("decree");
    QTest::addColumn<QString>("shown");
    QTest::newRow("bold") << QByteArray("DM <b>10/12/2026</b>")
                          << "D.M. &lt;b&gt;10/12/2026&lt;/b&gt;";
    QTest::newRow("an image") << QByteArray("L. 1 <img src=\"/tmp/x.png\"> & altro")
                              << "L. 1 &lt;img src=&quot;/tmp/x.png&quot;&gt; &amp; altro";
    QTest::newRow("italics and a placeholder")
        << QByteArray("<i>L. %1</i>") << "&lt;i&gt;L. %1&lt;/i&gt;";
  }
  void theTooltipShowsMarkupAsWritten() {
    QFETCH(QByteArray, decree);
    QFETCH(QString, shown);
    StartWith({{"/uffici/dati/2027-saggio.tsv",
                kRates + "2027-01-01\t2027-12-31\t1.2\t" + decree + "\t\n"}});
    auto& w = f.w();
    w.SaggioAllaData->trigger();
    w.D2->setText("15 gennaio 2027");
    const QString tip = w.Label2->toolTip();
    QVERIFY2(tip.contains(shown), qPrintable(tip));
    QVERIFY2(!tip.contains(QString::fromUtf8(decree)), qPrintable(tip));
  }

  void theFilesNotUsedAreSaidOnceAtStart() {
    StartWith({kComma, k2027Rate, kChanges2026});
    QTRY_COMPARE(f.services.messages.size(), 1);
    QCOMPARE(f.services.messages.front(),
             kRefusal +
                 "Alcuni file di dati aggiunti nella cartella dello studio non sono usati: i "
                 "calcoli proseguono con i dati del programma e con gli altri file.\r\r"
                 "/uffici/dati/2028.tsv, riga 2: colonna rate_percent: «1,5» va scritto con il "
                 "punto decimale, come 1.5\r"
                 "/uffici/dati/2026.tsv, riga 2: il saggio legale dal 01/01/2026 al 31/12/2026 "
                 "cambierebbe quello dei dati incorporati dal 01/01/2026 al 31/12/2026 (D.M. "
                 "10/12/2025 (G.U. n. 289 del 13/12/2025)): vale quello incorporato\r\r"
                 "Corretto un file, il comando velmora dati --verifica FILE lo controlla.");
    // Said once: neither a valuation nor the rate menu says it again.
    f.w().SaggioAllaData->trigger();
    f.w().SaggioTabella2016->trigger();
    // Whatever the window left queued has run.
    QCoreApplication::processEvents();
    QCOMPARE(f.services.messages.size(), 1);
  }
};

QTEST_MAIN(TestAddedData)
#include "tst_added_data.moc"
