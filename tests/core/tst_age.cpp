#include <QDate>
#include <QtTest>
#include <chrono>

#include "core/valuation/age.h"

using namespace velmora;

namespace {

std::chrono::year_month_day Ymd(const QDate& date) {
  return std::chrono::year{date.year()} / std::chrono::month{unsigned(date.month())} /
         std::chrono::day{unsigned(date.day())};
}

// The completed years as the calendar counts them, by the standard library:
// the largest n whose anniversary is not after the reference. The anniversary
// of a 29 February in a common year is 1 March (sys_days carries the day over).
int CalendarYears(const QDate& birth, const QDate& reference) {
  using namespace std::chrono;
  const year_month_day born = Ymd(birth);
  const sys_days on{Ymd(reference)};
  int n = int(Ymd(reference).year()) - int(born.year());
  while (n > 0 && sys_days{born + years{n}} > on) --n;
  return n;
}

}  // namespace

// The years that pick the band against a calendar oracle, at every month's end.
class AgeTest : public QObject {
  Q_OBJECT
 private slots:
  void completedYearsAreTheCalendars_data();
  void completedYearsAreTheCalendars();
};

void AgeTest::completedYearsAreTheCalendars_data() {
  QTest::addColumn<QDate>("birth");
  QTest::addColumn<QDate>("reference");
  // Births on the 28th to the 31st of every month, and on 29 February, in a
  // leap and a common year; reference days from the 25th of the birth month
  // to the 5th of the next, in common and leap years.
  for (const int birthYear : {1948, 1950}) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 28; day <= 31; ++day) {
        const QDate birth(birthYear, month, day);
        if (!birth.isValid()) continue;
        for (const int year : {2015, 2016, 2026, 2028}) {
          const QDate first(year, month, 25);
          for (QDate reference = first; reference <= first.addMonths(1).addDays(-20);
               reference = reference.addDays(1)) {
            const QString name =
                birth.toString(u"dd/MM/yyyy") + " on " + reference.toString(u"dd/MM/yyyy");
            QTest::newRow(qPrintable(name)) << birth << reference;
          }
        }
      }
    }
  }
}

void AgeTest::completedYearsAreTheCalendars() {
  QFETCH(QDate, birth);
  QFETCH(QDate, reference);
  qint16 years = -99, months = -99, days = -99;
  NDIFF(birth, reference, years, months, days);
  QCOMPARE(int(years), CalendarYears(birth, reference));
  QVERIFY2(months >= 0 && months <= 11, qPrintable(QString::number(months)));
  QVERIFY2(days >= 0 && days <= 29, qPrintable(QString::number(days)));
}

QTEST_GUILESS_MAIN(AgeTest)
#include "tst_age.moc"
