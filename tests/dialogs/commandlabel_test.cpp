#include "dialogs/commandlabel.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kBlack(0x00, 0x00, 0x00);

// Two grouped commands and a third label of its own on one shown window.
class CommandLabels : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(300, 200);
        ok = new CommandLabel(QStringLiteral("OK"), window.get());
        ok->setGeometry(10, 150, 60, 17);
        cancel = new CommandLabel(QStringLiteral("Cancel"), window.get());
        cancel->setGeometry(80, 150, 60, 17);
        loner = new CommandLabel(QStringLiteral("Other"), window.get());
        loner->setGeometry(150, 150, 60, 17);
        group = new CommandLabelGroup(window.get());
        group->addLabel(ok);
        group->addLabel(cancel);
        group->addBackground(window.get());
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    std::unique_ptr<QWidget> window;
    CommandLabel* ok = nullptr;
    CommandLabel* cancel = nullptr;
    CommandLabel* loner = nullptr;
    CommandLabelGroup* group = nullptr;
};

TEST_F(CommandLabels, look_like_bordered_bold_centred_commands_in_window_text) {
    EXPECT_TRUE(ok->font().bold());
    EXPECT_DOUBLE_EQ(ok->font().pointSizeF(), 8.25);
    EXPECT_EQ(ok->alignment(), Qt::AlignCenter);
    EXPECT_EQ(ok->frameShape(), QFrame::Box);
    EXPECT_FALSE(ok->autoFillBackground());
    EXPECT_EQ(ok->ink(), CommandLabel::Ink::WindowText);
    EXPECT_EQ(ok->textColour(), QPalette().color(QPalette::WindowText));
    EXPECT_EQ(ok->palette().color(QPalette::WindowText), ok->textColour());
}

TEST_F(CommandLabels, click_only_on_a_left_press_and_release_inside) {
    QSignalSpy clicked(ok, &CommandLabel::clicked);
    QSignalSpy pressed(ok, &CommandLabel::pressed);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    QTest::mouseClick(ok, Qt::RightButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(pressed.count(), 2);
    EXPECT_EQ(pressed.at(1).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    // Pressed inside, released outside: no click.
    QTest::mousePress(ok, Qt::LeftButton);
    QTest::mouseRelease(ok, Qt::LeftButton, {}, QPoint(ok->width() + 20, 5));
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(CommandLabels, click_from_the_keyboard_with_enter_and_space) {
    QSignalSpy clicked(cancel, &CommandLabel::clicked);
    ok->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(ok, Qt::Key_Tab);
    ASSERT_TRUE(cancel->hasFocus());
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(cancel, key);
    EXPECT_EQ(clicked.count(), 3);
    QTest::keyClick(cancel, Qt::Key_A);
    QTest::keyClick(cancel, Qt::Key_Escape);
    EXPECT_EQ(clicked.count(), 3);
}

TEST_F(CommandLabels, pointer_paints_its_label_green_and_the_rest_of_the_group_black) {
    QTest::mouseMove(ok);
    EXPECT_EQ(ok->textColour(), kGreen);
    EXPECT_EQ(cancel->textColour(), kBlack);
    EXPECT_EQ(ok->cursor().shape(), Qt::PointingHandCursor);
    // Labels outside the group keep their colour.
    EXPECT_EQ(loner->ink(), CommandLabel::Ink::WindowText);

    QTest::mouseMove(cancel);
    EXPECT_EQ(cancel->textColour(), kGreen);
    EXPECT_EQ(ok->textColour(), kBlack);

    QTest::mouseMove(loner);
    // A label outside the group neither changes colour nor touches the group.
    EXPECT_EQ(loner->ink(), CommandLabel::Ink::WindowText);
    EXPECT_EQ(cancel->textColour(), kGreen);

    QTest::mouseMove(window.get(), QPoint(5, 5));
    EXPECT_EQ(ok->textColour(), kBlack);
    EXPECT_EQ(cancel->textColour(), kBlack);
    EXPECT_TRUE(window->hasMouseTracking());
}

TEST_F(CommandLabels, group_survives_a_label_deleted_before_it) {
    delete cancel;
    cancel = nullptr;
    QTest::mouseMove(ok);
    EXPECT_EQ(ok->textColour(), kGreen);
    group->paintAllBlack();
    EXPECT_EQ(ok->textColour(), kBlack);
}

} // namespace
