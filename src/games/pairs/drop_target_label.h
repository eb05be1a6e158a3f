#pragma once

#include "widgets/pressable_label.h"

// A label of the upper field: it takes drops of the pair game's labels and of nothing else,
// and names the dropped label; finding it and judging the drop is the window's business. It
// is pressed like a button to place a numeral picked up without dragging.
class DropTargetLabel : public PressableLabel
{
    Q_OBJECT

public:
    explicit DropTargetLabel(QWidget *parent);

Q_SIGNALS:
    void dropped(const QString &sourceName);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Accepts the event if it carries a label of the game, ignores it otherwise.
    static bool acceptPairLabel(QDropEvent *event);
};
