#pragma once

#include "calc/stock.h"
#include "platform/database.h"
#include "storage/stocklist.h"

#include <QString>

class QWidget;

// The shared routines and global objects of the stock database. Each global
// lives for the whole run; nothing closes it explicitly.

// The one connection to Stocks.mdb, opened at start-up.
extern DbConnection& StockConnection;
// The one row of the System table, opened at start-up ("Select * from System").
extern EditableRecordset& SettingsRow;
// Every saved stock by ID, in the order loaded (by name) and then added.
extern StockCollection StockList;
// The values of CurrentStock as last saved or opened.
extern StockPtr SavedCopy;

// "Driver={Microsoft Access Driver (*.mdb)};Dbq=" + folder + "\Stocks.mdb;Password=tessarin58"
QString StockConnectionString(const QString& folder);

// Fills StockList from the Stocks table, sorted by name. Errors travel to the caller.
void LoadStocks();

// A name of at most 50 characters, blanks trimmed, is kept as it is, blanks
// included; a longer one is cut to the first 50 characters of its trimmed
// text after the user is told.
QString FitStockName(const QString& name, QWidget* parent = nullptr);

// The text with every single quote doubled, ready to stand between quotes in a statement.
QString EscapeQuotes(const QString& text);

// The stock ID in a node key of the saved stocks tree ("A17" gives 17). Has
// its own trap ("Module1 FindKey Error#") and then returns 0.
qint32 FindKey(const QString& key);

// Copy High, Low, Actual, Bottom, RetIndex, UpIndex and Notes between
// CurrentStock and SavedCopy.
void BackupCurrentStock();
void RestoreCurrentStock();

// Closes the connection and the settings row and starts every global afresh,
// as at the start of the program.
void ResetStorage();
