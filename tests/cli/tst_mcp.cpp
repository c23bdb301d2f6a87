#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <algorithm>
#include <cstring>
#include <memory>

#include "cli/mcp_arguments.h"
#include "cli/mcp_lines.h"
#include "cli/mcp_session.h"
#include "legal_data_for_tests.h"

using namespace velmora;
using namespace velmora::cli;

// The MCP server's loop: every method and malformed message gets its answer or
// none, the tools read their arguments strictly, and the transport's reader
// ends at the end of its input whatever was cut, without holding a long line.
class TestMcp : public QObject {
  Q_OBJECT

  static McpClock Fixed() {
    return {[] { return QDateTime(QDate(2026, 12, 7), QTime(10, 0)); }};
  }

  static QByteArray Line(const QJsonObject& message) {
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
  }

  static QByteArray Initialize(const char* version = "2025-06-18") {
    return Line({{"jsonrpc", "2.0"},
                 {"id", 0},
                 {"method", "initialize"},
                 {"params", QJsonObject{{"protocolVersion", version},
                                        {"capabilities", QJsonObject()},
                                        {"clientInfo", QJsonObject{{"name", "t"}}}}}});
  }

  static QByteArray Call(const QByteArray& tool, const QByteArray& arguments) {
    // The arguments as written, so that malformed ones reach the server.
    return "{\"jsonrpc\":\"2.0\",\"id\":7,\"method\":\"tools/call\",\"params\":{\"name\":\"" +
           tool + "\",\"arguments\":" + arguments + "}}";
  }

  static QList<QJsonObject> Answers(McpSession& session, const QByteArrayList& lines) {
    QList<QJsonObject> answers;
    for (const QByteArray& line : lines)
      for (const QByteArray& answer : session.Answer(line)) {
        // One line each, so that the transport's framing holds.
        if (answer.contains('\n')) qFatal("an answer with a line end");
        answers << QJsonDocument::fromJson(answer).object();
      }
    return answers;
  }

  // The result of one tool call after initialize.
  static QJsonObject Result(const QByteArray& tool, const QByteArray& arguments,
                            const char* version = "2025-06-18") {
    McpSession session({test::BuiltInLawShared(), {}}, Fixed());
    const auto answers = Answers(session, {Initialize(version), Call(tool, arguments)});
    if (answers.size() != 2) qFatal("no answer to the call");
    return answers[1].value("result").toObject();
  }

  // A source that hands out the bytes in pieces of the size given.
  static CsvReader::Source Pieces(std::shared_ptr<QByteArray> bytes, std::size_t piece) {
    auto at = std::make_shared<qsizetype>(0);
    return [bytes, piece, at](char* buffer, std::size_t size) {
      const std::size_t n = std::min({piece, size, std::size_t(bytes->size() - *at)});
      std::memcpy(buffer, bytes->constData() + *at, n);
      *at += qsizetype(n);
      return std::ptrdiff_t(n);
    };
  }

