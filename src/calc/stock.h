#pragma once

#include "calc/fixedpoint.h"

#include <QString>
#include <QtGlobal>
#include <memory>

// One stock: the in-memory form of a row of the Stocks table. A fresh object
// has every number 0, every flag false and empty texts.
class Stock {
public:
    QString StockName;
    Fixed4 High = 0;
    Fixed4 Low = 0;
    bool UpTrend = false;
    qint32 ID = 0;
    QString Notes;
    bool Modified = false;
    qint16 RetIndex = 0;
    // Base of the projection ladder: 0..4 a retracement row, exactly 5 the actual value.
    double Bottom = 0.0;
    double Actual = 0.0;
    qint16 UpIndex = 0;
    bool NewStock = false;

    // Inserts this stock as a new row and returns the row's ID (storage).
    qint32 Save();
    // Rewrites the row whose ID is this stock's ID (storage).
    void Update();
};

using StockPtr = std::shared_ptr<Stock>;

// The stock shown in the main window; shared with its StockList entry once it
// has been saved or opened.
extern StockPtr CurrentStock;
