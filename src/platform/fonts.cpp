#include "platform/fonts.h"

#include <QStringList>
#ifdef Q_OS_WIN
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#endif

static void installSubstitutes()
{
    static const bool installed = [] {
#ifdef Q_OS_WIN
        // Windows has none of these faces: the program brings them in its folder, so that its
        // texts are set in the faces they are measured with and fit wherever it runs.
        const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
        for (const QString &file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
            QFontDatabase::addApplicationFont(fonts.filePath(file));
#endif
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("sans-serif")});
        QFont::insertSubstitutions(QStringLiteral("Courier New"),
                                   {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                    QStringLiteral("monospace")});
        QFont::insertSubstitutions(QStringLiteral("Verdana"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
        return true;
    }();
    Q_UNUSED(installed);
}

static QFont boldFont(const char *family, QFont::StyleHint hint, qreal pointSize)
{
    installSubstitutes();
    // Asked for by its substitutes: for a family that the font database lacks, Qt first has
    // fontconfig sort all installed fonts as fallbacks for that name (once a family, a large
    // share of start-up), only to take the substitute that it tries next.
    QFont font;
    font.setFamilies(QFont::substitutes(QString::fromLatin1(family)));
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    // Every text of the program is German in faces that hold all its letters, so no glyph
    // is ever taken from another face. Without merging, Qt also skips the fallback list that
    // fontconfig would sort for each face when it is first loaded.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont sansFont(qreal pointSize)
{
    return boldFont("MS Sans Serif", QFont::SansSerif, pointSize);
}

QFont fixedFont(qreal pointSize)
{
    return boldFont("Courier New", QFont::Monospace, pointSize);
}

QFont wideFont(qreal pointSize)
{
    return boldFont("Verdana", QFont::SansSerif, pointSize);
}
