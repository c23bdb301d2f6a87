#include <QtTest>

#include "cli/command_line.h"

using namespace velmora;

Q_DECLARE_METATYPE(velmora::CommandLineRequest)
Q_DECLARE_METATYPE(velmora::OutputFormat)
Q_DECLARE_METATYPE(velmora::Saggio)

// What the program does with the arguments it is started with.
class TestCommandLine : public QObject {
  Q_OBJECT

 private slots:
  void theArgumentsChooseWhatToAnswer_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLineRequest>("request");
    QTest::newRow("none opens the window") << QStringList() << CommandLineRequest::Window;
    QTest::newRow("--help") << QStringList{"--help"} << CommandLineRequest::Help;
    QTest::newRow("-h") << QStringList{"-h"} << CommandLineRequest::Help;
    QTest::newRow("--version") << QStringList{"--version"} << CommandLineRequest::Version;
    QTest::newRow("-v") << QStringList{"-v"} << CommandLineRequest::Version;
    QTest::newRow("help wins over version")
        << QStringList{"--version", "--help"} << CommandLineRequest::Help;
    QTest::newRow("help after a Qt option")
        << QStringList{"-platform", "offscreen", "--help"} << CommandLineRequest::Help;
    QTest::newRow("Qt's options are left to Qt")
        << QStringList{"-style", "fusion", "-display", ":1"} << CommandLineRequest::Window;
    QTest::newRow("Qt's options with two dashes and =")
        << QStringList{"--platform", "offscreen", "-style=fusion", "-reverse"}
        << CommandLineRequest::Window;
    QTest::newRow("help where a value was due")
        << QStringList{"vitalizio", "--valore", "-h"} << CommandLineRequest::Help;
    QTest::newRow("help of a command")
        << QStringList{"vitalizio", "--help"} << CommandLineRequest::Help;
    QTest::newRow("help beside a wrong option")
        << QStringList{"lotto", "--nessuna", "-h"} << CommandLineRequest::Help;
    QTest::newRow("help after an unknown command")
        << QStringList{"calcola", "--help"} << CommandLineRequest::Help;
    QTest::newRow("lifetime") << QStringList{"vitalizio", "--valore", "1", "--nascita", "1/1/1950"}
                              << CommandLineRequest::Valuation;
    QTest::newRow("fixed term") << QStringList{"tempo-determinato", "--valore=1", "--anni=3"}
                                << CommandLineRequest::Valuation;
    QTest::newRow("batch from standard input") << QStringList{"lotto"} << CommandLineRequest::Batch;
    QTest::newRow("batch of a file named like an option")
        << QStringList{"lotto", "--", "-casi.csv"} << CommandLineRequest::Batch;
  }
  void theArgumentsChooseWhatToAnswer() {
    QFETCH(QStringList, arguments);
    QFETCH(CommandLineRequest, request);
    QCOMPARE(ReadCommandLine(arguments).request, request);
  }

  // Refused with the status 2 before any window: each names what is wrong.
  void wrongArgumentsAreUsageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("single dash long form")
        << QStringList{"-help"} << "argomento non riconosciuto: -help";
    QTest::newRow("capital") << QStringList{"--Help"} << "argomento non riconosciuto: --Help";
    QTest::newRow("prefix") << QStringList{"--vers"} << "argomento non riconosciuto: --vers";
    QTest::newRow("with a value") << QStringList{"--version=1"}
                                  << "argomento non riconosciuto: --version=1";
    QTest::newRow("Italian") << QStringList{"--aiuto"} << "argomento non riconosciuto: --aiuto";
    QTest::newRow("a file after Qt's options") << QStringList{"-style", "fusion", "documento.txt"}
                                               << "argomento non riconosciuto: documento.txt";
    QTest::newRow("Qt's option without its value")
        << QStringList{"-platform"} << "l'opzione -platform richiede un valore";
    QTest::newRow("unknown command")
        << QStringList{"calcola"}
        << "comando non riconosciuto: calcola (i comandi sono vitalizio, tempo-determinato, "
           "lotto, dati, mcp e servizio)";
    QTest::newRow("command after a Qt option")
        << QStringList{"-style", "fusion", "vitalizio"} << "argomento non riconosciuto: vitalizio";
    QTest::newRow("unknown option")
        << QStringList{"vitalizio", "--valore", "1", "--nascita", "1/1/1950", "--eta", "3"}
        << "opzione non riconosciuta per vitalizio: --eta";
    QTest::newRow("an unknown right")
        << QStringList{"vitalizio", "--valore", "1", "--nascita", "x", "--diritto", "servitù"}
        << "valore non ammesso per --diritto: servitù (ammessi: usufrutto, uso, abitazione)";
    QTest::newRow("no value") << QStringList{"tempo-determinato", "--anni", "3"}
                              << "tempo-determinato richiede l'opzione --valore";
    QTest::newRow("no birth date")
        << QStringList{"vitalizio", "--valore", "1"} << "vitalizio richiede l'opzione --nascita";
    QTest::newRow("no years") << QStringList{"tempo-determinato", "--valore", "1"}
                              << "tempo-determinato richiede l'opzione --anni";
    QTest::newRow("option without its value")
        << QStringList{"tempo-determinato", "--anni", "3", "--valore"}
        << "l'opzione --valore richiede un valore";
    QTest::newRow("the next option is no value")
        << QStringList{"vitalizio", "--valore", "--nascita", "01/01/1950"}
        << "l'opzione --valore richiede un valore";
    QTest::newRow("the next option in = form is no value")
        << QStringList{"tempo-determinato", "--valore", "1", "--anni", "--data=07/12/2026"}
        << "l'opzione --anni richiede un valore";
    QTest::newRow("the end of the options is no value")
        << QStringList{"vitalizio", "--nascita", "01/01/1950", "--valore", "--", "5"}
        << "l'opzione --valore richiede un valore";
    QTest::newRow("wrong rate") << QStringList{"tempo-determinato", "--valore", "1", "--anni", "3",
                                               "--saggio",          "2025"}
                                << "valore non ammesso per --saggio: 2025 (ammessi: data, 2016)";
    QTest::newRow("wrong format")
        << QStringList{"tempo-determinato", "--valore", "1", "--anni", "3", "--formato=xml"}
        << "valore non ammesso per --formato: xml (ammessi: testo, json, csv)";
    QTest::newRow("a word too many")
        << QStringList{"tempo-determinato", "--valore", "1", "--anni", "3", "anni"}
        << "argomento in più: anni";
    QTest::newRow("two files") << QStringList{"lotto", "a.csv", "b.csv"}
                               << "argomento in più: b.csv";
    QTest::newRow("options of a valuation in a batch")
        << QStringList{"lotto", "--formato", "json"}
        << "opzione non riconosciuta per lotto: --formato";
    QTest::newRow("an option given twice")
        << QStringList{"vitalizio", "--valore", "1", "--valore", "2", "--nascita", "x"}
        << "l'opzione --valore è data più di una volta";
    QTest::newRow("the rate given twice")
        << QStringList{"tempo-determinato", "--valore", "1",        "--anni", "3",
                       "--saggio",          "2016",     "--saggio", "data"}
        << "l'opzione --saggio è data più di una volta";
    QTest::newRow("an empty date is not today")
        << QStringList{"tempo-determinato", "--valore", "1", "--anni", "3", "--data="}
        << "l'opzione --data ha un valore vuoto";
    QTest::newRow("an empty birth date")
        << QStringList{"vitalizio", "--valore", "1", "--nascita", ""}
        << "l'opzione --nascita ha un valore vuoto";
    QTest::newRow("a check without its file")
        << QStringList{"dati", "--verifica"} << "l'opzione --verifica richiede un valore";
    QTest::newRow("a file without --verifica")
        << QStringList{"dati", "a.tsv"} << "argomento in più: a.tsv";
    QTest::newRow("the first fault is named")
        << QStringList{"vitalizio", "--x", "--y"} << "opzione non riconosciuta per vitalizio: --x";
  }
  void wrongArgumentsAreUsageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const CommandLine line = ReadCommandLine(arguments);
    QCOMPARE(line.request, CommandLineRequest::UsageError);
    QCOMPARE(line.error, error);
  }

  void theOptionsFillTheInputs_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("valore");
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<QString>("anni");
    QTest::addColumn<QString>("data");
    QTest::addColumn<Saggio>("saggio");
    QTest::addColumn<OutputFormat>("format");
    QTest::newRow("defaults: rate of the day, report")
        << QStringList{"vitalizio", "--valore", "250.000,50", "--nascita", "3 maggio 1950"}
        << "250.000,50"
        << "3 maggio 1950"
        << ""
        << "" << Saggio::AllaData << OutputFormat::Text;
    QTest::newRow("every option, = form")
        << QStringList{"tempo-determinato", "--valore=100000", "--anni=10",
                       "--data=09/12/2026", "--saggio=2016",   "--formato=json"}
        << "100000"
        << ""
        << "10"
        << "09/12/2026" << Saggio::Tabella2016 << OutputFormat::Json;
    QTest::newRow("a negative value is a value")
        << QStringList{"tempo-determinato", "--valore", "-5", "--anni", "-1", "--formato", "csv"}
        << "-5"
        << ""
        << "-1"
        << "" << Saggio::AllaData << OutputFormat::Csv;
  }
  void theOptionsFillTheInputs() {
    QFETCH(QStringList, arguments);
    const CommandLine line = ReadCommandLine(arguments);
    QCOMPARE(line.request, CommandLineRequest::Valuation);
    QTEST(line.dati.valore, "valore");
    QTEST(line.dati.nascite.join(u'+'), "nascita");
    QTEST(line.dati.anni, "anni");
    QTEST(line.dati.riferimento, "data");
    QTEST(line.dati.saggio, "saggio");
    QTEST(line.format, "format");
    QCOMPARE(line.dati.tipo, arguments.first() == "vitalizio" ? TipoValutazione::Vitalizio
                                                              : TipoValutazione::TempoDeterminato);
  }

  // An empty file name lists the data in use; a name is the file to check.
  void theDataCommandNamesItsFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("the list") << QStringList{"dati"} << "";
    QTest::newRow("a check") << QStringList{"dati", "--verifica", "2027.tsv"} << "2027.tsv";
    QTest::newRow("= form") << QStringList{"dati", "--verifica=2027.tsv"} << "2027.tsv";
    QTest::newRow("a file named like an option")
        << QStringList{"dati", "--verifica", "--2027.tsv"} << "--2027.tsv";
  }
  void theDataCommandNamesItsFile() {
    QFETCH(QStringList, arguments);
    const CommandLine line = ReadCommandLine(arguments);
    QCOMPARE(line.request, CommandLineRequest::Data);
    QTEST(line.dataFile, "file");
  }

  void theBatchNamesItsFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("none is standard input") << QStringList{"lotto"} << "-";
    QTest::newRow("dash is standard input") << QStringList{"lotto", "-"} << "-";
    QTest::newRow("a file") << QStringList{"lotto", "casi.csv"} << "casi.csv";
    QTest::newRow("after --") << QStringList{"lotto", "--", "--casi.csv"} << "--casi.csv";
  }
  void theBatchNamesItsFile() {
    QFETCH(QStringList, arguments);
    const CommandLine line = ReadCommandLine(arguments);
    QCOMPARE(line.request, CommandLineRequest::Batch);
    QTEST(line.file, "file");
  }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
