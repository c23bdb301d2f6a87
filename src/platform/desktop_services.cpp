#include "platform/desktop_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <utility>

#include "platform/companion_folder.h"
#include "platform/printers.h"

namespace velmora {

namespace {

// xdg-open returns only when the opener has done its work, and some openers
// stay as long as the application they started. A small shell waits for it
// at most this long and reports its status; one still running by then has
// succeeded, and lives on without us.
constexpr int kWatchTenths = 50;
const QString kWatch = QStringLiteral(
    "xdg-open \"$1\" & pid=$!; n=0; "
    "while [ $n -lt %1 ]; do "
    "if ! kill -0 $pid 2>/dev/null; then wait $pid; exit $?; fi; "
    "sleep 0.1; n=$((n + 1)); done; exit 0");

}  // namespace

// Starts the desktop's opener without waiting; false when it cannot start.
bool OpenWatched(const QUrl& url, Services::OpenerFailed failedLater) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return QDesktopServices::openUrl(url);
  auto* watch = new QProcess(qApp);
  watch->setStandardInputFile(QProcess::nullDevice());
  QObject::connect(watch, &QProcess::finished, watch,
                   [watch, failedLater](int code, QProcess::ExitStatus status) {
                     watch->deleteLater();
                     if ((status != QProcess::NormalExit || code != 0) && failedLater)
                       failedLater();
                   });
  watch->start(QStringLiteral("/bin/sh"),
               {QStringLiteral("-c"), kWatch.arg(kWatchTenths), QStringLiteral("velmora"),
                url.toString(QUrl::FullyEncoded)});
  // Starting a shell takes milliseconds; the opener itself is not waited for.
  if (watch->waitForStarted(3000)) return true;
  delete watch;
  return false;
}

DesktopServices::DesktopServices(std::function<QDateTime()> clock) : clock_(std::move(clock)) {}
DesktopServices::~DesktopServices() {
  QObject::disconnect(clipboardWatch_);
}

void DesktopServices::MessageBox(const QString& prompt, Icon icon, const QString& title) {
  const auto qtIcon = icon == Icon::Exclamation ? QMessageBox::Warning
                      : icon == Icon::Critical  ? QMessageBox::Critical
                                                : QMessageBox::NoIcon;
  // A carriage return alone starts a new line.
  QString text = prompt;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), '\n');
  QMessageBox box(qtIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool DesktopServices::Question(const QString& prompt, const QString& title) {
  QMessageBox box(QMessageBox::Question, title, prompt, QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sì"));
  box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

QString DesktopServices::ProgramFolder() {
  return CompanionFolder(QCoreApplication::applicationDirPath());
}

QString DesktopServices::ClipboardText() {
  return QGuiApplication::clipboard()->text();
}

void DesktopServices::SetClipboard(const QString& plain, const QString& html) {
  auto* data = new QMimeData;
  data->setText(plain);
  if (!html.isEmpty()) data->setHtml(html);
  QGuiApplication::clipboard()->setMimeData(data);  // the clipboard owns it
}

// On X11 Qt tells of every new owner of the clipboard, so a text copied
// again in another program counts as new.
void DesktopServices::WatchClipboard(ClipboardChanged changed) {
  QObject::disconnect(clipboardWatch_);
  if (!changed) return;
  clipboardWatch_ = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, qApp,
                                     std::move(changed));
}

QString DesktopServices::DocumentsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString DesktopServices::SaveFileName(const QString& title, const QString& suggested,
                                      const QString& filter) {
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested, filter);
}

void DesktopServices::PlayWave(const QString& name) {
  // The sound system lives in a module of its own, loaded on the first
  // sound: the audio libraries cost start-up time the first frame doesn't need.
  using Play = int (*)(const QString&);
  static const Play play = [] {
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/velmora_sound"));
    return reinterpret_cast<Play>(module.resolve("velmora_play_wave"));
  }();
  if (play)
    play(ProgramFolder() + name);
  else
    QApplication::beep();
}

int DesktopServices::OpenDocument(const QString& path, OpenerFailed failedLater) {
  const QFileInfo file(path);
  if (!file.exists()) return 2;
  if (!file.isReadable()) return 5;
  return OpenWatched(QUrl::fromLocalFile(path), std::move(failedLater)) ? 42 : 31;
}

bool DesktopServices::StartProgram(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

QString DesktopServices::FindProgram(const QStringList& candidates) {
  for (const QString& name : candidates) {
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty()) return found;
  }
  return {};
}

bool DesktopServices::OpenInBrowser(const QString& pathOrAddress, OpenerFailed failedLater) {
  const bool isAddress = pathOrAddress.startsWith(QLatin1String("http://")) ||
                         pathOrAddress.startsWith(QLatin1String("https://"));
  if (isAddress) return OpenWatched(QUrl(pathOrAddress), std::move(failedLater));
  // The browser would only show its own error page, after the call succeeded.
  const QFileInfo page(pathOrAddress);
  if (!page.isFile() || !page.isReadable()) return false;
  return OpenWatched(QUrl::fromLocalFile(pathOrAddress), std::move(failedLater));
}

QString DesktopServices::PagesFolder() {
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  return cache.isEmpty() ? QString() : cache + QStringLiteral("/pagine");
}

bool DesktopServices::WritePage(const QString& path, const QByteArray& html) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  // Written beside the page and renamed over it once complete.
  QSaveFile page(path);
  return page.open(QIODevice::WriteOnly) && page.write(html) == html.size() && page.commit();
}

namespace {
// Under the program's id, where the desktop keeps each user's settings
// (~/.config/it.dovel.Velmora/Velmora.conf on Linux).
QSettings UserSettings() {
  return QSettings(QStringLiteral("it.dovel.Velmora"), QStringLiteral("Velmora"));
}
}  // namespace

QString DesktopServices::ReadSetting(const QString& key) {
  return UserSettings().value(key).toString();
}

bool DesktopServices::WriteSetting(const QString& key, const QString& value) {
  QSettings settings = UserSettings();
  settings.setValue(key, value);
  settings.sync();
  return settings.status() == QSettings::NoError;
}

QString DesktopServices::SettingsFile() {
  return UserSettings().fileName();
}

PrinterSystem& DesktopServices::Printers() {
  // Created on first use: the printing service is not asked at start-up.
  if (!printers_) printers_ = MakeQtPrinterSystem();
  return *printers_;
}

}  // namespace velmora
