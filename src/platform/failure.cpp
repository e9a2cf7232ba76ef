#include "platform/failure.h"

#include "platform/numbers.h"

namespace k4 {

bool isRefusal(FailureKind kind) {
    return kind == FailureKind::ChangedElsewhere || kind == FailureKind::CounterFull ||
           kind == FailureKind::BadRow || kind == FailureKind::PrizeDisagrees ||
           kind == FailureKind::NotOpened;
}

QString describe(FailureKind kind, Language language) {
    switch (kind) {
        case FailureKind::FileNotFound:
            return inLanguage(language, u"ファイルが見つかりません", u"file not found");
        case FailureKind::CannotOpen:
            return inLanguage(language, u"ファイルを開けません", u"cannot open the file");
        case FailureKind::ReadPastEnd:
            return inLanguage(language, u"ファイルの終わりを越えて読み込もうとしました",
                              u"the file ends too early");
        case FailureKind::CannotWrite:
            return inLanguage(language, u"ファイルに書き込めません", u"cannot write the file");
        case FailureKind::Overflow:
            return inLanguage(language, u"オーバーフローしました", u"a number is too large");
        case FailureKind::FolderInUse:
            return inLanguage(language, u"ほかのプログラムがデータフォルダーに書き込んでいます",
                              u"another program is writing into the data folder");
        case FailureKind::CannotWriteFolder:
            return inLanguage(language, u"フォルダーに書き込めません",
                              u"cannot write into the folder");
        case FailureKind::NotAFile:
            return inLanguage(language, u"通常のファイルではありません", u"not a regular file");
        case FailureKind::ChangedElsewhere:
            return inLanguage(language, u"データがほかのプログラムで変更されました",
                              u"another program changed the data files");
        case FailureKind::CounterFull:
            return inLanguage(language, QStringLiteral("第 %1 回より後の回は登録できません"),
                              QStringLiteral("no round after round %1 can be registered"))
                .arg(kLargestCounter);
        case FailureKind::BadRow:
            return inLanguage(language, u"ファイルに読めない行があります",
                              u"the file holds a row that does not read");
        case FailureKind::PrizeDisagrees:
            return inLanguage(language, u"当せん金が記録済みの額と合いません",
                              u"a prize differs from the one kept");
        case FailureKind::NotOpened:
            return inLanguage(language, u"開くプログラムが見つかりません",
                              u"no program could open it");
        case FailureKind::Unexpected:
            break;
    }
    return inLanguage(language, u"予期しないエラーが発生しました", u"unexpected error");
}

Failure::Failure(FailureKind kind, QString fileName, QString detail)
    : kind_(kind),
      fileName_(std::move(fileName)),
      detail_(std::move(detail)),
      what_(message().toUtf8()) {}

QString Failure::message() const {
    QString text = describe(kind_);
    if (!fileName_.isEmpty()) text += QStringLiteral(": ") + fileName_;
    if (!detail_.isEmpty()) text += u'\n' + detail_;
    // What the user does next, where the window cannot do it for them.
    if (kind_ == FailureKind::ChangedElsewhere)
        text += QStringLiteral("\nもう一度開いてからやり直してください。");
    if (kind_ == FailureKind::NotOpened) text += QStringLiteral("\n手動で開いてください。");
    return text;
}

const char* Failure::what() const noexcept {
    return what_.constData();
}

}  // namespace k4
