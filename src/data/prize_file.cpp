#include "data/prize_file.h"

#include <QLocale>
#include <array>

#include "data/file_names.h"
#include "platform/numbers.h"
#include "platform/shown_text.h"

namespace k4 {
namespace {

// A row holds its round, its result, then the amounts (kAmountColumns).
enum Column { RoundColumn, ResultColumn, FirstAmountColumn };

// The name of each amount's column, and where a row keeps it.
struct AmountColumn {
    PrizeColumn column;
    const char16_t* name;
    std::optional<qint64> RoundPrizes::*amount;
};
constexpr std::array<AmountColumn, 4> kAmountColumns = {{
    {PrizeColumn::Straight, u"ストレート", &RoundPrizes::straight},
    {PrizeColumn::Box, u"ボックス", &RoundPrizes::box},
    {PrizeColumn::SetStraight, u"セットストレート", &RoundPrizes::setStraight},
    {PrizeColumn::SetBox, u"セットボックス", &RoundPrizes::setBox},
}};
constexpr qsizetype kColumns = FirstAmountColumn + qsizetype(kAmountColumns.size());

const QStringList& headerCells() {
    static const QStringList cells = {QStringLiteral("回号"),
                                      QStringLiteral("当せん番号"),
                                      QString::fromUtf16(kAmountColumns[0].name),
                                      QString::fromUtf16(kAmountColumns[1].name),
                                      QString::fromUtf16(kAmountColumns[2].name),
                                      QString::fromUtf16(kAmountColumns[3].name)};
    return cells;
}

QString amountText(std::optional<qint64> yen) {
    return yen ? QString::number(*yen) : QString();
}

QString columnText(PrizeColumn column, Language language) {
    switch (column) {
        case PrizeColumn::Result:
            return inLanguage(language, u"当せん番号", u"result");
        case PrizeColumn::Straight:
            return inLanguage(language, u"ストレートの当せん金", u"straight prize");
        case PrizeColumn::Box:
            return inLanguage(language, u"ボックスの当せん金", u"box prize");
        case PrizeColumn::SetStraight:
            return inLanguage(language, u"セットストレートの当せん金", u"set-straight prize");
        case PrizeColumn::SetBox:
            return inLanguage(language, u"セットボックスの当せん金", u"set-box prize");
    }
    return {};
}

// An amount with its thousands grouped, "37,500 円" ("37,500 yen" in English).
QString yenText(const QString& plainYen, Language language) {
    return QLocale(QLocale::Japanese).toString(plainYen.toLongLong()) +
           inLanguage(language, QStringLiteral(" 円"), QStringLiteral(" yen"));
}

// The row of `cells`, or why they are not one; `previous` is the round of the row before.
std::optional<QString> readRow(const QStringList& cells, qint32 previous, RoundPrizes& row) {
    if (cells.size() != kColumns)
        return QStringLiteral("列が %1 つではなく %2 つあります。").arg(kColumns).arg(cells.size());
    const std::optional<qint64> round = wholeNumberIn(cells[RoundColumn]);
    if (!round || *round < 1 || *round > kLargestCounter)
        return QStringLiteral("回号「%1」が 1〜%2 の数ではありません。")
            .arg(shownText(cells[RoundColumn]), QString::number(kLargestCounter));
    if (*round == previous) return QStringLiteral("第%1回の行が二つあります。").arg(*round);
    if (*round < previous)
        return QStringLiteral("第%1回が第%2回の後にあります (回号の順に並べてください)。")
            .arg(*round)
            .arg(previous);
    const std::optional<QString> result = fourDigitsIn(cells[ResultColumn]);
    if (!result)
        return QStringLiteral("当せん番号「%1」が 4 桁の数字ではありません。")
            .arg(shownText(cells[ResultColumn]));
    row = {qint32(*round), *result, {}, {}, {}, {}};
    for (std::size_t i = 0; i < kAmountColumns.size(); ++i) {
        const QString& cell = cells[FirstAmountColumn + qsizetype(i)];
        if (cell.isEmpty()) continue;
        const std::optional<qint64> yen = wholeNumberIn(cell);
        if (!yen || *yen > kLargestPrizeYen)
            return QStringLiteral("%1の金額「%2」が 0〜%3 円の整数ではありません。")
                .arg(QString::fromUtf16(kAmountColumns[i].name), shownText(cell),
                     QString::number(kLargestPrizeYen));
        row.*kAmountColumns[i].amount = *yen;
    }
    return std::nullopt;
}

}  // namespace

QString prizeFileHeader() {
    return csvLine(headerCells());
}

PrizeFileReading readPrizeFile(const QByteArray& bytes) {
    PrizeFileReading reading;
    qint32 previous = 0;
    reading.problem =
        readCsvFile(bytes, headerCells(), [&](const QStringList& cells) -> std::optional<QString> {
            RoundPrizes prizes;
            if (std::optional<QString> reason = readRow(cells, previous, prizes)) return reason;
            previous = prizes.round;
            reading.prizes.emplace_hint(reading.prizes.end(), prizes.round, std::move(prizes));
            return std::nullopt;
        });
    if (reading.problem) reading.prizes.clear();
    return reading;
}

PrizeFileReading prizesIn(const DataFilesState& state) {
    const std::optional<QByteArray>& bytes = state[DataFile::Prizes];
    return bytes ? readPrizeFile(*bytes) : PrizeFileReading{};
}

QString prizeFileProblem(const QByteArray& bytes) {
    const PrizeFileReading reading = readPrizeFile(bytes);
    return reading.problem ? rowProblemText(kPrizeFile, *reading.problem) : QString();
}

QStringList prizeFileLines(const PrizeTable& prizes) {
    QStringList lines = {prizeFileHeader()};
    for (const auto& [round, row] : prizes) {
        QStringList cells = {QString::number(round), row.result};
        for (const AmountColumn& column : kAmountColumns)
            cells.append(amountText(row.*column.amount));
        lines.append(csvLine(cells));
    }
    return lines;
}

QString PrizeConflict::message(Language language) const {
    const bool amount = column != PrizeColumn::Result;
    const QString keptText = amount ? yenText(kept, language) : kept;
    const QString offeredText = amount ? yenText(offered, language) : offered;
    return inLanguage(language,
                      QStringLiteral("第%1回の%2が合いません (記録済み %3、追加分 %4)。")
                          .arg(round)
                          .arg(columnText(column, language), keptText, offeredText),
                      QStringLiteral("Round %1: the %2 disagrees (kept %3, added %4).")
                          .arg(round)
                          .arg(columnText(column, language), keptText, offeredText));
}

PrizeMerge mergePrizes(const PrizeTable& kept, const PrizeTable& offered) {
    PrizeMerge merge;
    merge.prizes = kept;
    for (const auto& [round, row] : offered) {
        const auto [at, added] = merge.prizes.try_emplace(round, row);
        const bool anyAmount = row.straight || row.box || row.setStraight || row.setBox;
        if (added) {
            ++merge.newRounds;
            if (anyAmount) merge.roundsWithNewAmounts.push_back(round);
            continue;
        }
        RoundPrizes& keptRow = at->second;
        if (keptRow.result != row.result) {
            merge.conflict = PrizeConflict{round, PrizeColumn::Result, keptRow.result, row.result};
            break;
        }
        bool gained = false;
        for (const AmountColumn& column : kAmountColumns) {
            std::optional<qint64>& keptAmount = keptRow.*column.amount;
            const std::optional<qint64>& offeredAmount = row.*column.amount;
            if (!offeredAmount || keptAmount == offeredAmount) continue;
            if (keptAmount) {
                merge.conflict = PrizeConflict{round, column.column, QString::number(*keptAmount),
                                               QString::number(*offeredAmount)};
                break;
            }
            keptAmount = offeredAmount;
            gained = true;
        }
        if (merge.conflict) break;
        if (gained) merge.roundsWithNewAmounts.push_back(round);
    }
    if (merge.conflict) {
        merge.prizes = kept;
        merge.roundsWithNewAmounts.clear();
        merge.newRounds = 0;
    }
    return merge;
}

}  // namespace k4
