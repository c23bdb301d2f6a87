#include <QtTest>
#include <map>
#include <variant>

#include "batch_run.h"
#include "cli/command_line.h"
#include "core/valuation/refusal_words.h"

using namespace velmora;

namespace {

constexpr const char* kColumns[] = {"tipo",   "saggio",  "diritto", "accrescimento", "imposta",
                                    "valore", "nascita", "anni",    "data"};

// What the command answers: its status and its message, as the program
// writes them after "velmora: ".
struct Answer {
  int status = 0;
  QString message;
};

Answer Command(const QStringList& arguments) {
  const CommandLine line = ReadCommandLine(arguments);
  if (line.request == CommandLineRequest::UsageError) return {2, line.error};
  if (line.request != CommandLineRequest::Valuation) return {-1, {}};
  const Esito esito = ValutaInParole(line.dati, OptionNames(), test::BuiltInLaw());
  if (const auto* refusal = std::get_if<QString>(&esito)) return {1, *refusal};
  return {0, {}};
}

// The command's words with each option named as the batch names its column.
QString AsTheBatchSaysIt(QString message) {
  for (const char* column : kColumns)
    message.replace(QStringLiteral("--") + QLatin1StringView(column), QLatin1StringView(column));
  return message;
}

// The same case as a row of a batch: each option in its column, the births
// joined by "+".
QByteArray Batch(const QStringList& arguments) {
  std::map<QString, QStringList> given;
  given["tipo"] << arguments.first();
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QString option = arguments[i].mid(2);
    QString value;
    if (const qsizetype equals = option.indexOf(u'='); equals >= 0) {
      value = option.mid(equals + 1);
      option.truncate(equals);
    } else {
      value = arguments.value(++i);
    }
    given[option] << value;
  }
  QStringList header;
  QStringList row;
  for (const char* column : kColumns) {
    header << QString::fromLatin1(column);
    row << given[QString::fromLatin1(column)].join(u'+');
  }
  return (header.join(u';') + u'\n' + row.join(u';') + u'\n').toUtf8();
}

}  // namespace

// A case the commands refuse is refused in a batch too, by the one reader:
// with the same words, the column named where the command names the option.
// Where the command refuses the shape of its options (status 2), the batch
// refuses the row with its own words.
class TestRefusalAgreement : public QObject {
  Q_OBJECT

 private slots:
  void theCommandsAndTheBatchRefuseAlike_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("sameWords");
    QTest::addColumn<QString>("reason");  // the batch's, when the words are checked here
    const QString day = "--data=07/12/2026";
    auto lifetime = [&](QStringList more) {
      return QStringList{"vitalizio", "--valore", "100000", day} + more;
    };
    auto fixedTerm = [&](QStringList more) {
      return QStringList{"tempo-determinato", "--valore", "100000", day} + more;
    };

    // Read strictly, the same way.
    for (const char* value : {"1234.56", "250000.00", "12.50", "1.5", "1000,005", "0,001", "0",
                              "abc", "1..000", "10.000.000.000.000.000"}) {
      QTest::addRow("value %s", value)
          << QStringList{"tempo-determinato", "--valore", value, "--anni", "10", day} << 1 << true
          << QString();
    }
    for (const char* birth :
         {"12/25/1950", "01/01/25", "31/02/1950", "1950/05/03", "08/12/2026", "01/01/1026"})
      QTest::addRow("birth %s", birth) << lifetime({"--nascita", birth}) << 1 << true << QString();
    QTest::newRow("reference date")
        << QStringList{"vitalizio",  "--valore", "1",         "--nascita",
                       "01/01/1950", "--data",   "2026/12/07"}
        << 1 << true << QString();
    for (const char* years : {"0", "2,5", "31", "dieci"})
      QTest::addRow("years %s", years) << fixedTerm({"--anni", years}) << 1 << true << QString();
    QTest::newRow("a date past the data")
        << QStringList{"tempo-determinato", "--valore", "1", "--anni", "3", "--data", "01/01/2199"}
        << 1 << true << QString();
    QTest::newRow("eleven lives")
        << lifetime({"--accrescimento", "si",         "--nascita",  "01/01/1950", "--nascita",
                     "01/01/1951",      "--nascita",  "01/01/1952", "--nascita",  "01/01/1953",
                     "--nascita",       "01/01/1954", "--nascita",  "01/01/1955", "--nascita",
                     "01/01/1956",      "--nascita",  "01/01/1957", "--nascita",  "01/01/1958",
                     "--nascita",       "01/01/1959", "--nascita",  "01/01/1960"})
        << 1 << true << QString();

