#include "platform/assets.h"
#include "test_registry.h"

#include <QTest>

// The pictures reach the program as bitmaps that the build draws from the SVGs in src/assets;
// their sizes come from those files and from the boxes that show them.
class PicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picturesHaveTheirOwnSizeAndTwiceThat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("column, 81 x 81 in its SVG") << "column" << QSize(81, 81);
        QTest::newRow("tablet, 89 x 81 in its SVG") << "tablet" << QSize(89, 81);
        QTest::newRow("the editor's column, its box 975 twips high")
            << "column-small" << QSize(65, 65);
    }
    void picturesHaveTheirOwnSizeAndTwiceThat()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QPixmap single = picturePixmap(name, 1);
        QCOMPARE(single.size(), size);
        const QPixmap doubled = picturePixmap(name, 2);
        QCOMPARE(doubled.size(), size * 2);
        QCOMPARE(doubled.deviceIndependentSize(), QSizeF(size));
    }

    void windowIconHasTheSizesX11AsksOfAScalableIconWithItsColours()
    {
        const QIcon icon = windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        QCOMPARE(sizes.size(), 4);
        for (const int side : {16, 32, 64, 128}) {
            QVERIFY(sizes.contains(QSize(side, side)));
            const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage();
            QCOMPARE(image.size(), QSize(side, side));
            // The SVG's rounded square is filled with #80ffff inside a 3-unit border (of 64),
            // and its corner lies outside it.
            QCOMPARE(image.pixelColor(side / 2, side / 10), QColor(0x80, 0xff, 0xff));
            QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        }
    }
};

ZAHLZEICHEN_TEST(PicturesTest)
#include "pictures_test.moc"
