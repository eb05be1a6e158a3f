#include "exercises/number_field.h"

#include "numerals/numerals.h"
#include "platform/announcement.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/spoken_words.h"
#include "platform/twips.h"
#include "widgets/horizontal_slider.h"
#include "widgets/outline.h"
#include "widgets/spoken_name.h"

#include <QFrame>
#include <QLabel>
#include <QScrollBar>

namespace
{

struct Place {
    int labelLeft;
    int sliderLeft;
    int maximum;
    const char *spokenName;
};

// Thousands, hundreds, tens, ones, left to right.
constexpr std::array<Place, 4> places = {{{3600, 3240, 3, "Tausender"},
                                          {5040, 4680, 9, "Hunderter"},
                                          {6480, 6120, 9, "Zehner"},
                                          {7920, 7560, 9, "Einer"}}};

} // namespace

NumberField::NumberField(QWidget *window) : QObject(window)
{
    feld1 = new QLabel(window);
    feld1->setObjectName(QStringLiteral("feld1"));
    feld1->setGeometry(twipsRect(2160, 240, 7815, 855));
    feld1->setFrameStyle(QFrame::Box | QFrame::Plain);
    feld1->setAlignment(Qt::AlignCenter);
    feld1->setFont(wideFont(24));
    setBackground(feld1, QColor(255, 255, 192));
    setForeground(feld1, QColor(0, 0, 128));
    QLabel *field = feld1;
    setSpokenName(field, [field] {
        return QString::fromStdString(FieldPhrase(field->text().toStdString()));
    });

    Figur1 = outlineShape(window, "Figur1", twipsRect(2160, 1080, 7815, 1455));
    Figur2 = outlineShape(window, "Figur2", twipsRect(3240, 1320, 5655, 495));

    using Handler = void (NumberField::*)();
    static constexpr std::array<Handler, 4> changeHandlers = {
        &NumberField::HBildlauf1_Change, &NumberField::HBildlauf2_Change,
        &NumberField::HBildlauf3_Change, &NumberField::HBildlauf4_Change};
    static constexpr std::array<Handler, 4> scrollHandlers = {
        &NumberField::HBildlauf1_Scroll, &NumberField::HBildlauf2_Scroll,
        &NumberField::HBildlauf3_Scroll, &NumberField::HBildlauf4_Scroll};

    for (std::size_t i = 0; i < places.size(); ++i) {
        const QString number = QString::number(i + 1);
        QLabel *digit = new QLabel(QStringLiteral("0"), window);
        digit->setObjectName(QStringLiteral("Bezeichnung") + number);
        digit->setGeometry(twipsRect(places[i].labelLeft, 1320, 735, 615));
        digit->setAlignment(Qt::AlignCenter);
        digit->setFont(sansFont(24));
        setBackground(digit, QColor(128, 255, 255));
        const QString placeName = QString::fromLatin1(places[i].spokenName);
        setSpokenName(
            digit, [digit, placeName] { return placeName + QStringLiteral(": ") + digit->text(); });
        digitLabels[i] = digit;

        auto *slider = new HorizontalSlider(window);
        slider->setObjectName(QStringLiteral("HBildlauf") + number);
        slider->setGeometry(twipsRect(places[i].sliderLeft, 1920, 1335, 375));
        slider->setRange(0, places[i].maximum);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        connect(slider, &QScrollBar::valueChanged, this, changeHandlers[i]);
        // Spoken with its place and value, as the digit above it reads: "Einer: 6".
        const auto speakValue = [slider, placeName] {
            slider->setAccessibleName(placeName + QStringLiteral(": ") +
                                      QString::number(slider->value()));
        };
        speakValue();
        connect(slider, &QScrollBar::valueChanged, slider, speakValue);
        connect(slider, &QScrollBar::sliderMoved, this, scrollHandlers[i]);
        sliders[i] = slider;
    }
}

void NumberField::setDigitsOf(int number)
{
    const std::string digits = PadNumber(std::to_string(number));
    for (std::size_t i = 0; i < sliders.size(); ++i)
        sliders[i]->setValue(digits[i] == ' ' ? 0 : digits[i] - '0');
}

void NumberField::sliderChanged(int place)
{
    ComposeFieldNumeral();
    const auto index = static_cast<std::size_t>(place);
    digitLabels[index]->setText(QString::number(sliders[index]->value()));
    // A listener moves a slider by keys, so only while it has the focus; the numeral it makes
    // is heard then, not at start-up when the year is set.
    if (sliders[index]->hasFocus())
        announce(feld1, spokenName(feld1));
}

void NumberField::ComposeFieldNumeral()
{
    // The sliders hold the four digits, thousands first: exactly a padded number.
    std::string digits;
    for (const QScrollBar *slider : sliders)
        digits += static_cast<char>('0' + slider->value());
    feld1->setText(QString::fromStdString(SpaceOut(ComposePadded(digits))));
}
