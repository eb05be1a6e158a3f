#pragma once

#include <QAccessible>
#include <QList>
#include <QString>

class QWidget;

// A control as a screen reader meets it, walking a window's accessibility tree from the
// window's interface down through child(i).
struct ExposedControl {
    QWidget *widget = nullptr;
    QAccessibleInterface *interface = nullptr;
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QAccessible::State state;
};

// Every control reached below the window, in tree order.
QList<ExposedControl> exposedControls(QWidget *window);

// The one reached for this control; a null interface when the walk does not reach it.
ExposedControl exposed(QWidget *window, const QString &objectName);

// The name a screen reader speaks for the control found by its object name in the window.
QString spokenName(QWidget *window, const QString &objectName);
