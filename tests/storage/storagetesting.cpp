#include "storagetesting.h"

#include "mainwindow/frmmain.h"

#include "storage/module1.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void OpenStockDatabase(const QString& folder) {
    ResetStorage();
    StockConnection.Open(StockConnectionString(folder));
}

Recordset QueryDatabase(const QString& folder, const QString& sql) {
    DbConnection connection;
    connection.Open(StockConnectionString(folder));
    return connection.OpenRecordset(sql);
}

void ExecDatabase(const QString& folder, const QString& sql) {
    DbConnection connection;
    connection.Open(StockConnectionString(folder));
    connection.Execute(sql);
}

StatementLog::StatementLog() {
    SetStatementObserver([this](const QString& sql) { statements << sql; });
}

StatementLog::~StatementLog() {
    SetStatementObserver({});
}

ChildProcess::ChildProcess(const QString& test, const QString& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DORVEX_CHILD_FOLDER"), folder);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_also_run_disabled_tests"),
                    QStringLiteral("--gtest_filter=DISABLED_Child.") + test});
    EXPECT_TRUE(process_.waitForStarted(10000)) << process_.errorString().toStdString();
}

ChildProcess::~ChildProcess() {
    if (process_.state() != QProcess::NotRunning)
        Kill();
}

bool ChildProcess::WaitForLines(const QString& prefix, int count, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const QStringList lines = Lines();
        const auto found = std::count_if(lines.begin(), lines.end(),
                                         [&](const QString& l) { return l.startsWith(prefix); });
        if (found >= count)
            return true;
        if (timer.elapsed() > timeoutMs || process_.state() == QProcess::NotRunning)
            return false;
        process_.waitForReadyRead(100);
    }
}

void ChildProcess::Kill() {
    process_.kill();
    process_.waitForFinished(10000);
}

int ChildProcess::WaitForExit(int timeoutMs) {
    if (!process_.waitForFinished(timeoutMs) || process_.exitStatus() != QProcess::NormalExit)
        return -1;
    return process_.exitCode();
}

QStringList ChildProcess::Lines() {
    output_ += process_.readAllStandardOutput();
    QStringList lines = QString::fromUtf8(output_).split(u'\n');
    lines.removeLast(); // the unfinished one
    return lines;
}

UnwritableFolder::UnwritableFolder(const QString& folder) : folder_(folder) {
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (geteuid() == 0) {
        // Root writes anywhere; the user "nobody" does not.
        switchedUser_ = seteuid(65534) == 0;
        if (!switchedUser_)
            return;
    }
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    active_ = !probe.open(QIODevice::WriteOnly);
    if (!active_)
        probe.remove();
}

UnwritableFolder::~UnwritableFolder() {
    if (switchedUser_) {
        EXPECT_EQ(seteuid(0), 0);
    }
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QList<int> CheckedDecimals(const FrmMain& window) {
    QList<int> checked;
    for (int n = 2; n <= 5; ++n)
        if (window.mnuDecimal[n]->isChecked())
            checked << n;
    return checked;
}
