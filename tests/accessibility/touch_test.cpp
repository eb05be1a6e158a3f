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

// A gesture: "tap", "thumb end" (a slider's thumb dragged to its end), or "drag" onto a control.
struct Touch {
    const char *what, *window, *tapsBefore, *touched, *gesture, *watched, *expected;
};
const Touch touches[] = {
    {"main window: a tap on a button opens its exercise", "", "", "Befehl2", "tap", "Bild4",
     "2160"},
    {"reading exercise: taps on the keys 0 and 3 type 03", "", "Befehl2 Befehl23", "Befehl16",
     "tap", "Text2", "03"},
    {"number field: the ones thumb dragged to its end sets 9", "", "", "HBildlauf4", "thumb end",
     "Bezeichnung4", "9"},
    {"memory game: a tap turns the first card", "memo", "", "Bezeichnung1", "tap", "Bezeichnung23",
     "1"},
    {"pair game: a numeral tapped, then its number", "Form2", "Bezeichnung13", "Bezeichnung4",
     "tap", "Bezeichnung13", ""},
    {"pair game: a numeral dragged onto its number", "Form2", "", "Bezeichnung13",
     "drag Bezeichnung4", "Bezeichnung19", "1"},
    {"pair game: a numeral dragged onto another number stays", "Form2", "", "Bezeichnung13",
     "drag Bezeichnung5", "Bezeichnung13", "IV"},
    {"pair game: a numeral dragged onto another numeral stays", "Form2", "", "Bezeichnung13",
     "drag Bezeichnung14", "Bezeichnung19", "0"},
};

QString state(const QWidget *widget)
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

Q_DECLARE_METATYPE(Touch)

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
        QTest::addColumn<Touch>("touch");
        // The pair board holds the numbers 1 to 9; its numerals in character order put "IV",
        // which belongs on the fourth number, on the fourth lower label, Bezeichnung13.
        for (const Touch &touch : touches)
            QTest::newRow(touch.what) << touch;
    }
    void everyWindowWorksByTouchAlone()
    {
        QFETCH(Touch, touch);
        const QString window = QString::fromLatin1(touch.window);
        if (window == QLatin1String("memo"))
            mainWindow->Befehl24_Click();
        if (window == QLatin1String("Form2")) {
            mainWindow->Befehl25_Click();
            layPairBoard(*qobject_cast<Form2 *>(topLevel(window)), {1, 2, 3, 4, 5, 6, 7, 8, 9});
        }
        QWidget *shown = window.isEmpty() ? mainWindow.get() : topLevel(window);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const auto at = [shown](const QString &name) {
            return centreIn(shown, control(shown, name));
        };

        for (const QString &name :
             QString::fromLatin1(touch.tapsBefore).split(' ', Qt::SkipEmptyParts))
            touchDrag(shown, at(name), at(name));
        const QString touched = QString::fromLatin1(touch.touched);
        const QString gesture = QString::fromLatin1(touch.gesture);
        if (gesture == QLatin1String("tap")) {
            touchDrag(shown, at(touched), at(touched));
        } else if (gesture == QLatin1String("thumb end")) {
            auto *slider = control<QScrollBar>(shown, touched);
            QStyleOptionSlider option;
            option.initFrom(slider);
            option.orientation = Qt::Horizontal;
            option.maximum = slider->maximum();
            option.sliderPosition = slider->value();
            const QPoint thumb = slider->style()
                                     ->subControlRect(QStyle::CC_ScrollBar, &option,
                                                      QStyle::SC_ScrollBarSlider, slider)
                                     .center();
            touchDrag(shown, slider->mapTo(shown, thumb),
                      slider->mapTo(shown, QPoint(slider->width() - 1, thumb.y())));
        } else {
            touchDrag(shown, at(touched), at(gesture.section(' ', 1)));
        }
        QCOMPARE(state(control(shown, QString::fromLatin1(touch.watched))),
                 QString::fromUtf8(touch.expected));
    }
};

ZAHLZEICHEN_TEST(TouchTest)
#include "touch_test.moc"
