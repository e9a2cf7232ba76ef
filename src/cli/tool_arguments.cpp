#include "cli/tool_arguments.h"

#include <QCommandLineParser>
#include <QDir>

#include "analysis/chart.h"
#include "version.h"

namespace k4 {
namespace {

const QString kImport = QStringLiteral("import");
const QString kBacktest = QStringLiteral("backtest");

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption folder{
        QStringLiteral("folder"), {}, QStringLiteral("DIR"), QDir::currentPath()};
    QCommandLineOption force{QStringLiteral("force")};
    QCommandLineOption count{
        QStringLiteral("count"), {}, QStringLiteral("N"), QString::number(kStartCount)};
    QCommandLineOption last{QStringLiteral("last"), {}, QStringLiteral("K")};
    QCommandLineOption csv{QStringLiteral("csv"), {}, QStringLiteral("FILE")};
    QCommandLineOption png{QStringLiteral("png"), {}, QStringLiteral("FILE")};
};

std::optional<int> positiveWhole(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 1 ? std::optional(value) : std::nullopt;
}

}  // namespace

QString usageText(Language language) {
    return inLanguage(
               language,
               QStringLiteral(
                   "使い方: kirikata4-tool import FILE [--folder DIR] [--force]\n"
                   "   または: kirikata4-tool backtest [--folder DIR] [--count N] [--last K] "
                   "[--csv "
                   "FILE] [--png FILE]\n"
                   "   または: kirikata4-tool --help | --version\n"
                   "kirikata4 のデータファイル (kri4.dat、kri4key.dat、kaisuu4.txt) "
                   "を画面なしで扱います。\n"
                   "\n"
                   "  import    FILE の過去の結果 (古い順に 1 行 1 件、四桁の数字か\n"
                   "            「回号 四桁の数字」) を登録画面と同じ手順で一件ずつ登録し、\n"
                   "            DIR に kri4.dat、kri4key.dat、kaisuu4.txt を作ります。DIR に\n"
                   "            これらのファイルがあるときは --force を付けない限り何もしません。\n"
                   "  backtest  DIR の履歴の各回について、その前の状態から予想 (予想数 N) "
                   "を出し、\n"
                   "            当選番号とボックスで照合して偶然と比べます。\n"
                   "\n"
                   "オプション:\n"
                   "  --folder DIR   データフォルダ (既定は現在のフォルダ)\n"
                   "  --force        import: ファイルのあるフォルダでも置き換える\n"
                   "  --count N      backtest: 一回の予想数 (既定 %1)\n"
                   "  --last K       backtest: 新しい K 回だけを採点する\n"
                   "  --csv FILE     backtest: 各回の結果を CSV に書き出す\n"
                   "  --png FILE     backtest: グラフ (%2 × %3) を PNG に書き出す\n"
                   "  -h, --help     この説明を表示する\n"
                   "  -v, --version  バージョンを表示する\n"),
               QStringLiteral(
                   "Usage: kirikata4-tool import FILE [--folder DIR] [--force]\n"
                   "  or:  kirikata4-tool backtest [--folder DIR] [--count N] [--last K] [--csv "
                   "FILE] "
                   "[--png FILE]\n"
                   "  or:  kirikata4-tool --help | --version\n"
                   "Works on the data files of kirikata4 (kri4.dat, kri4key.dat, kaisuu4.txt) "
                   "without "
                   "a window.\n"
                   "\n"
                   "  import    Registers the past results of FILE (oldest first, one a line: "
                   "four\n"
                   "            digits, or a round number and four digits) one by one as the\n"
                   "            registration window does, and writes kri4.dat, kri4key.dat and\n"
                   "            kaisuu4.txt into DIR. Refuses a folder that holds any of them\n"
                   "            unless --force.\n"
                   "  backtest  For each round of the history in DIR, predicts N combinations "
                   "from\n"
                   "            the state before it, scores them as a box bet against the result\n"
                   "            and compares the hits with chance.\n"
                   "\n"
                   "Options:\n"
                   "  --folder DIR   the data folder (default: the current folder)\n"
                   "  --force        import: replace the files of a folder that holds any of them\n"
                   "  --count N      backtest: the combinations predicted a round (default %1)\n"
                   "  --last K       backtest: score the newest K rounds only\n"
                   "  --csv FILE     backtest: write one row per scored round\n"
                   "  --png FILE     backtest: draw a chart of %2 x %3\n"
                   "  -h, --help     show this help\n"
                   "  -v, --version  show the version\n"))
        .arg(kStartCount)
        .arg(kChartImageSize.width())
        .arg(kChartImageSize.height());
}

QString versionText() {
    return QStringLiteral("kirikata4-tool %1\n").arg(kProgramVersion);
}

ToolRequest parseToolArguments(const QStringList& arguments, Language language) {
    const auto error = [language](const QString& japanese, const QString& english) {
        return UsageError{inLanguage(language, japanese, english)};
    };
    const QString command = arguments.value(1);
    if (command.isEmpty())
        return error(QStringLiteral("コマンド (import か backtest) がありません"),
                     QStringLiteral("no command given (import or backtest)"));
    if (command == u"help" || command == u"-h" || command == u"--help") return HelpRequest{};
    if (command == u"-v" || command == u"--version") return VersionRequest{};
    if (command != kImport && command != kBacktest)
        return error(QStringLiteral("不明なコマンドです: %1").arg(command),
                     QStringLiteral("unknown command: %1").arg(command));

    const Options options;
    QCommandLineParser parser;
    parser.addOptions({options.help, options.folder});
    if (command == kImport)
        parser.addOption(options.force);
    else
        parser.addOptions({options.count, options.last, options.csv, options.png});
    if (!parser.parse(arguments)) return UsageError{parser.errorText()};
    if (parser.isSet(options.help)) return HelpRequest{};

    const QStringList positional = parser.positionalArguments().mid(1);
    const QString folder = parser.value(options.folder);
    if (command == kImport) {
        if (positional.size() != 1)
            return error(QStringLiteral("import には過去の結果のファイルを一つ指定します"),
                         QStringLiteral("import takes one file of past results"));
        return ImportRequest{positional.first(), folder, parser.isSet(options.force)};
    }

    if (!positional.isEmpty())
        return error(
            QStringLiteral("backtest に余分な引数があります: %1").arg(positional.join(u' ')),
            QStringLiteral("backtest takes no file: %1").arg(positional.join(u' ')));
    BacktestRequest request{folder, {}, parser.value(options.csv), parser.value(options.png)};
    const std::optional<int> count = positiveWhole(parser.value(options.count));
    if (!count)
        return error(QStringLiteral("--count には 1 以上の整数を指定します"),
                     QStringLiteral("--count takes a whole number from 1"));
    request.options.count = *count;
    if (parser.isSet(options.last)) {
        request.options.last = positiveWhole(parser.value(options.last));
        if (!request.options.last)
            return error(QStringLiteral("--last には 1 以上の整数を指定します"),
                         QStringLiteral("--last takes a whole number from 1"));
    }
    return request;
}

bool drawsChart(const ToolRequest& request) {
    const auto* backtest = std::get_if<BacktestRequest>(&request);
    return backtest && !backtest->pngFile.isEmpty();
}

}  // namespace k4
