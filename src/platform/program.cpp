#include "platform/program.h"

#include <QApplication>
#include <QWidget>

namespace {
EndProgramHook& hook() {
    static EndProgramHook instance;
    return instance;
}
} // namespace

void SetEndProgramHook(EndProgramHook h) {
    hook() = std::move(h);
}

void EndProgram() {
    if (hook()) {
        hook()();
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    // Quits the main loop and any modal loop inside it.
    QCoreApplication::exit(0);
}
