#include "core/numbers/date_text.h"

#include <algorithm>
#include <iterator>

namespace velmora {
namespace {

constexpr std::string_view kMonths[12] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                          "maggio",    "giugno",   "luglio",   "agosto",
                                          "settembre", "ottobre",  "novembre", "dicembre"};

// The years a four-digit year may name: those of the classic date type.
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

bool IsBlank(QChar c) {
  const char16_t u = c.unicode();
  return u == u' ' || u == u'\t' || u == u'\r' || u == u'\n' || u == u'\u00A0';
}

bool IsDigit(QChar c) {
  return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// ASCII only: other scripts' case mappings must not turn a foreign letter
// into a month name.
char LowerAscii(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'A' && u <= u'Z') return char(u - u'A' + 'a');
  if (u >= u'a' && u <= u'z') return char(u);
  return 0;
}

// A left-to-right reader that never looks at a character twice.
class Cursor {
 public:
  explicit Cursor(QStringView text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  QChar Peek() const { return AtEnd() ? QChar() : text_[pos_]; }
  void Next() { ++pos_; }

  qsizetype SkipBlanks() {
    const qsizetype start = pos_;
    while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
    return pos_ - start;
  }

  // A run of digits of a length in [minLength, maxLength], as its value; the
  // run stops at the first character that is not a digit.
  std::optional<int> Number(qsizetype minLength, qsizetype maxLength, qsizetype* length = nullptr) {
    int value = 0;
    qsizetype count = 0;
    while (!AtEnd() && IsDigit(text_[pos_])) {
      if (++count > maxLength) return std::nullopt;
      value = value * 10 + (text_[pos_].unicode() - u'0');
      ++pos_;
    }
    if (count < minLength) return std::nullopt;
    if (length) *length = count;
    return value;
  }

  // A month name, whole or in its first three letters, in any case.
  std::optional<int> Month() {
    const qsizetype start = pos_;
    while (!AtEnd() && LowerAscii(text_[pos_]) != 0) ++pos_;
    const QStringView word = text_.mid(start, pos_ - start);
    for (int m = 0; m < 12; ++m) {
      const std::string_view name = kMonths[m];
      if (word.size() != 3 && word.size() != qsizetype(name.size())) continue;
      if (std::equal(word.begin(), word.end(), name.begin(),
                     [](QChar c, char n) { return LowerAscii(c) == n; })) {
        return m + 1;
      }
    }
    return std::nullopt;
  }

 private:
  QStringView text_;
  qsizetype pos_ = 0;
};

// How a reader takes the parts of a date.
enum class Reading {
  Typed,   // two-digit years, and month and day swapped when the month is no month
  Strict,  // four-digit years only, day before month always
};

// Two or four digits; two-digit years fall in 1930 to 2029.
std::optional<int> Year(Cursor& in, Reading reading) {
  qsizetype length = 0;
  const auto year = in.Number(reading == Reading::Strict ? 4 : 2, 4, &length);
  if (!year) return std::nullopt;
  if (length == 2) return *year < 30 ? 2000 + *year : 1900 + *year;
  if (length == 4 && *year >= kFirstYear && *year <= kLastYear) return year;
  return std::nullopt;
}

std::optional<QDate> MakeDate(int year, int month, int day) {
  const QDate date(year, month, day);
  if (!date.isValid()) return std::nullopt;
  return date;
}

std::optional<QDate> Read(QStringView text, Reading reading) {
  Cursor in(text);
  in.SkipBlanks();
  const auto day = in.Number(1, 2);
  if (!day) return std::nullopt;

  std::optional<QDate> date;
  const QChar separator = in.Peek();
  if (separator == u'/' || separator == u'-' || separator == u'.') {
    in.Next();
    const auto month = in.Number(1, 2);
    if (!month || in.Peek() != separator) return std::nullopt;
    in.Next();
    const auto year = Year(in, reading);
    if (!year) return std::nullopt;
    // A month part beyond 12 with a possible month in the day part was
    // written month first.
    if (reading == Reading::Typed && *month > 12 && *day <= 12) {
      date = MakeDate(*year, *day, *month);
    } else {
      date = MakeDate(*year, *month, *day);
    }
  } else {
    if (in.SkipBlanks() == 0) return std::nullopt;
    const auto month = in.Month();
    if (!month || in.SkipBlanks() == 0) return std::nullopt;
    const auto year = Year(in, reading);
    if (!year) return std::nullopt;
    date = MakeDate(*year, *month, *day);
  }
  in.SkipBlanks();
  if (!in.AtEnd()) return std::nullopt;
  return date;
}

// yyyy-mm-dd, exactly so.
std::optional<QDate> ReadIso(QStringView text) {
  Cursor in(text.trimmed());
  const auto year = in.Number(4, 4);
  if (!year || in.Peek() != u'-') return std::nullopt;
  in.Next();
  const auto month = in.Number(2, 2);
  if (!month || in.Peek() != u'-') return std::nullopt;
  in.Next();
  const auto day = in.Number(2, 2);
  if (!day || !in.AtEnd() || *year < kFirstYear) return std::nullopt;
  return MakeDate(*year, *month, *day);
}

}  // namespace

std::optional<QDate> ReadDate(QStringView text) {
  return Read(text, Reading::Typed);
}

std::optional<QDate> ReadStrictDate(QStringView text) {
  if (const auto date = ReadIso(text)) return date;
  if (IsEightDigits(text)) {
    // ddmmyyyy, never swapped: "12251950" is no date.
    const QStringView d = text.trimmed();
    auto number = [&d](qsizetype from, qsizetype length) {
      int n = 0;
      for (const QChar c : d.mid(from, length)) n = n * 10 + (c.unicode() - u'0');
      return n;
    };
    if (number(4, 4) < kFirstYear) return std::nullopt;
    return MakeDate(number(4, 4), number(2, 2), number(0, 2));
  }
  return Read(text, Reading::Strict);
}

QString SlashedDate(const QDate& date) {
  int year = 0, month = 0, day = 0;
  date.getDate(&year, &month, &day);
  auto digit = [](int n) { return char16_t(u'0' + n % 10); };
  const char16_t text[] = {digit(day / 10),    digit(day),        u'/',
                           digit(month / 10),  digit(month),      u'/',
                           digit(year / 1000), digit(year / 100), digit(year / 10),
                           digit(year)};
  return QString(reinterpret_cast<const QChar*>(text), qsizetype(std::size(text)));
}

QString PeriodText(const QDate& from, const QDate& to) {
  const QString start = QStringLiteral("dal ") + SlashedDate(from);
  return to.isValid() ? start + QStringLiteral(" al ") + SlashedDate(to) : start;
}

QString LongDateText(const QDate& date) {
  if (!date.isValid()) return {};
  return QString::number(date.day()) + u' ' + QLatin1StringView(kMonths[date.month() - 1]) + u' ' +
         QString::number(date.year()).rightJustified(4, u'0');
}

QString ActLongDateText(const QDate& date) {
  QString text = LongDateText(date);
  if (date.isValid() && date.day() == 1) text.insert(1, u'°');
  return text;
}

QString FormatLongDate(QStringView text) {
  const auto date = ReadDate(text);
  return date ? LongDateText(*date) : text.toString();
}

QString BirthDigitsToDate(QStringView typed) {
  if (typed.isEmpty()) return {};
  auto part = [&](qsizetype start, qsizetype length) {
    start = std::min(start, typed.size());
    return typed.mid(start, std::min(length, typed.size() - start));
  };
  QString joined;
  joined.reserve(10);
  joined.append(part(0, 2)).append(u'/').append(part(2, 2)).append(u'/').append(part(4, 4));
  const auto date = ReadDate(joined);
  return date ? SlashedDate(*date) : joined;
}

bool IsEightDigits(QStringView text) {
  const QStringView digits = text.trimmed();
  return digits.size() == 8 && std::all_of(digits.begin(), digits.end(), IsDigit);
}

std::optional<QDate> ReadDateOrDigits(QStringView text) {
  if (auto date = ReadDate(text)) return date;
  if (!IsEightDigits(text)) return std::nullopt;
  return ReadDate(BirthDigitsToDate(text.trimmed()));
}

}  // namespace velmora
