// Draws an SVG picture into a square PNG, for desktops that look for a bitmap icon of a
// fixed size beside the scalable one. Usage: render_icon <in.svg> <out.png> <size>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

static int fail(const QString &message)
{
    std::fprintf(stderr, "render_icon: %s\n", qPrintable(message));
    return 1;
}

int main(int argc, char *argv[])
{
    // The picture's text needs the font database, which only a GUI application has.
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 4)
        return fail(QStringLiteral("usage: render_icon <in.svg> <out.png> <size>"));

    bool sizeIsNumber = false;
    const int size = arguments.at(3).toInt(&sizeIsNumber);
    if (!sizeIsNumber || size < 1 || size > 1024)
        return fail(QStringLiteral("size must be 1 to 1024 pixels: ") + arguments.at(3));

    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read SVG picture ") + arguments.at(1));

    // Fit the picture into the square without distorting it, centred.
    QSizeF pictureSize = renderer.viewBoxF().size();
    if (pictureSize.isEmpty())
        pictureSize = renderer.defaultSize();
    if (pictureSize.isEmpty())
        return fail(QStringLiteral("SVG picture has no size: ") + arguments.at(1));
    const QSizeF fitted = pictureSize.scaled(size, size, Qt::KeepAspectRatio);
    const QRectF target((size - fitted.width()) / 2, (size - fitted.height()) / 2, fitted.width(),
                        fitted.height());

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, target);
    painter.end();

    // Written whole or not at all, so a failed run never leaves a broken icon behind.
    QSaveFile output(arguments.at(2));
    if (!output.open(QIODevice::WriteOnly) || !image.save(&output, "PNG") || !output.commit())
        return fail(QStringLiteral("cannot write ") + arguments.at(2));
    return 0;
}
