#include "test_registry.h"
#include "widgets/picture_box.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <algorithm>

class PictureBoxTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // At the screen's device pixel ratio (CTest runs this at the common ones) a box shows its
    // SVG as drawn straight at that ratio, corner on the nearest device pixel: not another
    // ratio's bitmap stretched (blurred or soft, 40 steps of 255 and more apart).
    void pictureBoxesAreSharpAtTheScreensRatio_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QRect>("box");   // in its window, at uneven places
        QTest::addColumn<QRect>("place"); // of the picture in the window
        QTest::newRow("column") << "column" << QRect(24, 264, 81, 81) << QRect(24, 264, 81, 81);
        QTest::newRow("tablet") << "tablet" << QRect(161, 41, 89, 81) << QRect(161, 41, 89, 81);
        QTest::newRow("small") << "column-small" << QRect(17, 3, 73, 65) << QRect(21, 3, 65, 65);
    }

    void pictureBoxesAreSharpAtTheScreensRatio()
    {
        QFETCH(QString, picture);
        QFETCH(QRect, box);
        QFETCH(QRect, place);
        QWidget window;
        window.setPalette(QPalette(Qt::white)); // like the box: a pixel past it is not wrong
        (new PictureBox(picture, Qt::white, &window))->setGeometry(box);
        window.show();
        const qreal ratio = window.devicePixelRatio();
        QImage difference((QSizeF(place.size()) * ratio).toSize(), QImage::Format_RGB32);
        difference.fill(Qt::white);
        QPainter painter(&difference);
        QSvgRenderer(QFINDTESTDATA("../../src/assets/" + picture.section('-', 0, 0) + ".svg"))
            .render(&painter, QRectF(difference.rect()));
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        const QPoint corner = (QPointF(place.topLeft()) * ratio).toPoint();
        painter.drawImage(QRectF(difference.rect()), window.grab().toImage(),
                          QRectF(QRect(corner, difference.size())));
        painter.end();
        const auto *pixels = reinterpret_cast<const QRgb *>(difference.constBits());
        QVERIFY(
            std::all_of(pixels, pixels + difference.width() * difference.height(), [](QRgb pixel) {
                return qMax(qMax(qRed(pixel), qGreen(pixel)), qBlue(pixel)) <= 8;
            }));
    }
};

ZAHLZEICHEN_TEST(PictureBoxTest)
#include "picture_box_test.moc"
