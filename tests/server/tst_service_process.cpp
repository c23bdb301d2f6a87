#include <signal.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <memory>

#include "running_service.h"
#include "service_process.h"

// The command itself: its start line, its usage errors, its log without a
// case's data, its clean stop, and the same JSON as the command line's own
// process for the same case.
class TestServiceProcess : public QObject {
  Q_OBJECT

  QNetworkAccessManager network_;

  QNetworkReply* Post(const QString& url, const QByteArray& body) {
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
    return network_.post(request, body);
  }

 private slots:
  void usageErrors_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("port past the range") << QStringList{"--porta", "70000"} << "porta non valida";
    QTest::newRow("port as a name") << QStringList{"--porta", "http"} << "porta non valida";
    QTest::newRow("address") << QStringList{"--indirizzo", "localhost:80"}
                             << "indirizzo non valido";
    QTest::newRow("certificate alone")
        << QStringList{"--certificato", "c.pem"} << "--certificato e --chiave";
    QTest::newRow("batch limit") << QStringList{"--limite-lotto", "0"} << "limite del lotto";
    QTest::newRow("origin with a path")
        << QStringList{"--origine", "https://a.example/x"} << "origine non valida";
    QTest::newRow("unknown") << QStringList{"--formato", "json"} << "opzione non riconosciuta";
    QTest::newRow("repeated") << QStringList{"--porta", "1", "--porta", "2"} << "più di una volta";
    QTest::newRow("no value") << QStringList{"--porta"} << "richiede un valore";
  }
  void usageErrors() {
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QProcess process;
    process.start(QStringLiteral(VELMORA_PROGRAM), QStringList{"servizio"} + options);
    QVERIFY(process.waitForFinished(30'000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY2(QString::fromUtf8(process.readAllStandardError()).contains(message),
             qPrintable(message));
  }

  // The start line, a log line a request with no value or date in it, and a
  // stop on the signal with status 0.
  void logAndStop_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
  }
  void logAndStop() {
    QFETCH(int, signal);
    ServiceProcess service;
    QVERIFY2(service.Url().startsWith(u"http://127.0.0.1:"), service.Errors().constData());
    std::unique_ptr<QNetworkReply> reply(
        Post(service.Url() + QStringLiteral("api/v1/valutazione"),
             R"({"tipo": "vitalizio", "valore": 123456, "nascite": ["1950-02-01"],
                "data": "2026-12-07"})"));
    QVERIFY(WaitFor(reply.get()));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    ::kill(pid_t(service.Process().processId()), signal);
    QVERIFY(service.Process().waitForFinished(30'000));
    QCOMPARE(service.Process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(service.Process().exitCode(), 0);
    const QString log = QString::fromUtf8(service.Errors());
    static const QRegularExpression line(
        QStringLiteral("\nPOST /api/v1/valutazione 200 [0-9]+ms\n"));
    QVERIFY2(line.match(log).hasMatch(), qPrintable(log));
    for (const char* secret : {"123456", "1950", "2026-12", "02/1950"})
      QVERIFY2(!log.contains(QLatin1StringView(secret)), secret);
  }

  // The same case through the service and through "velmora ... --formato
  // json" as a process of its own.
  void sameAsTheCommandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("body");
    const QStringList kinds{"vitalizio", "tempo-determinato"};
    const QStringList rights{"usufrutto", "uso", "abitazione"};
    const QStringList taxes{"registro", "successioni"};
    for (int i = 0; i < 100; ++i) {
      const QString kind = kinds[i % 3 == 2 ? 1 : 0];
      const QString right = rights[i % 3];
      const QString tax = taxes[(i / 3) % 2];
      const QDate reference = QDate(2001, 1, 1).addDays(i * 97);
      const QString value =
          QString::number(1000 + i * 7919) + QStringLiteral(",") + QString::number(10 + i % 90);
      QStringList arguments{
          kind,        "--valore", value,       "--data", reference.toString(Qt::ISODate),
          "--diritto", right,      "--imposta", tax,      "--formato",
          "json"};
      QJsonObject body{{"tipo", kind},
                       {"valore", value},
                       {"data", reference.toString(Qt::ISODate)},
                       {"diritto", right},
                       {"imposta", tax}};
      if (i % 4 == 0) {
        arguments << "--saggio"
                  << "2016";
        body.insert("saggio", "2016");
      }
      if (kind == u"vitalizio") {
        QJsonArray births;
        const int lives = 1 + i % 3;
        for (int life = 0; life < lives; ++life) {
          const QString birth =
              reference.addDays(-(20 + life * 7 + i) * 365).toString(u"dd/MM/yyyy");
          arguments << "--nascita" << birth;
          births.append(birth);
        }
        body.insert("nascite", births);
        if (lives > 1) {
          arguments << "--accrescimento" << (i % 2 ? "si" : "no");
          body.insert("accrescimento", i % 2 == 1);
        }
      } else {
        const QString years = QString::number(1 + i % 30);
        arguments << "--anni" << years;
        body.insert("anni", years);
      }
      QTest::addRow("case %d", i) << arguments << QJsonDocument(body).toJson();
    }
  }
  void sameAsTheCommandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, body);
    if (!service_) service_ = std::make_unique<ServiceProcess>();
    QProcess command;
    command.start(QStringLiteral(VELMORA_PROGRAM), arguments);
    QVERIFY(command.waitForFinished(30'000));
    const QByteArray written = command.readAllStandardOutput();
    std::unique_ptr<QNetworkReply> reply(
        Post(service_->Url() + QStringLiteral("api/v1/valutazione"), body));
    QVERIFY(WaitFor(reply.get()));
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QCOMPARE(status, command.exitCode() == 0 ? 200 : 422);
    if (status == 200) QCOMPARE(reply->readAll(), written);
  }
  void cleanupTestCase() { service_.reset(); }

 private:
  std::unique_ptr<ServiceProcess> service_;
};

QTEST_GUILESS_MAIN(TestServiceProcess)
#include "tst_service_process.moc"
