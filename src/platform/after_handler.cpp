#include "platform/after_handler.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <algorithm>
#include <utility>

namespace
{

struct Waiting {
    QPointer<QObject> owner;
    std::function<void()> work;
};

QList<Waiting> &waiting()
{
    static QList<Waiting> queue;
    return queue;
}

bool runQueued = false;

} // namespace

void afterHandler(QObject *owner, std::function<void()> work)
{
    QList<Waiting> &queue = waiting();
    if (std::any_of(queue.begin(), queue.end(),
                    [owner](const Waiting &item) { return item.owner == owner; }))
        return;
    queue.append({owner, std::move(work)});
    if (!std::exchange(runQueued, true))
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [] {
                runQueued = false;
                runWhatWaitsForHandler();
            },
            Qt::QueuedConnection);
}

void runWhatWaitsForHandler()
{
    // Taken off the queue before it runs: work may ask for more (focus handed on, then what
    // the new task announces), which then runs in this same round.
    while (!waiting().isEmpty()) {
        const Waiting next = waiting().takeFirst();
        if (next.owner)
            next.work();
    }
}
