#include <QTest>
#include <cmath>

#include "data/number_rule.h"

using namespace k4;

class TestNumberRule : public QObject {
    Q_OBJECT

private slots:
    void readsTheLeadingNumber_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "123" << 123.0;
        QTest::newRow("leading space") << " 57" << 57.0;
        QTest::newRow("space inside") << "4 1" << 41.0;
        QTest::newRow("tab and LF inside") << "4\t\n1" << 41.0;
        QTest::newRow("fraction") << "12.5" << 12.5;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("trailing point") << "7." << 7.0;
        QTest::newRow("negative") << "-5" << -5.0;
        QTest::newRow("plus sign") << "+8" << 8.0;
        QTest::newRow("spaced sign") << "- 5" << -5.0;
        QTest::newRow("double minus") << "--5" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("stops at letters") << "41abc" << 41.0;
        QTest::newRow("stops at second point") << "1.2.3" << 1.2;
        QTest::newRow("no exponent") << "1e9" << 1.0;
        QTest::newRow("no hexadecimal prefix") << "&H10" << 0.0;
        QTest::newRow("no hex digits") << "0x1F" << 0.0;
        QTest::newRow("leading zeros") << "007" << 7.0;
        QTest::newRow("full-width digits are no number") << QString::fromUtf8("１２") << 0.0;
        QTest::newRow("CR is not skipped") << "\r5" << 0.0;
        QTest::newRow("tiny") << "0." + QString(400, u'0') + "1" << 0.0;
    }
    void readsTheLeadingNumber() {
        QFETCH(QString, line);
        QFETCH(double, value);
        QCOMPARE(readNumber(line), value);
    }

    void tooLargeReadsAsInfinity() {
        QVERIFY(std::isinf(readNumber("1" + QString(400, u'0'))));
        QVERIFY(readNumber("-1" + QString(400, u'0')) < 0);
    }
};

QTEST_APPLESS_MAIN(TestNumberRule)
#include "test_number_rule.moc"
