#include <QTest>
#include <cmath>
#include <limits>

#include "platform/failure.h"
#include "platform/numbers.h"

using namespace k4;

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void roundsHalfToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("13.5 to even 14") << 13.5 << 14;
        QTest::newRow("12.5 to even 12") << 12.5 << 12;
        QTest::newRow("0.5 to 0") << 0.5 << 0;
        QTest::newRow("1.5 to 2") << 1.5 << 2;
        QTest::newRow("-0.5 to 0") << -0.5 << 0;
        QTest::newRow("-2.5 to -2") << -2.5 << -2;
        QTest::newRow("-3.5 to -4") << -3.5 << -4;
        QTest::newRow("2.4999 down") << 2.4999 << 2;
        QTest::newRow("2.5001 up") << 2.5001 << 3;
        QTest::newRow("16-bit top") << 32767.0 << 32767;
        QTest::newRow("16-bit top by rounding") << 32767.4 << 32767;
        QTest::newRow("16-bit bottom") << -32768.0 << -32768;
        QTest::newRow("16-bit bottom by rounding") << -32768.5 << -32768;
    }
    void roundsHalfToEven() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(toInt16(value), expected);
        QCOMPARE(toInt32(value), expected);
    }

    void overflowsOutside16Bits_data() {
        QTest::addColumn<double>("value");
        QTest::newRow("32768") << 32768.0;
        QTest::newRow("32767.5 rounds to 32768") << 32767.5;
        QTest::newRow("-32769") << -32769.0;
        QTest::newRow("-32768.6") << -32768.6;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    }
    void overflowsOutside16Bits() {
        QFETCH(double, value);
        try {
            toInt16(value, QStringLiteral("kaisuu4.txt"));
            QFAIL("no overflow");
        } catch (const Failure& failure) {
            QCOMPARE(failure.kind(), FailureKind::Overflow);
            QCOMPARE(failure.message(), QStringLiteral("オーバーフローしました: kaisuu4.txt"));
        }
    }

    void edgesOf32Bits() {
        QCOMPARE(toInt32(2147483647.0), 2147483647);
        QCOMPARE(toInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
        QCOMPARE(toInt32(2147483646.5), 2147483646);
        QVERIFY_THROWS_EXCEPTION(Failure, toInt32(2147483647.5));
        QVERIFY_THROWS_EXCEPTION(Failure, toInt32(2147483648.0));
        QVERIFY_THROWS_EXCEPTION(Failure, toInt32(-2147483649.0));
    }

    void writesNumbersAsText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("zero") << 0.0 << " 0"
                              << "0";
        QTest::newRow("positive") << 57.0 << " 57"
                                  << "57";
        QTest::newRow("negative") << -4.0 << "-4"
                                  << "-4";
        QTest::newRow("fraction") << 11.5 << " 11.5"
                                  << "11.5";
        QTest::newRow("large whole") << 123456789012.0 << " 123456789012"
                                     << "123456789012";
    }
    void writesNumbersAsText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QCOMPARE(numberText(value), text);
        QCOMPARE(plainNumberText(value), plain);
    }

    void readsTextBoxNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("10") << "10" << true << 10.0;
        QTest::newRow("blanks around") << "  3 " << true << 3.0;
        QTest::newRow("fraction") << "2.5" << true << 2.5;
        QTest::newRow("negative") << "-1" << true << -1.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("digits then letters") << "12a" << false << 0.0;
    }
    void readsTextBoxNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const auto number = numberFromTextBox(text);
        QCOMPARE(number.has_value(), isNumber);
        if (isNumber) QCOMPARE(*number, value);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
