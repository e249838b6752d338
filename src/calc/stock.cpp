#include "calc/stock.h"

StockPtr CurrentStock = std::make_shared<Stock>();
