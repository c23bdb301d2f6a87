#include <QLocale>
#include <QTest>
#include <clocale>

#include "core/numbers/date_text.h"
#include "core/valuation/age.h"

using namespace velmora;

namespace {

const char* const kMonthNames[12] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                     "maggio",    "giugno",   "luglio",   "agosto",
                                     "settembre", "ottobre",  "novembre", "dicembre"};

QString Repeated(char c, qsizetype count) {
  return QString(count, QChar(c));
}

}  // namespace

class DateTextTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();

  void readsItalianDateTexts_data();
  void readsItalianDateTexts();
  void readsEveryMonthNameWholeAndShort_data();
  void readsEveryMonthNameWholeAndShort();
  void refusesTextsThatAreNotCalendarDates_data();
  void refusesTextsThatAreNotCalendarDates();

  void longDateTextWritesDayMonthNameYear_data();
  void longDateTextWritesDayMonthNameYear();
  void everyDayReadsBackFromBothForms();
  void periodTextNamesItsDays_data();
  void periodTextNamesItsDays();
  void formatLongDateRewritesOnlyDates_data();
  void formatLongDateRewritesOnlyDates();

  void birthDigitsBecomeTheIntermediateForm_data();
  void birthDigitsBecomeTheIntermediateForm();
  void birthFieldAcceptsTheseTexts_data();
  void birthFieldAcceptsTheseTexts();
  void birthFieldRefusesTheseTexts_data();
  void birthFieldRefusesTheseTexts();

  void ndiffCountsMonthsOfThirtyDays_data();
  void ndiffCountsMonthsOfThirtyDays();
  void ndiffOfAnInvalidDateIsZero();

  void referenceDateTakesTheEightDigitsToo_data();
  void referenceDateTakesTheEightDigitsToo();
  void strictDatesMeanOneDayOnly_data();
  void strictDatesMeanOneDayOnly();

  void megabyteTextsAreReadWhole();
};

void DateTextTest::initTestCase() {
  std::setlocale(LC_ALL, "");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void DateTextTest::readsItalianDateTexts_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QDate>("date");
  QTest::newRow("intermediate form") << "16/08/1946" << QDate(1946, 8, 16);
  QTest::newRow("one-digit month") << "16/8/1946" << QDate(1946, 8, 16);
  QTest::newRow("one-digit day and month") << "1/1/2000" << QDate(2000, 1, 1);
  QTest::newRow("hyphens") << "16-08-1946" << QDate(1946, 8, 16);
  QTest::newRow("full stops") << "16.08.1946" << QDate(1946, 8, 16);
  QTest::newRow("two-digit year 46") << "16/08/46" << QDate(1946, 8, 16);
  QTest::newRow("window end 29") << "31/12/29" << QDate(2029, 12, 31);
  QTest::newRow("window start 30") << "1/1/30" << QDate(1930, 1, 1);
  QTest::newRow("two-digit year 00") << "01/01/00" << QDate(2000, 1, 1);
  QTest::newRow("two-digit year 99") << "31/12/99" << QDate(1999, 12, 31);
  QTest::newRow("month first swapped") << "08/16/1946" << QDate(1946, 8, 16);
  QTest::newRow("swap with day 12") << "12/13/2000" << QDate(2000, 12, 13);
  QTest::newRow("leap day") << "29/02/2000" << QDate(2000, 2, 29);
  QTest::newRow("long form") << "16 agosto 1946" << QDate(1946, 8, 16);
  QTest::newRow("long form upper case") << "16 AGOSTO 1946" << QDate(1946, 8, 16);
  QTest::newRow("long form capitalised") << "7 Dicembre 2026" << QDate(2026, 12, 7);
  QTest::newRow("long form leading zero") << "07 dicembre 2026" << QDate(2026, 12, 7);
  QTest::newRow("abbreviated month") << "16 ago 1946" << QDate(1946, 8, 16);
  QTest::newRow("long form two-digit year") << "1 gen 30" << QDate(1930, 1, 1);
  QTest::newRow("blanks around and between") << "  16   agosto  1946 " << QDate(1946, 8, 16);
  QTest::newRow("no-break space") << QStringLiteral("16\u00A0agosto\u00A01946")
                                  << QDate(1946, 8, 16);
  QTest::newRow("long form leap day") << "29 febbraio 1948" << QDate(1948, 2, 29);
  QTest::newRow("last year") << "31 dicembre 9999" << QDate(9999, 12, 31);
  QTest::newRow("first year") << "1/1/0100" << QDate(100, 1, 1);
}

