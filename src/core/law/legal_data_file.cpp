#include "core/law/legal_data_file.h"

#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>

#include "core/law/decree_text.h"
#include "core/law/legal_data_messages.h"
#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"

namespace velmora {
namespace {

// Past this many, more reasons only hide the first ones.
constexpr std::size_t kMostProblems = 100;
constexpr int kColumns = 5;
constexpr DataForm kForms[] = {DataForm::LegalRates, DataForm::LifetimeCoefficients,
                               DataForm::RateFloors, DataForm::Statutes};

QString BandName(std::size_t band) {
  return QString::number(kAgeBandLimits[band][0]) + u'-' + QString::number(kAgeBandLimits[band][1]);
}

QStringList Columns(DataForm form) {
  switch (form) {
    case DataForm::LegalRates:
      return {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("rate_percent"),
              QStringLiteral("set_by"), QStringLiteral("source")};
    case DataForm::LifetimeCoefficients: {
      QStringList bands;
      for (std::size_t band = 0; band < kAgeBandLimits.size(); ++band) bands << BandName(band);
      return {QStringLiteral("year"), QStringLiteral("rate_used_percent"), QStringLiteral("decree"),
              QStringLiteral("coefficients (bands ") + bands.join(QStringLiteral(", ")) + u')',
              QStringLiteral("source")};
    }
    case DataForm::RateFloors:
      return {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("floor_percent"),
              QStringLiteral("statute"), QStringLiteral("source")};
    case DataForm::Statutes:
      return {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("subject"),
              QStringLiteral("citation"), QStringLiteral("source")};
  }
  return {};
}

// A text of the file inside a message, cut short: a line may be megabytes.
QString Quoted(QStringView text) {
  constexpr qsizetype kLongest = 40;
  return text.size() <= kLongest ? text.toString() : text.left(kLongest).toString() + u'…';
}

class Problems {
 public:
  explicit Problems(const QString& file) : file_(file) {}
  void Add(int line, const QString& reason) {
    if (list_.size() < kMostProblems)
      list_.push_back({file_, line, reason});
    else if (list_.size() == kMostProblems)
      list_.push_back({file_, line, text::kDataTooManyProblems});
  }
  bool Full() const { return list_.size() > kMostProblems; }
  bool Empty() const { return list_.empty(); }
  std::vector<DataProblem> Take() {
    std::stable_sort(list_.begin(), list_.end(),
                     [](const DataProblem& a, const DataProblem& b) { return a.line < b.line; });
    return std::move(list_);
  }

 private:
  QString file_;
  std::vector<DataProblem> list_;
};

enum class Number { Read, Comma, NotNumber, Decimals, TooLarge };

// Digits with at most two decimals after a full stop, in hundredths: "2.5" is
// 250. Nothing else: no sign, no blank, no exponent, no comma.
Number ReadHundredths(QStringView text, qint64& value) {
  const qsizetype point = text.indexOf(u'.');
  const QStringView whole = point < 0 ? text : text.left(point);
  const QStringView decimals = point < 0 ? QStringView() : text.mid(point + 1);
  const auto digits = [](QStringView part) {
    return !part.isEmpty() &&
           std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  };
  if (!digits(whole) || (point >= 0 && !digits(decimals))) {
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0 && point < 0 && digits(text.left(comma)) && digits(text.mid(comma + 1)))
      return Number::Comma;
    return Number::NotNumber;
  }
  if (decimals.size() > 2) return Number::Decimals;
  qsizetype first = 0;
  while (first + 1 < whole.size() && whole[first] == u'0') ++first;
  if (whole.size() - first > 9) return Number::TooLarge;
  value = 0;
  for (QChar digit : whole.sliced(first)) value = value * 10 + (digit.unicode() - u'0');
  for (qsizetype place = 0; place < 2; ++place)
    value = value * 10 + (place < decimals.size() ? decimals[place].unicode() - u'0' : 0);
  return Number::Read;
}

// One line's fields, read and checked, each with the reasons it is refused.
class RowReader {
 public:
  RowReader(const QStringList& fields, const QStringList& columns, int line, Problems& problems)
      : fields_(fields), columns_(columns), line_(line), problems_(problems) {}

