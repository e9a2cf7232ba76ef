#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "platform/program_launcher.h"

#ifdef Q_OS_LINUX
#include <signal.h>
#endif

using namespace k4;

namespace {

// Waits for a file that a detached program writes; gives up after a few seconds. The program
// renames the file into place once it is whole.
bool waitForFile(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(path) && timer.elapsed() < 5000) QTest::qWait(20);
    return QFile::exists(path);
}

#ifdef Q_OS_LINUX
// The process running the program named `program` with the one argument `argument`, or 0.
qint64 processRunning(const QString& program, const QByteArray& argument) {
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        QFile file("/proc/" + entry + "/cmdline");
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QList<QByteArray> commandLine = file.readAll().split('\0');
        if (commandLine.size() == 3 && commandLine[1] == argument &&
            QFileInfo(QString::fromLocal8Bit(commandLine[0])).fileName() == program)
            return entry.toLongLong();
    }
    return 0;
}
#endif

}  // namespace

class TestNoShell : public QObject {
    Q_OBJECT

private slots:
    void editorGetsTheBareReportName() {
        const Command editor = textEditorCommand(QStringLiteral("yosou4.txt"));
        QCOMPARE(editor.arguments, QStringList{"yosou4.txt"});
        QVERIFY(!editor.program.contains(u' '));
    }

    // Arguments that a shell would split or run (%1 is a file that running them would make): a
    // POSIX shell's command separator and substitution, cmd.exe's quote, ampersand and
    // variables, backslashes before a quote and at the end.
    // Both ways of starting: detached, and watched until the program ends.
    void argumentsReachTheProgramUnchangedWithoutAShell_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("watched");
        for (const bool watched : {false, true}) {
            const char* how = watched ? "watched" : "detached";
            QTest::addRow("POSIX shell, %s", how)
                << QStringLiteral("yosou4.txt; touch %1; $(touch %1)") << watched;
            QTest::addRow("cmd.exe, %s", how)
                << QStringLiteral("yosou4.txt\" & echo > %1 & \"%PATH%") << watched;
            QTest::addRow("backslashes, %s", how)
                << QStringLiteral("C:\\dir\\\" > %1 \\") << watched;
        }
    }
    void argumentsReachTheProgramUnchangedWithoutAShell() {
        QFETCH(QString, argument);
        QFETCH(bool, watched);
        // The editor's own name would break apart in a shell too: spaces, quotes, a semicolon,
        // a dollar sign and a command substitution.
        QTemporaryDir folder;
        const QString program =
            folder.filePath(QStringLiteral("my 'editor'; $HOME `true`" K4_EXECUTABLE_SUFFIX));
        QVERIFY(QFile::copy(QStringLiteral(K4_ARGUMENT_RECORDER), program));
        const QString pwned = QDir::toNativeSeparators(folder.filePath("pwned"));
        argument = argument.arg(pwned);

        ProcessLauncher launcher;
        bool failed = false;
        launcher.start({program, {argument}, watched}, [&failed] { failed = true; });
        QVERIFY(waitForFile(folder.filePath("arguments")));
        QFile arguments(folder.filePath("arguments"));
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(arguments.readAll()), "1\n" + argument + "\n");
        QVERIFY(!QFile::exists(pwned));
        QVERIFY(!failed);
    }

    // A program that cannot start is reported however it is started; one that ends with a
    // failure where its exit status tells (the recorder finding a folder where it writes).
    void programThatFailsIsReported_data() {
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("watched");
        QTest::newRow("cannot start, detached") << false << false;
        QTest::newRow("cannot start, watched") << false << true;
        QTest::newRow("ends with a failure, watched") << true << true;
    }
    void programThatFailsIsReported() {
        QFETCH(bool, starts);
        QFETCH(bool, watched);
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("editor" K4_EXECUTABLE_SUFFIX));
        if (starts) {
            QVERIFY(QFile::copy(QStringLiteral(K4_ARGUMENT_RECORDER), program));
            QVERIFY(QDir(folder.path()).mkdir("arguments"));
        }
        ProcessLauncher launcher;
        bool failed = false;
        launcher.start({program, {"yosou4.txt"}, watched}, [&failed] { failed = true; });
        QTRY_VERIFY(failed);
    }

#ifdef Q_OS_LINUX
    // A watched program still running when the launcher goes runs on, unreported: xdg-open may
    // be waiting on the editor the user types in.
    void watchedProgramOutlivesTheLauncher() {
        // Half a minute at most, and a length no other test's sleep has.
        const QByteArray seconds = "29." + QByteArray::number(QCoreApplication::applicationPid());
        bool failed = false;
        {
            ProcessLauncher launcher;
            launcher.start({QStringLiteral("sleep"), {QString::fromLatin1(seconds)}, true},
                           [&failed] { failed = true; });
            QTRY_VERIFY(processRunning("sleep", seconds) != 0);
        }
        QTest::qWait(100);
        const qint64 sleeping = processRunning("sleep", seconds);
        if (sleeping != 0) ::kill(pid_t(sleeping), SIGKILL);
        QVERIFY(sleeping != 0);
        QVERIFY(!failed);
    }
#endif
};

QTEST_GUILESS_MAIN(TestNoShell)
#include "test_no_shell.moc"
