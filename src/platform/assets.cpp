#include "platform/assets.h"

#include "picture_ratios.h"

#include <QResource>
#include <array>
#include <cstring>
#include <iterator>

// A picture compiled into the program, by its file name in assets/: its width and height as
// two 32-bit numbers, then its pixels, premultiplied ARGB32, as tools/render_picture wrote it.
static QPixmap readPicture(const QString &fileName)
{
    // The pictures are compiled into a static library, whose resource initialiser the
    // linker would drop unless something calls it.
    static const bool loaded = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    Q_UNUSED(loaded);
    const QByteArray data = QResource(QStringLiteral(":/assets/") + fileName).uncompressedData();
    std::array<quint32, 2> size{};
    if (static_cast<std::size_t>(data.size()) < sizeof size)
        return QPixmap();
    std::memcpy(size.data(), data.constData(), sizeof size);
    QImage image(static_cast<int>(size[0]), static_cast<int>(size[1]),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || data.size() != static_cast<qsizetype>(sizeof size) + image.sizeInBytes())
        return QPixmap();
    std::memcpy(image.bits(), data.constData() + sizeof size,
                static_cast<std::size_t>(image.sizeInBytes()));
    return QPixmap::fromImage(std::move(image));
}

double drawnRatioFor(double screenRatio)
{
    for (const double listed : pictureRatios) {
        if (listed > screenRatio || qFuzzyCompare(listed, screenRatio))
            return listed;
    }
    return *std::prev(std::end(pictureRatios));
}

QPixmap picturePixmap(const QString &pictureName, qreal ratio)
{
    const double drawnFor = drawnRatioFor(ratio);
    const QString suffix =
        drawnFor == 1 ? QStringLiteral(".argb") : QStringLiteral("@%1x.argb").arg(drawnFor);
    QPixmap picture = readPicture(pictureName + suffix);
    if (picture.isNull() || qFuzzyCompare(drawnFor, ratio)) {
        picture.setDevicePixelRatio(drawnFor);
        return picture;
    }
    // Scaled once, here, to the size of the box on this screen, so that the box draws it
    // pixel for pixel. The picture's own size is the drawn one divided by its ratio, which
    // rounding has moved by less than half a pixel.
    const QSize ownSize = (QSizeF(picture.size()) / drawnFor).toSize();
    QPixmap scaled = picture.scaled((QSizeF(ownSize) * ratio).toSize(), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

QIcon windowIcon()
{
    // The sizes that X11 asks of a scalable icon, each drawn at build time, none scaled.
    QIcon icon;
    for (const int side : {16, 32, 64, 128})
        icon.addPixmap(readPicture(QStringLiteral("zahlzeichen-%1.argb").arg(side)));
    return icon;
}
