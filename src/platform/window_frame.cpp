#include "platform/window_frame.h"

#include "platform/assets.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#ifdef Q_OS_WIN
#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <memory>
#endif

namespace
{

#ifdef Q_OS_WIN
// Windows' own style draws buttons, scroll bars and boxes from the visual theme, light
// whatever the palette, while their texts take the palette's colours: under a dark or
// high-contrast palette, light text on a light face. Where the palette's text is lighter than
// its face, this draws with the classic Windows style, which fills faces with the palette's
// colours, as Windows does itself when it turns the theme off for high contrast.
class PaletteFaithfulStyle : public QProxyStyle
{
public:
    explicit PaletteFaithfulStyle(const QString &themed)
        : QProxyStyle(QStyleFactory::create(themed)),
          classic(QStyleFactory::create(QStringLiteral("windows")))
    {
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        styleFor(option)->drawPrimitive(element, option, painter, widget);
    }
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        styleFor(option)->drawControl(element, option, painter, widget);
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override
    {
        styleFor(option)->drawComplexControl(control, option, painter, widget);
    }

private:
    const QStyle *styleFor(const QStyleOption *option) const
    {
        const QPalette &palette = option->palette;
        const bool lightOnDark = qGray(palette.color(QPalette::ButtonText).rgb()) >
                                 qGray(palette.color(QPalette::Button).rgb());
        return lightOnDark ? classic.get() : baseStyle();
    }

    std::unique_ptr<QStyle> classic;
};

// Once, before the first window: only the themed style needs it.
void keepFacesToThePalette()
{
    static const bool kept = [] {
        const QString themed = QApplication::style()->name();
        if (themed.compare(QStringLiteral("windowsvista"), Qt::CaseInsensitive) == 0)
            QApplication::setStyle(new PaletteFaithfulStyle(themed));
        return true;
    }();
    Q_UNUSED(kept);
}
#endif

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

// Qt's own Wayland title bar has a maximise button whatever the window's flags say, and a
// compositor may then maximise a window of fixed size. Kept at its size, the window would
// break the protocol and lose its connection: the program would end. So while maximised or
// full screen, the window may be as large as the compositor makes it: the limit goes as the
// request is made, before the compositor's answer. Back to its own size, it keeps it again;
// not earlier, because that answer may still be on its way.
class FollowEnlargement : public QObject
{
public:
    FollowEnlargement(QWidget *window, QSize clientSize)
        : QObject(window), window(window), clientSize(clientSize)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        QWindow *handle = window->windowHandle();
        // The window has its handle once it is shown.
        if (event->type() == QEvent::Show && handle && !watching) {
            watching = true;
            connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
                if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen)
                    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
                else
                    keepOwnSizeOnceBack();
            });
        } else if (event->type() == QEvent::Resize && handle) {
            keepOwnSizeOnceBack();
        }
        return false;
    }

private:
    void keepOwnSizeOnceBack()
    {
        if (window->windowHandle()->windowState() == Qt::WindowNoState &&
            window->size() == clientSize)
            window->setMaximumSize(clientSize);
    }

    QWidget *window;
    QSize clientSize;
    bool watching = false;
};

} // namespace

void setUpFixedWindow(QWidget *window, QSize clientSize, const QString &title)
{
#ifdef Q_OS_WIN
    keepFacesToThePalette();
#endif
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(clientSize);
    window->setWindowTitle(title);
    window->setWindowIcon(windowIcon());
    new FollowEnlargement(window, clientSize);
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
