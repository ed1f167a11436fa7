#include "window/german_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installGermanQtTexts(QCoreApplication &application) {
    auto *translator = new QTranslator(&application);
    if (!translator->load("qtbase_de", QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
