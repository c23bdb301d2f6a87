#pragma once

#include <QObject>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "gui/main_window.h"
#include "legal_data_for_tests.h"
#include "offscreen_test.h"
#include "recording_services.h"

namespace velmora::test {

// What the window tests expect to see, written out here rather than taken
// from the program, so that a changed text fails a test.
inline const QString kCyan = QStringLiteral("#c0ffff");
inline const QString kWhite = QStringLiteral("#ffffff");
inline const QString kSound = QStringLiteral("PlayWave /IR_END.WAV");
// Message boxes as RecordingServices::messages writes them.
inline const QString kRefusal = QStringLiteral("Velmora by Dovel | ! | ");
inline const QString kValueFirst =
    kRefusal + QStringLiteral("Devi innanzi tutto inserire il valore della piena proprietà!");
inline const QString kDigitsOnly =
    kRefusal + QStringLiteral(
                   " Devi inserire una data con le sole cifre senza separatori!\r "
                   "Esempio: 16081946 per 16 agosto 1946");
inline const QString kValidDate = kRefusal + QStringLiteral(" Devi inserire una data valida!");
inline const QString kValidReferenceDate =
    kRefusal + QStringLiteral(
                   " Devi inserire una data di riferimento valida!\r"
                   " Esempi: 15062018, 15/06/2018 oppure 15 giugno 2018");
inline const QString kBirthAfterReference =
    kRefusal + QStringLiteral("La data di nascita è successiva alla data di riferimento!");
inline const QString kDurationFirst =
    kRefusal + QStringLiteral(" Devi inserire il numero di anni di durata dell'usufrutto");
inline const QString kWholeYears =
    kRefusal + QStringLiteral(" Devi inserire un numero intero di anni da 1 a 30");
inline const QString kLongest =
    kRefusal + QStringLiteral("La durata massima per il calcolo è di anni 30");
inline const QString kLocked =
    kRefusal + QStringLiteral(
                   " Per il calcolo a tempo determinato fare doppio click sul valore della piena "
                   "proprietà: i campi si azzerano e la durata torna disponibile");
inline const QString kImported =
    QStringLiteral("Velmora by Dovel |  | Valutazione automatica inserita!");

// The main window on the recording services, started as the program starts
// it and active, so that focus changes run their handlers at once.
struct MainWindowFixture {
  RecordingServices services;
  DatiLegaliCondivisi law = BuiltInLawShared();  // what the next Start values with
  std::unique_ptr<Frmusufrutto> window;
  ModalGuard guard;

  // Creates the window, runs Form_Load and waits until it is active.
  void Start();
  // Closes the window and gives the next test a fresh desktop.
  void Stop() {
    window.reset();
    services = RecordingServices();
    law = BuiltInLawShared();
  }
  Frmusufrutto& w() { return *window; }
};

// Forces the offscreen platform, the program's style, font and Qt's Italian
// texts, then runs the tests.
#define VELMORA_UI_TEST_MAIN(TestClass)      \
  int main(int argc, char** argv) {          \
    qputenv("QT_QPA_PLATFORM", "offscreen"); \
    QApplication app(argc, argv);            \
    velmora::test::PrepareApplication();     \
    TestClass tc;                            \
    QTEST_SET_MAIN_SOURCE_PATH               \
    return QTest::qExec(&tc, argc, argv);    \
  }

void PrepareApplication();

// The colour of a control as #rrggbb, for readable comparisons.
QString Colour(const QWidget* control);
QString Colour(QRgb colour);

}  // namespace velmora::test
