#include "widgets/shown_children.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace
{

const char *const ShownChildrenOnly = "exposesShownChildrenOnly";

class ShownChildrenContainer : public QAccessibleWidget
{
public:
    explicit ShownChildrenContainer(QWidget *container)
        : QAccessibleWidget(container,
                            container->isWindow() ? QAccessible::Window : QAccessible::Client)
    {
    }

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> shown = shownChildren();
        if (index < 0 || index >= shown.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return static_cast<int>(shownChildren().indexOf(static_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> shownChildren() const
    {
        QList<QWidget *> shown;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !child->isHidden())
                shown.append(child);
        }
        return shown;
    }
};

QAccessibleInterface *shownChildrenFactory(const QString &, QObject *object)
{
    if (object && object->isWidgetType() && object->property(ShownChildrenOnly).toBool())
        return new ShownChildrenContainer(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void exposeShownChildrenOnly(QWidget *container)
{
    static const bool installed = [] {
        QAccessible::installFactory(shownChildrenFactory);
        return true;
    }();
    Q_UNUSED(installed);
    container->setProperty(ShownChildrenOnly, true);
    // An interface made before the mark would go on listing every child.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(container);
        made && !dynamic_cast<ShownChildrenContainer *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
