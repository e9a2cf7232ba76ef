#include <QTest>

#include "data/data_files.h"
#include "data/file_names.h"
#include "platform/failure.h"
#include "predict/prediction.h"
#include "predict/prediction_files.h"
#include "support/test_folder.h"

using namespace k4;

namespace {

using Placed = QList<QPair<int, QString>>;

// A table whose other slots hold 9999, which no filter lets through (its digit sum is 36).
CandidateTable tableWith(const Placed& placed) {
    CandidateTable table;
    for (int n = 1; n <= CandidateTable::kSlotCount; ++n) table.setSlot(n, QStringLiteral("9999"));
    for (const auto& [n, candidate] : placed) table.setSlot(n, candidate);
    return table;
}

// Nine results giving favoured digit `favoured` (not 1) and anchor digit `anchor`: the second
// result begins like the newest one and the third is drawn after it.
QStringList historyFavouring(QChar favoured, QChar anchor) {
    return {"1000", "1000", QString(favoured) + "000",     "5000", "5000", "5000",
            "5000", "5000", QStringLiteral("500") + anchor};
}

// One-character results, `lines` filling slots 2 onwards after the newest result "1".
QStringList leads(const QString& newest, const QStringList& older) {
    return QStringList{newest} + older;
}

QByteArray lines(const QStringList& values) {
    QByteArray bytes;
    for (const QString& value : values) bytes += value.toLatin1() + "\r\n";
    return bytes;
}

}  // namespace

class TestPrediction : public QObject {
    Q_OBJECT

private slots:
    void picksTheFavouredDigit_data() {
        QTest::addColumn<QStringList>("history");
        QTest::addColumn<QString>("digit");
        QTest::newRow("tie goes to the lowest")
            << leads("1", {"1", "7", "1", "2", "1", "7", "1", "2", "1", "7", "1", "2"}) << "2";
        QTest::newRow("strictly more wins")
            << leads("1", {"1", "2", "1", "2", "1", "2", "1", "7", "1", "7", "1", "7", "1", "7"})
            << "7";
        QTest::newRow("one line") << QStringList{"1234"} << "0";
        QTest::newRow("empty history") << QStringList{} << "0";
        QTest::newRow("newest is not compared with itself") << QStringList{"1", "5"} << "0";
        QTest::newRow("missing line after the last match counts as 0")
            << leads("1999", {"1999", "5", "1999"}) << "0";
        QTest::newRow("non-digit after a match counts as 0")
            << leads("1", {"1", "x", "1", "x", "1", "5"}) << "0";
        QTest::newRow("full-width digit counts as 0")
            << leads("1", {"1", "５", "1", "５", "1", "3"}) << "0";
        QTest::newRow("non-digit newest matches the same character")
            << leads("x", {"x", "5", "1", "6"}) << "5";
        QTest::newRow("comparison is case-sensitive") << leads("a", {"A", "5", "a", "6"}) << "6";
        QTest::newRow("slot 73 is compared, slot 74 counted")
            << leads("1", QStringList(71, "2") + QStringList{"1", "9"}) << "9";
        QTest::newRow("slot 74 is not compared")
            << leads("1", QStringList(72, "2") + QStringList{"1", "9"}) << "0";
    }
    void picksTheFavouredDigit() {
        QFETCH(QStringList, history);
        QFETCH(QString, digit);
        QCOMPARE(favouredDigit(ResultHistory(history)), digit);
    }

    void takesTheAnchorFromTheNinthResult_data() {
        QTest::addColumn<QStringList>("history");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("ninth result")
            << QStringList(8, "0000") + QStringList{"1234", "5678"} << "4";
        QTest::newRow("longer result") << QStringList(8, "0000") + QStringList{"12345"} << "4";
        QTest::newRow("shorter result") << QStringList(8, "0000") + QStringList{"123"} << "";
        QTest::newRow("eight results") << QStringList(8, "1234") << "";
    }
    void takesTheAnchorFromTheNinthResult() {
        QFETCH(QStringList, history);
        QFETCH(QString, anchor);
        QCOMPARE(anchorDigit(ResultHistory(history)), anchor);
    }

