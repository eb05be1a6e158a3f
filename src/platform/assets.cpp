#include "platform/assets.h"

static void ensureAssetsLoaded()
{
    // The pictures are compiled into a static library, whose resource initialiser the
    // linker would drop unless something calls it.
    static const bool loaded = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    Q_UNUSED(loaded);
}

QString assetPath(const QString &fileName)
{
    ensureAssetsLoaded();
    return QStringLiteral(":/assets/") + fileName;
}

QIcon windowIcon()
{
    return QIcon(assetPath(QStringLiteral("zahlzeichen.svg")));
}
