#include "import/import_workflow.h"

#include "data/backup_folder.h"
#include "data/data_file_table.h"
#include "data/data_files.h"
#include "data/file_names.h"
#include "data/safety_copy.h"
#include "import/import_messages.h"
#include "money/book_keeping.h"
#include "platform/common_texts.h"

namespace k4 {
namespace {

// The rounds the file's results take: its own numbers, or from 1 where it numbers none.
QString fileRoundsText(const PastResults& read, Language language) {
    const qint64 first = read.firstRound.value_or(1);
    return roundsText(first, first + read.results.size() - 1, language);
}

QString lackingFileText(const QStringList& present, const QStringList& missing,
                        const QString& folderName, Language language) {
    const QString comma = QStringLiteral(", ");
    return inLanguage(language, QStringLiteral("%1 にはすでに %2 があり、%3 がありません。"),
                      QStringLiteral("%1 already holds %2 but not %3."))
        .arg(folderName, present.join(comma), missing.join(comma));
}

QString addQuestion(const AddRounds& added, Language language) {
    const qint64 last = added.firstRound + added.results.size() - 1;
    return inLanguage(language,
                      QStringLiteral("第 %1 回から %2 件の結果 (%3) をこのフォルダーに追加"
                                     "します。\n追加しますか。"),
                      QStringLiteral("This adds %2 results (%3) to this folder, from round "
                                     "%1.\nAdd them?"))
        .arg(added.firstRound)
        .arg(added.results.size())
        .arg(roundsText(added.firstRound, last, language));
}

QString replaceQuestion(const PastResults& read, const DataFilesState& state, Language language) {
    return inLanguage(language,
                      QStringLiteral("このフォルダーの %1 件の結果を、取り込む %2 件の結果 (%3) "
                                     "で置き換えます。\n古い %4 は、日付の付いたフォルダーにその"
                                     "まま残します。\n置き換えますか。"),
                      QStringLiteral("This replaces the %1 results of this folder by the %2 "
                                     "results imported (%3).\nThe old %4 are kept as they are "
                                     "in a dated folder.\nReplace them?"))
        .arg(resultsIn(state))
        .arg(read.results.size())
        .arg(fileRoundsText(read, language), dataFilesText(language));
}

QString addPrizesQuestion(const AddPrizes& added, const std::vector<qint32>& rounds,
                          Language language) {
    return inLanguage(language,
                      QStringLiteral("ファイルには、このフォルダーの最新の第 %1 回より新しい結果は"
                                     "ありません。\n第%2回〜第%3回の当せん金を追加します (%4 回分"
                                     "、%5)。\n追加しますか。"),
                      QStringLiteral("The file holds no result newer than round %1, the newest "
                                     "of this folder.\nThis adds the prizes of rounds %2 to %3 "
                                     "(%4 rounds) to %5.\nAdd them?"))
        .arg(added.folderRound)
        .arg(rounds.front())
        .arg(rounds.back())
        .arg(rounds.size())
        .arg(kPrizeFile);
}

ImportStep stepOf(const ImportPlan& plan, const PastResults& read, const DataFilesState& state,
                  Language language) {
    if (std::holds_alternative<FillFolder>(plan)) return {ImportStepKind::Fill, {}, false, {}};
    if (const auto* added = std::get_if<AddRounds>(&plan))
        return {ImportStepKind::AskToAdd, addQuestion(*added, language), false, {}};
    const QString why = planRefusalText(plan, language);
    if (std::holds_alternative<RoundsNeeded>(plan))
        return {ImportStepKind::AskToReplace, replaceQuestion(read, state, language), true, why};
    if (std::holds_alternative<NothingNewer>(plan))
        return {ImportStepKind::NothingNewer, why, false, why};
    return {ImportStepKind::Refused, why, false, why};
}

QString registeredText(qsizetype count, const QString& rounds, const QString& folderName,
                       bool added, Language language) {
    return (added ? inLanguage(language, QStringLiteral("%1 件の結果 (%2) を %3 に追加しました。"),
                               QStringLiteral("Added %1 results (%2) to %3."))
                  : inLanguage(language, QStringLiteral("%1 件の結果 (%2) を %3 に登録しました。"),
                               QStringLiteral("Registered %1 results (%2) in %3.")))
        .arg(count)
        .arg(rounds, folderName);
}

QString nextRoundText(qint64 nextRound, Language language) {
    return inLanguage(language, QStringLiteral("次回は第 %1 回です。"),
                      QStringLiteral("The next round is %1."))
        .arg(nextRound);
}

}  // namespace

ImportWorkflow::ImportWorkflow(PastResults read, DataFilesState state, QString folderName,
                               Language language, ImportMode mode)
    : read_(std::move(read)),
      state_(std::move(state)),
      folderName_(std::move(folderName)),
      language_(language) {
    const QStringList missing = state_.missingRequiredNames();
    if (missing == requiredDataFileNames() || (missing.isEmpty() && resultsIn(state_) == 0)) {
        plan_ = FillFolder{};
        step_ = stepOf(plan_, read_, state_, language_);
    } else if (mode == ImportMode::Replace) {
        plan_ = RoundsNeeded{};
        step_ = {ImportStepKind::AskToReplace, replaceQuestion(read_, state_, language_), true, {}};
    } else if (missing.isEmpty()) {
        plan_ = planImport(read_, state_);
        step_ = stepOf(plan_, read_, state_, language_);
    } else {
        // Which files of a folder that lacks one are worth more than the import cannot be told:
        // only replacing them all takes the file.
        plan_ = RoundsNeeded{};
        const QString why = lackingFileText(state_.presentNames(), missing, folderName_, language_);
        step_ = {ImportStepKind::Refused, why, true, why};
    }
    if (!read_.prizes.empty()) offerPrizes();
}

void ImportWorkflow::offerPrizes() {
    const PrizeMerge merge = mergePrizes(prizeTableIn(state_), read_.prizes);
    if (merge.conflict) {
        // A refusal that no answer overrides stands; any other step would write the prize file.
        if (step_.kind == ImportStepKind::Refused && !step_.replaceable) return;
        const QString why = kPrizeFile + QStringLiteral(": ") + merge.conflict->message(language_);
        step_ = {ImportStepKind::Refused, why, false, why};
        return;
    }
    if (!merge.changes()) return;
    if (const auto* none = std::get_if<NothingNewer>(&plan_)) {
        // Rows without an amount are no reason to write: the file holds nothing new then.
        if (merge.roundsWithNewAmounts.empty()) return;
        const AddPrizes added{none->folderRound};
        plan_ = added;
        step_ = {ImportStepKind::AskToAddPrizes,
                 addPrizesQuestion(added, merge.roundsWithNewAmounts, language_),
                 false,
                 {}};
    }
    prizeFile_ = merge.prizes;
    roundsGainingAmounts_ = qsizetype(merge.roundsWithNewAmounts.size());
}

QStringList ImportWorkflow::prizeTexts() const {
    if (roundsGainingAmounts_ == 0) return {};
    return {inLanguage(language_, QStringLiteral("%1 回分の当せん金を %2 に追加しました。"),
                       QStringLiteral("Added the prizes of %1 rounds to %2."))
                .arg(roundsGainingAmounts_)
                .arg(kPrizeFile)};
}

std::optional<RegistrationReplay> ImportWorkflow::replay(const WorkProgress& progress) const {
    if (const auto* added = std::get_if<AddRounds>(&plan_))
        return replayAdded(*added, state_, progress);
    if (const auto* prizes = std::get_if<AddPrizes>(&plan_))
        return replayAdded(AddRounds{prizes->folderRound + 1, {}}, state_, progress);
    return replayAll(read_, progress);
}

ImportOutcome ImportWorkflow::commit(FileSystem& files, const RegistrationReplay& folder,
                                     QDate today) const {
    ImportOutcome outcome;
    if (std::holds_alternative<AddPrizes>(plan_)) {
        DataFiles(files).commit({{kPrizeFile, prizeFileLines(*prizeFile_)}}, state_);
        outcome.nextRound = folder.counter() + 1;
        outcome.texts << prizeTexts() << nextRoundText(outcome.nextRound, language_);
        return outcome;
    }
    // Files without results hold nothing a copy would keep; those of a folder that lacks one do.
    const QStringList missing = state_.missingRequiredNames();
    const bool lacksSome = !missing.isEmpty() && missing != requiredDataFileNames();
    const bool worthKeeping = lacksSome || resultsIn(state_) > 0;
    if (!adds() && worthKeeping) outcome.safetyCopy = makeSafetyCopy(files, today);
    writeImport(files, folder, state_, prizeFile_);

    const qint64 last = folder.counter();
    outcome.nextRound = last + 1;
    const qsizetype registered =
        adds() ? std::get<AddRounds>(plan_).results.size() : read_.results.size();
    outcome.texts << registeredText(registered, roundsText(last - registered + 1, last, language_),
                                    folderName_, adds(), language_);
    if (!adds()) {
        if (const QString kept = historyKeepsNewestText(registered, language_); !kept.isEmpty())
            outcome.texts << kept;
    }
    if (!outcome.safetyCopy.isEmpty())
        outcome.texts << inLanguage(language_, QStringLiteral("古いファイルは %1 に残しました。"),
                                    QStringLiteral("The old files are kept in %1."))
                             .arg(outcome.safetyCopy);
    outcome.texts << prizeTexts() << nextRoundText(outcome.nextRound, language_);
    return outcome;
}

}  // namespace k4
