#include "exercises/number_table_panel.h"

#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/twips.h"

#include <QPainter>

NumberTablePanel::NumberTablePanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Bild3"));
    // Created out of sight; shown at Left 2160, exactly over the number field.
    setGeometry(twipsRect(10800, 240, 7815, 2295));
    setBackground(this, QColor(0, 255, 255));
    setFont(sansFont(8.25));
}

void NumberTablePanel::PrintNumberTable()
{
    lines = NumberTableLines();
    update();
}

void NumberTablePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    // Lines are placed by their top edge; the painter wants the baseline.
    const int ascent = fontMetrics().ascent();
    for (const PrintedLine &line : lines)
        painter.drawText(twips(line.x), twips(line.y) + ascent, QString::fromStdString(line.text));
}
