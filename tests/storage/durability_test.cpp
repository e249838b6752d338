// A program killed in the middle of a long series of saves leaves a sound
// file that holds every save it had finished.
#include "storage/module1.h"
#include "storagetesting.h"
#include "support/dialogscript.h"

#include <QHash>
#include <gtest/gtest.h>

TEST(Durability, a_killed_process_loses_no_finished_save_and_leaves_a_sound_file) {
    TempProgramFolder folder;
    ExecDatabase(folder.path(), QStringLiteral("Select * from System")); // the file exists first

    QHash<qint32, QString> savedNames;
    QHash<qint32, QString> updatedNotes;
    // Three runs, each killed at a different point of its series.
    for (int run = 0; run < 3; ++run) {
        ChildProcess child(QStringLiteral("SavesUntilKilled"), folder.path());
        ASSERT_TRUE(child.WaitForLines(QStringLiteral("SAVED"), 40 + 37 * run));
        child.Kill();
        for (const QString& line : child.Lines()) {
            const QStringList parts = line.split(u' ');
            if (parts.size() != 3)
                continue;
            if (parts[0] == QLatin1String("SAVED"))
                savedNames.insert(parts[1].toInt(), QStringLiteral("STOCK ") + parts[2]);
            else if (parts[0] == QLatin1String("UPDATED"))
                updatedNotes.insert(parts[1].toInt(), QStringLiteral("UPDATED ") + parts[2]);
        }
    }
    ASSERT_GE(savedNames.size(), 40 + 77 + 114);

    DbConnection connection;
    connection.Open(StockConnectionString(folder.path()));
    Recordset check = connection.OpenRecordset(QStringLiteral("PRAGMA integrity_check"));
    ASSERT_EQ(check.RecordCount(), 1);
    EXPECT_EQ(check.Value(0).toString(), QStringLiteral("ok"));

    Recordset rows =
        connection.OpenRecordset(QStringLiteral("Select ID, StockName, Notes from Stocks"));
    QHash<qint32, QPair<QString, QString>> stored;
    for (; !rows.AtEnd(); rows.MoveNext())
        stored.insert(rows.Value(0).toInt(), {rows.Value(1).toString(), rows.Value(2).toString()});
    for (auto it = savedNames.cbegin(); it != savedNames.cend(); ++it) {
        ASSERT_TRUE(stored.contains(it.key())) << "lost save " << it.key();
        EXPECT_EQ(stored[it.key()].first, it.value());
    }
    for (auto it = updatedNotes.cbegin(); it != updatedNotes.cend(); ++it)
        EXPECT_EQ(stored[it.key()].second, it.value());
}
