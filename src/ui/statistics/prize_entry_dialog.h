#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "data/prize_file.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace k4 {

// The small dialog 当せん金の入力: the four amounts per unit of one round, as the lottery's
// results page shows them (ストレート, ボックス, セット(ストレート), セット(ボックス)), whole yen,
// each left empty where it is not known. The round is one of those offered, with its result.
class PrizeEntryDialog : public QDialog {
    Q_OBJECT

public:
    // `rounds`: a round and its result each, at least one.
    PrizeEntryDialog(const std::vector<RoundPrizes>& rounds, QWidget* parent);

    // The round and the amounts typed; valid once the dialog was accepted.
    RoundPrizes prizes() const;

    // Checks the amounts, and closes the dialog only when each reads as whole yen.
    void accept() override;

private:
    std::vector<RoundPrizes> rounds_;
    QComboBox* roundBox_;
    QLabel* resultLabel_;
    std::array<QLineEdit*, 4> amountBoxes_;
    QLabel* problem_;
};

// An amount as typed, read as the import reads a prize cell (prizeIn): whole yen, with or
// without the digit groups and 円, in full-width digits too; none for an empty box, 0 or 該当なし;
// the reason when it is not an amount.
struct TypedAmount {
    std::optional<qint64> yen;
    QString problem;
};
TypedAmount typedAmount(const QString& typed);

}  // namespace k4
