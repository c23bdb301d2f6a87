#include <QtTest>
#include <variant>

#include "core/documents/calculation_report.h"
#include "core/law/legal_data_in_use.h"
#include "core/law/legal_data_merge.h"
#include "legal_data_for_tests.h"

using namespace velmora;

Q_DECLARE_METATYPE(velmora::DatiValutazione)

// The report of the README's worked examples, in both rate modes: every
// figure, band, decree and word form it must state.
class TestCalculationReport : public QObject {
  Q_OBJECT

  const Calcolo calcolo{QDateTime(QDate(2026, 12, 9), QTime(16, 5)), QStringLiteral("1.0.0")};

  static RecordValutazione Valued(const DatiValutazione& dati,
                                  const DatiLegali& law = test::BuiltInLaw()) {
    auto result = Valuta(dati, law);
    if (const auto* refusal = std::get_if<Rifiuto>(&result))
      qFatal("refused: %d", int(refusal->motivo));
    return std::get<RecordValutazione>(result);
  }

  static DatiValutazione Lifetime(Saggio saggio, const char* value, const char* birth) {
    DatiValutazione dati;
    dati.saggio = saggio;
    dati.valore = QString::fromUtf8(value);
    dati.riferimento = QStringLiteral("07/12/2026");
    dati.nascite = QString::fromUtf8(birth).split(u'+');
    return dati;
  }
  static DatiValutazione FixedTerm(Saggio saggio, const char* value, const char* years) {
    DatiValutazione dati;
    dati.tipo = TipoValutazione::TempoDeterminato;
    dati.saggio = saggio;
    dati.valore = QString::fromUtf8(value);
    dati.riferimento = QStringLiteral("07/12/2026");
    dati.anni = QString::fromUtf8(years);
    return dati;
  }

 private slots:

  // Several lives and the floor are different articles under each tax.
  void statutesCitedByTax_data() {
    QTest::addColumn<DatiValutazione>("dati");
    QTest::addColumn<QStringList>("cited");
    QTest::addColumn<QStringList>("notCited");
    const auto lives = [](Imposta imposta, bool accrual, const char* day) {
      DatiValutazione dati = Lifetime(Saggio::AllaData, "90000", "16/08/1946+02/03/1951");
      dati.imposta = imposta;
      dati.accrescimento = accrual;
      dati.riferimento = QString::fromLatin1(day);
      return dati;
    };
    const QString registroLives = QStringLiteral(
        "art. 46, comma 2, lettera c), del D.P.R. 26 aprile 1986, n. 131 (età della persona alla "
        "cui morte deve cessare il diritto); cfr. art. 17, comma 1, lettera c), del D.Lgs. 31 "
        "ottobre 1990, n. 346");
    const QString successioniLives = QStringLiteral(
        "più giovane: art. 17, comma 1, lettera c), del D.Lgs. 31 ottobre 1990, n. 346");
    const QString registroFloor = QStringLiteral(
        "saggio minimo del 2,5% per l'usufrutto: art. 46, comma 5-ter, D.P.R. 131/1986");
    const QString successioniFloor = QStringLiteral(
        "saggio minimo del 2,5% per l'usufrutto: art. 17, comma 1-ter, D.Lgs. 346/1990, "
        "introdotto dal D.Lgs. 139/2024");
    QTest::newRow("several lives, registration tax, floored")
        << lives(Imposta::Registro, false, "01/03/2025")
        << QStringList{registroLives, registroFloor}
        << QStringList{"1-ter", "più giovane: art. 17"};
    QTest::newRow("several lives with accrual, gift and succession tax, floored")
        << lives(Imposta::Successioni, true, "30/11/2026")
        << QStringList{successioniLives, successioniFloor}
        << QStringList{"5-ter", "art. 46, comma 2", "cfr."};
    QTest::newRow("several lives, gift and succession tax, 2024: no floor")
        << lives(Imposta::Successioni, false, "31/12/2024") << QStringList{successioniLives}
        << QStringList{"5-ter", "1-ter", "cfr."};
    QTest::newRow("several lives, registration tax, 2016 table") << [&] {
      DatiValutazione dati = lives(Imposta::Registro, true, "01/01/2026");
      dati.saggio = Saggio::Tabella2016;
      return dati;
    }() << QStringList{registroLives} << QStringList{"5-ter", "1-ter"};
    QTest::newRow("fixed term with its limit, gift and succession tax")
        <<
        [] {
          DatiValutazione dati = FixedTerm(Saggio::AllaData, "50000", "20");
          dati.imposta = Imposta::Successioni;
          dati.nascite = QStringList{QStringLiteral("01/01/1940")};
          return dati;
        }()
        << QStringList{successioniFloor, "art. 17, comma 1, lettera b)"}
        << QStringList{"5-ter", "cfr."};
    QTest::newRow("one life, registration tax, floored")
        << Lifetime(Saggio::AllaData, "100000", "01/01/1950") << QStringList{registroFloor}
        << QStringList{"1-ter", "lettera c)"};
  }
  void statutesCitedByTax() {
    QFETCH(DatiValutazione, dati);
    QFETCH(QStringList, cited);
    QFETCH(QStringList, notCited);
    const RecordValutazione record = Valued(dati);
    const QString text = ProspettoTesto(record, calcolo);
    for (const QString& s : cited) QVERIFY2(text.contains(s), qPrintable(s + "\nnot in:\n" + text));
    for (const QString& s : notCited) QVERIFY2(!text.contains(s), qPrintable(s + "\nin:\n" + text));
  }

