#pragma once

#include <QIcon>
#include <QString>

// Path of a picture compiled into the program, by its file name in assets/.
QString assetPath(const QString &fileName);

// The one icon that all three windows carry.
QIcon windowIcon();
