#pragma once

#include <QDialog>

class CommandLabel;
class CommandLabelGroup;
class QPlainTextEdit;

// Shows a fresh notes dialog for CurrentStock modally, owned by `owner`.
void ShowNotesDialog(QWidget* owner);

// The notes of CurrentStock: Stamp appends today's date, Close keeps the
// edit, Cancel throws it away. The box shows line feeds; the stored notes
// keep carriage return + line feed (see notestext.h).
class FrmNotes : public QDialog {
    Q_OBJECT
public:
    explicit FrmNotes(QWidget* owner = nullptr);

    // Caption and text from CurrentStock; run by the constructor.
    void Form_Load();

    void lblStamp_Click();
    void lblClose_Click();
    void lblCancel_Click();

    QPlainTextEdit* txtNotes = nullptr;
    CommandLabel* lblStamp = nullptr;
    CommandLabel* lblClose = nullptr;
    CommandLabel* lblCancel = nullptr;
    CommandLabelGroup* Labels = nullptr;

public slots:
    // Escape and the window's close button act as Cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createUi();
};
