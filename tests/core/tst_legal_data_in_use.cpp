#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/law/legal_data_in_use.h"
#include "core/law/system_reason.h"
#include "core/valuation/rates_by_date.h"

#include <cerrno>

using namespace velmora;

namespace {

const QByteArray kRates = "from\tto\trate_percent\tset_by\tsource\n";

void Write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

// The built-in data and the office's folders, as a program reads them where
// it starts.
class TestLegalDataInUse : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(root_.isValid());
    home_ = root_.path() + QStringLiteral("/home/velmora/dati");
    shared_ = root_.path() + QStringLiteral("/shared/velmora/dati");
    Write(home_ + QStringLiteral("/2027.tsv"),
          kRates + "2027-01-01\t2027-12-31\t1.2\tDM 10/12/2026 (inventato per la prova)\t\n");
    Write(home_ + QStringLiteral("/leggimi.txt"), "not data");
    Write(home_ + QStringLiteral("/.bozza.tsv"), "not data");
    Write(home_ + QStringLiteral("/vecchio.TSV"), "not data");
    QDir().mkpath(home_ + QStringLiteral("/cartella.tsv"));
    Write(shared_ + QStringLiteral("/2028.tsv"),
          kRates + "2028-01-01\t2028-12-31\t3\tDM 11/12/2027 (inventato)\t\n");
    Write(shared_ + QStringLiteral("/rotto.tsv"), kRates + "2029-01-01\t2029-12-31\t1,5\tDM\t\n");
    qputenv("XDG_DATA_HOME", QFile::encodeName(root_.path() + QStringLiteral("/home")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(QStringLiteral("relativa:") + root_.path() +
                                               QStringLiteral("/shared:") + root_.path() +
                                               QStringLiteral("/shared/")));
  }

  void theOfficeFilesAreInUse() {
    const DatiLegaliCondivisi inUse = LeggiDatiLegali(AdditionFolders());
    const MergedLegalData& law = inUse->Merged();
    QCOMPARE(law.files, QStringList({home_ + QStringLiteral("/2027.tsv"),
                                     shared_ + QStringLiteral("/2028.tsv")}));
    QCOMPARE(law.problems.size(), std::size_t(1));
    QCOMPARE(law.problems.front().file, shared_ + QStringLiteral("/rotto.tsv"));
    QCOMPARE(law.problems.front().line, 2);
    QCOMPARE(RateOn(*inUse, QDate(2028, 6, 1))->hundredths, 300);
    QCOMPARE(RateOn(*inUse, QDate(2027, 6, 1))->rateOrigin.file,
             home_ + QStringLiteral("/2027.tsv"));
  }