  // From 2027 the consolidated code governs both taxes, citing the article it
  // took in; an office's row with the exact article takes its place.
  void theConsolidatedCodeFrom2027() {
    const QByteArray rates =
        "from\tto\trate_percent\tset_by\tsource\n"
        "2027-01-01\t2027-12-31\t1.2\tDM 10/12/2026 (inventato)\t\n";
    const QByteArray statutes =
        "from\tto\tsubject\tcitation\tsource\n"
        "2027-07-01\t\tbase_successioni\tart. 99 del D.Lgs. 123/2025\t\n";
    const QByteArray coefficients =
        "year\trate_used_percent\tdecree\tcoefficients (bands 0-20, 21-30, 31-40, 41-45, 46-50, "
        "51-53, 54-56, 57-60, 61-63, 64-66, 67-69, 70-72, 73-75, 76-78, 79-82, 83-86, 87-92, "
        "93-99)\tsource\n2027\t2.5 (floor; legal rate 1.2)\tDM 22/12/2026 (inventato)\t"
        "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4\t\n";
    const DatiLegaliCondivisi law = test::LawWith(std::vector<AddedFile>{
        {"/d/r.tsv", rates}, {"/d/c.tsv", coefficients}, {"/d/s.tsv", statutes}});
    DatiValutazione dati = FixedTerm(Saggio::AllaData, "10000", "5");
    dati.riferimento = QStringLiteral("30/06/2027");
    QString text = ProspettoTesto(Valued(dati, *law), calcolo);
    const QString code = QStringLiteral("D.Lgs. 1 agosto 2025, n. 123 (testo unico");
    QVERIFY(text.contains(code +
                          " delle disposizioni legislative in materia di imposta di registro "
                          "e di altri tributi indiretti), che ha raccolto gli artt. 46 e 48 "
                          "del D.P.R. 131/1986"));
    QVERIFY(text.contains(code));
    QVERIFY(text.contains("che ha raccolto l'art. 46, comma 5-ter, del D.P.R. 131/1986"));
    dati.imposta = Imposta::Successioni;
    dati.nascite = QStringList{QStringLiteral("01/01/1980")};
    text = ProspettoTesto(Valued(dati, *law), calcolo);
    QVERIFY(text.contains("che ha raccolto l'art. 14, comma 1, lettera c), del D.Lgs. 346/1990"));
    QVERIFY(text.contains("che ha raccolto l'art. 17, comma 1-ter, del D.Lgs. 346/1990"));
    dati.riferimento = QStringLiteral("01/07/2027");
    text = ProspettoTesto(Valued(dati, *law), calcolo);
    QVERIFY2(text.contains("art. 99 del D.Lgs. 123/2025"), qPrintable(text));
    QVERIFY(!text.contains("che ha raccolto l'art. 14"));
  }

