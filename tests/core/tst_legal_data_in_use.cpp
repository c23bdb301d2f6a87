#include <QDir>
#include <QFile>
#include <QtTest>

#include "core/legal_data_in_use.h"

using namespace velmora;

// The legal data the program carries.
class TestLegalDataInUse : public QObject {
  Q_OBJECT

 private slots:
  void builtInDataAreTheFilesOfResourcesData() {
    const QStringList tsv{QStringLiteral("*.tsv")};
    const QStringList names = QDir(QStringLiteral(VELMORA_DATA_DIR)).entryList(tsv, QDir::Files);
    QCOMPARE(QDir(QStringLiteral(":/velmora/dati")).entryList(QDir::Files), names);
    QCOMPARE(names.size(), 4);
    for (const QString& name : names) {
      QFile embedded(QStringLiteral(":/velmora/dati/") + name);
      QFile source(QStringLiteral(VELMORA_DATA_DIR "/") + name);
      QVERIFY(embedded.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
      QVERIFY2(embedded.readAll() == source.readAll(), qPrintable(name));
    }
    QVERIFY(BuiltInProblems().empty());
    const LegalData& data = BuiltInLegalData();
    QCOMPARE(data.rates.size(), std::size_t(23));
    QCOMPARE(data.coefficients.size(), std::size_t(14));
    QCOMPARE(data.floors.size(), std::size_t(1));
    QCOMPARE(data.statutes.size(), std::size_t(1));
    QVERIFY(data.rates.front().origin.BuiltIn());
  }
};

QTEST_GUILESS_MAIN(TestLegalDataInUse)
#include "tst_legal_data_in_use.moc"
