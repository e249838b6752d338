#pragma once

#include "platform/database.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

// Helpers of the storage tests: raw file access, a second connection on the
// same file, the statements the engine is given, child processes of this very
// test program, and a folder this process cannot write.

QByteArray FileBytes(const QString& path);
class FrmMain;

// The entries of the Decimal Places menu that carry a check mark.
QList<int> CheckedDecimals(const FrmMain& window);

void WriteFileBytes(const QString& path, const QByteArray& bytes);

// Opens the global StockConnection on `folder` as start-up does, after
// starting every global afresh.
void OpenStockDatabase(const QString& folder);

// A statement run on a connection of its own on the database in `folder`.
Recordset QueryDatabase(const QString& folder, const QString& sql);
void ExecDatabase(const QString& folder, const QString& sql);

// Records every statement given to the engine while it lives.
class StatementLog {
  public:
    StatementLog();
    ~StatementLog();
    QStringList statements;
};

// This test program run again for one DISABLED_Child test, which reads its
// folder from DORVEX_CHILD_FOLDER and reports on its standard output.
class ChildProcess {
  public:
    ChildProcess(const QString& test, const QString& folder);
    ~ChildProcess(); // kills the child if it still runs
    // Waits until the child has written `count` lines starting with `prefix`.
    bool WaitForLines(const QString& prefix, int count, int timeoutMs = 20000);
    // Ends the child abruptly, as a crash or the task manager would.
    void Kill();
    // Waits for the child to end by itself; its exit code, or -1 when it did not.
    int WaitForExit(int timeoutMs = 20000);
    // Every complete line the child has written so far.
    QStringList Lines();

  private:
    QProcess process_;
    QByteArray output_;
};

// While it lives, this process cannot write `folder`: the folder is made
// read-only and, when the tests run as root, the effective user becomes an
// unprivileged one. Active() is false where neither can be done.
class UnwritableFolder {
  public:
    explicit UnwritableFolder(const QString& folder);
    ~UnwritableFolder();
    bool Active() const { return active_; }

  private:
    QString folder_;
    bool active_ = false;
    bool switchedUser_ = false;
};
