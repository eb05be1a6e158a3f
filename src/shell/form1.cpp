#include "shell/form1.h"

#include "exercises/number_field.h"
#include "numerals/numerals.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/outline.h"
#include "platform/picture_box.h"
#include "platform/twips.h"
#include "platform/window_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace
{

const QColor windowColour(128, 255, 255);

QPushButton *columnButton(QWidget *window, const char *name, const QString &text, int top)
{
    auto *button = new QPushButton(text, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(twipsRect(240, top, 1455, 495));
    button->setFont(sansFont(9.75));
    return button;
}

QLabel *label(QWidget *window, const char *name, const QString &text, QRect geometry)
{
    auto *result = new QLabel(text, window);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(geometry);
    setBackground(result, windowColour);
    return result;
}

} // namespace

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setUpFixedWindow(this, twipsRect(0, 0, 10230, 6525).size(),
                     QStringLiteral("Römische Zahlzeichen"));
    setBackground(this, windowColour);
    setFont(sansFont(8.25));
    createControls();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    Befehl1 = columnButton(this, "Befehl1", QStringLiteral("Beenden"), 240);
    Befehl2 = columnButton(this, "Befehl2", QStringLiteral("L e s e n"), 720);
    Befehl3 = columnButton(this, "Befehl3", QStringLiteral("Schreiben"), 1200);
    Befehl4 = columnButton(this, "Befehl4", QStringLiteral("T a b e l l e"), 1680);
    Befehl24 = columnButton(this, "Befehl24", QStringLiteral("Memospiel"), 2160);
    Befehl25 = columnButton(this, "Befehl25", QStringLiteral("Paarspiel"), 2640);
    Befehl26 = columnButton(this, "Befehl26", QStringLiteral("E d i t o r"), 3120);
    connect(Befehl1, &QPushButton::clicked, this, &Form1::Befehl1_Click);

    Figur3 = outlineShape(this, "Figur3", twipsRect(240, 3840, 1455, 2295));
    Bild6 = new PictureBox(QStringLiteral("column.svg"), windowColour, this);
    Bild6->setObjectName(QStringLiteral("Bild6"));
    Bild6->setGeometry(twipsRect(360, 3960, 1215, 1215));

    Bezeichnung13 = label(this, "Bezeichnung13", QStringLiteral("richtig  falsch"),
                          twipsRect(240, 5400, 1455, 255));
    Bezeichnung13->setAlignment(Qt::AlignCenter);
    Bezeichnung13->setFont(sansFont(9.75));
    Bezeichnung12 =
        label(this, "Bezeichnung12", QStringLiteral("0"), twipsRect(240, 5760, 615, 255));
    Bezeichnung12->setAlignment(Qt::AlignCenter);
    Bezeichnung14 =
        label(this, "Bezeichnung14", QStringLiteral("0"), twipsRect(1080, 5760, 615, 255));
    Bezeichnung14->setAlignment(Qt::AlignCenter);

    numberField = new NumberField(this);

    Figur4 = outlineShape(this, "Figur4", twipsRect(2160, 2760, 7815, 3375));
    Bezeichnung15 = label(this, "Bezeichnung15", QString(), twipsRect(2280, 2880, 7575, 3135));
    Bezeichnung15->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Bezeichnung15->setWordWrap(true);
    Bezeichnung15->setFont(sansFont(9.75));
    setForeground(Bezeichnung15, QColor(0, 0, 128));

    Bezeichnung11 = label(this, "Bezeichnung11", QString(), twipsRect(2160, 6150, 7815, 255));
    Bezeichnung11->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The numeral tables, shown nowhere: they lie below the client area and stay hidden.
    for (std::size_t i = 0; i < numeralLists.size(); ++i) {
        auto *list = new QListWidget(this);
        list->setObjectName(QStringLiteral("Liste") + QString::number(i + 1));
        list->setGeometry(twipsRect(120 + 1200 * static_cast<int>(i), 7200, 1095, 3030));
        list->setFont(sansFont(12));
        setBackground(list, QColor(192, 255, 255));
        list->setVisible(false);
        numeralLists[i] = list;
    }
}

void Form1::Form_Load()
{
    Bezeichnung11->setText(QStringLiteral("Römische Zahlzeichen, Version %1")
                               .arg(QStringLiteral(ZAHLZEICHEN_VERSION)));
    BuildNumeralTables();
    centreOnScreen(this);
    numberField->setDigitsOf(Clock::currentYear());
}

void Form1::BuildNumeralTables()
{
    const auto fill = [](QListWidget *list, const auto &table) {
        list->clear();
        for (std::string_view part : table)
            list->addItem(QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size())));
    };
    fill(numeralLists[0], Thousands);
    fill(numeralLists[1], Hundreds);
    fill(numeralLists[2], Tens);
    fill(numeralLists[3], Ones);
    setCaption(Bezeichnung15, QString::fromStdString(IntroductionText()));
}

void Form1::Befehl1_Click()
{
    if (confirmationBox(this, QStringLiteral("Das Programm jetzt beenden?"),
                        QStringLiteral("Römische Zahlzeichen")) != QMessageBox::No)
        QApplication::quit();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing through the frame ends the whole program, hidden game windows included.
    event->accept();
    QApplication::quit();
}