void DateTextTest::readsItalianDateTexts() {
  QFETCH(QString, text);
  QFETCH(QDate, date);
  QCOMPARE(ReadDate(text), std::optional<QDate>(date));
  QVERIFY(IsDate(text));
}

void DateTextTest::readsEveryMonthNameWholeAndShort_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QDate>("date");
  for (int m = 1; m <= 12; ++m) {
    const QString name = QString::fromLatin1(kMonthNames[m - 1]);
    QTest::addRow("%s", kMonthNames[m - 1]) << "28 " + name + " 2001" << QDate(2001, m, 28);
    QTest::addRow("%s short", kMonthNames[m - 1])
        << "28 " + name.left(3).toUpper() + " 2001" << QDate(2001, m, 28);
  }
}

void DateTextTest::readsEveryMonthNameWholeAndShort() {
  QFETCH(QString, text);
  QFETCH(QDate, date);
  QCOMPARE(ReadDate(text), std::optional<QDate>(date));
}

void DateTextTest::refusesTextsThatAreNotCalendarDates_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("empty") << "";
  QTest::newRow("blanks") << "   ";
  QTest::newRow("31 February") << "31/02/1990";
  QTest::newRow("29 February of a century") << "29/02/1900";
  QTest::newRow("30 February") << "30 febbraio 2000";
  QTest::newRow("eight digits") << "16081946";
  QTest::newRow("no year") << "16/08";
  QTest::newRow("trailing separator") << "16/08/1946/";
  QTest::newRow("mixed separators") << "16/08.1946";
  QTest::newRow("empty part") << "16//0/8/19";
  QTest::newRow("both parts above 12") << "13/13/2000";
  QTest::newRow("day 32") << "32/01/2000";
  QTest::newRow("day zero") << "00/01/2000";
  QTest::newRow("month zero") << "16/00/1946";
  QTest::newRow("three-digit day") << "016/08/1946";
  QTest::newRow("one-digit year") << "1/1/5";
  QTest::newRow("three-digit year") << "16/08/946";
  QTest::newRow("five-digit year") << "16/08/19460";
  QTest::newRow("year below 100") << "1/1/0099";
  QTest::newRow("blanks around the separators") << "16 / 08 / 1946";
  QTest::newRow("trailing word") << "16/8/1946 x";
  QTest::newRow("misspelt month") << "16 agostoo 1946";
  QTest::newRow("two-letter month") << "16 ag 1946";
  QTest::newRow("abbreviation with full stop") << "16 ago. 1946";
  QTest::newRow("no day") << "agosto 1946";
  QTest::newRow("no year after the month") << "16 agosto";
  QTest::newRow("no blanks") << "16agosto1946";
  QTest::newRow("English month") << "16 august 1946";
  QTest::newRow("dotless i") << QStringLiteral("16 g\u0131ugno 1946");
  QTest::newRow("Kelvin sign for k") << QStringLiteral("1 \u212Aennaio 2000");
  QTest::newRow("full-width digits") << QStringLiteral("\uFF11/1/2000");
}

void DateTextTest::refusesTextsThatAreNotCalendarDates() {
  QFETCH(QString, text);
  QCOMPARE(ReadDate(text), std::nullopt);
  QVERIFY(!IsDate(text));
}

void DateTextTest::longDateTextWritesDayMonthNameYear_data() {
  QTest::addColumn<QDate>("date");
  QTest::addColumn<QString>("text");
  QTest::newRow("birth") << QDate(1946, 8, 16) << "16 agosto 1946";
  QTest::newRow("no leading zero") << QDate(2026, 12, 7) << "7 dicembre 2026";
  QTest::newRow("first of January") << QDate(2000, 1, 1) << "1 gennaio 2000";
  QTest::newRow("September") << QDate(2016, 9, 30) << "30 settembre 2016";
  QTest::newRow("four-digit year") << QDate(100, 3, 1) << "1 marzo 0100";
  QTest::newRow("invalid") << QDate() << "";
}

void DateTextTest::longDateTextWritesDayMonthNameYear() {
  QFETCH(QDate, date);
  QFETCH(QString, text);
  QCOMPARE(LongDateText(date), text);
}

