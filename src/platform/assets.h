#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures are drawn as SVG in src/assets and rendered to bitmaps when the
// program is built, so showing one needs no SVG parsing, no SVG module and no font for its
// text, and not even the decoding of a PNG.

// A picture by its name in assets/ ("column") for a screen of the given device pixel ratio:
// its own size times the ratio, rounded to whole device pixels, with that device pixel
// ratio. The build draws each picture for the common ratios (1, 1.25, 1.5, 2, 3);
// for any other ratio the bitmap of the next larger one is scaled down smoothly.
QPixmap picturePixmap(const QString &pictureName, qreal ratio);

// The ratio whose bitmap a screen of this ratio takes: the smallest drawn one not below it,
// so that it is scaled down, never up; the largest drawn one for a screen beyond them all.
double drawnRatioFor(double screenRatio);

// The one icon that all three windows carry.
QIcon windowIcon();
