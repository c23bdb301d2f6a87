#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <variant>

// The options of "velmora servizio", read strictly like the command line's.
namespace velmora::server {

struct OpzioniServizio {
  QHostAddress address{QHostAddress::LocalHost};
  QString addressText = QStringLiteral("127.0.0.1");
  quint16 port = 8470;
  QString certificate;
  QString key;
  QString tokenFile;
  QString origin;  // the one origin allowed across sites; empty for none
  qint64 batchLimit = qint64(256) * 1024 * 1024;
};

// The arguments after "servizio": the options, or the usage error.
std::variant<OpzioniServizio, QString> ReadServiceOptions(const QStringList& arguments);

}  // namespace velmora::server
