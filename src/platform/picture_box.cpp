#include "platform/picture_box.h"

#include "platform/assets.h"
#include "platform/colours.h"

#include <QPainter>

PictureBox::PictureBox(const QString &assetName, const QColor &colour, QWidget *parent)
    : QWidget(parent), renderer(assetPath(assetName))
{
    setBackground(this, colour);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QSizeF size = renderer.defaultSize();
    size.scale(QSizeF(rect().size()), Qt::KeepAspectRatio);
    const QPointF corner((width() - size.width()) / 2, (height() - size.height()) / 2);
    renderer.render(&painter, QRectF(corner, size));
}
