#pragma once

#include <QFont>

// The three faces of the program, bold as all its texts are. The classic names are kept
// and mapped once onto faces that Debian ships (Liberation Sans, Liberation Mono,
// DejaVu Sans), with a generic fallback.
QFont sansFont(qreal pointSize);
QFont fixedFont(qreal pointSize);
QFont wideFont(qreal pointSize);
