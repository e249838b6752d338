#pragma once

#include <QLineEdit>
#include <functional>

// The text box of a price. Every typed character goes to `onKeyPress` first,
// which answers whether it reaches the box; the whole text is selected when
// the box gets the focus.
class PriceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit PriceEdit(QWidget* parent = nullptr);

    // Receives the character code (13 for Enter, 8 for backspace) and returns
    // true to let the character into the box.
    std::function<bool(QChar)> onKeyPress;
    std::function<void()> onMouseUp;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
