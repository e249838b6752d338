#pragma once

#include "feedback/feedbackurl.h"

#include <QDialog>
#include <array>

class CommandLabel;
class CommandLabelGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The contact form: a three-page wizard (names, e-mail, comments) that sends
// the user's message to the maker's web site as one HTTP GET and shows the
// server's answer. Shown modally by the main window; keeps nothing once closed.
class frmContact : public QDialog {
    Q_OBJECT
public:
    explicit frmContact(QWidget* parent = nullptr);

    // The page shown: "0" names, "1" e-mail, "2" comments.
    QString Tag = QStringLiteral("0");

    // Encodes a whole URL (see UrlEncodeChars). A text longer than the
    // encoder's limit is reported under the form's trap and gives "".
    QString URLEncode(const QString& sRawURL);

    // Builds the request from the fields, sends it and tells the user how it
    // went. Never throws.
    void SendFeedback();

    // What the user typed, the comment's line breaks as CR LF.
    FeedbackFields Fields() const;

    // --- controls ---
    std::array<QFrame*, 3> Frame{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* txtFirstName = nullptr;
    QLineEdit* txtLastName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtConfirm = nullptr;
    QPlainTextEdit* txtComments = nullptr;
    QLabel* lblRequiredEmail = nullptr;
    QLabel* lblRequiredComment = nullptr;
    CommandLabel* lblBack = nullptr;
    CommandLabel* lblCancel = nullptr;
    CommandLabel* lblNext = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    CommandLabelGroup* commandLabels = nullptr;

    // --- handlers ---
    void lblNext_Click();
    void lblNext_MouseDown();
    void lblBack_Click();
    void lblCancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void nextFromNames();
    void nextFromEmail();
    void send();
    void showPage(int index);
    void hidePage(int index);
    void capitaliseName(QLineEdit* box);
    QString encodedRequestUrl();
};
