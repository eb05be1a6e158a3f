#pragma once

#include <QWidget>
#include <array>
#include <memory>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class NumberField;

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

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void createControls();
};
