#include <QTest>

#include "register/result_input.h"

using namespace k4;

class TestResultInput : public QObject {
    Q_OBJECT

private slots:
    void acceptsExactlyFourDigits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");  // empty: refused
        QTest::newRow("four digits") << "0419"
                                     << "0419";
        QTest::newRow("spaces around") << " 1234 "
                                       << "1234";
        QTest::newRow("full-width digits") << QString::fromUtf8("１２３４") << "1234";
        QTest::newRow("ideographic space before") << QString::fromUtf8("\u30001234") << "1234";
        QTest::newRow("mixed widths and spaces")
            << QString::fromUtf8(" \u3000１2３4\u3000 ") << "1234";
        QTest::newRow("three digits") << "123"
                                      << "";
        QTest::newRow("five digits") << "12345"
                                     << "";
        QTest::newRow("letters") << "abcd"
                                 << "";
        QTest::newRow("digits and a letter") << "12a4"
                                             << "";
        QTest::newRow("space inside") << "12 34"
                                      << "";
        QTest::newRow("only spaces") << QString::fromUtf8("  \u3000 ") << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("other full-width characters") << QString::fromUtf8("１２３Ａ") << "";
        QTest::newRow("tab is not trimmed") << "\t1234"
                                            << "";
    }
    void acceptsExactlyFourDigits() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(storedResult(typed).value_or(QString()), stored);
    }
};

QTEST_APPLESS_MAIN(TestResultInput)
#include "test_result_input.moc"
