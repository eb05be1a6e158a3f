#include "controls.h"
#include "message_box_answer.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "shell/form1.h"
#include "test_registry.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

class MainWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> window;

    template <typename T> T *control(const char *name) const
    {
        return ::control<T>(window.get(), QString::fromLatin1(name));
    }
    QString text(const char *name) const { return control<QLabel>(name)->text(); }
    QScrollBar *slider(int n) const
    {
        return control<QScrollBar>(QStringLiteral("HBildlauf%1").arg(n).toLatin1().constData());
    }
    QStringList digitLabels() const
    {
        return {text("Bezeichnung1"), text("Bezeichnung2"), text("Bezeichnung3"),
                text("Bezeichnung4")};
    }

private Q_SLOTS:
    void init()
    {
        Clock::setFixed(QDateTime(QDate(2014, 5, 3), QTime(10, 0)));
        window = std::make_unique<Form1>();
        window->show();
    }
    void cleanup()
    {
        window.reset();
        Clock::setSystem();
    }

    void numberFieldOpensOnTheCurrentYear_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QStringList>("digits");
        QTest::addColumn<QString>("numeral");
        QTest::newRow("2014") << 2014 << QStringList{"2", "0", "1", "4"} << " M M X I V ";
        QTest::newRow("2026") << 2026 << QStringList{"2", "0", "2", "6"} << " M M X X V I ";
    }
    void numberFieldOpensOnTheCurrentYear()
    {
        QFETCH(int, year);
        QFETCH(QStringList, digits);
        QFETCH(QString, numeral);
        Clock::setFixed(QDateTime(QDate(year, 12, 8), QTime(13, 30)));
        window = std::make_unique<Form1>();
        QCOMPARE(digitLabels(), digits);
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(slider(n)->value(), digits.at(n - 1).toInt());
        QCOMPARE(text("feld1"), numeral);
    }

    void slidersComposeTheNumeralOfAllFourDigits()
    {
        for (int n = 1; n <= 4; ++n)
            slider(n)->setValue(0);
        QCOMPARE(text("feld1"), QStringLiteral(" "));
        QCOMPARE(digitLabels(), (QStringList{"0", "0", "0", "0"}));

        for (int n = 1; n <= 4; ++n)
            slider(n)->setValue(99);
        QCOMPARE(digitLabels(), (QStringList{"3", "9", "9", "9"}));
        QCOMPARE(text("feld1"), QStringLiteral(" M M M C M X C I X "));

        for (int n = 1; n <= 4; ++n)
            slider(n)->setValue(0);
        slider(2)->setValue(4);
        QCOMPARE(text("feld1"), QStringLiteral(" C D "));
        QCOMPARE(digitLabels(), (QStringList{"0", "4", "0", "0"}));
    }

    void oneStepOfASliderChangesItsOwnDigitAndTheWholeNumeral()
    {
        slider(3)->triggerAction(QAbstractSlider::SliderSingleStepAdd); // 2014 -> 2024
        QCOMPARE(digitLabels(), (QStringList{"2", "0", "2", "4"}));
        QCOMPARE(text("feld1"), QStringLiteral(" M M X X I V "));
        slider(3)->triggerAction(QAbstractSlider::SliderPageStepAdd); // clicks in the track
        QCOMPARE(slider(3)->value(), 3);
    }

    void numeralFollowsTheThumbWhileItIsDragged()
    {
        QScrollBar *ones = slider(4);
        ones->setSliderDown(true);
        for (int position : {5, 6, 9}) {
            ones->setSliderPosition(position);
            QCOMPARE(text("Bezeichnung4"), QString::number(position));
            QCOMPARE(text("feld1"),
                     QString::fromStdString(" M M X " + std::string(position == 9   ? "I X "
                                                                    : position == 5 ? "V "
                                                                                    : "V I ")));
        }
        ones->setSliderDown(false);
        QCOMPARE(text("Bezeichnung4"), QStringLiteral("9"));
    }

    void sliderRangesStopAtThreeAndNine()
    {
        QCOMPARE(slider(1)->minimum(), 0);
        QCOMPARE(slider(1)->maximum(), 3);
        for (int n = 2; n <= 4; ++n) {
            QCOMPARE(slider(n)->minimum(), 0);
            QCOMPARE(slider(n)->maximum(), 9);
        }
    }

    void windowHasItsSizeTitleDesktopEntryAndHiddenNumeralTables()
    {
        QCOMPARE(window->size(), QSize(682, 435));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->windowTitle(), QStringLiteral("Römische Zahlzeichen"));
        // The installed entry's name, org.zahlzeichen.zahlzeichen.desktop, less its ending.
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.zahlzeichen.zahlzeichen"));
        const int counts[] = {4, 10, 10, 10};
        for (int n = 1; n <= 4; ++n) {
            auto *list =
                control<QListWidget>(QStringLiteral("Liste%1").arg(n).toLatin1().constData());
            QVERIFY(!list->isVisible());
            QCOMPARE(list->count(), counts[n - 1]);
            QCOMPARE(list->item(0)->text(), QString());
        }
        QCOMPARE(control<QListWidget>("Liste2")->item(9)->text(), QStringLiteral("CM"));
        QVERIFY(control<QLabel>("feld1")->isVisible());
        QVERIFY(control<QLabel>("Bezeichnung15")->isVisible());
    }

    void introductionIsKeptWithCrLfAndShownWithLineBreaks()
    {
        const QString intro = caption(control<QLabel>("Bezeichnung15"));
        QVERIFY(intro.startsWith(QStringLiteral("\r\nDie römischen Zahlzeichen\r\n")));
        QVERIFY(intro.endsWith(QStringLiteral("zusammensetzen.\r\n")));
        QVERIFY(!text("Bezeichnung15").contains(QLatin1Char('\r')));
        QVERIFY(text("Bezeichnung11").contains(QStringLiteral(ZAHLZEICHEN_VERSION)));
    }

    // The menus that Qt itself draws, with their key names, speak German like the program.
    void qtsOwnMenusSpeakGerman()
    {
        for (const auto &[name, german] : {std::pair{"HBildlauf1", "Hierher scrollen"},
                                           {"Text3", "Einfügen"},
                                           {"Liste7", "Hierher scrollen"}}) {
            QWidget *widget = control<QWidget>(name);
            if (!widget->isEnabled()) { // in the editor
                window->Befehl26_Click();
                afterHandlerReturned();
            }
            if (auto *list = qobject_cast<QListWidget *>(widget))
                widget = list->verticalScrollBar();
            // A menu is either run at once or popped up and left open; read it either way.
            QString menu;
            const auto readMenu = [&menu] {
                if (auto *open = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                    for (const QAction *action : open->actions())
                        menu += action->text().remove(QLatin1Char('&')) + QLatin1Char('|');
                    open->close();
                }
            };
            const QObject thisCase; // the timer goes with it
            QTimer::singleShot(0, &thisCase, readMenu);
            QContextMenuEvent asked(QContextMenuEvent::Mouse, {}, widget->mapToGlobal(QPoint()));
            QApplication::sendEvent(widget, &asked);
            readMenu();
            QVERIFY2(menu.contains(QString::fromUtf8(german)), qPrintable(menu));
            for (const char *english : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select",
                                        "Ctrl", "Scroll", "edge", "Page", "Top", "Bottom"})
                QVERIFY2(!menu.contains(QLatin1String(english)), qPrintable(menu));
        }
    }

    void quitQuestionAnsweredNoKeepsEverything()
    {
        MessageBoxAnswer answer(QStringLiteral("Nein"));
        QTest::mouseClick(control<QPushButton>("Befehl1"), Qt::LeftButton);
        QVERIFY(answer.seen());
        QCOMPARE(answer.text, QStringLiteral("Das Programm jetzt beenden?"));
        QCOMPARE(answer.title, QStringLiteral("Römische Zahlzeichen"));
        QCOMPARE(answer.buttons.size(), 2);
        QVERIFY(answer.buttons.contains(QStringLiteral("Ja")));
        QVERIFY(answer.buttons.contains(QStringLiteral("Nein")));
        QCOMPARE(answer.icon, QMessageBox::Question);
        QCOMPARE(answer.defaultButton, QStringLiteral("Nein"));
        QCOMPARE(answer.escapeButton, QStringLiteral("Nein"));
        QVERIFY(window->isVisible());
        QCOMPARE(text("feld1"), QStringLiteral(" M M X I V "));
    }

    void quitQuestionAnsweredEscapeOrYes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Escape keeps the program")
            << QString::fromLatin1(MessageBoxAnswer::Escape) << false;
        QTest::newRow("Ja ends the program") << QStringLiteral("Ja") << true;
    }
    void quitQuestionAnsweredEscapeOrYes()
    {
        QFETCH(QString, button);
        QFETCH(bool, ends);
        MessageBoxAnswer answer(button);
        QTimer::singleShot(0, window.get(), &Form1::Befehl1_Click);
        // If the program goes on, this later exit code is what the loop returns.
        QTimer::singleShot(2000, [] { QCoreApplication::exit(7); });
        const int status = QApplication::exec();
        QVERIFY(answer.seen());
        QCOMPARE(status, ends ? 0 : 7);
    }
};

ZAHLZEICHEN_TEST(MainWindowTest)
#include "main_window_test.moc"