  // A decree or a citation is printed as the data give it: a %1 in it is no
  // place for the fixed term's formula.
  void dataAreNeverFilledIn_data() {
    QTest::addColumn<QByteArray>("statute");
    QTest::newRow("the basis") << QByteArray("base_registro\tart. %1 del testo %2 di prova");
    QTest::newRow("the floor") << QByteArray("minimo_registro\tart. %1-bis, comma %9");
  }
  void dataAreNeverFilledIn() {
    QFETCH(QByteArray, statute);
    const QByteArray rates =
        "from\tto\trate_percent\tset_by\tsource\n"
        "2027-01-01\t2027-12-31\t1.2\tL. 1/2026 %1 di prova\t\n";
    const QByteArray statutes =
        "from\tto\tsubject\tcitation\tsource\n2027-01-01\t\t" + statute + "\t\n";
    const DatiLegaliCondivisi law =
        test::LawWith(std::vector<AddedFile>{{"/d/%1.tsv", rates}, {"/d/s.tsv", statutes}});
    DatiValutazione dati = FixedTerm(Saggio::AllaData, "10000", "5");
    dati.riferimento = QStringLiteral("01/02/2027");
    const RecordValutazione record = Valued(dati, *law);
    const QString citation = QString::fromUtf8(statute).section(u'\t', 1);
    const QString text = ProspettoTesto(record, calcolo);
    const QString html = ProspettoHtml(record, calcolo);
    for (const QString& both : {text, html}) {
      QVERIFY2(both.contains(citation), qPrintable(both));
      QVERIFY(both.contains("L. 1/2026 %1 di prova"));
      QVERIFY(both.contains("/d/%1.tsv"));
    }
    QCOMPARE(text.count(QStringLiteral("1 − (1 + r)^−n")), 1);
    QCOMPARE(html.count(QStringLiteral("1 − (1 + r)<sup>−n</sup>")), 1);
  }

