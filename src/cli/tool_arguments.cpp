#include "cli/tool_arguments.h"

#include <QCommandLineParser>
#include <QDir>

#include "chart/backtest_chart.h"
#include "data/data_file_table.h"
#include "data/file_names.h"
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
    QCommandLineOption results{QStringLiteral("results"), {}, QStringLiteral("FILE")};
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
                   "   または: kirikata4-tool backtest [--folder DIR | --results FILE] [--count N]\n"
                   "           [--last K] [--csv FILE] [--png FILE]\n"
                   "   または: kirikata4-tool --help | --version\n"
                   "kirikata4 のデータファイル (%4) を画面なしで扱います。\n"
                   "\n"
                   "  import    FILE の過去の結果を登録画面と同じ手順で一件ずつ登録し、DIR に\n"
                   "            %4 を作ります。FILE は CSV、\n"
                   "            タブ区切り、または 1 行に「四桁の数字」か「回号 四桁の数字」の\n"
                   "            テキスト (UTF-8 かシフト JIS) で、列はいくつあってもかまいません。\n"
                   "            回号と結果の列は見出しの名前 (回号、当せん番号、draw_no、result\n"
                   "            など) か中身で決め、日付などほかの列は読み飛ばします。回号は 123\n"
                   "            でも第123回でもよく、新しい順のファイルも古い順に登録します。\n"
                   "            DIR にすでに結果があれば、回号のあるファイルからその最新の回より\n"
                   "            新しい回だけを追加します (重なる回の結果が違うか、回が抜けている\n"
                   "            ときは何もしません)。回号のないファイルで置き換えるには --force\n"
                   "            を付けます。置き換える前に古いファイルを backup-日付 に残します。\n"
                   "            回号のあるファイルの各回は、当せん金の列 (ストレート、ボックス、\n"
                   "            セット(ストレート)、セット(ボックス)、straight_payout など) の額と\n"
                   "            ともに haitou4.csv に残します。新しい回がなくても足りない当せん金\n"
                   "            を追加し、記録済みの額と違う額があれば何も書き込みません。\n"
                   "  backtest  DIR の履歴 (または --results の FILE のすべての回) の各回について、\n"
                   "            その前の状態から予想 (予想数 N) を出し、当選番号とボックスで照合\n"
                   "            して偶然と比べます。\n"
                   "\n"
                   "オプション:\n"
                   "  --folder DIR    データフォルダー (既定は現在のフォルダー)\n"
                   "  --force         import: 結果のあるフォルダーでも置き換える\n"
                   "  --results FILE  backtest: 過去の結果のファイルのすべての回を採点する\n"
                   "  --count N       backtest: 一回の予想数 (既定 %1)\n"
                   "  --last K        backtest: 新しい K 回だけを採点する\n"
                   "  --csv FILE      backtest: 各回の結果を CSV に書き出す\n"
                   "  --png FILE      backtest: グラフ (%2 × %3) を PNG に書き出す\n"
                   "  -h, --help      この説明を表示する\n"
                   "  -v, --version   バージョンを表示する\n"),
               QStringLiteral(
                   "Usage: kirikata4-tool import FILE [--folder DIR] [--force]\n"
                   "  or:  kirikata4-tool backtest [--folder DIR | --results FILE] [--count N]\n"
                   "           [--last K] [--csv FILE] [--png FILE]\n"
                   "  or:  kirikata4-tool --help | --version\n"
                   "Works on the data files of kirikata4 (%4) without a window.\n"
                   "\n"
                   "  import    Registers the past results of FILE one by one as the registration\n"
                   "            window does, and writes %4\n"
                   "            into DIR. FILE is CSV, tab-separated text or lines of four digits\n"
                   "            or of a round number and four digits (UTF-8 or Shift JIS), with\n"
                   "            any number of columns: the header's names (round, draw_no,\n"
                   "            result, winning_number, or their Japanese names) or the columns'\n"
                   "            content pick the round and the result, and other columns such as\n"
                   "            dates are ignored. A round may be written 123 or in the Japanese\n"
                   "            form; a file newest first is registered oldest first. Where DIR\n"
                   "            holds results, a file with round numbers adds the rounds after\n"
                   "            its newest (nothing is written when a round both hold disagrees\n"
                   "            or rounds are missing); a file without them replaces them only\n"
                   "            with --force. Replaced files are kept in backup-DATE beside them.\n"
                   "            Each round of a file with round numbers is kept in haitou4.csv with\n"
                   "            the amounts of its prize columns (straight_payout, box_payout,\n"
                   "            set_straight_payout, set_box_payout, or their Japanese names);\n"
                   "            prizes the folder lacks are added even when no round is newer, and\n"
                   "            nothing is written where an amount differs from the one kept.\n"
                   "  backtest  For each round of the history in DIR (or every round of the file\n"
                   "            of --results), predicts N combinations from the state before it,\n"
                   "            scores them as a box bet against the result and compares the hits\n"
                   "            with chance.\n"
                   "\n"
                   "Options:\n"
                   "  --folder DIR    the data folder (default: the current folder)\n"
                   "  --force         import: replace the results of a folder that holds some\n"
                   "  --results FILE  backtest: score every round of a file of past results\n"
                   "  --count N       backtest: the combinations predicted a round (default %1)\n"
                   "  --last K        backtest: score the newest K rounds only\n"
                   "  --csv FILE      backtest: write one row per scored round\n"
                   "  --png FILE      backtest: draw a chart of %2 x %3\n"
                   "  -h, --help      show this help\n"
                   "  -v, --version   show the version\n"))
        .arg(kStartCount)
        .arg(kChartImageSize.width())
        .arg(kChartImageSize.height())
        .arg(dataFilesText(language));
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
        parser.addOptions({options.count, options.last, options.csv, options.png, options.results});
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
    BacktestRequest request{folder,
                            parser.value(options.results),
                            {},
                            parser.value(options.csv),
                            parser.value(options.png)};
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
