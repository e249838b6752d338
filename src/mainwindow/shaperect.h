#pragma once

#include <QColor>
#include <QWidget>

// A plain rectangle outline that can be filled: the selection plates under
// the ladder rows and the outlines around the result captions. It never takes
// the mouse.
class ShapeRect : public QWidget {
    Q_OBJECT
public:
    explicit ShapeRect(QWidget* parent = nullptr);

    void setFilled(bool filled);
    bool isFilled() const { return filled_; }
    void setBorderColor(const QColor& color);
    QColor borderColor() const { return border_; }
    void setFillColor(const QColor& color);
    QColor fillColor() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool filled_ = false;
    QColor border_;
    QColor fill_;
};
