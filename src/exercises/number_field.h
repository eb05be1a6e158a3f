#pragma once

#include <QObject>
#include <array>

class QFrame;
class QLabel;
class QScrollBar;
class QWidget;

// The number field on the main window: four sliders set thousands, hundreds, tens and ones;
// each shows its digit above it and feld1 shows the spaced numeral of all four together.
// Its controls are placed directly on the window it is given.
class NumberField : public QObject
{
    Q_OBJECT

public:
    explicit NumberField(QWidget *window);

    // Sets the sliders to the four digits of a number from 0 to 3999, thousands first; a
    // slider that already holds its digit is left alone and runs nothing.
    void setDigitsOf(int number);

    void HBildlauf1_Change() { sliderChanged(0); }
    void HBildlauf2_Change() { sliderChanged(1); }
    void HBildlauf3_Change() { sliderChanged(2); }
    void HBildlauf4_Change() { sliderChanged(3); }
    void HBildlauf1_Scroll() { HBildlauf1_Change(); }
    void HBildlauf2_Scroll() { HBildlauf2_Change(); }
    void HBildlauf3_Scroll() { HBildlauf3_Change(); }
    void HBildlauf4_Scroll() { HBildlauf4_Change(); }

    void ComposeFieldNumeral();

    QLabel *feld1;
    QFrame *Figur1;
    QFrame *Figur2;
    std::array<QLabel *, 4> digitLabels{}; // Bezeichnung1 … Bezeichnung4
    std::array<QScrollBar *, 4> sliders{}; // HBildlauf1 … HBildlauf4

private:
    void sliderChanged(int place);
};
