#include "controls.h"
#include "pair_board.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "shell/form1.h"
#include "test_registry.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>

// A learner at a touch screen or a whiteboard: a finger alone taps the keys, cards and
// buttons, drags a slider's thumb and a numeral onto its number.
namespace
{

QPointingDevice *const finger = QTest::createTouchDevice();

QPoint centreIn(const QWidget *window, const QWidget *widget)
{
    return widget->mapTo(window, widget->rect().center());
}

// Puts a finger down on one point of the window, moves it in steps as a hand does, lifts it.
void touchDrag(QWidget *window, QPoint from, QPoint to)
{
    QTest::touchEvent(window, finger).press(0, from, window);
    for (int step = 1; step <= 8; ++step)
        QTest::touchEvent(window, finger).move(0, from + (to - from) * step / 8, window);
    QTest::touchEvent(window, finger).release(0, to, window);
}

QString shown(const QWidget *widget)
{
    if (const auto *slider = qobject_cast<const QScrollBar *>(widget))
        return QString::number(slider->value());
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return caption(label);
    return QString::number(widget->x() * 15); // where a panel stands, in twips
}

} // namespace

class TouchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> mainWindow;

private Q_SLOTS:
    void init()
    {
        Clock::setFixed(QDateTime(QDate(2026, 12, 8), QTime(13, 30, 15, 250)));
        mainWindow = std::make_unique<Form1>();
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
    }
    void cleanup()
    {
        mainWindow.reset();
        Clock::setSystem();
    }

    void everyWindowWorksByTouchAlone_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("tapsBefore");
        QTest::addColumn<QString>("touchedName");
        QTest::addColumn<QString>("gesture"); // "tap", or "drag" onto a control or "thumb end"
        QTest::addColumn<QString>("watched");
        QTest::addColumn<QString>("expected");
        // The pair board holds the numbers 1 to 9; its numerals in character order put "IV",
        // which belongs on the fourth number, on the fourth lower label, Bezeichnung13.
        QTest::newRow("main window: a tap on a button opens its exercise")
            << "" << QStringList() << "Befehl2"
            << "tap"
            << "Bild4"
            << "2160";
        QTest::newRow("reading exercise: taps on the keys 0 and 3 type 03")
            << "" << QStringList{"Befehl2", "Befehl23"} << "Befehl16"
            << "tap"
            << "Text2"
            << "03";
        QTest::newRow("number field: the ones thumb dragged to its end sets 9")
            << "" << QStringList() << "HBildlauf4"
            << "thumb end"
            << "Bezeichnung4"
            << "9";
        QTest::newRow("memory game: a tap turns the first card")
            << "memo" << QStringList() << "Bezeichnung1"
            << "tap"
            << "Bezeichnung23"
            << "1";
        QTest::newRow("pair game: a numeral tapped, then its number")
            << "Form2" << QStringList{"Bezeichnung13"} << "Bezeichnung4"
            << "tap"
            << "Bezeichnung13"
            << "";
        QTest::newRow("pair game: a numeral dragged onto its number")
            << "Form2" << QStringList() << "Bezeichnung13"
            << "drag Bezeichnung4"
            << "Bezeichnung19"
            << "1";
        QTest::newRow("pair game: a numeral dragged onto another number stays")
            << "Form2" << QStringList() << "Bezeichnung13"
            << "drag Bezeichnung5"
            << "Bezeichnung13"
            << "IV";
        QTest::newRow("pair game: a numeral dragged onto another numeral stays")
            << "Form2" << QStringList() << "Bezeichnung13"
            << "drag Bezeichnung14"
            << "Bezeichnung19"
            << "0";
    }
    void everyWindowWorksByTouchAlone()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, tapsBefore);
        QFETCH(QString, touchedName);
        QFETCH(QString, gesture);
        QFETCH(QString, watched);
        QFETCH(QString, expected);

        QWidget *shownWindow = mainWindow.get();
        if (window == QLatin1String("memo"))
            mainWindow->Befehl24_Click();
        if (window == QLatin1String("Form2")) {
            mainWindow->Befehl25_Click();
            layPairBoard(*qobject_cast<Form2 *>(topLevel(window)), {1, 2, 3, 4, 5, 6, 7, 8, 9});
        }
        if (!window.isEmpty())
            shownWindow = topLevel(window);
        QVERIFY(QTest::qWaitForWindowExposed(shownWindow));

        const auto tap = [shownWindow](const QString &name) {
            const QPoint point = centreIn(shownWindow, control(shownWindow, name));
            touchDrag(shownWindow, point, point);
        };
        for (const QString &name : tapsBefore)
            tap(name);
        QWidget *touched = control(shownWindow, touchedName);
        if (gesture == QLatin1String("tap")) {
            tap(touchedName);
        } else if (gesture == QLatin1String("thumb end")) {
            auto *slider = qobject_cast<QScrollBar *>(touched);
            QStyleOptionSlider option;
            option.initFrom(slider);
            option.orientation = Qt::Horizontal;
            option.minimum = slider->minimum();
            option.maximum = slider->maximum();
            option.sliderPosition = slider->value();
            const QRect thumb = slider->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                                QStyle::SC_ScrollBarSlider, slider);
            touchDrag(shownWindow, slider->mapTo(shownWindow, thumb.center()),
                      slider->mapTo(shownWindow, QPoint(slider->width() - 1, thumb.center().y())));
        } else {
            touchDrag(shownWindow, centreIn(shownWindow, touched),
                      centreIn(shownWindow, control(shownWindow, gesture.section(' ', 1))));
        }
        QCOMPARE(shown(control(shownWindow, watched)), expected);
    }
};

ZAHLZEICHEN_TEST(TouchTest)
#include "touch_test.moc"
