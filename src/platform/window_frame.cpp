#include "platform/window_frame.h"

#include "platform/assets.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace
{

// The frame the window manager last gave a window of the program. All of them have the same
// kind of frame, so a window that has none yet (before its first showing, or while hidden,
// when the manager has taken its frame away) is measured with this one.
QMargins lastFrame;

QMargins frameOf(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - outer.left(), client.top() - outer.top(),
            outer.right() - client.right(), outer.bottom() - client.bottom()};
}

void moveToCentre(QWidget *window, const QMargins &frame)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = window->size().grownBy(frame);
    // Left and Top of a window are those of its frame.
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}

// Watches a window centred with a frame it did not have yet. Once the window manager has
// framed it (the first move that shows a frame), the frame is remembered, and the window is
// centred again if its own frame turned out different: in practice only the program's first
// window, which had no frame to go by. Ends there or when the window is hidden again.
class CentreWhenFramed : public QObject
{
    Q_OBJECT

public:
    CentreWhenFramed(QWidget *window, const QMargins &assumed)
        : QObject(window), window(window), assumed(assumed)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide) {
            finish();
        } else if (event->type() == QEvent::Move) {
            const QMargins frame = frameOf(window);
            if (frame.isNull())
                return false;
            lastFrame = frame;
            if (frame != assumed)
                moveToCentre(window, frame);
            finish();
        }
        return false;
    }

private:
    void finish()
    {
        window->removeEventFilter(this);
        deleteLater();
    }

    QWidget *window;
    QMargins assumed;
};

} // namespace

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
    const QMargins own = frameOf(window);
    if (!own.isNull()) {
        moveToCentre(window, own);
        return;
    }
    delete window->findChild<CentreWhenFramed *>(QString(), Qt::FindDirectChildrenOnly);
    moveToCentre(window, lastFrame);
    new CentreWhenFramed(window, lastFrame);
}

#include "window_frame.moc"
