#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// How a screen reader is to fit an announcement into what it is saying: after it, or at
// once, cutting it short (a judgement that the next key should not outrun).
enum class Urgency { Polite, Assertive };

// Tells a listening screen reader what just happened where no move of the focus says it: a
// new task, a judgement, a turned card. Qt 6.8 and later send it as an announcement; older
// ones, whose name changes of a control in place go unspoken, as a notification of the
// control's window, presented as soon as it arrives. It goes out once the handler has
// returned; what the focused control's own new name says by then is left out, since that is
// spoken already, so nothing is heard twice. Nothing is made or sent while no assistive
// technology listens, and nothing changes on screen.
void announce(QWidget *control, const QString &text, Urgency urgency = Urgency::Polite);

// What a window has announced and not yet sent, taken to be said with the modal box that its
// handler opens now, ahead of the box's own text: a screen reader presents a box as it
// appears, before announcements still waiting in its own queue.
QStringList takeAnnouncementsForBox(QWidget *window);

// Hears each announcement where it goes to the screen reader, as it is sent: once the handler
// has returned, without what the focused control's name says. While set, it listens as a
// screen reader does, so a test hears what one would. An empty function stops it.
using AnnouncementWitness = std::function<void(QWidget *control, const QString &text)>;
void setAnnouncementWitness(AnnouncementWitness witness);
