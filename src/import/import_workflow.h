#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "data/data_files_state.h"
#include "import/past_import.h"
#include "import/past_results.h"
#include "platform/language.h"
#include "platform/work_progress.h"
#include "register/registration_replay.h"

namespace k4 {

class FileSystem;

// What an import shows before it writes anything.
enum class ImportStepKind {
    Fill,          // the folder holds no data file, or no result: the import goes ahead unasked
    AskToAdd,      // a question: add the file's rounds after the folder's newest
    AskToReplace,  // a question: replace the folder's results by the file's
    // A question: the file holds no newer round, but prizes the prize file lacks; add them.
    AskToAddPrizes,
    NothingNewer,  // an information: the file holds nothing the folder lacks
    Refused,       // nothing can be imported
};

struct ImportStep {
    ImportStepKind kind = ImportStepKind::Refused;
    // The question, the information or the refusal, without the sentence that nothing was
    // written; empty for Fill.
    QString text;
    // Whether replacing the folder's data files takes the file all the same: so for the question
    // to replace, and for the refusal of a folder that lacks a data file. Only the command's
    // --force replaces without asking.
    bool replaceable = false;
    // Why nothing is written where the question is not asked (the command without --force):
    // for AskToReplace why the file cannot be added; the text itself for a refusal.
    QString refusal;
};

// What an import wrote, as the front ends tell it.
struct ImportOutcome {
    qint64 nextRound = 0;
    QString safetyCopy;  // the dated folder the old files were copied into; empty for none
    // A sentence a line: the results registered, the history keeping the newest, the safety
    // copy, the rounds whose prizes were added, the next round.
    QStringList texts;
};

// The import of a readable file of past results into a data folder, decided once for the import
// page and for kirikata4-tool import, which only show its step, answer it, and show the outcome:
//
//   step()    from what the folder holds: a folder without any of the three data files, or
//             whose files hold no result, is filled unasked. A folder that lacks one or two of
//             them is refused, naming what it holds (replaceable). In ImportMode::Replace a
//             folder that holds results is replaced after the question to replace. A folder that
//             holds results takes the rounds after its newest from a file that numbers them, after
//             the question to add; a disagreeing round, a gap or nothing newer writes nothing. A
//             file without round numbers can only replace the folder's results, after the question
//             to replace. A file that numbers its rounds also offers each of them to the prize
//             file, with the amounts of its prize columns, merged with the kept rows as
//             mergePrizes() does: an amount or a result that differs from a kept one refuses the
//             import (even a replacement), and a file with nothing newer but amounts the prize
//             file lacks adds them after the question to add prizes.
//   replay()  once the step is agreed to, registers the results on a worker thread or the
//             command's, cancellable through its WorkProgress;
//   commit()  copies the old files into a dated folder where they hold anything worth keeping
//             and the import replaces them, and writes the files together, the prize file among
//             them, while they still hold what the step was decided on.
// What the import may do to a folder that holds results: add to them where the file allows it
// and ask to replace them where only that takes the file, or replace them whatever the file
// and the folder hold (the command's --force).
enum class ImportMode { AddOrAsk, Replace };

class ImportWorkflow {
public:
    // Decides the import of `read` into the folder whose data files held `state`, named
    // `folderName` in the texts, which are in `language`. Throws the Failure of a data file that
    // does not read (BadRow for a prize file where the file offers prizes), and Overflow for a
    // counter whose next round does not fit.
    ImportWorkflow(PastResults read, DataFilesState state, QString folderName, Language language,
                   ImportMode mode = ImportMode::AddOrAsk);

    const ImportStep& step() const { return step_; }

    // The data folder after the import: the file's newer rounds added, or every result
    // registered from the initial files for a filling or a replacement; the folder as it is where
    // only prizes are added. Empty when `progress` stopped it.
    std::optional<RegistrationReplay> replay(const WorkProgress& progress = {}) const;

    // Writes `folder`, what replay() returned, into `files`, after the safety copy made on
    // `today` where one is due. Throws ChangedElsewhere when the files no longer hold what they
    // held when the step was decided, and the Failure of a step that fails; nothing is written
    // then, though a safety copy may be left.
    ImportOutcome commit(FileSystem& files, const RegistrationReplay& folder, QDate today) const;

private:
    bool adds() const { return std::holds_alternative<AddRounds>(plan_); }
    void offerPrizes();
    QStringList prizeTexts() const;

    PastResults read_;
    DataFilesState state_;
    QString folderName_;
    Language language_;
    ImportPlan plan_;  // RoundsNeeded stands for any replacement of the folder's results
    ImportStep step_;
    std::optional<PrizeTable> prizeFile_;  // what the prize file is to hold; none to leave it
    qsizetype roundsGainingAmounts_ = 0;
};

}  // namespace k4
