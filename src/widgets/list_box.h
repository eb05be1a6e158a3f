#pragma once

#include <QListWidget>

// A list in single selection whose marked line the user cannot take away: a click on the
// blank space below the lines, or Ctrl with a click or Space on the marked line, leaves it
// marked. A button that acts on "the selected line" then acts on the line the user sees
// marked. Clicking another line or an arrow key still moves the mark, and the program may
// still clear it. Typing moves nothing: the lines are padded numbers that mostly begin with a
// blank, and a jump to the next line beginning with the typed character, Space among them,
// would leave such a button acting on a line the user never chose.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent);

    void keyboardSearch(const QString &search) override;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
};
