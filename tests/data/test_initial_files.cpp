#include <QDir>
#include <QFile>
#include <QTest>

#include "data/data_file_table.h"
#include "data/initial_candidates.h"
#include "data/lines.h"

using namespace k4;

class TestInitialFiles : public QObject {
    Q_OBJECT

private slots:
    // The tool starts its replays from this table, so it must be the shipped file exactly.
    void equalsTheShippedCandidateFile() {
        QFile shipped(QStringLiteral(K4_INITIAL_DIR "/kri4key.dat"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(writeLines(initialCandidateLines()), shipped.readAll());
    }

    // A new data folder starts from these: one for each file every folder holds, each as the
    // program writes it, and the build installs and the launcher copies exactly these.
    void areTheRequiredDataFilesEachWhole() {
        QStringList required;
        for (const DataFileKind& kind : dataFileTable()) {
            if (!kind.required) continue;
            required.append(kind.name);
            QFile shipped(QDir(QStringLiteral(K4_INITIAL_DIR)).filePath(kind.name));
            QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(kind.name));
            QCOMPARE(kind.problemIn(shipped.readAll()), QString());
        }
        QCOMPARE(QStringLiteral(K4_INITIAL_DATA_FILES).split(u' '), required);
        required.sort();
        QCOMPARE(QDir(QStringLiteral(K4_INITIAL_DIR)).entryList(QDir::Files, QDir::Name), required);
    }
};

QTEST_APPLESS_MAIN(TestInitialFiles)
#include "test_initial_files.moc"
