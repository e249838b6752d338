// Help > Contact Quilmar Software.
#include "mainwindow/frmmain.h"

#include "feedback/frmcontact.h"

void FrmMain::mnuContact_Click() {
    // A fresh form each time: nothing typed survives between openings.
    frmContact form(this);
    form.exec();
}
