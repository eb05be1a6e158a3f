#include "platform/announcement.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace
{

// Not a widget: nothing to paint, nothing to lay out, and nothing that the code showing and
// hiding a window's controls could ever show. To assistive technology it is a notification
// of its window, presented when it reports itself as showing.
class Notice : public QObject
{
public:
    explicit Notice(QWidget *window) : QObject(window) {}

    QString text;
    quint64 sent = 0;
};

class NoticeInterface : public QAccessibleObject
{
public:
    explicit NoticeInterface(Notice *notice) : QAccessibleObject(notice) {}

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<const Notice *>(object())->text : QString();
    }
};

QAccessibleInterface *noticeFactory(const QString &, QObject *object)
{
    if (auto *notice = dynamic_cast<Notice *>(object))
        return new NoticeInterface(notice);
    return nullptr;
}

// One action announces a few things at most ("the cards are turned back", then the new card).
constexpr int NoticesPerWindow = 4;

template <class Child> QList<Child *> childrenOf(const QWidget *window)
{
    QList<Child *> found;
    for (QObject *child : window->children()) {
        if (auto *match = dynamic_cast<Child *>(child))
            found.append(match);
    }
    return found;
}

// A screen reader asks for the text when it comes to the event, which may be after the next
// announcement of the same action: each window has a few notices and takes the one used
// longest ago.
Notice *freeNoticeOf(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(noticeFactory);
        return true;
    }();
    Q_UNUSED(installed);
    const QList<Notice *> notices = childrenOf<Notice>(window);
    if (notices.size() < NoticesPerWindow)
        return new Notice(window);
    return *std::min_element(notices.begin(), notices.end(),
                             [](const Notice *a, const Notice *b) { return a->sent < b->sent; });
}

void send(QWidget *window, const QString &text)
{
    static quint64 sent = 0;
    Notice *notice = freeNoticeOf(window);
    notice->text = text;
    notice->sent = ++sent;
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

// A screen reader cuts short what it is saying when a window becomes active. What a window
// announces while it is not active (the next task, drawn as the praise box closes) waits
// until it is, and then until the screen reader has heard of the activation.
class HeldNotices : public QObject
{
public:
    explicit HeldNotices(QWidget *window) : QObject(window) { window->installEventFilter(this); }

    QStringList texts;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && !texts.isEmpty()) {
            QMetaObject::invokeMethod(
                this,
                [this, window = QPointer<QWidget>(static_cast<QWidget *>(watched))] {
                    const QStringList held = std::exchange(texts, {});
                    for (const QString &text : held) {
                        if (window)
                            send(window, text);
                    }
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

void hold(QWidget *window, const QString &text)
{
    const QList<HeldNotices *> found = childrenOf<HeldNotices>(window);
    HeldNotices *held = found.isEmpty() ? new HeldNotices(window) : found.first();
    held->texts.append(text);
    if (held->texts.size() > NoticesPerWindow)
        held->texts.removeFirst();
}

} // namespace

void announce(QWidget *control, const QString &text)
{
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    QWidget *window = control->window();
    if (window->isActiveWindow())
        send(window, text);
    else
        hold(window, text);
}
