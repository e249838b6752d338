#include "mainwindow/priceedit.h"

#include <QKeyEvent>

PriceEdit::PriceEdit(QWidget* parent) : QLineEdit(parent) {}

namespace {
// Clipboard and undo shortcuts are commands, not typed characters: pasted
// text goes in unfiltered.
bool isEditingShortcut(QKeyEvent* event) {
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy) ||
           event->matches(QKeySequence::Cut) || event->matches(QKeySequence::SelectAll) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

QChar characterOf(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(13);
    case Qt::Key_Backspace: return QChar(8);
    default: break;
    }
    const QString text = event->text();
    return text.isEmpty() ? QChar() : text.front();
}
} // namespace

void PriceEdit::keyPressEvent(QKeyEvent* event) {
    const QChar ch = characterOf(event);
    if (ch.isNull() || !onKeyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool keep = onKeyPress(ch);
    if (keep || isEditingShortcut(event))
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
}

void PriceEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    setSelection(0, text().size());
}

void PriceEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (onMouseUp)
        onMouseUp();
}
