#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <optional>

#include "core/numbers/number_text.h"
#include "gui/colours.h"
#include "gui/event_model.h"
#include "gui/main_window.h"
#include "gui/text_box.h"
#include "gui/window_texts.h"

// The value field: it takes digits and one comma, regroups them as they are
// typed, starts a new entry (or takes a spreadsheet total from the clipboard)
// each time it is entered, reads a paste as strictly as that total, and is
// not left without a number.
namespace velmora {
namespace {

bool IsNavigationKey(int keyCode) {
  return keyCode >= 35 && keyCode <= 40;  // End, Home, Left, Up, Right, Down
}

QString MoneyOf(const QString& numeric) {
  return MoneyText(ReadNumber(numeric).value_or(0));
}

// A second comma would make the text no number, and the field would empty:
// it is dropped as the full stop is. One that replaces the selection is a first.
bool HasCommaOutsideSelection(const QLineEdit* field) {
  QString kept = field->text();
  if (field->hasSelectedText()) kept.remove(field->selectionStart(), field->selectedText().size());
  return kept.contains(u',');
}

// An amount has two decimals: a third digit after the comma, or a comma with
// more than two digits after it, would only be rounded away at the next
// regrouping, so it is dropped as a second comma is.
bool MakesAThirdDecimal(const QLineEdit* field, int keyAscii) {
  const bool comma = keyAscii == ',';
  if (!comma && (keyAscii < '0' || keyAscii > '9')) return false;
  QString kept = field->text();
  qsizetype at = field->cursorPosition();
  if (field->hasSelectedText()) {
    at = field->selectionStart();
    kept.remove(at, field->selectedText().size());
  }
  qsizetype from = at;  // where the decimals start
  if (!comma) {
    from = kept.indexOf(u',') + 1;
    if (from == 0 || at < from) return false;
  }
  const qsizetype decimals =
      std::count_if(kept.cbegin() + from, kept.cend(), [](QChar c) { return c.isDigit(); });
  return decimals + (comma ? 0 : 1) > 2;
}

// The characters that the regrouping keeps in their order: the digits but
// the leading zeros, the comma and the minus. Full stops, the euro sign and
// blanks come and go.
bool Kept(QChar c, bool& significant) {
  const bool digit = c >= u'0' && c <= u'9';
  if (c == u',' || (digit && c != u'0')) significant = true;
  return c == u',' || c == u'-' || (digit && significant);
}
// How many kept characters come before `end`.
qsizetype KeptBefore(QStringView text, qsizetype end) {
  bool significant = false;
  qsizetype kept = 0;
  for (qsizetype i = 0; i < end; ++i) kept += Kept(text[i], significant) ? 1 : 0;
  return kept;
}
// The caret right after the same kept characters, in the regrouped text.
qsizetype CaretAfterKept(QStringView text, qsizetype kept) {
  bool significant = false;
  qsizetype i = 0;
  for (; i < text.size() && kept > 0; ++i) kept -= Kept(text[i], significant) ? 1 : 0;
  return i;
}

// What the clipboard holds, on one short line.
QString Excerpt(const QString& text) {
  constexpr int kShown = 30;
  QString line = text.left(kShown + 1).simplified();
  if (line.size() > kShown || text.size() > kShown + 1) line = line.left(kShown) + u'…';
  return line;
}

QString WithoutTrailingBlanks(QString text) {
  while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
  return text;
}

}  // namespace

void Frmusufrutto::PP_KeyPress(int& keyAscii) {
  // The keypad's decimal key types the decimal comma, as in spreadsheets,
  // whatever the keyboard layout gives it; the main keyboard's full stop stays out.
  if (keyAscii == '.' && events().FromKeypad()) keyAscii = ',';
  const bool accepted = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == ',' || keyAscii == 8;
  if (!accepted || (keyAscii == ',' && HasCommaOutsideSelection(PP)) ||
      MakesAThirdDecimal(PP, keyAscii))
    keyAscii = 0;
}

void Frmusufrutto::PP_Change() {
  // Emptying an empty field changes nothing and raises no second Change.
  if (!PP->text().isEmpty() && !IsNumeric(PP->text())) PP->setText({});
  DropStaleFigures();
}

void Frmusufrutto::PP_KeyUp(int keyCode) {
  const QString text = PP->text();
  if (text.contains(QStringLiteral(",0"))) return;
  if (text.size() <= 3) return;
  const QString grouped = RegroupTyping(text);
  // Writing the same text again would only throw the caret to the end, so an
  // arrow key over a grouped number still moves the caret.
  if (grouped == text) return;
  // The caret stays after the digits it was after: it moves by the full
  // stops added or removed before it, not by all of them.
  const qsizetype kept = KeptBefore(text, SelStart(PP));
  PP->setText(grouped);
  if (!IsNavigationKey(keyCode)) PP->setCursorPosition(int(CaretAfterKept(grouped, kept)));
}

void Frmusufrutto::PP_GotFocus() {
  PP->setText(QStringLiteral("0"));
  SetFocus(PP);
  PP->setText(MoneyOf(PP->text()));
  PP->setSelection(0, PP->text().size());
  SetBackColor(PP, colore::CianoChiaro);

  // Only a full-ownership value copied since the clipboard was last seen is
  // taken: a total of zero or below waits for typing. A figure in another
  // form is named once, not at every entry.
  const std::optional<QString> copied = NewClipboardText();
  if (!copied) return;
  const QString& clipboard = *copied;
  const ImportoIncollato total = ReadPastedAmount(clipboard);
  if (total.esito != Incollato::Importo) {
    if (total.esito == Incollato::PuntiFuoriPosto) {
      TookFromClipboard(clipboard);
      Warn(text::kPastedNotAnAmount.arg(Excerpt(clipboard)));
    } else if (total.esito == Incollato::TroppoGrande) {
      TookFromClipboard(clipboard);
      Warn(text::kLargestAmount.arg(LargestAmountText()));
    }
    return;
  }
  TookFromClipboard(clipboard);
  PP->setText(clipboard);
  PP->setText(WithoutTrailingBlanks(PP->text()));
  // The amount as the import read it: the field keeps at most 32767
  // characters, and reads no euro sign after the figure.
  PP->setText(MoneyText(total.valore));
  services().MessageBox(text::kImported, Services::Icon::None, text::kMainTitle);
  SetBackColor(PP, colore::Bianco);
  SetFocus(D1);
  SetBackColor(D1, colore::CianoChiaro);
  option5->setChecked(true);
}

// A paste is the clipboard's text too, and is read as entering the field
// reads it: the figure becomes the value, or is refused with the same message.
// Whatever else the clipboard holds is named, since the user asked for it.
void Frmusufrutto::PP_Paste() {
  const QString clipboard = services().ClipboardText();
  if (clipboard.trimmed().isEmpty()) return;
  ClipboardSeen();
  TookFromClipboard(clipboard);
  const ImportoIncollato pasted = ReadPastedAmount(clipboard);
  switch (pasted.esito) {
    case Incollato::Importo:
      PP->setText(MoneyText(pasted.valore));
      return;
    case Incollato::TroppoGrande:
      Warn(text::kLargestAmount.arg(LargestAmountText()));
      return;
    case Incollato::Zero:
      Warn(text::kPastedNoValue.arg(Excerpt(clipboard)));
      return;
    case Incollato::PuntiFuoriPosto:
    case Incollato::TroppiDecimali:
    case Incollato::NessunNumero:
      Warn(text::kPastedNotAnAmount.arg(Excerpt(clipboard)));
      return;
  }
}

void Frmusufrutto::PP_LostFocus() {
  if (IsNumeric(PP->text()) && !AboveLargestAmount(PP->text())) return;
  Warn(IsNumeric(PP->text()) ? text::kLargestAmount.arg(LargestAmountText()) : text::kValueFirst);
  BackToValue();
}

}  // namespace velmora
