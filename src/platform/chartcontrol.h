#pragma once

#include <QString>
#include <QVector>
#include <QWidget>
#include <utility>

class QChart;
class QChartView;
class QLineSeries;
class QCategoryAxis;
class QValueAxis;

// One labelled series drawn as a line, with rows numbered from 1. Each row has
// a value and a category label; the value axis scales itself until automatic
// scaling is switched off, after which its maximum and minimum are set by hand.
class ChartControl : public QWidget {
    Q_OBJECT
public:
    explicit ChartControl(int rowCount, QWidget* parent = nullptr);
    ~ChartControl() override;

    int RowCount() const { return int(values_.size()); }

    // Selects the row (1-based) that SetData and SetRowLabel write.
    void SetRow(int row);
    int Row() const { return row_; }
    void SetData(double value);
    void SetRowLabel(const QString& label);

    double Data(int row) const;
    QString RowLabel(int row) const;

    void SetAutoScale(bool on);
    bool AutoScale() const { return autoScale_; }
    void SetMaximum(double value);
    void SetMinimum(double value);
    double Maximum() const { return maximum_; }
    double Minimum() const { return minimum_; }

    // Every row 0 with an empty label.
    void Clear();

private:
    void buildChart();
    void scheduleRedraw();
    void redraw();
    void redrawCategories();
    void redrawValueAxis();
    int checkedIndex() const;

    QVector<double> values_;
    QVector<QString> labels_;
    int row_ = 1;
    bool autoScale_ = true;
    double maximum_ = 0.0;
    double minimum_ = 0.0;
    bool redrawPending_ = false;
    // What the Qt Charts objects show, so that unchanged parts are not redone.
    QVector<QString> drawnLabels_;
    std::pair<double, double> drawnRange_{1.0, -1.0};
    bool drawnAutoScale_ = false;

    QChartView* view_ = nullptr;
    QChart* chart_ = nullptr;
    QLineSeries* series_ = nullptr;
    QCategoryAxis* categoryAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
};
