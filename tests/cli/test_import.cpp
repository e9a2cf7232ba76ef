#include <QTest>

#include "data/code_page.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "import/past_results.h"
#include "register/registration.h"
#include "support/folder_snapshot.h"
#include "support/memory_file_system.h"
#include "support/test_services.h"
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

}  // namespace

class TestImport : public QObject {
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
        for (const QString& draw : draws)
            registerResult(files, draw, files.readHistory().lines(), files.readState());

        test::TestBench imported;
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
    // created gone again; so the next try needs no --force.
    void failedImportWritesNothing() {
        test::TestBench source;
        source.writeFile(QStringLiteral("past.txt"), lines(test::randomDraws(30, 3)));
        test::TestBench bench;
        const QStringList arguments = {"import", source.path("past.txt"), "--folder",
                                       bench.path({})};
        const int failed = test::failEachWriteStep(bench, [&] {
            const test::ToolRun run = runToolWith(arguments, Language::English, &bench.folders);
            if (run.status != kExitSuccess) throw Failure(FailureKind::CannotWrite, run.err);
        });
        QVERIFY(failed > 0);
        QCOMPARE(test::folderContents(bench).keys(),
                 (QStringList{kCounterFile, kHistoryFile, kCandidateFile}));
    }

    // Past the history's limit the oldest results fall out, as they would by hand.
    void keepsTheNewestResultsOfALongList() {
        const QStringList draws = test::randomDraws(kHistoryLimit + 5, 11);
        test::TestBench bench;
        bench.writeFile(QStringLiteral("past.txt"), lines(draws));
        QCOMPARE(runToolWith({"import", bench.path("past.txt"), "--folder", bench.path({})}).status,
                 kExitSuccess);
        QStringList newestFirst(draws.crbegin(), draws.crbegin() + kHistoryLimit);
        QCOMPARE(*bench.fileBytes(kHistoryFile), writeLines(newestFirst));
        QCOMPARE(*bench.fileBytes(kCounterFile), QByteArray("2005\r\n"));
    }

    void readsTheFormatsPlayersHave_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QList<qint64>>("rounds");  // empty: not numbered
        const QStringList two = {"0419", "5023"};
        QTest::newRow("LF") << QByteArray("0419\n5023\n") << two << QList<qint64>{};
        QTest::newRow("CR LF, no end on the last")
            << QByteArray("0419\r\n5023") << two << QList<qint64>{};
        QTest::newRow("blank lines")
            << QByteArray("\n0419\n\n  \n5023\n") << two << QList<qint64>{};
        QTest::newRow("round, tab")
            << QByteArray("41\t0419\n42\t5023\n") << two << QList<qint64>{41, 42};
        QTest::newRow("round, spaces")
            << QByteArray("41   0419\n42 5023\n") << two << QList<qint64>{41, 42};
        QTest::newRow("CSV with header and quotes")
            << QByteArray("round,result\r\n\"41\",\"0419\"\r\n42, 5023\r\n") << two
            << QList<qint64>{41, 42};
        QTest::newRow("Japanese header, UTF-8 with BOM")
            << (QByteArray("\xEF\xBB\xBF") +
                QStringLiteral("回,当選番号\n41,0419\n42,5023\n").toUtf8())
            << two << QList<qint64>{41, 42};
        QTest::newRow("full width, UTF-8")
            << QStringLiteral("４１　０４１９\n４２　５０２３\n").toUtf8() << two
            << QList<qint64>{41, 42};
        QTest::newRow("full width, code page 932")
            << encodeCodePage(QStringLiteral("　０４１９　\r\n５０２３\r\n")) << two
            << QList<qint64>{};
    }
    void readsTheFormatsPlayersHave() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, results);
        QFETCH(QList<qint64>, rounds);
        QStringList readResults;
        QList<qint64> readRounds;
        const std::optional<PastResults> read = readPastResults(bytes, [&](const PastResult& past) {
            readResults << past.result;
            if (past.round) readRounds << *past.round;
        });
        QCOMPARE(read->badLineCount, 0);
        QCOMPARE(readResults, results);
        QCOMPARE(readRounds, rounds);
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
        QTest::newRow("round going back") << QByteArray("7 0419\n6 5023\n") << ":2: "
                                          << "round 6 where round 8";
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
        QTest::newRow("a third field") << QByteArray("1,0419,x\n") << ":1: "
                                       << "more than a round number";
        QTest::newRow("no result at all") << QByteArray("round,result\n") << ""
                                          << "no results";
        // A huge line with control bytes is quoted short and readable.
        QTest::newRow("a long line with control bytes")
            << QByteArray("0419\n\x1b" + QByteArray(60, '9') + '\0' + "\n") << ":2: "
            << "\\x1b" + QString(39, u'9') + u'…';
    }
    void badLinesStopTheImportAndWriteNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, where);
        QFETCH(QString, why);
        test::TestBench bench;
        const QString target = bench.path(QStringLiteral("data"));
        bench.writeFile(QStringLiteral("past.txt"), bytes);
        const test::ToolRun run =
            runToolWith({"import", bench.path("past.txt"), "--folder", target});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY2(run.err.contains(where) && run.err.contains(why), qPrintable(run.err));
        QVERIFY(!run.err.contains(QChar(0)) && !run.err.contains(QChar(0x1b)));
        QVERIFY(!QFileInfo::exists(target));
    }

    void refusesAFolderHoldingADataFile_data() {
        QTest::addColumn<QString>("present");
        for (const QString& name : kDataFiles) QTest::newRow(qPrintable(name)) << name;
    }
    void refusesAFolderHoldingADataFile() {
        QFETCH(QString, present);
        test::TestBench bench;
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

        QCOMPARE(runToolWith(arguments + QStringList{"--force"}).status, kExitSuccess);
        QCOMPARE(*bench.fileBytes(kHistoryFile), QByteArray("0419\r\n"));
        QCOMPARE(*bench.fileBytes(kCounterFile), QByteArray("1\r\n"));
    }

    void speaksJapaneseToAJapaneseSystem() {
        test::TestBench bench;
        bench.writeFile(QStringLiteral("past.txt"), "0419\n50231\n");
        const test::ToolRun run = runToolWith(
            {"import", bench.path("past.txt"), "--folder", bench.path({})}, Language::Japanese);
        QVERIFY2(run.err.contains(QStringLiteral("「50231」は四桁の数字ではありません")),
                 qPrintable(run.err));
    }
};

QTEST_APPLESS_MAIN(TestImport)
#include "test_import.moc"
