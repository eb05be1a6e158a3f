#pragma once

#include "platform/announcement.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>

// What the program sends a screen reader while this lives, in the order sent. A message box
// that appears meanwhile is written into the same list as "Box: " and its text, so that the
// order of the two can be checked.
class Heard : public QObject
{
public:
    Heard()
    {
        setAnnouncementWitness([this](QWidget *, const QString &text) { said << text; });
        qApp->installEventFilter(this);
    }
    ~Heard() override { setAnnouncementWitness({}); }

    QStringList said;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(watched))
                said << QStringLiteral("Box: ") + box->text();
        }
        return false;
    }
};
