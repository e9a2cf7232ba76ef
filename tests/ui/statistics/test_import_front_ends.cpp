#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "data/file_names.h"
#include "data/initial_candidates.h"
#include "data/lines.h"
#include "import/import_workflow.h"
#include "support/folder_snapshot.h"
#include "support/past_results_files.h"
#include "support/random_draws.h"
#include "support/test_services.h"
#include "support/tool_run.h"
#include "ui/statistics/import_page.h"

using namespace k4;

namespace {

const QStringList kDraws = test::randomDraws(120, 31);

QByteArray numbered(int first, int last) {
    return test::publicResultsCsv(kDraws.mid(first - 1, last - first + 1), first);
}

// The file of rounds `first` to `last` with another straight prize for `round`.
QByteArray withAnotherStraightPrize(int first, int last, int round) {
    QStringList rows = QString::fromUtf8(numbered(first, last)).split(QStringLiteral("\r\n"));
    QStringList cells = rows[round - first + 1].split(u',');
    cells[7] = QString::number(cells[7].toLongLong() + 100);
    rows[round - first + 1] = cells.join(u',');
    return rows.join(QStringLiteral("\r\n")).toUtf8();
}

// What the folder holds before the import.
void makeFolder(const test::TestBench& bench, const QString& situation) {
    if (situation == "empty") return;
    if (situation == "no results") {
        bench.writeDataFiles({}, writeLines(initialCandidateLines()), "0\r\n");
        return;
    }
    // Rounds 1 to 100, as importing them leaves them.
    QTemporaryDir source;
    const QString file = QDir(source.path()).filePath("held.csv");
    test::writeFolder(source.path(), {{"held.csv", numbered(1, 100)}});
    if (test::runToolWith({"import", file, "--folder", bench.path({})}).status != kExitSuccess)
        qFatal("cannot make the folder with results");
    if (situation != "results") QFile::remove(bench.path(situation.section(u' ', 2)));
}

QStringList backupsIn(const test::TestBench& bench) {
    return QDir(bench.path({})).entryList({"backup-*"}, QDir::Dirs);
}

// The folder as `before` says, what an import made in it removed.
void restoreFolder(const test::TestBench& bench, const test::FolderContents& before) {
    for (const QString& backup : backupsIn(bench)) QDir(bench.path(backup)).removeRecursively();
    for (const QString& name : test::folderContents(bench).keys()) QFile::remove(bench.path(name));
    test::writeFolder(bench.path({}), before);
}

// What the import page did with the file: what it showed and what it left in the folder.
struct PageImport {
    QString summary;
    QList<test::ScriptedDialogs::Shown> shown;
    QString status;
    test::FolderContents after;
    bool backup = false;
};

PageImport importOnThePage(test::TestBench& bench, const QString& file, bool asks) {
    ImportPage page(bench.services, [](const QString&) {});
    page.show();
    page.openFile(file);
    if (asks) bench.dialogs.answerNext(Answer::Yes);
    QTest::mouseClick(page.findChild<QPushButton*>("importButton"), Qt::LeftButton);
    const auto* status = page.findChild<QLabel*>("importStatus");
    if (!QTest::qWaitFor([&] {
            return !status->text().isEmpty() && !status->text().startsWith("取り込んでいます");
        }))
        qWarning("the import did not end");
    return {page.findChild<QLabel*>("readingSummary")->text(), bench.dialogs.shown(),
            status->text(), test::folderContents(bench), !backupsIn(bench).isEmpty()};
}

}  // namespace

