#pragma once

#include <QByteArrayView>
#include <QWidget>

#include "import/past_results.h"

class QLabel;

namespace k4 {

class FigureTable;

// How a file of past results reads, above the import page's button: the columns taken, the
// rounds and the order (or why it cannot be imported), the header and the lines around the table
// skipped, then the first lines of the file as they read.
class ImportPreview : public QWidget {
    Q_OBJECT

public:
    explicit ImportPreview(QWidget* parent = nullptr);

    // Shows how `bytes` read as `read`.
    void show(QByteArrayView bytes, const PastResults& read);

private:
    QLabel* summary_;
    FigureTable* table_;
};

}  // namespace k4
