#include "core/law/decree_text.h"

#include <QDate>

#include "core/numbers/date_text.h"

namespace velmora {
namespace {

// Reads the text at `at` when it is what `read` wants, moving past it.
class Cursor {
 public:
  explicit Cursor(QStringView text) : text_(text) {}
  qsizetype At() const { return at_; }
  void Back(qsizetype at) { at_ = at; }
  QStringView Rest() const { return text_.sliced(at_); }

  bool Literal(QStringView word) {
    if (!Rest().startsWith(word)) return false;
    at_ += word.size();
    return true;
  }
  // One digit or more.
  bool Digits(QStringView& digits) {
    qsizetype end = at_;
    while (end < text_.size() && text_[end] >= u'0' && text_[end] <= u'9') ++end;
    if (end == at_) return false;
    digits = text_.sliced(at_, end - at_);
    at_ = end;
    return true;
  }
  // dd/mm/yyyy, digits in their places; whether it is a calendar day is the
  // caller's question.
  bool Day(QStringView& day) {
    static constexpr char kForm[] = "00/00/0000";
    if (Rest().size() < 10) return false;
    for (qsizetype i = 0; i < 10; ++i) {
      const QChar c = text_[at_ + i];
      if (kForm[i] == '/' ? c != u'/' : !(c >= u'0' && c <= u'9')) return false;
    }
    day = text_.sliced(at_, 10);
    at_ += 10;
    return true;
  }

 private:
  QStringView text_;
  qsizetype at_ = 0;
};

QDate DayOf(QStringView dd_mm_yyyy) {
  return QDate(dd_mm_yyyy.sliced(6, 4).toInt(), dd_mm_yyyy.sliced(3, 2).toInt(),
               dd_mm_yyyy.sliced(0, 2).toInt());
}

bool IsDay(QStringView dd_mm_yyyy) {
  return DayOf(dd_mm_yyyy).isValid();
}

}  // namespace

std::optional<QString> DecreeText(const QString& asWritten) {
  Cursor cursor(asWritten);
  const bool ministerial = cursor.Literal(u"DM ");
  QStringView day;
  if (!(ministerial || cursor.Literal(u"DD ")) || !cursor.Day(day)) {
    // "DM" as a word of its own, at the start, is still the decree's kind.
    if (asWritten.startsWith(QLatin1String("DM")) &&
        (asWritten.size() == 2 || !(asWritten[2].isLetterOrNumber() || asWritten[2] == u'_')))
      return QStringLiteral("D.M.") + asWritten.mid(2);
    return asWritten;
  }
  if (!IsDay(day)) return std::nullopt;
  QString out = ministerial ? QStringLiteral("D.M. ") : QStringLiteral("D.D. ");
  out += day;

  // " (GU 291, 15/12/2015)" or " (GU 15/12/2015)"; anything else is words after.
  const qsizetype afterDay = cursor.At();
  QStringView number;
  QStringView gazetteDay;
  bool gazette = cursor.Literal(u" (GU ");
  if (gazette) {
    const qsizetype beforeNumber = cursor.At();
    if (!(cursor.Digits(number) && cursor.Literal(u", "))) {
      number = QStringView();
      cursor.Back(beforeNumber);
    }
    gazette = cursor.Day(gazetteDay) && cursor.Literal(u")");
  }
  if (!gazette) {
    cursor.Back(afterDay);
  } else {
    if (!IsDay(gazetteDay)) return std::nullopt;
    out += QStringLiteral(" (G.U. ");
    if (!number.isEmpty()) {
      out += QStringLiteral("n. ");
      out += number;
      out += u' ';
    }
    out += QStringLiteral("del ");
    out += gazetteDay;
    out += u')';
  }
  out += cursor.Rest();
  return out;
}

QString DecreeCitedText(const QString& shown) {
  Cursor cursor(shown);
  QStringView day;
  if (!(cursor.Literal(u"D.M. ") || cursor.Literal(u"D.D. ")) || !cursor.Day(day) || !IsDay(day))
    return shown;
  QString out = shown.left(5) + ActLongDateText(DayOf(day));

  // " (G.U. n. 291 del 15/12/2015)" or " (G.U. del 15/12/2015)".
  const qsizetype afterDay = cursor.At();
  QStringView number;
  QStringView gazetteDay;
  bool gazette = cursor.Literal(u" (G.U. ");
  if (gazette && cursor.Literal(u"n. ")) gazette = cursor.Digits(number) && cursor.Literal(u" ");
  gazette = gazette && cursor.Literal(u"del ") && cursor.Day(gazetteDay) && IsDay(gazetteDay) &&
            cursor.Literal(u")");
  if (!gazette) {
    cursor.Back(afterDay);
  } else {
    out += QStringLiteral(" (G.U. ") + ActLongDateText(DayOf(gazetteDay));
    if (!number.isEmpty()) {
      out += QStringLiteral(", n. ");
      out += number;
    }
    out += u')';
  }
  out += cursor.Rest();
  return out;
}

}  // namespace velmora
