// The contact form's wizard: pages, checks, messages and the name boxes.
#include "feedback/frmcontact.h"

#include "dialogs/commandlabel.h"
#include "platform/errors.h"
#include "platform/http.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
// The form's "blanks" are spaces only, as typed.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

// The edit's text with every kind of line break written as CR LF.
QString withCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}
} // namespace

frmContact::frmContact(QWidget* parent) : QDialog(parent) {
    createControls();
    connectHandlers();
}

void frmContact::connectHandlers() {
    connect(lblNext, &CommandLabel::clicked, this, &frmContact::lblNext_Click);
    connect(lblNext, &CommandLabel::pressed, this, [this] { lblNext_MouseDown(); });
    connect(lblBack, &CommandLabel::clicked, this, &frmContact::lblBack_Click);
    connect(lblCancel, &CommandLabel::clicked, this, &frmContact::lblCancel_Click);

    commandLabels = new CommandLabelGroup(this);
    for (CommandLabel* label : {lblBack, lblCancel, lblNext})
        commandLabels->addLabel(label);
    commandLabels->addBackground(this);
    for (QFrame* page : Frame)
        commandLabels->addBackground(page);

    for (QLineEdit* box : {txtFirstName, txtLastName, txtEmail, txtConfirm})
        box->installEventFilter(this);
    txtComments->installEventFilter(this);
}

FeedbackFields frmContact::Fields() const {
    return {txtEmail->text(), txtFirstName->text(), txtLastName->text(),
            withCrLf(txtComments->toPlainText())};
}

void frmContact::lblNext_Click() {
    Trap(QStringLiteral("frmContact lblNext_Click"), this, [this] {
        if (Tag == u"0")
            nextFromNames();
        else if (Tag == u"1")
            nextFromEmail();
        else if (Tag == u"2")
            send();
    });
}

void frmContact::nextFromNames() {
    hidePage(0);
    Tag = QStringLiteral("1");
    showPage(1);
    txtEmail->setFocus(Qt::OtherFocusReason);
    lblBack->show();
}

void frmContact::nextFromEmail() {
    const QString email = trimBlanks(txtEmail->text());
    QString problem;
    if (email.isEmpty() || !email.contains(u'@'))
        problem = QStringLiteral("Invalid Email address");
    else if (email.toUpper() != trimBlanks(txtConfirm->text()).toUpper())
        problem = QStringLiteral("Email entries don't match");

    if (!problem.isEmpty()) {
        lblRequiredEmail->setText(problem);
        lblRequiredEmail->show();
        txtEmail->setFocus(Qt::OtherFocusReason);
        txtEmail->setSelection(0, static_cast<int>(txtEmail->text().size()));
        return;
    }
    hidePage(1);
    Tag = QStringLiteral("2");
    lblNext->setText(QStringLiteral("Send"));
    lblNext->setAccessibleName(lblNext->text());
    showPage(2);
    txtComments->setFocus(Qt::OtherFocusReason);
}

void frmContact::send() {
    QString comment = withCrLf(txtComments->toPlainText());
    comment.remove(QStringLiteral("\r\n"));
    if (trimBlanks(comment).isEmpty()) {
        lblRequiredComment->setText(QStringLiteral("Please Enter Your Comments"));
        lblRequiredComment->show();
        txtComments->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!IsConnected()) {
        lblRequiredComment->setText(QStringLiteral("No Internet Connection"));
        lblRequiredComment->show();
        return;
    }
    lblRequiredComment->setText(QStringLiteral("Sending Email.."));
    lblRequiredComment->show();
    // The fetch blocks; paint the notice before it starts.
    lblRequiredComment->repaint();
    SendFeedback();
    done(QDialog::Accepted);
}

void frmContact::lblNext_MouseDown() {
    lblRequiredEmail->hide();
    lblRequiredComment->hide();
}

void frmContact::lblBack_Click() {
    const int page = Tag.toInt();
    if (page <= 0 || page >= static_cast<int>(Frame.size()))
        return;
    lblRequiredEmail->hide();
    lblRequiredComment->hide();
    hidePage(page);
    lblNext->setText(QStringLiteral("Next>"));
    lblNext->setAccessibleName(lblNext->text());
    Tag = QString::number(page - 1);
    showPage(page - 1);
    if (page - 1 == 0)
        lblBack->hide();
}

void frmContact::lblCancel_Click() { reject(); }

void frmContact::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        lblCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmContact::capitaliseName(QLineEdit* box) {
    const QString text = box->text();
    if (text.size() != 1)
        return;
    box->setText(text.toUpper());
    box->setCursorPosition(1);
    box->deselect();
}

bool frmContact::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            box->selectAll();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Only keys that type a character count: not Shift, the arrows or
        // Tab, which moves the focus.
        const bool typesCharacter = !key->text().isEmpty() && key->key() != Qt::Key_Tab &&
                                    key->key() != Qt::Key_Backtab;
        if (typesCharacter) {
            if (watched == txtFirstName || watched == txtLastName)
                capitaliseName(static_cast<QLineEdit*>(watched));
            else if (watched == txtComments)
                lblRequiredComment->hide();
        }
    }
    return QDialog::eventFilter(watched, event);
}
