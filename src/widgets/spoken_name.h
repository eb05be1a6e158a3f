#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QWidget;

// What a screen reader says for a label or a button whose caption does not say what it is: a
// caption spaced out for the eye, a bare count, a memory card whose face must stay secret.
// The rule is asked each time the name is read, so the name keeps in step with every later
// change of the caption or the colours without being set again. A later rule replaces an
// earlier one.
using SpokenNameRule = std::function<QString()>;
void setSpokenName(QWidget *control, SpokenNameRule rule);

// What a screen reader says for the control now: its rule, or else its accessible name.
QString spokenName(const QWidget *control);

// The common case: a button speaks the plain words of its caption ("L e s e n" as "Lesen").
void speakPlainWords(QAbstractButton *button);
