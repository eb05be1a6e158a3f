#include "text_contrast.h"

#include "exercises/number_table_panel.h"
#include "text_fit.h"

#include <QAbstractItemView>
#include <QImage>
#include <QListWidget>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <map>

namespace
{

// Relative luminance and contrast ratio as the guidelines define them for sRGB.
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
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

struct Text {
    const QWidget *control;
    QRect area; // in the control's coordinates
};

// Where each visible text is drawn: a control's text extent, each filled line of a list,
// the whole printed table.
QList<Text> textsOf(const QWidget *window)
{
    QList<Text> texts;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!seenByTheEye(control))
            continue;
        if (auto *list = qobject_cast<const QListWidget *>(control)) {
            for (int row = 0; row < list->count(); ++row) {
                const QRect line = list->visualItemRect(list->item(row)) & list->viewport()->rect();
                if (!line.isEmpty() && !list->item(row)->text().trimmed().isEmpty())
                    texts << Text{list, line.translated(list->viewport()->pos())};
            }
        } else if (qobject_cast<const NumberTablePanel *>(control)) {
            texts << Text{control, control->rect()};
        } else if (!textExtent(control).isEmpty()) {
            texts << Text{control, textExtent(control)};
        }
    }
    return texts;
}

} // namespace

// The background is the commonest colour of the text's area, the ink the colour in it that
// stands out most: the core of the glyphs, where no edge smoothing blends it.
QStringList illegibleTexts(QWidget *window)
{
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal scale = image.devicePixelRatio();
    QStringList found;
    for (const Text &text : textsOf(window)) {
        const QRect area = QRect(text.control->mapTo(window, text.area.topLeft()) * scale,
                                 text.area.size() * scale) &
                           image.rect();
        std::map<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[image.pixel(x, y)];
        }
        const QRgb background =
            std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
                return a.second < b.second;
            })->first;
        QRgb ink = background;
        for (const auto &[colour, count] : counts) {
            if (contrast(colour, background) > contrast(ink, background))
                ink = colour;
        }
        const QFont font = text.control->font();
        const bool large = font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14);
        const double ratio = contrast(ink, background);
        if (ratio < (large ? 3.0 : 4.5)) {
            found << QStringLiteral("%1 at %2,%3: %4:1, ink %5 on %6")
                         .arg(text.control->objectName())
                         .arg(area.x())
                         .arg(area.y())
                         .arg(ratio, 0, 'f', 2)
                         .arg(QColor(ink).name(), QColor(background).name());
        }
    }
    return found;
}
