#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures are drawn as SVG in src/assets and rendered to bitmaps when the
// program is built, so showing one needs no SVG parsing, no SVG module and no font for its
// text, and not even the decoding of a PNG.

// A picture by its name in assets/ ("column"), at its own size times scale (1 or 2), for a
// screen of that device pixel ratio.
QPixmap picturePixmap(const QString &pictureName, int scale);

// The one icon that all three windows carry.
QIcon windowIcon();
