#pragma once

class QPainter;
class QRectF;

// The ring that shows a keyboard user where the focus is, on controls whose style draws none:
// black outside and yellow inside, so that one of the two stands out on any colour a control
// of the program has (dark blue, white, the light cyan faces).
void drawFocusRing(QPainter &painter, const QRectF &outside);