void DateTextTest::periodTextNamesItsDays_data() {
  QTest::addColumn<QDate>("from");
  QTest::addColumn<QDate>("to");  // invalid: a period without end
  QTest::addColumn<QString>("text");
  QTest::newRow("a year") << QDate(2025, 1, 1) << QDate(2025, 12, 31)
                          << "dal 01/01/2025 al 31/12/2025";
  QTest::newRow("one day") << QDate(2016, 2, 29) << QDate(2016, 2, 29)
                           << "dal 29/02/2016 al 29/02/2016";
  QTest::newRow("without end") << QDate(2026, 1, 1) << QDate() << "dal 01/01/2026";
  QTest::newRow("an early year") << QDate(990, 7, 5) << QDate() << "dal 05/07/0990";
}

void DateTextTest::periodTextNamesItsDays() {
  QFETCH(QDate, from);
  QFETCH(QDate, to);
  QFETCH(QString, text);
  QCOMPARE(PeriodText(from, to), text);
}

void DateTextTest::everyDayReadsBackFromBothForms() {
  for (QDate day(1900, 1, 1); day <= QDate(2100, 12, 31); day = day.addDays(1)) {
    const QString intermediate = QStringLiteral("%1/%2/%3")
                                     .arg(day.day(), 2, 10, QChar(u'0'))
                                     .arg(day.month(), 2, 10, QChar(u'0'))
                                     .arg(day.year());
    if (ReadDate(LongDateText(day)) != day || ReadDate(intermediate) != day) {
      QFAIL(qPrintable(LongDateText(day)));
    }
  }
}

void DateTextTest::formatLongDateRewritesOnlyDates_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("formatted");
  QTest::newRow("intermediate form") << "16/08/1946"
                                     << "16 agosto 1946";
  QTest::newRow("long form stays") << "16 agosto 1946"
                                   << "16 agosto 1946";
  QTest::newRow("abbreviated") << "7 DIC 26"
                               << "7 dicembre 2026";
  QTest::newRow("swapped") << "08/16/1946"
                           << "16 agosto 1946";
  QTest::newRow("not a date stays") << "16//0/8/19"
                                    << "16//0/8/19";
  QTest::newRow("impossible date stays") << "31/02/1990"
                                         << "31/02/1990";
  QTest::newRow("word stays") << "abc"
                              << "abc";
  QTest::newRow("empty stays") << ""
                               << "";
}

void DateTextTest::formatLongDateRewritesOnlyDates() {
  QFETCH(QString, text);
  QFETCH(QString, formatted);
  QCOMPARE(FormatLongDate(text), formatted);
}

void DateTextTest::birthDigitsBecomeTheIntermediateForm_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("converted");
  QTest::newRow("eight digits") << "16081946"
                                << "16/08/1946";
  QTest::newRow("two-digit year") << "160846"
                                  << "16/08/1946";
  QTest::newRow("month first") << "08161946"
                               << "16/08/1946";
  QTest::newRow("window end 29") << "311229"
                                 << "31/12/2029";
  QTest::newRow("window start 30") << "010130"
                                   << "01/01/1930";
  QTest::newRow("leap day 2028") << "290228"
                                 << "29/02/2028";
  QTest::newRow("beyond eight ignored") << "1608194612"
                                        << "16/08/1946";
  QTest::newRow("empty") << ""
                         << "";
  QTest::newRow("no 29 February 2029 stays joined") << "290229"
                                                    << "29/02/29";
  QTest::newRow("31 February stays joined") << "31021990"
                                            << "31/02/1990";
  QTest::newRow("slashes typed") << "16/08/1946"
                                 << "16//0/8/19";
  QTest::newRow("four digits") << "1608"
                               << "16/08/";
  QTest::newRow("one digit") << "1"
                             << "1//";
  QTest::newRow("letters") << "abcdefgh"
                           << "ab/cd/efgh";
  QTest::newRow("seven digits") << "1608194"
                                << "16/08/194";
}

void DateTextTest::birthDigitsBecomeTheIntermediateForm() {
  QFETCH(QString, typed);
  QFETCH(QString, converted);
  QCOMPARE(BirthDigitsToDate(typed), converted);
}

// The birth field keeps what its two conversions make of the typed text
// only when that is a date.
void DateTextTest::birthFieldAcceptsTheseTexts_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::newRow("eight digits") << "16081946"
                                << "16 agosto 1946";
  QTest::newRow("six digits") << "160846"
                              << "16 agosto 1946";
  QTest::newRow("month first") << "08161946"
                               << "16 agosto 1946";
  QTest::newRow("leap day") << "29021948"
                            << "29 febbraio 1948";
}

