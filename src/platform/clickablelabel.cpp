#include "platform/clickablelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    emit mouseDown(event->button(), event->globalPosition().toPoint());
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = leftPressed_ && event->button() == Qt::LeftButton;
    leftPressed_ = false;
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    // Taken here: the window behind the label is not told the pointer moved.
    event->accept();
    emit mouseMoved();
}

void ClickableLabel::setBorder(bool on) {
    border_ = on;
    update();
}

void ClickableLabel::setKeyboardClickable(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); }

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (focusPolicy() != Qt::NoFocus && !event->isAutoRepeat()) {
            event->accept();
            emit clicked();
            return;
        }
        break;
    default: break;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!border_ && !hasFocus())
        return;
    QPainter painter(this);
    if (border_) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
