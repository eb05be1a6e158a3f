#pragma once

#include <QPixmap>
#include <QWidget>

// A decoration: a small picture from the assets, centred in the box on its own background.
// The build draws each picture at the size of the box that shows it.
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
    QPixmap picture; // read at the first paint, for the device pixel ratio of its screen
};
