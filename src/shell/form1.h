#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class NumberField;
class NumberTablePanel;
class ReadingPanel;
class WritingPanel;
class EditorPanel;
class memo;
class Form2;

// The main window: the left button column, the score, the number field, the work area
// with the introduction, and the panels that are moved over them.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    void Form_Load();
    void BuildNumeralTables();
    void Befehl1_Click();
    void Befehl2_Click();
    void Befehl3_Click();
    void Befehl4_Click();
    void Befehl24_Click();
    void Befehl25_Click();
    void Befehl26_Click();
    void Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);

    QPushButton *Befehl1;
    QPushButton *Befehl2;
    QPushButton *Befehl3;
    QPushButton *Befehl4;
    QPushButton *Befehl24;
    QPushButton *Befehl25;
    QPushButton *Befehl26;
    QFrame *Figur3;
    QWidget *Bild6;
    QLabel *Bezeichnung13;
    QLabel *Bezeichnung12;
    QLabel *Bezeichnung14;
    NumberField *numberField;
    QFrame *Figur4;
    QLabel *Bezeichnung15;
    QLabel *Bezeichnung11;
    std::array<QListWidget *, 4> numeralLists{}; // Liste1 … Liste4
    NumberTablePanel *Bild3;
    ReadingPanel *Bild4;
    WritingPanel *Bild2;
    EditorPanel *Bild7;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createPanels();
    template <typename Game> void openGame(std::unique_ptr<Game> &game);
    QList<QWidget *> panels() const;
    void keepHiddenControlsOutOfReach();
    void handFocusOn(const QList<QWidget *> &outOfReach, QWidget *cameIntoReach);
    QWidget *entryInto(QWidget *panel);

    // The game windows are created at their first opening and then only hidden and shown.
    std::unique_ptr<memo> memoWindow;
    std::unique_ptr<Form2> pairWindow;
    // Where the focus was when the editor was opened, to go back to when it closes.
    QPointer<QWidget> focusBeforeEditor;
};
