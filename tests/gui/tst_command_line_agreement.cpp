#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>
#include <random>
#include <string>
#include <variant>

#include "core/documents/batch.h"
#include "core/documents/valuation_output.h"
#include "core/numbers/date_text.h"
#include "core/valuation/valuation_record.h"
#include "gui/refusal_message.h"
#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;

// The command line and the window give the same figures for the same inputs:
// generated cases typed into the window and valued by its handlers, and the
// command line's CSV of the same inputs.
class TestCommandLineAgreement : public QObject {
  Q_OBJECT
  test::MainWindowFixture f;

  static void Click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
  }

  // "€ 1.234,56" as the CSV writes it: "1234,56".
  static QString Plain(QString money) { return money.remove(QStringLiteral("€ ")).remove(u'.'); }

  static QString Date(std::mt19937_64& random, int from, int to) {
    const QDate day =
        QDate(from, 1, 1)
            .addDays(qint64(random() % quint64(QDate(from, 1, 1).daysTo(QDate(to, 12, 31)))));
    switch (random() % 3) {
      case 0:
        return day.toString(u"ddMMyyyy");
      case 1:
        return day.toString(u"d/M/yyyy");
      default:
        return day.toString(u"dd/MM/yyyy");
    }
  }

  static QString AsTheWindowHoldsIt(const QString& date) {
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9]{8}$"));
    return eightDigits.match(date).hasMatch() ? BirthDigitsToDate(date) : date;
  }

  // A value as people type it; now and then one the window refuses.
  static QString Value(std::mt19937_64& random) {
    const qint64 cents = std::uniform_int_distribution<qint64>(0, 99999999999)(random);
    switch (random() % 20) {
      case 0:
        return QStringLiteral("0");
      case 1:
        return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
      case 2:
        return QString::number(cents % 1000);
      default:
        return QString::number(cents / 100);
    }
  }

 private slots:
  void init() { f.Start(); }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  void windowAndCommandLineGiveTheSameFigures_data() {
    QTest::addColumn<bool>("lifetime");
    QTest::newRow("vitalizio") << true;
    QTest::newRow("tempo determinato") << false;
  }
  void windowAndCommandLineGiveTheSameFigures() {
    QFETCH(bool, lifetime);
    auto& w = f.w();
    std::mt19937_64 random(lifetime ? 1950 : 2026);
    int valuedCases = 0;
    // Out of the value field, which the window starts in, before any case.
    w.PP->setText(QStringLiteral("1"));
    w.SetFocus(w.R7);
    for (int i = 0; i < 10000; ++i) {
      DatiValutazione dati;
      dati.tipo = lifetime ? TipoValutazione::Vitalizio : TipoValutazione::TempoDeterminato;
      dati.saggio = i % 2 ? Saggio::AllaData : Saggio::Tabella2016;
      dati.valore = Value(random);
      dati.riferimento = Date(random, 2012, 2026);
      if (lifetime) {
        dati.nascite = {Date(random, 1900, 2026)};
      } else {
        dati.anni = QString::number(random() % 33);
      }

      // The window, as a user fills it in and clicks.
      (dati.saggio == Saggio::AllaData ? w.SaggioAllaData : w.SaggioTabella2016)->trigger();
      w.SetFocus(w.R7);
      w.PP->setText(dati.valore);
      // The window's date fields hold what their own handling made of eight
      // digits; the command line reads the digits themselves.
      w.D1->setText(AsTheWindowHoldsIt(dati.nascite.value(0)));
      w.D2->setText(AsTheWindowHoldsIt(dati.riferimento));
      w.Text1->setEnabled(true);
      w.Text1->setText(dati.anni);
      for (QLineEdit* e : {w.R5, w.R6, w.R7, w.PERCUSU, w.US, w.PERCNP, w.NP}) e->clear();
      f.services.Clear();
      w.option5->setChecked(true);
      Click(lifetime ? w.Option1 : w.Option2);

      // The command line, through the one record.
      std::string line;
      AppendCsvLine(line, dati, ValutaInParole(dati, ColumnNames(), *f.law));
      const QStringList csv = QString::fromStdString(line).trimmed().split(u';');
      // The warning of the 2016 table, last, may hold a ";" inside its quotes.
      QVERIFY(csv.size() >= 20);
      const QString error = csv[13];
      // The record as the window's inputs give it.
      DatiValutazione typed = dati;
      if (lifetime) typed.nascite = {AsTheWindowHoldsIt(dati.nascite.value(0))};
      typed.riferimento = AsTheWindowHoldsIt(dati.riferimento);
      const auto valued = Valuta(typed, *f.law);

      const QString inputs =
          QStringLiteral("%1 | %2 | %3 | %4 | %5")
              .arg(dati.valore, dati.nascite.value(0), dati.anni, dati.riferimento)
              .arg(int(dati.saggio));
      if (error.isEmpty()) {
        ++valuedCases;
        const QStringList window = {lifetime ? w.R5->text() : QString(),
                                    lifetime ? w.R6->text() : QString(),
                                    lifetime ? w.R7->text() : QString(),
                                    w.PERCUSU->text(),
                                    w.PERCNP->text(),
                                    Plain(w.US->text()),
                                    Plain(w.NP->text())};
        const QStringList cli = {csv[5], csv[6], csv[7], csv[9], csv[10], csv[11], csv[12]};
        QVERIFY2(window == cli,
                 qPrintable(inputs + ": finestra " + window.join(u' ') + ", riga di comando " +
                            cli.join(u' ') + " / " + f.services.log.join(u'|')));
      } else {
        // Refused: the window told the user why, in its words for the same
        // reason, and wrote no figure.
        const QStringList messages = f.services.messages;
        QVERIFY2(!messages.isEmpty(), qPrintable(inputs + ": " + error));
        const auto refusal = std::get_if<Rifiuto>(&valued);
        QVERIFY2(refusal, qPrintable(inputs + ": " + error));
        QVERIFY2(messages.last().section(QStringLiteral(" | "), 2) == RefusalMessage(*refusal),
                 qPrintable(inputs + ": " + messages.last() + " / " + error));
        QVERIFY2(w.US->text().isEmpty(), qPrintable(inputs));
      }
    }
    // Most cases are valued, and some refused.
    QVERIFY(valuedCases > 5000);
    QVERIFY(valuedCases < 10000);
  }
};

QTEST_MAIN(TestCommandLineAgreement)
#include "tst_command_line_agreement.moc"
