#pragma once

#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "import/past_import.h"

class QLabel;
class QProgressBar;
class QProgressDialog;
class QPushButton;

namespace k4 {

class FigureTable;
struct Services;

// The page 取り込み: a file of past results chosen, its first lines shown as they read, and
// imported with the rules and the code of kirikata4-tool import. The work runs on a worker
// thread behind a progress dialog that can cancel it; nothing is written until it is done, and a
// folder that holds results is replaced only when the user agrees, after a dated backup of its
// files.
class ImportPage : public QWidget {
    Q_OBJECT

public:
    // `imported` gets the next round after an import has written the data files.
    ImportPage(Services& services, std::function<void(const QString& nextRound)> imported,
               QWidget* parent = nullptr);
    ~ImportPage() override;

signals:
    // An import ended: written, refused, declined or cancelled.
    void importEnded();

private:
    void chooseFile();
    void startImport();
    void importDone();
    void report(const PastImport& imported);
    void write(const PastImport& imported);

    Services& services_;
    std::function<void(const QString&)> imported_;
    QByteArray bytes_;  // the chosen file
    QFutureWatcher<PastImport> watcher_;
    QPointer<QProgressDialog> progress_;
    QProgressBar* progressBar_ = nullptr;
    QPushButton* chooseButton_;
    QLabel* fileLabel_;
    FigureTable* preview_;
    QPushButton* importButton_;
    QLabel* status_;
};

}  // namespace k4
