#include "platform/failure.h"

namespace k4 {

bool isRefusal(FailureKind kind) {
    return kind == FailureKind::ChangedElsewhere || kind == FailureKind::LastRound;
}

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
        case FailureKind::CannotWriteFolder:
            return text(u"フォルダに書き込めません", u"cannot write into the folder");
        case FailureKind::NotAFile:
            return text(u"通常のファイルではありません", u"not a regular file");
        case FailureKind::ChangedElsewhere:
            return text(u"データがほかのプログラムで変更されました",
                        u"another program changed the data files");
        case FailureKind::LastRound:
            return text(u"第 32766 回より後の回は登録できません",
                        u"no round after round 32766 can be registered");
        case FailureKind::Unexpected:
            break;
    }
    return text(u"予期しないエラーが発生しました", u"unexpected error");
}

Failure::Failure(FailureKind kind, QString fileName)
    : kind_(kind), fileName_(std::move(fileName)), what_(message().toUtf8()) {}

QString Failure::message() const {
    QString text = describe(kind_);
    if (!fileName_.isEmpty()) text += QStringLiteral(": ") + fileName_;
    // What the user does next, where the window cannot do it for them.
    if (kind_ == FailureKind::ChangedElsewhere)
        text += QStringLiteral("\nもう一度開いてからやり直してください。");
    return text;
}

const char* Failure::what() const noexcept {
    return what_.constData();
}

}  // namespace k4
