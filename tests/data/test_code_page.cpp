#include <QCryptographicHash>
#include <QTest>

#include "data/code_page.h"

using namespace k4;

namespace {

// Every byte alone, every lead byte with every byte after it, and every lead byte at the end.
QByteArray decodedByteSequences() {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const auto add = [&](const QByteArray& bytes) {
        const QString text = decodeCodePage(bytes) + u'\n';
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
    };
    for (int first = 0; first < 256; ++first) {
        add(QByteArray(1, char(first)));
        if (first < 0x80) continue;
        for (int second = 0; second < 256; ++second)
            add(QByteArray(1, char(first)) + char(second) + '1');
    }
    return hash.result().toHex();
}

// Every UTF-16 unit alone, lone surrogates too, and one character beyond it.
QByteArray encodedCodeUnits() {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int unit = 0; unit < 0x10000; ++unit)
        hash.addData(encodeCodePage(QString(QChar(char16_t(unit))) + u'1') + '\n');
    hash.addData(encodeCodePage(QString::fromUtf8("😀")));
    return hash.result().toHex();
}

}  // namespace

// The conversion is Qt's ICU converter on Linux and the system's on Windows: these cases and the
// whole tables come out the same on both.
class TestCodePage : public QObject {
    Q_OBJECT

private slots:
    void decodes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("backslash and tilde") << QByteArray("\\~\x82\x61") << "\\~Ｂ";
        QTest::newRow("half-width katakana") << QByteArray("\xa1\xdf") << "\uff61\uff9f";
        QTest::newRow("NEC special") << QByteArray("\x87\x40") << "\u2460";
        QTest::newRow("NEC-selected IBM") << QByteArray("\xed\x40") << "\u7e8a";
        QTest::newRow("IBM extension") << QByteArray("\xfa\x40") << "\u2170";
        QTest::newRow("user-defined") << QByteArray("\xf0\x40\xf9\xfc") << "\ue000\ue757";
        QTest::newRow("bytes that start nothing")
            << QByteArray("\x80\xa0\xfd\xfe\xff") << "\u007f\u007f\u007f\u007f\u007f";
        QTest::newRow("lead byte at the end") << QByteArray("1\x82") << "1\u007f";
        QTest::newRow("lead byte before a digit") << QByteArray("\x81\x31") << "\u007f1";
        QTest::newRow("lead byte before 0x7F") << QByteArray("\x81\x7f") << "\u007f\u007f";
        QTest::newRow("lead byte before a lead byte")
            << QByteArray("\x81\xfd\x82\x61") << QString::fromUtf8("\u007f\u007fＢ");
        QTest::newRow("unassigned pair") << QByteArray("\x85\x40\x31") << "\ufffd1";
    }
    void decodes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeCodePage(bytes), text);
    }

    void encodes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one of two codes: the first row")
            << QString::fromUtf8("\u2252\u2261") << QByteArray("\x81\xe0\x81\xdf");
        QTest::newRow("one of two codes: IBM extension") << "\u7e8a" << QByteArray("\xfa\x5c");
        QTest::newRow("full-width reverse solidus") << "\uff3c" << QByteArray("\x81\x5f");
        QTest::newRow("user-defined") << "\ue000" << QByteArray("\xf0\x40");
        QTest::newRow("no best fit") << "\u00a5\u203e\u00e4" << QByteArray("???");
        QTest::newRow("no one-way mapping") << "\uf86f\u2116" << QByteArray("?\x87\x82");
        QTest::newRow("no Windows-only single bytes") << "\u0080\uf8f0\uf8f3" << QByteArray("???");
        QTest::newRow("substitution character") << "\ufffd" << QByteArray("?");
        QTest::newRow("beyond the BMP") << QString::fromUtf8("1😀2") << QByteArray("1?2");
        const QChar high(char16_t(0xd800)), low(char16_t(0xdc00));
        QTest::newRow("lone surrogates") << QString(high) + u'1' + low << QByteArray("?1?");
    }
    void encodes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeCodePage(text), bytes);
    }

    void wholeTablesAsOnEveryPlatform() {
        QCOMPARE(decodedByteSequences(),
                 QByteArray("33f3d76ece9c1d5ba2d2141a620a6a6faad216f0d511cfed174d42120434106f"));
        QCOMPARE(encodedCodeUnits(),
                 QByteArray("ee6a1bffde067551627fa4dd95933dc6ec21263d2b6128aa0a412ab085da0020"));
    }
};

QTEST_APPLESS_MAIN(TestCodePage)
#include "test_code_page.moc"
