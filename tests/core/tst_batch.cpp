#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <variant>

#include "batch_run.h"
#include "core/documents/calculation_report.h"
#include "core/documents/valuation_output.h"
#include "core/valuation/refusal_words.h"

using namespace velmora;

namespace {

// The columns of the results, by position.
enum : qsizetype {
  kEtaAnni = 5,
  kEtaMesi = 6,
  kEtaGiorni = 7,
  kPercUsufrutto = 9,
  kUsufrutto = 11,
  kErrore = 13,
  kFonteDati = 18,
  kAvvertenza = 19,
  kFirstOther = 20,
};

const QByteArray kHeader = "pratica;tipo;valore;nascita;anni;data;saggio;accrescimento;imposta\n";

}  // namespace

// What `lotto` writes for each row, beyond the figures the core's tests check.
class TestBatch : public QObject {
  Q_OBJECT

 private slots:
  // The new column comes after the old ones, so that a script reading them
  // by position still finds them; the file's own columns follow.
  void theWarningColumnComesAfterTheOldOnes() {
    const test::BatchRun run =
        test::RunBatchOn(kHeader + "K-1;tempo-determinato;1000;;5;15/03/2026;;;\n");
    QCOMPARE(run.status, 0);
    QCOMPARE(run.rows[0].value(kFonteDati), QStringLiteral("fonte_dati"));
    QCOMPARE(run.rows[0].value(kAvvertenza), QStringLiteral("avvertenza"));
    QCOMPARE(run.rows[0].value(kFirstOther), QStringLiteral("pratica"));
    QCOMPARE(run.rows[1].value(kUsufrutto), QStringLiteral("116,10"));
    QCOMPARE(run.rows[1].value(kFirstOther), QStringLiteral("K-1"));
    QCOMPARE(run.rows[1].size(), run.rows[0].size());
  }

  // The command line's warning, word for word, for a row on the 2016 table
  // of another year; none for a row of 2016 or at the rate of the day.
  void theWarningOfThe2016Table_data() {
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<bool>("warned");
    QTest::newRow("lifetime, 2026")
        << QByteArray("vitalizio;100000;16/08/1946;;07/12/2026;2016") << true;
    QTest::newRow("lifetime, 2020")
        << QByteArray("vitalizio;100000;03/05/1950;;15/06/2020;2016") << true;
    QTest::newRow("fixed term, 2024")
        << QByteArray("tempo-determinato;1000;;12;31/12/2024;2016") << true;
    QTest::newRow("fixed term with the limit, 2026")
        << QByteArray("tempo-determinato;100000;01/01/1941;30;09/12/2026;2016;;successioni")
        << true;
    QTest::newRow("lifetime, 2016")
        << QByteArray("vitalizio;100000;16/08/1946;;07/12/2016;2016") << false;
    QTest::newRow("the rate of the day")
        << QByteArray("vitalizio;100000;16/08/1946;;07/12/2026;data") << false;
    QTest::newRow("no rate named") << QByteArray("tempo-determinato;1000;;5;15/03/2026;") << false;
  }
  void theWarningOfThe2016Table() {
    QFETCH(QByteArray, row);
    QFETCH(bool, warned);
    // The row without the file number, padded to the header's fields.
    QByteArray line = "X;" + row;
    while (line.count(';') < kHeader.count(';')) line += ';';
    const test::BatchRun run = test::RunBatchOn(kHeader + line + '\n');
    QCOMPARE(run.status, 0);
    const QString warning = run.rows[1].value(kAvvertenza);
    QCOMPARE(!warning.isEmpty(), warned);

    // The same case on the command line, and its warning on standard error.
    const QStringList fields = QString::fromUtf8(line).split(u';');
    DatiValutazione dati;
    dati.tipo =
        fields[1] == u"vitalizio" ? TipoValutazione::Vitalizio : TipoValutazione::TempoDeterminato;
    dati.valore = fields[2];
    if (!fields[3].isEmpty()) dati.nascite = {fields[3]};
    dati.anni = fields[4];
    dati.riferimento = fields[5];
    dati.saggio = fields[6] == u"2016" ? Saggio::Tabella2016 : Saggio::AllaData;
    dati.imposta = fields[8] == u"successioni" ? Imposta::Successioni : Imposta::Registro;
    const Esito esito = ValutaInParole(dati, ColumnNames(), test::BuiltInLaw());
    QVERIFY(std::holds_alternative<RecordValutazione>(esito));
    QCOMPARE(warning, AvvertenzaTabella2016(std::get<RecordValutazione>(esito)));
  }

