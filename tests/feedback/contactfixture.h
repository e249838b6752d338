#pragma once

#include "dialogs/commandlabel.h"
#include "feedback/frmcontact.h"
#include "platform/http.h"
#include "platform/look.h"
#include "platform/website.h"
#include "support/dialogscript.h"
#include "testserver.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A contact form shown offscreen and active, with scripted message boxes, a
// connection reported as present and the web site pointed at a test server.
class ContactForm : public ::testing::Test {
protected:
    void SetUp() override {
        SetConnectedOverride(true);
        SetWebSiteHost(server.hostAndPort());
        form = std::make_unique<frmContact>();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        form.reset();
        SetWebSiteHost({});
        SetConnectedOverride(std::nullopt);
        SetHttpTimeoutMs(0);
    }

    void click(CommandLabel* label) { QTest::mouseClick(label, Qt::LeftButton); }

    // Types into a box through the keyboard, after giving it the focus.
    void type(QWidget* box, const QString& text) {
        box->setFocus(Qt::TabFocusReason);
        typeMore(box, text);
    }

    // QTest knows keys for ASCII only; other characters arrive as typed text.
    static void typeMore(QWidget* box, const QString& text) {
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(box, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    void fillNamesAndEmail(const QString& first, const QString& last, const QString& email,
                           const QString& confirm) {
        type(form->txtFirstName, first);
        type(form->txtLastName, last);
        click(form->lblNext);
        type(form->txtEmail, email);
        type(form->txtConfirm, confirm);
        click(form->lblNext);
    }

    void toCommentsPage() {
        fillNamesAndEmail({}, {}, QStringLiteral("ann@example.com"), QStringLiteral("ann@example.com"));
        ASSERT_EQ(form->Tag, QStringLiteral("2"));
    }

    // Sets the comment directly: long texts would take ages key by key.
    void sendComment(const QString& comment) {
        toCommentsPage();
        form->txtComments->setPlainText(comment);
        click(form->lblNext);
    }

    bool pageShown(int index) const {
        QFrame* page = form->Frame[index];
        return !page->isHidden() && page->x() == Twips(30);
    }

    QStringList texts() const { return script.texts(); }

    ModalWatchdog watchdog{20};
    DialogScript script;
    TestHttpServer server;
    std::unique_ptr<frmContact> form;
};

inline const QString kSendFailed = QStringLiteral("An error occurred while sending your Email");
