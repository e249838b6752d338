#include "mainwindow/shaperect.h"

#include <QPainter>

ShapeRect::ShapeRect(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The system's active-border colour outlines the plate; a selected plate
    // is filled with the highlight colour.
    border_ = palette().color(QPalette::Active, QPalette::Mid);
    fill_ = QColor(0xB4, 0xB4, 0xB4);
}

void ShapeRect::setFilled(bool filled) {
    if (filled_ == filled)
        return;
    filled_ = filled;
    update();
}

void ShapeRect::setBorderColor(const QColor& color) {
    border_ = color;
    update();
}

void ShapeRect::setFillColor(const QColor& color) {
    fill_ = color;
    update();
}

void ShapeRect::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (filled_)
        painter.fillRect(rect(), fill_);
    painter.setPen(QPen(border_, 1));
    painter.drawRect(box);
}
