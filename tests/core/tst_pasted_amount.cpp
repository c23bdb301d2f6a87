#include <QTest>

#include "core/numbers/number_text.h"

using namespace velmora;

// Totals that come from the clipboard, and the largest amount taken anywhere.
class PastedAmountTest : public QObject {
  Q_OBJECT

 private slots:
  void pastedTotals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<double>("value");
    const int amount = int(Incollato::Importo);
    const int stops = int(Incollato::PuntiFuoriPosto);
    QTest::newRow("grouped in threes") << "1.234.567,89" << amount << 1234567.89;
    QTest::newRow("no grouping") << "123456,789" << amount << 123456.789;
    QTest::newRow("one group") << "1.234" << amount << 1234.0;
    QTest::newRow("money text") << "€ 250.000,00" << amount << 250000.0;
    QTest::newRow("spreadsheet cell with line end") << "250000,5\r\n" << amount << 250000.5;
    QTest::newRow("a decimal point") << "250000.00" << stops << 0.0;
    QTest::newRow("one decimal after a point") << "1.5" << stops << 0.0;
    QTest::newRow("groups of two") << "12.34.5" << stops << 0.0;
    QTest::newRow("a leading full stop") << ".123" << stops << 0.0;
    QTest::newRow("a trailing full stop") << "123." << stops << 0.0;
    QTest::newRow("four digits after a stop") << "1.2345" << stops << 0.0;
    QTest::newRow("first group of four") << "1234.567" << stops << 0.0;
    QTest::newRow("two stops together") << "1..234" << stops << 0.0;
    QTest::newRow("zero once rounded") << "0,004" << int(Incollato::Zero) << 0.0;
    QTest::newRow("half a cent is a cent") << "0,005" << amount << 0.005;
    QTest::newRow("negative") << "-5" << int(Incollato::Zero) << 0.0;
    QTest::newRow("a word") << "totale" << int(Incollato::NessunNumero) << 0.0;
    QTest::newRow("empty") << "" << int(Incollato::NessunNumero) << 0.0;
    QTest::newRow("the largest") << "9.999.999.999.999,99" << amount << 9999999999999.99;
    QTest::newRow("a cent more") << "10.000.000.000.000" << int(Incollato::TroppoGrande) << 0.0;
    QTest::newRow("rounds up past it")
        << "9999999999999,995" << int(Incollato::TroppoGrande) << 0.0;
    QTest::newRow("far too many digits")
        << QString(400, u'9') << int(Incollato::NessunNumero) << 0.0;
    QTest::newRow("the euro sign after") << "100.000,00 €" << amount << 100000.0;
    QTest::newRow("the euro sign after, no blank") << "5€\n" << amount << 5.0;
    QTest::newRow("two euro signs") << "€ 5 €" << int(Incollato::NessunNumero) << 0.0;
  }
  void pastedTotals() {
    QFETCH(QString, text);
    QFETCH(int, outcome);
    QFETCH(double, value);
    const ImportoIncollato read = ReadPastedAmount(text);
    QCOMPARE(int(read.esito), outcome);
    if (read.esito == Incollato::Importo) QCOMPARE(read.valore, value);
  }

  // Amounts given by a command or a file take no rounding: a third decimal
  // would be a figure nobody typed.
  void strictAmounts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("outcome");
    const int amount = int(Incollato::Importo);
    QTest::newRow("two decimals") << "1.000,50" << amount;
    QTest::newRow("zeros after the cents") << "1.000,500" << amount;
    QTest::newRow("a third decimal") << "1000,005" << int(Incollato::TroppiDecimali);
    QTest::newRow("rounds to zero") << "0,001" << int(Incollato::TroppiDecimali);
    QTest::newRow("zero") << "0,00" << int(Incollato::Zero);
    QTest::newRow("a decimal point") << "1234.56" << int(Incollato::PuntiFuoriPosto);
    QTest::newRow("two stops") << "1..000" << int(Incollato::PuntiFuoriPosto);
    QTest::newRow("sign before") << "€ 100.000,00" << amount;
    QTest::newRow("sign after") << "100.000,00 €" << amount;
    QTest::newRow("a word") << "abc" << int(Incollato::NessunNumero);
  }
  void strictAmounts() {
    QFETCH(QString, text);
    QFETCH(int, outcome);
    QCOMPARE(int(ReadStrictAmount(text).esito), outcome);
  }

  void largestAmount_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("above");
    QTest::newRow("the largest") << "9.999.999.999.999,99" << false;
    QTest::newRow("its third decimal rounds down") << "9999999999999,994" << false;
    QTest::newRow("its third decimal rounds up") << "9999999999999,995" << true;
    QTest::newRow("fourteen digits") << "10000000000000" << true;
    QTest::newRow("the case that lost a cent") << "99.999.999.999.999,99" << true;
    QTest::newRow("leading zeros do not count") << "000009999999999999" << false;
    QTest::newRow("negative") << "-99999999999999999" << false;
    QTest::newRow("no number") << "abc" << false;
    QTest::newRow("beyond a double") << QString(400, u'9') << true;
  }
  void largestAmount() {
    QFETCH(QString, text);
    QFETCH(bool, above);
    QCOMPARE(AboveLargestAmount(text), above);
  }

  // Every step holds the largest amount to the cent: reading, the double and
  // the money text give it back unchanged.
  void theLargestAmountSurvivesTheDouble() {
    QCOMPARE(LargestAmountText(), QString("€ 9.999.999.999.999,99"));
    const auto value = ReadNumber(QStringLiteral("9.999.999.999.999,99"));
    QVERIFY(value);
    QCOMPARE(MoneyText(*value), LargestAmountText());
    QCOMPARE(MoneyText(*ReadNumber(QStringLiteral("9.999.999.999.999,98"))),
             QString("€ 9.999.999.999.999,98"));
  }
};

QTEST_GUILESS_MAIN(PastedAmountTest)
#include "tst_pasted_amount.moc"
