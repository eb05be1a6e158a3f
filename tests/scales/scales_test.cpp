#include "controls.h"
#include "shell/form1.h"
#include "test_registry.h"

#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>

// Every picture is drawn for the device pixel ratio of its screen: its device pixels are its
// SVG drawn straight at that ratio, not a bitmap for another ratio stretched to fit (blurred
// or soft). CTest runs this at the ratios screens commonly have.
class ScalesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picturesAreDrawnForTheScreensRatio_data()
    {
        QTest::addColumn<QString>("button"); // brings the box into sight; none at start
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("svg");
        QTest::addColumn<QRect>("place"); // of the picture in its box
        QTest::newRow("column") << ""
                                << "Bild6"
                                << "column.svg" << QRect(0, 0, 81, 81);
        QTest::newRow("tablet") << "Befehl2"
                                << "Bild5"
                                << "tablet.svg" << QRect(0, 0, 89, 81);
        QTest::newRow("editor") << "Befehl26"
                                << "Bild8"
                                << "column.svg" << QRect(4, 0, 65, 65);
    }

    void picturesAreDrawnForTheScreensRatio()
    {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(QString, svg);
        QFETCH(QRect, place);
        Form1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (!button.isEmpty())
            QTest::mouseClick(control<QPushButton>(&window, button), Qt::LeftButton);
        const QWidget *picture = control(&window, box);

        // The SVG drawn at the picture's place on the screen (its corner on the nearest device
        // pixel, its size rounded to whole ones), less what the program shows there.
        const qreal ratio = window.devicePixelRatio();
        QImage difference((QSizeF(place.size()) * ratio).toSize(), QImage::Format_RGB32);
        difference.fill(picture->palette().color(QPalette::Window));
        QPainter painter(&difference);
        QSvgRenderer(QStringLiteral(ZAHLZEICHEN_ASSETS_DIR "/") + svg)
            .render(&painter, QRectF(difference.rect()));
        QImage seen = window.grab().toImage();
        seen.setDevicePixelRatio(1); // its pixels taken one for one
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        const QPointF corner = QPointF(picture->mapTo(&window, place.topLeft())) * ratio;
        painter.drawImage(QPoint(), seen, QRect(corner.toPoint(), difference.size()));
        painter.end();

        // Edges drawn on the background and on transparency first differ by a few steps; a
        // bitmap stretched from another ratio differs by 40 and more.
        int largest = 0;
        for (int y = 0; y < difference.height(); ++y) {
            for (int x = 0; x < difference.width(); ++x) {
                const QRgb pixel = difference.pixel(x, y);
                largest = std::max({largest, qRed(pixel), qGreen(pixel), qBlue(pixel)});
            }
        }
        QVERIFY2(largest <= 8, qPrintable(QStringLiteral("differs by %1").arg(largest)));
    }
};

ZAHLZEICHEN_TEST(ScalesTest)
#include "scales_test.moc"
