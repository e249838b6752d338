#include "storage/module1.h"

#include "platform/errors.h"
#include "storage/fieldvalues.h"

// Created once and never destroyed: the engine's connection must outlive
// every other object of the program and is released when the process ends.
DbConnection& StockConnection = *new DbConnection;
EditableRecordset& SettingsRow = *new EditableRecordset;
StockCollection StockList;
StockPtr SavedCopy = std::make_shared<Stock>();

QString StockConnectionString(const QString& folder) {
    return QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};") + QStringLiteral("Dbq=") +
           folder + QStringLiteral("\\Stocks.mdb;Password=tessarin58");
}

void LoadStocks() {
    Recordset rs =
        StockConnection.OpenRecordset(QStringLiteral("Select * from Stocks order by StockName"));
    if (rs.RecordCount() == 0)
        return;
    const int id = rs.FieldIndex(QStringLiteral("ID"));
    const int name = rs.FieldIndex(QStringLiteral("StockName"));
    const int high = rs.FieldIndex(QStringLiteral("High"));
    const int low = rs.FieldIndex(QStringLiteral("Low"));
    const int actual = rs.FieldIndex(QStringLiteral("Actual"));
    const int bottom = rs.FieldIndex(QStringLiteral("Bottom"));
    const int retIndex = rs.FieldIndex(QStringLiteral("RetIndex"));
    const int upIndex = rs.FieldIndex(QStringLiteral("UpIndex"));
    const int upTrend = rs.FieldIndex(QStringLiteral("UpTrend"));
    const int notes = rs.FieldIndex(QStringLiteral("Notes"));

    auto number = [&rs](int field) {
        const QVariant& v = rs.Value(field);
        return v.isNull() ? 0.0 : FieldToDouble(v);
    };
    auto index = [&rs](int field) {
        const QVariant& v = rs.Value(field);
        return v.isNull() ? qint16(0) : FieldToInteger(v);
    };

    StockList.Reserve(StockList.Count() + rs.RecordCount());
    for (rs.MoveFirst(); !rs.AtEnd(); rs.MoveNext()) {
        auto stock = std::make_shared<Stock>();
        stock->ID = FieldToLong(rs.Value(id));
        stock->StockName = FieldToText(rs.Value(name));
        stock->High = Fixed4FromDouble(number(high));
        stock->Low = Fixed4FromDouble(number(low));
        stock->Actual = number(actual);
        stock->Bottom = number(bottom);
        stock->RetIndex = index(retIndex);
        stock->UpIndex = index(upIndex);
        stock->UpTrend = FieldToBoolean(rs.Value(upTrend));
        // A Null note (not written by this program) loads as empty text, so
        // that the stock can be saved and updated again.
        const QVariant& note = rs.Value(notes);
        stock->Notes = note.isNull() ? QString() : FieldToText(note);
        stock->NewStock = false;
        StockList.Add(stock->ID, stock);
    }
}

QString EscapeQuotes(const QString& text) {
    QString escaped = text;
    return escaped.replace(u'\'', QStringLiteral("''"));
}

qint32 FindKey(const QString& key) {
    qint32 id = 0;
    Trap(QStringLiteral("Module1 FindKey"), nullptr,
         [&] { id = FieldToLong(QString(key).remove(u'A')); });
    return id;
}

namespace {
void copyValues(const Stock& from, Stock& to) {
    to.High = from.High;
    to.Low = from.Low;
    to.Actual = from.Actual;
    to.Bottom = from.Bottom;
    to.RetIndex = from.RetIndex;
    to.UpIndex = from.UpIndex;
    to.Notes = from.Notes;
}
} // namespace

void BackupCurrentStock() {
    copyValues(*CurrentStock, *SavedCopy);
}

void RestoreCurrentStock() {
    copyValues(*SavedCopy, *CurrentStock);
}

void ResetStorage() {
    SettingsRow.Close();
    StockConnection.Close();
    StockList.Clear();
    SavedCopy = std::make_shared<Stock>();
    CurrentStock = std::make_shared<Stock>();
}
