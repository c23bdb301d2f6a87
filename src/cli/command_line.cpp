#include "cli/command_line.h"

#include <QStringView>
#include <array>
#include <optional>

#include "cli/cli_texts.h"

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
// An argument that is an option of its own, never the value of the one
// before it: "--valore --nascita 01/01/1950" lacks the value, and a negative
// value ("-5") is still a value.
bool IsOptionName(QStringView a) {
  return a.startsWith(u"--") || IsHelp(a) || IsVersion(a);
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

// An option of a valuation, taken once: a second --valore is a mistake, not
// a correction. Only the birth dates of several lives repeat.
struct Option {
  explicit Option(QStringView n, bool r = false) : name(n), repeats(r) {}
  QStringView name;
  bool repeats = false;
  QStringList values;
  bool Given() const { return !values.isEmpty(); }
  const QString& Value() const { return values.constLast(); }
};

// "vitalizio --valore 250000 --nascita 03/05/1950 ..." or "lotto [FILE|-]".
CommandLine ReadCommand(const QStringList& arguments) {
  CommandLine line;
  const QString& command = arguments.first();
  const std::optional<TipoValutazione> kind = KindNamed(command);
  line.request = kind ? CommandLineRequest::Valuation : CommandLineRequest::Batch;
  line.dati.tipo = kind.value_or(TipoValutazione::Vitalizio);
  line.dati.saggio = Saggio::AllaData;
  Option valore(u"--valore");
  Option nascita(u"--nascita", true);
  Option anni(u"--anni");
  Option data(u"--data");
  Option rate(u"--saggio");
  Option format(u"--formato");
  Option right(u"--diritto");
  Option tax(u"--imposta");
  Option accrual(u"--accrescimento");
  const std::array<Option*, 9> options = {&valore, &nascita, &anni, &data,   &rate,
                                          &format, &right,   &tax,  &accrual};

  bool help = false;
  bool version = false;
  bool optionsEnd = false;
  bool hasFile = false;
  QString error;
  auto fail = [&error](const QString& message) {
    if (error.isEmpty()) error = message;
  };

  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (optionsEnd || !a.startsWith(u'-') || a == u"-") {
      if (!kind && !hasFile) {
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
    const QStringView name = equals < 0 ? QStringView(a) : QStringView(a).first(equals);
    Option* option = nullptr;
    for (Option* o : options)
      if (kind && o->name == name) option = o;
    if (!option) {
      fail(text::kUnknownOption.arg(command, a));
      continue;
    }
    if (option->Given() && !option->repeats) fail(text::kRepeatedOption.arg(name));
    if (equals >= 0) {
      option->values << a.mid(equals + 1);
    } else if (i + 1 < arguments.size() && !IsOptionName(arguments[i + 1])) {
      option->values << arguments[++i];
    } else {
      fail(text::kOptionNeedsValue.arg(a));
      continue;
    }
    // An empty value would be read as no input at all: an empty date as today.
    if (option->Value().trimmed().isEmpty()) fail(text::kEmptyOption.arg(name));
  }

  if (kind) {
    // Which inputs go with which kind is the case reader's to say, for the
    // commands and the batch alike: here only the options a kind cannot do without.
    switch (*kind) {
      case TipoValutazione::Vitalizio:
        if (!nascita.Given()) fail(text::kMissingOption.arg(command, nascita.name));
        break;
      case TipoValutazione::TempoDeterminato:
        if (!anni.Given()) fail(text::kMissingOption.arg(command, anni.name));
        break;
    }
    if (!valore.Given()) fail(text::kMissingOption.arg(command, valore.name));
    if (valore.Given()) line.dati.valore = valore.Value();
    if (data.Given()) line.dati.riferimento = data.Value();
    if (anni.Given()) line.dati.anni = anni.Value();
    line.dati.nascite = nascita.values;
    if (rate.Given()) {
      const auto chosen = Choose(
          rate.Value(), {{u"data", int(Saggio::AllaData)}, {u"2016", int(Saggio::Tabella2016)}});
      if (chosen) {
        line.dati.saggio = Saggio(*chosen);
      } else {
        fail(text::kBadChoice.arg(rate.name, rate.Value(), QStringLiteral("data, 2016")));
      }
    }
    if (format.Given()) {
      const auto chosen = Choose(format.Value(), {{u"testo", int(OutputFormat::Text)},
                                                  {u"json", int(OutputFormat::Json)},
                                                  {u"csv", int(OutputFormat::Csv)}});
      if (chosen) {
        line.format = OutputFormat(*chosen);
      } else {
        fail(text::kBadChoice.arg(format.name, format.Value(), QStringLiteral("testo, json, csv")));
      }
    }
    if (right.Given()) {
      const std::optional<Diritto> chosen = RightNamed(right.Value());
      if (chosen)
        line.dati.diritto = *chosen;
      else
        fail(text::kBadChoice.arg(right.name, right.Value(),
                                  QStringLiteral("usufrutto, uso, abitazione")));
    }
    if (tax.Given()) {
      const std::optional<Imposta> chosen = TaxNamed(tax.Value());
      if (chosen)
        line.dati.imposta = *chosen;
      else
        fail(text::kBadChoice.arg(tax.name, tax.Value(), QStringLiteral("registro, successioni")));
    }
    if (accrual.Given()) {
      line.dati.accrescimento = AccrualNamed(accrual.Value());
      if (!line.dati.accrescimento)
        fail(text::kBadChoice.arg(accrual.name, accrual.Value(), QStringLiteral("si, no")));
    }
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

// "dati" or "dati --verifica FILE".
CommandLine ReadDataCommand(const QStringList& arguments) {
  const QString& command = arguments.first();
  const QString verify = QStringLiteral("--verifica");
  CommandLine line;
  line.request = CommandLineRequest::Data;
  bool help = false;
  bool version = false;
  bool given = false;
  QString error;
  auto fail = [&error](const QString& message) {
    if (error.isEmpty()) error = message;
  };
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (IsHelp(a)) {
      help = true;
    } else if (IsVersion(a)) {
      version = true;
    } else if (a == verify || a.startsWith(verify + u'=')) {
      if (given) fail(text::kRepeatedOption.arg(verify));
      given = true;
      if (a != verify) {
        line.dataFile = a.mid(verify.size() + 1);
      } else if (i + 1 < arguments.size()) {
        line.dataFile = arguments[++i];
      } else {
        fail(text::kOptionNeedsValue.arg(verify));
        continue;
      }
      if (line.dataFile.isEmpty()) fail(text::kEmptyOption.arg(verify));
    } else if (a.startsWith(u'-')) {
      fail(text::kUnknownOption.arg(command, a));
    } else {
      fail(text::kExtraArgument.arg(a));
    }
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

// "mcp", which takes no argument but the help.
CommandLine ReadMcpCommand(const QStringList& arguments) {
  CommandLine line;
  line.request = CommandLineRequest::Mcp;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (IsHelp(a)) {
      line.request = CommandLineRequest::Help;
      return line;
    }
    if (line.error.isEmpty())
      line.error = a.startsWith(u'-') ? text::kUnknownOption.arg(arguments.first(), a)
                                      : text::kExtraArgument.arg(a);
  }
  if (!line.error.isEmpty()) line.request = CommandLineRequest::UsageError;
  return line;
}

}  // namespace

const NomiIngressi& OptionNames() {
  static const NomiIngressi names{QStringLiteral("--valore"),        QStringLiteral("--nascita"),
                                  QStringLiteral("--anni"),          QStringLiteral("--data"),
                                  QStringLiteral("--accrescimento"), QStringLiteral("--imposta")};
  return names;
}

CommandLine ReadCommandLine(const QStringList& arguments) {
  if (arguments.isEmpty()) return {};
  const QString& first = arguments.first();
  if (KindNamed(first) || first == u"lotto") return ReadCommand(arguments);
  if (first == u"dati") return ReadDataCommand(arguments);
  if (first == u"mcp") return ReadMcpCommand(arguments);
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
