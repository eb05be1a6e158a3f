// Draws an SVG picture into a bitmap at build time, so that the program shows its pictures
// without parsing SVG at run time, and desktops that want a bitmap icon find one.
// Usage: render_picture <in.svg> <out.png|out.argb> <size>
//   <size> is a number of pixels N, for an N x N square with the picture fitted and centred
//   (an icon); or a scale Fx, for the picture's own size times F (1x, 1.25x, 2x); or N@Fx,
//   for a square of N times F. A size times a fractional scale is rounded as Qt rounds a
//   widget's size on a screen of that device pixel ratio, so the bitmap fills the same device
//   pixels as the box that shows it.
//   A .png is for the desktop. A .argb is for the program, which takes it as it is: the width
//   and the height as two 32-bit numbers, then the pixels, premultiplied ARGB32, row by row,
//   all in the byte order of the machine that builds and runs it.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <array>
#include <cstdio>
#include <optional>

namespace
{

int fail(const QString &message)
{
    std::fprintf(stderr, "render_picture: %s\n", qPrintable(message));
    return 1;
}

// The image size and where in it the picture goes, or nothing for a size not understood.
struct Canvas {
    QSize size;
    QRectF target;
};

// A scale "Fx" from 1x to 8x, or nothing.
std::optional<qreal> scaleOf(const QString &argument)
{
    bool isNumber = false;
    const qreal scale =
        argument.endsWith(QLatin1Char('x')) ? argument.chopped(1).toDouble(&isNumber) : 0.0;
    if (!isNumber || scale < 1 || scale > 8)
        return std::nullopt;
    return scale;
}

std::optional<Canvas> canvasFor(const QString &sizeArgument, QSizeF pictureSize)
{
    const qsizetype at = sizeArgument.indexOf(QLatin1Char('@'));
    if (at < 0) {
        if (const std::optional<qreal> scale = scaleOf(sizeArgument)) {
            const QSize size = (pictureSize * *scale).toSize();
            return Canvas{size, QRectF(QPointF(0, 0), QSizeF(size))};
        }
    }
    const std::optional<qreal> scale =
        at < 0 ? std::optional<qreal>(1.0) : scaleOf(sizeArgument.mid(at + 1));
    bool isNumber = false;
    const int pixels = sizeArgument.left(at).toInt(&isNumber);
    if (!scale || !isNumber || pixels < 1 || pixels > 1024)
        return std::nullopt;
    const int side = qRound(pixels * *scale);
    // Fitted into the square without distorting it, centred.
    const QSizeF fitted = pictureSize.scaled(side, side, Qt::KeepAspectRatio);
    return Canvas{QSize(side, side),
                  QRectF((side - fitted.width()) / 2, (side - fitted.height()) / 2, fitted.width(),
                         fitted.height())};
}

bool writeRaw(QIODevice &output, const QImage &image)
{
    const std::array<quint32, 2> size = {quint32(image.width()), quint32(image.height())};
    const auto headerBytes = static_cast<qint64>(sizeof size);
    const auto pixelBytes = static_cast<qint64>(image.sizeInBytes());
    return output.write(reinterpret_cast<const char *>(size.data()), headerBytes) == headerBytes &&
           output.write(reinterpret_cast<const char *>(image.constBits()), pixelBytes) ==
               pixelBytes;
}

} // namespace

int main(int argc, char *argv[])
{
    // The pictures' text needs the font database, which only a GUI application has.
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 4)
        return fail(QStringLiteral("usage: render_picture <in.svg> <out.png|out.argb> "
                                   "<pixels>|<scale>x|<pixels>@<scale>x"));

    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read SVG picture ") + arguments.at(1));
    QSizeF pictureSize = renderer.defaultSize();
    if (pictureSize.isEmpty())
        pictureSize = renderer.viewBoxF().size();
    if (pictureSize.isEmpty())
        return fail(QStringLiteral("SVG picture has no size: ") + arguments.at(1));
    const std::optional<Canvas> canvas = canvasFor(arguments.at(3), pictureSize);
    if (!canvas)
        return fail(QStringLiteral("size must be 1 to 1024 pixels, a scale 1x to 8x or both: ") +
                    arguments.at(3));

    QImage image(canvas->size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, canvas->target);
    painter.end();

    // Written whole or not at all, so a failed run never leaves a broken picture behind.
    const bool raw = arguments.at(2).endsWith(QLatin1String(".argb"));
    QSaveFile output(arguments.at(2));
    if (!output.open(QIODevice::WriteOnly) ||
        !(raw ? writeRaw(output, image) : image.save(&output, "PNG")) || !output.commit())
        return fail(QStringLiteral("cannot write ") + arguments.at(2));
    return 0;
}
