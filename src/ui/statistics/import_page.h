#pragma once

#include <QByteArray>
#include <QWidget>
#include <functional>
#include <optional>

#include "import/past_results.h"
#include "register/registration_replay.h"

class QLabel;
class QPushButton;

namespace k4 {

class ImportPreview;
class ImportProgress;
class ImportWorkflow;
struct ImportStep;
struct Services;

// The page 取り込み: past results from a file chosen or dropped, or from text pasted from a
// results page or a spreadsheet, shown as they read (the columns taken, the rounds, the order,
// the first lines) and imported with the rules and the code of kirikata4-tool import. A folder
// that holds results gains the file's newer rounds, or has them replaced when the file numbers
// none; either is done only when the user agrees, a replacement after a dated copy of the old
// files. The import workflow decides what is asked or refused, exactly as for the command; the
// page only shows its step and its outcome. The registering runs on a worker thread behind a
// progress dialog that can cancel it; nothing is written until it is done.
class ImportPage : public QWidget {
    Q_OBJECT

public:
    // `imported` gets the next round after an import has written the data files.
    ImportPage(Services& services, std::function<void(const QString& nextRound)> imported,
               QWidget* parent = nullptr);

    // Reads the file at `path` for an import, as choosing it does.
    void openFile(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void chooseFile();
    void paste();
    // Reads `bytes` (from `source`, as the label names it) and shows how they read.
    void take(const QByteArray& bytes, const QString& source);
    bool refuseRead();
    void startImport();
    // Shows the workflow's step; whether the import goes on.
    bool agreed(const ImportStep& step);
    void replayed(const ImportWorkflow& workflow, std::optional<RegistrationReplay> folder);
    void setBusy(bool busy);

    Services& services_;
    std::function<void(const QString&)> imported_;
    std::optional<PastResults> read_;
    ImportProgress* progress_;
    QPushButton* chooseButton_;
    QPushButton* pasteButton_;
    QLabel* fileLabel_;
    ImportPreview* preview_;
    QPushButton* importButton_;
    QLabel* status_;
};

}  // namespace k4
