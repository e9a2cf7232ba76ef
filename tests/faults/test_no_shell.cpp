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

    void argumentsReachTheProgramUnchangedWithoutAShell() {
        // A program whose name and argument would both break apart in a shell: the argument
        // holds a command separator, the name spaces, quotes, a semicolon, a dollar sign and a
        // command substitution.
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("my 'editor'; $HOME `true`.sh"));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(
            "#!/bin/sh\n"
            "out=\"$(dirname \"$0\")/arguments\"\n"
            "printf '%s\\n' \"$#\" \"$1\" > \"$out.part\" && mv \"$out.part\" \"$out\"\n");
        script.close();
        QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner));
        const QString argument =
            QStringLiteral("yosou4.txt; touch %1").arg(folder.filePath("pwned"));

        ProcessLauncher launcher;
        QVERIFY(launcher.startDetached({program, {argument}}));
        QVERIFY(waitForFile(folder.filePath("arguments")));
        QFile arguments(folder.filePath("arguments"));
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(arguments.readAll()), "1\n" + argument + "\n");
        QVERIFY(!QFile::exists(folder.filePath("pwned")));
    }

    void programThatCannotStartIsReported() {
        ProcessLauncher launcher;
        QVERIFY(!launcher.startDetached({QStringLiteral("/nonexistent/editor"), {"yosou4.txt"}}));
    }
};

QTEST_GUILESS_MAIN(TestNoShell)
#include "test_no_shell.moc"
