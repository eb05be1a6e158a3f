#pragma once

#include "exercises/number_table_lines.h"

#include <QWidget>
#include <vector>

// The number table, laid over the number field: every numeral part with its value. The
// printed lines are kept and painted on every repaint, so the table reads the same after
// another window has covered it.
class NumberTablePanel : public QWidget
{
    Q_OBJECT

public:
    explicit NumberTablePanel(QWidget *parent);

    // Clears what was printed before, then prints the whole table.
    void PrintNumberTable();

    const std::vector<PrintedLine> &printedLines() const { return lines; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<PrintedLine> lines;
};
