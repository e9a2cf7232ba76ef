#include "cli/tool_arguments.h"

#include <QCommandLineParser>
#include <QDir>

#include "chart/backtest_chart.h"
#include "data/data_file_table.h"
#include "data/file_names.h"
#include "money/lottery_money.h"
#include "money/ticket_csv.h"
#include "version.h"

namespace k4 {
namespace {

const QString kImport = QStringLiteral("import");
const QString kBacktest = QStringLiteral("backtest");
const QString kTickets = QStringLiteral("tickets");
const QString kAdd = QStringLiteral("add");
const QString kRemove = QStringLiteral("remove");

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
    QCommandLineOption kind{QStringLiteral("kind"), {}, QStringLiteral("KIND")};
    QCommandLineOption units{QStringLiteral("units"), {}, QStringLiteral("N"), QStringLiteral("1")};
    QCommandLineOption round{QStringLiteral("round"), {}, QStringLiteral("R")};
    QCommandLineOption rounds{
        QStringLiteral("rounds"), {}, QStringLiteral("K"), QStringLiteral("1")};
};

// The kinds as the command line names them.
std::optional<TicketKind> kindNamed(const QString& name) {
    for (const TicketKind kind : kTicketKinds)
        if (name == ticketKindWord(kind)) return kind;
    return std::nullopt;
}

std::optional<int> positiveWhole(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 1 ? std::optional(value) : std::nullopt;
}

UsageError usageError(Language language, const QString& japanese, const QString& english) {
    return UsageError{inLanguage(language, japanese, english)};
}

// The options of `tickets add` that another form of `tickets` was given, if any.
std::optional<QString> addOptionGiven(const QCommandLineParser& parser, const Options& options) {
    for (const QCommandLineOption* option :
         {&options.kind, &options.units, &options.round, &options.rounds})
        if (parser.isSet(*option)) return QStringLiteral("--") + option->names().first();
    return std::nullopt;
}

// `tickets`, `tickets add NUMBER …` and `tickets remove N`.
ToolRequest ticketsRequest(const QCommandLineParser& parser, const Options& options,
                           const QStringList& positional, const QString& folder,
                           Language language) {
    const QString action = positional.value(0);
    if (action != kAdd) {
        if (const std::optional<QString> option = addOptionGiven(parser, options))
            return usageError(language,
                              QStringLiteral("%1 は tickets add だけのオプションです").arg(*option),
                              QStringLiteral("%1 is an option of tickets add only").arg(*option));
    }
    if (positional.isEmpty()) return TicketsRequest{folder, parser.value(options.csv)};
    if (parser.isSet(options.csv))
        return usageError(language, QStringLiteral("--csv は tickets の一覧だけのオプションです"),
                          QStringLiteral("--csv is an option of the list of tickets only"));
    if (action == kRemove) {
        const std::optional<int> position =
            positional.size() == 2 ? positiveWhole(positional[1]) : std::nullopt;
        if (!position)
            return usageError(
                language,
                QStringLiteral("tickets remove には一覧の券の番号 (1 以上) を一つ指定します"),
                QStringLiteral("tickets remove takes one ticket's number in the list, from 1"));
        return RemoveTicketRequest{folder, *position};
    }
    if (action != kAdd)
        return usageError(language,
                          QStringLiteral("tickets の後は add か remove です: %1").arg(action),
                          QStringLiteral("tickets takes add or remove: %1").arg(action));
    if (positional.size() != 2)
        return usageError(language, QStringLiteral("tickets add には番号を一つ指定します"),
                          QStringLiteral("tickets add takes one number"));
    AddTicketRequest request;
    request.folder = folder;
    request.number = positional[1];
    const std::optional<TicketKind> kind = kindNamed(parser.value(options.kind));
    if (!kind)
        return usageError(language,
                          QStringLiteral("--kind には straight、box、set のどれかを指定します"),
                          QStringLiteral("--kind takes straight, box or set"));
    request.kind = *kind;
    // A whole number beyond what a ticket may be is the ticket's problem, told with its reason.
    for (const auto& [option, value] :
         {std::pair{&options.units, &request.units}, std::pair{&options.rounds, &request.rounds}}) {
        const std::optional<int> whole = positiveWhole(parser.value(*option));
        if (!whole)
            return usageError(
                language,
                QStringLiteral("--%1 には 1 以上の整数を指定します").arg(option->names().first()),
                QStringLiteral("--%1 takes a whole number from 1").arg(option->names().first()));
        *value = *whole;
    }
    if (parser.isSet(options.round)) {
        request.firstRound = positiveWhole(parser.value(options.round));
        if (!request.firstRound)
            return usageError(language, QStringLiteral("--round には 1 以上の整数を指定します"),
                              QStringLiteral("--round takes a whole number from 1"));
    }
    return request;
}

}  // namespace

