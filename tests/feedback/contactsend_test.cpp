#include "contactfixture.h"

#include "mainwindow/frmmain.h"

#include <QAction>
#include <QTimer>

namespace {

using ContactSend = ContactForm;

TEST_F(ContactSend, good_reply_shows_the_text_after_the_marker_and_closes) {
    server.body = "<html><body>E-mail: Thanks</body></html>";
    fillNamesAndEmail(QStringLiteral("josé"), QStringLiteral("o'neil"), QStringLiteral(" ann@example.com "),
                      QStringLiteral("ANN@EXAMPLE.COM"));
    type(form->txtComments, QStringLiteral("Line one"));
    QTest::keyClick(form->txtComments, Qt::Key_Return);
    typeMore(form->txtComments, QStringLiteral("5€ Ω"));
    click(form->lblNext);

    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.last().text, QStringLiteral("Thanks"));
    EXPECT_EQ(script.last().title, QStringLiteral("Dorvex"));
    EXPECT_EQ(script.last().icon, MsgIcon::None);
    EXPECT_EQ(script.last().buttons, MsgButtons::Ok);
    EXPECT_TRUE(form->isHidden());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(form->lblRequiredComment->text(), QStringLiteral("Sending Email.."));

    ASSERT_EQ(server.targets.size(), 1);
    EXPECT_TRUE(server.targets.at(0).startsWith(QStringLiteral("/ApplicationFeedback.php?email=")));
    const QList<std::pair<QString, QString>> expected = {
        {QStringLiteral("email"), QStringLiteral(" ann@example.com ")},
        {QStringLiteral("firstname"), QStringLiteral("José")},
        {QStringLiteral("lastname"), QStringLiteral("O'neil")},
        {QStringLiteral("productname"), QStringLiteral("Dorvex 2.1")},
        {QStringLiteral("comments"), QStringLiteral("Line one\r\n5€ ?")},
    };
    EXPECT_EQ(QueryPairs(server.targets.at(0)), expected);
}

TEST_F(ContactSend, ampersand_and_equals_in_a_field_reach_the_server_whole) {
    server.body = "E-mail: ok</body>";
    fillNamesAndEmail(QStringLiteral("A=B"), QStringLiteral("C&D"), QStringLiteral("x&y@z"),
                      QStringLiteral("x&y@z"));
    type(form->txtComments, QStringLiteral("AT&T = great&comments=no"));
    click(form->lblNext);
    ASSERT_EQ(server.targets.size(), 1);
    const auto pairs = QueryPairs(server.targets.at(0));
    ASSERT_EQ(pairs.size(), 5);
    EXPECT_EQ(pairs.at(0), std::make_pair(QStringLiteral("email"), QStringLiteral("x&y@z")));
    EXPECT_EQ(pairs.at(1), std::make_pair(QStringLiteral("firstname"), QStringLiteral("A=B")));
    EXPECT_EQ(pairs.at(2), std::make_pair(QStringLiteral("lastname"), QStringLiteral("C&D")));
    EXPECT_EQ(pairs.at(4), std::make_pair(QStringLiteral("comments"), QStringLiteral("AT&T = great&comments=no")));
    EXPECT_EQ(script.last().text, QStringLiteral("ok"));
}

// Every failure ends in the same message and the form closes.
struct FailureCase {
    const char* name;
    std::function<void(TestHttpServer&)> arrange;
};

