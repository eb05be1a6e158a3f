#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A decoration: a small vector picture from the assets, drawn to fit on its own background.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QString &assetName, const QColor &background, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer renderer;
};
