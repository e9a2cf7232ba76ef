#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace k4 {
namespace {

const QString kJapaneseCatalog = QStringLiteral("qtbase_ja");
// Where the Windows build embeds the catalog.
const QString kEmbeddedFolder = QStringLiteral(":/qt-translations");

}  // namespace

bool installQtTranslation(Language language) {
    if (language != Language::Japanese) return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if ((translator->load(kJapaneseCatalog, kEmbeddedFolder) ||
         translator->load(kJapaneseCatalog, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace k4
