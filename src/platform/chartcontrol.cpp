#include "platform/chartcontrol.h"

#include "platform/errors.h"

// Placeholder until the chart is drawn: keeps the rows and axis limits.
ChartControl::ChartControl(int rowCount, QWidget* parent)
    : QWidget(parent), values_(rowCount, 0.0), labels_(rowCount) {}

ChartControl::~ChartControl() = default;

int ChartControl::checkedIndex() const {
    if (row_ < 1 || row_ > values_.size())
        RaiseError(ErrorNumbers::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return row_ - 1;
}

void ChartControl::SetRow(int row) { row_ = row; }
void ChartControl::SetData(double value) { values_[checkedIndex()] = value; scheduleRedraw(); }
void ChartControl::SetRowLabel(const QString& label) { labels_[checkedIndex()] = label; scheduleRedraw(); }
double ChartControl::Data(int row) const { return values_.value(row - 1); }
QString ChartControl::RowLabel(int row) const { return labels_.value(row - 1); }
void ChartControl::SetAutoScale(bool on) { autoScale_ = on; scheduleRedraw(); }
void ChartControl::SetMaximum(double value) { maximum_ = value; scheduleRedraw(); }
void ChartControl::SetMinimum(double value) { minimum_ = value; scheduleRedraw(); }
void ChartControl::Clear() {
    values_.fill(0.0);
    labels_.fill(QString());
    scheduleRedraw();
}
void ChartControl::scheduleRedraw() {}
void ChartControl::redraw() {}
