#include "platform/chartcontrol.h"
#include "platform/errors.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLineSeries>
#include <QSignalSpy>
#include <QValueAxis>
#include <gtest/gtest.h>
#include <limits>

namespace {

// What the chart actually draws, read from the Qt Charts objects once the
// deferred redraw has run.
struct Drawn {
    QList<QPointF> points;
    QStringList labels;
    double axisMin = 0;
    double axisMax = 0;
};

Drawn drawn(ChartControl& chart) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    Drawn d;
    auto* view = chart.findChild<QChartView*>();
    if (!view)
        return d;
    QChart* c = view->chart();
    auto* series = qobject_cast<QLineSeries*>(c->series().value(0));
    if (series)
        d.points = series->points();
    for (QAbstractAxis* axis : c->axes()) {
        if (auto* cat = qobject_cast<QCategoryAxis*>(axis)) {
            for (QString label : cat->categoriesLabels())
                d.labels << label.remove(QChar(0x200B));
        } else if (auto* val = qobject_cast<QValueAxis*>(axis)) {
            d.axisMin = val->min();
            d.axisMax = val->max();
        }
    }
    return d;
}

void write(ChartControl& chart, int row, double value, const QString& label) {
    chart.SetRow(row);
    chart.SetData(value);
    chart.SetRowLabel(label);
}

} // namespace

TEST(ChartControl, rows_read_back_their_exact_values_and_labels) {
    ChartControl chart(6);
    const double third = 100.0 + 30.0 / 3.0; // not a round decimal in binary
    struct Row { int row; double value; QString label; };
    const Row rows[] = {{1, 90.0, "90"},     {2, third, ""},         {3, 90.0 + 2 * 30.0 / 3, ""},
                        {4, 120.0, "120"},   {5, -0.125, "-0,125"},  {6, 123.456, "123.46"}};
    for (const Row& r : rows)
        write(chart, r.row, r.value, r.label);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(chart.Data(r.row), r.value); // bit-exact, no rounding on the way
        EXPECT_EQ(chart.RowLabel(r.row), r.label);
    }
}

TEST(ChartControl, row_numbers_outside_the_chart_raise_subscript_out_of_range) {
    ChartControl chart(5);
    chart.SetRow(2);
    for (int bad : {0, -1, 6, 100}) {
        SCOPED_TRACE(bad);
        try {
            chart.SetRow(bad);
            ADD_FAILURE() << "SetRow accepted " << bad;
        } catch (const AppError& e) {
            EXPECT_EQ(e.Number(), ErrorNumbers::SubscriptOutOfRange);
            EXPECT_FALSE(e.Description().isEmpty());
        }
        EXPECT_THROW(chart.Data(bad), AppError);
        EXPECT_THROW(chart.RowLabel(bad), AppError);
    }
    // The failed selections did not move the selected row.
    EXPECT_EQ(chart.Row(), 2);
    chart.SetData(4.0);
    EXPECT_EQ(chart.Data(2), 4.0);
}

TEST(ChartControl, clear_sets_every_row_to_zero_with_an_empty_label) {
    ChartControl chart(6);
    for (int row = 1; row <= 6; ++row)
        write(chart, row, row * 11.5, QString::number(row));
    chart.Clear();
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(chart.Data(row), 0.0);
        EXPECT_EQ(chart.RowLabel(row), "");
    }
    const Drawn d = drawn(chart);
    ASSERT_EQ(d.points.size(), 6);
    for (const QPointF& p : d.points)
        EXPECT_EQ(p.y(), 0.0);
    EXPECT_EQ(d.labels, QStringList(6, QString()));
    EXPECT_LT(d.axisMin, 0.0); // a flat line at 0 still has a drawable axis
    EXPECT_GT(d.axisMax, 0.0);
}

TEST(ChartControl, drawing_follows_the_rows_including_repeated_and_empty_labels) {
    ChartControl chart(6);
    const double values[] = {90, 100, 110, 120, 120, 105};
    const QStringList labels = {"90", "", "", "120", "120", "105"};
    for (int i = 0; i < 6; ++i)
        write(chart, i + 1, values[i], labels[i]);
    const Drawn d = drawn(chart);
    ASSERT_EQ(d.points.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(d.points[i].x(), i + 1);
        EXPECT_EQ(d.points[i].y(), values[i]);
    }
    EXPECT_EQ(d.labels, labels);
}

