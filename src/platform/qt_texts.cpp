#include "platform/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool loadQtTextsInGerman()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto *catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(QStringLiteral("qtbase_de"), folder) &&
        QCoreApplication::installTranslator(catalogue))
        return true;
    delete catalogue;
    qWarning("Qt's German texts (qtbase_de.qm) are missing in %s", qPrintable(folder));
    return false;
}
