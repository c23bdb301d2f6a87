#include "core/decree_text.h"

#include <QDate>
#include <QRegularExpression>

namespace velmora {
namespace {

// dd/mm/yyyy, checked against the calendar.
bool IsDay(const QString& text) {
  return QDate::fromString(text, QStringLiteral("dd/MM/yyyy")).isValid();
}

}  // namespace

std::optional<QString> DecreeText(const QString& asWritten) {
  static const QRegularExpression decree(
      QStringLiteral("^(DM|DD) ([0-9]{2}/[0-9]{2}/[0-9]{4})"
                     "(?: \\(GU (?:([0-9]+), )?([0-9]{2}/[0-9]{2}/[0-9]{4})\\))?(.*)$"));
  const QRegularExpressionMatch m = decree.match(asWritten);
  if (!m.hasMatch()) {
    // "DM" as a word of its own, at the start, is still the decree's kind.
    if (asWritten.startsWith(QLatin1String("DM")) &&
        (asWritten.size() == 2 || !(asWritten[2].isLetterOrNumber() || asWritten[2] == u'_')))
      return QStringLiteral("D.M.") + asWritten.mid(2);
    return asWritten;
  }
  if (!IsDay(m.captured(2))) return std::nullopt;
  QString out =
      (m.captured(1) == u"DM" ? QStringLiteral("D.M. ") : QStringLiteral("D.D. ")) + m.captured(2);
  if (m.hasCaptured(4)) {
    if (!IsDay(m.captured(4))) return std::nullopt;
    const QString number =
        m.hasCaptured(3) ? QStringLiteral("n. ") + m.captured(3) + u' ' : QString();
    out += QStringLiteral(" (G.U. ") + number + QStringLiteral("del ") + m.captured(4) + u')';
  }
  return out + m.captured(5);
}

}  // namespace velmora
