#include "services/csvparser.h"
#include "services/textdecoder.h"
#include "support/testrunner.h"

#include <QTest>

using Rows = QList<QStringList>;

// The text decoder and CSV parser that both import formats and the import screen read files with.
class ImportReadersTest : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void csv_data();
    void csv();
};

void ImportReadersTest::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF"
                                                   "Caf\xC3\xA9")
                                     << "Café";
    QTest::newRow("utf-8 without mark") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << "Café €";
    QTest::newRow("utf-16 little-endian") << QByteArray("\xFF\xFE"
                                                        "A\0\xE9\0",
                                                        6)
                                          << "Aé";
    QTest::newRow("utf-16 big-endian") << QByteArray("\xFE\xFF\0A\0\xE9", 6) << "Aé";
    QTest::newRow("windows-1252 e-acute and euro") << QByteArray("Caf\xE9 \x80"
                                                                 "5")
                                                   << "Café €5";
    QTest::newRow("windows-1252 quotes") << QByteArray("\x93hi\x94") << "\u201Chi\u201D";
    QTest::newRow("undefined bytes kept") << QByteArray("\x81\x8D\x8F\x90\x9D")
                                          << QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("overlong slash is not utf-8") << QByteArray("\xC0\xAF") << "\u00C0\u00AF";
    QTest::newRow("surrogate is not utf-8")
        << QByteArray("\xED\xA0\x80") << QString::fromUtf16(u"\u00ED\u00A0\u20AC");
    QTest::newRow("above U+10FFFF is not utf-8")
        << QByteArray("\xF4\x90\x80\x80") << QString::fromUtf16(u"\u00F4\u0090\u20AC\u20AC");
    QTest::newRow("truncated sequence is not utf-8") << QByteArray("ab\xC3") << "ab\u00C3";
    QTest::newRow("four-byte utf-8") << QByteArray("\xF0\x9F\x98\x80") << "\U0001F600";
    QTest::newRow("empty") << QByteArray() << "";
}

void ImportReadersTest::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(TextDecoder::decode(bytes), expected);
}

void ImportReadersTest::csv_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("expected");
    QTest::newRow("plain rows") << "a,b\nc,d\n" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("windows line ends") << "a,b\r\nc,d\r\n" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("old mac line ends") << "a,b\rc,d\r" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("quoted comma and quote") << "\"Smith, J\",\"say \"\"hi\"\"\"\n"
                                            << Rows{{"Smith, J", "say \"hi\""}};
    QTest::newRow("quoted line break stays one field") << "\"line one\nline two\",x\r\n"
                                                       << Rows{{"line one\nline two", "x"}};
    QTest::newRow("fields trimmed, quoted edges too") << "  a , \" b \" \n" << Rows{{"a", "b"}};
    QTest::newRow("blank lines dropped") << "a\n\n  \nb\n" << Rows{{"a"}, {"b"}};
    QTest::newRow("last row without line end") << "a,b\nc," << Rows{{"a", "b"}, {"c", ""}};
    QTest::newRow("short rows kept as they are") << "a,b,c\nd\n" << Rows{{"a", "b", "c"}, {"d"}};
    QTest::newRow("empty text") << "" << Rows{};
}

void ImportReadersTest::csv()
{
    QFETCH(QString, text);
    QFETCH(Rows, expected);
    QCOMPARE(CsvParser::parse(text), expected);
}

LEDGERWELL_TEST(ImportReadersTest)
#include "importreaders_test.moc"
