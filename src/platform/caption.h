#pragma once

#include <QString>

class QLabel;

// Label captions are kept as the program writes them, where a line break is a carriage
// return (or CR LF); a QLabel breaks lines at "\n". These set and read the kept text while
// the label shows the line breaks.
void setCaption(QLabel *label, const QString &caption);
QString caption(const QLabel *label);