TEST_F(ContactSend, every_failure_reports_email_failed_and_closes) {
    const FailureCase cases[] = {
        {"reply without </body>", [](TestHttpServer& s) { s.body = "<body>E-mail: Thanks"; }},
        {"status 500", [](TestHttpServer& s) { s.status = 500; s.body = "E-mail: Thanks</body>"; }},
        {"status 404", [](TestHttpServer& s) { s.status = 404; s.body = "E-mail: Thanks</body>"; }},
        {"refused connection",
         [](TestHttpServer&) {
             SetWebSiteHost(QStringLiteral("127.0.0.1:%1").arg(TestHttpServer::closedPort()));
         }},
        {"server never answers",
         [](TestHttpServer& s) {
             s.mode = TestHttpServer::Mode::Silent;
             SetHttpTimeoutMs(400);
         }},
        {"megabytes before the end marker",
         [](TestHttpServer& s) { s.body = "E-mail: Thanks" + QByteArray(4 << 20, 'x') + "</body>"; }},
        {"end marker before the reply", [](TestHttpServer& s) { s.body = "</body>E-mail: Thanks"; }},
    };
    for (const FailureCase& row : cases) {
        SCOPED_TRACE(row.name);
        TestHttpServer own;
        SetWebSiteHost(own.hostAndPort());
        SetHttpTimeoutMs(0);
        row.arrange(own);
        script.clear();
        form = std::make_unique<frmContact>();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        sendComment(QStringLiteral("Hello"));

        ASSERT_EQ(script.shown.size(), 1u);
        EXPECT_EQ(script.last().text, kSendFailed);
        EXPECT_EQ(script.last().title, QStringLiteral("Email Failed"));
        EXPECT_EQ(script.last().icon, MsgIcon::Information);
        EXPECT_TRUE(form->isHidden());
    }
}

TEST_F(ContactSend, a_reply_of_megabytes_with_early_markers_still_shows_the_text) {
    server.body = "E-mail: Thanks</body>" + QByteArray(6 << 20, 'z');
    sendComment(QStringLiteral("Hello"));
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.last().text, QStringLiteral("Thanks"));
}

TEST_F(ContactSend, a_comment_over_the_encoder_limit_overflows_and_sends_nothing) {
    server.body = "E-mail: Thanks</body>";
    sendComment(QString(40'000, u'c'));
    EXPECT_EQ(script.titles(),
              QStringList({QStringLiteral("frmContact URLEncode Error#6"), QStringLiteral("Email Failed")}));
    EXPECT_EQ(script.shown.at(0).icon, MsgIcon::Critical);
    EXPECT_EQ(script.shown.at(1).text, kSendFailed);
    EXPECT_TRUE(server.targets.isEmpty());
    EXPECT_TRUE(form->isHidden());
}

TEST_F(ContactSend, url_encode_reports_its_own_overflow_and_returns_nothing) {
    EXPECT_EQ(form->URLEncode(QStringLiteral("a b&c")), QStringLiteral("a+b&c"));
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(form->URLEncode(QString(32768, u'a')), QString());
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.last().title, QStringLiteral("frmContact URLEncode Error#6"));
}

// The main window's Help command: a fresh form, modal over the window, which
// stays usable after a failed send.
TEST(ContactCommand, opens_a_fresh_form_each_time_and_leaves_the_window_usable) {
    ModalWatchdog watchdog(20);
    DialogScript script;
    TestHttpServer server;
    server.status = 500;
    SetWebSiteHost(server.hostAndPort());
    SetConnectedOverride(true);

    FrmMain window;
    window.show();
    int opened = 0;
    QStringList tagsSeen;
    QStringList firstNamesSeen;
    const auto driveSend = [&] {
        auto* form = qobject_cast<frmContact*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        ++opened;
        EXPECT_EQ(form->parentWidget(), &window);
        tagsSeen << form->Tag;
        firstNamesSeen << form->txtFirstName->text();
        form->txtFirstName->setText(QStringLiteral("Ann"));
        QTest::mouseClick(form->lblNext, Qt::LeftButton);
        form->txtEmail->setText(QStringLiteral("a@b"));
        form->txtConfirm->setText(QStringLiteral("a@b"));
        QTest::mouseClick(form->lblNext, Qt::LeftButton);
        form->txtComments->setPlainText(QStringLiteral("Hi"));
        QTest::mouseClick(form->lblNext, Qt::LeftButton);
    };
    QTimer::singleShot(0, &window, driveSend);
    window.mnuContact->trigger();
    QTimer::singleShot(0, &window, driveSend);
    window.mnuContact->trigger();

    EXPECT_EQ(opened, 2);
    EXPECT_EQ(tagsSeen, QStringList({QStringLiteral("0"), QStringLiteral("0")}));
    EXPECT_EQ(firstNamesSeen, QStringList({QString(), QString()}));
    EXPECT_EQ(script.texts(), QStringList({kSendFailed, kSendFailed}));
    EXPECT_EQ(server.targets.size(), 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_TRUE(window.findChildren<frmContact*>().isEmpty());

    SetWebSiteHost({});
    SetConnectedOverride(std::nullopt);
}

} // namespace
