#include "controls.h"
#include "exercises/number_table_panel.h"
#include "games/memory/memo.h"
#include "games/pairs/form2.h"
#include "numerals/numerals.h"
#include "pair_board.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "shell/form1.h"
#include "task_clock.h"
#include "test_registry.h"
#include "text_fit.h"
#include "worksheets/editor_panel.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

// Every text the learner sees fits its control in its own font, in the states the learner
// meets: the longest tasks, the widest numerals, the fullest cards and labels; and it stands
// out from its background under a light, a dark and a high-contrast desktop scheme, each
// taken on while the window is open. The same program runs again with every pixel doubled.
namespace
{

void click(const QWidget *window, const QString &button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    afterHandlerReturned();
}

// Presses the keys of an exercise panel with these captions, one after the other.
void pressKeys(const QWidget *panel, const QString &captions)
{
    for (QChar caption : captions) {
        QPushButton *key = nullptr;
        for (QPushButton *button : panel->findChildren<QPushButton *>()) {
            if (button->text() == caption)
                key = button;
        }
        QVERIFY(key);
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

// Every text fits and stands out under the row's scheme, taken on now, with the window open.
#define VERIFY_EVERY_TEXT_LEGIBLE(window)                                                          \
    do {                                                                                           \
        QFETCH_GLOBAL(QPalette, scheme);                                                           \
        QApplication::setPalette(scheme);                                                          \
        QCoreApplication::processEvents();                                                         \
        const QStringList found = misfits(window) + illegibleTexts(window);                        \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));                      \
    } while (false)

// The colours a desktop scheme gives a program.
QPalette scheme(QRgb window, QRgb windowText, QRgb base, QRgb text, QRgb button, QRgb buttonText,
                QRgb highlight, QRgb highlightedText)
{
    QPalette palette{QColor(button), QColor(window)};
    palette.setColor(QPalette::WindowText, windowText);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, buttonText);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    return palette;
}

QStringList lines(const QListWidget *list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text();
    return entries;
}

using LevelButton = void (memo::*)();
using DropHandler = void (Form2::*)(QWidget *);

} // namespace

class LegibilityTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> window;
    QPalette desktopPalette;

    void openMainWindow()
    {
        window = std::make_unique<Form1>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

private Q_SLOTS:
    void initTestCase_data()
    {
        desktopPalette = QApplication::palette();
        QTest::addColumn<QPalette>("scheme");
        QTest::newRow("light") << desktopPalette;
        // As the desktop's theme reads them from a dark KDE scheme (Breeze Dark).
        QTest::newRow("dark") << scheme(0x2a2e32, 0xfcfcfc, 0x1b1e20, 0xfcfcfc, 0x31363b, 0xfcfcfc,
                                        0x3daee9, 0xfcfcfc);
        QTest::newRow("high contrast") << scheme(0x000000, 0xffff00, 0x000000, 0xffff00, 0x000000,
                                                 0xffff00, 0xffff00, 0x000000);
    }

    void cleanup()
    {
        window.reset();
        Clock::setSystem();
        QApplication::setPalette(desktopPalette);
    }

    // Without the designed faces' stand-ins every measurement below would be of another
    // font than the learner's.
    void theFontsResolveToTheInstalledStandIns_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("family");
        QTest::newRow("sans") << sansFont(8.25) << QStringLiteral("Liberation Sans");
        QTest::newRow("fixed") << fixedFont(24) << QStringLiteral("Liberation Mono");
        QTest::newRow("wide") << wideFont(24) << QStringLiteral("DejaVu Sans");
    }
    void theFontsResolveToTheInstalledStandIns()
    {
        QFETCH(QFont, font);
        QFETCH(QString, family);
        QCOMPARE(QFontInfo(font).family(), family);
        QVERIFY(QFontInfo(font).bold());
    }

    // The measure itself: a pale text with a dark speck is pale, black glyph cores are black.
    void contrastIsThatOfTheInkNotOfASpeck()
    {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int x = 5; x < 35; ++x) {
            for (int y = 8; y < 12; ++y)
                image.setPixel(x, y, qRgb(0xcc, 0xcc, 0xcc));
        }
        image.setPixel(20, 10, qRgb(0, 0, 0));
        QVERIFY(inkOnBackground(image, image.rect()).contrast < 1.7); // #ccc on white: 1.61
        for (int x = 5; x < 35; ++x)
            image.setPixel(x, 9, qRgb(0, 0, 0));
        QCOMPARE(qRound(inkOnBackground(image, image.rect()).contrast), 21);
    }

    void mainWindowAtStartShowsEveryTextWhole()
    {
        openMainWindow();
        // The second run doubles every pixel; make sure it does.
        QCOMPARE(window->devicePixelRatio(),
                 qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
        VERIFY_EVERY_TEXT_LEGIBLE(window.get());
    }

    // The number field follows the sliders through every number; the widest numeral
    // (3888) is the one that matters, but all of them are cheap to look at.
    void numberFieldShowsEveryNumeralWhole()
    {
        openMainWindow();
        const auto *field = control<QLabel>(window.get(), "feld1");
        QStringList tooWide;
        for (int number = 0; number <= 3999; ++number) {
            for (int place = 0; place < 4; ++place) {
                const int digit = QString::number(number)
                                      .rightJustified(4, QLatin1Char('0'))
                                      .at(place)
                                      .digitValue();
                control<QScrollBar>(window.get(), numbered("HBildlauf", place + 1))
                    ->setValue(digit);
            }
            if (!textFits(field)) {
                tooWide << QStringLiteral("%1 needs %2 px, has %3")
                               .arg(number)
                               .arg(textExtent(field).width())
                               .arg(textRoom(field).width());
            }
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1Char(' '))));
        VERIFY_EVERY_TEXT_LEGIBLE(window.get());
    }

    void exercisesShowTheLongestTaskAndAnswerWhole_data()
    {
        QTest::addColumn<QByteArray>("exerciseButton");
        QTest::addColumn<QByteArray>("panel");
        QTest::addColumn<QByteArray>("taskLabel");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("wrongAnswers");
        // The answer stops one key short of right, so no praise replaces the task.
        QTest::newRow("reading") << QByteArray("Befehl2") << QByteArray("Bild4")
                                 << QByteArray("Bezeichnung9")
                                 << QStringLiteral(" M M M D C C C L X X X V I I I ")
                                 << QStringLiteral("388") << QStringLiteral("0");
        QTest::newRow("writing") << QByteArray("Befehl3") << QByteArray("Bild2")
                                 << QByteArray("Bezeichnung6") << QStringLiteral("   3 8 8 8 ")
                                 << QStringLiteral("MMMDCCCLXXXVII") << QStringLiteral("0");
        // A wrong key turns the box red.
        QTest::newRow("reading, wrong")
            << QByteArray("Befehl2") << QByteArray("Bild4") << QByteArray("Bezeichnung9")
            << QStringLiteral(" M M M D C C C L X X X V I I I ") << QStringLiteral("9")
            << QStringLiteral("1");
    }
    void exercisesShowTheLongestTaskAndAnswerWhole()
    {
        QFETCH(QByteArray, exerciseButton);
        QFETCH(QByteArray, panel);
        QFETCH(QByteArray, taskLabel);
        QFETCH(QString, task);
        QFETCH(QString, answer);
        QFETCH(QString, wrongAnswers);
        fixClockToDraw(3888);
        openMainWindow();
        click(window.get(), QString::fromLatin1(exerciseButton));
        QCOMPARE(control<QLabel>(window.get(), QString::fromLatin1(taskLabel))->text(), task);
        pressKeys(control(window.get(), QString::fromLatin1(panel)), answer);
        QCOMPARE(control<QLabel>(window.get(), "Bezeichnung14")->text(), wrongAnswers);
        VERIFY_EVERY_TEXT_LEGIBLE(window.get());
    }

    void numberTableIsPrintedWithoutOverlapInsideItsPanel()
    {
        openMainWindow();
        click(window.get(), "Befehl4");
        VERIFY_EVERY_TEXT_LEGIBLE(window.get());

        const auto *table = control<NumberTablePanel>(window.get(), "Bild3");
        const QFontMetrics metrics(table->font());
        QList<QRect> printed;
        for (const PrintedLine &line : table->printedLines()) {
            const QString text = QString::fromStdString(line.text);
            const QRect rect(twips(line.x), twips(line.y), metrics.horizontalAdvance(text),
                             metrics.height());
            QVERIFY2(table->rect().contains(rect), qPrintable(text));
            for (const QRect &other : printed)
                QVERIFY2(!other.intersects(rect), qPrintable(text));
            printed << rect;
        }
        QCOMPARE(printed.size(), 2 * (3 + 9 + 9 + 9));
    }

    void editorWithSomeNumbersShowsEveryHeadingAndButtonWhole_data()
    {
        QTest::addColumn<QByteArray>("sheetButton");
        QTest::newRow("reading sheet") << QByteArray("Befehl28");
        QTest::newRow("writing sheet") << QByteArray("Befehl31");
        QTest::newRow("solution sheet") << QByteArray("Befehl32");
    }
    void editorWithSomeNumbersShowsEveryHeadingAndButtonWhole()
    {
        QFETCH(QByteArray, sheetButton);
        openMainWindow();
        click(window.get(), "Befehl26");
        for (const char *number : {"3888", "1994", "7", "0"}) {
            control<QLineEdit>(window.get(), "Text3")->setText(QString::fromLatin1(number));
            window->Bild7->AddEditorNumber();
        }
        control<QLineEdit>(window.get(), "Text3")->setText(QStringLiteral("3888"));
        click(window.get(), QString::fromLatin1(sheetButton));
        QCOMPARE(lines(control<QListWidget>(window.get(), "Liste5")).size(), 4);
        VERIFY_EVERY_TEXT_LEGIBLE(window.get());
    }

    // A face-up card shows its value on the first and the fifth line; the widest value of
    // each level must fit across, and the five lines down the card.
    void memoryCardShowsTheWidestValueOfItsLevelWhole_data()
    {
        QTest::addColumn<LevelButton>("level");
        QTest::addColumn<QString>("value");
        QTest::newRow("ones") << LevelButton(&memo::Befehl2_Click) << QStringLiteral("VIII");
        QTest::newRow("tens") << LevelButton(&memo::Befehl3_Click) << QStringLiteral("LXXX");
        QTest::newRow("hundreds numeral")
            << LevelButton(&memo::Befehl4_Click) << QStringLiteral("DCCC");
        QTest::newRow("hundreds number")
            << LevelButton(&memo::Befehl4_Click) << QStringLiteral("800");
    }
    void memoryCardShowsTheWidestValueOfItsLevelWhole()
    {
        QFETCH(LevelButton, level);
        QFETCH(QString, value);
        Clock::setFixed(QDateTime(QDate(2024, 3, 14), QTime(9, 26, 53, 589)));
        QWidget mainWindow;
        memo game(&mainWindow);
        game.Form_Activate();
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        (game.*level)();
        // The first card click of a game deals the board that is played.
        QTest::mouseClick(control(&game, "Bezeichnung1"), Qt::LeftButton);
        const int card = int(lines(control<QListWidget>(&game, "Liste1")).indexOf(value)) + 1;
        QVERIFY(card >= 1);
        if (card != 1) {
            QTest::mouseClick(control(&game, numbered("Bezeichnung", card)), Qt::LeftButton);
        }
        const auto *face = control<QLabel>(&game, numbered("Bezeichnung", card));
        QCOMPARE(face->text(), value + QStringLiteral("\n\n\n\n") + value);
        VERIFY_EVERY_TEXT_LEGIBLE(&game);
    }

    // 3888 twice: the widest numeral in the lower box, on a number with its numeral, and on
    // the number that received both equal numerals (three lines).
    void pairGameShowsTheWidestNumeralsAndFullestNumberWhole()
    {
        QWidget mainWindow;
        Form2 game(&mainWindow);
        game.Form_Activate();
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        layPairBoard(game, {3888, 3888, 2888, 3887, 3788, 1888, 3878, 3848, 3883});
        VERIFY_EVERY_TEXT_LEGIBLE(&game);

        const QString widest = QStringLiteral("MMMDCCCLXXXVIII");
        game.Bezeichnung2_DragDrop(lowerLabelShowing(game, widest));
        game.Bezeichnung9_DragDrop(lowerLabelShowing(game, QStringLiteral("MMMDCCCLXXXIII")));
        QCOMPARE(control<QLabel>(&game, "Bezeichnung2")->text(),
                 QStringLiteral("   3 8 8 8 \n") + widest);
        VERIFY_EVERY_TEXT_LEGIBLE(&game);

        game.Bezeichnung2_DragDrop(lowerLabelShowing(game, widest));
        QCOMPARE(control<QLabel>(&game, "Bezeichnung2")->text(),
                 QStringLiteral("   3 8 8 8 \n") + widest + QLatin1Char('\n') + widest);
        VERIFY_EVERY_TEXT_LEGIBLE(&game);
    }

    // Only the label that holds three lines gives up size, and only while it holds them.
    void aThreeLineNumberAloneTakesASmallerFontUntilTheNextRound()
    {
        QWidget mainWindow;
        Form2 game(&mainWindow);
        game.Form_Activate();
        game.show();
        layPairBoard(game, {12, 5, 12, 7, 8, 9, 10, 11, 13});
        const QFont designed = control<QLabel>(&game, "Bezeichnung2")->font();
        QCOMPARE(designed.pointSizeF(), 13.5);

        game.Bezeichnung1_DragDrop(lowerLabelShowing(game, QStringLiteral("XII")));
        QCOMPARE(control<QLabel>(&game, "Bezeichnung1")->font(), designed);
        game.Bezeichnung1_DragDrop(lowerLabelShowing(game, QStringLiteral("XII")));
        const QFont shrunk = control<QLabel>(&game, "Bezeichnung1")->font();
        QVERIFY(shrunk.pointSizeF() < designed.pointSizeF());
        QVERIFY(shrunk.pointSizeF() >= 10);
        QVERIFY(shrunk.bold());
        QCOMPARE(shrunk.family(), designed.family());
        for (int number = 2; number <= 18; ++number) {
            QCOMPARE(control<QLabel>(&game, numbered("Bezeichnung", number))->font(), designed);
        }
        VERIFY_EVERY_TEXT_LEGIBLE(&game);

        game.Befehl2_Click();
        QCOMPARE(control<QLabel>(&game, "Bezeichnung1")->font(), designed);
    }
};

ZAHLZEICHEN_TEST(LegibilityTest)
#include "legibility_test.moc"
