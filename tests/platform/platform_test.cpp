#include "platform/caption.h"
#include "platform/lenient_number.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "platform/window_frame.h"
#include "test_registry.h"

#include <QLabel>
#include <QTest>
#include <QWindow>

class PlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twipsBecomeWholePixels_data()
    {
        QTest::addColumn<int>("twipsValue");
        QTest::addColumn<int>("pixels");
        QTest::newRow("main width") << 10230 << 682;
        QTest::newRow("main height") << 6525 << 435;
        QTest::newRow("memo height") << 7005 << 467;
        QTest::newRow("table column 8") << 7000 << 467;
        QTest::newRow("first table line") << 50 << 3;
        QTest::newRow("above the panel") << -200 << -13;
    }
    void twipsBecomeWholePixels()
    {
        QFETCH(int, twipsValue);
        QFETCH(int, pixels);
        QCOMPARE(twips(twipsValue), pixels);
    }

    void captionKeepsCarriageReturnsAndShowsLineBreaks()
    {
        QLabel label;
        setCaption(&label, QStringLiteral("VII\r\r\r\rVII"));
        QCOMPARE(label.text(), QStringLiteral("VII\n\n\n\nVII"));
        QCOMPARE(caption(&label), QStringLiteral("VII\r\r\r\rVII"));
        setCaption(&label, QStringLiteral("\r\nintro\r\n"));
        QCOMPARE(label.text(), QStringLiteral("\nintro\n"));
        QCOMPARE(caption(&label), QStringLiteral("\r\nintro\r\n"));
        label.setText(QStringLiteral("plain")); // set around the helper: the label's text wins
        QCOMPARE(caption(&label), QStringLiteral("plain"));
    }

    void captionNumbersAreReadLenientlyAndRaisedAsPlainDecimal_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("raised");
        QTest::newRow("zero") << "0" << 0 << "1";
        QTest::newRow("empty") << "" << 0 << "1";
        QTest::newRow("leading blanks") << "  41" << 41 << "42";
        QTest::newRow("digits up to a letter") << "12abc" << 12 << "13";
        QTest::newRow("no digits") << "abc" << 0 << "1";
        QTest::newRow("a numeral counts as 0") << "XL" << 0 << "1";
        QTest::newRow("blanks only") << "   " << 0 << "1";
        QTest::newRow("minus sign") << "-2" << -2 << "-1";
        QTest::newRow("largest int stays") << "2147483647" << 2147483647 << "2147483647";
        QTest::newRow("beyond int stays at its limit")
            << "99999999999999999999999" << 2147483647 << "2147483647";
        QTest::newRow("far below int")
            << "-99999999999999999999" << -2147483647 - 1 << "-2147483647";
    }

    void captionNumbersAreReadLenientlyAndRaisedAsPlainDecimal()
    {
        QFETCH(QString, caption);
        QFETCH(int, count);
        QFETCH(QString, raised);
        QCOMPARE(lenientNumber(caption.toStdString()), count);
        QCOMPARE(QString::fromStdString(raisedNumber(caption.toStdString())), raised);
    }

    // Maximised as Qt's own title bar on Wayland does, whatever the window's flags say: the
    // window takes the size it is given until it is back to normal, then keeps its own.
    void fixedWindowsTakeTheSizeTheyAreMaximisedToUntilBackToNormal()
    {
        QWidget window;
        setUpFixedWindow(&window, QSize(300, 200), QStringLiteral("Fenster"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            window.windowHandle()->setWindowStates(state);
            QCOMPARE(window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
            window.windowHandle()->setWindowStates(Qt::WindowNoState);
            QTRY_COMPARE(window.size(), QSize(300, 200));
            QCOMPARE(window.maximumSize(), QSize(300, 200));
        }
    }

    void reseedingWithTheSameTimeRepeatsTheDraws()
    {
        RandomSource first;
        RandomSource second;
        first.seed(49530.125);
        second.seed(49530.125);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(first.between(1, 3999), second.between(1, 3999));
        second.seed(49530.126);
        int same = 0;
        for (int i = 0; i < 100; ++i)
            same += first.between(1, 3999) == second.between(1, 3999);
        QVERIFY(same < 10);
    }

    void drawsStayWithinTheirBounds()
    {
        RandomSource random(42);
        bool sawLow = false;
        bool sawHigh = false;
        for (int i = 0; i < 20000; ++i) {
            const double r = random.fraction();
            QVERIFY(r >= 0.0 && r < 1.0);
            const int n = random.between(0, 9);
            QVERIFY(n >= 0 && n <= 9);
            sawLow |= n == 0;
            sawHigh |= n == 9;
        }
        QVERIFY(sawLow && sawHigh);
    }
};

ZAHLZEICHEN_TEST(PlatformTest)
#include "platform_test.moc"