// The import page and kirikata4-tool import go through one workflow: on every folder they refuse
// alike and ask (or, the command, answer) alike, with the same texts, and leave the same files.
class TestImportFrontEnds : public QObject {
    Q_OBJECT

private slots:
    void refuseAndAskAlike_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("step");       // ImportStepKind
        QTest::addColumn<bool>("replaces");  // refused without --force, replaced with it
        QTest::addColumn<QString>("says");   // in the question, the refusal or the information
        QTest::addColumn<bool>("backup");    // the old files are copied before they are replaced
        const auto step = [](ImportStepKind kind) { return int(kind); };
        QTest::newRow("empty folder")
            << "empty" << numbered(1, 20) << step(ImportStepKind::Fill) << false << "" << false;
        QTest::newRow("folder without results")
            << "no results" << numbered(1, 20) << step(ImportStepKind::Fill) << false << ""
            << false;
        QTest::newRow("newer rounds")
            << "results" << numbered(1, 120) << step(ImportStepKind::AskToAdd) << false
            << "第 101 回から 20 件の結果 (第 101 回〜第 120 回) をこのフォルダーに追加" << false;
        QTest::newRow("nothing newer")
            << "results" << numbered(51, 100) << step(ImportStepKind::NothingNewer) << false
            << "このフォルダーの最新の第 100 回より新しい結果がありません" << false;
        QTest::newRow("nothing newer, prizes the folder lacks")
            << "results without haitou4.csv" << numbered(51, 100)
            << step(ImportStepKind::AskToAddPrizes) << false
            << "第51回〜第100回の当せん金を追加します (50 回分、haitou4.csv)" << false;
        QTest::newRow("a prize disagrees")
            << "results" << withAnotherStraightPrize(1, 120, 60) << step(ImportStepKind::Refused)
            << false << "haitou4.csv: 第60回のストレートの当せん金が合いません (記録済み " << false;
        QByteArray disagreeing = numbered(1, 120);
        disagreeing.replace("," + kDraws[89].toLatin1() + ",",
                            kDraws[89] == "0000" ? ",0001," : ",0000,");
        QTest::newRow("a round disagrees")
            << "results" << disagreeing << step(ImportStepKind::Refused) << false
            << "第 90 回の結果がファイルでは" << false;
        QTest::newRow("a gap after the folder's newest")
            << "results" << numbered(103, 120) << step(ImportStepKind::Refused) << false
            << "第 101 回〜第 102 回 が抜けています" << false;
        QTest::newRow("no round numbers")
            << "results" << (kDraws.mid(0, 20).join(u'\n') + u'\n').toUtf8()
            << step(ImportStepKind::AskToReplace) << true
            << "このフォルダーの 100 件の結果を、取り込む 20 件の結果 (第 1 回〜第 20 回) "
               "で置き換え"
            << true;
        QTest::newRow("folder without kri4key.dat")
            << "results without kri4key.dat" << numbered(1, 120) << step(ImportStepKind::Refused)
            << true
            << "にはすでに kri4.dat, kaisuu4.txt, haitou4.csv があり、kri4key.dat がありません"
            << true;
        QTest::newRow("folder without kri4.dat")
            << "results without kri4.dat" << numbered(1, 20) << step(ImportStepKind::Refused)
            << true
            << "にはすでに kri4key.dat, kaisuu4.txt, haitou4.csv があり、kri4.dat がありません"
            << true;
        const QString copied = test::copiedResultsTable(kDraws.mid(90, 20), 91);
        QTest::newRow("table copied with its title, a note and a footer")
            << "results"
            << ("ナンバーズ4 抽せん結果\n\n※ 最新の結果\n" + copied + "出典: 公式サイト\n").toUtf8()
            << step(ImportStepKind::AskToAdd) << false << "第 101 回から 10 件の結果" << false;
    }
    void refuseAndAskAlike() {
        QFETCH(QString, folder);
        QFETCH(QByteArray, file);
        QFETCH(int, step);
        QFETCH(bool, replaces);
        QFETCH(QString, says);
        QFETCH(bool, backup);
        const auto kind = ImportStepKind(step);
        const bool asks = kind == ImportStepKind::AskToAdd ||
                          kind == ImportStepKind::AskToAddPrizes ||
                          kind == ImportStepKind::AskToReplace;
        QTemporaryDir source;
        const QString past = QDir(source.path()).filePath("past.csv");
        test::writeFolder(source.path(), {{"past.csv", file}});
        test::TestBench bench;
        makeFolder(bench, folder);
        const test::FolderContents before = test::folderContents(bench);

        const PageImport page = importOnThePage(bench, past, asks);
        QCOMPARE(page.shown.size(), kind == ImportStepKind::Fill ? 0 : 1);
        if (kind != ImportStepKind::Fill) {
            QCOMPARE(page.shown[0].question, asks);
            QVERIFY2(page.shown[0].text.contains(says), qPrintable(page.shown[0].text));
        }
        restoreFolder(bench, before);

        const QStringList arguments = {"import", past, "--folder", bench.path({})};
        test::ToolRun run = test::runToolWith(arguments, Language::Japanese);
        // The command says how it read the file as the page does.
        QVERIFY2(run.out.startsWith(page.summary + u'\n'), qPrintable(run.out));
        if (kind == ImportStepKind::Refused || kind == ImportStepKind::NothingNewer) {
            // The page's refusal or information, the sentence that nothing was written its
            // second line, is the command's line.
            const QString said = QString(page.shown[0].text).remove(u'\n');
            QVERIFY2((kind == ImportStepKind::Refused ? run.err : run.out).contains(said),
                     qPrintable(run.out + run.err));
        }
        if (replaces) {
            QCOMPARE(run.status, kExitFailure);
            QVERIFY2(run.err.contains("--force"), qPrintable(run.err));
            QCOMPARE(test::folderContents(bench), before);
            run = test::runToolWith(arguments + QStringList{"--force"}, Language::Japanese);
        }
        QCOMPARE(run.status,
                 kind == ImportStepKind::Refused && !replaces ? kExitFailure : kExitSuccess);

        // The page writes what it asked about; the command too, and with --force what it
        // refused for a replacement.
        const bool pageWrites = kind == ImportStepKind::Fill || asks;
        QCOMPARE(page.after == before, !pageWrites);
        QCOMPARE(page.backup, backup && pageWrites);
        if (pageWrites || !replaces) QCOMPARE(test::folderContents(bench), page.after);
        QCOMPARE(!backupsIn(bench).isEmpty(), backup);
        // Both tell the outcome alike; a safety copy's folder is named after the day.
        if (pageWrites && !backup)
            QCOMPARE(run.out.mid(page.summary.size() + 1).split(u'\n', Qt::SkipEmptyParts).join(""),
                     page.status);
    }
};

QTEST_MAIN(TestImportFrontEnds)
#include "test_import_front_ends.moc"
