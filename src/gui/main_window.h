#pragma once

// The main window of Velmora and its handlers.
//
// Who does what:
// - Frmusufrutto (src/gui): the controls, the menus, start-up and the wiring
//   of the handlers below, each defined in a file named for what it does:
//   value_field.cpp, date_fields.cpp, lifetime_valuation.cpp,
//   fixed_term_valuation.cpp, spreadsheet_valuation.cpp,
//   reference_documents.cpp, printing.cpp, resets.cpp, hover_colours.cpp,
//   shown_valuation.cpp (the valuation on screen), report_commands.cpp,
//   clipboard_watch.cpp (what the value field may take from the clipboard).
// - EventModel (src/gui): turns Qt's events into the form events the handlers
//   are written for (Change, KeyPress, KeyUp, GotFocus, LostFocus, Click, ...).
// - FrmPrinter and Form1 (src/gui): the printer window and the table window.
// - FrmAltriDiritti (src/gui, other_rights_*.cpp): the dialog for the rights
//   of use and habitation, several lives and the fixed term's limit.
// - Services (src/platform): message boxes, clipboard, sound, documents,
//   programs and printers. Tests hand the window a recording double.
// - velmora_core (src/core): every figure: number and date texts, the age,
//   the tables and the valuations (Valuta and its record), the calculation
//   report and the amounts in words. The windows' own texts are in
//   window_texts.h, other_rights_texts.h and printer_window_texts.h.

#include <QDate>
#include <QMainWindow>
#include <QPointer>
#include <optional>

#include "core/documents/calculation_report.h"
#include "core/valuation/rates_by_date.h"
#include "core/valuation/valuation_record.h"
#include "platform/services.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace velmora {

class EventModel;
class Form1;
class FrmAltriDiritti;
class FrmPrinter;

class Frmusufrutto : public QMainWindow {
  Q_OBJECT
 public:
  // The legal data the window values with, made where the program starts.
  Frmusufrutto(Services& services, DatiLegaliCondivisi law, QWidget* parent = nullptr);
  ~Frmusufrutto() override;

  // The default face of the window and its menu bar; the program makes it
  // the application's, so that one face serves everything it shows.
  static QFont WindowFont();

  Services& services() { return services_; }
  const DatiLegali& Law() const { return *law_; }
  EventModel& events() { return *events_; }
  // The client area: everything below the menu bar, the part that is printed.
  QWidget* ClientArea() const { return client_; }

  // Start-up: shows the window and starts the first entry.
  void Form_Load();

  // Moves the focus as handlers do: the LostFocus of the field that had it
  // and the GotFocus of the control run before this returns.
  void SetFocus(QWidget* control);

  // Main window: hover colours and the two resets.
  void Form_MouseMove();
  void Frame1_MouseMove();
  void Option1_MouseMove();
  void Option2_MouseMove();
  void Option3_MouseMove();
  void Option6_MouseMove();
  void PP_DblClick();
  void Text1_DblClick();
  // Empties the four results, and the age with them when asked, and parks
  // the option group; the user asks for the valuation again.
  void ClearResults(bool withAge);
  // Clears the figures whose value, years or reference date are no longer
  // those on screen; called on every change of those fields.
  void DropStaleFigures();

  // Value field.
  void PP_KeyPress(int& keyAscii);
  void PP_Change();
  void PP_KeyUp(int keyCode);
  void PP_GotFocus();
  void PP_LostFocus();
  void PP_Paste();

  // Dates and duration.
  void D1_GotFocus();
  void D1_Click();
  void D1_LostFocus();
  void Text1_GotFocus();
  void Text1_Click();
  void Text1_LostFocus();
  void D2_LostFocus();
  QString ConversionedtNascita();
  // D2 read as a date, in any of the forms it takes.
  std::optional<QDate> ReferenceDate() const;
  // D1 read as a date; invalid while it is not one.
  QDate BirthDate() const;

  // Valuations.
  void Option1_Click();
  void Option2_Click();
  // A refusal of the user's input: the exclamation icon and the window's title.
  void Warn(const QString& prompt);
  // The value field holds no value to split: empty, the zero amount, or no
  // number at all.
  bool NoValue() const;
  // What the user is told of a value that cannot be valued.
  QString ValueRefusal() const;
  // Sends the user back to the value field, as both valuations do.
  void RefuseValue();
  // The value field again, its text selected, the option group parked.
  void BackToValue();
  // A date that cannot be valued: the user is told and sent back to it.
  void RefuseDate(QLineEdit* field, const QString& prompt);
  // A duration that cannot be valued: the user is sent back to it.
  void AskForDuration(const QString& prompt);
  // The fields a valuation reads, as typed.
  DatiValutazione Inputs(TipoValutazione tipo) const;
  // A valuation refused: the user is told and sent back to the input concerned.
  void Refuse(const Rifiuto& refusal);

  // Drops the valuation whose figures the window showed: an input or the
  // rate has changed, or the results have been cleared.
  void ForgetShownValuation();

