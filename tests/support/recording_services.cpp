#include "recording_services.h"

#include <QtGlobal>

namespace velmora::test {

RecordingServices::RecordingServices() {
  programFolder = qEnvironmentVariable("VELMORA_PROGRAM_DIR", QStringLiteral("/opt/velmora"));
}

void RecordingServices::MessageBox(const QString& prompt, Icon icon, const QString& title) {
  const QString mark = icon == Icon::Exclamation ? QStringLiteral("!")
                       : icon == Icon::Critical  ? QStringLiteral("X")
                                                 : QString();
  const QString line = title + " | " + mark + " | " + prompt;
  messages << line;
  log << "MessageBox " + line;
  if (onMessageBox) onMessageBox(prompt);
}

bool RecordingServices::Question(const QString& prompt, const QString& title) {
  const QString line = title + " | ? | " + prompt;
  messages << line;
  log << "Question " + line;
  if (onMessageBox) onMessageBox(prompt);
  return questionAnswer;
}

QString RecordingServices::ProgramFolder() {
  return programFolder;
}

QString RecordingServices::ClipboardText() {
  log << QStringLiteral("ClipboardText");
  return clipboard;
}

void RecordingServices::SetClipboard(const QString& plain, const QString& html) {
  log << QStringLiteral("SetClipboard");
  clipboard = plain;
  clipboardHtml = html;
  // The desktop tells of the program's own copies too.
  if (clipboardWatch) clipboardWatch();
}

QString RecordingServices::DocumentsFolder() {
  return documentsFolder;
}

QString RecordingServices::SaveFileName(const QString& title, const QString& suggested,
                                        const QString& filter) {
  log << "SaveFileName " + title + " | " + suggested + " | " + filter;
  suggestedFileName = suggested;
  return saveFileName;
}

void RecordingServices::PlayWave(const QString& name) {
  log << "PlayWave " + name;
  if (onPlayWave) onPlayWave(name);
}

int RecordingServices::OpenDocument(const QString& path, OpenerFailed failedLater) {
  if (openDocumentCode > 32) openers << failedLater;
  log << "OpenDocument " + path;
  return openDocumentCode;
}

bool RecordingServices::StartProgram(const QString& program, const QStringList& arguments) {
  log << "StartProgram " + (QStringList{program} + arguments).join(QStringLiteral(" | "));
  return startProgramResult;
}

QString RecordingServices::FindProgram(const QStringList& candidates) {
  log << "FindProgram " + candidates.join(QLatin1Char(' '));
  for (const QString& name : candidates)
    if (programsOnPath.contains(name)) return "/usr/bin/" + name;
  return {};
}

bool RecordingServices::OpenInBrowser(const QString& pathOrAddress, OpenerFailed failedLater) {
  if (browserResult) openers << failedLater;
  log << "OpenInBrowser " + pathOrAddress;
  return browserResult;
}

bool RecordingServices::WritePage(const QString& path, const QByteArray& html) {
  log << "WritePage " + path;
  if (writePageResult) pages.insert(path, html);
  return writePageResult;
}

PrinterSystem& RecordingServices::Printers() {
  log << QStringLiteral("Printers");
  Q_ASSERT_X(printers, "RecordingServices", "a test that prints sets printers first");
  return *printers;
}

QString RecordingServices::ReadSetting(const QString& key) {
  return settings.value(key);
}

bool RecordingServices::WriteSetting(const QString& key, const QString& value) {
  log << "WriteSetting " + key + "=" + value;
  if (settingsWritable) settings.insert(key, value);
  return settingsWritable;
}

}  // namespace velmora::test
