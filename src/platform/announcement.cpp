#include "platform/announcement.h"

#include "platform/after_handler.h"
#include "platform/spoken_words.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace
{

// One action announces a few things at most ("the cards are turned back", then the new card).
constexpr int PendingPerWindow = 4;

struct Announcement {
    QPointer<QWidget> control;
    QString text;
    Urgency urgency = Urgency::Polite;
};

template <class Child> QList<Child *> childrenOf(const QWidget *window)
{
    QList<Child *> found;
    for (QObject *child : window->children()) {
        if (auto *match = dynamic_cast<Child *>(child))
            found.append(match);
    }
    return found;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void send(const Announcement &announcement)
{
    QAccessibleAnnouncementEvent event(announcement.control, announcement.text);
    event.setPoliteness(announcement.urgency == Urgency::Assertive
                            ? QAccessible::AnnouncementPoliteness::Assertive
                            : QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
}

// This bridge sends a control's new name with its change, and a screen reader speaks the
// name that the control with the focus has when it comes to the change.
QString unsaidPart(QWidget *control, const QString &text)
{
    const QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(control);
    if (!control->hasFocus() || !interface)
        return text;
    return QString::fromStdString(
        PhraseBeyondName(text.toStdString(), interface->text(QAccessible::Name).toStdString()));
}

#else

// A screen reader that falls behind reads the notices of several actions late.
constexpr qsizetype NoticesKeptPerWindow = 8;

// Not a widget: nothing to paint, nothing to lay out, and nothing that the code showing and
// hiding a window's controls could ever show. To assistive technology it is a notification
// of its window, presented when it reports itself as showing.
class Notice : public QObject
{
public:
    Notice(QWidget *window, const QString &text) : QObject(window), text(text) {}

    const QString text;
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

// A screen reader asks for the text when it comes to the event, which may be after the next
// announcements: a notice keeps its text, and a window keeps its last few notices.
void send(const Announcement &announcement)
{
    static const bool installed = [] {
        QAccessible::installFactory(noticeFactory);
        return true;
    }();
    Q_UNUSED(installed);
    QWidget *window = announcement.control->window();
    const QList<Notice *> older = childrenOf<Notice>(window);
    for (qsizetype surplus = older.size() - NoticesKeptPerWindow + 1; surplus > 0; --surplus)
        delete older.at(surplus - 1);
    auto *notice = new Notice(window, announcement.text);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

// This bridge sends no name with a name change: a new name on its own is not spoken.
QString unsaidPart(QWidget *, const QString &text)
{
    return text;
}

#endif

AnnouncementWitness &witness()
{
    static AnnouncementWitness heard;
    return heard;
}

// What a window announces goes out once the handler that announced it has returned, in the
// order announced: a control's name may change again in the same handler (a turned card is
// found at once), and only its last name is what a screen reader says of it. A screen reader
// also cuts short what it is saying when a window becomes active, so what a window announces
// while it is not active (the next task, drawn as the praise box closes) waits until it is,
// and then until the screen reader has heard of the activation.
class PendingAnnouncements : public QObject
{
public:
    explicit PendingAnnouncements(QWidget *window) : QObject(window), window(window)
    {
        window->installEventFilter(this);
    }

    void add(const Announcement &announcement)
    {
        pending.append(announcement);
        if (pending.size() > PendingPerWindow)
            pending.removeFirst();
        if (window->isActiveWindow())
            sendAfterHandler();
    }

    // What is due now, in order, without what the focused control's name says; it counts as
    // told from here on.
    QList<Announcement> takeDue()
    {
        QList<Announcement> due;
        for (Announcement &announcement : std::exchange(pending, {})) {
            if (!announcement.control)
                continue;
            announcement.text = unsaidPart(announcement.control, announcement.text);
            if (announcement.text.isEmpty())
                continue;
            if (witness())
                witness()(announcement.control, announcement.text);
            due.append(announcement);
        }
        return due;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && !pending.isEmpty())
            sendAfterHandler();
        return false;
    }

private:
    void sendAfterHandler()
    {
        afterHandler(this, [this] {
            if (!window->isActiveWindow())
                return;
            for (const Announcement &announcement : takeDue()) {
                if (QAccessible::isActive())
                    send(announcement);
            }
        });
    }

    QWidget *window;
    QList<Announcement> pending;
};

} // namespace

QStringList takeAnnouncementsForBox(QWidget *window)
{
    QStringList texts;
    for (PendingAnnouncements *pending : childrenOf<PendingAnnouncements>(window->window())) {
        for (const Announcement &announcement : pending->takeDue())
            texts.append(announcement.text);
    }
    return texts;
}

void setAnnouncementWitness(AnnouncementWitness heard)
{
    witness() = std::move(heard);
}

void announce(QWidget *control, const QString &text, Urgency urgency)
{
    if (text.isEmpty() || !(QAccessible::isActive() || witness()))
        return;
    QWidget *window = control->window();
    const QList<PendingAnnouncements *> found = childrenOf<PendingAnnouncements>(window);
    PendingAnnouncements *pending =
        found.isEmpty() ? new PendingAnnouncements(window) : found.first();
    pending->add({control, text, urgency});
}
