#include "accessibility_tree.h"

#include <QWidget>

namespace
{

void walk(QAccessibleInterface *node, QList<ExposedControl> &found)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child || !child->isValid())
            continue;
        if (child->object() && child->object()->isWidgetType()) {
            found.append({static_cast<QWidget *>(child->object()), child, child->role(),
                          child->text(QAccessible::Name), child->state()});
        }
        walk(child, found);
    }
}

} // namespace

QList<ExposedControl> exposedControls(QWidget *window)
{
    QList<ExposedControl> found;
    if (QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window))
        walk(root, found);
    return found;
}

ExposedControl exposed(QWidget *window, const QString &objectName)
{
    for (const ExposedControl &control : exposedControls(window)) {
        if (control.widget->objectName() == objectName)
            return control;
    }
    return {};
}

QString spokenName(QWidget *window, const QString &objectName)
{
    const ExposedControl control = exposed(window, objectName);
    return control.interface ? control.name : QStringLiteral("<not in the tree>");
}
