#pragma once

#include "worksheets/worksheet_kind.h"

#include <QWidget>

class PictureBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The worksheet editor, a panel of the main window: numbers are typed or drawn into Text3,
// collected with their numerals in Liste5 and Liste6, and turned into the reading, writing or
// solution sheet in Liste7, which can be copied to the clipboard. The panel is open while it
// stands at Left 120 and closed at Left 10800; its contents last from opening to opening.
class EditorPanel : public QWidget
{
    Q_OBJECT

public:
    explicit EditorPanel(QWidget *parent);

    // Where the editor, once opened, waits for typing: the number entry Text3.
    QWidget *numberEntry() const;

    // "Abbrechen": moves the panel out of the window; nothing else changes.
    void Befehl27_Click();

    // The input rule: only digits stay, and a number of 4000 or more is answered with a
    // message and cut back by its last digit.
    void Text3_Change();

    // "Zufallszahl": draws a number from 0 to 3999 into Text3 and adds it.
    void Befehl29_Click();

    // Adds the number in Text3 to the lists and rebuilds the current worksheet; an empty
    // Text3 adds nothing.
    void AddEditorNumber();

    // "Leseblatt", "Schreibblatt", "Lösungsblatt": build that worksheet from all numbers.
    void Befehl28_Click();
    void Befehl31_Click();
    void Befehl32_Click();

    // "Löschen": removes the number selected in Liste5 from all three lists.
    void Befehl30_Click();

    // "Alle löschen": empties the three lists; the worksheet kind stays.
    void Befehl33_Click();

    // "Kopieren": puts the current worksheet on the clipboard as plain text and confirms it.
    void Befehl34_Click();

    // One message per digit cut, for any paste of up to 23 digits: more than the longest
    // numbers a person copies by hand (a German IBAN has 20 digits, a card number 16). A
    // paste may hold thousands; past this many messages the surplus is cut without one.
    static constexpr int MaxLimitMessagesPerChange = 20;

private:
    void buildWorksheet(WorksheetKind kind);
    void rebuildCurrentWorksheet();
    void selectLastLines();

    QPushButton *Befehl27;
    QPushButton *Befehl28;
    QPushButton *Befehl31;
    QPushButton *Befehl32;
    QPushButton *Befehl33;
    QPushButton *Befehl34;
    PictureBox *Bild8;
    QLabel *Bezeichnung19;
    QLineEdit *Text3;
    QPushButton *Befehl29;
    QPushButton *Befehl30;
    QLabel *Bezeichnung17;
    QLabel *Bezeichnung16;
    QLabel *Bezeichnung18;
    QListWidget *Liste5;
    QListWidget *Liste6;
    QListWidget *Liste7;

    bool applyingEntryRule = false;
};
