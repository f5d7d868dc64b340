#include "platform/qt/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace korvane::platform {

bool InstallQtTranslation(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // "qt_pt_BR" gathers the modules' catalogues (qtbase among them).
    if (!translator->load("qt_pt_BR", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace korvane::platform
