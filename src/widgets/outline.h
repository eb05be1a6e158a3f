#pragma once

#include <QRect>

class QFrame;
class QWidget;

// A rectangle outline in the standard text colour, drawn over its parent and letting
// every click through to what lies beneath.
QFrame *outlineShape(QWidget *parent, const char *name, QRect geometry);
