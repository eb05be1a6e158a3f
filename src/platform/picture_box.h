#pragma once

#include <QPixmap>
#include <QWidget>

// A decoration: a small picture from the assets, fitted into the box on its own background.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    // pictureName is the picture's file name in assets/ without its ending ("column").
    PictureBox(const QString &pictureName, const QColor &background, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString pictureName;
    QPixmap picture; // read at the first paint, in the resolution of the screen it is on
};
