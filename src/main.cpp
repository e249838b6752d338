#include "mainwindow/frmmain.h"
#include "mainwindow/mainwindowstart.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvex"));
    QApplication::setOrganizationName(QStringLiteral("Quilmar"));
    auto window = StartMainWindow();
    if (!window)
        return 0;
    return app.exec();
}
