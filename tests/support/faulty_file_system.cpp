#include "support/faulty_file_system.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>

#include "platform/failure.h"

namespace k4::test {

void FaultyFileSystem::step(WriteStep step, const QString& name,
                            const std::function<void()>& cutShort) {
    switch (plan_.at(step, name)) {
        case Fault::None:
            return;
        case Fault::Fail:
            if (cutShort) cutShort();
            throw Failure(FailureKind::CannotWrite, name);
        case Fault::Kill:
            if (cutShort) cutShort();
            std::_Exit(kKilledStatus);
        case Fault::CutPower:
            throw PowerCut{};
    }
}

void FaultyFileSystem::writeDurably(const QString& name, const QByteArray& bytes) {
    step(WriteStep::Create, name);
    for (qsizetype at = 0; at < bytes.size(); at += kWriteChunk)
        step(WriteStep::Write, name, [&] { inner_.writeDurably(name, bytes.left(at)); });
    step(WriteStep::Sync, name, [&] { inner_.writeDurably(name, bytes); });
    inner_.writeDurably(name, bytes);
}

void FaultyFileSystem::rename(const QString& from, const QString& to) {
    step(WriteStep::Rename, to);
    inner_.rename(from, to);
}

void FaultyFileSystem::remove(const QString& name) {
    step(WriteStep::Remove, name);
    inner_.remove(name);
}

void FaultyFileSystem::syncFolder() {
    step(WriteStep::SyncFolder, folderName_);
    inner_.syncFolder();
}

std::unique_ptr<FileSystem> FaultyFileSystem::createFolder(const QString& name) {
    step(WriteStep::Create, name);
    std::unique_ptr<FileSystem> created = inner_.createFolder(name);
    if (!created) return nullptr;
    const QString folderName =
        folderName_.isEmpty() ? name : QDir::toNativeSeparators(folderName_ + u'/' + name);
    return std::make_unique<FaultyFileSystem>(std::move(created), plan_, folderName);
}

void CountdownFaults::start(int step, Lasting lasting, Fault fault) {
    strikeAt_ = step;
    lasting_ = lasting;
    fault_ = fault;
    stepsSeen_ = 0;
    failedFile_.clear();
}

Fault CountdownFaults::at(WriteStep, const QString& name) {
    ++stepsSeen_;
    if (strikeAt_ <= 0 || stepsSeen_ < strikeAt_) return Fault::None;
    if (stepsSeen_ == strikeAt_) {
        failedFile_ = name;
        return fault_;
    }
    return lasting_ == Lasting::Yes ? fault_ : Fault::None;
}

namespace {

// A folder's path as served: absolute and clean, without looking at the disk.
QString folderKey(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

}  // namespace

void FaultyFolderOpener::serve(const QString& path, FileSystem& files) {
    served_.insert(folderKey(path), &files);
}

std::unique_ptr<FileSystem> FaultyFolderOpener::open(const QString& path) {
    const QString folder = folderKey(path);
    const QString folderName = QDir::toNativeSeparators(folder);
    if (FileSystem* files = served_.value(folder))
        return std::make_unique<FaultyFileSystem>(*files, plan_, folderName);
    return std::make_unique<FaultyFileSystem>(std::make_unique<DiskFileSystem>(path), plan_,
                                              folderName);
}

bool FaultyFolderOpener::inServedFolder(const QString& path) const {
    return served_.contains(folderKey(QFileInfo(path).absolutePath()));
}

SavePlace FaultyFolderOpener::savePlaceOf(const QString& path) const {
    if (!inServedFolder(path)) return disk_.savePlaceOf(path);
    const QFileInfo file(path);
    return {folderKey(file.absolutePath()), file.fileName(), false};
}

void FaultyFolderOpener::writeInPlaceAt(const QString& path, const QByteArray& bytes) {
    if (!inServedFolder(path)) return disk_.writeInPlaceAt(path, bytes);
    const QFileInfo file(path);
    open(file.absolutePath())->writeDurably(file.fileName(), bytes);
}

bool FaultyFolderOpener::isSameFolder(const QString& one, const QString& other) const {
    const QString first = folderKey(one), second = folderKey(other);
    if (served_.contains(first) || served_.contains(second)) return first == second;
    return disk_.isSameFolder(one, other);
}

}  // namespace k4::test
