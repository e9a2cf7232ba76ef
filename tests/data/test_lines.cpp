#include <QTest>

#include "data/code_page.h"
#include "data/lines.h"

using namespace k4;

class TestLines : public QObject {
    Q_OBJECT

private slots:
    void readsLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("CR LF lines")
            << QByteArray("1234\r\n5678\r\n") << QStringList{"1234", "5678"};
        QTest::newRow("no final line end")
            << QByteArray("1234\r\n5678") << QStringList{"1234", "5678"};
        QTest::newRow("lone CR") << QByteArray("12\r34\r") << QStringList{"12", "34"};
        QTest::newRow("lone LF") << QByteArray("12\n34\n") << QStringList{"12", "34"};
        QTest::newRow("LF CR is two line ends")
            << QByteArray("12\n\r34") << QStringList{"12", "", "34"};
        QTest::newRow("empty line kept")
            << QByteArray("12\r\n\r\n34\r\n") << QStringList{"12", "", "34"};
        QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("spaces kept") << QByteArray(" 57 \r\n") << QStringList{" 57 "};
        QTest::newRow("NUL inside a line") << QByteArray(
                                                  "1\0"
                                                  "2\r\n",
                                                  5)
                                           << QStringList{QString::fromLatin1("1\0"
                                                                              "2",
                                                                              3)};
    }
    void readsLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(readLines(bytes), lines);
    }

    void stopsAfterMaxLines() {
        QCOMPARE(readLines("1\r\n2\r\n3\r\n", 2), (QStringList{"1", "2"}));
        QCOMPARE(readLines("1\r\n", 5), QStringList{"1"});
    }

    void writesCrLfAfterEveryLine() {
        QCOMPARE(writeLines({"1234", "", "0419"}), QByteArray("1234\r\n\r\n0419\r\n"));
        QCOMPARE(writeLines({}), QByteArray());
    }

    void roundTripsTheReportTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("title") << QString::fromUtf8(" 第 ") << QByteArray("\x20\x91\xe6\x20");
        QTest::newRow("full-width BOX")
            << QString::fromUtf8("ＢＯＸ") << QByteArray("\x82\x61\x82\x6e\x82\x77");
        QTest::newRow("ideographic space") << QString::fromUtf8("\u3000") << QByteArray("\x81\x40");
        QTest::newRow("half-width katakana") << QString::fromUtf8("ｷﾘ") << QByteArray("\xb7\xd8");
    }
    void roundTripsTheReportTexts() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeCodePage(text), bytes);
        QCOMPARE(decodeCodePage(bytes), text);
    }

    void roundTripsWholeJapaneseLines() {
        const QStringList lines = {QString::fromUtf8(" 回 キリカータ ４ ＢＯＸ 予想結果; Vr_1.20 "),
                                   QString::fromUtf8("  回  :            回  :過去１００回の結果"),
                                   QString::fromUtf8("ホームページ\u3000\u3000 "),
                                   QString::fromUtf8("作者に意見等は\u3000 ")};
        QCOMPARE(readLines(writeLines(lines)), lines);
    }

    void writesUnencodableCharactersAsQuestionMarks() {
        QCOMPARE(encodeCodePage(QString::fromUtf8("a€b")), QByteArray("a?b"));
        QCOMPARE(encodeCodePage(QString::fromUtf8("1😀2")), QByteArray("1?2"));
        QCOMPARE(encodeCodePage(QString::fromUtf8("回ä")), QByteArray("\x89\xf1?"));
    }

    void controlCodesMapToThemselves() {
        // Byte for byte as Windows does it, whether or not the line also holds Japanese text.
        const QByteArray bytes("\x1a\x1c\x7f\x82\x61", 5);
        const QString text = QString::fromUtf8("\u001a\u001c\u007fＢ");
        QCOMPARE(decodeCodePage(bytes), text);
        QCOMPARE(encodeCodePage(text), bytes);
        QCOMPARE(encodeCodePage(QString::fromUtf8("\u001a\u007f")), QByteArray("\x1a\x7f"));
    }

    void keepsALeadByteWithoutItsTrailByte() {
        QCOMPARE(readLines(QByteArray("\x81\r\n1\x82")).size(), 2);
        QCOMPARE(decodeCodePage("\x81").size(), 1);
        QCOMPARE(decodeCodePage("1\x82").size(), 2);
    }

    void survivesBytesThatAreNotCodePage932() {
        const QStringList lines = readLines(QByteArray("\x81\r\n\xff\xfe\x80\r\n\x82", 9));
        QCOMPARE(lines.size(), 3);
        QVERIFY(!lines.at(1).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestLines)
#include "test_lines.moc"
