#include "platform/window_frame.h"

#include "platform/assets.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void setUpFixedWindow(QWidget *window, QSize clientSize, const QString &title)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(clientSize);
    window->setWindowTitle(title);
    window->setWindowIcon(windowIcon());
}

void showAndActivate(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    // Before the first showing the frame is not known yet; the client size stands in for it.
    const QSize outer = window->frameGeometry().size();
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}
