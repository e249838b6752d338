#pragma once

#include "platform/clickablelabel.h"

#include <QLabel>
#include <QList>
#include <QPointer>

// A dialog command drawn as a label: Verdana 8.25 pt bold, centred text in a
// single-line border on a transparent background, the hand pointer on hover.
// It clicks like a button: a left click with the mouse, or Enter / Space while
// it has the keyboard focus (it takes the focus with Tab).
//
// Its text starts in the system's window-text colour; a CommandLabelGroup
// repaints it black or green as the pointer moves.
class CommandLabel : public ClickableLabel {
    Q_OBJECT
public:
    enum class Ink { WindowText, Black, Green };

    explicit CommandLabel(const QString& text, QWidget* parent = nullptr);

    Ink ink() const { return ink_; }
    void setInk(Ink ink);
    // The colour the text is painted in now.
    QColor textColour() const;

signals:
    // A mouse button went down on the label (before any click).
    void pressed(Qt::MouseButton button);
    // The pointer moved over the label.
    void hovered();

protected:
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void pointerOver();

    Ink ink_ = Ink::WindowText;
};

// The command labels of one dialog, painted together: the pointer over one
// label paints them all black and that one green; the pointer over one of the
// background widgets (the dialog itself, its pages, its main control) paints
// them all black.
//
//   auto* group = new CommandLabelGroup(this);
//   group->addLabel(lblCancel);
//   group->addBackground(this);
class CommandLabelGroup : public QObject {
    Q_OBJECT
public:
    explicit CommandLabelGroup(QObject* parent = nullptr);

    void addLabel(CommandLabel* label);
    // Turns mouse tracking on for `widget` and watches its pointer moves.
    void addBackground(QWidget* widget);

    void paintAllBlack();
    void highlight(CommandLabel* label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPointer<CommandLabel>> labels_;
};
