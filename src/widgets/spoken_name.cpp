#include "widgets/spoken_name.h"

#include "platform/spoken_words.h"
#include "widgets/pressable_label.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>

namespace
{

// Kept as a child of its control, so the rule lives exactly as long as the control. Captions
// announce their own changes to screen readers; a change of colour does not, though it can
// change the name (a memory card turning white when it is found), so it is announced here.
class SpokenNameHolder : public QObject
{
public:
    SpokenNameHolder(QWidget *control, SpokenNameRule rule)
        : QObject(control), rule(std::move(rule))
    {
        control->installEventFilter(this);
    }

    const SpokenNameRule rule;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange) {
            QAccessibleEvent changed(watched, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
        return false;
    }
};

SpokenNameHolder *holderOf(const QObject *control)
{
    for (QObject *child : control->children()) {
        if (auto *holder = dynamic_cast<SpokenNameHolder *>(child))
            return holder;
    }
    return nullptr;
}

// The accessible side of a control with a spoken name, or of a label that acts as a button:
// the name comes from the rule, the rest from the widget; a button, or a label that acts as
// one, is pressed through it as by a click.
class SpokenControl : public QAccessibleWidget
{
public:
    explicit SpokenControl(QWidget *control) : QAccessibleWidget(control, roleOf(control)) {}

    QString text(QAccessible::Text kind) const override
    {
        const SpokenNameHolder *holder = holderOf(object());
        if (kind == QAccessible::Name && holder)
            return holder->rule();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (object()->isWidgetType() && widget()->isEnabled() && (button() || label()))
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && button()) {
            // Clicked from the event loop, as a mouse click would be: a message box it
            // opens must not block the screen reader's call.
            if (button()->isEnabled())
                button()->animateClick();
            return;
        }
        if (action == pressAction() && label()) {
            if (label()->isEnabled())
                QMetaObject::invokeMethod(label(), &PressableLabel::press, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton *button() const { return qobject_cast<QAbstractButton *>(object()); }
    PressableLabel *label() const { return qobject_cast<PressableLabel *>(object()); }

    static QAccessible::Role roleOf(const QWidget *control)
    {
        if (qobject_cast<const QAbstractButton *>(control) ||
            qobject_cast<const PressableLabel *>(control))
            return QAccessible::PushButton;
        if (qobject_cast<const QLabel *>(control))
            return QAccessible::StaticText;
        return QAccessible::Client;
    }
};

QAccessibleInterface *spokenControlFactory(const QString &, QObject *object)
{
    if (object && object->isWidgetType() &&
        (holderOf(object) || qobject_cast<PressableLabel *>(object)))
        return new SpokenControl(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void setSpokenName(QWidget *control, SpokenNameRule rule)
{
    // Factories installed later are asked first, so this one comes before the widgets' own.
    static const bool installed = [] {
        QAccessible::installFactory(spokenControlFactory);
        return true;
    }();
    Q_UNUSED(installed);

    delete holderOf(control);
    new SpokenNameHolder(control, std::move(rule));
    // Setting a caption already makes the control's accessible interface; one made before
    // the rule was given would go on speaking the caption.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(control);
    if (made && !dynamic_cast<SpokenControl *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QString spokenName(const QWidget *control)
{
    const SpokenNameHolder *holder = holderOf(control);
    return holder ? holder->rule() : control->accessibleName();
}

void speakPlainWords(QAbstractButton *button)
{
    setSpokenName(button, [button] {
        return QString::fromStdString(PlainWords(button->text().toStdString()));
    });
}
