// Start-up, fixed size and shutdown of the main window.
#include "calc/stock.h"
#include "mainwindow/frmmain.h"
#include "platform/appfolder.h"
#include "platform/errors.h"
#include "platform/instance.h"
#include "platform/messagebox.h"
#include "platform/program.h"
#include "storage/fieldvalues.h"
#include "storage/module1.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace {
// Keeps the single-instance lock for as long as the main window lives.
class InstanceLockHolder : public QObject {
  public:
    explicit InstanceLockHolder(QObject* window) : QObject(window) {}
    InstanceLock lock;
};

const QString kDecimalsField = QStringLiteral("Decimals");

// Writes 2 into the settings row's Decimals.
void storeTwoDecimals() {
    SettingsRow.SetField(kDecimalsField, 2);
    SettingsRow.Update();
}
} // namespace

bool FrmMain::Form_Load() {
    auto* holder = new InstanceLockHolder(this);
    if (!holder->lock.Acquire(ProgramFolder())) {
        delete holder;
        MsgBox(QStringLiteral("Application is Already Running"), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("Quilmar Dorvex 2.1 "), this);
        EndProgram();
        return false;
    }

    ResetStorage();
    Trap(QStringLiteral("frmMain Form_Load"), this, [this] {
        StockConnection.Open(StockConnectionString(ProgramFolder()));

        SettingsRow.Open(StockConnection, QStringLiteral("Select * from System"));
        // A Language never written is the point style.
        const QVariant language = SettingsRow.Field(QStringLiteral("Language"));
        Language = language.isNull() ? 0 : FieldToLong(language);

        if (SettingsRow.Field(kDecimalsField).isNull())
            storeTwoDecimals();
        if (FieldToText(SettingsRow.Field(kDecimalsField)).isEmpty())
            storeTwoDecimals();
        const qint16 places = FieldToInteger(SettingsRow.Field(kDecimalsField));
        // Only a number of places that has a menu entry is taken.
        if (places < 2 || places > 5)
            RaiseError(ErrorNumbers::SubscriptOutOfRange,
                       QStringLiteral("Control array element '%1' doesn't exist").arg(places));
        Decimals = places;
        mnuDecimal[Decimals]->setChecked(true);

        LoadStocks();
        CenterWindow();
        FixedWidth = float(width());
        FixedHeight = float(height());
        SetRatios();
        CurrentStock->NewStock = true;
    });
    return true;
}

void FrmMain::CenterWindow() {
    // A window not shown yet still has the toolkit's default size: it takes
    // its laid-out size first, the one it shows with and keeps.
    if (!isVisible())
        adjustSize();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    const double left = (area.width() - outer.width()) / 2.0;
    const double top = (area.height() - outer.height()) / 2.0;
    move(area.left() + int(left), area.top() + int(top));
}

// Any request to close the window ends the program, unasked and unsaved.
void FrmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    EndProgram();
}

// In the normal state the window keeps the size recorded at start-up; before
// a size was recorded it may take any.
void FrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (FixedWidth <= 0 || FixedHeight <= 0)
        return;
    const int fixedWidth = qRound(FixedWidth);
    const int fixedHeight = qRound(FixedHeight);
    if (width() != fixedWidth)
        resize(fixedWidth, height());
    if (height() != fixedHeight)
        resize(width(), fixedHeight);
}

void FrmMain::mnuExit_Click() {
    EndProgram();
}
