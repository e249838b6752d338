#include "platform/chartcontrol.h"

#include "platform/errors.h"
#include "platform/look.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <cmath>

namespace {

constexpr double kLabelPointSize = 7.0;

// The category axis keys its labels by text, so equal labels (several empty
// rows, a target equal to the high) are told apart by trailing zero-width
// spaces, which draw as nothing.
QString distinctLabel(const QString& label, int index) {
    return label + QString(index, QChar(0x200B));
}

// The round number (1, 2, 2.5 or 5 times a power of ten) nearest above `rough`.
double niceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10.0 * power;
}

} // namespace

ChartControl::ChartControl(int rowCount, QWidget* parent)
    : QWidget(parent), values_(std::max(rowCount, 0), 0.0), labels_(std::max(rowCount, 0)) {
    buildChart();
    redraw();
}

ChartControl::~ChartControl() = default;

void ChartControl::buildChart() {
    chart_ = new QChart();
    chart_->legend()->hide();
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->setBackgroundRoundness(0);
    // The window places the chart a little above its client area; the top
    // margin keeps the highest axis label in sight.
    chart_->setMargins(QMargins(2, 12, 8, 2));
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->setFont(VerdanaFont(kLabelPointSize));

    series_ = new QLineSeries(chart_);
    series_->setPointsVisible(true);
    series_->setMarkerSize(6.0);
    chart_->addSeries(series_);

    const QFont labelFont = VerdanaFont(kLabelPointSize);
    categoryAxis_ = new QCategoryAxis(chart_);
    categoryAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    categoryAxis_->setLabelsFont(labelFont);
    categoryAxis_->setGridLineVisible(false);
    chart_->addAxis(categoryAxis_, Qt::AlignBottom);
    series_->attachAxis(categoryAxis_);

    valueAxis_ = new QValueAxis(chart_);
    valueAxis_->setLabelsFont(labelFont);
    valueAxis_->setLabelFormat(QStringLiteral("%.6g"));
    chart_->addAxis(valueAxis_, Qt::AlignLeft);
    series_->attachAxis(valueAxis_);

    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    // Markers that move leave no trace behind when the whole view repaints.
    view_->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    view_->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

int ChartControl::checkedIndex() const {
    if (row_ < 1 || row_ > values_.size())
        RaiseError(ErrorNumbers::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return row_ - 1;
}

void ChartControl::SetRow(int row) {
    if (row < 1 || row > values_.size())
        RaiseError(ErrorNumbers::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    row_ = row;
}

void ChartControl::SetData(double value) {
    values_[checkedIndex()] = value;
    scheduleRedraw();
}

void ChartControl::SetRowLabel(const QString& label) {
    labels_[checkedIndex()] = label;
    scheduleRedraw();
}

double ChartControl::Data(int row) const {
    if (row < 1 || row > values_.size())
        RaiseError(ErrorNumbers::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return values_[row - 1];
}

QString ChartControl::RowLabel(int row) const {
    if (row < 1 || row > labels_.size())
        RaiseError(ErrorNumbers::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return labels_[row - 1];
}

void ChartControl::SetAutoScale(bool on) {
    autoScale_ = on;
    scheduleRedraw();
}

void ChartControl::SetMaximum(double value) {
    maximum_ = value;
    scheduleRedraw();
}

void ChartControl::SetMinimum(double value) {
    minimum_ = value;
    scheduleRedraw();
}

void ChartControl::Clear() {
    values_.fill(0.0);
    labels_.fill(QString());
    scheduleRedraw();
}

// Callers write a chart row by row; the drawing is rebuilt once, after they
// are done, so that a calculation does not pay for one layout per value.
void ChartControl::scheduleRedraw() {
    if (redrawPending_)
        return;
    redrawPending_ = true;
    QMetaObject::invokeMethod(this, [this] { redraw(); }, Qt::QueuedConnection);
}

void ChartControl::redraw() {
    redrawPending_ = false;
    QList<QPointF> points;
    points.reserve(values_.size());
    for (int i = 0; i < values_.size(); ++i) {
        if (std::isfinite(values_[i]))
            points.append(QPointF(i + 1, values_[i]));
    }
    series_->replace(points);
    redrawCategories();
    redrawValueAxis();
}

void ChartControl::redrawCategories() {
    if (drawnLabels_ == labels_ && categoryAxis_->count() == labels_.size())
        return;
    drawnLabels_ = labels_;
    for (const QString& old : categoryAxis_->categoriesLabels())
        categoryAxis_->remove(old);
    categoryAxis_->setStartValue(0.5);
    for (int i = 0; i < labels_.size(); ++i)
        categoryAxis_->append(distinctLabel(labels_[i], i), i + 1);
    categoryAxis_->setRange(0.5, labels_.size() + 0.5);
}

void ChartControl::redrawValueAxis() {
    double low = 0.0;
    double high = 0.0;
    if (autoScale_) {
        bool any = false;
        for (double v : values_) {
            if (!std::isfinite(v))
                continue;
            low = any ? std::min(low, v) : v;
            high = any ? std::max(high, v) : v;
            any = true;
        }
        // Scaled before subtracting so that the widest doubles do not overflow.
        const double pad = high > low ? high * 0.1 - low * 0.1 : std::max(std::abs(low) * 0.1, 1.0);
        low -= pad;
        high += pad;
    } else {
        low = std::isfinite(minimum_) ? minimum_ : 0.0;
        high = std::isfinite(maximum_) ? maximum_ : 0.0;
        if (high < low)
            std::swap(low, high);
        if (high == low) {
            // An empty range cannot be drawn; centre the flat line instead.
            const double pad = std::max(std::abs(low) * 0.1, 1.0);
            low -= pad;
            high += pad;
        }
    }
    // Laying out the axis labels is the dearest part of a redraw; skip it when
    // the range is the one already drawn.
    if (drawnRange_ == std::pair(low, high) && drawnAutoScale_ == autoScale_)
        return;
    drawnRange_ = {low, high};
    drawnAutoScale_ = autoScale_;
    valueAxis_->setRange(low, high);
    const double step = niceStep((high - low) / 4);
    if (autoScale_ || !std::isfinite(step) || !std::isfinite(low / step)) {
        valueAxis_->setTickType(QValueAxis::TicksFixed);
        valueAxis_->setTickCount(5);
        if (autoScale_)
            valueAxis_->applyNiceNumbers();
    } else {
        // Fixed limits are seldom round: put the ticks on round steps between them.
        valueAxis_->setTickType(QValueAxis::TicksDynamic);
        valueAxis_->setTickAnchor(std::ceil(low / step) * step);
        valueAxis_->setTickInterval(step);
    }
}
