#include "platform/cursor.h"

#include <QWidget>

void SetHandCursor(QWidget* widget) {
    if (widget && widget->cursor().shape() != Qt::PointingHandCursor)
        widget->setCursor(Qt::PointingHandCursor);
}
