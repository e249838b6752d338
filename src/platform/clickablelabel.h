#pragma once

#include <QLabel>

// A label that clicks like a button: it reports mouse presses, left clicks
// released over it and pointer moves; the ladders' captions and prices and
// the dialogs' command labels are built on it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // A single-line border in the window-text colour, as the price boxes have.
    void setBorder(bool on);
    // Takes the focus with Tab and clicks with Enter or Space, so the ladders
    // can be used from the keyboard alone.
    void setKeyboardClickable(bool on);

signals:
    void clicked();
    void mouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool leftPressed_ = false;
    bool border_ = false;
};
