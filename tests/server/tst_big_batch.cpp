#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "running_service.h"
#include "service_process.h"

// A batch of a million rows through the API: the same CSV as "velmora lotto"
// on the same file, with the service's peak memory bounded.
class TestBigBatch : public QObject {
  Q_OBJECT

  // The service's peak resident memory, in KiB, from /proc.
  static qint64 PeakKib(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
      if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
  }

 private slots:
  void sameAsTheCommand_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<qint64>("mostMib");
    // The body is held whole by Qt HttpServer 6.4 before the handler runs
    // (about 45 MiB for a million rows); the answer is streamed.
    QTest::newRow("a million rows") << 1'000'000 << qint64(256);
  }
  void sameAsTheCommand() {
    QFETCH(int, rows);
    QFETCH(qint64, mostMib);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("casi.csv"));
    QByteArray body = "tipo;valore;nascita;anni;data;saggio;diritto;accrescimento;imposta\n";
    body.reserve(qsizetype(rows) * 60);
    for (int i = 0; i < rows; ++i) {
      const QByteArray value =
          QByteArray::number(1000 + (i % 99991) * 13) + ',' + QByteArray::number(10 + i % 90);
      const QByteArray day = QDate(2014, 1, 1).addDays(i % 4700).toString(u"dd/MM/yyyy").toLatin1();
      switch (i % 4) {
        case 0:
          body += "vitalizio;" + value + ';' +
                  QDate(1930, 1, 1).addDays(i % 25000).toString(u"dd/MM/yyyy").toLatin1() + ";;" +
                  day + ";data;usufrutto;;registro\n";
          break;
        case 1:
          body += "vitalizio;" + value + ";01/02/1940+03/04/1950;;" + day +
                  ";data;uso;si;successioni\n";
          break;
        case 2:
          body += "tempo-determinato;" + value + ";;" + QByteArray::number(1 + i % 30) + ';' + day +
                  ";2016;abitazione;;registro\n";
          break;
        default:
          // Refused rows go through too, with their message.
          body += "vitalizio;" + value + ".5;01/02/1940;;" + day + ";data;usufrutto;;registro\n";
      }
    }
    {
      QFile out(file);
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write(body);
    }
    QProcess command;
    command.start(QStringLiteral(VELMORA_PROGRAM), {QStringLiteral("lotto"), file});
    QVERIFY(command.waitForStarted());
    QByteArray expected;
    while (command.state() != QProcess::NotRunning) {
      command.waitForReadyRead(1000);
      expected += command.readAllStandardOutput();
    }
    expected += command.readAllStandardOutput();
    QCOMPARE(expected.count('\n'), rows + 1);

    ServiceProcess service;
    QVERIFY(!service.Url().isEmpty());
    QNetworkAccessManager network;
    QNetworkRequest request{QUrl(service.Url() + QStringLiteral("api/v1/lotto"))};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("text/csv"));
    std::unique_ptr<QNetworkReply> reply(network.post(request, body));
    body.clear();
    body.squeeze();
    QVERIFY(WaitFor(reply.get(), 600'000));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    const QByteArray answer = reply->readAll();
    QCOMPARE(answer.size(), expected.size());
    QVERIFY(answer == expected);
    const qint64 peak = PeakKib(service.Process().processId());
    qInfo("peak resident memory of the service: %lld KiB", peak);
    QVERIFY(peak > 0);
    QVERIFY2(peak < mostMib * 1024, qPrintable(QString::number(peak)));
  }
};

QTEST_GUILESS_MAIN(TestBigBatch)
#include "tst_big_batch.moc"
