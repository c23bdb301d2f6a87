#include <QtTest>
#include <algorithm>
#include <cstring>
#include <string>

#include "core/documents/csv_reader.h"

using namespace velmora;

Q_DECLARE_METATYPE(velmora::CsvEncoding)

namespace {

// Hands the text out `chunk` bytes at a time, as a pipe would.
CsvReader::Source Chunks(std::string text, std::size_t chunk) {
  auto position = std::make_shared<std::size_t>(0);
  return [text = std::move(text), chunk, position](char* buffer, std::size_t size) {
    const std::size_t n = std::min({chunk, size, text.size() - *position});
    std::memcpy(buffer, text.data() + *position, n);
    *position += n;
    return std::ptrdiff_t(n);
  };
}

// "3:a|b" for a record of line 3 with fields a and b, "3-4:a|b" when a field
// holds a line end; "3:!quote" and the like for a broken one.
QStringList ReadAll(const QByteArray& text, std::size_t chunk, std::size_t longest = 64) {
  CsvReader reader(Chunks(text.toStdString(), chunk), longest);
  CsvRecord record;
  QStringList out;
  while (reader.Next(record)) {
    QString line = QString::number(record.line);
    if (record.lastLine != record.line) line += u'-' + QString::number(record.lastLine);
    line += u':';
    switch (record.fault) {
      case CsvFault::None: {
        // Decoded whole, so that a BOM inside stays.
        QByteArray fields = line.toUtf8();
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
          if (i > 0) fields += '|';
          fields.append(record.fields[i].data(), qsizetype(record.fields[i].size()));
        }
        line = QString::fromUtf8(fields);
        break;
      }
      case CsvFault::UnclosedQuote:
        line += QStringLiteral("!quote");
        break;
      case CsvFault::TextAfterQuote:
        line += QStringLiteral("!after");
        break;
      case CsvFault::LineTooLong:
        line += QStringLiteral("!long");
        break;
      case CsvFault::NotUtf8:
        line += QStringLiteral("!utf8");
        break;
    }
    out << line;
  }
  return out;
}

}  // namespace

// The batch input, as spreadsheets write it, read a piece at a time.
class TestCsvReader : public QObject {
  Q_OBJECT

