#include "platform/caption.h"

#include <QLabel>
#include <QVariant>

static constexpr const char *captionProperty = "caption";

static QString shownText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void setCaption(QLabel *label, const QString &text)
{
    label->setProperty(captionProperty, text);
    label->setText(shownText(text));
}

QString caption(const QLabel *label)
{
    // A caption set with setText directly has no kept text, or one that no longer matches.
    const QString kept = label->property(captionProperty).toString();
    return shownText(kept) == label->text() ? kept : label->text();
}
