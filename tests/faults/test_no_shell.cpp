#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/program_launcher.h"

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
    void argumentsReachTheProgramUnchangedWithoutAShell_data() {
        QTest::addColumn<QString>("argument");
        QTest::newRow("POSIX shell") << QStringLiteral("yosou4.txt; touch %1; $(touch %1)");
        QTest::newRow("cmd.exe") << QStringLiteral("yosou4.txt\" & echo > %1 & \"%PATH%");
        QTest::newRow("backslashes") << QStringLiteral("C:\\dir\\\" > %1 \\");
    }
    void argumentsReachTheProgramUnchangedWithoutAShell() {
        QFETCH(QString, argument);
        // The editor's own name would break apart in a shell too: spaces, quotes, a semicolon,
        // a dollar sign and a command substitution.
        QTemporaryDir folder;
        const QString program =
            folder.filePath(QStringLiteral("my 'editor'; $HOME `true`" K4_EXECUTABLE_SUFFIX));
        QVERIFY(QFile::copy(QStringLiteral(K4_ARGUMENT_RECORDER), program));
        const QString pwned = QDir::toNativeSeparators(folder.filePath("pwned"));
        argument = argument.arg(pwned);

        ProcessLauncher launcher;
        QVERIFY(launcher.startDetached({program, {argument}}));
        QVERIFY(waitForFile(folder.filePath("arguments")));
        QFile arguments(folder.filePath("arguments"));
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(arguments.readAll()), "1\n" + argument + "\n");
        QVERIFY(!QFile::exists(pwned));
    }

    void programThatCannotStartIsReported() {
        ProcessLauncher launcher;
        QVERIFY(!launcher.startDetached({QStringLiteral("/nonexistent/editor"), {"yosou4.txt"}}));
    }
};

QTEST_GUILESS_MAIN(TestNoShell)
#include "test_no_shell.moc"
