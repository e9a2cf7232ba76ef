#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/failure.h"
#include "platform/file_system.h"

using namespace k4;

namespace {

FailureKind failureOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const Failure& failure) {
        return failure.kind();
    }
    return FailureKind::Unexpected;
}

}  // namespace

class TestFileSystem : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_.emplace();
        files_.emplace(folder_->path());
    }

    void writesRenamesOverAndRemoves() {
        files_->writeDurably("a.txt", QByteArray(200 * 1024, 'o'));
        files_->writeDurably("a.txt", "shorter\r\n");  // emptied first
        files_->writeDurably(".b.new", "new\r\n");
        files_->rename(".b.new", "a.txt");
        QCOMPARE(files_->read("a.txt"), QByteArray("new\r\n"));
        QCOMPARE(files_->fileNames(), QStringList{"a.txt"});
        files_->remove("a.txt");
        files_->remove("a.txt");  // a missing file is no failure
        QVERIFY(!files_->exists("a.txt"));
    }

    void missingFileIsNotFound() {
        QCOMPARE(failureOf([&] { files_->read("kaisuu4.txt"); }), FailureKind::FileNotFound);
    }

    void folderOrReadOnlyFileIsNotReplaceable() {
        QVERIFY(QDir(folder_->path()).mkdir("kri4.dat"));
        QCOMPARE(failureOf([&] { files_->read("kri4.dat"); }), FailureKind::CannotOpen);
        QCOMPARE(failureOf([&] { files_->checkReplaceable("kri4.dat"); }),
                 FailureKind::CannotWrite);
        files_->writeDurably("kaisuu4.txt", "1\r\n");
        QFile::setPermissions(folder_->filePath("kaisuu4.txt"), QFileDevice::ReadOwner);
        QCOMPARE(failureOf([&] { files_->checkReplaceable("kaisuu4.txt"); }),
                 FailureKind::CannotWrite);
        files_->checkReplaceable("missing.txt");  // a file to create is fine
    }

private:
    std::optional<QTemporaryDir> folder_;
    std::optional<DiskFileSystem> files_;
};

QTEST_APPLESS_MAIN(TestFileSystem)
#include "test_file_system.moc"
