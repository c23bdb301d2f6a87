#include <QtTest>
#include <variant>

#include "server/case_request.h"

using namespace velmora;
using namespace velmora::server;

// The JSON body of a case read strictly: a shape that could mean two things
// is refused with the field, never guessed; what is read is handed on as the
// command line's texts.
class TestCaseRequest : public QObject {
  Q_OBJECT

 private slots:
  void amountsAsTexts_data() {
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");  // empty: refused
    QTest::newRow("whole") << 250000.0 << QStringLiteral("250000,00");
    QTest::newRow("tenths") << 250000.1 << QStringLiteral("250000,10");
    QTest::newRow("hundredths") << 0.07 << QStringLiteral("0,07");
    QTest::newRow("a float near its cent") << 1234567.89 << QStringLiteral("1234567,89");
    QTest::newRow("three decimals") << 250000.105 << QString();
    QTest::newRow("a thousandth") << 0.001 << QString();
    QTest::newRow("negative stays for the reader") << -5.0 << QStringLiteral("-5,00");
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << QString();
  }
  void amountsAsTexts() {
    QFETCH(double, number);
    QFETCH(QString, text);
    const auto read = AmountText(number);
    QCOMPARE(read.value_or(QString()), text);
  }

  void refusals_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("not JSON") << QByteArray("{tipo: vitalizio}") << 400 << QString()
                              << QStringLiteral("json_non_valido");
    QTest::newRow("an array") << QByteArray("[1, 2]") << 400 << QString()
                              << QStringLiteral("non_oggetto");
    QTest::newRow("empty") << QByteArray() << 400 << QString() << QStringLiteral("json_non_valido");
    QTest::newRow("a field without a name")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1, "": "uso"})") << 400 << QString()
        << QStringLiteral("campo_senza_nome");
    QTest::newRow("unknown field")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1, "nascita": "1950-01-01"})") << 422
        << QStringLiteral("nascita") << QStringLiteral("campo_sconosciuto");
    QTest::newRow("no kind") << QByteArray(R"({"valore": 1})") << 422 << QStringLiteral("tipo")
                             << QStringLiteral("campo_mancante");
    QTest::newRow("no value") << QByteArray(R"({"tipo": "vitalizio"})") << 422
                              << QStringLiteral("valore") << QStringLiteral("campo_mancante");
    QTest::newRow("unknown kind") << QByteArray(R"({"tipo": "perpetuo", "valore": 1})") << 422
                                  << QStringLiteral("tipo") << QStringLiteral("valore_non_ammesso");
    QTest::newRow("kind as number") << QByteArray(R"({"tipo": 1, "valore": 1})") << 422
                                    << QStringLiteral("tipo") << QStringLiteral("tipo_errato");
    QTest::newRow("value as boolean")
        << QByteArray(R"({"tipo": "vitalizio", "valore": true})") << 422 << QStringLiteral("valore")
        << QStringLiteral("tipo_errato");
    QTest::newRow("value with three decimals")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1000.005})") << 422
        << QStringLiteral("valore") << QStringLiteral("troppi_decimali");
    QTest::newRow("births as one text")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1, "nascite": "1950-01-01"})") << 422
        << QStringLiteral("nascite") << QStringLiteral("tipo_errato");
    QTest::newRow("a birth as number")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1, "nascite": [19500101]})") << 422
        << QStringLiteral("nascite") << QStringLiteral("tipo_errato");
    QTest::newRow("accrual as text")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1, "accrescimento": "si"})") << 422
        << QStringLiteral("accrescimento") << QStringLiteral("tipo_errato");
    QTest::newRow("accrual as null")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1, "accrescimento": null})") << 422
        << QStringLiteral("accrescimento") << QStringLiteral("tipo_errato");
    QTest::newRow("unknown right")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1, "diritto": "servitù"})") << 422
        << QStringLiteral("diritto") << QStringLiteral("valore_non_ammesso");
    QTest::newRow("unknown tax") << QByteArray(
                                        R"({"tipo": "vitalizio", "valore": 1, "imposta": "iva"})")
                                 << 422 << QStringLiteral("imposta")
                                 << QStringLiteral("valore_non_ammesso");
    QTest::newRow("rate as number")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1, "saggio": 2016})") << 422
        << QStringLiteral("saggio") << QStringLiteral("tipo_errato");
    QTest::newRow("years as list")
        << QByteArray(R"({"tipo": "tempo-determinato", "valore": 1, "anni": [10]})") << 422
        << QStringLiteral("anni") << QStringLiteral("tipo_errato");
    QTest::newRow("date as number")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1, "data": 20261207})") << 422
        << QStringLiteral("data") << QStringLiteral("tipo_errato");
  }
  void refusals() {
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QString, campo);
    QFETCH(QString, motivo);
    const RichiestaLetta read = ReadCaseRequest(body);
    const auto* refused = std::get_if<RichiestaRifiutata>(&read);
    QVERIFY(refused);
    QCOMPARE(refused->status, status);
    QCOMPARE(refused->campo, campo);
    QCOMPARE(refused->motivo, motivo);
    QVERIFY(!refused->messaggio.isEmpty());
    // The field the message is about opens it, as on the command line.
    if (!campo.isEmpty())
      QVERIFY2(refused->messaggio.startsWith(campo), qPrintable(refused->messaggio));
  }

  void theTextsHandedOn_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("valore");
    QTest::addColumn<QStringList>("nascite");
    QTest::addColumn<QString>("anni");
    QTest::addColumn<QString>("riferimento");
    QTest::addColumn<int>("accrual");  // -1 none, 0 no, 1 yes
    QTest::newRow("number value, two lives")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 250000.5, "nascite": ["1950-02-01",
                      "03/04/1955"], "accrescimento": true, "data": "2026-12-07"})")
        << QStringLiteral("250000,50") << QStringList{"1950-02-01", "03/04/1955"} << QString()
        << QStringLiteral("2026-12-07") << 1;
    QTest::newRow("text value kept as typed")
        << QByteArray(R"({"tipo": "vitalizio", "valore": "€ 250.000,00", "nascite": []})")
        << QStringLiteral("€ 250.000,00") << QStringList{} << QString() << QString() << -1;
    QTest::newRow("years as number")
        << QByteArray(R"({"tipo": "tempo-determinato", "valore": 1, "anni": 10})")
        << QStringLiteral("1,00") << QStringList{} << QStringLiteral("10") << QString() << -1;
    QTest::newRow("years with a fraction go to the reader")
        << QByteArray(R"({"tipo": "tempo-determinato", "valore": 1, "anni": 10.5})")
        << QStringLiteral("1,00") << QStringList{} << QStringLiteral("10,5") << QString() << -1;
    QTest::newRow("years as text")
        << QByteArray(R"({"tipo": "tempo-determinato", "valore": 1, "anni": "10"})")
        << QStringLiteral("1,00") << QStringList{} << QStringLiteral("10") << QString() << -1;
    QTest::newRow("an empty date is no today")
        << QByteArray(R"({"tipo": "vitalizio", "valore": 1, "data": "", "accrescimento": false})")
        << QStringLiteral("1,00") << QStringList{} << QString() << QStringLiteral(" ") << 0;
  }
  void theTextsHandedOn() {
    QFETCH(QByteArray, body);
    QFETCH(QString, valore);
    QFETCH(QStringList, nascite);
    QFETCH(QString, anni);
    QFETCH(QString, riferimento);
    QFETCH(int, accrual);
    const RichiestaLetta read = ReadCaseRequest(body);
    if (const auto* refused = std::get_if<RichiestaRifiutata>(&read))
      QFAIL(qPrintable(refused->messaggio));
    const DatiValutazione* dati = &std::get<DatiValutazione>(read);
    QCOMPARE(dati->valore, valore);
    QCOMPARE(dati->nascite, nascite);
    QCOMPARE(dati->anni, anni);
    QCOMPARE(dati->riferimento, riferimento);
    QCOMPARE(dati->accrescimento.has_value() ? int(*dati->accrescimento) : -1, accrual);
    // The rate in force is the default, as on the command line.
    QCOMPARE(dati->saggio, Saggio::AllaData);
  }
};

QTEST_GUILESS_MAIN(TestCaseRequest)
#include "tst_case_request.moc"
