#include <QtTest>
#include <string>

#include "core/documents/text_encoding.h"

using namespace velmora;

Q_DECLARE_METATYPE(velmora::Utf8Check)

// The bytes of a file sent from elsewhere, taken as the text they are.
class TestTextEncoding : public QObject {
  Q_OBJECT

 private slots:
  void utf8IsCheckedStrictly_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Utf8Check>("check");
    QTest::newRow("ASCII") << QByteArray("tipo;valore") << Utf8Check::Valid;
    QTest::newRow("nothing") << QByteArray() << Utf8Check::Valid;
    QTest::newRow("sì, à, € and an emoji")
        << QByteArray("s\xC3\xAC \xC3\xA0 \xE2\x82\xAC \xF0\x9F\x98\x80") << Utf8Check::Valid;
    QTest::newRow("the last code point") << QByteArray("\xF4\x8F\xBF\xBF") << Utf8Check::Valid;
    QTest::newRow("sì from Excel, Windows-1252") << QByteArray("s\xEC") << Utf8Check::Incomplete;
    QTest::newRow("sì followed by more") << QByteArray("s\xEC;x") << Utf8Check::Invalid;
    QTest::newRow("à from Excel, then a separator") << QByteArray("\xE0;") << Utf8Check::Invalid;
    QTest::newRow("a lone continuation byte") << QByteArray("a\x80") << Utf8Check::Invalid;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << Utf8Check::Invalid;
    QTest::newRow("overlong in three bytes") << QByteArray("\xE0\x80\xAF") << Utf8Check::Invalid;
    QTest::newRow("overlong in four bytes") << QByteArray("\xF0\x80\x80\xAF") << Utf8Check::Invalid;
    QTest::newRow("a surrogate") << QByteArray("\xED\xA0\x80") << Utf8Check::Invalid;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << Utf8Check::Invalid;
    QTest::newRow("no lead byte above F4") << QByteArray("\xF5\x80\x80\x80") << Utf8Check::Invalid;
    QTest::newRow("€ cut off after two bytes") << QByteArray("1 \xE2\x82") << Utf8Check::Incomplete;
    QTest::newRow("a cut-off character inside") << QByteArray("\xE2\x82;") << Utf8Check::Invalid;
  }
  void utf8IsCheckedStrictly() {
    QFETCH(QByteArray, bytes);
    QTEST(CheckUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size()))), "check");
  }

  void utf16WithoutItsMarkIsRecognised_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<bool>("utf16");
    QTest::newRow("little endian") << QByteArray("t\0i\0p\0o\0;\0v\0", 12) << true;
    QTest::newRow("big endian") << QByteArray("\0t\0i\0p\0o\0;\0v", 12) << true;
    QTest::newRow("two characters are enough") << QByteArray("t\0i\0", 4) << true;
    QTest::newRow("one is not") << QByteArray("t\0", 2) << false;
    QTest::newRow("UTF-8") << QByteArray("tipo;valore") << false;
    QTest::newRow("a zero now and then") << QByteArray("t\0ip\0o", 6) << false;
    QTest::newRow("zeros alone are no text") << QByteArray(8, '\0') << false;
    QTest::newRow("Windows-1252") << QByteArray("s\xEC;\xE0") << false;
  }
  void utf16WithoutItsMarkIsRecognised() {
    QFETCH(QByteArray, head);
    QTEST(LooksLikeUtf16(std::string_view(head.constData(), std::size_t(head.size()))), "utf16");
  }

  void windows1252BecomesUtf8_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII unchanged") << QByteArray("tipo;valore\r\n") << "tipo;valore\r\n";
    QTest::newRow("sì") << QByteArray("s\xEC") << QString::fromUtf8("sì");
    QTest::newRow("Forlì, Città, perché")
        << QByteArray("Forl\xEC, Citt\xE0, perch\xE9") << QString::fromUtf8("Forlì, Città, perché");
    QTest::newRow("the euro sign")
        << QByteArray("\x80 100.000,00") << QString::fromUtf8("€ 100.000,00");
    QTest::newRow("quotes and dashes from Word")
        << QByteArray("\x93x\x94 \x96 \x97 \x85") << QString::fromUtf8("“x” – — …");
    QTest::newRow("the last bytes") << QByteArray("\x9F\xFF") << QString::fromUtf8("Ÿÿ");
    QTest::newRow("undefined bytes are no character")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << QString(5, QChar(0xFFFD));
  }
  void windows1252BecomesUtf8() {
    QFETCH(QByteArray, bytes);
    std::string out(std::size_t(bytes.size()) * 3, '\0');
    out.resize(Windows1252ToUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                 out.data()));
    QCOMPARE(CheckUtf8(out), Utf8Check::Valid);
    QTEST(QString::fromStdString(out), "text");
  }
};

QTEST_APPLESS_MAIN(TestTextEncoding)
#include "tst_text_encoding.moc"
