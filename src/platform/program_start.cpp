#include "platform/program_start.h"

#include <QCoreApplication>
#include <QMutex>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace velmora {
namespace {

void Write(std::FILE* stream, const QString& text) {
  std::fputs(text.toUtf8().constData(), stream);
  std::fflush(stream);
}

// A message of Qt's held while the display opens. The context's texts are
// literals and category names that live as long as the program.
struct HeldMessage {
  QtMsgType type;
  const char* file;
  int line;
  const char* function;
  const char* category;
  QString text;
};

QMutex heldLock;
std::vector<HeldMessage> held;
QtMessageHandler previousHandler = nullptr;
QString noDisplayMessage;

void HoldWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // The only fatal failure of the toolkit's start is a display that
    // cannot be opened. Nothing has been started yet that needs ending.
    Write(stderr, noDisplayMessage);
    std::_Exit(1);
  }
  const QMutexLocker lock(&heldLock);
  held.push_back({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

DisplayStartGuard::DisplayStartGuard(const QString& noDisplay) {
  noDisplayMessage = noDisplay;
  previousHandler = qInstallMessageHandler(HoldWhileOpening);
}

DisplayStartGuard::~DisplayStartGuard() {
  Opened();
}

void DisplayStartGuard::Opened() {
  if (!watching_) return;
  watching_ = false;
  qInstallMessageHandler(previousHandler);
  std::vector<HeldMessage> messages;
  {
    const QMutexLocker lock(&heldLock);
    messages.swap(held);
  }
  for (const HeldMessage& m : messages) {
    const QMessageLogContext context(m.file, m.line, m.function, m.category);
    qt_message_output(m.type, context, m.text);
  }
}

std::optional<QString> UnknownArgument() {
  const QStringList left = QCoreApplication::arguments().mid(1);
  if (left.isEmpty()) return std::nullopt;
  return left.first();
}

}  // namespace velmora
