// The contact form's widgets, placed in twips.
#include "dialogs/commandlabel.h"
#include "feedback/frmcontact.h"
#include "platform/look.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
constexpr int kShownLeft = 30;
constexpr int kHiddenLeft = -20000;

void paint(QWidget* widget, unsigned text, unsigned background) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, Rgb(text));
    pal.setColor(QPalette::Window, Rgb(background));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QLabel* caption(QWidget* page, const char* name, const QString& text, QRect rect) {
    auto* label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(VerdanaFont(8.25, false));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    paint(label, 0x0000C0, 0xF0F7FF);
    label->setGeometry(rect);
    return label;
}

QLineEdit* field(QWidget* page, const char* name, QRect rect) {
    auto* box = new QLineEdit(page);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(VerdanaFont(8.25, false));
    box->setGeometry(rect);
    return box;
}

QLabel* messageLine(QWidget* page, const char* name, QRect rect) {
    auto* label = new QLabel(page);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(VerdanaFont(8.25, true));
    label->setAlignment(Qt::AlignCenter);
    paint(label, 0xFF8000, 0xFFFFFF);
    label->setGeometry(rect);
    label->hide();
    return label;
}

CommandLabel* command(QWidget* form, const char* name, const QString& text, int left) {
    auto* label = new CommandLabel(text, form);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(TwipsRect(left, 2880, 945, 255));
    return label;
}

QFrame* line(QWidget* form, const char* name, int y) {
    auto* rule = new QFrame(form);
    rule->setObjectName(QString::fromLatin1(name));
    rule->setFrameShape(QFrame::NoFrame);
    paint(rule, 0xF0F7FF, 0xF0F7FF);
    rule->setGeometry(QRect(0, Twips(y), Twips(6030) + 1, 1));
    return rule;
}
} // namespace

void frmContact::createControls() {
    setObjectName(QStringLiteral("frmContact"));
    setWindowTitle(QStringLiteral("Contact Quilmar Software"));
    paint(this, 0x000000, 0xFFFFFF);
    setFixedSize(Twips(6075), Twips(3315));

    for (int i = 0; i < static_cast<int>(Frame.size()); ++i) {
        auto* page = new QFrame(this);
        page->setObjectName(QStringLiteral("Frame(%1)").arg(i));
        page->setFrameShape(QFrame::NoFrame);
        paint(page, 0x000000, 0xFFFFFF);
        Frame[i] = page;
        if (i == 0)
            showPage(i);
        else
            hidePage(i);
    }

    QWidget* names = Frame[0];
    Label3 = caption(names, "Label3", QStringLiteral("Your First Name:"), TwipsRect(930, 1020, 1725, 225));
    txtFirstName = field(names, "txtFirstName", TwipsRect(2700, 990, 1547, 315));
    Label1 = caption(names, "Label1", QStringLiteral("Last Name:"), TwipsRect(930, 1395, 1725, 225));
    txtLastName = field(names, "txtLastName", TwipsRect(2700, 1365, 1547, 315));

    QWidget* email = Frame[1];
    Label2 = caption(email, "Label2", QStringLiteral("Your Email:"), TwipsRect(540, 1020, 1725, 225));
    txtEmail = field(email, "txtEmail", TwipsRect(2310, 990, 2415, 315));
    Label4 = caption(email, "Label4", QStringLiteral("Retype Your Email:"), TwipsRect(540, 1395, 1725, 225));
    txtConfirm = field(email, "txtConfirm", TwipsRect(2310, 1365, 2415, 315));
    lblRequiredEmail = messageLine(email, "lblRequiredEmail", TwipsRect(1290, 2550, 3495, 255));

    QWidget* comments = Frame[2];
    Label5 = caption(comments, "Label5", QStringLiteral(" Comments:"), TwipsRect(30, 120, 1725, 225));
    txtComments = new QPlainTextEdit(comments);
    txtComments->setObjectName(QStringLiteral("txtComments"));
    txtComments->setFont(VerdanaFont(8.25, false));
    txtComments->setTabChangesFocus(true);
    txtComments->setGeometry(TwipsRect(0, 360, 6000, 2130));
    lblRequiredComment = messageLine(comments, "lblRequiredComment", TwipsRect(1290, 2490, 3495, 195));

    lblBack = command(this, "lblBack", QStringLiteral("< Back"), 1620);
    lblBack->hide();
    lblCancel = command(this, "lblCancel", QStringLiteral("Cancel"), 2610);
    lblNext = command(this, "lblNext", QStringLiteral("Next>"), 3600);

    Line1 = line(this, "Line1", 2760);
    Line2 = line(this, "Line2", 3240);

    // Focus moves in the order of the form's tab indexes.
    QWidget::setTabOrder(txtFirstName, txtLastName);
    QWidget::setTabOrder(txtLastName, txtEmail);
    QWidget::setTabOrder(txtEmail, txtConfirm);
    QWidget::setTabOrder(txtConfirm, lblCancel);
    QWidget::setTabOrder(lblCancel, lblNext);
    QWidget::setTabOrder(lblNext, lblBack);
    QWidget::setTabOrder(lblBack, txtComments);
}

void frmContact::hidePage(int index) {
    QFrame* page = Frame[index];
    page->setGeometry(TwipsRect(kHiddenLeft, -30, 6000, 2726));
    page->hide();
}

void frmContact::showPage(int index) {
    QFrame* page = Frame[index];
    page->setGeometry(TwipsRect(kShownLeft, -30, 6000, 2726));
    page->show();
}
