#include "platform/failure.h"

namespace k4 {

QString describe(FailureKind kind, Language language) {
    const auto text = [language](const char16_t* japanese, const char16_t* english) {
        return inLanguage(language, QString::fromUtf16(japanese), QString::fromUtf16(english));
    };
    switch (kind) {
        case FailureKind::FileNotFound:
            return text(u"ファイルが見つかりません", u"file not found");
        case FailureKind::CannotOpen:
            return text(u"ファイルを開けません", u"cannot open the file");
        case FailureKind::ReadPastEnd:
            return text(u"ファイルの終わりを越えて読み込もうとしました",
                        u"the file ends too early");
        case FailureKind::CannotWrite:
            return text(u"ファイルに書き込めません", u"cannot write the file");
        case FailureKind::Overflow:
            return text(u"オーバーフローしました", u"a number is too large");
        case FailureKind::FolderInUse:
            return text(u"ほかのプログラムがデータフォルダに書き込んでいます",
                        u"another program is writing into the data folder");
        case FailureKind::Unexpected:
            break;
    }
    return text(u"予期しないエラーが発生しました", u"unexpected error");
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
