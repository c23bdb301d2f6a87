#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

#include "core/law/legal_data_in_use.h"
#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;

namespace {
const QString kHeading =
    "Calcolo dell'usufrutto vitalizio ed a tempo determinato  al saggio d'interesse ";
const QString kNoRate = kRefusal +
                        "Per la data di riferimento non è noto il saggio degli interessi legali: "
                        "il calcolo al saggio in vigore copre le date dal 16 dicembre 1990 al 31 "
                        "dicembre 2026.";
const QString kNoCoefficients =
    kRefusal +
    "Per il 2005 non sono noti i coefficienti dell'usufrutto vitalizio: il calcolo al saggio in "
    "vigore li applica agli atti dal 1 gennaio 2012 al 31 dicembre 2026.";
}  // namespace

// The menu "Saggio": the 2016 table at 0,2 %, or the rate and coefficients in
// force on the reference date, remembered between runs.
class TestRateChoice : public QObject {
  Q_OBJECT
  MainWindowFixture f;

  static void Click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
  }

  // The fields as a user leaves them, the focus on a field without handlers.
  void Prepare(const QString& d2, const QString& d1 = {}, const QString& years = {}) {
    auto& w = f.w();
    w.SetFocus(w.R7);
    w.PP->setText("€ 100.000,00");
    w.D1->setText(d1);
    w.D2->setText(d2);
    w.Text1->setText(years);
    w.option5->setChecked(true);
    f.services.Clear();
  }

  QStringList Results() {
    auto& w = f.w();
    return {w.PERCUSU->text(), w.US->text(), w.PERCNP->text(), w.NP->text()};
  }

 private slots:
  void init() { f.Start(); }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  void theFirstRunValuesAtThe2016Rate() {
    auto& w = f.w();
    QVERIFY(w.SaggioTabella2016->isChecked());
    QVERIFY(!w.SaggioAllaData->isChecked());
    QCOMPARE(w.Label2->text(), kHeading + "dello 0,2%");
    QVERIFY(w.Label2->toolTip().contains("D.M. 11/12/2015"));
    // Before the report's menu.
    const QList<QAction*> bar = w.menuBar()->actions();
    QCOMPARE(bar.at(bar.indexOf(w.MenuProspetto->menuAction()) - 1), w.MenuSaggio->menuAction());
  }

  // Label2 after the reference date, in each mode.
  void headingFollowsTheReferenceDate_data() {
    QTest::addColumn<bool>("atDate");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<QString>("heading");
    QTest::newRow("2016 table, any date") << false << "15 giugno 2023"
                                          << "dello 0,2%";
    QTest::newRow("act of 2026: the floor") << true << "7 dicembre 2026"
                                            << "del 2,5%";
    QTest::newRow("act of 2023") << true << "15/06/2023"
                                 << "del 5%";
    QTest::newRow("act of 2016") << true << "1 gennaio 2016"
                                 << "dello 0,2%";
    QTest::newRow("no known rate") << true << "15 dicembre 1990"
                                   << "in vigore alla data di riferimento";
    QTest::newRow("no date") << true << "domani"
                             << "in vigore alla data di riferimento";
  }
  void headingFollowsTheReferenceDate() {
    QFETCH(bool, atDate);
    QFETCH(QString, d2);
    QFETCH(QString, heading);
    auto& w = f.w();
    (atDate ? w.SaggioAllaData : w.SaggioTabella2016)->trigger();
    w.D2->setText(d2);
    QCOMPARE(w.Label2->text(), kHeading + heading);
  }

  void theFloorIsNamedInTheTooltip() {
    auto& w = f.w();
    w.SaggioAllaData->trigger();
    w.D2->setText("7 dicembre 2026");
    QVERIFY(w.Label2->toolTip().contains("dell'1,6%"));
    QVERIFY(w.Label2->toolTip().contains("D.Lgs. 139/2024"));
  }

  void theChoiceIsRememberedAndClearsTheOtherRatesFigures() {
    auto& w = f.w();
    Prepare("7 dicembre 2026", {}, "10");
    Click(w.Option2);
    QCOMPARE(w.PERCUSU->text(), QString("1,98%"));
    f.services.Clear();
    w.SaggioAllaData->trigger();
    QCOMPARE(f.services.log, QStringList({"WriteSetting saggio=allaData"}));
    QCOMPARE(Results(), QStringList({"", "", "", ""}));
    QVERIFY(w.option5->isChecked());

    f.window.reset();
    f.Start();
    QVERIFY(f.w().SaggioAllaData->isChecked());
    f.w().D2->setText("7 dicembre 2026");
    QCOMPARE(f.w().Label2->text(), kHeading + "del 2,5%");
  }

  // € 100.000,00 at the date of the act.
  void valuesAtTheRateOfTheDateOfTheAct_data() {
    QTest::addColumn<QString>("d2");
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QString>("years");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("10 years in 2026")
        << "07/12/2026"
        << ""
        << "10" << QStringList{"21,88%", "€ 21.880,00", "78,12%", "€ 78.120,00"};
    QTest::newRow("30 years in 2026")
        << "07/12/2026"
        << ""
        << "30" << QStringList{"52,33%", "€ 52.330,00", "47,67%", "€ 47.670,00"};
    QTest::newRow("10 years in 2023")
        << "15/06/2023"
        << ""
        << "10" << QStringList{"38,61%", "€ 38.610,00", "61,39%", "€ 61.390,00"};
    QTest::newRow("lifetime at 20 in 2018")
        << "1 marzo 2018"
        << "1 marzo 1998"
        << "" << QStringList{"95,25%", "€ 95.250,00", "4,75%", "€ 4.750,00"};
    QTest::newRow("lifetime at 40 in 2026")
        << "7 dicembre 2026"
        << "7 dicembre 1986"
        << "" << QStringList{"85%", "€ 85.000,00", "15%", "€ 15.000,00"};
  }
  void valuesAtTheRateOfTheDateOfTheAct() {
    QFETCH(QString, d2);
    QFETCH(QString, d1);
    QFETCH(QString, years);
    QFETCH(QStringList, results);
    auto& w = f.w();
    w.SaggioAllaData->trigger();
    Prepare(d2, d1, years);
    Click(d1.isEmpty() ? w.Option2 : w.Option1);
    QCOMPARE(f.services.messages, QStringList());
    QCOMPARE(Results(), results);
  }

  void aDateWithoutRateOrCoefficientsIsRefused_data() {
    QTest::addColumn<bool>("lifetime");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<QString>("message");
    QTest::newRow("fixed term before 16 December 1990") << false << "15 dicembre 1990" << kNoRate;
    // Past the data, the message says how an office adds the decree, and where.
    QTest::newRow("lifetime after 2026")
        << true << "1 gennaio 2027"
        << kNoRate +
               "\r Il 1 gennaio 2027 è dopo l'ultimo giorno dei dati del programma (31 "
               "dicembre 2026). Per aggiungere il decreto, scriverlo in un file .tsv nella "
               "cartella " +
               AdditionFolders().first() +
               ": il comando velmora dati --verifica FILE lo controlla, velmora dati mostra i "
               "dati in uso.";
    QTest::newRow("lifetime in 2005") << true << "7 marzo 2005" << kNoCoefficients;
  }
  void aDateWithoutRateOrCoefficientsIsRefused() {
    QFETCH(bool, lifetime);
    QFETCH(QString, d2);
    QFETCH(QString, message);
    auto& w = f.w();
    w.SaggioAllaData->trigger();
    Prepare(d2, lifetime ? "16 agosto 1946" : "", lifetime ? "" : "10");
    Click(lifetime ? w.Option1 : w.Option2);
    QCOMPARE(f.services.messages, QStringList({message}));
    QCOMPARE(QApplication::focusWidget(), w.D2);
    QVERIFY(w.option5->isChecked());
    // The switch of rate emptied the results; the refusal writes none.
    QCOMPARE(Results(), QStringList({"", "", "", ""}));
    QCOMPARE(w.R5->text(), QString());
    QVERIFY(!f.services.log.contains(kSound));
  }
};

VELMORA_UI_TEST_MAIN(TestRateChoice)
#include "tst_rate_choice.moc"
