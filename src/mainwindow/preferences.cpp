// The Preferences menu: number style and decimal places.
#include "mainwindow/frmmain.h"
#include "mainwindow/priceedit.h"
#include "platform/errors.h"
#include "storage/module1.h"

#include <QAction>

namespace {
// Raises the error of a menu entry that does not exist unless first <= index <= last.
void requireMenuEntry(long index, long first, long last) {
    if (index < first || index > last)
        RaiseError(ErrorNumbers::SubscriptOutOfRange,
                   QStringLiteral("Control array element '%1' doesn't exist").arg(index));
}
} // namespace

void FrmMain::mnuLanguage_Click(int Index) {
    Language = Index;
    // Their text was typed in the other style.
    txtActual->clear();
    txtLow->clear();
    txtHigh->clear();
    // The style chosen holds for this run even when it cannot be stored.
    Trap(QStringLiteral("frmMain mnuLanguage_Click"), this, [&] {
        SettingsRow.SetField(QStringLiteral("Language"), Index);
        SettingsRow.Update();
    });
    SetRatios();
}

void FrmMain::mnPreferences_Click() {
    Trap(QStringLiteral("frmMain mnuPreferences_Click"), this, [&] {
        for (QAction* item : mnuLanguage)
            item->setChecked(false);
        requireMenuEntry(Language, 0, long(mnuLanguage.size()) - 1);
        mnuLanguage[Language]->setChecked(true);
    });
}

void FrmMain::mnuDecimal_Click(int Index) {
    Trap(QStringLiteral("frmMain mnuDecimal_Click"), this, [&] {
        for (int n = 2; n <= 5; ++n)
            mnuDecimal[n]->setChecked(false);
        requireMenuEntry(Index, 2, 5);
        SettingsRow.SetField(QStringLiteral("Decimals"), Index);
        SettingsRow.Update();
        mnuDecimal[Index]->setChecked(true);
        Decimals = qint16(Index);
    });
}
