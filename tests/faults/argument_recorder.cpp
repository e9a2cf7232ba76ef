// Stands in for a text editor: writes the number of its arguments and each argument, a line
// each in UTF-8, to the file "arguments" beside itself, renamed into place once whole.
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QSaveFile record(QDir(QCoreApplication::applicationDirPath()).filePath("arguments"));
    if (!record.open(QIODevice::WriteOnly)) return 1;
    record.write(QByteArray::number(arguments.size()) + '\n');
    for (const QString& argument : arguments) record.write(argument.toUtf8() + '\n');
    return record.commit() ? 0 : 1;
}
