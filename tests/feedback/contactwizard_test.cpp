#include "contactfixture.h"

namespace {

using ContactWizard = ContactForm;

TEST_F(ContactWizard, opens_on_the_names_page_with_messages_hidden) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Contact Quilmar Software"));
    EXPECT_EQ(form->Tag, QStringLiteral("0"));
    EXPECT_TRUE(pageShown(0));
    for (int i : {1, 2}) {
        EXPECT_TRUE(form->Frame[i]->isHidden()) << i;
        EXPECT_EQ(form->Frame[i]->x(), Twips(-20000)) << i;
    }
    EXPECT_TRUE(form->lblBack->isHidden());
    EXPECT_EQ(form->lblNext->text(), QStringLiteral("Next>"));
    EXPECT_TRUE(form->lblRequiredEmail->isHidden());
    EXPECT_TRUE(form->lblRequiredComment->isHidden());
}

TEST_F(ContactWizard, next_on_the_names_page_needs_no_names) {
    click(form->lblNext);
    EXPECT_EQ(form->Tag, QStringLiteral("1"));
    EXPECT_TRUE(pageShown(1));
    EXPECT_TRUE(form->Frame[0]->isHidden());
    EXPECT_FALSE(form->lblBack->isHidden());
    EXPECT_TRUE(form->txtEmail->hasFocus());
    EXPECT_TRUE(script.shown.empty());
}

TEST_F(ContactWizard, checks_the_email_pair_before_the_comments_page) {
    struct Row {
        QString email, confirm, message;  // empty message: the page changes
    };
    const QString invalid = QStringLiteral("Invalid Email address");
    const QString differ = QStringLiteral("Email entries don't match");
    const Row rows[] = {
        {QString(), QString(), invalid},
        {QStringLiteral("   "), QStringLiteral("   "), invalid},
        {QStringLiteral("ann.example.com"), QStringLiteral("ann.example.com"), invalid},
        {QStringLiteral("ann@example.com"), QStringLiteral("ann@example.org"), differ},
        {QStringLiteral("ann@example.com"), QString(), differ},
        {QStringLiteral(" Ann@Example.com  "), QStringLiteral("ann@EXAMPLE.COM"), QString()},
        {QStringLiteral("@"), QStringLiteral("@"), QString()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.email.toStdString() + " / " + row.confirm.toStdString());
        form = std::make_unique<frmContact>();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        click(form->lblNext);
        type(form->txtEmail, row.email);
        type(form->txtConfirm, row.confirm);
        click(form->lblNext);
        if (row.message.isEmpty()) {
            EXPECT_EQ(form->Tag, QStringLiteral("2"));
            EXPECT_TRUE(pageShown(2));
            EXPECT_TRUE(form->Frame[1]->isHidden());
            EXPECT_EQ(form->lblNext->text(), QStringLiteral("Send"));
            EXPECT_TRUE(form->txtComments->hasFocus());
            EXPECT_TRUE(form->lblRequiredEmail->isHidden());
        } else {
            EXPECT_EQ(form->Tag, QStringLiteral("1"));
            EXPECT_TRUE(pageShown(1));
            EXPECT_FALSE(form->lblRequiredEmail->isHidden());
            EXPECT_EQ(form->lblRequiredEmail->text(), row.message);
            EXPECT_TRUE(form->txtEmail->hasFocus());
            EXPECT_EQ(form->txtEmail->selectedText(), form->txtEmail->text());
        }
    }
}

TEST_F(ContactWizard, refuses_a_comment_of_only_line_breaks_and_blanks) {
    toCommentsPage();
    type(form->txtComments, QStringLiteral("  "));
    QTest::keyClick(form->txtComments, Qt::Key_Return);
    QTest::keyClick(form->txtComments, Qt::Key_Return);
    QTest::keyClicks(form->txtComments, QStringLiteral("   "));
    click(form->lblNext);
    EXPECT_EQ(form->lblRequiredComment->text(), QStringLiteral("Please Enter Your Comments"));
    EXPECT_FALSE(form->lblRequiredComment->isHidden());
    EXPECT_TRUE(form->txtComments->hasFocus());
    EXPECT_FALSE(form->isHidden());
    EXPECT_TRUE(server.targets.isEmpty());

    // Typing in the comment clears the message.
    QTest::keyClicks(form->txtComments, QStringLiteral("x"));
    EXPECT_TRUE(form->lblRequiredComment->isHidden());
}

TEST_F(ContactWizard, without_a_connection_says_so_and_sends_nothing) {
    SetConnectedOverride(false);
    toCommentsPage();
    type(form->txtComments, QStringLiteral("Hello"));
    click(form->lblNext);
    EXPECT_EQ(form->lblRequiredComment->text(), QStringLiteral("No Internet Connection"));
    EXPECT_FALSE(form->lblRequiredComment->isHidden());
    EXPECT_FALSE(form->isHidden());
    EXPECT_EQ(form->Tag, QStringLiteral("2"));
    EXPECT_TRUE(server.targets.isEmpty());
    EXPECT_TRUE(script.shown.empty());

    // Send again once the connection is back.
    SetConnectedOverride(true);
    server.body = "E-mail: Thanks</body>";
    click(form->lblNext);
    EXPECT_EQ(server.targets.size(), 1);
    EXPECT_TRUE(form->isHidden());
}

