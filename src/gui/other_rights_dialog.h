#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>

#include "core/documents/calculation_report.h"
#include "core/valuation/valuation_record.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace velmora {

class Frmusufrutto;
class Services;

// The rights of use and habitation, several lives with or without accrual
// and the fixed term's limit under the gift and succession tax: a modeless
// dialog of the main window, with a rate of its own that starts at the date of
// the act whatever the main window's menu says. It takes the value and the
// reference date from the main window when it opens, and values its inputs
// through the core alone. Its inputs and figures scroll, so that it fits a
// small or scaled screen.
class FrmAltriDiritti : public QDialog {
  Q_OBJECT
 public:
  explicit FrmAltriDiritti(Frmusufrutto& main);
  ~FrmAltriDiritti() override;

  // Shows the dialog, with the main window's value and reference date when
  // they changed there since it last took them: what was typed here stays,
  // but the rate and the accrual start again as the act must choose them.
  void Open();

  // The inputs as typed, as the core reads them.
  DatiValutazione Inputs() const;

  void Calcola_Click();
  void Aggiungi_Click();
  void Rimuovi_Click();
  void CopiaProspetto_Click();
  void CopiaValoriAtto_Click();
  void SalvaProspettoPdf_Click();
  void StampaProspetto_Click();

  // The controls, reached directly by the handlers and the tests.
  QComboBox* CmbDiritto = nullptr;
  QComboBox* CmbImposta = nullptr;
  QRadioButton* OptVitalizio = nullptr;
  QRadioButton* OptTempoDeterminato = nullptr;
  QLineEdit* TxtAnni = nullptr;
  QLineEdit* TxtValore = nullptr;
  QLineEdit* TxtRiferimento = nullptr;
  QComboBox* CmbSaggio = nullptr;
  std::array<QLabel*, kMaxVite> LblNascita{};
  std::array<QLineEdit*, kMaxVite> TxtNascita{};
  QPushButton* CmdAggiungi = nullptr;
  QPushButton* CmdRimuovi = nullptr;
  QComboBox* CmbAccrescimento = nullptr;
  QPushButton* CmdCalcola = nullptr;
  QPushButton* CmdChiudi = nullptr;
  QLabel* LblDettaglio = nullptr;
  QLabel* LblDiritto = nullptr;
  QLineEdit* TxtPercDiritto = nullptr;
  QLineEdit* TxtValoreDiritto = nullptr;
  QLineEdit* TxtPercNudaProprieta = nullptr;
  QLineEdit* TxtValoreNudaProprieta = nullptr;
  QLabel* LblProssimaFascia = nullptr;
  QPushButton* CmdCopiaProspetto = nullptr;
  QPushButton* CmdCopiaValoriAtto = nullptr;
  QPushButton* CmdSalvaProspettoPdf = nullptr;
  QPushButton* CmdStampaProspetto = nullptr;
  // Everything but Calcola and Chiudi, which stay in sight.
  QScrollArea* AreaDati = nullptr;

 private:
  void CreateControls();
  void WireEvents();
  // The controls each kind, tax and number of lives uses are the ones enabled.
  void ShowKind();
  void ShowLives();
  // The size the controls ask for, within the screen's free area; with
  // `keepLarger` never smaller than the dialog is.
  void FitScreen(bool keepLarger);
  // The birth fields the valuation reads, for the kind and the tax chosen.
  QList<QLineEdit*> BirthsUsed() const;
  // A date typed as digits or in another form is written out as the core read it.
  static void WriteDateOut(QLineEdit* field);
  // The inputs read once, with the reference and birth dates already read
  // strictly: what ValutaLetti values, or the first input it cannot take.
  std::variant<IngressiLetti, Rifiuto> ReadInputs(std::optional<QDate> reference,
                                                  const QList<std::optional<QDate>>& births) const;
  void InputsChanged();
  // The inputs as they are settled, so that the same value or date typed
  // another way is the same input.
  QStringList Settled() const;
  void ShowFigures(RecordValutazione record);
  void ClearFigures();
  void Refuse(const Rifiuto& refusal);
  void Warn(const QString& prompt);
  // Says the message, %1 the field's text, and gives the field the caret.
  void SendBack(QLineEdit* field, const QString& message);

  Frmusufrutto& main_;
  Services& services_;
  int lives_ = 1;
  QString takenValue_;
  QString takenReference_;
  // The valuation whose figures the dialog shows; none once an input changed.
  std::optional<RecordValutazione> shown_;
  Calcolo shownCalculation_;
  QStringList basis_;  // Settled() of the figures shown
};

}  // namespace velmora
