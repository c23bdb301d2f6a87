#include <utility>

#include "gui/main_window.h"

// What the value field may take from the clipboard: only what has been put
// on it since the window last saw or took it. The program never empties the
// clipboard: what the user copied elsewhere stays there.
namespace velmora {

void Frmusufrutto::WatchClipboard() {
  services_.WatchClipboard([this] { clipboard_.news = true; });
}

void Frmusufrutto::ClipboardSeen() {
  clipboard_.news = false;
}

void Frmusufrutto::AwaitWorkbookTotal() {
  ClipboardSeen();
  clipboard_.totalAwaited = true;
}

std::optional<QString> Frmusufrutto::NewClipboardText() {
  if (!std::exchange(clipboard_.news, false)) return std::nullopt;
  QString text = services_.ClipboardText();
  // A clipboard manager that keeps the text of a program that ends, or a
  // desktop that offers the clipboard again to a window coming back, puts
  // the same text anew: it is still the one taken. Only the workbook's total
  // is awaited even when it is the same as the last.
  if (text == clipboard_.taken && !clipboard_.totalAwaited) return std::nullopt;
  return text;
}

void Frmusufrutto::TookFromClipboard(const QString& text) {
  clipboard_.taken = text;
  clipboard_.totalAwaited = false;
}

}  // namespace velmora