  bool Refused() const { return refused_; }
  QString Text(int column) const { return fields_[column].trimmed(); }

  void Refuse(const QString& reason) {
    refused_ = true;
    problems_.Add(line_, reason);
  }

  // yyyy-mm-dd and a calendar day; an empty text is no day, refused when
  // `required`.
  QDate Day(int column, bool required) {
    const QString& text = fields_[column];
    if (text.isEmpty() && !required) return QDate();
    const bool form = text.size() == 10 && text[4] == u'-' && text[7] == u'-' &&
                      std::all_of(text.begin(), text.end(),
                                  [](QChar c) { return c == u'-' || (c >= u'0' && c <= u'9'); });
    if (!form) {
      Refuse(text.isEmpty() && column == 1
                 ? text::kDataNoLastDay
                 : text::kDataDateForm.arg(columns_[column], Quoted(text)));
      return QDate();
    }
    const QDate day(text.left(4).toInt(), text.mid(5, 2).toInt(), text.mid(8, 2).toInt());
    if (!day.isValid()) Refuse(text::kDataDateNotDay.arg(columns_[column], text));
    return day;
  }

  // A period: its first day, and its last unless `open` allows none.
  std::pair<QDate, QDate> Period(bool open) {
    const QDate from = Day(0, true);
    const QDate to = Day(1, !open);
    if (from.isValid() && to.isValid() && to < from)
      Refuse(text::kDataToBeforeFrom.arg(SlashedDate(from), SlashedDate(to)));
    return {from, to};
  }

  // A rate in hundredths, above 0 and below 100 %.
  int Rate(int column) { return RateOf(fields_[column], columns_[column]); }

  int RateOf(const QString& text, const QString& column) {
    qint64 value = 0;
    switch (ReadHundredths(text, value)) {
      case Number::Read:
        if (value > 0 && value < 100 * 100) return int(value);
        [[fallthrough]];
      case Number::TooLarge:
        Refuse(text::kDataRateRange.arg(column, Quoted(text)));
        return 0;
      case Number::Comma:
        Refuse(text::kDataDecimalComma.arg(column, text, QString(text).replace(u',', u'.')));
        return 0;
      case Number::Decimals:
        Refuse(text::kDataDecimals.arg(column, Quoted(text)));
        return 0;
      case Number::NotNumber:
        break;
    }
    Refuse(text::kDataNotNumber.arg(column, Quoted(text)));
    return 0;
  }

  // A text that may not be empty, nor longer than a citation can be.
  QString Required(int column) {
    QString text = Text(column);
    if (text.isEmpty()) Refuse(text::kDataEmpty.arg(columns_[column]));
    if (text.size() > kLongestCitation) {
      Refuse(text::kDataTooLong.arg(columns_[column], QString::number(text.size()),
                                    QString::number(kLongestCitation)));
    }
    return text;
  }

  // A decree, as the user reads it.
  QString Decree(int column) {
    const QString text = Required(column);
    if (text.isEmpty()) return text;
    std::optional<QString> shown = DecreeText(text);
    if (!shown) Refuse(text::kDataDecreeDay.arg(columns_[column]));
    return shown.value_or(QString());
  }

  DataOrigin Origin(const QString& file) const { return {file, line_}; }