void DateTextTest::birthFieldAcceptsTheseTexts() {
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  const QString text = FormatLongDate(BirthDigitsToDate(typed));
  QCOMPARE(text, shown);
  QVERIFY(IsDate(text));
}

void DateTextTest::birthFieldRefusesTheseTexts_data() {
  QTest::addColumn<QString>("typed");
  QTest::newRow("with separators") << "16/08/1946";
  QTest::newRow("31 February") << "31021990";
  QTest::newRow("month 13 and day 13") << "13132000";
  QTest::newRow("too short") << "1608";
  QTest::newRow("three-digit year") << "1608194";
  QTest::newRow("letters") << "sedici agosto";
}

void DateTextTest::birthFieldRefusesTheseTexts() {
  QFETCH(QString, typed);
  QVERIFY(!IsDate(FormatLongDate(BirthDigitsToDate(typed))));
}

void DateTextTest::ndiffCountsMonthsOfThirtyDays_data() {
  QTest::addColumn<QDate>("birth");
  QTest::addColumn<QDate>("reference");
  QTest::addColumn<int>("years");
  QTest::addColumn<int>("months");
  QTest::addColumn<int>("days");
  QTest::newRow("worked example") << QDate(1946, 8, 16) << QDate(2026, 12, 7) << 80 << 3 << 21;
  QTest::newRow("31st counts as 30th") << QDate(1950, 1, 31) << QDate(2016, 2, 28) << 66 << 0 << 28;
  QTest::newRow("leap day birth") << QDate(1948, 2, 29) << QDate(2016, 2, 28) << 67 << 11 << 29;
  QTest::newRow("equal dates") << QDate(2016, 1, 1) << QDate(2016, 1, 1) << 0 << 0 << 0;
  QTest::newRow("birth after reference")
      << QDate(2030, 1, 1) << QDate(2026, 12, 7) << -4 << 11 << 6;
  QTest::newRow("both 31st") << QDate(2000, 1, 31) << QDate(2000, 3, 31) << 0 << 2 << 0;
  QTest::newRow("30th to 31st") << QDate(2000, 1, 30) << QDate(2000, 3, 31) << 0 << 2 << 0;
  QTest::newRow("31st to 30th") << QDate(2000, 3, 31) << QDate(2000, 4, 30) << 0 << 1 << 0;
  QTest::newRow("one day before") << QDate(2000, 1, 15) << QDate(2000, 1, 14) << -1 << 11 << 29;
  QTest::newRow("day borrow into month borrow")
      << QDate(1990, 12, 20) << QDate(2020, 1, 10) << 29 << 0 << 20;
  QTest::newRow("day before the birthday")
      << QDate(1946, 8, 16) << QDate(2026, 8, 15) << 79 << 11 << 29;
  QTest::newRow("birthday") << QDate(1946, 8, 16) << QDate(2026, 8, 16) << 80 << 0 << 0;
  QTest::newRow("a hundred and more") << QDate(1900, 1, 1) << QDate(2026, 1, 1) << 126 << 0 << 0;
  QTest::newRow("end of February to 1 March")
      << QDate(2015, 2, 28) << QDate(2015, 3, 1) << 0 << 0 << 3;
  QTest::newRow("born on the 31st, on the 30th of the month")
      << QDate(1950, 1, 31) << QDate(2026, 1, 30) << 75 << 11 << 29;
  QTest::newRow("born on the 31st, on the anniversary")
      << QDate(1950, 1, 31) << QDate(2026, 1, 31) << 76 << 0 << 0;
  QTest::newRow("born on the 31st, the day after the anniversary")
      << QDate(1950, 1, 31) << QDate(2026, 2, 1) << 76 << 0 << 1;
  QTest::newRow("born on the 31st, on the 30th of the next month")
      << QDate(1950, 3, 31) << QDate(2026, 4, 30) << 76 << 1 << 0;
  QTest::newRow("born on the 31st, the 30th before the birth")
      << QDate(2026, 1, 31) << QDate(2026, 1, 30) << -1 << 11 << 29;
}

void DateTextTest::ndiffCountsMonthsOfThirtyDays() {
  QFETCH(QDate, birth);
  QFETCH(QDate, reference);
  QFETCH(int, years);
  QFETCH(int, months);
  QFETCH(int, days);
  qint16 y = -99, m = -99, d = -99;
  QCOMPARE(NDIFF(birth, reference, y, m, d), qint16(0));
  QCOMPARE(int(y), years);
  QCOMPARE(int(m), months);
  QCOMPARE(int(d), days);
}