QString usageText(Language language) {
    return inLanguage(
               language,
               QStringLiteral(
                   "使い方: kirikata4-tool import FILE [--folder DIR] [--force]\n"
                   "   または: kirikata4-tool backtest [--folder DIR | --results FILE] [--count N]\n"
                   "           [--last K] [--csv FILE] [--png FILE]\n"
                   "   または: kirikata4-tool tickets [--folder DIR] [--csv FILE]\n"
                   "   または: kirikata4-tool tickets add NUMBER --kind straight|box|set [--units N]\n"
                   "           [--round R] [--rounds K] [--folder DIR]\n"
                   "   または: kirikata4-tool tickets remove N [--folder DIR]\n"
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
                   "            して偶然と比べます。%6 に各回のボックスの当せん金があれば、\n"
                   "            実際の賞金での収支も示します (金額の分からない回の的中は除き、\n"
                   "            その数を示します)。\n"
                   "  tickets   DIR の購入記録 (%5) の券を一枚一行で、各回の結果 (はずれ、\n"
                   "            当せんの種類と金額、未抽せん、結果不明、金額未登録) とともに示し、\n"
                   "            抽せん済みの回の購入金額、当せん金、収支、回収率を合計します。\n"
                   "            1 口は 1 回 %7 円、当せん金は %6 にあるその回の 1 口の金額 × 口数\n"
                   "            です。記録のないフォルダーは券のない記録として扱います。\n"
                   "  tickets add\n"
                   "            NUMBER (全角の数字も可) を KIND (straight: ストレート、box:\n"
                   "            ボックス、set: セット) で N 口、第 R 回から K 回続けて買った券を\n"
                   "            今日の日付で記録します。4 桁が同じ数字はボックスとセットでは\n"
                   "            買えません。\n"
                   "  tickets remove\n"
                   "            tickets の一覧の N 番目の券を記録から消します。\n"
                   "\n"
                   "オプション:\n"
                   "  --folder DIR    データフォルダー (既定は現在のフォルダー)\n"
                   "  --force         import: 結果のあるフォルダーでも置き換える\n"
                   "  --results FILE  backtest: 過去の結果のファイルのすべての回を採点する\n"
                   "  --count N       backtest: 一回の予想数 (既定 %1)\n"
                   "  --last K        backtest: 新しい K 回だけを採点する\n"
                   "  --csv FILE      backtest: 各回の結果を、tickets: 券の各回を CSV に書き出す\n"
                   "  --kind KIND     tickets add: straight、box、set のどれか\n"
                   "  --units N       tickets add: 口数 1〜10 (既定 1)\n"
                   "  --round R       tickets add: 最初の回 (既定は次回)\n"
                   "  --rounds K      tickets add: 続けて買う回数 1〜10 (既定 1)\n"
                   "  --png FILE      backtest: グラフ (%2 × %3) を PNG に書き出す\n"
                   "  -h, --help      この説明を表示する\n"
                   "  -v, --version   バージョンを表示する\n"),
               QStringLiteral(
                   "Usage: kirikata4-tool import FILE [--folder DIR] [--force]\n"
                   "  or:  kirikata4-tool backtest [--folder DIR | --results FILE] [--count N]\n"
                   "           [--last K] [--csv FILE] [--png FILE]\n"
                   "  or:  kirikata4-tool tickets [--folder DIR] [--csv FILE]\n"
                   "  or:  kirikata4-tool tickets add NUMBER --kind straight|box|set [--units N]\n"
                   "           [--round R] [--rounds K] [--folder DIR]\n"
                   "  or:  kirikata4-tool tickets remove N [--folder DIR]\n"
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
                   "            with chance. Where %6 holds the box prizes of the rounds,\n"
                   "            it adds the money at the real prizes (leaving out, and counting,\n"
                   "            the rounds hit whose prize is not known).\n"
                   "  tickets   Lists the tickets of the book in DIR (%5), one a line with\n"
                   "            what each of its rounds did (no win, the win and its amount, not\n"
                   "            drawn, result unknown, amount unknown), then the cost of the\n"
                   "            rounds drawn, the prizes won, the balance and the return rate.\n"
                   "            A unit costs %7 yen a round; a win pays the round's prize per\n"
                   "            unit in %6 times the units. A folder without a book\n"
                   "            has no tickets.\n"
                   "  tickets add\n"
                   "            Records NUMBER (full-width digits too) bought today as KIND\n"
                   "            (straight, box or set), N units for K rounds from round R. Four\n"
                   "            equal digits are not sold as a box or a set.\n"
                   "  tickets remove\n"
                   "            Takes the N-th ticket of the list of tickets out of the book.\n"
                   "\n"
                   "Options:\n"
                   "  --folder DIR    the data folder (default: the current folder)\n"
                   "  --force         import: replace the results of a folder that holds some\n"
                   "  --results FILE  backtest: score every round of a file of past results\n"
                   "  --count N       backtest: the combinations predicted a round (default %1)\n"
                   "  --last K        backtest: score the newest K rounds only\n"
                   "  --csv FILE      backtest: write one row per scored round; tickets: one\n"
                   "                  row per ticket and round\n"
                   "  --kind KIND     tickets add: straight, box or set\n"
                   "  --units N       tickets add: the units, 1 to 10 (default 1)\n"
                   "  --round R       tickets add: the first round (default: the next round)\n"
                   "  --rounds K      tickets add: the rounds in a row, 1 to 10 (default 1)\n"
                   "  --png FILE      backtest: draw a chart of %2 x %3\n"
                   "  -h, --help      show this help\n"
                   "  -v, --version   show the version\n"))
        .arg(kStartCount)
        .arg(kChartImageSize.width())
        .arg(kChartImageSize.height())
        .arg(dataFilesText(language), kTicketFile, kPrizeFile)
        .arg(kUnitYen);
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
        return error(QStringLiteral("コマンド (import、backtest か tickets) がありません"),
                     QStringLiteral("no command given (import, backtest or tickets)"));
    if (command == u"help" || command == u"-h" || command == u"--help") return HelpRequest{};
    if (command == u"-v" || command == u"--version") return VersionRequest{};
    if (command != kImport && command != kBacktest && command != kTickets)
        return error(QStringLiteral("不明なコマンドです: %1").arg(command),
                     QStringLiteral("unknown command: %1").arg(command));

    const Options options;
    QCommandLineParser parser;
    parser.addOptions({options.help, options.folder});
    if (command == kImport)
        parser.addOption(options.force);
    else if (command == kTickets)
        parser.addOptions(
            {options.csv, options.kind, options.units, options.round, options.rounds});
    else
        parser.addOptions({options.count, options.last, options.csv, options.png, options.results});
    if (!parser.parse(arguments)) return UsageError{parser.errorText()};
    if (parser.isSet(options.help)) return HelpRequest{};

    const QStringList positional = parser.positionalArguments().mid(1);
    const QString folder = parser.value(options.folder);
    if (command == kTickets) return ticketsRequest(parser, options, positional, folder, language);
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
