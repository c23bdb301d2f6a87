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

// The option that carries the input of its own kind.
QStringView KindOption(TipoValutazione tipo) {
  switch (tipo) {
    case TipoValutazione::Vitalizio:
      return u"--nascita";
    case TipoValutazione::TempoDeterminato:
      return u"--anni";
  }
  return {};
}

QString* KindInput(DatiValutazione& dati) {
  switch (dati.tipo) {
    case TipoValutazione::Vitalizio:
      return &dati.nascita;
    case TipoValutazione::TempoDeterminato:
      return &dati.anni;
  }
  return nullptr;
}

// An option of a valuation, taken once: a second --valore is a mistake, not
// a correction.
struct Option {
  QStringView name;
  QString* value;
  bool given = false;
};

// "vitalizio --valore 250000 --nascita 03/05/1950 ..." or "lotto [FILE|-]".
CommandLine ReadCommand(const QStringList& arguments) {
  CommandLine line;
  const QString& command = arguments.first();
  const std::optional<TipoValutazione> kind = KindNamed(command);
  line.request = kind ? CommandLineRequest::Valuation : CommandLineRequest::Batch;
  line.dati.tipo = kind.value_or(TipoValutazione::Vitalizio);
  line.dati.saggio = Saggio::AllaData;
  QString saggio;
  QString formato;
  Option valore{u"--valore", &line.dati.valore};
  Option own{KindOption(line.dati.tipo), KindInput(line.dati)};
  Option data{u"--data", &line.dati.riferimento};
  Option rate{u"--saggio", &saggio};
  Option format{u"--formato", &formato};
  const std::array<Option*, 5> options = {&valore, &own, &data, &rate, &format};

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
    if (option->given) fail(text::kRepeatedOption.arg(name));
    option->given = true;
    if (equals >= 0) {
      *option->value = a.mid(equals + 1);
    } else if (i + 1 < arguments.size()) {
      *option->value = arguments[++i];
    } else {
      fail(text::kOptionNeedsValue.arg(a));
      continue;
    }
    // An empty value would be read as no input at all: an empty date as today.
    if (option->value->trimmed().isEmpty()) fail(text::kEmptyOption.arg(name));
  }

  if (kind) {
    for (const Option* required : {&valore, &own})
      if (!required->given) fail(text::kMissingOption.arg(command, required->name));
    if (rate.given) {
      const auto chosen =
          Choose(saggio, {{u"data", int(Saggio::AllaData)}, {u"2016", int(Saggio::Tabella2016)}});
      if (chosen) {
        line.dati.saggio = Saggio(*chosen);
      } else {
        fail(text::kBadChoice.arg(rate.name, saggio, QStringLiteral("data, 2016")));
      }
    }
    if (format.given) {
      const auto chosen = Choose(formato, {{u"testo", int(OutputFormat::Text)},
                                           {u"json", int(OutputFormat::Json)},
                                           {u"csv", int(OutputFormat::Csv)}});
      if (chosen) {
        line.format = OutputFormat(*chosen);
      } else {
        fail(text::kBadChoice.arg(format.name, formato, QStringLiteral("testo, json, csv")));
      }
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

}  // namespace

QString KindName(TipoValutazione tipo) {
  switch (tipo) {
    case TipoValutazione::Vitalizio:
      return QStringLiteral("vitalizio");
    case TipoValutazione::TempoDeterminato:
      return QStringLiteral("tempo-determinato");
  }
  return {};
}

namespace {

// Every kind has a name, and KindName's switch lists them all: past the last
// kind it gives the empty text.
template <typename Text>
std::optional<TipoValutazione> Named(Text name) {
  for (int k = 0;; ++k) {
    const QString kindName = KindName(TipoValutazione(k));
    if (kindName.isEmpty()) return std::nullopt;
    if (kindName == name) return TipoValutazione(k);
  }
}

}  // namespace

std::optional<TipoValutazione> KindNamed(QStringView name) {
  return Named(name);
}

std::optional<TipoValutazione> KindNamed(QLatin1StringView name) {
  return Named(name);
}

CommandLine ReadCommandLine(const QStringList& arguments) {
  if (arguments.isEmpty()) return {};
  const QString& first = arguments.first();
  if (KindNamed(first) || first == u"lotto") return ReadCommand(arguments);
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