  // The clipboard as the value field takes from it.
  // What it holds now is old: only what is put on it later is taken.
  void ClipboardSeen();
  // The same, and the workbook's total is awaited: even the same text as
  // the last one taken is new once it is copied again.
  void AwaitWorkbookTotal();
  // The clipboard's text when something new has been put on it since it was
  // last seen, else nothing; from now it counts as seen.
  std::optional<QString> NewClipboardText();
  // The value field took the text as its value, or refused it.
  void TookFromClipboard(const QString& text);

  // Spreadsheet valuation, reference documents and the calculator.
  void Option3_Click();
  void ExecFile(const QString& path);
  void WorkbookRefused(const QString& path, int code);
  // The code of an opener that started and then failed: no application.
  static constexpr int kNoApplication = 31;
  // A report of an opener's late failure that runs only while the window lives.
  Services::OpenerFailed AfterThisWindow(std::function<void()> report);
  void istruzioni_Click();
  // Opens a page in the browser, or says that it could not.
  void OpenPage(const QString& pathOrAddress);
  // Opens a companion page that lists the years of the law in use.
  void OpenCompanionPage(const QString& name);
  void normativa_Click();
  void sito_Click();
  void TabellePrecedenti_Click();
  void TabelleUsufruttoDeterminato_Click();
  void TabellaVigente_Click();
  void Image1_Click();

  // Printing.
  void Option6_Click();

  // The report of the valuation shown, and the values for the act.
  void CopiaProspetto_Click();
  void CopiaValoriAtto_Click();
  void SalvaProspettoPdf_Click();
  void StampaProspetto_Click();

  // The dialog for other rights and several lives.
  void AltriDiritti_Click();

  // The rate: the 2016 table, or the rate in force on the reference date.
  void SaggioTabella2016_Click();
  void SaggioAllaData_Click();
  bool RateAtDateOfAct() const;
  // Label2 and its tooltip state the rate that the valuations will use.
  void ShowRateHeading();
  // The year of the coefficient table the menu offers: nothing in the 2016
  // mode, else the year of the reference date.
  std::optional<int> TableYear() const;
  void ShowTableYear();

  // The controls, named as in the control table. Like the controls of a
  // classic form they are reached directly by the handlers and the tests.
  QGroupBox* Frame3 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLabel* Image5_1 = nullptr;
  QLabel* Label12 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QLineEdit* D2 = nullptr;
  QLineEdit* D1 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Image5_0 = nullptr;
  QLineEdit* R7 = nullptr;
  QLineEdit* PP = nullptr;
  QGroupBox* Frame1 = nullptr;
  QLabel* Picture1 = nullptr;
  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;
  QRadioButton* Option6 = nullptr;
  QRadioButton* option5 = nullptr;
  QRadioButton* Option3 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* R6 = nullptr;
  QLineEdit* R5 = nullptr;
  QLineEdit* PERCNP = nullptr;
  QLineEdit* PERCUSU = nullptr;
  QLineEdit* US = nullptr;
  QLineEdit* NP = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* coefficiente = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label3 = nullptr;

  QAction* TabellaVigente = nullptr;
  QAction* TabellePrecedenti = nullptr;
  QAction* TabelleUsufruttoDeterminato = nullptr;
  QMenu* MenuSaggio = nullptr;
  QAction* SaggioTabella2016 = nullptr;
  QAction* SaggioAllaData = nullptr;
  QMenu* MenuProspetto = nullptr;
  QAction* CopiaProspetto = nullptr;
  QAction* CopiaValoriAtto = nullptr;
  QAction* SalvaProspettoPdf = nullptr;
  QAction* StampaProspetto = nullptr;
  QMenu* MenuAltriDiritti = nullptr;
  QAction* AltriDiritti = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* istruzioni = nullptr;
  QAction* normativa = nullptr;
  QAction* sito = nullptr;

  // The single-instance windows, created at their first showing.
  QPointer<FrmPrinter> printerWindow;
  QPointer<Form1> tableWindow;
  QPointer<FrmAltriDiritti> otherRightsDialog;

 private:
  // What the figures on screen were computed from.
  struct ShownBasis {
    QDate reference;  // invalid when D2 could not be read
    QDate birth;      // of the age, when there is one
    QString value;    // the money text of PP
    QString years;    // Text1 as typed
    bool figures = true;
    bool age = false;
  };
  void RememberInputsOfFigures(bool withAge);

  void CreateControls();
  void CreateMenus();
  void DescribeForScreenReaders();
  void WireEvents();
  void CreateRateMenu();
  void ChooseRate(bool atDateOfAct);
  void CreateReportMenu();
  void CreateOtherRightsMenu();
  void ShowValuation(RecordValutazione record);
  void WatchClipboard();

  Services& services_;
  DatiLegaliCondivisi law_;
  EventModel* events_ = nullptr;
  bool rateAtDateOfAct_ = false;
  std::optional<RecordValutazione> shown_;
  Calcolo shownCalculation_;  // when it was made, by which version
  bool settingNotKeptSaid_ = false;
  std::optional<ShownBasis> basis_;  // the inputs of the figures on screen
  struct ClipboardState {
    bool news = false;  // something was put on it since it was last seen
    QString taken;      // the text the value field took or refused last
    bool totalAwaited = false;
  };
  ClipboardState clipboard_;
  QWidget* client_ = nullptr;
};

}  // namespace velmora
