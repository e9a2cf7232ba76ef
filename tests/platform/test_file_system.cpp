#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/failure.h"
#include "platform/file_system.h"
#include "support/test_services.h"

using namespace k4;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

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

    void replacesAFileWhole() {
        files_->replace("a.txt", "old old old\r\n");
        files_->replace("a.txt", "new\r\n");
        QCOMPARE(files_->read("a.txt"), QByteArray("new\r\n"));
        // Nothing but the file is left behind in the folder.
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"a.txt"});
    }

    void missingFileIsNotFound() {
        QCOMPARE(failureOf([&] { files_->read("kaisuu4.txt"); }), FailureKind::FileNotFound);
    }

    void folderInPlaceOfAFileCannotBeReadOrReplaced() {
        QVERIFY(QDir(folder_->path()).mkdir("kri4.dat"));
        QCOMPARE(failureOf([&] { files_->read("kri4.dat"); }), FailureKind::CannotOpen);
        QCOMPARE(failureOf([&] { files_->replace("kri4.dat", "x"); }), FailureKind::CannotWrite);
    }

    void failedWriteLeavesTheOldBytes() {
        files_->replace("kri4.dat", "1234\r\n");
        const QString path = folder_->filePath("kri4.dat");
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        QCOMPARE(failureOf([&] { files_->replace("kri4.dat", "5678\r\n"); }),
                 FailureKind::CannotWrite);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(contents(path), QByteArray("1234\r\n"));
    }

    void unwritableFolderFailsAndKeepsTheFile() {
        if (geteuid() == 0) QSKIP("root writes into any folder");
        files_->replace("kri4.dat", "1234\r\n");
        QFile::setPermissions(folder_->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const FailureKind kind = failureOf([&] { files_->replace("kri4.dat", "5678\r\n"); });
        QFile::setPermissions(folder_->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
        QCOMPARE(kind, FailureKind::CannotWrite);
        QCOMPARE(contents(folder_->filePath("kri4.dat")), QByteArray("1234\r\n"));
    }

    void everyFailingStepLeavesTheOldFileWhole_data() {
        QTest::addColumn<QByteArray>("newContent");
        QTest::newRow("one chunk") << QByteArray("5678\r\n");
        QTest::newRow("several chunks") << QByteArray(200 * 1024, '7');
        QTest::newRow("empty") << QByteArray();
    }
    void everyFailingStepLeavesTheOldFileWhole() {
        QFETCH(QByteArray, newContent);
        const QByteArray old = "1234\r\n0419\r\n";
        test::CountdownFaults faults;
        DiskFileSystem files(folder_->path(), &faults);
        files.replace("kri4.dat", old);
        int failingStep = 1;
        for (;; ++failingStep) {
            faults.arm(failingStep);
            const bool failed = failureOf([&] { files.replace("kri4.dat", newContent); }) ==
                                FailureKind::CannotWrite;
            if (!failed) break;
            QCOMPARE(contents(folder_->filePath("kri4.dat")), old);
            QCOMPARE(QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList{"kri4.dat"});
        }
        QCOMPARE(contents(folder_->filePath("kri4.dat")), newContent);
        // Create, each chunk, flush and rename were each failed once.
        const int chunks = (newContent.size() + 64 * 1024 - 1) / (64 * 1024);
        QCOMPARE(failingStep - 1, 3 + chunks);
    }

private:
    std::optional<QTemporaryDir> folder_;
    std::optional<DiskFileSystem> files_;
};

QTEST_APPLESS_MAIN(TestFileSystem)
#include "test_file_system.moc"