  void workedExamples_data() {
    QTest::addColumn<DatiValutazione>("dati");
    QTest::addColumn<QStringList>("stated");
    QTest::addColumn<QString>("forAct");

    const QString law = QStringLiteral("artt. 46 e 48 del D.P.R. 26 aprile 1986, n. 131");
    const QString rate2016 = QStringLiteral(
        "saggio degli interessi legali dello 0,2%, per gli atti dal 1° gennaio 2016: D.M. "
        "11/12/2015 (G.U. n. 291 del 15/12/2015)");
    const QString coefficients2016 = QStringLiteral(
        "coefficienti dell'usufrutto vitalizio per gli atti del 2016: D.M. 21/12/2015 (G.U. n. 302 "
        "del 30/12/2015)");
    const QString rate2026 = QStringLiteral(
        "saggio degli interessi legali dell'1,6% in vigore il 7 dicembre 2026: D.M. 10/12/2025 "
        "(G.U. n. 289 del 13/12/2025)");
    const QString floor = QStringLiteral(
        "saggio minimo del 2,5% per l'usufrutto: art. 46, comma 5-ter, D.P.R. 131/1986");
    const QString coefficients2026 = QStringLiteral(
        "coefficienti dell'usufrutto vitalizio per gli atti del 2026: D.M. 24/12/2025 (G.U. n. 302 "
        "del 31/12/2025)");
    const QString lifetimeInputs = QStringLiteral(
        "16 agosto 1946|80 anni, 3 mesi e 21 giorni|"
        "da 79 a 82 anni|7 dicembre 2026");
    const auto list = [](const QString& joined) { return joined.split(u'|'); };

    QTest::newRow("lifetime, 2016")
        << Lifetime(Saggio::Tabella2016, "100000", "16/08/1946")
        << list(lifetimeInputs +
                "|Usufrutto vitalizio al saggio d'interesse dello 0,2% (tabella "
                "2016)|125 × 0,2% = 25%|€ 100.000,00 (centomila/00)|25% – € "
                "25.000,00 (venticinquemila/00)|75% – € 75.000,00 "
                "(settantacinquemila/00)|" +
                law + "|" + rate2016 + "|" + coefficients2016)
        << "Valore della piena proprietà euro 100.000,00 (centomila/00); valore dell'usufrutto "
           "euro 25.000,00 (venticinquemila/00); valore della nuda proprietà euro 75.000,00 "
           "(settantacinquemila/00).";
    QTest::newRow("lifetime, at the date")
        << Lifetime(Saggio::AllaData, "100000", "16/08/1946")
        << list(lifetimeInputs +
                "|Usufrutto vitalizio al saggio d'interesse del 2,5% in vigore alla data di "
                "riferimento|10 × 2,5% = 25%|25% – € 25.000,00 (venticinquemila/00)|75% – € "
                "75.000,00 (settantacinquemila/00)|" +
                law + "|" + rate2026 + "|" + floor + "|" + coefficients2026)
        << "Valore della piena proprietà euro 100.000,00 (centomila/00); valore dell'usufrutto "
           "euro 25.000,00 (venticinquemila/00); valore della nuda proprietà euro 75.000,00 "
           "(settantacinquemila/00).";
    QTest::newRow("12 years, 2016")
        << FixedTerm(Saggio::Tabella2016, "1.234,56", "12")
        << list(
               "Usufrutto a tempo determinato al saggio d'interesse dello 0,2% (tabella 2016)|12 "
               "anni|0,0237 (2,37%)|€ 1.234,56 (milleduecentotrentaquattro/56)|2,37% – € 29,26 "
               "(ventinove/26)|97,63% – € 1.205,30 (milleduecentocinque/30)|con r = 0,2% e n = "
               "12, arrotondata a quattro decimali: 0,0237|" +
               law + "|" + rate2016)
        << "Valore della piena proprietà euro 1.234,56 (milleduecentotrentaquattro/56); valore "
           "dell'usufrutto euro 29,26 (ventinove/26); valore della nuda proprietà euro 1.205,30 "
           "(milleduecentocinque/30).";
    QTest::newRow("12 years, at the date")
        << FixedTerm(Saggio::AllaData, "1234,56", "12")
        << list(
               "0,2564 (25,64%)|25,64% – € 316,54 (trecentosedici/54)|74,36% – € 918,02 "
               "(novecentodiciotto/02)|con r = 2,5% e n = 12, arrotondata a quattro decimali: "
               "0,2564|" +
               law + "|" + rate2026 + "|" + floor)
        << "Valore della piena proprietà euro 1.234,56 (milleduecentotrentaquattro/56); valore "
           "dell'usufrutto euro 316,54 (trecentosedici/54); valore della nuda proprietà euro "
           "918,02 "
           "(novecentodiciotto/02).";
    QTest::newRow("1 year, half to even, 2016")
        << FixedTerm(Saggio::Tabella2016, "1062,50", "1")
        << list(
               "1 anno|0,0020 (0,20%)|0,20% – € 2,12 (due/12)|99,80% – € 1.060,38 "
               "(millesessanta/38)|€ 1.062,50 (millesessantadue/50)")
        << "Valore della piena proprietà euro 1.062,50 (millesessantadue/50); valore "
           "dell'usufrutto euro 2,12 (due/12); valore della nuda proprietà euro 1.060,38 "
           "(millesessanta/38).";
    QTest::newRow("1 year, half to even, at the date")
        << FixedTerm(Saggio::AllaData, "1062,50", "1")
        << list(
               "0,0244 (2,44%)|2,44% – € 25,92 (venticinque/92)|97,56% – € 1.036,58 "
               "(milletrentasei/58)|" +
               floor)
        << "Valore della piena proprietà euro 1.062,50 (millesessantadue/50); valore "
           "dell'usufrutto euro 25,92 (venticinque/92); valore della nuda proprietà euro 1.036,58 "
           "(milletrentasei/58).";
    QTest::newRow("age 64, a quarter euro, 2016")
        << Lifetime(Saggio::Tabella2016, "0,25", "01/01/1962")
        << list(
               "64 anni, 11 mesi e 6 giorni|da 64 a 66 anni|250 × 0,2% = 50%|€ 0,25 "
               "(zero/25)|50% – € 0,12 (zero/12)|50% – € 0,13 (zero/13)")
        << "Valore della piena proprietà euro 0,25 (zero/25); valore dell'usufrutto euro 0,12 "
           "(zero/12); valore della nuda proprietà euro 0,13 (zero/13).";
    QTest::newRow("age 64, a quarter euro, at the date")
        << Lifetime(Saggio::AllaData, "0,25", "01/01/1962")
        << list("da 64 a 66 anni|20 × 2,5% = 50%|50% – € 0,12 (zero/12)|50% – € 0,13 (zero/13)")
        << "Valore della piena proprietà euro 0,25 (zero/25); valore dell'usufrutto euro 0,12 "
           "(zero/12); valore della nuda proprietà euro 0,13 (zero/13).";
    // A birthday in a year whose coefficients are not yet known.
    QTest::newRow("the next band, across the year's end")
        << Lifetime(Saggio::AllaData, "100000", "15/01/1966")
        << list(
               "Dal 15/01/2027 l'usufruttuario compie 61 anni: da quel giorno l'usufrutto vale il "
               "55% con i coefficienti del 2026, perché quelli del 2027 non sono ancora noti: la "
               "quota vale solo se il saggio legale del 2027 non supera il saggio minimo del 2,5%.")
        << "Valore della piena proprietà euro 100.000,00 (centomila/00); valore dell'usufrutto "
           "euro 60.000,00 (sessantamila/00); valore della nuda proprietà euro 40.000,00 "
           "(quarantamila/00).";
    DatiValutazione past100 = FixedTerm(Saggio::AllaData, "100000", "18");
    past100.imposta = Imposta::Successioni;
    past100.nascite = QStringList{QStringLiteral("01/01/1920")};
    QTest::newRow("a fixed term for a beneficiary past 100: no limit")
        << past100
        << list(
               "nessuno: le tabelle non danno valore al diritto vitalizio (fascia da 100 anni)|il "
               "valore a tempo determinato: le tabelle non hanno una fascia oltre i 99 anni, e "
               "senza un valore vitalizio il limite non si applica|35,88% – € 35.880,00")
        << "Valore della piena proprietà euro 100.000,00 (centomila/00); valore dell'usufrutto "
           "euro 35.880,00 (trentacinquemilaottocentottanta/00); valore della nuda proprietà euro "
           "64.120,00 (sessantaquattromilacentoventi/00).";
  }
  void workedExamples() {
    QFETCH(DatiValutazione, dati);
    QFETCH(QStringList, stated);
    QFETCH(QString, forAct);
    const RecordValutazione record = Valued(dati);
    const QString text = ProspettoTesto(record, calcolo);
    // Read as a word processor shows it: the words' break opportunities and
    // the labels' fixed blanks are not seen.
    const QString html = ProspettoHtml(record, calcolo).remove("&#8203;").replace("&nbsp;", " ");
    for (const QString& s : stated) {
      QVERIFY2(text.contains(s), qPrintable(s + "\nnot in:\n" + text));
      QVERIFY2(html.contains(s.toHtmlEscaped()), qPrintable(s + "\nnot in:\n" + html));
    }
    for (const QString& both : {text, html}) {
      QVERIFY(
          both.contains("Calcolo eseguito il 9 dicembre 2026 alle ore 16:05 con Velmora 1.0.0."));
      QVERIFY(both.contains("arrotondato al centesimo (il mezzo centesimo al centesimo pari)"));
      // The 2016 table has no floor; only a floored rate names its article,
      // the one of the valuation's tax.
      const QString floorArticle =
          record.imposta == Imposta::Registro ? QStringLiteral("5-ter") : QStringLiteral("1-ter");
      QCOMPARE(both.contains(floorArticle), record.minimo);
    }
    QCOMPARE(ValoriPerAtto(record), forAct);
  }

