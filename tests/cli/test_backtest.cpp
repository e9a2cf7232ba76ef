#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include "analysis/backtest.h"
#include "analysis/backtest_report.h"
#include "cli/progress.h"
#include "cli/summary_lines.h"
#include "data/box_match.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "data/lines.h"
#include "predict/prediction.h"
#include "predict/prediction_files.h"
#include "register/registration.h"
#include "register/registration_replay.h"
#include "support/past_results_files.h"
#include "support/test_folder.h"
#include "support/tool_run.h"

using namespace k4;
using test::runToolWith;

namespace {

// The backtest of a history of `oldestFirst` results, the newest being round `counter`.
Backtest backtestOf(const QStringList& oldestFirst, int counter, const BacktestOptions& options) {
    return *runBacktest(
        historyRounds(QStringList(oldestFirst.crbegin(), oldestFirst.crend()), counter), options);
}

// A data folder whose history holds `oldestFirst`, the newest being round `counter`.
void writeHistory(const test::TestFolder& bench, const QStringList& oldestFirst, int counter) {
    bench.writeFile(kHistoryFile,
                    writeLines(QStringList(oldestFirst.crbegin(), oldestFirst.crend())));
    bench.writeFile(kCounterFile, QByteArray::number(counter) + "\r\n");
}

const QString kPrizeHeader =
    QStringLiteral("回号,当せん番号,ストレート,ボックス,セットストレート,セットボックス");

// The candidate file of a folder whose history was imported, or its history after the import.
enum class Table {
    Imported,
    AfterDeletion,  // the newest result deleted
    OlderRounds,    // the five oldest results gone from the history
    Edited,         // a combination written over another
    Reordered,      // two combinations swapped
    Missing,
    Short,
};

}  // namespace

