#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <functional>
#include <memory>

#include "platform/file_system.h"

namespace k4::test {

// The steps of writing to the disk.
enum class WriteStep {
    Create,      // creating or emptying a file, or creating a folder
    Write,       // handing one chunk of a file's content to the system
    Sync,        // waiting for a file's content to reach the disk
    Rename,      // renaming a file over another
    Remove,      // removing a file
    SyncFolder,  // waiting for the folder's entries to reach the disk
};

// What happens at a step.
enum class Fault {
    None,
    Fail,      // the step fails as on a failing disk: Failure(CannotWrite) naming the file
    Kill,      // the process ends at once, with kKilledStatus; the system keeps what it was given
    CutPower,  // the machine stops: PowerCut is thrown, and no later step runs
};

// The exit status of a process killed at a step.
inline constexpr int kKilledStatus = 86;

// Thrown where the power is cut. It is no Failure, so none of the program's handlers catches it,
// and what the program would do afterwards (undo, clean up, report) never reaches the disk.
struct PowerCut {};

// Decides, before each step, what happens there. A plan may also act there itself (as another
// program writing into the folder would) before it answers.
class FaultPlan {
public:
    virtual ~FaultPlan() = default;
    virtual Fault at(WriteStep step, const QString& name) = 0;
};

// A file system that asks its plan before each step of writing and then passes the call on to
// another. New content is handed over in chunks, each a step, so that a write can stop midway:
// where a step fails or the process is killed, the file holds what the chunks before it wrote.
// Where the power is cut, nothing of that unsynced write matters.
class FaultyFileSystem final : public FileSystem {
public:
    static constexpr qsizetype kWriteChunk = 64 * 1024;

    // `folderName` is the folder as a failure of its sync names it: its path, for one on disk.
    FaultyFileSystem(FileSystem& inner, FaultPlan& plan, QString folderName = {})
        : inner_(inner), plan_(plan), folderName_(std::move(folderName)) {}
    FaultyFileSystem(std::unique_ptr<FileSystem> inner, FaultPlan& plan, QString folderName = {})
        : owned_(std::move(inner)),
          inner_(*owned_),
          plan_(plan),
          folderName_(std::move(folderName)) {}

    QByteArray read(const QString& name) const override { return inner_.read(name); }
    bool exists(const QString& name) const override { return inner_.exists(name); }
    QStringList fileNames() const override { return inner_.fileNames(); }
    QString folderName() const override { return inner_.folderName(); }
    void checkReplaceable(const QString& name) const override { inner_.checkReplaceable(name); }
    void writeDurably(const QString& name, const QByteArray& bytes) override;
    void rename(const QString& from, const QString& to) override;
    void remove(const QString& name) override;
    void syncFolder() override;
    std::unique_ptr<FolderLock> lockFolder() override { return inner_.lockFolder(); }
    std::unique_ptr<FileSystem> createFolder(const QString& name) override;

private:
    // Asks the plan and carries out its fault. `cutShort` first leaves in the folder what a
    // write interrupted at this step leaves there.
    void step(WriteStep step, const QString& name, const std::function<void()>& cutShort = {});

    std::unique_ptr<FileSystem> owned_;
    FileSystem& inner_;
    FaultPlan& plan_;
    QString folderName_;
};

// Counts the steps from when it is armed and strikes at the n-th: a step that fails (and, armed
// to keep failing, every later one, as a disk that dies midway, so that undoing fails too), a
// kill, or a power cut (after which no step runs). Disarmed, nothing happens.
class CountdownFaults final : public FaultPlan {
public:
    void arm(int failingStep, bool keepFailing = false) {
        start(failingStep, keepFailing ? Lasting::Yes : Lasting::No, Fault::Fail);
    }
    void killAt(int step) { start(step, Lasting::No, Fault::Kill); }
    void cutPowerAt(int step) { start(step, Lasting::Yes, Fault::CutPower); }
    void disarm() { strikeAt_ = 0; }
    // How many steps ran, or were tried, since it was armed.
    int stepsSeen() const { return stepsSeen_; }
    bool fired() const { return strikeAt_ > 0 && stepsSeen_ >= strikeAt_; }
    // The file whose step it struck first.
    const QString& failedFile() const { return failedFile_; }

    Fault at(WriteStep, const QString& name) override;

private:
    enum class Lasting { No, Yes };
    void start(int step, Lasting lasting, Fault fault);

    int strikeAt_ = 0;
    Lasting lasting_ = Lasting::No;
    Fault fault_ = Fault::Fail;
    int stepsSeen_ = 0;
    QString failedFile_;
};

// Opens the folders of the disk, each behind a FaultyFileSystem with the plan; a folder handed
// over with serve() is that file system instead of the disk's. What a path names in a served
// folder is the served folder's alone, whatever stands at that path on the disk: it holds no
// links and no devices, and no other path names it.
class FaultyFolderOpener final : public FolderOpener {
public:
    explicit FaultyFolderOpener(FaultPlan& plan) : plan_(plan) {}
    void serve(const QString& path, FileSystem& files);

    std::unique_ptr<FileSystem> open(const QString& path) override;
    SavePlace savePlaceOf(const QString& path) const override;
    // In a served folder, the file is written whole, through the plan.
    void writeInPlaceAt(const QString& path, const QByteArray& bytes) override;
    bool isSameFolder(const QString& one, const QString& other) const override;

private:
    // Whether the file at `path` stands in a served folder.
    bool inServedFolder(const QString& path) const;

    FaultPlan& plan_;
    QMap<QString, FileSystem*> served_;
    DiskFolderOpener disk_;
};

}  // namespace k4::test
