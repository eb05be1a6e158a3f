#include "platform/assets.h"
#include "test_registry.h"
#include "widgets/picture_box.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <utility>

// The pictures reach the program as bitmaps that the build draws from the SVGs in src/assets.
class PicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The column's SVG is 81 x 81; the build draws it at that size and at twice that.
    void picturesComeAtTheirOwnSizeAndTwiceThat()
    {
        QCOMPARE(picturePixmap(QStringLiteral("column"), 1).size(), QSize(81, 81));
        const QPixmap doubled = picturePixmap(QStringLiteral("column"), 2);
        QCOMPARE(doubled.size(), QSize(162, 162));
        QCOMPARE(doubled.deviceIndependentSize(), QSizeF(81, 81));
    }

    // A screen between the drawn ratios takes the next larger bitmap, scaled down; one beyond
    // them all, the largest.
    void screensBetweenTheDrawnRatiosTakeTheNextLargerBitmap_data()
    {
        QTest::addColumn<double>("screen");
        QTest::addColumn<double>("drawn");
        for (const auto &[screen, drawn] :
             {std::pair{0.75, 1.0}, {1.0, 1.0}, {1.1, 1.25}, {1.75, 2.0}, {2.5, 3.0}, {4.0, 3.0}})
            QTest::addRow("%g", screen) << screen << drawn;
    }
    void screensBetweenTheDrawnRatiosTakeTheNextLargerBitmap()
    {
        QFETCH(double, screen);
        QFETCH(double, drawn);
        QCOMPARE(drawnRatioFor(screen), drawn);
    }

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

    // The SVG's rounded square is filled with #80ffff; its corner lies outside it.
    void windowIconHasTheSizesX11AsksForDrawnFromItsSvg()
    {
        const QIcon icon = windowIcon();
        QCOMPARE(icon.availableSizes().size(), 4);
        for (const int side : {16, 32, 64, 128}) {
            const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage();
            QCOMPARE(image.size(), QSize(side, side));
            QCOMPARE(image.pixelColor(side / 2, side / 10), QColor(0x80, 0xff, 0xff));
            QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        }
    }
};

ZAHLZEICHEN_TEST(PicturesTest)
#include "pictures_test.moc"