    void predicts_data() {
        QTest::addColumn<Placed>("placed");
        QTest::addColumn<QStringList>("history");
        QTest::addColumn<double>("count");
        QTest::addColumn<QStringList>("listed");
        const QStringList zeroAndEight = historyFavouring('0', '8');
        QTest::newRow("display order 3, 1, 2, 4")
            << Placed{{300, "5023"}} << historyFavouring('5', '3') << 10.0 << QStringList{"2503"};
        QTest::newRow("slot 230 never, 231 listed")
            << Placed{{230, "0801"}, {231, "0802"}} << zeroAndEight << 10.0 << QStringList{"0082"};
        QTest::newRow("slot 500 listed, 501 never")
            << Placed{{500, "0801"}, {501, "0802"}} << zeroAndEight << 10.0 << QStringList{"0081"};
        QTest::newRow("table order is kept") << Placed{{400, "0841"}, {300, "0842"}} << zeroAndEight
                                             << 10.0 << QStringList{"4082", "4081"};
        QTest::newRow("digit sum 25 passes, 26 goes")
            << Placed{{300, "8980"}, {301, "8990"}} << zeroAndEight << 10.0 << QStringList{"8890"};
        QTest::newRow("without the favoured digit")
            << Placed{{300, "1238"}} << zeroAndEight << 10.0 << QStringList{};
        QTest::newRow("without the anchor digit")
            << Placed{{300, "1230"}} << zeroAndEight << 10.0 << QStringList{};
        QTest::newRow("only four characters count") << Placed{{300, "12380"}, {301, "08123"}}
                                                    << zeroAndEight << 10.0 << QStringList{"1082"};
        QTest::newRow("short candidates") << Placed{{300, "089"}, {301, "08"}, {302, "88"}}
                                          << zeroAndEight << 10.0 << QStringList{"908", "08"};
        QTest::newRow("empty history lists nothing")
            << Placed{{300, "0123"}, {301, "0000"}} << QStringList{} << 10.0 << QStringList{};
        // With fewer than nine results the anchor is empty: only the missing characters of a
        // candidate shorter than four equal it, and empty slots stay blank.
        QTest::newRow("fewer than nine results")
            << Placed{{300, "0123"}, {301, "012"}, {302, ""}} << QStringList{"1000", "1000", "0000"}
            << 10.0 << QStringList{"201"};
    }
    void predicts() {
        QFETCH(Placed, placed);
        QFETCH(QStringList, history);
        QFETCH(double, count);
        QFETCH(QStringList, listed);
        QCOMPARE(predict(tableWith(placed), ResultHistory(history), count), listed);
    }

    void listsTheFirstCountSurvivors_data() {
        QTest::addColumn<double>("count");
        QTest::addColumn<int>("listed");
        QTest::newRow("3") << 3.0 << 3;
        QTest::newRow("1") << 1.0 << 1;
        QTest::newRow("5, all there are") << 5.0 << 5;
        QTest::newRow("0") << 0.0 << 5;
        QTest::newRow("2.5") << 2.5 << 5;
        QTest::newRow("-1") << -1.0 << 5;
        QTest::newRow("99") << 99.0 << 5;
    }
    void listsTheFirstCountSurvivors() {
        QFETCH(double, count);
        QFETCH(int, listed);
        const Placed five = {
            {231, "0801"}, {232, "0802"}, {233, "0803"}, {234, "0804"}, {500, "0805"}};
        const QStringList all = {"0081", "0082", "0083", "0084", "0085"};
        QCOMPARE(predict(tableWith(five), ResultHistory(historyFavouring('0', '8')), count),
                 all.first(listed));
    }

    void readsTheFirst570CandidatesAnd1000Results() {
        test::TestFolder bench;
        QStringList candidates(CandidateTable::kSlotCount, "9999");
        candidates[299] = "0801";  // slot 300
        candidates.append("0802");
        QStringList history = historyFavouring('0', '8');
        history += QStringList(1200 - history.size(), "1234");
        bench.writeFile(kCandidateFile, lines(candidates));
        bench.writeFile(kHistoryFile, lines(history));
        const PredictionData data = predictionDataIn(DataFiles(bench.files).readState());
        QCOMPARE(data.candidates.slot(570), "9999");
        QCOMPARE(data.history.lines().size(), 1000);
        QCOMPARE(predict(data.candidates, data.history, 10), QStringList{"0081"});
    }

    void failsOnTheFirstFileItCannotRead_data() {
        QTest::addColumn<std::optional<QByteArray>>("candidates");
        QTest::addColumn<std::optional<QByteArray>>("history");
        QTest::addColumn<FailureKind>("kind");
        QTest::addColumn<QString>("file");
        const QByteArray full = lines(QStringList(570, "0123"));
        QTest::newRow("no candidates") << std::optional<QByteArray>() << std::optional<QByteArray>()
                                       << FailureKind::FileNotFound << kCandidateFile;
        QTest::newRow("569 candidates")
            << std::optional<QByteArray>(lines(QStringList(569, "0123")))
            << std::optional<QByteArray>("") << FailureKind::ReadPastEnd << kCandidateFile;
        QTest::newRow("no history")
            << std::optional<QByteArray>(full) << std::optional<QByteArray>()
            << FailureKind::FileNotFound << kHistoryFile;
    }
    void failsOnTheFirstFileItCannotRead() {
        QFETCH(std::optional<QByteArray>, candidates);
        QFETCH(std::optional<QByteArray>, history);
        QFETCH(FailureKind, kind);
        QFETCH(QString, file);
        test::TestFolder bench;
        if (candidates) bench.writeFile(kCandidateFile, *candidates);
        if (history) bench.writeFile(kHistoryFile, *history);
        try {
            predictionDataIn(DataFiles(bench.files).readState());
            QFAIL("no failure");
        } catch (const Failure& failure) {
            QCOMPARE(failure.kind(), kind);
            QCOMPARE(failure.fileName(), file);
        }
    }
};

QTEST_APPLESS_MAIN(TestPrediction)
#include "test_prediction.moc"