  void theTextReportLaidOut() {
    const QString expected = QString::fromUtf8(
        "PROSPETTO DI CALCOLO\n"
        "Usufrutto a tempo determinato al saggio d'interesse dello 0,2% (tabella 2016)\n"
        "\n"
        "Attenzione: la tabella 2016 (saggio dello 0,2%) non è quella in vigore il 7 dicembre "
        "2026: a quella data si applica il saggio del 2,5%, e per questo usufrutto la tabella 2016 "
        "dà il 2,37% dove è dovuto il 25,64%.\n"
        "\n"
        "Dati del calcolo\n"
        "  Valore della piena proprietà: € 1.234,56 (milleduecentotrentaquattro/56)\n"
        "  Data di riferimento:          7 dicembre 2026\n"
        "  Durata dell'usufrutto:        12 anni\n"
        "  Quota dell'usufrutto:         0,0237 (2,37%)\n"
        "  Saggio applicato:             0,2%\n"
        "\n"
        "Riferimenti normativi\n"
        "  - artt. 46 e 48 del D.P.R. 26 aprile 1986, n. 131 (testo unico dell'imposta di "
        "registro)\n"
        "  - saggio degli interessi legali dello 0,2%, per gli atti dal 1° gennaio 2016: D.M. "
        "11/12/2015 (G.U. n. 291 del 15/12/2015)\n"
        "  - quota dell'usufrutto a tempo determinato 1 − (1 + r)^−n, con r = 0,2% e n = 12, "
        "arrotondata a quattro decimali: 0,0237\n"
        "\n"
        "Risultato\n"
        "  Usufrutto:      2,37% – € 29,26 (ventinove/26)\n"
        "  Nuda proprietà: 97,63% – € 1.205,30 (milleduecentocinque/30)\n"
        "\n"
        "L'usufrutto è il valore della piena proprietà per la quota, arrotondato al centesimo (il "
        "mezzo centesimo al centesimo pari); la nuda proprietà è la differenza, così che le due "
        "somme danno il valore della piena proprietà.\n"
        "\n"
        "Calcolo eseguito il 9 dicembre 2026 alle ore 16:05 con Velmora 1.0.0.\n");
    QCOMPARE(ProspettoTesto(Valued(FixedTerm(Saggio::Tabella2016, "1234,56", "12")), calcolo),
             expected);
  }

