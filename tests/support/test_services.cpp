#include "support/test_services.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace k4::test {

bool ScriptedDialogs::anyUnanswered() const {
    return std::any_of(shown_.begin(), shown_.end(), [](const Shown& s) { return !s.answered; });
}

Answer ScriptedDialogs::askYesNo(const QString& prompt, const QString& title) {
    const bool answered = !answers_.isEmpty();
    shown_.append({prompt, title, true, answered});
    return answered ? answers_.dequeue() : Answer::No;
}

void ScriptedDialogs::notify(const QString& text, const QString& title, Notice) {
    shown_.append({text, title, false, true});
}

bool RecordingLauncher::startDetached(const Command& command) {
    started.append(command);
    return succeeds;
}

TestBench::TestBench()
    : files(folder.path(), &faults),
      services{files, dialogs, launcher, clock, [this](int code) { endedWith = code; }} {}

QString TestBench::path(const QString& name) const { return QDir(folder.path()).filePath(name); }

void TestBench::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(name));
}

std::optional<QByteArray> TestBench::fileBytes(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

}  // namespace k4::test
