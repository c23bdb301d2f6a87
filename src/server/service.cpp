#include "server/service.h"

#include <sys/resource.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "core/law/system_reason.h"
#include "server/cases.h"
#include "server/connection_guard.h"
#include "server/http_service.h"
#include "server/routes.h"
#include "server/server_texts.h"
#include "server/service_options.h"

namespace velmora::server {
namespace {

void Write(const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
  std::fflush(stderr);
}

int signalPipe[2] = {-1, -1};

void OnSignal(int) {
  const char byte = 1;
  // Nothing to do if the pipe is full: a stop is already on its way.
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// A file's bytes, or nothing when it cannot be read (said on stderr).
std::optional<QByteArray> ReadWhole(const QString& name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    Write(text::kServiceUnreadableFile.arg(name, file.errorString()).toUtf8());
    return std::nullopt;
  }
  return file.readAll();
}

// Many idle clients must not starve the others of file descriptors.
void RaiseOpenFiles() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
  }
}

int Serve(int argc, char** argv, const OpzioniServizio& options,
          const std::function<QDateTime()>& clock) {
  QCoreApplication app(argc, argv);
  std::signal(SIGPIPE, SIG_IGN);
  RaiseOpenFiles();

  Impostazioni settings;
  settings.batchLimit = options.batchLimit;
  settings.origin = options.origin.toUtf8();
  settings.log = [](const QByteArray& line) { Write(line); };
  settings.clock = clock;
  settings.law = LeggiDatiLegali(AdditionFolders());
  if (!options.tokenFile.isEmpty()) {
    const auto bytes = ReadWhole(options.tokenFile);
    if (!bytes) return 3;
    settings.token = bytes->split('\n').first().trimmed();
    if (settings.token.isEmpty()) {
      Write(text::kServiceUnreadableFile.arg(options.tokenFile, text::kEmptyToken).toUtf8());
      return 3;
    }
  }

  // The legal data are read once, now, as the command line reads them.
  if (const QString refused = RefusedDataFiles(*settings.law); !refused.isEmpty())
    Write(refused.toUtf8());

  Limiti limits;
  limits.bodyLimit = [&settings](QByteArrayView path) {
    return RouteOf(path) == Rotta::Lotto ? settings.batchLimit : settings.caseLimit;
  };
  limits.limitText = [&limits](QByteArrayView path) { return LimitText(limits.bodyLimit(path)); };

  HttpService service(settings);
  QTcpServer* listener = nullptr;
  const bool tls = !options.certificate.isEmpty();
  if (tls) {
    const auto certificate = ReadWhole(options.certificate);
    const auto key = ReadWhole(options.key);
    if (!certificate || !key) return 3;
    QList<QSslCertificate> chain = QSslCertificate::fromData(*certificate, QSsl::Pem);
    if (chain.isEmpty()) {
      Write(text::kServiceUnreadableFile.arg(options.certificate, text::kNoCertificate).toUtf8());
      return 3;
    }
    QSslKey privateKey(*key, QSsl::Rsa, QSsl::Pem);
    if (privateKey.isNull()) privateKey = QSslKey(*key, QSsl::Ec, QSsl::Pem);
    if (privateKey.isNull()) {
      Write(text::kServiceUnreadableFile.arg(options.key, text::kNoKey).toUtf8());
      return 3;
    }
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(privateKey);
    service.sslSetup(configuration);
    auto* ssl = new GuardedSslServer(limits, &service);
    ssl->setSslConfiguration(configuration);
    ssl->setHandshakeTimeout(limits.headerMs);
    listener = ssl;
  } else {
    listener = new GuardedTcpServer(limits, &service);
  }
  // A burst of connections waits in the kernel rather than being dropped.
  listener->setListenBacklogSize(1024);
  if (!listener->listen(options.address, options.port)) {
    Write(text::kCannotListen
              .arg(options.addressText, QString::number(options.port), listener->errorString())
              .toUtf8());
    return 3;
  }
  service.bind(listener);

  if (::pipe(signalPipe) != 0) return 3;
  QSocketNotifier stop(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(&stop, &QSocketNotifier::activated, &app, [&] {
    stop.setEnabled(false);
    Write(text::kStopping.toUtf8());
    // No new connection; the answers being written are finished first.
    listener->close();
    auto* wait = new QTimer(&app);
    int rounds = 0;
    QObject::connect(wait, &QTimer::timeout, &app, [&, wait] {
      bool pending = false;
      for (QTcpSocket* socket : service.findChildren<QTcpSocket*>())
        pending = pending || socket->bytesToWrite() > 0;
      if (!pending || ++rounds > 200) {
        wait->stop();
        QCoreApplication::quit();
      }
    });
    wait->start(50);
  });
  std::signal(SIGTERM, OnSignal);
  std::signal(SIGINT, OnSignal);

  const QString host = options.address.protocol() == QAbstractSocket::IPv6Protocol
                           ? u'[' + options.addressText + u']'
                           : options.addressText;
  Write(text::kListening
            .arg(tls ? QStringLiteral("https") : QStringLiteral("http"), host,
                 QString::number(listener->serverPort()))
            .toUtf8());
  return app.exec();
}

}  // namespace

std::optional<int> AnswerService(int argc, char** argv, const std::function<QDateTime()>& clock) {
  if (argc < 2 || std::strcmp(argv[1], "servizio") != 0) return std::nullopt;
  QStringList arguments;
  for (int i = 2; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  // Help is the command line's, with servizio among the commands.
  if (arguments.contains(u"--help") || arguments.contains(u"-h")) return std::nullopt;
  auto options = ReadServiceOptions(arguments);
  if (const QString* fault = std::get_if<QString>(&options)) {
    Write(text::kServiceUsageError.arg(*fault).toUtf8());
    return 2;
  }
  return Serve(argc, argv, std::get<OpzioniServizio>(options), clock);
}

}  // namespace velmora::server
