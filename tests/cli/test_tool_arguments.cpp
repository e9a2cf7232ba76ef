#include <QLibraryInfo>
#include <QProcess>
#include <QTest>
#include <QTranslator>

#include "cli/tool_arguments.h"

using namespace k4;

class TestToolArguments : public QObject {
    Q_OBJECT

private slots:
    void readsTheCommands() {
        const auto import = std::get<ImportRequest>(parseToolArguments(
            {"tool", "import", "past.csv", "--folder", "data", "--force"}, Language::English));
        QCOMPARE(import.file, "past.csv");
        QCOMPARE(import.folder, "data");
        QVERIFY(import.force);

        const auto backtest = std::get<BacktestRequest>(parseToolArguments(
            {"tool", "backtest", "--count=20", "--last", "100", "--csv", "a.csv", "--png", "b.png"},
            Language::English));
        QCOMPARE(backtest.options.count, 20);
        QCOMPARE(backtest.options.last, 100);
        QCOMPARE(backtest.csvFile, "a.csv");
        QVERIFY(drawsChart(backtest));

        const auto defaults =
            std::get<BacktestRequest>(parseToolArguments({"tool", "backtest"}, Language::English));
        QCOMPARE(defaults.options.count, 10);
        QVERIFY(!defaults.options.last);
        QCOMPARE(defaults.folder, QDir::currentPath());
        QVERIFY(!drawsChart(defaults));

        const auto list = std::get<TicketsRequest>(
            parseToolArguments({"tool", "tickets", "--csv", "t.csv"}, Language::English));
        QCOMPARE(list.csvFile, "t.csv");
        const auto add = std::get<AddTicketRequest>(
            parseToolArguments({"tool", "tickets", "add", "０４１９", "--kind", "set", "--units",
                                "3", "--round", "7060", "--rounds", "2", "--folder", "data"},
                               Language::English));
        QCOMPARE(add.number, "０４１９");
        QCOMPARE(add.kind, TicketKind::Set);
        QCOMPARE(add.units, 3);
        QCOMPARE(add.firstRound, 7060);
        QCOMPARE(add.rounds, 2);
        QCOMPARE(add.folder, "data");
        const auto addDefaults = std::get<AddTicketRequest>(parseToolArguments(
            {"tool", "tickets", "add", "1234", "--kind", "straight"}, Language::English));
        QCOMPARE(addDefaults.units, 1);
        QCOMPARE(addDefaults.rounds, 1);
        QVERIFY(!addDefaults.firstRound);
        const auto remove = std::get<RemoveTicketRequest>(
            parseToolArguments({"tool", "tickets", "remove", "3"}, Language::English));
        QCOMPARE(remove.position, 3);
    }

    void answersHelpAndVersion_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("version");
        QTest::newRow("help") << "help" << false;
        QTest::newRow("-h") << "-h" << false;
        QTest::newRow("--help") << "--help" << false;
        QTest::newRow("-v") << "-v" << true;
        QTest::newRow("--version") << "--version" << true;
    }
    void answersHelpAndVersion() {
        QFETCH(QString, argument);
        QFETCH(bool, version);
        const ToolRequest request = parseToolArguments({"tool", argument}, Language::English);
        QCOMPARE(std::holds_alternative<VersionRequest>(request), version);
        QCOMPARE(std::holds_alternative<HelpRequest>(request), !version);
    }

    void refusesWrongCommandLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"predict"};
        QTest::newRow("import without a file") << QStringList{"import"};
        QTest::newRow("import with two files") << QStringList{"import", "a", "b"};
        QTest::newRow("an option of the other command")
            << QStringList{"import", "a", "--count", "3"};
        QTest::newRow("backtest with a file") << QStringList{"backtest", "a"};
        QTest::newRow("count 0") << QStringList{"backtest", "--count", "0"};
        QTest::newRow("count not whole") << QStringList{"backtest", "--count", "2.5"};
        QTest::newRow("last negative") << QStringList{"backtest", "--last", "-1"};
        QTest::newRow("option without value") << QStringList{"backtest", "--csv"};
        QTest::newRow("tickets, an unknown action") << QStringList{"tickets", "buy", "1234"};
        QTest::newRow("tickets add without a kind") << QStringList{"tickets", "add", "1234"};
        QTest::newRow("tickets add, an unknown kind")
            << QStringList{"tickets", "add", "1234", "--kind", "mini"};
        QTest::newRow("tickets add without a number")
            << QStringList{"tickets", "add", "--kind", "box"};
        QTest::newRow("tickets add, units 0")
            << QStringList{"tickets", "add", "1234", "--kind", "box", "--units", "0"};
        QTest::newRow("tickets add, round not whole")
            << QStringList{"tickets", "add", "1234", "--kind", "box", "--round", "x"};
        QTest::newRow("tickets add with --csv")
            << QStringList{"tickets", "add", "1234", "--kind", "box", "--csv", "a.csv"};
        QTest::newRow("the list with --kind") << QStringList{"tickets", "--kind", "box"};
        QTest::newRow("tickets remove 0") << QStringList{"tickets", "remove", "0"};
        QTest::newRow("tickets remove without N") << QStringList{"tickets", "remove"};
        QTest::newRow("tickets remove with --units")
            << QStringList{"tickets", "remove", "1", "--units", "2"};
    }
    void refusesWrongCommandLines() {
        QFETCH(QStringList, arguments);
        const ToolRequest request =
            parseToolArguments(QStringList{"tool"} + arguments, Language::English);
        QVERIFY(std::holds_alternative<UsageError>(request));
        QVERIFY(!std::get<UsageError>(request).message.isEmpty());
    }

    // The messages Qt's parser words itself reach a Japanese user in Japanese, as the tool's own
    // do: the built tool, run under a Japanese locale.
    void qtsOwnMessagesFollowTheUsersLanguage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option")
            << QStringList{"backtest", "--bogus"} << "'bogus' は未知のオプションです。";
        QTest::newRow("missing value")
            << QStringList{"backtest", "--count"} << "'--count' の後の値が欠けています。";
    }
    void qtsOwnMessagesFollowTheUsersLanguage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
#ifdef Q_OS_WIN
        QSKIP("Windows takes the user's language from its settings, not from the environment");
#endif
        QTranslator probe;
        if (!probe.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QSKIP("Qt's Japanese translation is not installed (Debian: qt6-translations-l10n)");
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", "ja_JP.UTF-8");
        tool.setProcessEnvironment(environment);
        tool.start(K4_TOOL_PROGRAM, arguments);
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 2);
        const QString error = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(error.contains(message), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestToolArguments)
#include "test_tool_arguments.moc"
