#include "dialogs/commandlabel.h"

#include "platform/cursor.h"
#include "platform/look.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

CommandLabel::CommandLabel(const QString& text, QWidget* parent) : ClickableLabel(parent) {
    setText(text);
    setFont(VerdanaFont(8.25, true));
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setKeyboardClickable(true);
    setAccessibleName(text);
    setInk(Ink::WindowText);
    connect(this, &ClickableLabel::mouseDown, this, [this](Qt::MouseButton button) { emit pressed(button); });
    connect(this, &ClickableLabel::mouseMoved, this, &CommandLabel::pointerOver);
}

void CommandLabel::setInk(Ink ink) {
    ink_ = ink;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, textColour());
    setPalette(pal);
}

QColor CommandLabel::textColour() const {
    switch (ink_) {
    case Ink::Black: return Rgb(0x000000);
    case Ink::Green: return Rgb(0x00FF00);
    case Ink::WindowText: break;
    }
    return QPalette().color(QPalette::WindowText);
}

void CommandLabel::pointerOver() {
    SetHandCursor(this);
    emit hovered();
}

void CommandLabel::enterEvent(QEnterEvent* event) {
    pointerOver();
    QLabel::enterEvent(event);
}

void CommandLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Keyboard users need to see which command Enter will run.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

CommandLabelGroup::CommandLabelGroup(QObject* parent) : QObject(parent) {}

void CommandLabelGroup::addLabel(CommandLabel* label) {
    labels_.append(label);
    connect(label, &CommandLabel::hovered, this, [this, label] { highlight(label); });
}

void CommandLabelGroup::addBackground(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void CommandLabelGroup::paintAllBlack() {
    for (const auto& label : labels_)
        if (label && label->ink() != CommandLabel::Ink::Black)
            label->setInk(CommandLabel::Ink::Black);
}

void CommandLabelGroup::highlight(CommandLabel* label) {
    paintAllBlack();
    if (label)
        label->setInk(CommandLabel::Ink::Green);
}

bool CommandLabelGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        paintAllBlack();
    return QObject::eventFilter(watched, event);
}