  // The 2016 table for a day outside 2016 says so, with what is due.
  void theWarningOfThe2016Table_data() {
    QTest::addColumn<DatiValutazione>("dati");
    QTest::addColumn<QString>("warning");
    auto at = [](DatiValutazione dati, const char* day) {
      dati.riferimento = QString::fromUtf8(day);
      return dati;
    };
    QTest::newRow("same share in 2026")
        << Lifetime(Saggio::Tabella2016, "100000", "16/08/1946")
        << "Attenzione: la tabella 2016 (saggio dello 0,2%) non è quella in vigore il 7 dicembre "
           "2026: a quella data si applica il saggio del 2,5%; per questo usufrutto le due "
           "tabelle danno la stessa quota, il 25%.";
    QTest::newRow("another share in 2018")
        << at(Lifetime(Saggio::Tabella2016, "100000", "03/05/1950"), "15/06/2018")
        << "Attenzione: la tabella 2016 (saggio dello 0,2%) non è quella in vigore il 15 giugno "
           "2018: a quella data si applica il saggio dello 0,3%, e per questo usufrutto la tabella "
           "2016 dà il 45% dove è dovuto il 42,75%.";
    QTest::newRow("a day the program knows no rate for")
        << at(FixedTerm(Saggio::Tabella2016, "100000", "10"), "15/01/2030")
        << "Attenzione: la tabella 2016 (saggio dello 0,2%) vale per gli atti del 2016 e non è "
           "quella in vigore il 15 gennaio 2030; il saggio in vigore a quella data non è noto al "
           "programma.";
    QTest::newRow("none within 2016")
        << at(FixedTerm(Saggio::Tabella2016, "100000", "10"), "31/12/2016") << "";
    QTest::newRow("none at the date of the act")
        << FixedTerm(Saggio::AllaData, "100000", "10") << "";
  }
  void theWarningOfThe2016Table() {
    QFETCH(DatiValutazione, dati);
    QFETCH(QString, warning);
    const RecordValutazione record = Valued(dati);
    QCOMPARE(AvvertenzaTabella2016(record), warning);
    QCOMPARE(ProspettoHtml(record, calcolo).contains(warning.toHtmlEscaped()), true);
  }

  void theHtmlFormulaHasItsExponent() {
    const QString html =
        ProspettoHtml(Valued(FixedTerm(Saggio::Tabella2016, "1234,56", "12")), calcolo);
    QVERIFY(html.contains("1 − (1 + r)<sup>−n</sup>, con r = 0,2% e n = 12"));
    QVERIFY(!html.contains("%1"));
  }

  void aHundredYearsHaveNoCoefficient() {
    const QString text =
        ProspettoTesto(Valued(Lifetime(Saggio::Tabella2016, "5000", "01/01/1920")), calcolo);
    QVERIFY(text.contains("da 100 anni"));
    QVERIFY(text.contains("nessuno: dai 100 anni all'usufrutto non si dà valore"));
    QVERIFY(text.contains("0% – € 0,00 (zero/00)"));
    QVERIFY(text.contains("100% – € 5.000,00 (cinquemila/00)"));
  }

  void singularAgeParts() {
    // Born on 6 November 2025, valued on 7 December 2026.
    const QString text =
        ProspettoTesto(Valued(Lifetime(Saggio::Tabella2016, "100", "06/11/2025")), calcolo);
    QVERIFY2(text.contains("1 anno, 1 mese e 1 giorno"), qPrintable(text));
  }