    // Inputs the kind has no use for: a usage error of the command once, a
    // refused case now, as in the batch.
    QTest::newRow("several lives without accrual")
        << lifetime({"--nascita", "16/08/1946", "--nascita", "03/05/1950"}) << 1 << true
        << "accrescimento: con più date di nascita l'atto deve dire se tra i titolari c'è "
           "diritto di accrescimento (si o no)";
    QTest::newRow("accrual of one life")
        << lifetime({"--nascita", "03/05/1950", "--accrescimento", "no"}) << 1 << true
        << "accrescimento: l'accrescimento vale solo tra più titolari: con una sola data di "
           "nascita non va indicato";
    QTest::newRow("years for a lifetime")
        << lifetime({"--nascita", "03/05/1950", "--anni", "3"}) << 1 << true
        << "anni «3»: la durata in anni vale solo per tempo-determinato: il vitalizio dura quanto "
           "la vita del titolare";
    QTest::newRow("years for several lives")
        << lifetime({"--nascita", "16/08/1946", "--nascita", "03/05/1950", "--accrescimento", "sì",
                     "--anni", "12"})
        << 1 << true
        << "anni «12»: la durata in anni vale solo per tempo-determinato: il vitalizio dura "
           "quanto la vita del titolare";
    QTest::newRow("accrual for a fixed term")
        << fixedTerm({"--anni", "10", "--accrescimento", "si"}) << 1 << true
        << "accrescimento: l'accrescimento vale solo per un vitalizio di più titolari, non per "
           "tempo-determinato";
    QTest::newRow("a beneficiary's birth for the registration tax")
        << fixedTerm({"--anni", "10", "--nascita", "01/01/1941"}) << 1 << true
        << "nascita «01/01/1941»: per tempo-determinato la data di nascita dà l'età del "
           "beneficiario per il limite dell'imposta sulle successioni e donazioni: va con "
           "imposta successioni";
    QTest::newRow("a beneficiary's birth, the registration tax named")
        << fixedTerm({"--anni", "10", "--imposta", "registro", "--nascita", "01/01/1941"}) << 1
        << true
        << "nascita «01/01/1941»: per tempo-determinato la data di nascita dà l'età del "
           "beneficiario per il limite dell'imposta sulle successioni e donazioni: va con "
           "imposta successioni";
    QTest::newRow("two beneficiaries")
        << fixedTerm({"--anni", "10", "--imposta", "successioni", "--nascita", "01/01/1941",
                      "--nascita", "01/01/1945"})
        << 1 << true
        << "nascita «01/01/1941+01/01/1945»: un usufrutto a tempo determinato ha un solo "
           "beneficiario: una sola data di nascita";
    QTest::newRow("two beneficiaries for the registration tax")
        << fixedTerm({"--anni", "10", "--nascita", "01/01/1941", "--nascita", "01/01/1945"}) << 1
        << true
        << "nascita «01/01/1941+01/01/1945»: un usufrutto a tempo determinato ha un solo "
           "beneficiario: una sola data di nascita";

    // The shape of the options: the command's usage error, the batch's own words.
    QTest::newRow("an unknown right")
        << lifetime({"--nascita", "03/05/1950", "--diritto", "servitù"}) << 2 << false << QString();
    QTest::newRow("an unknown tax")
        << fixedTerm({"--anni", "10", "--imposta", "iva"}) << 2 << false << QString();
    QTest::newRow("an unknown accrual") << lifetime({"--nascita", "16/08/1946", "--nascita",
                                                     "03/05/1950", "--accrescimento", "forse"})
                                        << 2 << false << QString();
    QTest::newRow("an unknown rate")
        << fixedTerm({"--anni", "10", "--saggio", "2025"}) << 2 << false << QString();
    QTest::newRow("no value") << QStringList{"tempo-determinato", "--anni", "10", day} << 2 << false
                              << QString();
    QTest::newRow("no years") << fixedTerm({}) << 2 << false << QString();
    QTest::newRow("no birth") << lifetime({}) << 2 << false << QString();
    QTest::newRow("an empty birth") << lifetime({"--nascita="}) << 2 << false << QString();
  }
  void theCommandsAndTheBatchRefuseAlike() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, sameWords);
    QFETCH(QString, reason);
    const Answer command = Command(arguments);
    QTEST(command.status, "status");

    const test::BatchRun batch = test::RunBatchOn(Batch(arguments));
    QCOMPARE(batch.status, 1);
    QCOMPARE(batch.rows.size(), 2);
    const QString refused = batch.rows[1].value(13);
    QVERIFY2(!refused.isEmpty(), qPrintable(batch.rows[1].join(u';')));
    QCOMPARE(batch.rows[1].value(11), QString());  // no figures
    if (sameWords) QCOMPARE(AsTheBatchSaysIt(command.message), refused);
    if (!reason.isEmpty()) QCOMPARE(refused, reason);
  }
};

QTEST_APPLESS_MAIN(TestRefusalAgreement)
#include "tst_refusal_agreement.moc"