 private slots:
  void recordsAreReadWhateverTheChunks_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("records");
    QTest::newRow("LF") << QByteArray("tipo;valore\nvitalizio;250000\n")
                        << QStringList{"1:tipo|valore", "2:vitalizio|250000"};
    QTest::newRow("CRLF") << QByteArray("tipo;valore\r\nvitalizio;250000\r\n")
                          << QStringList{"1:tipo|valore", "2:vitalizio|250000"};
    QTest::newRow("no line end at the end")
        << QByteArray("a;b\r\nc;d") << QStringList{"1:a|b", "2:c|d"};
    QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBFtipo;valore\n") << QStringList{"1:tipo|valore"};
    QTest::newRow("a BOM later is text") << QByteArray(
                                                "a\n\xEF\xBB\xBF"
                                                "b\n")
                                         << QStringList{"1:a", QString::fromUtf8("2:\xEF\xBB\xBF"
                                                                                 "b")};
    QTest::newRow("empty fields") << QByteArray(";a;;\n") << QStringList{"1:|a||"};
    QTest::newRow("blank lines are passed over, lines still counted")
        << QByteArray("a\n\r\n\nb\n") << QStringList{"1:a", "4:b"};
    QTest::newRow("decimal comma and separator in quotes")
        << QByteArray("\"250.000,50\";\"a;b\"\n") << QStringList{"1:250.000,50|a;b"};
    QTest::newRow("doubled quotes")
        << QByteArray("\"di \"\"Rossi\"\"\";x\n") << QStringList{"1:di \"Rossi\"|x"};
    QTest::newRow("empty quoted field") << QByteArray("\"\";\"\"\n") << QStringList{"1:|"};
    QTest::newRow("a quote inside an unquoted field is text")
        << QByteArray("12\"3;x\n") << QStringList{"1:12\"3|x"};
    QTest::newRow("UTF-8 passes through")
        << QByteArray("3 maggio 1950;€\n") << QStringList{QString::fromUtf8("1:3 maggio 1950|€")};
    QTest::newRow("unclosed quote breaks its line only")
        << QByteArray("a\n\"250;b\nc\n") << QStringList{"1:a", "2:!quote", "3:c"};
    QTest::newRow("unclosed quote on the last line")
        << QByteArray("a\n\"x") << QStringList{"1:a", "2:!quote"};
    QTest::newRow("text after a closing quote")
        << QByteArray("\"12\"3;x\ny\n") << QStringList{"1:!after", "2:y"};
    QTest::newRow("a line beyond the limit is named and passed over")
        << QByteArray("a\n" + QByteArray(200, 'x') + "\nb\n")
        << QStringList{"1:a", "2:!long", "3:b"};
    QTest::newRow("a long last line")
        << QByteArray("a\n" + QByteArray(500, ';')) << QStringList{"1:a", "2:!long"};
    QTest::newRow("CR alone ends a line")
        << QByteArray("a;b\rc;d\r\re") << QStringList{"1:a|b", "2:c|d", "4:e"};
    QTest::newRow("a note over two lines")
        << QByteArray("a;\"uno\ndue\";b\nc\n") << QStringList{"1-2:a|uno\ndue|b", "3:c"};
    QTest::newRow("CRLF inside a note, kept")
        << QByteArray("\"x\r\ny\"\r\nz\r\n") << QStringList{"1-2:x\r\ny", "3:z"};
    QTest::newRow("a quote left open past the limit breaks its line only")
        << QByteArray("\"x\n" + QByteArray(80, ';') + "\ny\n")
        << QStringList{"1:!quote", "2:!long", "3:y"};
    QTest::newRow("a quoted field closing just before the line end")
        << QByteArray("\"a\"\r\nb") << QStringList{"1:a", "2:b"};
    QTest::newRow("nothing") << QByteArray() << QStringList{};
    QTest::newRow("only a BOM") << QByteArray("\xEF\xBB\xBF") << QStringList{};
  }
  void recordsAreReadWhateverTheChunks() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, records);
    for (const std::size_t chunk :
         {std::size_t(1), std::size_t(2), std::size_t(7), std::size_t(1) << 20}) {
      QCOMPARE(ReadAll(text, chunk), records);
    }
  }

  // The first block decides for the whole input, before any record is given
  // out; the records are the same however the input comes.
  void theFirstBlockDecidesTheEncoding_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<CsvEncoding>("encoding");
    const QByteArray block = "tipo;note\n" + QByteArray(70000, 'x') + "\n";
    QTest::newRow("UTF-8") << QByteArray("a;s\xC3\xAC\n")
                           << QStringList{QString::fromUtf8("1:a|sì")} << CsvEncoding::Utf8;
    QTest::newRow("Excel's Windows-1252, read as UTF-8")
        << QByteArray("tipo;accrescimento;note\r\nvitalizio;s\xEC;\"Forl\xEC; 2\xAA\"\r\n")
        << QStringList{"1:tipo|accrescimento|note", QString::fromUtf8("2:vitalizio|sì|Forlì; 2ª")}
        << CsvEncoding::Windows1252;
    QTest::newRow("one byte at the very end decides")
        << QByteArray("a\nb\nc\xE8") << QStringList{"1:a", "2:b", QString::fromUtf8("3:cè")}
        << CsvEncoding::Windows1252;
    QTest::newRow("a BOM says UTF-8: a line that is not is broken")
        << QByteArray(
               "\xEF\xBB\xBF"
               "a\nb\xE8\nc\n")
        << QStringList{"1:a", "2:!utf8", "3:c"} << CsvEncoding::Utf8;
    QTest::newRow("past the first block a line that is not UTF-8 is broken")
        << QByteArray(block + "s\xEC\nd\n")
        << QStringList{"1:tipo|note", "2:" + QString(70000, u'x'), "3:!utf8", "4:d"}
        << CsvEncoding::Utf8;
    QTest::newRow("a character cut by the first block's end is whole")
        << QByteArray("a\n" + QByteArray(64 * 1024 - 3, 'x') + "\xC3\xAC\n")
        << QStringList{"1:a", QString::fromUtf8("2:" + QByteArray(64 * 1024 - 3, 'x') + "ì")}
        << CsvEncoding::Utf8;
  }
  void theFirstBlockDecidesTheEncoding() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, records);
    QFETCH(CsvEncoding, encoding);
    for (const std::size_t chunk : {std::size_t(1), std::size_t(7), std::size_t(1) << 20}) {
      QCOMPARE(ReadAll(text, chunk, 128 * 1024), records);
      CsvReader reader(Chunks(text.toStdString(), chunk));
      CsvRecord record;
      reader.Next(record);
      QCOMPARE(reader.Encoding(), encoding);
    }
  }

  void aUtf16FileIsNotRead_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("little endian") << QByteArray("\xFF\xFEt\0i\0p\0o\0\n\0", 12);
    QTest::newRow("big endian") << QByteArray("\xFE\xFF\0t\0i\0p\0o\0\n", 12);
    QTest::newRow("little endian without its mark") << QByteArray("t\0i\0p\0o\0\n\0", 10);
    QTest::newRow("big endian without its mark") << QByteArray("\0t\0i\0p\0o\0\n", 10);
  }
  void aUtf16FileIsNotRead() {
    QFETCH(QByteArray, text);
    CsvReader reader(Chunks(text.toStdString(), 1), 64);
    CsvRecord record;
    QVERIFY(!reader.Next(record));
    QVERIFY(reader.Utf16());
    QVERIFY(!reader.Failed());
  }

  void aFailingInputEndsTheReading() {
    bool once = false;
    CsvReader reader(
        [&once](char* buffer, std::size_t) -> std::ptrdiff_t {
          if (once) return -1;
          once = true;
          std::memcpy(buffer, "a;b\nc", 5);
          return 5;
        },
        64);
    CsvRecord record;
    QVERIFY(reader.Next(record));
    QCOMPARE(record.fields.size(), std::size_t(2));
    QVERIFY(!reader.Next(record));
    QVERIFY(reader.Failed());
  }

  // Many lines, and one far beyond the limit, through a reader whose buffer
  // stays the same size.
  void aLongInputStreams() {
    std::string text = "tipo;valore\n";
    for (int i = 0; i < 100000; ++i) text += "vitalizio;" + std::to_string(i) + "\n";
    text += std::string(10 << 20, '9') + "\nfine\n";
    CsvReader reader(Chunks(text, 4096), 1024);
    CsvRecord record;
    qint64 count = 0;
    qint64 last = -1;
    while (reader.Next(record)) {
      ++count;
      if (record.line == 100001) QCOMPARE(record.fields.back(), std::string_view("99999"));
      if (record.line == 100002) QCOMPARE(record.fault, CsvFault::LineTooLong);
      last = record.line;
    }
    QCOMPARE(count, qint64(100003));
    QCOMPARE(last, qint64(100003));
    QVERIFY(!reader.Failed());
  }
};

QTEST_APPLESS_MAIN(TestCsvReader)
#include "tst_csv_reader.moc"