TEST(ChartControl, fixed_axis_limits_are_drawn_exactly_and_read_back) {
    ChartControl chart(5);
    write(chart, 1, 95.0, "95");
    chart.SetAutoScale(false);
    chart.SetMaximum(120.25);
    chart.SetMinimum(90.5);
    EXPECT_FALSE(chart.AutoScale());
    EXPECT_EQ(chart.Maximum(), 120.25);
    EXPECT_EQ(chart.Minimum(), 90.5);
    Drawn d = drawn(chart);
    EXPECT_EQ(d.axisMin, 90.5);
    EXPECT_EQ(d.axisMax, 120.25);

    // A later change of limits redraws with the new ones.
    chart.SetMaximum(130.0);
    chart.SetMinimum(0.0);
    d = drawn(chart);
    EXPECT_EQ(d.axisMin, 0.0);
    EXPECT_EQ(d.axisMax, 130.0);
}

TEST(ChartControl, degenerate_fixed_limits_still_give_a_drawable_axis) {
    struct Case { double max; double min; };
    const double inf = std::numeric_limits<double>::infinity();
    for (const Case c : {Case{50, 50}, Case{10, 20}, Case{inf, 0}, Case{0, 0},
                        Case{1e308, -1e308}, Case{1e-300, 0}, Case{1e20, 1e20}}) {
        SCOPED_TRACE(testing::Message() << c.max << " / " << c.min);
        ChartControl chart(5);
        chart.SetAutoScale(false);
        chart.SetMaximum(c.max);
        chart.SetMinimum(c.min);
        EXPECT_EQ(chart.Maximum(), c.max); // kept as given
        const Drawn d = drawn(chart);
        EXPECT_LT(d.axisMin, d.axisMax);
    }
}

TEST(ChartControl, automatic_scale_covers_the_values_without_wasting_the_height) {
    struct Case { double lo; double hi; };
    for (const Case c : {Case{90, 120}, Case{0.0012, 0.0019}, Case{-40, 25}, Case{5000, 5000}}) {
        SCOPED_TRACE(testing::Message() << c.lo << " .. " << c.hi);
        ChartControl chart(5);
        write(chart, 1, c.lo, "");
        for (int row = 2; row <= 5; ++row)
            write(chart, row, c.hi, "");
        const Drawn d = drawn(chart);
        EXPECT_LE(d.axisMin, c.lo);
        EXPECT_GE(d.axisMax, c.hi);
        const double span = c.hi > c.lo ? c.hi - c.lo : std::abs(c.hi);
        EXPECT_LT(d.axisMax - d.axisMin, 4 * span);
    }
}

TEST(ChartControl, switching_automatic_scale_back_on_drops_the_fixed_limits) {
    ChartControl chart(5);
    for (int row = 1; row <= 5; ++row)
        write(chart, row, 1000.0 + row, "");
    chart.SetAutoScale(false);
    chart.SetMaximum(10.0);
    chart.SetMinimum(0.0);
    EXPECT_EQ(drawn(chart).axisMax, 10.0);
    chart.SetAutoScale(true);
    const Drawn d = drawn(chart);
    EXPECT_GE(d.axisMax, 1005.0);
    EXPECT_LE(d.axisMin, 1001.0);
}

TEST(ChartControl, a_burst_of_writes_is_drawn_once) {
    ChartControl chart(6);
    drawn(chart);
    auto* series = qobject_cast<QLineSeries*>(chart.findChild<QChartView*>()->chart()->series().value(0));
    ASSERT_NE(series, nullptr);
    QSignalSpy redraws(series, &QXYSeries::pointsReplaced);
    for (int row = 1; row <= 6; ++row)
        write(chart, row, row * 2.0, QString::number(row));
    chart.SetAutoScale(false);
    chart.SetMaximum(20);
    chart.SetMinimum(0);
    EXPECT_EQ(redraws.count(), 0); // nothing drawn while the caller is still writing
    const Drawn d = drawn(chart);
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_EQ(d.points.value(5).y(), 12.0);
}

TEST(ChartControl, a_value_that_is_not_finite_is_kept_but_not_drawn) {
    ChartControl chart(5);
    for (int row = 1; row <= 5; ++row)
        write(chart, row, row, "");
    chart.SetRow(3);
    chart.SetData(std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(std::isnan(chart.Data(3)));
    const Drawn d = drawn(chart);
    EXPECT_EQ(d.points.size(), 4);
    EXPECT_LT(d.axisMin, d.axisMax);
}

TEST(ChartControl, the_widest_doubles_still_scale_to_a_finite_axis) {
    ChartControl chart(2);
    write(chart, 1, 1e308, "");
    write(chart, 2, -1e308, "");
    const Drawn d = drawn(chart);
    EXPECT_TRUE(std::isfinite(d.axisMin));
    EXPECT_TRUE(std::isfinite(d.axisMax));
    EXPECT_LE(d.axisMin, -1e308);
    EXPECT_GE(d.axisMax, 1e308);
}