void DateTextTest::ndiffOfAnInvalidDateIsZero() {
  qint16 y = -99, m = -99, d = -99;
  QCOMPARE(NDIFF(QDate(), QDate(2026, 1, 1), y, m, d), qint16(0));
  QCOMPARE(y, qint16(0));
  QCOMPARE(m, qint16(0));
  QCOMPARE(d, qint16(0));
}

void DateTextTest::megabyteTextsAreReadWhole() {
  const qsizetype megabyte = 1 << 20;
  const QString digits = Repeated('1', megabyte);
  const QString longYear = "1/1/" + digits;
  const QString blanks = Repeated(' ', megabyte) + "1/1/2000" + Repeated(' ', megabyte);
  const QString longWord = "1 " + Repeated('a', megabyte) + " 2000";
  // No bound on the clock, which a busy machine would break: a reading that went
  // back over the text at each character would take many minutes on a megabyte
  // and run into the test's time limit.
  QVERIFY(!IsDate(digits));
  QVERIFY(!IsDate(longYear));
  QCOMPARE(ReadDate(blanks), std::optional<QDate>(QDate(2000, 1, 1)));
  QVERIFY(!IsDate(longWord));
  QCOMPARE(BirthDigitsToDate(digits), QString("11/11/1111"));
  QCOMPARE(FormatLongDate(longWord), longWord);
}

void DateTextTest::referenceDateTakesTheEightDigitsToo_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QDate>("date");  // invalid: refused
  QTest::newRow("eight digits") << "01012025" << QDate(2025, 1, 1);
  QTest::newRow("with blanks") << " 15062018 " << QDate(2018, 6, 15);
  QTest::newRow("month and day swapped") << "12312026" << QDate(2026, 12, 31);
  QTest::newRow("long form") << "15 giugno 2018" << QDate(2018, 6, 15);
  QTest::newRow("intermediate form") << "15/06/2018" << QDate(2018, 6, 15);
  QTest::newRow("no such day") << "31022025" << QDate();
  QTest::newRow("seven digits") << "1012025" << QDate();
  QTest::newRow("nine digits") << "010120250" << QDate();
  QTest::newRow("a letter among them") << "0101202x" << QDate();
}

void DateTextTest::referenceDateTakesTheEightDigitsToo() {
  QFETCH(QString, text);
  QFETCH(QDate, date);
  QCOMPARE(ReadDateOrDigits(text).value_or(QDate()), date);
}

// A date from a command or a file: what could be two days, or a day of two
// centuries, is no date.
void DateTextTest::strictDatesMeanOneDayOnly_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QDate>("date");  // invalid: refused
  QTest::newRow("day first") << "07/12/2026" << QDate(2026, 12, 7);
  QTest::newRow("one-digit parts") << "7/1/2026" << QDate(2026, 1, 7);
  QTest::newRow("dashes") << "07-12-2026" << QDate(2026, 12, 7);
  QTest::newRow("eight digits") << "07122026" << QDate(2026, 12, 7);
  QTest::newRow("ISO 8601") << "2026-12-07" << QDate(2026, 12, 7);
  QTest::newRow("ISO with blanks") << " 2026-12-07 " << QDate(2026, 12, 7);
  QTest::newRow("long form") << "3 maggio 1950" << QDate(1950, 5, 3);
  QTest::newRow("month first") << "12/25/1950" << QDate();
  QTest::newRow("month first, eight digits") << "12251950" << QDate();
  QTest::newRow("two-digit year") << "01/01/25" << QDate();
  QTest::newRow("two-digit year, long form") << "3 maggio 50" << QDate();
  QTest::newRow("ISO without zeros") << "2026-12-7" << QDate();
  QTest::newRow("no such day") << "31/02/1950" << QDate();
  QTest::newRow("no such day, ISO") << "2026-02-30" << QDate();
  QTest::newRow("empty") << "" << QDate();
  QTest::newRow("blanks") << "   " << QDate();
}

void DateTextTest::strictDatesMeanOneDayOnly() {
  QFETCH(QString, text);
  QFETCH(QDate, date);
  QCOMPARE(ReadStrictDate(text).value_or(QDate()), date);
}

QTEST_GUILESS_MAIN(DateTextTest)
#include "tst_date_text.moc"
