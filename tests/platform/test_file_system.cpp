#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/failure.h"
#include "platform/file_system.h"
#include "support/faulty_file_system.h"
#include "support/memory_file_system.h"

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

    // A folder served from memory is the only thing at its path: the disk's folder of that path,
    // or its absence there, is never looked at.
    void servedFolderIsItsPathAlone_data() {
        QTest::addColumn<bool>("onDisk");
        QTest::addColumn<bool>("served");
        QTest::addColumn<bool>("same");
        QTest::newRow("served, not on the disk") << false << true << true;
        QTest::newRow("on the disk") << true << false << true;
        QTest::newRow("neither") << false << false << false;
    }
    void servedFolderIsItsPathAlone() {
        QFETCH(bool, onDisk);
        QFETCH(bool, served);
        QFETCH(bool, same);
        const QString path = folder_->filePath("data");
        if (onDisk) QVERIFY(QDir(folder_->path()).mkdir("data"));
        test::MemoryFileSystem memory;
        test::CountdownFaults faults;
        test::FaultyFolderOpener folders(faults);
        if (served) folders.serve(path, memory);
        QCOMPARE(folders.isSameFolder(path, path + "/."), same);
        QVERIFY(!folders.isSameFolder(path, folder_->path()));
    }

    // A file saved through a link on the disk replaces the file the link names; in a folder
    // served from memory, whatever the disk holds at that path, it is the file of that name.
    void savePlaceFollowsTheDisksLinksOnly() {
#ifndef Q_OS_UNIX
        QSKIP("links as POSIX makes them");
#endif
        QVERIFY(QDir(folder_->path()).mkdir("elsewhere"));
        QVERIFY(
            QFile::link(folder_->filePath("elsewhere/table.csv"), folder_->filePath("out.csv")));
        const QString path = folder_->filePath("out.csv");
        DiskFolderOpener disk;
        const SavePlace onDisk = disk.savePlaceOf(path);
        QCOMPARE(onDisk.folder, folder_->filePath("elsewhere"));
        QCOMPARE(onDisk.name, QStringLiteral("table.csv"));
        test::MemoryFileSystem memory;
        test::CountdownFaults faults;
        test::FaultyFolderOpener folders(faults);
        folders.serve(folder_->path(), memory);
        const SavePlace served = folders.savePlaceOf(path);
        QCOMPARE(served.folder, QDir::cleanPath(folder_->path()));
        QCOMPARE(served.name, QStringLiteral("out.csv"));
        QVERIFY(!served.inPlace);
    }

private:
    std::optional<QTemporaryDir> folder_;
    std::optional<DiskFileSystem> files_;
};

QTEST_APPLESS_MAIN(TestFileSystem)
#include "test_file_system.moc"
