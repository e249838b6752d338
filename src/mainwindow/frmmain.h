#pragma once

#include "calc/numberformat.h"
#include "calc/ratios.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;
class QToolButton;
class ChartControl;
class ClickableLabel;
class PriceEdit;
class ShapeRect;
class Stock;

// The main window. Its widgets are built in code; its event handlers keep the
// names of the controls they serve (cmdCalculate_Click, lblUp_Click(Index)).
// The handlers live in one source file per job: layout, key handling,
// highlighting, calculation, projections, charts, preferences, start-up,
// stock commands, printing and copying.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    // The start-up sequence. Returns false when the program must end at once
    // (another instance is running).
    bool Form_Load();

    // --- state of the current calculation ---
    double SwingHigh = 0.0;
    double SwingLow = 0.0;
    double SwingRange = 0.0;
    double BasePrice = 0.0;
    qint16 Decimals = 2;
    double CopyValue = 0.0;
    std::array<double, kRetRows> RetRatios{};
    std::array<double, kUpRows> UpRatios{};
    long Language = 0;
    NumberStyle Style() const { return StyleFromLanguage(Language); }

    int RetHighlight = 0;
    int UpHighlight = 0;

    float FixedWidth = 0;
    float FixedHeight = 0;

    // The ID of the stock shown, in decimal; empty for a new stock.
    QString Tag;

    // --- controls ---
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame6 = nullptr;
    ChartControl* MSChart1 = nullptr;
    ChartControl* MSChart2 = nullptr;

    PriceEdit* txtHigh = nullptr;
    PriceEdit* txtLow = nullptr;
    PriceEdit* txtActual = nullptr;
    QLabel* lblHigh = nullptr;
    QLabel* lblLow = nullptr;
    std::array<QRadioButton*, 2> optDirection{};
    std::array<QToolButton*, 2> OptUpside{};
    QToolButton* cmdCalculate = nullptr;
    QToolButton* cmdActual = nullptr;

    std::array<ClickableLabel*, kRetRows> lblRetRatio{};
    std::array<ShapeRect*, kRetRows> shpRet{};
    std::array<ClickableLabel*, kRetRows> lblRetracement{};
    std::array<ClickableLabel*, kUpRows> lblUpRatio{};
    std::array<ShapeRect*, kUpRows> shpUp{};
    std::array<ClickableLabel*, kUpRows> lblUp{};

    QLabel* lblProbable = nullptr;
    QLabel* Label2 = nullptr;
    ShapeRect* Shape6 = nullptr;
    QLabel* lblTrendReversalPoint = nullptr;
    QLabel* lblTrendReversal = nullptr;
    ShapeRect* Shape7 = nullptr;
    QLabel* lblBottom = nullptr;
    ShapeRect* Shape8 = nullptr;
    ClickableLabel* lblUpsideTarget = nullptr;
    QLabel* lblUpside = nullptr;
    ShapeRect* Shape9 = nullptr;
    QLabel* lblPrint = nullptr;

    // --- menus ---
    QAction* mnuOpen = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuNotes = nullptr;
    QAction* mnuPrint = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContact = nullptr;
    QAction* mnuHome = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnPreferences = nullptr;
    QMenu* mnuCurrency = nullptr;
    std::array<QAction*, 2> mnuLanguage{};
    QMenu* mnuDecimals = nullptr;
    std::array<QAction*, 6> mnuDecimal{}; // indices 2..5 are used
    QMenu* mnuCopy = nullptr;
    QAction* mnuDoCopy = nullptr;

    // --- number formats and highlighting ---
    void SetRatios();
    void HiliteRet(int Index, bool ActualSelected, bool Clear = false);
    void HiliteUp(int Index, bool Clear = false);

    // --- key handling of the price boxes; each returns whether the character is kept ---
    bool txtHigh_KeyPress(QChar KeyAscii);
    bool txtLow_KeyPress(QChar KeyAscii);
    bool txtActual_KeyPress(QChar KeyAscii);

    // --- retracement calculation ---
    void cmdCalculate_Click();
    void optDirection_Click(int Index);

    // --- projections and row selection ---
    void lblRetRatio_Click(int Index);
    void lblRetracement_Click(int Index);
    void lblUpRatio_Click(int Index);
    void lblUp_Click(int Index);
    void RecalculateTargets();
    void ReCalculateBottom();
    void cmdActual_Click();
    void OptUpside_Click(int Index);

    // --- charts ---
    void SetChart(double High, double Low, double Target);
    void SetTargetChart(double High, double Low, double Base, double Target);
    void ClearCharts();

    // --- display preferences ---
    void mnuLanguage_Click(int Index);
    void mnPreferences_Click();
    void mnuDecimal_Click(int Index);

    // --- stock commands ---
    void mnuOpen_Click();
    void mnuNew_Click();
    void mnuSave_Click();
    void mnuNotes_Click();
    void mnuHome_Click();
    void mnuExit_Click();
    void mnuContact_Click();

    // --- printing and copying ---
    void mnuPrint_Click();
    void mnuDoCopy_Click();
    void PriceBox_MouseDown(QLabel* box, Qt::MouseButton Button, const QPoint& globalPos);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createUi();
    void createInputs();
    void createRetracementPanel();
    void createProjectionPanel();
    void createResultBoxes();
    void createMenus();
    void connectHandlers();
    bool enterInPriceBox(QChar KeyAscii, bool isHighBox);
    void CenterWindow();
    bool RecalculateTargetsBody();
    void ReCalculateBottomBody();
    void projectionRowClick(int Index);
    double projectionTarget(double base, int row, bool upside) const;
    bool upsideSelected() const;
    bool savedStocksVisible() const;
    void CopyWindowValues(Stock& stock) const;
    bool checkSwingForSave();
};
