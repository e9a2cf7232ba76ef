#include "platform/failure.h"

namespace k4 {

QString describe(FailureKind kind) {
    switch (kind) {
        case FailureKind::FileNotFound:
            return QStringLiteral("ファイルが見つかりません");
        case FailureKind::CannotOpen:
            return QStringLiteral("ファイルを開けません");
        case FailureKind::ReadPastEnd:
            return QStringLiteral("ファイルの終わりを越えて読み込もうとしました");
        case FailureKind::CannotWrite:
            return QStringLiteral("ファイルに書き込めません");
        case FailureKind::Overflow:
            return QStringLiteral("オーバーフローしました");
        case FailureKind::Unexpected:
            break;
    }
    return QStringLiteral("予期しないエラーが発生しました");
}

Failure::Failure(FailureKind kind, QString fileName)
    : kind_(kind), fileName_(std::move(fileName)), what_(message().toUtf8()) {}

QString Failure::message() const {
    const QString text = describe(kind_);
    return fileName_.isEmpty() ? text : text + QStringLiteral(": ") + fileName_;
}

const char* Failure::what() const noexcept {
    return what_.constData();
}

}  // namespace k4
