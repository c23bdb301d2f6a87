#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <random>
#include <variant>

#include "cli/case_reading.h"
#include "cli/valuation_output.h"

using namespace velmora;

// The JSON written through QJsonDocument holds the same keys and values as
// the hand-written JSON it replaces, on generated cases of both kinds and
// both rates.
class TestJsonOutput : public QObject {
  Q_OBJECT

 private slots:
  void theDocumentHoldsWhatTheHandWrittenObjectHeld() {
    std::mt19937_64 random(20261209);
    int compared = 0;
    for (int i = 0; i < 4000; ++i) {
      DatiValutazione dati;
      dati.tipo = i % 2 ? TipoValutazione::Vitalizio : TipoValutazione::TempoDeterminato;
      dati.saggio = i % 4 < 2 ? Saggio::AllaData : Saggio::Tabella2016;
      dati.valore = QString::number(random() % 1000000000 + 1) + QStringLiteral(",") +
                    QString::number(random() % 90 + 10);
      const QDate reference = QDate(2012, 1, 1).addDays(qint64(random() % 5478));
      dati.riferimento = reference.toString(u"dd/MM/yyyy");
      dati.nascita = QDate(1900, 1, 1).addDays(qint64(random() % 46000)).toString(u"dd/MM/yyyy");
      dati.anni = QString::number(random() % 30 + 1);
      const cli::Esito esito = cli::ValutaDigitati(dati, cli::OptionNames());
      const auto* record = std::get_if<RecordValutazione>(&esito);
      if (!record) continue;
      const QJsonObject old =
          QJsonDocument::fromJson(cli::JsonObject(dati, *record).toUtf8()).object();
      const QJsonObject now = QJsonDocument::fromJson(cli::JsonDocument(*record)).object();
      QVERIFY(!old.isEmpty());
      QVERIFY2(old == now, qPrintable(cli::JsonObject(dati, *record) +
                                      QString::fromUtf8(cli::JsonDocument(*record))));
      ++compared;
    }
    QVERIFY(compared > 3000);
  }
};

QTEST_APPLESS_MAIN(TestJsonOutput)
#include "tst_json_output.moc"
