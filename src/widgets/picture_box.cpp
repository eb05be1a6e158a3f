#include "widgets/picture_box.h"

#include "platform/assets.h"
#include "platform/colours.h"

#include <QPainter>

PictureBox::PictureBox(const QString &pictureName, const QColor &colour, QWidget *parent)
    : QWidget(parent), pictureName(pictureName)
{
    setBackground(this, colour);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    // Boxes out of sight are never painted, so only the pictures in sight are ever read.
    const qreal ratio = devicePixelRatio();
    if (picture.isNull() || !qFuzzyCompare(picture.devicePixelRatio(), ratio))
        picture = picturePixmap(pictureName, ratio);

    // Centred in the box at the size it was drawn for, its corner on a whole device pixel:
    // the bitmap lands on the screen pixel for pixel, also where a device-independent pixel
    // is a fraction of device pixels.
    const QSize ownSize = (QSizeF(picture.size()) / ratio).toSize();
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    const QPointF corner = toDevice.map(
        QPointF((width() - ownSize.width()) / 2.0, (height() - ownSize.height()) / 2.0));
    painter.setWorldTransform(toDevice.inverted());
    painter.drawPixmap(QRect(corner.toPoint(), picture.size()), picture, picture.rect());
}
