#include "server/service_options.h"

#include <QRegularExpression>
#include <QSet>

#include "server/server_texts.h"

namespace velmora::server {
namespace {

std::optional<QString> Apply(OpzioniServizio& options, const QString& name, const QString& value) {
  if (name == u"--indirizzo") {
    QHostAddress address;
    if (!address.setAddress(value)) return text::kBadAddress.arg(value);
    options.address = address;
    options.addressText = value;
  } else if (name == u"--porta") {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const int port = digits.match(value).hasMatch() ? value.toInt() : -1;
    if (port < 0 || port > 65535) return text::kBadPort.arg(value);
    options.port = quint16(port);
  } else if (name == u"--certificato") {
    options.certificate = value;
  } else if (name == u"--chiave") {
    options.key = value;
  } else if (name == u"--token-file") {
    options.tokenFile = value;
  } else if (name == u"--origine") {
    static const QRegularExpression origin(
        QStringLiteral("^https?://[A-Za-z0-9.-]+(:[0-9]{1,5})?$|^https?://\\[[0-9A-Fa-f:.]+\\]"
                       "(:[0-9]{1,5})?$"));
    if (!origin.match(value).hasMatch()) return text::kBadOrigin.arg(value);
    options.origin = value;
  } else if (name == u"--limite-lotto") {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    const int mib = digits.match(value).hasMatch() ? value.toInt() : 0;
    if (mib < 1 || mib > 4096) return text::kBadLimit.arg(value);
    options.batchLimit = qint64(mib) * 1024 * 1024;
  } else {
    return text::kServiceUnknownOption.arg(name);
  }
  return std::nullopt;
}

}  // namespace

std::variant<OpzioniServizio, QString> ReadServiceOptions(const QStringList& arguments) {
  OpzioniServizio options;
  QSet<QString> given;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    QString name = arguments[i];
    QString value;
    bool joined = false;
    // --porta=8470 as well as --porta 8470.
    if (const qsizetype equals = name.indexOf(u'='); name.startsWith(u"--") && equals > 0) {
      value = name.mid(equals + 1);
      name.truncate(equals);
      joined = true;
    }
    static const QStringList known{QStringLiteral("--indirizzo"),   QStringLiteral("--porta"),
                                   QStringLiteral("--certificato"), QStringLiteral("--chiave"),
                                   QStringLiteral("--token-file"),  QStringLiteral("--origine"),
                                   QStringLiteral("--limite-lotto")};
    if (!known.contains(name)) return text::kServiceUnknownOption.arg(arguments[i]);
    if (given.contains(name)) return text::kServiceRepeatedOption.arg(name);
    given.insert(name);
    if (!joined) {
      if (i + 1 >= arguments.size()) return text::kServiceOptionNeedsValue.arg(name);
      value = arguments[++i];
    }
    if (value.isEmpty()) return text::kServiceOptionNeedsValue.arg(name);
    if (const auto fault = Apply(options, name, value)) return *fault;
  }
  if (options.certificate.isEmpty() != options.key.isEmpty()) return text::kCertificateWithKey;
  return options;
}

}  // namespace velmora::server
