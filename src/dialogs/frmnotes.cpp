#include "dialogs/frmnotes.h"

#include "calc/stock.h"
#include "dialogs/commandlabel.h"
#include "dialogs/notestext.h"
#include "platform/errors.h"
#include "platform/look.h"

#include <QDate>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace {
// Whether a key press types a character, as a text box's key-press event sees
// it: printable text, Backspace, Enter and control combinations, but not
// moving keys or Tab (which moves the focus).
bool producesCharacter(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default: break;
    }
    if (!event->text().isEmpty())
        return true;
    // Some platforms give Ctrl+letter no text; it still types a control code.
    return (event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_At &&
           event->key() <= Qt::Key_Underscore;
}

void requireCurrentStock() {
    if (!CurrentStock)
        RaiseError(ErrorNumbers::ObjectRequired, QStringLiteral("Object required"));
}
} // namespace

FrmNotes::FrmNotes(QWidget* owner) : QDialog(owner) {
    createUi();
    Form_Load();
}

void FrmNotes::createUi() {
    setObjectName(QStringLiteral("frmNotes"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips(6045), Twips(3300));
    setFont(VerdanaFont(8.25));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    txtNotes = new QPlainTextEdit(this);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setGeometry(TwipsRect(240, 270, 4296, 2655));
    txtNotes->setFont(VerdanaFont(8.25));
    txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtNotes->setTabChangesFocus(true);
    QPalette ink = txtNotes->palette();
    ink.setColor(QPalette::Text, Rgb(0x0000C0));
    txtNotes->setPalette(ink);
    txtNotes->installEventFilter(this);
    txtNotes->viewport()->installEventFilter(this);

    lblStamp = new CommandLabel(QStringLiteral("Stamp"), this);
    lblStamp->setObjectName(QStringLiteral("lblStamp"));
    lblStamp->setGeometry(TwipsRect(4770, 900, 945, 255));
    lblClose = new CommandLabel(QStringLiteral("Close"), this);
    lblClose->setObjectName(QStringLiteral("lblClose"));
    lblClose->setGeometry(TwipsRect(4770, 1245, 945, 255));
    lblCancel = new CommandLabel(QStringLiteral("Cancel"), this);
    lblCancel->setObjectName(QStringLiteral("lblCancel"));
    lblCancel->setGeometry(TwipsRect(4770, 1590, 945, 255));

    setTabOrder(txtNotes, lblStamp);
    setTabOrder(lblStamp, lblClose);
    setTabOrder(lblClose, lblCancel);

    Labels = new CommandLabelGroup(this);
    Labels->addLabel(lblStamp);
    Labels->addLabel(lblClose);
    Labels->addLabel(lblCancel);
    Labels->addBackground(this);
    Labels->addBackground(txtNotes);
    Labels->addBackground(txtNotes->viewport());

    connect(lblStamp, &CommandLabel::clicked, this, &FrmNotes::lblStamp_Click);
    connect(lblClose, &CommandLabel::clicked, this, &FrmNotes::lblClose_Click);
    connect(lblCancel, &CommandLabel::clicked, this, &FrmNotes::lblCancel_Click);
    txtNotes->setFocus();
}

void FrmNotes::Form_Load() {
    Trap(QStringLiteral("frmNotes Load"), this, [&] {
        requireCurrentStock();
        if (!CurrentStock->StockName.isEmpty())
            setWindowTitle(QStringLiteral(" Notes for ") + CurrentStock->StockName);
        else
            setWindowTitle(QStringLiteral(" Notes for new stock"));
        txtNotes->setPlainText(NotesForDisplay(CurrentStock->Notes));
    });
}

void FrmNotes::lblStamp_Click() {
    Trap(QStringLiteral("frmNotes lblStamp_Click"), this, [&] {
        // Inserted at the end rather than replacing the text, so Undo still works.
        QTextCursor cursor(txtNotes->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(StampAddition(txtNotes->toPlainText(), QDate::currentDate()));
        txtNotes->setTextCursor(cursor);
        txtNotes->ensureCursorVisible();
        txtNotes->setFocus();
    });
}

void FrmNotes::lblClose_Click() {
    if (CurrentStock)
        CurrentStock->Notes = NotesForStorage(txtNotes->toPlainText());
    done(QDialog::Accepted);
}

void FrmNotes::lblCancel_Click() {
    if (CurrentStock)
        CurrentStock->Modified = false;
    done(QDialog::Rejected);
}

void FrmNotes::reject() { lblCancel_Click(); }

bool FrmNotes::eventFilter(QObject* watched, QEvent* event) {
    if (CurrentStock) {
        if (watched == txtNotes && event->type() == QEvent::KeyPress &&
            producesCharacter(static_cast<QKeyEvent*>(event)))
            CurrentStock->Modified = true;
        else if (watched == txtNotes->viewport() && event->type() == QEvent::MouseButtonRelease)
            CurrentStock->Modified = true;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowNotesDialog(QWidget* owner) {
    FrmNotes dialog(owner);
    dialog.exec();
}
