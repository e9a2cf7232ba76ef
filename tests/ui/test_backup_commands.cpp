#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "data/lines.h"
#include "support/folder_snapshot.h"
#include "support/window_session.h"

using namespace k4;

namespace {

using Files = test::FolderContents;
const QStringList kDataFiles = {kHistoryFile, kCandidateFile, kCounterFile};

// Today's data: two results, next round 3, the table as installed.
const Files kToday = {{kHistoryFile, "5678\r\n1234\r\n"},
                      {kCandidateFile, writeLines(initialCandidateLines())},
                      {kCounterFile, "2\r\n"}};

// A backup: three results, next round 121, a table that registrations reordered.
Files backupFiles() {
    QStringList candidates = initialCandidateLines();
    std::reverse(candidates.begin(), candidates.end());
    return {{kHistoryFile, "0419\r\n5023\r\n7781\r\n"},
            {kCandidateFile, writeLines(candidates)},
            {kCounterFile, "120\r\n"}};
}

QStringList subfolders(const QString& folder) {
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

void trigger(test::WindowSession& session, const char* action) {
    session.mainWindow().findChild<QAction*>(action)->trigger();
}

}  // namespace

class TestBackupCommands : public QObject {
    Q_OBJECT

private slots:
    // バックアップを作成… writes the three data files and nothing else into a new or empty
    // folder, and refuses any other place without writing.
    void backupWritesTheDataFilesIntoANewFolder_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("new folder") << "new"
                                    << "";
        QTest::newRow("empty folder") << "empty"
                                      << "";
        QTest::newRow("folder holding a backup") << "backup"
                                                 << "にはすでに kri4.dat があります。";
        QTest::newRow("a file") << "file"
                                << "はフォルダーではありません。";
        QTest::newRow("folder that cannot be made") << "missing/new"
                                                    << "書き込めません";
    }
    void backupWritesTheDataFilesIntoANewFolder() {
        QFETCH(QString, place);
        QFETCH(QString, refusal);
        test::TestBench bench;
        test::writeFolder(bench.folder.path(), kToday);
        QTemporaryDir elsewhere;
        const QString target = QDir(elsewhere.path()).filePath(place);
        if (place == "empty" || place == "backup") QVERIFY(QDir().mkdir(target));
        if (place == "backup") test::writeFolder(target, backupFiles());
        if (place == "file") test::writeFolder(elsewhere.path(), {{"file", "x"}});
        const Files before = test::folderContents(target);
        const test::FolderContents data = test::folderContents(bench);
        test::WindowSession session(bench);
        bench.fileDialogs.answerNext(target);
        trigger(session, "backupAction");

        QCOMPARE(bench.dialogs.shown().size(), 1);
        const QString notice = bench.dialogs.shown()[0].text;
        if (refusal.isEmpty()) {
            QCOMPARE(test::folderContents(target), kToday);
            QVERIFY2(notice.contains(QDir::toNativeSeparators(target)), qPrintable(notice));
        } else {
            QVERIFY2(notice.contains(refusal) && notice.contains("何も書き込んでいません。"),
                     qPrintable(notice));
            QCOMPARE(test::folderContents(target), before);
        }
        QCOMPARE(test::folderContents(bench), data);  // the data folder is only read
        QVERIFY(!bench.endedWith);
    }

