#include "games/pairs/drop_target_label.h"

#include "games/pairs/drag_source_label.h"

#include <QDropEvent>
#include <QMimeData>

DropTargetLabel::DropTargetLabel(QWidget *parent) : PressableLabel(parent)
{
    setAcceptDrops(true);
}

bool DropTargetLabel::acceptPairLabel(QDropEvent *event)
{
    const bool carriesPairLabel =
        event->mimeData() && event->mimeData()->hasFormat(DragSourceLabel::mimeType());
    if (carriesPairLabel)
        event->acceptProposedAction();
    else
        event->ignore();
    return carriesPairLabel;
}

void DropTargetLabel::dragEnterEvent(QDragEnterEvent *event)
{
    acceptPairLabel(event);
}

void DropTargetLabel::dragMoveEvent(QDragMoveEvent *event)
{
    acceptPairLabel(event);
}

void DropTargetLabel::dropEvent(QDropEvent *event)
{
    if (!acceptPairLabel(event))
        return;
    const QByteArray name = event->mimeData()->data(DragSourceLabel::mimeType());
    Q_EMIT dropped(QString::fromUtf8(name));
}
