#include <sys/resource.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QtTest>
#include <memory>
#include <vector>

#include "core/documents/batch.h"
#include "core/documents/valuation_output.h"
#include "core/valuation/refusal_words.h"
#include "running_service.h"

using namespace velmora;

// The service answered through Qt Network on a real listening port: every
// route and status with its headers, the token, the one origin allowed, the
// limits, and the same figures as the command line's JSON writer.
class TestApi : public QObject {
  Q_OBJECT

  QNetworkAccessManager network_;

  QNetworkReply* Send(const QByteArray& method, const QUrl& url, const QByteArray& body,
                      const QList<QPair<QByteArray, QByteArray>>& headers) {
    QNetworkRequest request(url);
    for (const auto& [name, value] : headers) request.setRawHeader(name, value);
    return network_.sendCustomRequest(request, method, body);
  }

  static QByteArray Case(const char* json) { return QByteArray(json); }

 private slots:
  void initTestCase() {
    // Hundreds of sockets on both sides of the loopback in one process.
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
  }

  void routesAndStatuses_data() {
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("accept");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("answerType");
    QTest::addColumn<QByteArray>("allow");
    const QByteArray json = "application/json";
    const QByteArray good = Case(
        R"({"tipo": "vitalizio", "valore": 250000, "nascite": ["1950-02-01"], "data": "2026-12-07"})");
    QTest::newRow("page") << QByteArray("GET") << "/" << QByteArray() << QByteArray()
                          << QByteArray() << 200 << QByteArray("text/html; charset=utf-8")
                          << QByteArray();
    QTest::newRow("page by name") << QByteArray("GET") << "/index.html" << QByteArray()
                                  << QByteArray() << QByteArray() << 200
                                  << QByteArray("text/html; charset=utf-8") << QByteArray();
    QTest::newRow("no such file") << QByteArray("GET") << "/nessuno.js" << QByteArray()
                                  << QByteArray() << QByteArray() << 404 << json << QByteArray();
    QTest::newRow("no such route") << QByteArray("GET") << "/api/v1/nulla" << QByteArray()
                                   << QByteArray() << QByteArray() << 404 << json << QByteArray();
    QTest::newRow("page posted") << QByteArray("POST") << "/" << QByteArray() << QByteArray()
                                 << QByteArray() << 405 << json << QByteArray("GET");
    QTest::newRow("state") << QByteArray("GET") << "/api/v1/stato" << QByteArray() << QByteArray()
                           << QByteArray() << 200 << json << QByteArray();
    QTest::newRow("state deleted")
        << QByteArray("DELETE") << "/api/v1/stato" << QByteArray() << QByteArray() << QByteArray()
        << 405 << json << QByteArray("GET");
    QTest::newRow("data") << QByteArray("GET") << "/api/v1/dati" << QByteArray() << QByteArray()
                          << QByteArray() << 200 << json << QByteArray();
    QTest::newRow("openapi") << QByteArray("GET") << "/api/v1/openapi.json" << QByteArray()
                             << QByteArray() << QByteArray() << 200 << json << QByteArray();
    QTest::newRow("valuation") << QByteArray("POST") << "/api/v1/valutazione" << json
                               << QByteArray() << good << 200 << json << QByteArray();
    QTest::newRow("valuation with charset") << QByteArray("POST") << "/api/v1/valutazione"
                                            << QByteArray("application/json; charset=utf-8")
                                            << QByteArray() << good << 200 << json << QByteArray();
    QTest::newRow("valuation asked with GET")
        << QByteArray("GET") << "/api/v1/valutazione" << QByteArray() << QByteArray()
        << QByteArray() << 405 << json << QByteArray("POST");
    QTest::newRow("valuation as a form") << QByteArray("POST") << "/api/v1/valutazione"
                                         << QByteArray("application/x-www-form-urlencoded")
                                         << QByteArray() << good << 415 << json << QByteArray();
    QTest::newRow("valuation, broken JSON")
        << QByteArray("POST") << "/api/v1/valutazione" << json << QByteArray()
        << QByteArray("{\"tipo\": ") << 400 << json << QByteArray();
    QTest::newRow("valuation, not an object")
        << QByteArray("POST") << "/api/v1/valutazione" << json << QByteArray()
        << QByteArray("\"vitalizio\"") << 400 << json << QByteArray();
    QTest::newRow("valuation refused")
        << QByteArray("POST") << "/api/v1/valutazione" << json << QByteArray()
        << Case(R"({"tipo": "vitalizio", "valore": "250000.00", "nascite": ["1950-02-01"]})") << 422
        << json << QByteArray();
    QTest::newRow("report as HTML")
        << QByteArray("POST") << "/api/v1/prospetto" << json << QByteArray("text/html") << good
        << 200 << QByteArray("text/html; charset=utf-8") << QByteArray();
    QTest::newRow("report as text")
        << QByteArray("POST") << "/api/v1/prospetto" << json << QByteArray("*/*") << good << 200
        << QByteArray("text/plain; charset=utf-8") << QByteArray();
    QTest::newRow("values for the act")
        << QByteArray("POST") << "/api/v1/prospetto?testo=atto" << json << QByteArray("text/html")
        << good << 200 << QByteArray("text/plain; charset=utf-8") << QByteArray();
    QTest::newRow("report refused")
        << QByteArray("POST") << "/api/v1/prospetto" << json << QByteArray() << QByteArray("[]")
        << 400 << json << QByteArray();
    QTest::newRow("batch") << QByteArray("POST") << "/api/v1/lotto" << QByteArray("text/csv")
                           << QByteArray()
                           << QByteArray(
                                  "tipo;valore;anni;data\n"
                                  "tempo-determinato;1000;10;07/12/2026\n")
                           << 200 << QByteArray("text/csv; charset=utf-8") << QByteArray();
    QTest::newRow("batch as JSON") << QByteArray("POST") << "/api/v1/lotto" << json << QByteArray()
                                   << QByteArray("[]") << 415 << json << QByteArray();
    QTest::newRow("batch without a header")
        << QByteArray("POST") << "/api/v1/lotto" << QByteArray("text/csv") << QByteArray()
        << QByteArray("1;2;3\n") << 422 << json << QByteArray();
  }
  void routesAndStatuses() {
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, accept);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QByteArray, answerType);
    QFETCH(QByteArray, allow);
    RunningService service;
    QList<QPair<QByteArray, QByteArray>> headers;
    if (!contentType.isEmpty()) headers.append({"Content-Type", contentType});
    if (!accept.isEmpty()) headers.append({"Accept", accept});
    std::unique_ptr<QNetworkReply> reply(Send(method, service.Url(path), body, headers));
    QVERIFY(WaitFor(reply.get()));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
    QCOMPARE(reply->rawHeader("Content-Type"), answerType);
    QCOMPARE(reply->rawHeader("Allow"), allow);
    QVERIFY(reply->rawHeader("Content-Security-Policy").contains("default-src 'none'"));
    QCOMPARE(reply->rawHeader("X-Content-Type-Options"), QByteArray("nosniff"));
    QCOMPARE(reply->rawHeader("Referrer-Policy"), QByteArray("no-referrer"));
    QCOMPARE(reply->rawHeader("Cache-Control"),
             path.startsWith(u"/api/") ? QByteArray("no-store") : QByteArray());
    QVERIFY(!reply->hasRawHeader("Access-Control-Allow-Origin"));
    const QByteArray answer = reply->readAll();
    if (status >= 400) {
      const QJsonObject error =
          QJsonDocument::fromJson(answer).object().value(u"errore").toObject();
      QVERIFY2(!error.value(u"messaggio").toString().isEmpty(), answer.constData());
    }
  }

  // A refused case says its field, its reason, the command line's words
  // and the form wanted.
  void refusedCases_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("motivo");
    QTest::addColumn<QString>("forma");
    QTest::newRow("amount with a full stop for a comma")
        << Case(R"({"tipo": "vitalizio", "valore": "250000.00", "nascite": ["1950-02-01"],
                   "data": "2026-12-07"})")
        << "valore"
        << "punti_fuori_posto"
        << "250.000,50";
    QTest::newRow("date in the American order")
        << Case(R"({"tipo": "vitalizio", "valore": 1000, "nascite": ["12/25/1950"],
                   "data": "2026-12-07"})")
        << "nascite"
        << "data_non_valida"
        << "03/05/1950";
    QTest::newRow("born after the act")
        << Case(R"({"tipo": "vitalizio", "valore": 1000, "nascite": ["2027-01-01"],
                   "data": "2026-12-07"})")
        << "nascite"
        << "nascita_dopo_data"
        << "";
    QTest::newRow("two lives without accrual")
        << Case(R"({"tipo": "vitalizio", "valore": 1000, "nascite": ["1950-01-01", "1960-01-01"],
                   "data": "2026-12-07"})")
        << "accrescimento"
        << "accrescimento_mancante"
        << "true";
    QTest::newRow("a term of 31 years")
        << Case(
               R"({"tipo": "tempo-determinato", "valore": 1000, "anni": 31, "data": "2026-12-07"})")
        << "anni"
        << "durata_massima"
        << "30";
    QTest::newRow("years for a lifetime")
        << Case(R"({"tipo": "vitalizio", "valore": 1000, "anni": 3, "nascite": ["1950-01-01"],
                   "data": "2026-12-07"})")
        << "anni"
        << "non_previsto"
        << "";
    QTest::newRow("unknown field")
        << Case(R"({"tipo": "vitalizio", "valore": 1000, "importo": 3})") << "importo"
        << "campo_sconosciuto"
        << "";
    QTest::newRow("no birth")
        << Case(R"({"tipo": "vitalizio", "valore": 1000, "data": "2026-12-07"})") << "nascite"
        << "nascita_mancante"
        << "03/05/1950";
  }
  void refusedCases() {
    QFETCH(QByteArray, body);
    QFETCH(QString, campo);
    QFETCH(QString, motivo);
    QFETCH(QString, forma);
    RunningService service;
    std::unique_ptr<QNetworkReply> reply(Send("POST",
                                              service.Url(QStringLiteral("/api/v1/valutazione")),
                                              body, {{"Content-Type", "application/json"}}));
    QVERIFY(WaitFor(reply.get()));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 422);
    const QJsonObject error =
        QJsonDocument::fromJson(reply->readAll()).object().value(u"errore").toObject();
    QCOMPARE(error.value(u"campo").toString(), campo);
    QCOMPARE(error.value(u"motivo").toString(), motivo);
    QCOMPARE(error.value(u"forma").toString(), forma);
    QVERIFY(error.value(u"messaggio").toString().startsWith(campo));
    // The option's name of the command line never shows through.
    QVERIFY(!error.value(u"messaggio").toString().contains(u"--"));
  }

  void token_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("authorization");
    QTest::addColumn<int>("status");
    QTest::newRow("none") << "/api/v1/stato" << QByteArray() << 401;
    QTest::newRow("wrong") << "/api/v1/stato" << QByteArray("Bearer segret") << 401;
    QTest::newRow("longer") << "/api/v1/stato" << QByteArray("Bearer segreto1") << 401;
    QTest::newRow("not bearer") << "/api/v1/stato" << QByteArray("Basic segreto") << 401;
    QTest::newRow("right") << "/api/v1/stato" << QByteArray("Bearer segreto") << 200;
    QTest::newRow("page needs none") << "/" << QByteArray() << 200;
  }
  void token() {
    QFETCH(QString, path);
    QFETCH(QByteArray, authorization);
    QFETCH(int, status);
    velmora::server::Impostazioni settings;
    settings.token = "segreto";
    RunningService service(settings);
    QList<QPair<QByteArray, QByteArray>> headers;
    if (!authorization.isEmpty()) headers.append({"Authorization", authorization});
    std::unique_ptr<QNetworkReply> reply(Send("GET", service.Url(path), {}, headers));
    QVERIFY(WaitFor(reply.get()));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
    QCOMPARE(reply->rawHeader("WWW-Authenticate"),
             status == 401 ? QByteArray("Bearer") : QByteArray());
  }

  void origin_data() {
    QTest::addColumn<QByteArray>("allowed");  // --origine, or empty
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("origin");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("allowOrigin");
    const QByteArray studio = "https://studio.example";
    QTest::newRow("no origin allowed")
        << QByteArray() << QByteArray("GET") << studio << 200 << QByteArray();
    QTest::newRow("no preflight without --origine")
        << QByteArray() << QByteArray("OPTIONS") << studio << 405 << QByteArray();
    QTest::newRow("the origin allowed") << studio << QByteArray("GET") << studio << 200 << studio;
    QTest::newRow("another origin") << studio << QByteArray("GET")
                                    << QByteArray("https://altro.example") << 200 << QByteArray();
    QTest::newRow("preflight") << studio << QByteArray("OPTIONS") << studio << 204 << studio;
    QTest::newRow("preflight of another origin")
        << studio << QByteArray("OPTIONS") << QByteArray("https://altro.example") << 403
        << QByteArray();
  }
  void origin() {
    QFETCH(QByteArray, allowed);
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, origin);
    QFETCH(int, status);
    QFETCH(QByteArray, allowOrigin);
    velmora::server::Impostazioni settings;
    settings.origin = allowed;
    RunningService service(settings);
    std::unique_ptr<QNetworkReply> reply(
        Send(method, service.Url(QStringLiteral("/api/v1/stato")), {}, {{"Origin", origin}}));
    QVERIFY(WaitFor(reply.get()));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
    QCOMPARE(reply->rawHeader("Access-Control-Allow-Origin"), allowOrigin);
    if (status == 204)
      QCOMPARE(reply->rawHeader("Access-Control-Allow-Methods"), QByteArray("GET"));
  }

  // The body's declared length is checked before the body is read.
  void bodyLimits_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<int>("status");
    QTest::newRow("a case at the limit")
        << "/api/v1/valutazione" << QByteArray("application/json") << qsizetype(64 * 1024) << 400;
    QTest::newRow("a case past it") << "/api/v1/valutazione" << QByteArray("application/json")
                                    << qsizetype(64 * 1024 + 1) << 413;
    QTest::newRow("a batch past a case's")
        << "/api/v1/lotto" << QByteArray("text/csv") << qsizetype(100 * 1024) << 422;
    QTest::newRow("a batch past its own")
        << "/api/v1/lotto" << QByteArray("text/csv") << qsizetype(1024 * 1024 + 1) << 413;
  }
  void bodyLimits() {
    QFETCH(QString, path);
    QFETCH(QByteArray, contentType);
    QFETCH(qsizetype, size);
    QFETCH(int, status);
    velmora::server::Impostazioni settings;
    settings.batchLimit = 1024 * 1024;
    RunningService service(settings);
    std::unique_ptr<QNetworkReply> reply(
        Send("POST", service.Url(path), QByteArray(size, ' '), {{"Content-Type", contentType}}));
    QVERIFY(WaitFor(reply.get()));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
    // The service goes on serving.
    std::unique_ptr<QNetworkReply> next(
        Send("GET", service.Url(QStringLiteral("/api/v1/stato")), {}, {}));
    QVERIFY(WaitFor(next.get()));
    QCOMPARE(next->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
  }

  // Raw requests the server's parser never sees: headers past their limit,
  // a length it cannot trust.
  void rawRefusals_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("statusLine");
    QTest::newRow("headers too large")
        << QByteArray("GET / HTTP/1.1\r\nX-Lungo: " + QByteArray(17 * 1024, 'a') + "\r\n\r\n")
        << QByteArray("HTTP/1.1 431");
    QTest::newRow("chunked body")
        << QByteArray("POST /api/v1/valutazione HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n")
        << QByteArray("HTTP/1.1 411");
    QTest::newRow("a length that is no number")
        << QByteArray("POST /api/v1/valutazione HTTP/1.1\r\nContent-Length: molti\r\n\r\n")
        << QByteArray("HTTP/1.1 411");
    QTest::newRow("a length past the limit")
        << QByteArray("POST /api/v1/valutazione HTTP/1.1\r\nContent-Length: 99999999\r\n\r\n")
        << QByteArray("HTTP/1.1 413");
  }
  void rawRefusals() {
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, statusLine);
    RunningService service;
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, service.Port());
    QVERIFY(socket.waitForConnected(10'000));
    socket.write(request);
    QTRY_VERIFY_WITH_TIMEOUT(socket.bytesAvailable() >= statusLine.size(), 30'000);
    QVERIFY(socket.readAll().startsWith(statusLine));
  }

  // A client that sends a byte a second and many idle connections hold no
  // one else up; both are let go after their time.
  void slowAndIdleClients_data() {
    QTest::addColumn<int>("idle");
    QTest::newRow("a slow client") << 0;
    QTest::newRow("a slow client and 500 idle connections") << 500;
  }
  void slowAndIdleClients() {
    QFETCH(int, idle);
    velmora::server::Limiti limits;
    limits.headerMs = 3000;
    limits.idleMs = 4000;
    RunningService service({}, limits);
    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, service.Port());
    QVERIFY(slow.waitForConnected(10'000));
    const QByteArray request = "GET /api/v1/stato HTTP/1.1\r\nHost: x\r\n\r\n";
    int sent = 0;
    QTimer trickle;
    connect(&trickle, &QTimer::timeout, this, [&] {
      if (sent < request.size() && slow.state() == QAbstractSocket::ConnectedState)
        slow.write(request.mid(sent++, 1));
    });
    trickle.start(1000);
    std::vector<std::unique_ptr<QTcpSocket>> idlers;
    // In groups, so that the service, in this same thread, accepts them as
    // they come.
    for (int i = 0; i < idle; ++i) {
      idlers.push_back(std::make_unique<QTcpSocket>());
      idlers.back()->connectToHost(QHostAddress::LocalHost, service.Port());
      if (i % 20 == 19) QTest::qWait(20);
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        std::all_of(
            idlers.begin(), idlers.end(),
            [](const auto& socket) { return socket->state() == QAbstractSocket::ConnectedState; }),
        60'000);
    std::unique_ptr<QNetworkReply> reply(
        Send("GET", service.Url(QStringLiteral("/api/v1/stato")), {}, {}));
    QVERIFY(WaitFor(reply.get()));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    // The slow client is told it took too long; the idle ones are closed.
    QTRY_VERIFY_WITH_TIMEOUT(
        slow.bytesAvailable() > 0 || slow.state() != QAbstractSocket::ConnectedState, 60'000);
    QVERIFY(slow.readAll().startsWith("HTTP/1.1 408"));
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(idlers.begin(), idlers.end(),
                                         [](const auto& socket) {
                                           return socket->state() ==
                                                  QAbstractSocket::UnconnectedState;
                                         }),
                             60'000);
  }

  void connectionCap_data() {
    QTest::addColumn<int>("cap");
    QTest::newRow("three") << 3;
    QTest::newRow("ten") << 10;
  }
  void connectionCap() {
    QFETCH(int, cap);
    velmora::server::Limiti limits;
    limits.connections = cap;
    RunningService service({}, limits);
    std::vector<std::unique_ptr<QTcpSocket>> open;
    for (int i = 0; i < cap; ++i) {
      open.push_back(std::make_unique<QTcpSocket>());
      open.back()->connectToHost(QHostAddress::LocalHost, service.Port());
      QVERIFY(open.back()->waitForConnected(10'000));
    }
    QTcpSocket past;
    past.connectToHost(QHostAddress::LocalHost, service.Port());
    QTRY_VERIFY_WITH_TIMEOUT(past.bytesAvailable() > 0, 30'000);
    QVERIFY(past.readAll().startsWith("HTTP/1.1 503"));
    // One closed, one more is served.
    open.pop_back();
    QTest::qWait(200);
    std::unique_ptr<QNetworkReply> reply(
        Send("GET", service.Url(QStringLiteral("/api/v1/stato")), {}, {}));
    QVERIFY(WaitFor(reply.get()));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
  }

  // Every route and every field of a case is in the OpenAPI document.
  void openApiDescribesAll_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("method");
    QTest::newRow("valutazione") << "/api/v1/valutazione"
                                 << "post";
    QTest::newRow("prospetto") << "/api/v1/prospetto"
                               << "post";
    QTest::newRow("lotto") << "/api/v1/lotto"
                           << "post";
    QTest::newRow("dati") << "/api/v1/dati"
                          << "get";
    QTest::newRow("stato") << "/api/v1/stato"
                           << "get";
    QTest::newRow("openapi") << "/api/v1/openapi.json"
                             << "get";
  }
  void openApiDescribesAll() {
    QFETCH(QString, path);
    QFETCH(QString, method);
    RunningService service;
    std::unique_ptr<QNetworkReply> reply(
        Send("GET", service.Url(QStringLiteral("/api/v1/openapi.json")), {}, {}));
    QVERIFY(WaitFor(reply.get()));
    const QJsonObject document = QJsonDocument::fromJson(reply->readAll()).object();
    QVERIFY(document.value(u"openapi").toString().startsWith(u"3."));
    const QJsonObject paths = document.value(u"paths").toObject();
    QVERIFY2(paths.value(path).toObject().contains(method), qPrintable(path));
    // The route answers the method described, and no other.
    const QByteArray wanted = velmora::server::MethodsOf(velmora::server::RouteOf(path.toUtf8()));
    QCOMPARE(QString::fromLatin1(wanted).toLower(), method);
    const QJsonObject fields = document.value(u"components")
                                   .toObject()
                                   .value(u"schemas")
                                   .toObject()
                                   .value(u"Caso")
                                   .toObject()
                                   .value(u"properties")
                                   .toObject();
    QCOMPARE(fields.keys(), (QStringList{"accrescimento", "anni", "data", "diritto", "imposta",
                                         "nascite", "saggio", "tipo", "valore"}));
  }

  // The service's JSON is the command line's, byte for byte, on generated
  // cases: several lives, rights, taxes, caps, both rates, refusals too.
  void agreement_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("cases");
    QTest::newRow("lifetime and fixed term") << 32u << 10'000;
    QTest::newRow("another draw") << 3232u << 10'000;
  }
  void agreement() {
    QFETCH(quint32, seed);
    QFETCH(int, cases);
    const DatiLegaliCondivisi law = LeggiDatiLegali({});
    server::Impostazioni settings;
    settings.law = law;
    RunningService service(settings);
    QRandomGenerator random(seed);
    int refused = 0;
    const int inFlight = 64;
    for (int first = 0; first < cases; first += inFlight) {
      std::vector<std::pair<DatiValutazione, std::unique_ptr<QNetworkReply>>> sent;
      for (int i = first; i < std::min(cases, first + inFlight); ++i) {
        auto [dati, body] = Generated(random);
        sent.emplace_back(dati, std::unique_ptr<QNetworkReply>(
                                    Send("POST", service.Url(QStringLiteral("/api/v1/valutazione")),
                                         body, {{"Content-Type", "application/json"}})));
      }
      for (auto& [dati, reply] : sent) {
        QVERIFY(WaitFor(reply.get()));
        const Esito direct = ValutaInParole(dati, ColumnNames(), *law);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QByteArray answer = reply->readAll();
        if (const auto* record = std::get_if<RecordValutazione>(&direct)) {
          QCOMPARE(status, 200);
          QCOMPARE(answer, JsonDocument(*record));
        } else {
          ++refused;
          QVERIFY2(status == 422, answer.constData());
        }
      }
    }
    // The draw values most cases and refuses some.
    QVERIFY(refused > 0);
    QVERIFY(refused < cases / 4);
  }

 private:
  // A case as the command line takes it, and the same case as a body.
  static std::pair<DatiValutazione, QByteArray> Generated(QRandomGenerator& random) {
    DatiValutazione dati;
    dati.saggio = random.bounded(5) == 0 ? Saggio::Tabella2016 : Saggio::AllaData;
    dati.tipo =
        random.bounded(3) == 0 ? TipoValutazione::TempoDeterminato : TipoValutazione::Vitalizio;
    dati.diritto = Diritto(random.bounded(3));
    dati.imposta = Imposta(random.bounded(2));
    const qint64 cents = 1 + qint64(random.bounded(100'000'000)) * (1 + random.bounded(100));
    const QDate reference = QDate(2012, 1, 1).addDays(random.bounded(5440));
    dati.riferimento = reference.toString(Qt::ISODate);
    QJsonObject body{
        {"tipo", dati.tipo == TipoValutazione::Vitalizio ? "vitalizio" : "tempo-determinato"},
        {"data", dati.riferimento},
        {"saggio", dati.saggio == Saggio::AllaData ? "data" : "2016"},
        {"diritto", QStringList{"usufrutto", "uso", "abitazione"}[int(dati.diritto)]},
        {"imposta", dati.imposta == Imposta::Registro ? "registro" : "successioni"}};
    const QString italian =
        QString::number(cents / 100) + u',' + QString::number(cents % 100).rightJustified(2, u'0');
    dati.valore = italian;
    if (random.bounded(2) == 0)
      body.insert("valore", italian);
    else
      body.insert("valore", double(cents) / 100);
    QJsonArray births;
    if (dati.tipo == TipoValutazione::Vitalizio) {
      const int lives = 1 + (random.bounded(3) == 0 ? random.bounded(4) : 0);
      for (int i = 0; i < lives; ++i) {
        // Now and then a birth after the act, which both refuse.
        const QDate day = reference.addDays(-qint64(random.bounded(105 * 366)) +
                                            (random.bounded(50) == 0 ? 40000 : 0));
        dati.nascite << (random.bounded(2) ? day.toString(Qt::ISODate)
                                           : day.toString(u"dd/MM/yyyy"));
        births.append(dati.nascite.last());
      }
      if (lives > 1) {
        dati.accrescimento = random.bounded(2) == 1;
        body.insert("accrescimento", *dati.accrescimento);
      }
    } else {
      const int years = 1 + random.bounded(30);
      dati.anni = QString::number(years);
      body.insert("anni", years);
      // The cap of the gift and succession tax at the beneficiary's age.
      if (dati.imposta == Imposta::Successioni && random.bounded(2)) {
        const QDate day = reference.addDays(-qint64(random.bounded(100 * 366)));
        dati.nascite << day.toString(u"dd/MM/yyyy");
        births.append(dati.nascite.last());
      }
    }
    if (!births.isEmpty()) body.insert("nascite", births);
    return {dati, QJsonDocument(body).toJson(QJsonDocument::Compact)};
  }
};

QTEST_GUILESS_MAIN(TestApi)
#include "tst_api.moc"