  // On A4 in a word processor the labels must not break, and the largest
  // amount's words, one word each, must break between their groups: in the
  // HTML only, never in the text or in the sentence for the act.
  void theHtmlLetsTheWordsBreakAndTheLabelsNot() {
    const RecordValutazione record =
        Valued(Lifetime(Saggio::AllaData, "9999999999999,99", "16/08/1946"));
    const QString html = ProspettoHtml(record, calcolo);
    QVERIFY2(html.contains("(novemila&#8203;novecentonovantanovemiliardi&#8203;"
                           "novecentonovantanovemilioni&#8203;novecentonovantanovemila&#8203;"
                           "novecentonovantanove/99)"),
             qPrintable(html));
    QVERIFY(html.contains("(duemila&#8203;cinquecentomiliardi/00)"));
    static const QRegularExpression label("<td nowrap>([^<]*)</td>");
    int labels = 0;
    for (const auto& m : label.globalMatch(html)) {
      ++labels;
      QVERIFY2(!m.captured(1).contains(u' '), qPrintable(m.captured(1)));
    }
    QCOMPARE(labels, 9);
    QVERIFY(html.contains("<td nowrap>Data&nbsp;di&nbsp;nascita&nbsp;dell'usufruttuario:"));
    for (const QString& plain : {ProspettoTesto(record, calcolo), ValoriPerAtto(record)}) {
      QVERIFY(!plain.contains(QChar(0x200B)));
      QVERIFY(!plain.contains("&#8203;"));
      QVERIFY(
          plain.contains("novemilanovecentonovantanovemiliardinovecentonovantanovemilioni"
                         "novecentonovantanovemilanovecentonovantanove/99"));
    }
    QVERIFY(!html.contains(QChar(0x200B)));  // written as the entity, whatever the charset
  }

  void markupInTheDataIsEscaped() {
    RecordValutazione record = Valued(Lifetime(Saggio::Tabella2016, "100000", "16/08/1946"));
    record.decretoCoefficienti = QStringLiteral("D.M. <b>&");
    const QString html = ProspettoHtml(record, calcolo);
    QVERIFY(html.contains("D.M. &lt;b&gt;&amp;"));
  }

  // What a window shows beside its figures is the report's own rows, one for
  // one: a row the window had and the report not, or worded otherwise, fails.
  // The window's test reads their words.
  void theWindowsDetailIsTheReportsRows_data() {
    QTest::addColumn<DatiValutazione>("dati");
    QTest::addColumn<int>("lives");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("nextBand");
    QTest::newRow("one life") << Lifetime(Saggio::AllaData, "100000", "16/08/1946") << 3 << 0
                              << false;
    DatiValutazione oldest = Lifetime(Saggio::AllaData, "100000", "20/12/1947+3/5/1955");
    oldest.accrescimento = false;
    oldest.diritto = Diritto::Abitazione;
    QTest::newRow("two lives, the oldest a band away") << oldest << 4 << 0 << true;
    DatiValutazione capped = FixedTerm(Saggio::AllaData, "100000", "30");
    capped.imposta = Imposta::Successioni;
    capped.nascite = QStringList{"01/01/1941"};
    QTest::newRow("fixed term capped") << capped << 2 << 3 << false;
    QTest::newRow("fixed term, registration")
        << FixedTerm(Saggio::AllaData, "100000", "30") << 0 << 0 << false;
  }
  void theWindowsDetailIsTheReportsRows() {
    QFETCH(DatiValutazione, dati);
    QFETCH(int, lives);
    QFETCH(int, limit);
    QFETCH(bool, nextBand);
    const RecordValutazione record = Valued(dati);
    const DettaglioValutazione detail = DettaglioPerFinestra(record);
    const QString report = ProspettoTesto(record, calcolo);
    QCOMPARE(int(detail.vite.size()), lives);
    QCOMPARE(int(detail.limite.size()), limit);
    for (const auto* rows : {&detail.vite, &detail.limite}) {
      for (const RigaDettaglio& row : *rows) {
        // The report pads its labels to a column.
        const QRegularExpression line("\\n  " + QRegularExpression::escape(row.etichetta) + ": *" +
                                      QRegularExpression::escape(row.valore) + "\\n");
        QVERIFY2(report.contains(line), qPrintable(row.etichetta + ": " + row.valore));
      }
    }
    QCOMPARE(!detail.prossimaFascia.isEmpty(), nextBand);
    QVERIFY(report.contains(detail.prossimaFascia));
  }
};

QTEST_APPLESS_MAIN(TestCalculationReport)
#include "tst_calculation_report.moc"
