#include "controls.h"
#include "message_box_answer.h"
#include "platform/clock.h"
#include "platform/twips.h"
#include "shell/form1.h"
#include "test_registry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

// How the main window composes its panels and games: which panel shows where, what the
// open editor keeps out of reach, the Enter key, and leaving and coming back from a game.
class PanelsAndGamesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> window;

    template <typename T = QWidget> T *control(const QString &name) const
    {
        return ::control<T>(window.get(), name);
    }
    void click(const QString &button)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
        afterHandlerReturned();
    }

private Q_SLOTS:
    void init()
    {
        Clock::setFixed(QDateTime(QDate(2026, 12, 8), QTime(13, 30, 15, 250)));
        window = std::make_unique<Form1>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        Clock::setSystem();
    }

    void panelsStartOutsideTheClientAreaInFrontOfTheWindow()
    {
        for (const char *name : {"Bild2", "Bild3", "Bild4", "Bild7"}) {
            QWidget *panel = control(QString::fromLatin1(name));
            QVERIFY2(panel->x() >= window->width(), name);
            QCOMPARE(panel->x(), twips(10800));
        }
        // Later siblings are painted in front: the editor in front of all, panels in front of
        // every control placed on the window.
        const QObjectList children = window->children();
        QCOMPARE(children.indexOf(control("Bild7")), children.size() - 1);
        QVERIFY(children.indexOf(control("Bild3")) > children.indexOf(control("Bezeichnung11")));
    }

    void exerciseButtonsSwapThePanelsInTheWorkArea()
    {
        click(QStringLiteral("Befehl2"));
        QCOMPARE(control("Bild4")->x(), twips(2160));
        QCOMPARE(control("Bild2")->x(), twips(10800));
        QVERIFY(!control<QLabel>(QStringLiteral("Bezeichnung9"))->text().trimmed().isEmpty());

        click(QStringLiteral("Befehl20")); // a digit key: judged, maybe counted
        const QString right = control<QLabel>(QStringLiteral("Bezeichnung12"))->text();
        const QString wrong = control<QLabel>(QStringLiteral("Bezeichnung14"))->text();
        click(QStringLiteral("Befehl3"));
        QCOMPARE(control("Bild4")->x(), twips(10800));
        QCOMPARE(control("Bild2")->x(), twips(2160));
        QCOMPARE(control<QLabel>(QStringLiteral("Bezeichnung12"))->text(), right);
        QCOMPARE(control<QLabel>(QStringLiteral("Bezeichnung14"))->text(), wrong);
        QVERIFY(control<QLabel>(QStringLiteral("Bezeichnung6"))
                    ->text()
                    .startsWith(QStringLiteral("   ")));
    }

    void tableButtonTogglesAndGivesTheNumberFieldBackUnchanged()
    {
        control<QScrollBar>(QStringLiteral("HBildlauf2"))->setValue(7);
        const QString numeral = control<QLabel>(QStringLiteral("feld1"))->text();
        click(QStringLiteral("Befehl4"));
        QCOMPARE(control("Bild3")->x(), twips(2160));
        QCOMPARE(control<QPushButton>(QStringLiteral("Befehl4"))->text(),
                 QStringLiteral("Zahlenfeld"));
        click(QStringLiteral("Befehl4"));
        QCOMPARE(control("Bild3")->x(), twips(10800));
        QCOMPARE(control<QPushButton>(QStringLiteral("Befehl4"))->text(),
                 QStringLiteral("T a b e l l e"));
        QCOMPARE(control<QLabel>(QStringLiteral("feld1"))->text(), numeral);
        QCOMPARE(control<QScrollBar>(QStringLiteral("HBildlauf2"))->value(), 7);
    }

    void openEditorKeepsEveryControlBehindItOutOfReach()
    {
        click(QStringLiteral("Befehl26"));
        QCOMPARE(control("Bild7")->x(), twips(120));
        for (const char *name : {"Befehl1", "Befehl2", "Befehl26", "HBildlauf1", "Bild4"})
            QVERIFY2(!control(QString::fromLatin1(name))->isEnabled(), name);
        // Tab walks only through the editor's own controls.
        control("Text3")->setFocus();
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(control("Bild7")->isAncestorOf(focus), qPrintable(focus->objectName()));
        }
        click(QStringLiteral("Befehl27"));
        QCOMPARE(control("Bild7")->x(), twips(10800));
        QVERIFY(control("Befehl1")->isEnabled());
        QVERIFY(control("HBildlauf1")->isEnabled());
    }

    void enterAddsTheTypedNumberOnlyWhileTheEditorIsOpen_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }
    void enterAddsTheTypedNumberOnlyWhileTheEditorIsOpen()
    {
        QFETCH(int, key);
        auto *entry = control<QLineEdit>(QStringLiteral("Text3"));
        auto *numbers = control<QListWidget>(QStringLiteral("Liste5"));
        entry->setText(QStringLiteral("7"));
        window->activateWindow();
        QTest::keyClick(window.get(), Qt::Key(key));
        QCOMPARE(numbers->count(), 0); // closed: nothing happens

        click(QStringLiteral("Befehl26"));
        entry->setFocus();
        QTest::keyClick(entry, Qt::Key(key));
        QCOMPARE(numbers->count(), 1);
        QCOMPARE(numbers->item(0)->text(), QStringLiteral("   7"));
        QCOMPARE(control<QListWidget>(QStringLiteral("Liste6"))->item(0)->text(),
                 QStringLiteral("VII"));
        QCOMPARE(entry->text(), QString());

        QTest::keyClick(entry, Qt::Key(key)); // empty entry adds nothing
        QCOMPARE(numbers->count(), 1);
    }

    void gamesHideTheMainWindowAndGiveItBackUnchanged_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("game");
        QTest::newRow("memory") << "Befehl24"
                                << "memo";
        QTest::newRow("pairs") << "Befehl25"
                               << "Form2";
    }
    void gamesHideTheMainWindowAndGiveItBackUnchanged()
    {
        QFETCH(QString, opener);
        QFETCH(QString, game);
        click(QStringLiteral("Befehl2"));
        const QString task = control<QLabel>(QStringLiteral("Bezeichnung9"))->text();

        click(opener);
        QWidget *gameWindow = topLevel(game);
        QVERIFY(gameWindow);
        QVERIFY(gameWindow->isVisible());
        QVERIFY(!window->isVisible());
        QVERIFY(gameWindow->parent() == nullptr);

        {
            MessageBoxAnswer answer(QStringLiteral("Ja"));
            QTest::mouseClick(gameWindow->findChild<QPushButton *>(QStringLiteral("Befehl1")),
                              Qt::LeftButton);
            QVERIFY(answer.seen());
        }
        QVERIFY(!gameWindow->isVisible());
        QVERIFY(window->isVisible());
        QCOMPARE(control("Bild4")->x(), twips(2160));
        QCOMPARE(control<QLabel>(QStringLiteral("Bezeichnung9"))->text(), task);

        click(opener); // the same window again, never a second one
        QCOMPARE(topLevel(game), gameWindow);
        gameWindow->close(); // the frame's close button brings the main window back
        QVERIFY(window->isVisible());
        QVERIFY(!gameWindow->isVisible());
    }

    void quittingEndsTheProgramAfterAGameWasOpened()
    {
        click(QStringLiteral("Befehl24"));
        QWidget *gameWindow = topLevel(QStringLiteral("memo"));
        QVERIFY(gameWindow);
        {
            MessageBoxAnswer answer(QStringLiteral("Ja"));
            QTest::mouseClick(gameWindow->findChild<QPushButton *>(QStringLiteral("Befehl1")),
                              Qt::LeftButton);
        }
        MessageBoxAnswer answer(QStringLiteral("Ja"));
        QTimer::singleShot(0, window.get(), &Form1::Befehl1_Click);
        QTimer::singleShot(2000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

ZAHLZEICHEN_TEST(PanelsAndGamesTest)
#include "panels_and_games_test.moc"
