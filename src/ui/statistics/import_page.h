#pragma once

#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "data/data_files_state.h"
#include "import/past_results.h"
#include "register/registration_replay.h"

class QLabel;
class QProgressBar;
class QProgressDialog;
class QPushButton;

namespace k4 {

class FigureTable;
struct Services;

// The page 取り込み: past results from a file chosen or dropped, or from text pasted from a
// results page or a spreadsheet, shown as they read (the columns taken, the rounds, the order,
// the first lines) and imported with the rules and the code of kirikata4-tool import. A folder
// that holds results gains the file's newer rounds, or has them replaced when the file numbers
// none; either is done only when the user agrees, a replacement after a dated copy of the old
// files. The registering runs on a worker thread behind a progress dialog that can cancel it;
// nothing is written until it is done.
class ImportPage : public QWidget {
    Q_OBJECT

public:
    // `imported` gets the next round after an import has written the data files.
    ImportPage(Services& services, std::function<void(const QString& nextRound)> imported,
               QWidget* parent = nullptr);
    ~ImportPage() override;

    // Reads the file at `path` for an import, as choosing it does.
    void openFile(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What the worker registers and what the folder held when the user agreed.
    struct PendingImport {
        DataFilesState asked;
        bool replaces = false;  // the whole folder, rather than adding rounds to it
        qsizetype results = 0;  // how many are registered
    };

    void chooseFile();
    void paste();
    // Reads `bytes` (from `source`, as the label names it) and shows how they read.
    void take(const QByteArray& bytes, const QString& source);
    void startImport();
    void startReplay(PendingImport pending,
                     std::function<std::optional<RegistrationReplay>(const WorkProgress&)> work);
    void importDone();
    void write(const RegistrationReplay& folder);
    bool refuseRead();

    Services& services_;
    std::function<void(const QString&)> imported_;
    std::optional<PastResults> read_;
    std::optional<PendingImport> pending_;
    QFutureWatcher<RegistrationReplay> watcher_;
    QPointer<QProgressDialog> progress_;
    QProgressBar* progressBar_ = nullptr;
    QPushButton* chooseButton_;
    QPushButton* pasteButton_;
    QLabel* fileLabel_;
    QLabel* summary_;
    FigureTable* preview_;
    QPushButton* importButton_;
    QLabel* status_;
};

}  // namespace k4