 private:
  const QStringList& fields_;
  const QStringList& columns_;
  int line_;
  Problems& problems_;
  bool refused_ = false;
};

void ReadRate(RowReader& row, LegalRatePeriod& p) {
  std::tie(p.from, p.to) = row.Period(false);
  p.rateHundredths = row.Rate(2);
  p.setBy = row.Decree(3);
  p.source = row.Text(4);
}

void ReadFloor(RowReader& row, RateFloor& f) {
  std::tie(f.from, f.to) = row.Period(true);
  f.floorHundredths = row.Rate(2);
  f.statute = row.Required(3);
  f.source = row.Text(4);
}

void ReadStatute(RowReader& row, StatutePeriod& s) {
  std::tie(s.from, s.to) = row.Period(true);
  s.subject = row.Text(2);
  if (s.subject == kSubjectPiuViteOld) s.subject = kSubjectPiuViteSuccessioni;
  const bool known = std::any_of(kStatuteSubjects.begin(), kStatuteSubjects.end(),
                                 [&s](QLatin1StringView name) { return s.subject == name; });
  if (!known) {
    QStringList names;
    for (QLatin1StringView name : kStatuteSubjects) names << name;
    row.Refuse(text::kDataUnknownSubject.arg(Quoted(s.subject), names.join(QStringLiteral(", "))));
  }
  s.citation = row.Required(3);
  s.source = row.Text(4);
}

// "2.5", or "2.5 (floor; legal rate 1.6)" when the floor raises the legal rate.
void ReadRateUsed(RowReader& row, const QString& text, LifetimeCoefficients& c) {
  static const QString kColumn = QStringLiteral("rate_used_percent");
  static const QString kFloor = QStringLiteral(" (floor; legal rate ");
  const qsizetype floor = text.indexOf(kFloor);
  if (floor < 0) {
    if (text.contains(u' ')) return row.Refuse(text::kDataRateUsed.arg(Quoted(text)));
    c.rateHundredths = c.legalRateHundredths = row.RateOf(text, kColumn);
    return;
  }
  const QString used = text.left(floor);
  const QString legal = text.mid(floor + kFloor.size());
  if (!legal.endsWith(u')') || used.contains(u' ') || legal.contains(u' '))
    return row.Refuse(text::kDataRateUsed.arg(Quoted(text)));
  c.rateHundredths = row.RateOf(used, kColumn);
  c.legalRateHundredths = row.RateOf(legal.chopped(1), kColumn);
  if (!row.Refused() && c.legalRateHundredths >= c.rateHundredths)
    row.Refuse(text::kDataLegalNotBelow.arg(used, legal.chopped(1)));
}

void ReadCoefficients(RowReader& row, LifetimeCoefficients& c) {
  const QString year = row.Text(0);
  if (year.size() != 4 ||
      !std::all_of(year.begin(), year.end(), [](QChar ch) { return ch >= u'0' && ch <= u'9'; })) {
    row.Refuse(text::kDataBadYear.arg(Quoted(year)));
  }
  c.year = year.toInt();
  ReadRateUsed(row, row.Text(1), c);
  c.decree = row.Decree(2);
  c.source = row.Text(4);

  const QStringList numbers = row.Text(3).split(u' ', Qt::SkipEmptyParts);
  if (numbers.size() != kAgeBands) {
    return row.Refuse(text::kDataCoefficientCount.arg(QString::number(numbers.size()),
                                                      QString::number(kAgeBands)));
  }
  bool read = true;
  for (std::size_t band = 0; band < std::size_t(kAgeBands); ++band) {
    qint64 value = 0;
    const QString& number = numbers[qsizetype(band)];
    const Number outcome = ReadHundredths(number, value);
    if (outcome == Number::TooLarge) {
      row.Refuse(text::kDataCoefficientTooLarge.arg(BandName(band), Quoted(number)));
    } else if (outcome != Number::Read) {
      row.Refuse(text::kDataCoefficientForm.arg(BandName(band), Quoted(number)));
    } else if (value == 0) {
      row.Refuse(text::kDataCoefficientZero.arg(BandName(band)));
    } else {
      c.coefficientHundredths[band] = int(value);
      continue;
    }
    read = false;
  }
  if (!read) return;
  for (std::size_t band = 0; band < std::size_t(kAgeBands); ++band) {
    const int coefficient = c.coefficientHundredths[band];
    if (band > 0 && coefficient >= c.coefficientHundredths[band - 1]) {
      row.Refuse(text::kDataNotFalling.arg(BandName(band), numbers[qsizetype(band)],
                                           BandName(band - 1), numbers[qsizetype(band - 1)]));
    }
    // Hundredths times hundredths: the share in ten-thousandths of a percent.
    const qint64 share = qint64(coefficient) * c.rateHundredths;
    if (c.rateHundredths > 0 && share > 100LL * 10000) {
      row.Refuse(text::kDataOverWhole.arg(BandName(band), numbers[qsizetype(band)],
                                          Scaled(c.rateHundredths, 2) + u'%',
                                          Scaled(share, 4) + u'%'));
    }
  }
}

// Periods of one table or subject: none may overlap another or leave days
// out. A period without a last day ends the day before the next one begins.
struct Span {
  QDate from;
  QDate to;
  int line;
};

void CheckPeriods(std::vector<Span> spans, Problems& problems) {
  std::stable_sort(spans.begin(), spans.end(),
                   [](const Span& a, const Span& b) { return a.from < b.from; });
  // The period that reaches furthest so far.
  const Span* reach = nullptr;
  for (const Span& span : spans) {
    if (reach && (span.from <= reach->from || (reach->to.isValid() && span.from <= reach->to))) {
      problems.Add(span.line,
                   text::kDataOverlap.arg(SlashedDate(span.from), QString::number(reach->line),
                                          PeriodText(reach->from, reach->to)));
      if (reach->to.isValid() && (!span.to.isValid() || span.to > reach->to)) reach = &span;
      continue;
    }
    if (reach && reach->to.isValid() && span.from > reach->to.addDays(1)) {
      problems.Add(span.line, text::kDataGap.arg(QString::number(reach->line),
                                                 SlashedDate(reach->to.addDays(1)),
                                                 SlashedDate(span.from.addDays(-1))));
    }
    reach = &span;
  }
}

void CheckFile(const LegalData& rows, Problems& problems) {
  std::vector<Span> spans;
  for (const LegalRatePeriod& p : rows.rates) spans.push_back({p.from, p.to, p.origin.line});
  CheckPeriods(std::move(spans), problems);
  spans.clear();
  for (const RateFloor& f : rows.floors) spans.push_back({f.from, f.to, f.origin.line});
  CheckPeriods(std::move(spans), problems);
  std::map<QString, std::vector<Span>> bySubject;
  for (const StatutePeriod& s : rows.statutes)
    bySubject[s.subject].push_back({s.from, s.to, s.origin.line});
  for (auto& [subject, subjectSpans] : bySubject) CheckPeriods(std::move(subjectSpans), problems);
  std::map<int, int> lineOfYear;
  for (const LifetimeCoefficients& c : rows.coefficients) {
    const auto [seen, added] = lineOfYear.emplace(c.year, c.origin.line);
    if (!added) {
      problems.Add(c.origin.line, text::kDataRepeatedYear.arg(QString::number(c.year),
                                                              QString::number(seen->second)));
    }
  }
}

// Blanks and tabs only: a line a spreadsheet leaves at the end.
bool Blank(QStringView line) {
  return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

std::optional<QChar> ControlCharacter(QStringView line) {
  for (QChar c : line) {
    const char16_t u = c.unicode();
    if ((u < 0x20 && u != u'\t') || (u >= 0x7F && u < 0xA0)) return c;
  }
  return std::nullopt;
}

class FileReader {
 public:
  explicit FileReader(const QString& name) : name_(name), problems_(name) {}

  LegalDataFile Read(QByteArrayView bytes) {
    if (bytes.size() > kLargestDataFile) {
      problems_.Add(0, text::kDataTooLarge.arg(kLargestDataFile));
      return Result();
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4))) {
      problems_.Add(1, text::kDataUtf16);
      return Result();
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    int number = 0;
    while (!bytes.isEmpty() && !problems_.Full()) {
      const qsizetype end = bytes.indexOf('\n');
      QByteArrayView line = end < 0 ? bytes : bytes.first(end);
      bytes = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
      if (line.endsWith('\r')) line.chop(1);
      Line(++number, line);
      if (unknownHeader_ || notText_) break;
    }
    if (!form_ && problems_.Empty()) problems_.Add(0, text::kDataNoHeader);
    if (problems_.Empty()) CheckFile(rows_, problems_);
    return Result();
  }

 private:
  void Line(int number, QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString line = decoder.decode(bytes);
    // Bytes that are no text say it once: a file of junk is not one
    // reason per line.
    if (decoder.hasError()) {
      notText_ = true;
      return problems_.Add(number, text::kDataNotUtf8);
    }
    if (const std::optional<QChar> c = ControlCharacter(line)) {
      notText_ = true;
      const QString code = QString::number(c->unicode(), 16).toUpper().rightJustified(4, u'0');
      return problems_.Add(number, text::kDataControl.arg(QStringLiteral("U+") + code));
    }
    if (line.startsWith(u'#') || Blank(line)) return;
    if (!form_) return Header(number, line);
    const QStringList fields = line.split(u'\t');
    if (fields.size() != kColumns) {
      return problems_.Add(number, text::kDataColumns.arg(QString::number(fields.size()),
                                                          QString::number(kColumns)));
    }
    RowReader row(fields, columns_, number, problems_);
    switch (*form_) {
      case DataForm::LegalRates: {
        LegalRatePeriod p;
        ReadRate(row, p);
        p.origin = row.Origin(name_);
        if (!row.Refused()) rows_.rates.push_back(std::move(p));
        break;
      }
      case DataForm::LifetimeCoefficients: {
        LifetimeCoefficients c;
        ReadCoefficients(row, c);
        c.origin = row.Origin(name_);
        if (!row.Refused()) rows_.coefficients.push_back(std::move(c));
        break;
      }
      case DataForm::RateFloors: {
        RateFloor f;
        ReadFloor(row, f);
        f.origin = row.Origin(name_);
        if (!row.Refused()) rows_.floors.push_back(std::move(f));
        break;
      }
      case DataForm::Statutes: {
        StatutePeriod s;
        ReadStatute(row, s);
        s.origin = row.Origin(name_);
        if (!row.Refused()) rows_.statutes.push_back(std::move(s));
        break;
      }
    }
  }

  void Header(int number, const QString& line) {
    static const std::array<QStringList, std::size(kForms)> kColumns = [] {
      std::array<QStringList, std::size(kForms)> made;
      for (std::size_t i = 0; i < made.size(); ++i) made[i] = Columns(kForms[i]);
      return made;
    }();
    const QStringList names = line.split(u'\t');
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
      if (names == kColumns[i]) {
        form_ = kForms[i];
        columns_ = kColumns[i];
        return;
      }
    }
    unknownHeader_ = true;
    // The first columns name the form: say what its header must be.
    for (const QStringList& columns : kColumns) {
      if (names.mid(0, 3) == columns.mid(0, 3))
        return problems_.Add(number,
                             text::kDataWrongHeader.arg(columns.join(QStringLiteral(", "))));
    }
    problems_.Add(number, text::kDataUnknownHeader);
  }

  LegalDataFile Result() {
    LegalDataFile file;
    file.form = form_;
    file.problems = problems_.Take();
    if (file.problems.empty()) file.rows = std::move(rows_);
    return file;
  }

  QString name_;
  Problems problems_;
  std::optional<DataForm> form_;
  QStringList columns_;
  bool unknownHeader_ = false;
  bool notText_ = false;
  LegalData rows_;
};

}  // namespace

LegalDataFile ReadLegalDataFile(QByteArrayView bytes, const QString& name) {
  return FileReader(name).Read(bytes);
}

QString ProblemText(const DataProblem& problem) {
  if (problem.line <= 0) return text::kDataProblemOfFile.arg(problem.file, problem.reason);
  return text::kDataProblemAtLine.arg(problem.file, QString::number(problem.line), problem.reason);
}

QString DataHeader(DataForm form) {
  return Columns(form).join(u'\t');
}

}  // namespace velmora
