#include "exercises/number_table_panel.h"

#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/spoken_words.h"
#include "platform/twips.h"

#include <QPainter>
#include <algorithm>
#include <map>

namespace
{

// The printed table for the ear, row by row, each numeral spelled with its value:
// "M = 1000, C = 100, X = 10, I = 1; M M = 2000, …".
QString spokenTable(const std::vector<PrintedLine> &lines)
{
    std::map<int, std::vector<PrintedLine>> rows;
    for (const PrintedLine &line : lines)
        rows[line.y].push_back(line);
    QStringList spokenRows;
    for (auto &[y, row] : rows) {
        std::sort(row.begin(), row.end(),
                  [](const PrintedLine &a, const PrintedLine &b) { return a.x < b.x; });
        QStringList pairs;
        // Each numeral column has its value column right beside it.
        for (std::size_t at = 0; at + 1 < row.size(); at += 2) {
            pairs << QString::fromStdString(SpelledNumeral(row[at].text)) + QLatin1Char(' ') +
                         QString::fromStdString(row[at + 1].text);
        }
        spokenRows << pairs.join(QStringLiteral(", "));
    }
    return spokenRows.join(QStringLiteral("; "));
}

} // namespace

NumberTablePanel::NumberTablePanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Bild3"));
    // Created out of sight; shown at Left 2160, exactly over the number field.
    setGeometry(twipsRect(10800, 240, 7815, 2295));
    setBackground(this, QColor(0, 255, 255));
    setFont(sansFont(8.25));
    setAccessibleName(QStringLiteral("Zahlentabelle"));
}

void NumberTablePanel::PrintNumberTable()
{
    lines = NumberTableLines();
    setAccessibleDescription(spokenTable(lines));
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
