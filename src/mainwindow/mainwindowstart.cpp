#include "mainwindow/mainwindowstart.h"

#include "mainwindow/frmmain.h"

std::unique_ptr<FrmMain> StartMainWindow() {
    auto window = std::make_unique<FrmMain>();
    if (!window->Form_Load())
        return nullptr;
    window->show();
    return window;
}