  // Two data side by side, as two offices' programs would hold them: each
  // valuation reads the data it is given and nothing else.
  void eachValuationUsesTheDataItIsGiven_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("builtIn");  // the legal rate of the built-in data; 0: none
    QTest::addColumn<int>("added");    // with the office's 2027
    QTest::newRow("a day both cover") << QDate(2026, 6, 1) << 160 << 160;
    QTest::newRow("a day the file adds") << QDate(2027, 6, 1) << 0 << 120;
    QTest::newRow("a day neither covers") << QDate(2028, 6, 1) << 0 << 0;
  }
  void eachValuationUsesTheDataItIsGiven() {
    QFETCH(QDate, day);
    QFETCH(int, builtIn);
    QFETCH(int, added);
    const DatiLegaliCondivisi alone = DatiLegaliDa(MergeLegalData(BuiltInLegalData(), {}));
    const DatiLegaliCondivisi withFile = DatiLegaliDa(MergeLegalData(
        BuiltInLegalData(),
        std::vector<AddedFile>{{QStringLiteral("/d/2027.tsv"),
                                kRates + "2027-01-01\t2027-12-31\t1.2\tDM (inventato)\t\n"}}));
    const auto legal = [&day](const DatiLegali& law) {
      const std::optional<RateInForce> rate = RateOn(law, day);
      return rate ? rate->legalHundredths : 0;
    };
    // In either order: neither reading leaves anything behind for the other.
    QCOMPARE(legal(*withFile), added);
    QCOMPARE(legal(*alone), builtIn);
    QCOMPARE(legal(*withFile), added);
  }

  // A file checked as an addition: one of the folders' in its own place, any
  // other read after them; the data in use stay as they are.
  void aFileIsCheckedAgainstTheOthers_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");  // the start of its reason; empty when used
    QTest::addColumn<int>("files");        // the added files used
    const QByteArray other2027 = kRates + "2027-01-01\t2027-12-31\t1.3\tDM (inventato)\t\n";
    const QString elsewhere = root_.path() + QStringLiteral("/altrove");
    QTest::newRow("a file of the folder, changed")
        << home_ + QStringLiteral("/2027.tsv") << other2027 << QString() << 2;
    // Copied under its name, it would replace the folder's file of that name.
    QTest::newRow("another file named as the folder's")
        << elsewhere + QStringLiteral("/2027.tsv") << other2027 << QString() << 2;
    // Read before the folder's 2027.tsv, it would be the one used.
    QTest::newRow("another file for 2027, named to be read first")
        << elsewhere + QStringLiteral("/2027-a.tsv") << other2027 << QString() << 2;
    QTest::newRow("another file for 2027, named to be read last")
        << elsewhere + QStringLiteral("/2027z.tsv") << other2027
        << QStringLiteral("non concorda con la riga 2 di ") + home_ << 2;
    QTest::newRow("the year after the shared 2028")
        << elsewhere + QStringLiteral("/2029.tsv")
        << kRates + "2029-01-01\t2029-12-31\t2\tDM (inventato)\t\n"
        << QString() << 3;
  }
  void aFileIsCheckedAgainstTheOthers() {
    QFETCH(QString, path);
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    QFETCH(int, files);
    // A file of the folders is checked as changed but not yet saved: in its
    // place, it meets no other version of itself.
    if (!QFileInfo::exists(path)) Write(path, content);
    const DatiLegaliCondivisi inUse = LeggiDatiLegali(AdditionFolders());
    const MergedLegalData checked = MergeWithAddition({path, content}, AdditionFolders());
    QStringList reasons;
    for (const DataProblem& p : checked.problems)
      if (p.file == path) reasons << p.reason;
    if (problem.isEmpty()) {
      QCOMPARE(reasons, QStringList());
      QVERIFY(checked.files.contains(path));
    } else {
      QCOMPARE(reasons.size(), 1);
      QVERIFY2(reasons.front().startsWith(problem), qPrintable(reasons.front()));
    }
    QCOMPARE(checked.files.size(), files);
    QCOMPARE(RateOn(*inUse, QDate(2027, 6, 1))->legalHundredths, 120);
  }

  // Why a file cannot be read, in the system's words said in Italian: never a
  // toolkit's number.
  void aFileThatCannotBeReadSaysWhy_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << root_.path() + QStringLiteral("/nessuno.tsv")
                             << QStringLiteral("il file non esiste");
    QTest::newRow("a folder") << home_ + QStringLiteral("/cartella.tsv")
                              << QStringLiteral("è una cartella");
    QTest::newRow("under a file") << home_ + QStringLiteral("/2027.tsv/x.tsv")
                                  << QStringLiteral("una parte del percorso non è una cartella");
  }
  void aFileThatCannotBeReadSaysWhy() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    const auto read = ReadFileStart(path, 100);
    QVERIFY(std::holds_alternative<QString>(read));
    QCOMPARE(std::get<QString>(read), reason);
  }

  void systemReasons_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("EACCES") << EACCES << QStringLiteral("permesso negato");
    QTest::newRow("EPERM") << EPERM << QStringLiteral("permesso negato");
    QTest::newRow("EIO") << EIO << QStringLiteral("errore di lettura del disco");
    QTest::newRow("ELOOP") << ELOOP << QStringLiteral("troppi collegamenti simbolici nel percorso");
    QTest::newRow("EMFILE") << EMFILE << QStringLiteral("troppi file aperti");
    QTest::newRow("another: the system's words") << EROFS << QStringLiteral("errore del sistema: ");
  }
  void systemReasons() {
    QFETCH(int, error);
    QFETCH(QString, reason);
    const QString said = SystemReason(error);
    QVERIFY2(said.startsWith(reason), qPrintable(said));
    QVERIFY2(!said.contains(QString::number(error)), qPrintable(said));
  }

  // A file the user may not read is a problem naming the reason.
  void aFileWithoutPermissionIsSaidSo() {
    const QString path = root_.path() + QStringLiteral("/chiuso/velmora/dati/2027.tsv");
    Write(path, kRates);
    QFile::setPermissions(path, QFileDevice::Permissions());
    if (QFile(path).open(QIODevice::ReadOnly)) QSKIP("the user reads every file (root)");
    std::vector<DataProblem> problems;
    ReadAddedFiles({QFileInfo(path).path()}, problems);
    QCOMPARE(problems.size(), std::size_t(1));
    QCOMPARE(problems.front().reason,
             QStringLiteral("impossibile leggere il file: permesso negato"));
  }

  // Where a file checked would be read once copied into the first folder.
  void aFileCheckedTakesThePlaceOfItsName_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QStringList>("order");
    const QStringList present{"/h/b.tsv", "/h/d.tsv", "/s/a.tsv"};
    QTest::newRow("first by name")
        << present << "/x/a.tsv" << QStringList{"/x/a.tsv", "/h/b.tsv", "/h/d.tsv", "/s/a.tsv"};
    QTest::newRow("between two") << present << "/x/c.tsv"
                                 << QStringList{"/h/b.tsv", "/x/c.tsv", "/h/d.tsv", "/s/a.tsv"};
    QTest::newRow("last of its folder, before the next folder")
        << present << "/x/z.tsv" << QStringList{"/h/b.tsv", "/h/d.tsv", "/x/z.tsv", "/s/a.tsv"};
    QTest::newRow("the same name replaces the file")
        << present << "/x/d.tsv" << QStringList{"/h/b.tsv", "/x/d.tsv", "/s/a.tsv"};
    QTest::newRow("a folder still empty")
        << QStringList{"/s/a.tsv"} << "/x/z.tsv" << QStringList{"/x/z.tsv", "/s/a.tsv"};
    QTest::newRow("no file yet") << QStringList{} << "/x/a.tsv" << QStringList{"/x/a.tsv"};
  }
  void aFileCheckedTakesThePlaceOfItsName() {
    QFETCH(QStringList, present);
    QFETCH(QString, checked);
    QFETCH(QStringList, order);
    std::vector<AddedFile> files;
    for (const QString& path : present) files.push_back({path, "old"});
    QStringList found;
    for (const AddedFile& f : WithAddition(files, {checked, "new"}, QStringLiteral("/h")))
      found << f.path;
    QCOMPARE(found, order);
  }

  // The legal rate of a day as the decrees set it, written here by hand: a
  // data file or a build that carries another figure fails.
  void builtInDataHoldTheRateOfTheDecrees_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("hundredths");
    QTest::newRow("L. 662/1996") << QDate(1998, 6, 30) << 500;
    QTest::newRow("DM 11/12/2000") << QDate(2001, 1, 1) << 350;
    QTest::newRow("DM 29/11/2023") << QDate(2024, 12, 31) << 250;
    QTest::newRow("DM 10/12/2024") << QDate(2025, 1, 1) << 200;
    QTest::newRow("DM 10/12/2025") << QDate(2026, 12, 31) << 160;
  }
  void builtInDataHoldTheRateOfTheDecrees() {
    QFETCH(QDate, day);
    QFETCH(int, hundredths);
    int found = 0;
    for (const LegalRatePeriod& period : BuiltInLegalData().rates)
      if (period.from <= day && day <= period.to) {
        QVERIFY2(period.origin.BuiltIn(), qPrintable(period.origin.file));
        QCOMPARE(period.rateHundredths, hundredths);
        ++found;
      }
    QCOMPARE(found, 1);
  }

  // Coefficient times the rate used gives the usufruct's 95 % to 10 %, in
  // steps of 5, every year but 2018 (0,3 %: 317,5 for the first band).
  void builtInCoefficientsGiveTheBandsShares() {
    for (const LifetimeCoefficients& year : BuiltInLegalData().coefficients) {
      if (year.year == 2018) {
        QCOMPARE(year.coefficientHundredths.front(), 31750);
        continue;
      }
      for (int band = 0; band < kAgeBands; ++band)
        QVERIFY2(qint64(year.coefficientHundredths[std::size_t(band)]) * year.rateHundredths ==
                     qint64(95 - 5 * band) * 10000,
                 qPrintable(QString::number(year.year) + " band " + QString::number(band)));
    }
  }

  // What the program carries is the files of resources/data, read without a
  // problem; what they say is checked against the decrees below.
  void builtInDataAreTheFilesOfResourcesData() {
    const QStringList tsv{QStringLiteral("*.tsv")};
    const QStringList names = QDir(QStringLiteral(VELMORA_DATA_DIR)).entryList(tsv, QDir::Files);
    QCOMPARE(QDir(QStringLiteral(":/velmora/dati")).entryList(QDir::Files), names);
    QCOMPARE(names.size(), 4);
    QVERIFY(BuiltInProblems().empty());
    const LegalData& data = BuiltInLegalData();
    QCOMPARE(data.rates.size(), std::size_t(23));
    QCOMPARE(data.coefficients.size(), std::size_t(14));
    QCOMPARE(data.floors.size(), std::size_t(1));
    QCOMPARE(data.statutes.size(), std::size_t(18));
    QVERIFY(data.rates.front().origin.BuiltIn());
  }

  void additionFolders_data() {
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<QString>("dataDirs");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("defaults") << ""
                              << ""
                              << "/home/n"
                              << QStringList{"/home/n/.local/share/velmora/dati",
                                             "/usr/local/share/velmora/dati",
                                             "/usr/share/velmora/dati"};
    QTest::newRow("both set") << "/h"
                              << "/a:/b/"
                              << "/home/n"
                              << QStringList{"/h/velmora/dati", "/a/velmora/dati",
                                             "/b/velmora/dati"};
    QTest::newRow("relative folders ignored")
        << "h"
        << "a::/b"
        << "/home/n" << QStringList{"/home/n/.local/share/velmora/dati", "/b/velmora/dati"};
    QTest::newRow("each folder once") << "/a"
                                      << "/a/:/b:/b"
                                      << "" << QStringList{"/a/velmora/dati", "/b/velmora/dati"};
    QTest::newRow("no home") << ""
                             << "/a"
                             << "" << QStringList{"/a/velmora/dati"};
  }
  void additionFolders() {
    QFETCH(QString, dataHome);
    QFETCH(QString, dataDirs);
    QFETCH(QString, home);
    QFETCH(QStringList, folders);
    QCOMPARE(AdditionFolders(dataHome, dataDirs, home), folders);
  }

 private:
  QTemporaryDir root_;
  QString home_;
  QString shared_;
};

QTEST_GUILESS_MAIN(TestLegalDataInUse)
#include "tst_legal_data_in_use.moc"
