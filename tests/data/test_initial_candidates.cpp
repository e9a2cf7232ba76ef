#include <QFile>
#include <QTest>

#include "data/initial_candidates.h"
#include "data/lines.h"

using namespace k4;

class TestInitialCandidates : public QObject {
    Q_OBJECT

private slots:
    // The tool starts its replays from this table, so it must be the shipped file exactly.
    void equalsTheShippedCandidateFile() {
        QFile shipped(QStringLiteral(K4_INITIAL_DIR "/kri4key.dat"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(writeLines(initialCandidateLines()), shipped.readAll());
    }
};

QTEST_APPLESS_MAIN(TestInitialCandidates)
#include "test_initial_candidates.moc"
