#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>

// Finding a window's controls by the names the program gives them.

// A control of the window by its object name; a missing one ends the test program, since
// every later step would only fail on a null pointer.
template <typename T = QWidget> T *control(const QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// "Bezeichnung" and 7 give "Bezeichnung7".
inline QString numbered(const char *kind, int number)
{
    return QString::fromLatin1(kind) + QString::number(number);
}

// A window of the program by its object name, hidden ones included; null if none.
inline QWidget *topLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

// What the program does once a handler has returned (controls put out of reach, the focus
// handed on, announcements sent) runs from the event loop. A test that clicks, or calls a
// handler, lets it run before it looks, as the event loop would.
inline void afterHandlerReturned()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}
