// Child processes of the storage tests. ChildProcess runs this test program
// again for one of these tests; they are disabled, so a normal run skips them.
// Each reads its folder from DORVEX_CHILD_FOLDER, reports on standard output
// and ends by itself after a minute at most.
#include "calc/stock.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/mainwindowstart.h"
#include "platform/appfolder.h"
#include "platform/database.h"
#include "platform/program.h"
#include "storage/module1.h"
#include "support/dialogscript.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>

namespace {
constexpr int kChildLifetimeMs = 60000;

QString childFolder() {
    return qEnvironmentVariable("DORVEX_CHILD_FOLDER");
}

void report(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void waitToBeKilled() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kChildLifetimeMs)
        QThread::msleep(50);
}
} // namespace

// Saves stocks one after another, updating every third, and reports each one
// as soon as its statement has returned.
TEST(DISABLED_Child, SavesUntilKilled) {
    ASSERT_FALSE(childFolder().isEmpty());
    DialogScript dialogs;
    StockConnection.Open(StockConnectionString(childFolder()));
    const QString notes = QString(3000, u'n');
    QElapsedTimer timer;
    timer.start();
    for (int n = 0; timer.elapsed() < kChildLifetimeMs; ++n) {
        Stock stock;
        stock.StockName = QStringLiteral("STOCK %1").arg(n);
        stock.High = 10000 * n;
        stock.Notes = notes;
        stock.ID = stock.Save();
        report(QStringLiteral("SAVED %1 %2").arg(stock.ID).arg(n));
        if (n % 3 == 0) {
            stock.Notes = QStringLiteral("UPDATED %1").arg(n);
            stock.Update();
            report(QStringLiteral("UPDATED %1 %2").arg(stock.ID).arg(n));
        }
    }
}

// Holds the database file locked against every other process.
TEST(DISABLED_Child, HoldsDatabaseLock) {
    ASSERT_FALSE(childFolder().isEmpty());
    DbConnection connection;
    connection.Open(StockConnectionString(childFolder()));
    connection.Execute(QStringLiteral("BEGIN EXCLUSIVE"));
    report(QStringLiteral("LOCKED"));
    waitToBeKilled();
}

// Runs the program's start-up on the folder and stays running.
TEST(DISABLED_Child, RunsTheProgram) {
    ASSERT_FALSE(childFolder().isEmpty());
    DialogScript dialogs;
    SetProgramFolder(childFolder());
    FrmMain window;
    ASSERT_TRUE(window.Form_Load());
    ASSERT_TRUE(dialogs.shown.empty());
    report(QStringLiteral("RUNNING"));
    waitToBeKilled();
}

// Starts the program and then ends it from inside a nested event loop, with
// the program's own EndProgram: both loops must quit and every window go.
TEST(DISABLED_Child, EndsTheProgram) {
    ASSERT_FALSE(childFolder().isEmpty());
    DialogScript dialogs;
    SetProgramFolder(childFolder());
    auto window = StartMainWindow();
    ASSERT_TRUE(window);
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [] { EndProgram(); });
        QEventLoop inner;
        inner.exec();
        report(QStringLiteral("INNER QUIT"));
    });
    const int code = QApplication::exec();
    bool anyVisible = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        anyVisible = anyVisible || w->isVisible();
    report(QStringLiteral("ENDED %1 %2").arg(code).arg(anyVisible ? "visible" : "hidden"));
}
