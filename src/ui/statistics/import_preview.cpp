#include "ui/statistics/import_preview.h"

#include <QLabel>
#include <QVBoxLayout>

#include "import/import_messages.h"
#include "platform/shown_text.h"
#include "ui/gothic_fonts.h"
#include "ui/statistics/figure_table.h"

namespace k4 {
namespace {

constexpr int kPreviewLines = 10;
constexpr double kPreviewPoints = 10.5;

QString readingText(const LineReading& line) {
    if (std::holds_alternative<BlankLine>(line.reading))
        return QStringLiteral("空行 (読み飛ばします)");
    if (std::holds_alternative<HeaderLine>(line.reading))
        return QStringLiteral("見出し (読み飛ばします)");
    if (std::holds_alternative<OutsideLine>(line.reading))
        return QStringLiteral("表の外 (読み飛ばします)");
    if (std::holds_alternative<UnreadLine>(line.reading))
        return QStringLiteral("読めません (結果の列が決まりません)");
    if (const auto* past = std::get_if<PastResult>(&line.reading))
        return past->round ? QStringLiteral("第 %1 回 %2").arg(*past->round).arg(past->result)
                           : past->result;
    return QStringLiteral("誤り: ") +
           badLineText(std::get<BadLine>(line.reading), Language::Japanese);
}

}  // namespace

ImportPreview::ImportPreview(QWidget* parent) : QWidget(parent) {
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("readingSummary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* heading = new QLabel(QStringLiteral("先頭の %1 行の読み取り:").arg(kPreviewLines), this);
    table_ = new FigureTable(
        {QStringLiteral("行"), QStringLiteral("内容"), QStringLiteral("読み取り")}, {0}, this);
    table_->setObjectName(QStringLiteral("previewTable"));
    table_->setWordWrap(true);  // a reason quoting a long line takes two lines, not a cut
    heading->setBuddy(table_);
    table_->setAccessibleName(heading->text());  // a table does not take its buddy's

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(summary_);
    layout->addWidget(heading);
    layout->addWidget(table_, 1);
}

void ImportPreview::show(QByteArrayView bytes, const PastResults& read) {
    summary_->setText(readingLines(read, Language::Japanese).join(u'\n'));
    QList<QStringList> rows;
    for (const LineReading& line : previewPastResults(bytes, read, kPreviewLines))
        rows.append({QString::number(line.line), shownText(line.text), readingText(line)});
    table_->setRows(rows);
    for (int row = 0; row < table_->rowCount(); ++row)
        table_->item(row, 1)->setFont(gothicFont(Gothic::Fixed, kPreviewPoints));
}

}  // namespace k4