 private slots:
  void everyMessage_data() {
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<int>("answers");
    QTest::addColumn<int>("code");  // of the last answer; 0 for a result
    const QByteArray init = Initialize();
    QTest::newRow("ping before initialize")
        << QByteArrayList{R"({"jsonrpc":"2.0","id":1,"method":"ping"})"} << 1 << 0;
    QTest::newRow("tools before initialize")
        << QByteArrayList{R"({"jsonrpc":"2.0","id":1,"method":"tools/list"})"} << 1 << -32600;
    QTest::newRow("call before initialize")
        << QByteArrayList{Call("dati_legali", "{}")} << 1 << -32600;
    QTest::newRow("initialize twice") << QByteArrayList{init, init} << 2 << -32600;
    QTest::newRow("initialize without a version")
        << QByteArrayList{R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})"} << 1
        << -32602;
    QTest::newRow("initialized and list")
        << QByteArrayList{init, R"({"jsonrpc":"2.0","method":"notifications/initialized"})",
                          R"({"jsonrpc":"2.0","id":"a","method":"tools/list"})"}
        << 2 << 0;
    QTest::newRow("unknown method")
        << QByteArrayList{init, R"({"jsonrpc":"2.0","id":2,"method":"resources/list"})"} << 2
        << -32601;
    QTest::newRow("unknown notification")
        << QByteArrayList{R"({"jsonrpc":"2.0","method":"notifications/whatever"})"} << 0 << 0;
    QTest::newRow("blank line") << QByteArrayList{"  \r"} << 0 << 0;
    QTest::newRow("unclosed object") << QByteArrayList{"{"} << 1 << -32700;
    QTest::newRow("binary bytes") << QByteArrayList{QByteArray("\xff\xfe\x00\x01\x80", 5)} << 1
                                  << -32700;
    QTest::newRow("batch") << QByteArrayList{"[]"} << 1 << -32600;
    QTest::newRow("no jsonrpc") << QByteArrayList{R"({"id":1,"method":"ping"})"} << 1 << -32600;
    QTest::newRow("null id") << QByteArrayList{R"({"jsonrpc":"2.0","id":null,"method":"ping"})"}
                             << 1 << -32600;
    QTest::newRow("params a list")
        << QByteArrayList{init, R"({"jsonrpc":"2.0","id":1,"method":"tools/list","params":[]})"}
        << 2 << -32602;
    QTest::newRow("unknown tool") << QByteArrayList{init, Call("valuta", "{}")} << 2 << -32602;
    QTest::newRow("arguments a list")
        << QByteArrayList{init, Call("dati_legali", "[]")} << 2 << -32602;
  }

  void everyMessage() {
    QFETCH(QByteArrayList, lines);
    QFETCH(int, answers);
    QFETCH(int, code);
    McpSession session({test::BuiltInLawShared(), {}}, Fixed());
    const QList<QJsonObject> got = Answers(session, lines);
    QCOMPARE(got.size(), answers);
    if (got.isEmpty()) return;
    const QJsonObject last = got.last();
    QCOMPARE(last.value("jsonrpc").toString(), QStringLiteral("2.0"));
    QCOMPARE(last.value("error").toObject().value("code").toInt(), code);
    QCOMPARE(last.contains("result"), code == 0);
    if (code != 0) QVERIFY(!last.value("error").toObject().value("message").toString().isEmpty());
  }

  void versions_data() {
    QTest::addColumn<QByteArray>("asked");
    QTest::addColumn<QString>("agreed");
    QTest::addColumn<bool>("structured");
    QTest::newRow("2025-06-18") << QByteArray("2025-06-18") << "2025-06-18" << true;
    QTest::newRow("2024-11-05") << QByteArray("2024-11-05") << "2024-11-05" << false;
    QTest::newRow("a later one") << QByteArray("2025-11-25") << "2025-06-18" << true;
  }

  void versions() {
    QFETCH(QByteArray, asked);
    QFETCH(QString, agreed);
    QFETCH(bool, structured);
    McpSession session({test::BuiltInLawShared(), {}}, Fixed());
    const auto answers = Answers(
        session,
        {Initialize(asked.constData()), R"({"jsonrpc":"2.0","id":1,"method":"tools/list"})",
         Call("valuta_tempo_determinato", R"({"valore":1000,"anni":5,"data":"2026-12-07"})")});
    QCOMPARE(answers.size(), 3);
    const QJsonObject init = answers[0].value("result").toObject();
    QCOMPARE(init.value("protocolVersion").toString(), agreed);
    QCOMPARE(init.value("serverInfo").toObject().value("name").toString(),
             QStringLiteral("velmora"));
    QVERIFY(init.value("capabilities").toObject().contains("tools"));
    const QJsonArray tools = answers[1].value("result").toObject().value("tools").toArray();
    QCOMPARE(tools.size(), 3);
    for (const QJsonValue tool : tools) {
      QCOMPARE(tool.toObject().value("inputSchema").toObject().value("type").toString(),
               QStringLiteral("object"));
      QCOMPARE(tool.toObject().contains("outputSchema"), structured);
    }
    const QJsonObject result = answers[2].value("result").toObject();
    QCOMPARE(result.contains("structuredContent"), structured);
    // Without structured content the record comes as a second text.
    QCOMPARE(result.value("content").toArray().size(), structured ? 1 : 2);
  }

  void tools_data() {
    QTest::addColumn<QByteArray>("tool");
    QTest::addColumn<QByteArray>("arguments");
    // The usufruct's share, or the refusal's text.
    QTest::addColumn<QString>("expected");
    const QByteArray life = "valuta_vitalizio";
    const QByteArray term = "valuta_tempo_determinato";
    QTest::newRow("two spouses with accrual")
        << life
        << QByteArray(R"({"valore":100000,"nascite":["1946-08-16","03/05/1950"],)"
                      R"("accrescimento":true,"data":"2026-12-07"})")
        << "30%";
    QTest::newRow("a full stop that groups nothing")
        << life << QByteArray(R"({"valore":"250000.00","nascite":["1950-05-03"]})")
        << "valore «250000.00»: il punto separa solo gruppi di tre cifre e la virgola i "
           "decimali: scrivere l'importo come 250.000,50";
    QTest::newRow("a third decimal as a number")
        << life << QByteArray(R"({"valore":1.005,"nascite":["1950-05-03"]})")
        << "valore: scrivere un numero con al più due decimali (250000.5) o un testo come "
           "250.000,50";
    QTest::newRow("births as a text")
        << life << QByteArray(R"({"valore":1000,"nascite":"1950-05-03"})")
        << "nascite: scrivere un elenco di date come testi, come [\"1950-05-03\"]";
    QTest::newRow("accrual of one life")
        << life << QByteArray(R"({"valore":1000,"nascite":["1950-05-03"],"accrescimento":true})")
        << "accrescimento: l'accrescimento vale solo tra più titolari: con una sola data di "
           "nascita non va indicato";
    QTest::newRow("accrual as a word")
        << life
        << QByteArray(
               R"({"valore":1000,"nascite":["1946-08-16","1950-05-03"],"accrescimento":"si"})")
        << "accrescimento: scrivere true o false";
    QTest::newRow("a property not known")
        << life << QByteArray(R"({"valore":1000,"nascite":["1950-05-03"],"eta":76})")
        << "eta: proprietà non prevista da questo strumento";
    QTest::newRow("half a year") << term << QByteArray(R"({"valore":1000,"anni":10.5})")
                                 << "anni: scrivere un numero intero di anni da 1 a 30, come 10";
    QTest::newRow("a beneficiary for the registration tax")
        << term << QByteArray(R"({"valore":1000,"anni":10,"nascite":["1941-01-01"]})")
        << "nascite «1941-01-01»: per tempo-determinato la data di nascita dà l'età del "
           "beneficiario per il limite dell'imposta sulle successioni e donazioni: va con imposta "
           "successioni";
    QTest::newRow("two beneficiaries")
        << term
        << QByteArray(R"({"valore":1000,"anni":10,"imposta":"successioni",)"
                      R"("nascite":["1941-01-01","1942-01-01"]})")
        << "nascite «1941-01-01+1942-01-01»: un usufrutto a tempo determinato ha un solo "
           "beneficiario: una sola data di nascita";
  }

  void tools() {
    QFETCH(QByteArray, tool);
    QFETCH(QByteArray, arguments);
    QFETCH(QString, expected);
    const QJsonObject result = Result(tool, arguments);
    const QJsonArray content = result.value("content").toArray();
    QCOMPARE(content.size(), 1);
    const bool refused = !expected.endsWith(u'%');
    QCOMPARE(result.value("isError").toBool(), refused);
    const QString text = content[0].toObject().value("text").toString();
    if (refused) {
      QCOMPARE(text, expected);
      QVERIFY(!result.contains("structuredContent"));
      return;
    }
    const QJsonObject record = result.value("structuredContent").toObject();
    QCOMPARE(record.value("usufrutto").toObject().value("percentuale").toString(), expected);
    // A valuation without its date is on the clock's day.
    QCOMPARE(record.value("data").toString(), QStringLiteral("2026-12-07"));
    // The report is of the same valuation.
    QVERIFY(text.contains(record.value("usufrutto").toObject().value("testo").toString()));
  }

  void amountsOfNumbers_data() {
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("amount");  // empty: refused
    QTest::newRow("whole") << 250000.0 << "250000,00";
    QTest::newRow("half") << 250000.5 << "250000,50";
    QTest::newRow("a third decimal") << 250000.123 << "";
    QTest::newRow("a sum that is not its cents") << 0.1 + 0.2 << "";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "";
  }

  void amountsOfNumbers() {
    QFETCH(double, number);
    QFETCH(QString, amount);
    QCOMPARE(AmountOfNumber(number).value_or(QString()), amount);
  }

  void transport_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("piece");
    QTest::addColumn<QList<int>>("codes");  // of the answers in order; 0 a result
    const QByteArray ping = R"({"jsonrpc":"2.0","id":1,"method":"ping"})";
    QTest::newRow("byte by byte") << ping + "\n" + ping + "\n" << 1 << QList<int>{0, 0};
    QTest::newRow("the last line unended") << ping + "\n" + ping << 5 << QList<int>{0, 0};
    QTest::newRow("the end in the middle of a message")
        << ping + "\n" + ping.left(20) << 3 << QList<int>{0, -32700};
    QTest::newRow("nothing") << QByteArray() << 1 << QList<int>{};
    QByteArray huge(10 * 1000 * 1000, 'x');
    huge.prepend("{\"jsonrpc\":\"2.0\",\"id\":1,\"method\":\"ping\",\"params\":{\"x\":\"");
    huge.append("\"}}");
    QTest::newRow("a line of 10 MB") << huge + "\n" + ping + "\n" << 65536 << QList<int>{-32700, 0};
    QTest::newRow("a line of 10 MB unended")
        << ping + "\n" + huge << 65536 << QList<int>{0, -32700};
    QTest::newRow("binary bytes") << QByteArray("\0\xff\n\x80\x81\n", 6) + ping << 2
                                  << QList<int>{-32700, -32700, 0};
  }

  void transport() {
    QFETCH(QByteArray, input);
    QFETCH(int, piece);
    QFETCH(QList<int>, codes);
    McpSession session({test::BuiltInLawShared(), {}}, Fixed());
    QList<int> got;
    QStringList errors;
    McpIo io;
    io.input = Pieces(std::make_shared<QByteArray>(input), std::size_t(piece));
    io.output = [&got](QByteArrayView line) {
      if (!line.endsWith('\n') || line.chopped(1).contains('\n')) qFatal("not one line");
      const QJsonObject answer = QJsonDocument::fromJson(line.toByteArray()).object();
      got << answer.value("error").toObject().value("code").toInt();
      return true;
    };
    io.error = [&errors](const QString& message) { errors << message; };
    QCOMPARE(RunMcp(session, io), 0);
    QCOMPARE(got, codes);
    // Standard error says what was refused, never what the line held.
    for (const QString& error : errors) QVERIFY(!error.contains(u"xxx"));
  }

  void theOutputGone() {
    McpSession session({test::BuiltInLawShared(), {}}, Fixed());
    McpIo io;
    io.input = Pieces(
        std::make_shared<QByteArray>("{\"jsonrpc\":\"2.0\",\"id\":1,\"method\":\"ping\"}\n"), 64);
    io.output = [](QByteArrayView) { return false; };
    io.error = [](const QString&) {};
    QCOMPARE(RunMcp(session, io), 3);
  }
};

QTEST_GUILESS_MAIN(TestMcp)
#include "tst_mcp.moc"
