#include "platform/picture_box.h"

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
    const int scale = devicePixelRatio() > 1 ? 2 : 1;
    if (picture.isNull() || picture.devicePixelRatio() != scale)
        picture = picturePixmap(pictureName, scale);

    QSizeF size = picture.deviceIndependentSize();
    size.scale(QSizeF(rect().size()), Qt::KeepAspectRatio);
    const QPointF corner((width() - size.width()) / 2, (height() - size.height()) / 2);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(corner, size), picture, QRectF(picture.rect()));
}
