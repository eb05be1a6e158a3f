#include "platform/assets.h"

#include <QImageReader>

// A PNG compiled into the program, by its file name in assets/.
static QPixmap readPicture(const QString &fileName)
{
    // The pictures are compiled into a static library, whose resource initialiser the
    // linker would drop unless something calls it.
    static const bool loaded = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    Q_UNUSED(loaded);
    // Told that it is a PNG, the reader uses Qt's own PNG reader at once; left to detect the
    // format, it would first load every image format plugin to ask whether it reads PNG.
    QImageReader reader(QStringLiteral(":/assets/") + fileName, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QPixmap picturePixmap(const QString &pictureName, int scale)
{
    QPixmap picture =
        readPicture(pictureName + (scale > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
    picture.setDevicePixelRatio(scale);
    return picture;
}

QIcon windowIcon()
{
    // The sizes that X11 asks of a scalable icon, each drawn at build time, none scaled.
    QIcon icon;
    for (const int side : {16, 32, 64, 128})
        icon.addPixmap(readPicture(QStringLiteral("zahlzeichen-%1.png").arg(side)));
    return icon;
}