  void theWarningInFull() {
    const test::BatchRun run =
        test::RunBatchOn(kHeader + "X;vitalizio;100000;16/08/1946;;07/12/2026;2016;;\n");
    QCOMPARE(run.rows[1].value(kAvvertenza),
             QStringLiteral("Attenzione: la tabella 2016 (saggio dello 0,2%) non è quella in "
                            "vigore il 7 dicembre 2026: a quella data si applica il saggio del "
                            "2,5%; per questo usufrutto le due tabelle danno la stessa quota, il "
                            "25%."));
    QCOMPARE(run.rows[1].value(kFirstOther), QStringLiteral("X"));
  }

  // The beneficiary's age, as the JSON gives it in its lives, when the limit
  // of the gift tax was looked at; none for a fixed term without one.
  void theAgeOfAFixedTermsBeneficiary_data() {
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("share");
    QTest::newRow("the limit applied")
        << QByteArray("tempo-determinato;100000;01/01/1941;30;09/12/2026;;;successioni")
        << "85;11;8"
        << "20%";
    QTest::newRow("the limit not applied")
        << QByteArray("tempo-determinato;100000;10/12/1990;5;09/12/2026;;;successioni")
        << "35;11;29"
        << "11,61%";
    QTest::newRow("on the 2016 table")
        << QByteArray("tempo-determinato;100000;15/06/1944;30;28/02/2025;2016;;successioni")
        << "80;8;13"
        << "5,82%";
    QTest::newRow("no beneficiary")
        << QByteArray("tempo-determinato;100000;;5;09/12/2026;;;successioni") << ";;"
        << "11,61%";
  }
  void theAgeOfAFixedTermsBeneficiary() {
    QFETCH(QByteArray, row);
    const test::BatchRun run = test::RunBatchOn(kHeader + "X;" + row + '\n');
    QCOMPARE(run.status, 0);
    const QStringList& fields = run.rows[1];
    QTEST(QStringList(fields.mid(kEtaAnni, 3)).join(u';'), "age");
    QTEST(fields.value(kPercUsufrutto), "share");

    // The JSON of the same case gives the same age in its lives.
    const QStringList typed = QString::fromUtf8(row).split(u';');
    DatiValutazione dati;
    dati.tipo = TipoValutazione::TempoDeterminato;
    dati.valore = typed[1];
    if (!typed[2].isEmpty()) dati.nascite = {typed[2]};
    dati.anni = typed[3];
    dati.riferimento = typed[4];
    dati.saggio = typed[5] == u"2016" ? Saggio::Tabella2016 : Saggio::AllaData;
    dati.imposta = Imposta::Successioni;
    const Esito esito = ValutaInParole(dati, ColumnNames(), test::BuiltInLaw());
    QVERIFY(std::holds_alternative<RecordValutazione>(esito));
    const QJsonObject json =
        QJsonDocument::fromJson(JsonDocument(std::get<RecordValutazione>(esito))).object();
    const QJsonObject life = json.value(u"vite").toArray().first().toObject();
    const QString age = json.contains(u"vite")
                            ? QStringLiteral("%1;%2;%3")
                                  .arg(QString::number(life.value(u"eta_anni").toInt()),
                                       QString::number(life.value(u"eta_mesi").toInt()),
                                       QString::number(life.value(u"eta_giorni").toInt()))
                            : QStringLiteral(";;");
    QCOMPARE(QStringList(fields.mid(kEtaAnni, 3)).join(u';'), age);
  }

