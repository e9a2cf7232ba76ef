#include <QBuffer>
#include <QImage>
#include <QTest>

#include "data/data_files.h"
#include "data/file_names.h"
#include "data/prize_file.h"
#include "import/import_messages.h"
#include "register/registration.h"
#include "support/folder_snapshot.h"
#include "support/memory_file_system.h"
#include "support/past_results_files.h"
#include "support/test_folder.h"
#include "support/tool_run.h"

using namespace k4;
using test::runToolWith;

namespace {

const QStringList kDataFiles = {kHistoryFile, kCandidateFile, kCounterFile};

QByteArray lines(const QStringList& texts) {
    return texts.join(u'\n').toUtf8() + '\n';
}

// A folder holding the shipped initial files, with the counter at `counter`.
// The shipped files, in memory: registering hundreds of results by hand needs no disk.
void installInitialFiles(test::MemoryFileSystem& folder, int counter) {
    for (const QString& name : kDataFiles)
        folder.put(name, test::readAll(QStringLiteral(K4_INITIAL_DIR "/") + name));
    folder.put(kCounterFile, QByteArray::number(counter) + "\r\n");
}

// The bytes of a small picture, as a PNG file holds them.
QByteArray aPicture() {
    QImage image(32, 32, QImage::Format_RGB32);
    const QStringList noise = test::randomDraws(32 * 32, 5);
    for (int at = 0; at < noise.size(); ++at)
        image.setPixel(at % 32, at / 32, noise[at].toUInt() * 1677);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

class TestImportCommand : public QObject {
    Q_OBJECT

private slots:
    // The reason for the command: its files are those a player registering every result in
    // the window would have, byte for byte, including results no candidate matches.
    void equalsRegisteringEachResultByHand_data() {
        QTest::addColumn<int>("firstRound");  // 0: the file has no round numbers
        QTest::addColumn<int>("results");
        QTest::newRow("plain results") << 0 << 300;
        QTest::newRow("numbered from round 1001") << 1001 << 250;
    }
    void equalsRegisteringEachResultByHand() {
        QFETCH(int, firstRound);
        QFETCH(int, results);
        const QStringList draws = test::randomDraws(results, 7 + firstRound);

        test::MemoryFileSystem byHand;
        installInitialFiles(byHand, firstRound > 0 ? firstRound - 1 : 0);
        DataFiles files(byHand);
        for (const QString& draw : draws) {
            const DataFilesState read = files.readState();
            registerResult(files, draw, DataFiles::historyIn(read).lines(), read);
        }

        test::TestFolder imported;
        QStringList input;
        for (int i = 0; i < draws.size(); ++i)
            input << (firstRound > 0 ? QStringLiteral("%1,%2").arg(firstRound + i).arg(draws[i])
                                     : draws[i]);
        const QString source = imported.path(QStringLiteral("past.txt"));
        imported.writeFile(QStringLiteral("past.txt"), lines(input));
        const test::ToolRun run = runToolWith({"import", source, "--folder", imported.path({})});
        QCOMPARE(run.status, kExitSuccess);
        for (const QString& name : kDataFiles)
            QCOMPARE(*imported.fileBytes(name), byHand.files().value(name));
    }

    // Whichever write step fails, the folder is as it was, the files the import would have
    // created gone again, a prize file kept there as it was; so the next try needs no --force.
    void failedImportWritesNothing_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("keptPrizes");  // the folder's prize file; empty for none
        const QStringList draws = test::randomDraws(30, 3);
        QTest::newRow("results") << lines(draws) << QByteArray();
        QTest::newRow("results with prizes, a prize file kept")
            << test::publicResultsCsv(draws)
            << writeLines(prizeFileLines({{40, {40, "0419", 942600, 37500, {}, {}}}}));
    }
    void failedImportWritesNothing() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, keptPrizes);
        test::TestFolder source;
        source.writeFile(QStringLiteral("past.txt"), file);
        test::TestFolder bench;
        QStringList written = {kCounterFile, kHistoryFile, kCandidateFile};
        if (!keptPrizes.isEmpty()) {
            bench.writeFile(kPrizeFile, keptPrizes);
            written.prepend(kPrizeFile);
        }
        const QStringList arguments = {"import", source.path("past.txt"), "--folder",
                                       bench.path({})};
        const int failed = test::failEachWriteStep(bench, [&] {
            const test::ToolRun run = runToolWith(arguments, Language::English, &bench.folders);
            if (run.status != kExitSuccess) throw Failure(FailureKind::CannotWrite, run.err);
        });
        QVERIFY(failed > 0);
        QCOMPARE(test::folderContents(bench).keys(), written);
        if (!keptPrizes.isEmpty())
            QCOMPARE(readPrizeFile(*bench.fileBytes(kPrizeFile)).prizes.size(), 31);
    }

    // Past the history's limit the oldest results fall out, as they would by hand.
    void keepsTheNewestResultsOfALongList() {
        const QStringList draws = test::randomDraws(kHistoryLimit + 5, 11);
        test::TestFolder bench;
        bench.writeFile(QStringLiteral("past.txt"), lines(draws));
        QCOMPARE(runToolWith({"import", bench.path("past.txt"), "--folder", bench.path({})}).status,
                 kExitSuccess);
        QStringList newestFirst(draws.crbegin(), draws.crbegin() + kHistoryLimit);
        QCOMPARE(*bench.fileBytes(kHistoryFile), writeLines(newestFirst));
        QCOMPARE(*bench.fileBytes(kCounterFile), QByteArray("2005\r\n"));
    }

    // The command's first lines say what it took; the prize file keeps every round with its
    // prizes, older than the history holds too.
    void saysHowItReadTheFileAndKeepsItsPrizes() {
        test::TestFolder bench;
        const QStringList draws = test::randomDraws(7054, 1);
        QByteArray bytes = "\r\n\r\n" + test::publicResultsCsv(draws, 1, true);
        bench.writeFile(QStringLiteral("past.csv"), bytes);
        const test::ToolRun run = runToolWith(
            {"import", bench.path("past.csv"), "--folder", bench.path("data")}, Language::Japanese);
        QCOMPARE(run.status, kExitSuccess);
        const QStringList lines = run.out.split(u'\n');
        QCOMPARE(lines[0], QStringLiteral("回号は 1 列目「回号」、結果は 3 列目「当せん番号」。"
                                          "第1回〜第7054回、7054 件、新しい順のファイル"));
        QCOMPARE(lines[1], QStringLiteral("当せん金は 8 列目「ストレート」、9 列目「ボックス」、10 "
                                          "列目「セット(ストレート)」、11 列目「セット(ボックス)」"
                                          "から読みます。"));
        QVERIFY2(lines[2].startsWith(QStringLiteral("3 行目「回号,抽せん日")),
                 qPrintable(lines[2]));
        PrizeTable published;
        for (int round = 1; round <= draws.size(); ++round)
            published[round] = test::publicPrizes(round, draws[round - 1]);
        const QByteArray kept = *bench.fileBytes("data/" + kPrizeFile);
        QCOMPARE(readPrizeFile(kept).prizes, published);
        QCOMPARE(kept, writeLines(prizeFileLines(published)));
    }

    void badLinesStopTheImportAndWriteNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("where");  // the line number the message names
        QTest::addColumn<QString>("why");
        QTest::newRow("five digits") << QByteArray("0419\n50231\n") << ":2: "
                                     << "50231";
        QTest::newRow("letters") << QByteArray("0419\n1234\n12a4\n") << ":3: "
                                 << "12a4";
        QTest::newRow("three digits") << QByteArray("041\n") << ":1: "
                                      << "041";
        QTest::newRow("gap in rounds") << QByteArray("1,0419\n2,5023\n4,1111\n") << ":3: "
                                       << "round 4 where round 3";
        QTest::newRow("round turning back") << QByteArray("7 0419\n8 5023\n7 1111\n") << ":3: "
                                            << "round 7 where round 9";
        QTest::newRow("newest first, a gap") << QByteArray("9,0419\n8,5023\n6,1111\n") << ":3: "
                                             << "round 6 where round 7";
        QTest::newRow("round missing") << QByteArray("1,0419\n5023\n") << ":2: "
                                       << "no round number";
        QTest::newRow("round 0") << QByteArray("0,0419\n") << ":1: "
                                 << "not a round number";
        QTest::newRow("round beyond the counter") << QByteArray("2147483648,0419\n") << ":1: "
                                                  << "not a round number";
        QTest::newRow("round past what the main window shows")
            << QByteArray("32766,0419\n32767,5023\n") << ":2: "
            << "round 32767 cannot be imported";
        QByteArray unnumbered = QByteArray("0419\n").repeated(32767);
        QTest::newRow("the 32767th plain result") << unnumbered << ":32767: "
                                                  << "the last round to import is 32766";
        QByteArray twoItems;
        for (int round = 1; round <= kRowsForColumns; ++round)
            twoItems += QByteArray::number(round) + " 0419\n";
        QTest::newRow("a third item after lines of two") << twoItems + "1001 0419 x\n"
                                                         << ":1001: "
                                                         << "more than a round number";
        QTest::newRow("two columns of four digits")
            << QByteArray("1,0419,1994\n2,5023,1995\n") << ""
            << "any of column 2, column 3";
        QTest::newRow("no column of four digits") << QByteArray("a,b,1\nc,d,2\n") << ""
                                                  << "no column holds results";
        QTest::newRow("dropped leading zeros without a header naming the column")
            << QByteArray("1,0419,x\n2,5023,y\n3,97,z\n") << ":3: "
            << "\"97\" is not four digits (where a spreadsheet";
        QTest::newRow("a row with an empty result cell")
            << QByteArray("回号,日付,当せん番号\n1,2026/08/20,0419\n2,2026/08/21,\n") << ":3: "
            << "nothing in the result column (column 3)";
        QTest::newRow("no result at all") << QByteArray("round,result\n") << ""
                                          << "no results";
        QTest::newRow("a bad last row of a table copied with its title and footer")
            << QStringLiteral(
                   "抽せん結果\n\n回号\t抽せん日\t当せん番号\n第1回\t2026/08/01\t0419\n"
                   "第2回\t2026/08/02\t12a4\n出典: 公式サイト\n")
                   .toUtf8()
            << ":5: "
            << "\"12a4\" is not four digits";
        QTest::newRow("a picture") << aPicture() << ""
                                   << "not a text file";
        // A huge line with control bytes is quoted short and readable.
        QTest::newRow("a long line with control bytes")
            << QByteArray("0419\n\x1b" + QByteArray(60, '9') + '\0' + "\n") << ":2: "
            << "<1B>" + QString(39, u'9') + u'…';
    }
    void badLinesStopTheImportAndWriteNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, where);
        QFETCH(QString, why);
        test::TestFolder bench;
        const QString target = bench.path(QStringLiteral("data"));
        bench.writeFile(QStringLiteral("past.txt"), bytes);
        const test::ToolRun run =
            runToolWith({"import", bench.path("past.txt"), "--folder", target});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY2(run.err.contains(where) && run.err.contains(why), qPrintable(run.err));
        QVERIFY(!run.err.contains(QChar(0)) && !run.err.contains(QChar(0x1b)));
        QVERIFY(!QFileInfo::exists(target));
    }

    // A folder that holds rounds 1 to 2100 takes a file's newer rounds, and then holds exactly
    // what importing rounds 1 to the file's last into an empty folder leaves; what does not fit
    // the folder writes nothing.
    void updatesAFolderWithTheNewerRounds_data() {
        QTest::addColumn<int>("first");  // the file's rounds
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("newestFirst");
        QTest::addColumn<bool>("numbered");
        QTest::addColumn<int>("altered");  // a round the file holds another result for
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("adds the newer rounds") << 1 << 2150 << false << true << 0 << kExitSuccess
                                               << "Added 50 results (rounds 2101 to 2150)";
        QTest::newRow("adds them from a file newest first")
            << 2050 << 2150 << true << true << 0 << kExitSuccess << "Added 50 results";
        QTest::newRow("a round disagrees")
            << 1 << 2150 << false << true << 2090 << kExitFailure << "round 2090 is ";
        QTest::newRow("a gap after the folder's newest")
            << 2103 << 2150 << false << true << 0 << kExitFailure
            << "rounds 2101 to 2102 are missing";
        QTest::newRow("nothing newer")
            << 1 << 2100 << false << true << 0 << kExitSuccess << "no result newer than round 2100";
        QTest::newRow("no round numbers")
            << 1 << 2150 << false << false << 0 << kExitFailure << "Use --force";
    }
    void updatesAFolderWithTheNewerRounds() {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(bool, newestFirst);
        QFETCH(bool, numbered);
        QFETCH(int, altered);
        QFETCH(int, status);
        QFETCH(QString, says);
        const QStringList draws = test::randomDraws(2150, 77);
        test::TestFolder bench;
        const auto importInto = [&](const QString& folder, const QByteArray& file) {
            bench.writeFile(QStringLiteral("past.csv"), file);
            return runToolWith({"import", bench.path("past.csv"), "--folder", bench.path(folder)});
        };
        QCOMPARE(importInto("folder", test::publicResultsCsv(draws.mid(0, 2100))).status,
                 kExitSuccess);
        const test::FolderContents before = test::folderContents(bench.path("folder"));

        QStringList inFile = draws.mid(first - 1, last - first + 1);
        if (altered > 0) inFile[altered - first] = draws[altered - 1] == "0000" ? "0001" : "0000";
        const QByteArray file =
            numbered ? test::publicResultsCsv(inFile, first, newestFirst) : lines(inFile);
        const test::ToolRun run = importInto("folder", file);
        QVERIFY2(run.status == status && (run.out + run.err).contains(says),
                 qPrintable(run.out + run.err));
        if (status != kExitSuccess || last <= 2100) {
            QCOMPARE(test::folderContents(bench.path("folder")), before);
            return;
        }
        QCOMPARE(importInto("whole", test::publicResultsCsv(draws.mid(0, last))).status,
                 kExitSuccess);
        QCOMPARE(test::folderContents(bench.path("folder")),
                 test::folderContents(bench.path("whole")));
    }

    // A prize file with a row the program does not read refuses an import that offers prizes,
    // with its line and the reason; one that offers none goes ahead and leaves it as it is.
    void refusesAPrizeFileItDoesNotRead() {
        test::TestFolder bench;
        const QByteArray badPrizes =
            writeLines({prizeFileHeader(), QStringLiteral("1,0419,12a,,,")});
        bench.writeFile(kPrizeFile, badPrizes);
        const QStringList draws = test::randomDraws(20, 9);
        bench.writeFile(QStringLiteral("prizes.csv"), test::publicResultsCsv(draws));
        bench.writeFile(QStringLiteral("plain.txt"), lines(draws));
        const test::ToolRun refused =
            runToolWith({"import", bench.path("prizes.csv"), "--folder", bench.path({})});
        QCOMPARE(refused.status, kExitFailure);
        QVERIFY2(refused.err.contains(kPrizeFile) && refused.err.contains(QStringLiteral("2 行目")),
                 qPrintable(refused.err));
        QVERIFY(!bench.fileBytes(kHistoryFile));
        QCOMPARE(
            runToolWith({"import", bench.path("plain.txt"), "--folder", bench.path({})}).status,
            kExitSuccess);
        QCOMPARE(*bench.fileBytes(kPrizeFile), badPrizes);
    }

    void refusesAFolderHoldingADataFile_data() {
        QTest::addColumn<QString>("present");
        for (const QString& name : kDataFiles) QTest::newRow(qPrintable(name)) << name;
    }
    void refusesAFolderHoldingADataFile() {
        QFETCH(QString, present);
        test::TestFolder bench;
        bench.writeFile(QStringLiteral("past.txt"), "0419\n");
        bench.writeFile(present, "mine\r\n");
        const QStringList arguments = {"import", bench.path("past.txt"), "--folder",
                                       bench.path({})};

        const test::ToolRun refused = runToolWith(arguments);
        QCOMPARE(refused.status, kExitFailure);
        QVERIFY(refused.err.contains(present) && refused.err.contains("--force"));
        for (const QString& name : kDataFiles)
            QCOMPARE(bench.fileBytes(name).has_value(), name == present);
        QCOMPARE(*bench.fileBytes(present), QByteArray("mine\r\n"));

        // --force replaces the files after a dated copy of the one there was.
        QCOMPARE(runToolWith(arguments + QStringList{"--force"}).status, kExitSuccess);
        QCOMPARE(*bench.fileBytes(kHistoryFile), QByteArray("0419\r\n"));
        QCOMPARE(*bench.fileBytes(kCounterFile), QByteArray("1\r\n"));
        const QStringList copies = QDir(bench.path({})).entryList({"backup-*"}, QDir::Dirs);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(test::folderContents(bench.path(copies[0])),
                 (test::FolderContents{{present, "mine\r\n"}}));
    }

    void speaksJapaneseToAJapaneseSystem() {
        test::TestFolder bench;
        bench.writeFile(QStringLiteral("past.txt"), "0419\n50231\n");
        const test::ToolRun run = runToolWith(
            {"import", bench.path("past.txt"), "--folder", bench.path({})}, Language::Japanese);
        QVERIFY2(run.err.contains(QStringLiteral("「50231」は四桁の数字ではありません")),
                 qPrintable(run.err));
    }
};

QTEST_APPLESS_MAIN(TestImportCommand)
#include "test_import_command.moc"
