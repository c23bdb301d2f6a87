#include "cli/command_line.h"

#include <QStringView>
#include <optional>

#include "core/messages.h"

namespace velmora {
namespace {

// Qt's own options, with one dash or two: those that take the next argument
// (or "=value"), and those that stand alone.
constexpr QStringView kQtOptionsWithValue[] = {
    u"platform",    u"platformpluginpath", u"platformtheme", u"plugin",  u"qwindowgeometry",
    u"qwindowicon", u"qwindowtitle",       u"session",       u"display", u"geometry",
    u"style",       u"stylesheet",         u"name",          u"title"};
constexpr QStringView kQtFlags[] = {u"reverse", u"widgetcount", u"nograb", u"dograb", u"sync"};

bool IsHelp(QStringView a) {
  return a == u"--help" || a == u"-h";
}
bool IsVersion(QStringView a) {
  return a == u"--version" || a == u"-v";
}

// The name of a Qt option without its dashes and any "=value".
QStringView QtName(QStringView a) {
  if (a.startsWith(u"--")) {
    a = a.mid(2);
  } else if (a.startsWith(u'-')) {
    a = a.mid(1);
  } else {
    return {};
  }
  const qsizetype equals = a.indexOf(u'=');
  return equals < 0 ? a : a.first(equals);
}

// Every argument is one of Qt's options (with its value) or asks for the
// help or the version.
CommandLine ReadWindowArguments(const QStringList& arguments) {
  CommandLine line;
  bool version = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (IsHelp(a)) {
      line.request = CommandLineRequest::Help;
      return line;
    }
    if (IsVersion(a)) {
      version = true;
      continue;
    }
    const QStringView name = QtName(a);
    bool known = false;
    for (const QStringView option : kQtOptionsWithValue) {
      if (name != option) continue;
      known = true;
      if (!a.contains(u'=')) {
        if (i + 1 == arguments.size()) {
          line.error = text::kOptionNeedsValue.arg(a);
        } else {
          ++i;
        }
      }
    }
    for (const QStringView flag : kQtFlags) known = known || (name == flag && !a.contains(u'='));
    // Qt reads its QML debugger's option only in the "=" form.
    known = known || name == u"qmljsdebugger";
    if (!known && line.error.isEmpty()) line.error = text::kUnknownArgument.arg(a);
  }
  if (!line.error.isEmpty()) {
    line.request = CommandLineRequest::UsageError;
  } else if (version) {
    line.request = CommandLineRequest::Version;
  }
  return line;
}

struct Choice {
  QStringView text;
  int value;
};

std::optional<int> Choose(const QString& text, std::initializer_list<Choice> choices) {
  for (const Choice& c : choices) {
    if (text == c.text) return c.value;
  }
  return std::nullopt;
}

// "vitalizio --valore 250000 --nascita 03/05/1950 ..." or "lotto [FILE|-]".
CommandLine ReadCommand(const QStringList& arguments) {
  CommandLine line;
  const QString& command = arguments.first();
  const bool lifetime = command == u"vitalizio";
  const bool batch = command == u"lotto";
  line.request = batch ? CommandLineRequest::Batch : CommandLineRequest::Valuation;
  line.dati.tipo = lifetime ? Usufrutto::Vitalizio : Usufrutto::TempoDeterminato;
  line.dati.saggio = Saggio::AllaData;

  bool help = false;
  bool version = false;
  bool optionsEnd = false;
  bool hasFile = false;
  bool hasValue = false;
  bool hasBirth = false;
  bool hasYears = false;
  QString error;
  auto fail = [&error](const QString& message) {
    if (error.isEmpty()) error = message;
  };

  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (optionsEnd || !a.startsWith(u'-') || a == u"-") {
      if (batch && !hasFile) {
        line.file = a;
        hasFile = true;
      } else {
        fail(text::kExtraArgument.arg(a));
      }
      continue;
    }
    if (a == u"--") {
      optionsEnd = true;
      continue;
    }
    if (IsHelp(a)) {
      help = true;
      continue;
    }
    if (IsVersion(a)) {
      version = true;
      continue;
    }
    const qsizetype equals = a.indexOf(u'=');
    const QString name = equals < 0 ? a : a.first(equals);
    QString* target = nullptr;
    if (!batch) {
      if (name == u"--valore") {
        target = &line.dati.valore;
        hasValue = true;
      } else if (name == u"--nascita" && lifetime) {
        target = &line.dati.nascita;
        hasBirth = true;
      } else if (name == u"--anni" && !lifetime) {
        target = &line.dati.anni;
        hasYears = true;
      } else if (name == u"--data") {
        target = &line.dati.riferimento;
      }
    }
    QString value;
    const bool takesValue = target || (!batch && (name == u"--saggio" || name == u"--formato"));
    if (!takesValue) {
      fail(text::kUnknownOption.arg(command, a));
      continue;
    }
    if (equals >= 0) {
      value = a.mid(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      fail(text::kOptionNeedsValue.arg(a));
      continue;
    }
    if (target) {
      *target = value;
    } else if (name == u"--saggio") {
      const auto saggio =
          Choose(value, {{u"data", int(Saggio::AllaData)}, {u"2016", int(Saggio::Tabella2016)}});
      if (saggio) {
        line.dati.saggio = Saggio(*saggio);
      } else {
        fail(text::kBadChoice.arg(name, value, QStringLiteral("data, 2016")));
      }
    } else {
      const auto format = Choose(value, {{u"testo", int(OutputFormat::Text)},
                                         {u"json", int(OutputFormat::Json)},
                                         {u"csv", int(OutputFormat::Csv)}});
      if (format) {
        line.format = OutputFormat(*format);
      } else {
        fail(text::kBadChoice.arg(name, value, QStringLiteral("testo, json, csv")));
      }
    }
  }

  if (!batch && !hasValue) fail(text::kMissingOption.arg(command, QStringLiteral("--valore")));
  if (lifetime && !hasBirth) fail(text::kMissingOption.arg(command, QStringLiteral("--nascita")));
  if (!lifetime && !batch && !hasYears) {
    fail(text::kMissingOption.arg(command, QStringLiteral("--anni")));
  }

  if (help) {
    line.request = CommandLineRequest::Help;
  } else if (!error.isEmpty()) {
    line.request = CommandLineRequest::UsageError;
    line.error = error;
  } else if (version) {
    line.request = CommandLineRequest::Version;
  }
  return line;
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
  if (arguments.isEmpty()) return {};
  const QString& first = arguments.first();
  if (first == u"vitalizio" || first == u"tempo-determinato" || first == u"lotto") {
    return ReadCommand(arguments);
  }
  if (!first.startsWith(u'-')) {
    // A word where the command goes; the help still answers.
    CommandLine line;
    line.request =
        arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))
            ? CommandLineRequest::Help
            : CommandLineRequest::UsageError;
    line.error = text::kUnknownCommand.arg(first);
    return line;
  }
  return ReadWindowArguments(arguments);
}

}  // namespace velmora
