#include "exercises/number_table_panel.h"
#include "text_fit.h"

#include <QImage>
#include <QListWidget>
#include <cmath>
#include <map>

namespace
{

// Relative luminance and contrast ratio as WCAG 2 defines them for sRGB.
double luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    return (std::max(luminance(a), luminance(b)) + 0.05) /
           (std::min(luminance(a), luminance(b)) + 0.05);
}

// Where each visible text is drawn, in the window: a control's text, each line of a list,
// the printed table.
QList<std::pair<const QWidget *, QRect>> textAreas(const QWidget *window)
{
    QList<std::pair<const QWidget *, QRect>> areas;
    const auto add = [&](const QWidget *control, const QWidget *in, const QRect &area) {
        areas.append({control, QRect(in->mapTo(window, area.topLeft()), area.size())});
    };
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const auto *list = qobject_cast<const QListWidget *>(control);
        if (!seenByTheEye(control))
            continue;
        if (list) {
            for (int row = 0; row < list->count(); ++row) {
                const QRect line = list->visualItemRect(list->item(row)) & list->viewport()->rect();
                if (!line.isEmpty() && !list->item(row)->text().trimmed().isEmpty())
                    add(list, list->viewport(), line);
            }
        } else if (qobject_cast<const NumberTablePanel *>(control)) {
            add(control, control, control->rect());
        } else if (!textExtent(control).isEmpty()) {
            add(control, control, textExtent(control));
        }
    }
    return areas;
}

} // namespace

// The background is the commonest colour of a text's area, the ink the colour that stands out
// most among enough of its other pixels, a twentieth: the core of the glyphs, where no edge
// smoothing blends it into the background, and not a speck of dark on a pale text.
InkOnBackground inkOnBackground(const QImage &image, const QRect &pixels)
{
    std::map<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    if (counts.empty())
        return {};
    const QRgb background = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first;
    std::multimap<double, std::pair<QRgb, int>, std::greater<>> byContrast;
    int others = 0;
    for (const auto &[colour, count] : counts) {
        if (colour != background) {
            byContrast.emplace(contrast(colour, background), std::pair{colour, count});
            others += count;
        }
    }
    int seen = 0;
    for (const auto &[ratio, colourAndCount] : byContrast) {
        seen += colourAndCount.second;
        if (seen * 20 >= others)
            return {colourAndCount.first, background, ratio};
    }
    return {background, background, 1.0};
}

QStringList illegibleTexts(QWidget *window)
{
    const QImage image = window->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    QStringList found;
    for (const auto &[control, area] : textAreas(window)) {
        const QRect pixels = QRect(area.topLeft() * scale, area.size() * scale) & image.rect();
        const InkOnBackground seen = inkOnBackground(image, pixels);
        const QFont font = control->font();
        const bool large = font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14);
        if (seen.contrast < (large ? 3.0 : 4.5)) {
            found << QStringLiteral("%1 at %2,%3: %4:1, ink %5 on %6")
                         .arg(control->objectName())
                         .arg(area.x())
                         .arg(area.y())
                         .arg(seen.contrast, 0, 'f', 2)
                         .arg(QColor(seen.ink).name(), QColor(seen.background).name());
        }
    }
    return found;
}