class TestBacktest : public QObject {
    Q_OBJECT

private slots:
    // With draws that know nothing of the prediction, the hit rate of chance must lie inside
    // the interval (for these seeds; about one seed in twenty would fall outside).
    void randomDrawsScoreAsChance_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 2") << 2u;
        QTest::newRow("seed 3") << 3u;
    }
    void randomDrawsScoreAsChance() {
        QFETCH(unsigned, seed);
        const QStringList draws = test::randomDraws(2000, seed);
        const Backtest backtest = backtestOf(draws, 2000, {});
        const BacktestSummary summary = summarize(backtest.rounds);
        QCOMPARE(summary.rounds, 2000);
        QVERIFY(summary.expectedHits > 20);
        QVERIFY2(
            summary.hitRate.low <= summary.chanceRate && summary.chanceRate <= summary.hitRate.high,
            qPrintable(QStringLiteral("%1 hits, %2 expected")
                           .arg(summary.hits)
                           .arg(summary.expectedHits)));
    }

    // Each result is drawn from the prediction made just before it, so a backtest that
    // predicts from any other state (one round late, say) misses. Random draws first mix the
    // ascending initial table, whose order often leaves nothing to predict; after that each
    // draw is one of the predictions after which the next prediction is not empty.
    void resultsTakenFromThePredictionAllHit() {
        const auto predicted = [](const RegistrationReplay& replay) {
            return predict(replay.candidates(), ResultHistory(replay.history()), 10);
        };
        RegistrationReplay replay;
        QStringList oldestFirst = test::randomDraws(600, 5);
        for (const QString& draw : oldestFirst) replay.registerResult(draw);
        constexpr int kCrafted = 300;
        for (int i = 0; i < kCrafted; ++i) {
            const QStringList choices = predicted(replay);
            const auto next = std::find_if(choices.begin(), choices.end(), [&](const QString& c) {
                RegistrationReplay after = replay;
                after.registerResult(c);
                return !predicted(after).isEmpty();
            });
            QVERIFY2(next != choices.end(), qPrintable(QStringLiteral("crafted round %1").arg(i)));
            oldestFirst << *next;
            replay.registerResult(*next);
        }
        const Backtest backtest = backtestOf(oldestFirst, 5000, {10, kCrafted});
        QCOMPARE(int(backtest.rounds.size()), kCrafted);
        for (const ScoredRound& round : backtest.rounds) QVERIFY(round.hit);
        QCOMPARE(backtest.rounds.front().round, qint64(5000 - kCrafted + 1));
        QCOMPARE(backtest.rounds.back().round, qint64(5000));
    }

    // Round t is predicted from what the window showed after the results before t had been
    // registered by hand: here, imported, read back from disk and predicted as Predict does.
    void predictsFromTheStateTheWindowHad() {
        const QStringList draws = test::randomDraws(120, 9);
        const Backtest backtest = backtestOf(draws, 120, {20, {}});
        for (const int round : {2, 9, 10, 11, 75, 76, 120}) {
            test::TestFolder bench;
            bench.writeFile(QStringLiteral("past.txt"),
                            draws.mid(0, round - 1).join(u'\n').toUtf8());
            QCOMPARE(
                runToolWith({"import", bench.path("past.txt"), "--folder", bench.path({})}).status,
                kExitSuccess);
            DataFiles files(bench.files);
            const PredictionData data = predictionDataIn(files.readState());
            const ScoredRound& scored = backtest.rounds.at(round - 1);
            QCOMPARE(scored.round, qint64(DataFiles::counterIn(files.readState())) + 1);
            QCOMPARE(scored.drawn, draws.at(round - 1));
            QCOMPARE(scored.predicted, predict(data.candidates, data.history, 20));
        }
    }

    void lastScoresTheNewestRoundsAlike() {
        const QStringList draws = test::randomDraws(400, 4);
        const Backtest all = backtestOf(draws, 400, {});
        const Backtest last = backtestOf(draws, 400, {10, 50});
        QCOMPARE(int(last.rounds.size()), 50);
        for (int i = 0; i < 50; ++i) {
            const ScoredRound& expected = all.rounds.at(350 + i);
            QCOMPARE(last.rounds.at(i).round, expected.round);
            QCOMPARE(last.rounds.at(i).predicted, expected.predicted);
        }
    }

    void commandWritesACsvAgreeingWithThePrintAndAChart() {
        test::TestFolder bench;
        writeHistory(bench, test::randomDraws(300, 6), 300);
        const QString csv = bench.path("rounds.csv");
        const QString png = bench.path("chart.png");
        const test::ToolRun run = runToolWith(
            {"backtest", "--folder", bench.path({}), "--count", "20", "--csv", csv, "--png", png});
        QCOMPARE(run.status, kExitSuccess);

        const QList<QByteArray> rows = test::readAll(csv).split('\n');
        QCOMPARE(rows.first(),
                 QByteArray("round,drawn,predicted,hit,expected,tickets,cost,return,balance\r"));
        int hits = 0, rounds = 0;
        double expected = 0;
        qint64 tickets = 0, prizes = 0, balance = 0;
        for (const QByteArray& row : rows.mid(1)) {
            if (row.isEmpty()) continue;
            const QList<QByteArray> fields = row.trimmed().split(',');
            QCOMPARE(fields.size(), 9);
            const QList<QByteArray> predicted = fields[2].split(' ');
            QVERIFY(predicted.size() <= 20);
            ++rounds;
            hits += fields[3].toInt();
            expected += fields[4].toDouble();
            // A ticket for each prediction, none for four equal digits; a hit pays the prize of
            // the drawn number's box; the balance runs on.
            const qint64 roundTickets = fields[5].toLongLong();
            QCOMPARE(roundTickets,
                     std::count_if(predicted.begin(), predicted.end(), [](const QByteArray& c) {
                         return !c.isEmpty() && c.count(c[0]) < 4;
                     }));
            QCOMPARE(fields[6].toLongLong(), 200 * roundTickets);
            const qint64 prize = fields[7].toLongLong();
            QCOMPARE(prize, fields[3] == "1" ? 900'000 / boxArrangements(QString(fields[1])) : 0);
            tickets += roundTickets;
            prizes += prize;
            balance += prize - 200 * roundTickets;
            QCOMPARE(fields[8].toLongLong(), balance);
        }
        QCOMPARE(rounds, 300);
        QVERIFY2(run.out.contains(QStringLiteral("rounds scored                 300\n")),
                 qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("hits                          %1\n").arg(hits)));
        QVERIFY(run.out.contains(
            QStringLiteral("hits expected from chance     %1\n").arg(expected, 0, 'f', 2)));
        const QLocale grouped(QLocale::English);
        QVERIFY(run.out.contains(
            QStringLiteral("box tickets bought            %1\n").arg(grouped.toString(tickets))));
        QVERIFY(run.out.contains(QStringLiteral("return (theoretical prizes)   %1 yen\n")
                                     .arg(grouped.toString(prizes))));
        QVERIFY(run.out.contains(QStringLiteral("balance                       %1 yen\n")
                                     .arg(grouped.toString(balance))));

        const QImage chart(png);
        QCOMPARE(chart.size(), QSize(800, 640));
    }

    // By hand, ten tickets a round: round 7051 hit and pays its real box prize, 42,200 yen;
    // 7052 missed; 7053 hit but its prize is not kept, so it is left out whole. Over the two
    // rounds counted: 20 tickets, 4,000 yen, 42,200 back. Without a prize the summary and the
    // CSV are as they always were.
    void countsTheRealPrizesBesideTheTheoreticalOnes() {
        const PrizeTable prizes =
            readPrizeFile(
                writeLines({kPrizeHeader, "7051,0419,1013700,42200,527900,21100", "7052,5023,,,,"}))
                .prizes;
        const auto scored = [](qint64 number, const char* drawn, bool hit) {
            ScoredRound round;
            round.round = number;
            round.drawn = drawn;
            round.predicted = QStringList(10, QStringLiteral("1234"));
            round.hit = hit;
            round.expected = 0.0024;
            round.tickets = 10;
            round.returnYen = hit ? 37'500 : 0;
            return round;
        };
        const std::vector<ScoredRound> rounds = {
            scored(7051, "0419", true), scored(7052, "5023", false), scored(7053, "1234", true)};
        const QStringList plain = summaryLines(rounds, 10, Language::English, {});
        const QStringList lines = summaryLines(rounds, 10, Language::English, prizes);
        const qsizetype block = lines.indexOf(
            "Real prizes, over 2 of the 3 rounds scored (left out: 1 round hit whose box prize is "
            "not known)");
        QVERIFY2(block > 0, qPrintable(lines.join(u'\n')));
        QCOMPARE(lines.mid(block + 1, 5), (QStringList{
                                              "  box tickets bought            20",
                                              "  cost (200 yen a ticket)       4,000 yen",
                                              "  return (real prizes)          42,200 yen",
                                              "  balance                       38,200 yen",
                                              "  return rate                   1055.00%",
                                          }));
        QCOMPARE(lines.mid(0, block) + lines.mid(block + 6), plain);

        const QList<QByteArray> rows = csvBytes(rounds, prizes).split('\n');
        QVERIFY(rows[0].endsWith(",balance,real_prize\r"));
        QVERIFY2(rows[1].endsWith(",37500,35500,42200\r"), rows[1].constData());
        QVERIFY(rows[2].endsWith(",33500,\r"));
        QVERIFY(rows[3].endsWith(",69000,\r"));
        QCOMPARE(csvBytes(rounds, {}).split('\n')[0],
                 "round,drawn,predicted,hit,expected,tickets,cost,return,balance\r");
    }

    // The folder's prize file gives the backtest its real prizes; one that does not read is
    // named in a note, and the backtest goes on without them.
    void takesTheRealPrizesFromTheFolder_data() {
        QTest::addColumn<bool>("readable");
        QTest::newRow("a prize file") << true;
        QTest::newRow("a prize file that does not read") << false;
    }
    void takesTheRealPrizesFromTheFolder() {
        QFETCH(bool, readable);
        test::TestFolder bench;
        const QStringList draws = test::randomDraws(60, 13);
        writeHistory(bench, draws, 60);
        QStringList prizes{kPrizeHeader};
        for (int i = 0; i < draws.size(); ++i)
            prizes << QStringLiteral("%1,%2,,%3,,")
                          .arg(i + 1)
                          .arg(draws[i],
                               isBoxTicket(draws[i]) ? QStringLiteral("40000") : QString());
        if (!readable) prizes[5] = QStringLiteral("5,12a4,,,,");
        bench.writeFile(kPrizeFile, writeLines(prizes));
        const test::ToolRun run = runToolWith(
            {"backtest", "--folder", bench.path({}), "--csv", bench.path("rounds.csv")});
        QCOMPARE(run.status, kExitSuccess);
        QCOMPARE(run.out.contains("Real prizes, over 60 of the 60 rounds scored\n"), readable);
        QCOMPARE(run.err.contains("Note: haitou4.csv の 6 行目"), !readable);
        QCOMPARE(
            bench.fileBytes("rounds.csv")
                ->startsWith(
                    "round,drawn,predicted,hit,expected,tickets,cost,return,balance,real_prize\r\n"),
            readable);
    }

    void commandSpeaksJapaneseToAJapaneseSystem() {
        test::TestFolder bench;
        writeHistory(bench, test::randomDraws(30, 8), 30);
        const test::ToolRun run =
            runToolWith({"backtest", "--folder", bench.path({})}, Language::Japanese);
        QCOMPARE(run.status, kExitSuccess);
        QVERIFY2(run.out.startsWith(QStringLiteral("バックテスト: 第 1 回〜第 30 回（30 回）")),
                 qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("偶然による的中数の期待値")));
        QVERIFY(run.out.contains(QRegularExpression(QStringLiteral("収支 +-?[0-9,]+ 円\n"))));
        QVERIFY(run.out.contains(QStringLiteral("理論上の額")));
    }

    // The backtest replays its own table from the history; the folder's table is only compared
    // with it, and the note names the case the files show. A deletion leaves the table as it
    // was, so it holds a result the history does not (%1, the deleted one); a folder without a
    // table has nothing to compare; a cut table is a broken folder.
    void notesACandidateTableTheHistoryDoesNotReplayTo_data() {
        QTest::addColumn<Table>("table");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");  // what the errors say; empty: nothing
        QTest::newRow("as imported") << Table::Imported << kExitSuccess << QString();
        QTest::newRow("after a deletion")
            << Table::AfterDeletion << kExitSuccess
            << "Note: kri4key.dat still holds the registration of %1, which kri4.dat does not "
               "hold";
        QTest::newRow("older rounds gone from the history")
            << Table::OlderRounds << kExitSuccess
            << "Note: kri4.dat holds only the 35 results from round 6 on";
        QTest::newRow("a combination written over another")
            << Table::Edited << kExitSuccess
            << "Note: kri4key.dat does not hold each of the 570 combinations once";
        QTest::newRow("two combinations swapped")
            << Table::Reordered << kExitSuccess
            << "Note: kri4key.dat holds the combinations in another order";
        QTest::newRow("no candidate file") << Table::Missing << kExitSuccess << QString();
        QTest::newRow("569 lines") << Table::Short << kExitFailure << "kri4key.dat";
    }
    void notesACandidateTableTheHistoryDoesNotReplayTo() {
        QFETCH(Table, table);
        QFETCH(int, status);
        QFETCH(QString, err);
        test::TestFolder bench;
        const QStringList draws = test::randomDraws(40, 10);
        bench.writeFile(QStringLiteral("past.txt"), draws.join(u'\n').toUtf8());
        QCOMPARE(runToolWith({"import", bench.path("past.txt"), "--folder", bench.path({})}).status,
                 kExitSuccess);
        const QStringList imported = DataFiles::linesIn(*bench.fileBytes(kCandidateFile));
        if (table == Table::AfterDeletion) writeHistory(bench, draws.mid(0, 39), 39);
        if (table == Table::OlderRounds) writeHistory(bench, draws.mid(5), 40);
        if (table == Table::Edited)
            bench.writeFile(kCandidateFile, writeLines(QStringList{imported[1]} + imported.mid(1)));
        if (table == Table::Reordered)
            bench.writeFile(kCandidateFile,
                            writeLines(QStringList{imported[1], imported[0]} + imported.mid(2)));
        if (table == Table::Missing) QVERIFY(QFile::remove(bench.path(kCandidateFile)));
        if (table == Table::Short)
            bench.writeFile(kCandidateFile, writeLines(initialCandidateLines().mid(0, 569)));
        const test::ToolRun run = runToolWith({"backtest", "--folder", bench.path({})});
        QCOMPARE(run.status, status);
        if (err.isEmpty())
            QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        else
            QVERIFY2(run.err.contains(err.replace("%1", draws.last())), qPrintable(run.err));
    }

    // A file of past results is backtested whole; where a folder holds the same complete history
    // both score alike. A folder imported from more results than its history keeps says once
    // that the backtest starts from the newest it keeps, not that its table differs.
    void aFileOfPastResultsScoresEveryRound_data() {
        QTest::addColumn<int>("results");
        QTest::newRow("a history the folder holds whole") << 600;
        QTest::newRow("a history the folder cut") << kHistoryLimit + 100;
    }
    void aFileOfPastResultsScoresEveryRound() {
        QFETCH(int, results);
        test::TestFolder bench;
        bench.writeFile(QStringLiteral("past.csv"),
                        test::publicResultsCsv(test::randomDraws(results, 12), 1, true));
        const QString file = bench.path(QStringLiteral("past.csv"));
        QCOMPARE(runToolWith({"import", file, "--folder", bench.path("data")}).status,
                 kExitSuccess);
        const auto backtest = [&](const QStringList& source, const QString& csv) {
            return runToolWith(
                QStringList{"backtest", "--folder", bench.path("data"), "--csv", bench.path(csv)} +
                source);
        };
        const test::ToolRun fromFile = backtest({"--results", file}, "file.csv");
        const test::ToolRun fromFolder = backtest({}, "folder.csv");
        QCOMPARE(fromFile.status, kExitSuccess);
        QVERIFY2(fromFile.out.startsWith(
                     QStringLiteral("Backtest of rounds 1 to %1 (%1 rounds)").arg(results)),
                 qPrintable(fromFile.out));
        QCOMPARE(fromFile.err, QString());
        if (results <= kHistoryLimit) {
            QCOMPARE(fromFolder.out, fromFile.out);
            QCOMPARE(bench.fileBytes("folder.csv"), bench.fileBytes("file.csv"));
            QCOMPARE(fromFolder.err, QString());
        } else {
            QVERIFY(fromFolder.out.startsWith(QStringLiteral("Backtest of rounds 101 to")));
            QVERIFY2(
                fromFolder.err.startsWith("Note: kri4.dat keeps the newest 2000 results only") &&
                    !fromFolder.err.contains("differs"),
                qPrintable(fromFolder.err));
        }
    }

    // A history line that is not four digits (an older program stored what was typed) was a
    // round, but nothing can be expected of it: it is registered, not scored, and named.
    void leavesAHistoryLineOfOtherTextOutOfTheScoring() {
        test::TestFolder bench;
        QStringList draws = test::randomDraws(30, 11);
        draws[27] = QStringLiteral("12a4");
        writeHistory(bench, draws, 30);
        const test::ToolRun run = runToolWith({"backtest", "--folder", bench.path({})});
        QCOMPARE(run.status, kExitSuccess);
        QVERIFY2(run.out.contains(QStringLiteral("rounds scored                 29\n")),
                 qPrintable(run.out));
        QVERIFY2(run.err.contains(QStringLiteral("line 3 of kri4.dat, \"12a4\" (round 28)")),
                 qPrintable(run.err));
        const Backtest backtest = backtestOf(draws, 30, {});
        QCOMPARE(int(backtest.unscored.size()), 1);
        for (const ScoredRound& round : backtest.rounds) QVERIFY(round.round != 28);
    }

    void refusesAHistoryItCannotScore_data() {
        QTest::addColumn<QByteArray>("history");  // null: no history file
        QTest::addColumn<QByteArray>("counter");
        QTest::addColumn<QString>("message");
        QTest::newRow("no history file")
            << QByteArray() << QByteArray("0\r\n") << "kri4.dat: file not found";
        QTest::newRow("empty history")
            << QByteArray("") << QByteArray("0\r\n") << "holds no results";
        QTest::newRow("no result of four digits")
            << QByteArray("12a4\r\nabcd\r\n") << QByteArray("2\r\n")
            << "holds no result of four digits";
        QTest::newRow("counter below the results")
            << QByteArray("1111\r\n2222\r\n3333\r\n") << QByteArray("2\r\n")
            << "kaisuu4.txt, 2, is smaller than the 3 results";
        QTest::newRow("counter not a number") << QByteArray("1111\r\n") << QByteArray("abc\r\n")
                                              << "kaisuu4.txt, 0, is smaller than the 1 results";
    }
    void refusesAHistoryItCannotScore() {
        QFETCH(QByteArray, history);
        QFETCH(QByteArray, counter);
        QFETCH(QString, message);
        test::TestFolder bench;
        if (!history.isNull()) bench.writeFile(kHistoryFile, history);
        bench.writeFile(kCounterFile, counter);
        const test::ToolRun run = runToolWith({"backtest", "--folder", bench.path({})});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void progressShowsOnlyOnATerminalAfterASecond_data() {
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<bool>("shown");
        QTest::newRow("terminal, long run") << true << qint64(1500) << true;
        QTest::newRow("terminal, quick run") << true << qint64(900) << false;
        QTest::newRow("redirected, long run") << false << qint64(1500) << false;
    }
    void progressShowsOnlyOnATerminalAfterASecond() {
        QFETCH(bool, terminal);
        QFETCH(qint64, elapsed);
        QFETCH(bool, shown);
        QString text, out;
        QTextStream err(&text), outStream(&out);
        qint64 now = 0;
        Console console{outStream, err, Language::English, terminal, [&] { return now; }};
        {
            TerminalProgress progress(console, "replaying");
            now = elapsed;
            progress.update(10, 20);
            QCOMPARE(text.contains("replaying 10/20"), shown);
        }
        QCOMPARE(text.isEmpty(), !shown);
    }
};

QTEST_MAIN(TestBacktest)
#include "test_backtest.moc"