TEST_F(ContactWizard, back_walks_the_pages_in_reverse_and_clears_messages) {
    click(form->lblNext);
    type(form->txtEmail, QStringLiteral("a@b"));
    type(form->txtConfirm, QStringLiteral("a@b"));
    click(form->lblNext);
    click(form->lblNext);  // empty comment: message shown
    ASSERT_FALSE(form->lblRequiredComment->isHidden());

    click(form->lblBack);
    EXPECT_EQ(form->Tag, QStringLiteral("1"));
    EXPECT_TRUE(pageShown(1));
    EXPECT_TRUE(form->Frame[2]->isHidden());
    EXPECT_EQ(form->lblNext->text(), QStringLiteral("Next>"));
    EXPECT_TRUE(form->lblRequiredComment->isHidden());
    EXPECT_TRUE(form->lblRequiredEmail->isHidden());
    EXPECT_FALSE(form->lblBack->isHidden());

    form->txtConfirm->setText(QStringLiteral("other@b"));
    click(form->lblNext);
    ASSERT_FALSE(form->lblRequiredEmail->isHidden());
    click(form->lblBack);
    EXPECT_EQ(form->Tag, QStringLiteral("0"));
    EXPECT_TRUE(pageShown(0));
    EXPECT_TRUE(form->lblBack->isHidden());
    EXPECT_TRUE(form->lblRequiredEmail->isHidden());
    // What was typed stays.
    EXPECT_EQ(form->txtEmail->text(), QStringLiteral("a@b"));
}

TEST_F(ContactWizard, pressing_next_hides_both_message_lines_before_the_click) {
    click(form->lblNext);
    click(form->lblNext);  // invalid e-mail
    ASSERT_FALSE(form->lblRequiredEmail->isHidden());
    QTest::mousePress(form->lblNext, Qt::LeftButton);
    EXPECT_TRUE(form->lblRequiredEmail->isHidden());
    QTest::mouseRelease(form->lblNext, Qt::LeftButton);
    EXPECT_FALSE(form->lblRequiredEmail->isHidden());
}

TEST_F(ContactWizard, cancel_and_escape_close_without_sending) {
    toCommentsPage();
    type(form->txtComments, QStringLiteral("Hello"));
    click(form->lblCancel);
    EXPECT_TRUE(form->isHidden());
    EXPECT_EQ(form->result(), QDialog::Rejected);

    form = std::make_unique<frmContact>();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    type(form->txtFirstName, QStringLiteral("Ann"));
    QTest::keyClick(form->txtFirstName, Qt::Key_Escape);
    EXPECT_TRUE(form->isHidden());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_TRUE(server.targets.isEmpty());
    EXPECT_TRUE(script.shown.empty());
}

TEST_F(ContactWizard, capitalises_a_name_when_its_second_letter_is_typed) {
    type(form->txtFirstName, QStringLiteral("ann"));
    EXPECT_EQ(form->txtFirstName->text(), QStringLiteral("Ann"));
    type(form->txtLastName, QStringLiteral("v"));
    QTest::keyClick(form->txtLastName, Qt::Key_Tab);
    EXPECT_EQ(form->txtLastName->text(), QStringLiteral("v"));
    // Coming back selects the whole name; the next key replaces it, capitalised first.
    form->txtLastName->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form->txtLastName->selectedText(), QStringLiteral("v"));
    QTest::keyClicks(form->txtLastName, QStringLiteral("an"));
    EXPECT_EQ(form->txtLastName->text(), QStringLiteral("Van"));
    // Shift alone is no typed character.
    form->txtFirstName->clear();
    type(form->txtFirstName, QStringLiteral("b"));
    QTest::keyClick(form->txtFirstName, Qt::Key_Shift);
    EXPECT_EQ(form->txtFirstName->text(), QStringLiteral("b"));
}

TEST_F(ContactWizard, focus_selects_the_whole_text_of_each_single_line_field) {
    click(form->lblNext);
    form->txtEmail->setText(QStringLiteral("ann@example.com"));
    form->txtConfirm->setFocus(Qt::TabFocusReason);
    form->txtEmail->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(form->txtEmail->selectedText(), QStringLiteral("ann@example.com"));
}

TEST_F(ContactWizard, commands_work_from_the_keyboard) {
    form->lblNext->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->lblNext, Qt::Key_Space);
    EXPECT_EQ(form->Tag, QStringLiteral("1"));
    form->lblBack->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->lblBack, Qt::Key_Return);
    EXPECT_EQ(form->Tag, QStringLiteral("0"));
    // Tab from the last name reaches the commands.
    form->txtLastName->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->txtLastName, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->lblCancel);
    QTest::keyClick(form->lblCancel, Qt::Key_Enter);
    EXPECT_TRUE(form->isHidden());
}

TEST_F(ContactWizard, hover_paints_the_command_under_the_pointer_green) {
    const QColor green(0x00, 0xFF, 0x00), black(0, 0, 0);
    EXPECT_EQ(form->lblNext->ink(), CommandLabel::Ink::WindowText);
    QTest::mouseMove(form->lblNext);
    EXPECT_EQ(form->lblNext->textColour(), green);
    EXPECT_EQ(form->lblCancel->textColour(), black);
    EXPECT_EQ(form->lblNext->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseMove(form->lblCancel);
    EXPECT_EQ(form->lblCancel->textColour(), green);
    EXPECT_EQ(form->lblNext->textColour(), black);

    // The page's background.
    QTest::mouseMove(form->Frame[0], QPoint(5, 5));
    EXPECT_EQ(form->lblCancel->textColour(), black);
    EXPECT_EQ(form->lblNext->textColour(), black);
    EXPECT_EQ(form->lblBack->textColour(), black);

    QTest::mouseMove(form->lblNext);
    // The form's own background between the lines.
    QTest::mouseMove(form.get(), QPoint(2, form->height() - 3));
    EXPECT_EQ(form->lblNext->textColour(), black);
}

} // namespace
