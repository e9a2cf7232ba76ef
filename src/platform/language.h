#pragma once

#include <QLocale>
#include <QString>

namespace k4 {

// The languages of the program's texts. The windows speak Japanese; the companion command
// speaks Japanese to a Japanese system and English to every other.
enum class Language { Japanese, English };

inline Language systemLanguage() {
    return QLocale::system().language() == QLocale::Japanese ? Language::Japanese
                                                             : Language::English;
}

// The text for `language` of a message written in both: the one way the program says a text in
// two languages.
inline QString inLanguage(Language language, const QString& japanese, const QString& english) {
    return language == Language::Japanese ? japanese : english;
}
inline QString inLanguage(Language language, const char16_t* japanese, const char16_t* english) {
    return QString::fromUtf16(language == Language::Japanese ? japanese : english);
}

}  // namespace k4
