// Stock.Save and Stock.Update: the stock's values spliced into the text of
// the insert and the update.
#include "calc/stock.h"
#include "platform/errors.h"
#include "platform/messagebox.h"
#include "storage/module1.h"

#include <limits>

namespace {
// Number literals always carry a decimal point, whatever the locale or style.
QString sqlNumber(QString text) {
    return text.replace(u',', u'.');
}
QString sqlFixed(Fixed4 value) {
    return sqlNumber(Fixed4ToText(value));
}
QString sqlDouble(double value) {
    return sqlNumber(QString::number(value, 'g', 15));
}
QString sqlFlag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

qint32 Stock::Save() {
    StockName = FitStockName(StockName);
    StockConnection.Execute(
        QStringLiteral(
            "Insert into Stocks (StockName,High,Low,Actual,Bottom,RetIndex,UpIndex,Uptrend,Notes) "
            "Values ('") +
        EscapeQuotes(StockName) + QStringLiteral("',") + sqlFixed(High) + u',' + sqlFixed(Low) +
        u',' + sqlDouble(Actual) + u',' + sqlDouble(Bottom) + u',' + QString::number(RetIndex) +
        u',' + QString::number(UpIndex) + u',' + sqlFlag(UpTrend) + QStringLiteral(",'") +
        EscapeQuotes(Notes) + QStringLiteral("')"));
    // The row just inserted, even when another row carries the same name.
    const qint64 id = StockConnection.LastInsertId();
    if (id < std::numeric_limits<qint32>::min() || id > std::numeric_limits<qint32>::max())
        RaiseOverflow();
    return qint32(id);
}

void Stock::Update() {
    StockConnection.Execute(
        QStringLiteral("Update Stocks set StockName='") + EscapeQuotes(StockName) +
        QStringLiteral("',High=") + sqlFixed(High) + QStringLiteral(",Low=") + sqlFixed(Low) +
        QStringLiteral(",Actual=") + sqlDouble(Actual) + QStringLiteral(",Bottom=") +
        sqlDouble(Bottom) + QStringLiteral(",RetIndex=") + QString::number(RetIndex) +
        QStringLiteral(",UpIndex=") + QString::number(UpIndex) + QStringLiteral(",Uptrend=") +
        sqlFlag(UpTrend) + QStringLiteral(",Notes='") + EscapeQuotes(Notes) +
        QStringLiteral("' Where ID=") + QString::number(ID));
}
