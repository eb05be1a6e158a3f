#include "platform/assets.h"
#include "test_registry.h"

#include <QTest>
#include <utility>

// The pictures reach the program as bitmaps that the build draws from the SVGs in src/assets.
class AssetsTest : public QObject
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

ZAHLZEICHEN_TEST(AssetsTest)
#include "assets_test.moc"