  // Italian Excel's "CSV (delimitato dal separatore di elenco)": the whole file
  // read as Windows-1252, said once, and written out in UTF-8.
  void excelsWindows1252IsRead() {
    const test::BatchRun run = test::RunBatchOn(
        "pratica;tipo;valore;nascita;accrescimento;data;note\r\n"
        "F-1;vitalizio;\x80 100.000,00;16/08/1946+03/05/1950;s\xEC;07/12/2026;Forl\xEC\r\n"
        "F-2;vitalizio;100000;16/08/1946+03/05/1950;no;07/12/2026;\"Citt\xE0; 2\xB0 piano\"\r\n"
        "F-3;vitalizio;100000;16/08/1946;s\xEC;07/12/2026;\x93nota\x94\r\n",
        3);
    QCOMPARE(run.status, 1);
    QCOMPARE(
        run.errors,
        QStringList{QString::fromUtf8(
            "velmora: il file casi.csv non è in UTF-8: letto come Windows-1252 (il \"CSV "
            "(delimitato dal separatore di elenco)\" di Excel); i risultati sono in UTF-8\n")});
    QCOMPARE(run.rows[0].mid(kFirstOther), (QStringList{"pratica", "note"}));
    QCOMPARE(run.rows[1].value(kErrore), QString());
    QCOMPARE(run.rows[1].value(kPercUsufrutto), QStringLiteral("30%"));  // the youngest's age
    QCOMPARE(run.rows[1].value(1), QString::fromUtf8("€ 100.000,00"));
    QCOMPARE(run.rows[1].mid(kFirstOther), (QStringList{"F-1", QString::fromUtf8("Forlì")}));
    QCOMPARE(run.rows[2].value(kPercUsufrutto), QStringLiteral("25%"));  // the oldest's
    QCOMPARE(run.rows[2].value(kFirstOther + 1), QString::fromUtf8("Città; 2° piano"));
    QCOMPARE(run.rows[3].value(kErrore),
             QString::fromUtf8("accrescimento: l'accrescimento vale solo tra più titolari: con "
                               "una sola data di nascita non va indicato"));
    QCOMPARE(run.rows[3].value(kFirstOther + 1), QString::fromUtf8("“nota”"));
  }

  void aUtf8FileSaysNothing() {
    const test::BatchRun run = test::RunBatchOn(
        "tipo;valore;nascita;accrescimento;data;note\n"
        "vitalizio;100000;16/08/1946+03/05/1950;s\xC3\xAC;07/12/2026;Forl\xC3\xAC\n");
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errors, QStringList());
    QCOMPARE(run.rows[1].value(kFirstOther), QString::fromUtf8("Forlì"));
  }

  // A file taken as UTF-8 from its first block: a later row that is not is
  // refused, not guessed, and the rows written before it stay as they were.
  void aLaterRowThatIsNotUtf8IsRefused() {
    QByteArray input = "tipo;valore;anni;data;note\n";
    int rows = 0;
    while (input.size() < 70 * 1024) {
      input += "tempo-determinato;1000;5;15/03/2026;Forl\xC3\xAC\n";
      ++rows;
    }
    input += "tempo-determinato;1000;5;15/03/2026;Forl\xEC\n";
    input += "tempo-determinato;1000;5;15/03/2026;fine\n";
    const test::BatchRun run = test::RunBatchOn(input);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.errors, QStringList());
    QCOMPARE(run.rows.size(), rows + 3);
    QCOMPARE(run.rows[rows].value(kFirstOther), QString::fromUtf8("Forlì"));
    const QStringList& refused = run.rows[rows + 1];
    QCOMPARE(refused.value(kUsufrutto), QString());
    QCOMPARE(refused.value(kErrore),
             QStringLiteral("riga %1: caratteri non in UTF-8, mentre le prime righe del file lo "
                            "sono: salvare il file intero in una sola codifica (\"CSV UTF-8\" nei "
                            "fogli di calcolo)")
                 .arg(rows + 2));
    QCOMPARE(run.rows[rows + 2].value(kUsufrutto), QStringLiteral("116,10"));
  }

  void utf16IsRefusedByName_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("with its mark") << QByteArray("\xFF\xFEt\0i\0p\0o\0;\0", 12);
    QTest::newRow("little endian without its mark")
        << QByteArray("t\0i\0p\0o\0;\0v\0a\0l\0o\0r\0e\0\r\0\n\0", 26);
    QTest::newRow("big endian without its mark")
        << QByteArray("\0t\0i\0p\0o\0;\0v\0a\0l\0o\0r\0e\0\r\0\n", 26);
  }
  void utf16IsRefusedByName() {
    QFETCH(QByteArray, input);
    const test::BatchRun run = test::RunBatchOn(input);
    QCOMPARE(run.status, 3);
    QCOMPARE(run.rows, QList<QStringList>());
    QCOMPARE(run.errors, QStringList{QString::fromUtf8(
                             "velmora: il file casi.csv è in UTF-16: salvarlo come CSV in UTF-8 "
                             "(\"CSV UTF-8\" nei fogli di calcolo)\n")});
  }
};

QTEST_APPLESS_MAIN(TestBatch)
#include "tst_batch.moc"