    // バックアップから戻す… compares the backup with today's files, and on Yes keeps today's in
    // a dated folder, replaces the three files and shows the restored data; No, or a folder
    // that is not a backup of this program, writes nothing.
    void restoreReplacesTheDataFilesOnlyWhenAsked_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<std::optional<Answer>>("answer");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("Yes") << "backup" << std::optional(Answer::Yes) << "";
        QTest::newRow("No") << "backup" << std::optional(Answer::No) << "";
        QTest::newRow("a folder of other files")
            << "photos" << std::optional<Answer>() << "このフォルダーには kri4.dat がありません。";
        QTest::newRow("the data folder itself")
            << "data" << std::optional<Answer>()
            << "選んだフォルダーはデータのフォルダーそのものです。";
    }
    void restoreReplacesTheDataFilesOnlyWhenAsked() {
        QFETCH(QString, source);
        QFETCH(std::optional<Answer>, answer);
        QFETCH(QString, refusal);
        test::TestBench bench;
        test::writeFolder(bench.folder.path(), kToday);
        QTemporaryDir elsewhere;
        if (source == "backup") test::writeFolder(elsewhere.path(), backupFiles());
        if (source == "photos")
            test::writeFolder(elsewhere.path(), {{"IMG_0001.jpg", "\xff\xd8\xff"}});
        const test::FolderContents before = test::folderContents(bench);
        test::WindowSession session(bench);
        RegistrationWindow* registration = session.openRegistration();
        bench.fileDialogs.answerNext(source == "data" ? bench.folder.path() : elsewhere.path());
        if (answer) bench.dialogs.answerNext(*answer);
        trigger(session, "restoreAction");

        const QList<test::ScriptedDialogs::Shown>& shown = bench.dialogs.shown();
        if (!refusal.isEmpty()) {
            QCOMPARE(shown.size(), 1);
            QVERIFY(!shown[0].question);
            QVERIFY2(shown[0].text.contains(refusal) && shown[0].text.contains("何も書き込んで"),
                     qPrintable(shown[0].text));
        } else {
            QVERIFY(shown[0].question);
            QVERIFY2(shown[0].text.contains("バックアップ: 3 件の結果、次回は第 121 回\n"
                                            "今のデータ: 2 件の結果、次回は第 3 回\n"),
                     qPrintable(shown[0].text));
        }
        if (answer != Answer::Yes) {
            QCOMPARE(test::folderContents(bench), before);
            QVERIFY(subfolders(bench.folder.path()).isEmpty());
            QCOMPARE(session.nextRound(), "3");
            QCOMPARE(session.listedHistory(), (QStringList{"5678", "1234"}));
        } else {
            QCOMPARE(shown.size(), 2);
            QVERIFY2(shown[1].text.contains("次回は第 121 回です。"), qPrintable(shown[1].text));
            for (const QString& name : kDataFiles)
                QCOMPARE(bench.fileBytes(name), backupFiles()[name]);
            QCOMPARE(test::folderContents(bench.path("backup-2026-12-07")), kToday);
            QCOMPARE(session.nextRound(), "121");
            QCOMPARE(session.registrationWindow(), registration);
            QCOMPARE(session.listedHistory(), (QStringList{"0419", "5023", "7781"}));
        }
        QCOMPARE(test::folderContents(elsewhere.path()).size(), source == "photos"   ? 1
                                                                : source == "backup" ? 3
                                                                                     : 0);
        QVERIFY(!bench.endedWith);
    }

    // A restore replaces the data files the backup holds and says which; one it lacks, such as
    // the ticket book, stays as it is.
    void restoreReplacesOnlyTheFilesTheBackupHolds_data() {
        QTest::addColumn<bool>("backupHasBook");
        QTest::newRow("backup without a book") << false;
        QTest::newRow("backup with a book") << true;
    }
    void restoreReplacesOnlyTheFilesTheBackupHolds() {
        QFETCH(bool, backupHasBook);
        const QByteArray todaysBook = "購入日,開始回,継続回数,番号,種類,口数\r\n";
        const QByteArray backupBook = todaysBook + "2026/12/01,120,1,0419,ボックス,1\r\n";
        test::TestBench bench;
        Files today = kToday;
        today[kTicketFile] = todaysBook;
        test::writeFolder(bench.folder.path(), today);
        QTemporaryDir elsewhere;
        Files backup = backupFiles();
        if (backupHasBook) backup[kTicketFile] = backupBook;
        test::writeFolder(elsewhere.path(), backup);
        test::WindowSession session(bench);
        bench.fileDialogs.answerNext(elsewhere.path());
        bench.dialogs.answerNext(Answer::Yes);
        trigger(session, "restoreAction");

        const QString question = bench.dialogs.shown().at(0).text;
        QVERIFY2(question.contains(backupHasBook
                                       ? "今の kri4.dat、kri4key.dat、kaisuu4.txt、kounyuu4.csv は"
                                       : "今の kri4.dat、kri4key.dat、kaisuu4.txt は"),
                 qPrintable(question));
        QCOMPARE(question.contains("バックアップにない kounyuu4.csv は今のまま使います。"),
                 !backupHasBook);
        QCOMPARE(bench.fileBytes(kTicketFile), backupHasBook ? backupBook : todaysBook);
        QCOMPARE(test::folderContents(bench.path("backup-2026-12-07")), today);
    }

    // A restore keeps today's files like the import does: a second one the same day gets the
    // next dated folder, and restoring that folder brings back what the first replaced.
    void restoresOwnBackupUndoesIt() {
        test::TestBench bench;
        test::writeFolder(bench.folder.path(), kToday);
        QTemporaryDir elsewhere;
        test::writeFolder(elsewhere.path(), backupFiles());
        test::WindowSession session(bench);
        bench.fileDialogs.answerNext(elsewhere.path());
        bench.dialogs.answerNext(Answer::Yes);
        trigger(session, "restoreAction");
        bench.fileDialogs.answerNext(bench.path("backup-2026-12-07"));
        bench.dialogs.answerNext(Answer::Yes);
        trigger(session, "restoreAction");

        for (const QString& name : kDataFiles) QCOMPARE(bench.fileBytes(name), kToday[name]);
        QCOMPARE(test::folderContents(bench.path("backup-2026-12-07-2")), backupFiles());
        QCOMPARE(session.nextRound(), "3");
        QVERIFY(!bench.endedWith);
    }
};

QTEST_MAIN(TestBackupCommands)
#include "test_backup_commands.moc"
