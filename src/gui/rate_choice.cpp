#include <QActionGroup>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStringList>

#include "core/numbers/date_text.h"
#include "core/valuation/rates_by_date.h"
#include "gui/main_window.h"
#include "gui/table_window.h"
#include "gui/window_texts.h"

// The rate of the valuations: the 2016 table at 0,2 %, or the rate and the
// coefficients in force on the reference date. The choice is kept between runs.
namespace velmora {
namespace {

const QString kRateSetting = QStringLiteral("saggio");
const QString kAtDate = QStringLiteral("allaData");
const QString kTable2016 = QStringLiteral("tabella2016");

// A decree or statute, with the file it came from when an office added it.
QString Cited(const QString& citation, const DataOrigin& origin) {
  return origin.BuiltIn() ? citation : citation + text::kAddedDataTip.arg(origin.file);
}

// A tooltip is read as rich text when it looks like it: decrees and
// citations are data, so every line is escaped and the markup is ours.
QString TipOfLines(const QStringList& lines) {
  QStringList escaped;
  for (const QString& line : lines) escaped << line.toHtmlEscaped();
  return QStringLiteral("<p>") + escaped.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
}

// What sets the rate used on the day, and the coefficients of its year.
QString RateTip(const DatiLegali& law, const QDate& day, const RateInForce& rate) {
  QStringList lines{text::kLegalRateTip.arg(RateWithArticle(rate.legalHundredths),
                                            Cited(rate.setBy, rate.rateOrigin))};
  if (rate.Floored())
    lines << text::kRateFloorTip.arg(RateText(rate.hundredths),
                                     Cited(rate.floorStatute, rate.floorOrigin));
  const LifetimeCoefficients* coefficients = law.CoefficientsFor(day.year());
  lines << (coefficients
                ? text::kCoefficientsTip.arg(Cited(coefficients->decree, coefficients->origin))
                : text::kNoCoefficientsTip.arg(day.year()));
  return TipOfLines(lines);
}

}  // namespace

void Frmusufrutto::CreateRateMenu() {
  MenuSaggio = menuBar()->addMenu(text::kRateMenu);
  MenuSaggio->setObjectName(QStringLiteral("MenuSaggio"));
  auto* rates = new QActionGroup(MenuSaggio);
  auto choice = [this, rates](const char* name, const QString& caption) {
    QAction* a = MenuSaggio->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(true);
    rates->addAction(a);
    return a;
  };
  SaggioTabella2016 = choice("SaggioTabella2016", text::kRate2016Menu);
  SaggioAllaData = choice("SaggioAllaData", text::kRateAtDateMenu);
  // The first run starts with the 2016 table.
  rateAtDateOfAct_ = services_.ReadSetting(kRateSetting) == kAtDate;
  (rateAtDateOfAct_ ? SaggioAllaData : SaggioTabella2016)->setChecked(true);
}

bool Frmusufrutto::RateAtDateOfAct() const {
  return rateAtDateOfAct_;
}

void Frmusufrutto::SaggioTabella2016_Click() {
  ChooseRate(false);
}

void Frmusufrutto::SaggioAllaData_Click() {
  ChooseRate(true);
}

void Frmusufrutto::ChooseRate(bool atDateOfAct) {
  const bool changed = atDateOfAct != rateAtDateOfAct_;
  rateAtDateOfAct_ = atDateOfAct;
  (atDateOfAct ? SaggioAllaData : SaggioTabella2016)->setChecked(true);
  // The choice holds for this run either way; the user hears once that it
  // will not be there at the next start.
  if (!services_.WriteSetting(kRateSetting, atDateOfAct ? kAtDate : kTable2016) &&
      !settingNotKeptSaid_) {
    settingNotKeptSaid_ = true;
    Warn(text::kChoiceNotKept.arg(services_.SettingsFile()));
  }
  ShowRateHeading();
  ShowTableYear();
  if (!changed) return;
  // Figures of the other rate would stand under the new heading.
  ClearResults(false);
}

std::optional<int> Frmusufrutto::TableYear() const {
  if (!RateAtDateOfAct()) return std::nullopt;
  // An unreadable reference date: the table in force today.
  return ReferenceDate().value_or(services_.Now().date()).year();
}

// The menu and an open table window follow the rate and the reference date.
void Frmusufrutto::ShowTableYear() {
  const std::optional<int> year = TableYear();
  TabellaVigente->setText(year ? text::kTableOfYear.arg(*year) : text::kTableOfYear.arg(2016));
  if (tableWindow) tableWindow->ShowYear(*law_, year);
}

void Frmusufrutto::ShowRateHeading() {
  const std::optional<QDate> day =
      RateAtDateOfAct() ? ReferenceDate() : RateDay(Saggio::Tabella2016, QDate());
  const std::optional<RateInForce> rate = day ? RateOn(*law_, *day) : std::nullopt;
  if (!rate) {
    Label2->setText(text::kRateHeading.arg(text::kRateOfTheDay));
    Label2->setToolTip(TipOfLines({text::kRatesKnownTip.arg(
        LongDateText(law_->FirstDayWithRate()), LongDateText(law_->LastDayWithRate()))}));
    return;
  }
  Label2->setText(text::kRateHeading.arg(RateWithArticle(rate->hundredths)));
  Label2->setToolTip(RateTip(*law_, *day, *rate));
}

}  // namespace velmora
