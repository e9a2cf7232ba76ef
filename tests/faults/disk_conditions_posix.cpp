#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include "disk_conditions.h"

namespace k4::test {

struct FullDisk::Saved {
    rlimit limit{};
    sighandler_t handler;
};

FullDisk::FullDisk(qint64 room) : saved_(std::make_unique<Saved>()) {
    getrlimit(RLIMIT_FSIZE, &saved_->limit);
    saved_->handler = signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{rlim_t(room), saved_->limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
}

FullDisk::~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_->limit);
    signal(SIGXFSZ, saved_->handler);
}

bool FullDisk::holds() const {
    return true;
}

namespace {

constexpr uid_t kNobody = 65534;

// Whether the user nobody may look `folder` up from the root folder and search it.
bool nobodyCanReach(const QString& folder) {
    if (seteuid(kNobody) != 0) return false;
    const bool reachable =
        faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), X_OK, AT_EACCESS) == 0;
    if (seteuid(0) != 0) qFatal("cannot become root again");
    return reachable;
}

}  // namespace

ReachableTemporaryFolders::ReachableTemporaryFolders()
    : oldTmpdir_(qgetenv("TMPDIR")), hadTmpdir_(qEnvironmentVariableIsSet("TMPDIR")) {
    if (geteuid() != 0) {
        found_ = true;  // the user running the tests is the one who reaches the folder
        return;
    }
    for (const QString& candidate :
         {QDir::tempPath(), QStringLiteral("/tmp"), QStringLiteral("/var/tmp")}) {
        if (nobodyCanReach(candidate)) {
            qputenv("TMPDIR", QFile::encodeName(candidate));
            found_ = true;
            return;
        }
    }
}

ReachableTemporaryFolders::~ReachableTemporaryFolders() {
    if (hadTmpdir_)
        qputenv("TMPDIR", oldTmpdir_);
    else
        qunsetenv("TMPDIR");
}

bool ReachableTemporaryFolders::found() const {
    return found_;
}

UnwritableFolder::UnwritableFolder(const QString& folder) : folder_(folder) {
    constexpr auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                         QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        QFile::setPermissions(QDir(folder).filePath(name), all);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                      QFileDevice::ReadOther | QFileDevice::ExeOther);
    if (geteuid() == 0) asNobody_ = seteuid(kNobody) == 0;
}

UnwritableFolder::~UnwritableFolder() {
    if (asNobody_ && seteuid(0) != 0) qFatal("cannot become root again");
    QFile::setPermissions(folder_,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool UnwritableFolder::holds() const {
    return geteuid() != 0;
}

FileHeldOpen::FileHeldOpen(const QString&) {}
FileHeldOpen::~FileHeldOpen() = default;

bool FileHeldOpen::holds() const {
    return false;
}

}  // namespace k4::test
