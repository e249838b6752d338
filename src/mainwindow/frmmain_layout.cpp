// Builds the main window's widgets and menus, at the design positions.
#include "platform/clickablelabel.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/priceedit.h"
#include "mainwindow/shaperect.h"
#include "platform/chartcontrol.h"
#include "platform/look.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QToolButton>

namespace {

const QColor kPriceBoxBack = Rgb(0xFFF2E3);
const QColor kActualBack = Rgb(0xFFFEE8);
const QColor kCaptionText = Rgb(0x0000FF);
const QColor kFrameCaption = Rgb(0x0000C0);
const QColor kPrintBack = Rgb(0xEEEFF0);
const QColor kButtonFace = Rgb(0xC0C0FF);

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Children of a frame start from the application's palette, not the frame's
// caption colour.
void plainPalette(QWidget* w) {
    const QPalette app = QApplication::palette(w);
    QPalette p = w->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, role, app.color(group, role));
    w->setPalette(p);
}

void setBackground(QWidget* w, const QColor& color, QPalette::ColorRole role = QPalette::Window) {
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
    w->setAutoFillBackground(role == QPalette::Window);
}

void setTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    w->setPalette(p);
}

ClickableLabel* makePriceBox(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* box = new ClickableLabel(parent);
    box->setObjectName(name);
    plainPalette(box);
    box->setGeometry(geometry);
    box->setFont(VerdanaFont());
    box->setBorder(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setContentsMargins(0, 0, 2, 0);
    setBackground(box, kPriceBoxBack);
    return box;
}

ClickableLabel* makeRatioCaption(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* label = new ClickableLabel(parent);
    label->setObjectName(name);
    plainPalette(label);
    label->setGeometry(geometry);
    label->setFont(VerdanaFont());
    label->setAlignment(Qt::AlignCenter);
    setTextColor(label, kCaptionText);
    label->setKeyboardClickable(true);
    return label;
}

ShapeRect* makeShape(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* shape = new ShapeRect(parent);
    shape->setObjectName(name);
    shape->setGeometry(geometry);
    return shape;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption,
                     const QRect& geometry) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFont(VerdanaFont());
    setTextColor(frame, kFrameCaption);
    return frame;
}

QToolButton* makeRoundButton(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    plainPalette(button);
    button->setGeometry(geometry);
    // A one-character caption in the Wingdings symbol font.
    QFont symbol(QStringLiteral("Wingdings"));
    symbol.setPointSizeF(8.25);
    button->setFont(symbol);
    button->setText(QStringLiteral("o"));
    button->setToolTip(QStringLiteral("Recalculate"));
    button->setAccessibleName(QStringLiteral("Recalculate"));
    QPalette p = button->palette();
    p.setColor(QPalette::Button, kButtonFace);
    button->setPalette(p);
    button->setAutoFillBackground(true);
    return button;
}

// A result caption: right-aligned text ending just left of its value box,
// with its outline drawn around it.
QLabel* makeResultCaption(QWidget* parent, const QString& name, const QString& text, int left,
                          const QWidget* valueBox, ShapeRect** outline, const QString& outlineName) {
    const QRect value = valueBox->geometry();
    const QRect box(Twips(left), value.top(), value.left() - Twips(45) - Twips(left), value.height());
    *outline = makeShape(parent, outlineName, box);
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    plainPalette(label);
    label->setGeometry(box.adjusted(Twips(30), Twips(30), -Twips(30), -Twips(30)));
    label->setFont(VerdanaFont());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColor(label, kCaptionText);
    return label;
}

} // namespace

void FrmMain::createUi() {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Quilmar Dorvex 2.1"));
    setFont(VerdanaFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("FrmMainClient"));
    client->setFixedSize(Twips(12180), Twips(6795));
    setCentralWidget(client);

    MSChart1 = new ChartControl(5, client);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setGeometry(TwipsRect(270, -120, 5801, 3585));
    MSChart2 = new ChartControl(6, client);
    MSChart2->setObjectName(QStringLiteral("MSChart2"));
    MSChart2->setGeometry(TwipsRect(6090, -120, 5801, 3585));
    MSChart1->setAccessibleName(QStringLiteral("Swing chart"));
    MSChart2->setAccessibleName(QStringLiteral("Target chart"));

    Frame1 = makeFrame(client, QStringLiteral("Frame1"), QStringLiteral("Retracement Projections "),
                       TwipsRect(660, 3450, 5267, 3255));
    Frame6 = makeFrame(client, QStringLiteral("Frame6"), QStringLiteral("Upside Price Projections "),
                       TwipsRect(6360, 3450, 5267, 3255));

    createInputs();
    createRetracementPanel();
    createProjectionPanel();
    createResultBoxes();
    createMenus();
}

void FrmMain::createInputs() {
    const char* directionCaptions[2] = {"is an uptrend", "is a downtrend"};
    auto* directionGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(directionCaptions[i]), Frame1);
        option->setObjectName(indexed("optDirection", i));
        plainPalette(option);
        option->setFont(VerdanaFont());
        option->setGeometry(TwipsRect(300, 390 + 300 * i, 1900, 255));
        directionGroup->addButton(option, i);
        optDirection[i] = option;
    }
    optDirection[0]->setChecked(true);

    auto makeCaption = [this](const char* name, const char* text, int top) {
        auto* label = new QLabel(QString::fromLatin1(text), Frame1);
        label->setObjectName(QString::fromLatin1(name));
        plainPalette(label);
        label->setFont(VerdanaFont());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(TwipsRect(240, top, 570, 225));
        return label;
    };
    lblLow = makeCaption("lblLow", "Low", 1020);
    lblHigh = makeCaption("lblHigh", "High", 1350);

    auto makeBox = [this](const char* name, int top) {
        auto* box = new PriceEdit(Frame1);
        box->setObjectName(QString::fromLatin1(name));
        plainPalette(box);
        box->setFont(VerdanaFont());
        box->setGeometry(TwipsRect(900, top, 1065, 285));
        return box;
    };
    // Each box stands 30 twips above the top of the label it belongs to.
    txtLow = makeBox("txtLow", 990);
    txtHigh = makeBox("txtHigh", 1320);
    txtLow->setAccessibleName(QStringLiteral("Low"));
    txtHigh->setAccessibleName(QStringLiteral("High"));
    setTabOrder(txtLow, txtHigh);

    cmdCalculate = makeRoundButton(Frame1, QStringLiteral("cmdCalculate"), TwipsRect(1980, 1170, 285, 285));

    lblPrint = new QLabel(Frame1);
    lblPrint->setObjectName(QStringLiteral("lblPrint"));
    plainPalette(lblPrint);
    lblPrint->setFont(VerdanaFont());
    setBackground(lblPrint, kPrintBack);
    setTextColor(lblPrint, kFrameCaption);
    lblPrint->move(Twips(60), Twips(2040));
    lblPrint->hide();
}

void FrmMain::createRetracementPanel() {
    for (int i = 0; i < kRetRows; ++i) {
        const int top = 330 + 330 * i;
        shpRet[i] = makeShape(Frame1, indexed("shpRet", i), TwipsRect(3090, top, 975, 285));
        lblRetRatio[i] = makeRatioCaption(Frame1, indexed("lblRetRatio", i),
                                          TwipsRect(3180, top + 30, 810, 195));
        lblRetracement[i] = makePriceBox(Frame1, indexed("lblRetracement", i),
                                         TwipsRect(4110, top, 1065, 285));
    }
}

void FrmMain::createProjectionPanel() {
    for (int i = 0; i < kUpRows; ++i) {
        const bool leftColumn = i < 6;
        const int top = 330 + 330 * (i % 6);
        shpUp[i] = makeShape(Frame6, indexed("shpUp", i),
                             TwipsRect(leftColumn ? 480 : 2820, top, 1005, 285));
        QRect caption = leftColumn ? TwipsRect(510, top + 30, 960, 195)
                                   : TwipsRect(2760, top + 30, 1065, 195);
        if (i == 5)
            caption = TwipsRect(405, 2010, 1065, 195);
        lblUpRatio[i] = makeRatioCaption(Frame6, indexed("lblUpRatio", i), caption);
        lblUp[i] = makePriceBox(Frame6, indexed("lblUp", i),
                                TwipsRect(leftColumn ? 1500 : 3840, top, 1065, 285));
    }

    // Upside and downside projections: a pair of picture buttons.
    auto* upsideGroup = new QButtonGroup(this);
    const Qt::ArrowType arrows[2] = {Qt::UpArrow, Qt::DownArrow};
    const char* tips[2] = {"Upside projections", "Downside projections"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QToolButton(Frame6);
        option->setObjectName(indexed("OptUpside", i));
        plainPalette(option);
        option->setCheckable(true);
        option->setArrowType(arrows[i]);
        option->setToolTip(QString::fromLatin1(tips[i]));
        option->setAccessibleName(QString::fromLatin1(tips[i]));
        option->setGeometry(TwipsRect(480 + 420 * i, 2400, 375, 345));
        upsideGroup->addButton(option, i);
        OptUpside[i] = option;
    }
    upsideGroup->setExclusive(true);
    OptUpside[0]->setChecked(true);

    txtActual = new PriceEdit(Frame6);
    txtActual->setObjectName(QStringLiteral("txtActual"));
    plainPalette(txtActual);
    txtActual->setGeometry(TwipsRect(3840, 2340, 1065, 285));
    txtActual->setFont(SansSerifFont());
    setBackground(txtActual, kActualBack, QPalette::Base);

    cmdActual = makeRoundButton(Frame6, QStringLiteral("cmdActual"), TwipsRect(4920, 2340, 285, 285));

    lblUpsideTarget = makePriceBox(Frame6, QStringLiteral("lblUpsideTarget"),
                                   TwipsRect(3840, 2700, 1065, 285));
}

void FrmMain::createResultBoxes() {
    lblProbable = makePriceBox(Frame1, QStringLiteral("lblProbable"), TwipsRect(4110, 2340, 1065, 285));
    lblTrendReversalPoint = makePriceBox(Frame1, QStringLiteral("lblTrendReversalPoint"),
                                         TwipsRect(4110, 2670, 1065, 285));
    Label2 = makeResultCaption(Frame1, QStringLiteral("Label2"),
                               QStringLiteral("Most probable near term target:"), 960, lblProbable,
                               &Shape6, QStringLiteral("Shape6"));
    lblTrendReversal = makeResultCaption(Frame1, QStringLiteral("lblTrendReversal"),
                                         QStringLiteral("Possible trend reversal below:"), 960,
                                         lblTrendReversalPoint, &Shape7, QStringLiteral("Shape7"));
    lblBottom = makeResultCaption(Frame6, QStringLiteral("lblBottom"),
                                  QStringLiteral("Actual swing low:"), 1380, txtActual, &Shape8,
                                  QStringLiteral("Shape8"));
    lblUpside = makeResultCaption(Frame6, QStringLiteral("lblUpside"),
                                  QStringLiteral("23.6% bounce target:"), 1380, lblUpsideTarget,
                                  &Shape9, QStringLiteral("Shape9"));
    // The value boxes stay above their outlines.
    for (QWidget* w : {static_cast<QWidget*>(lblProbable), static_cast<QWidget*>(lblTrendReversalPoint),
                       static_cast<QWidget*>(txtActual), static_cast<QWidget*>(lblUpsideTarget)})
        w->raise();

    lblProbable->setAccessibleName(Label2->text());
    lblTrendReversalPoint->setAccessibleName(lblTrendReversal->text());
    txtActual->setAccessibleName(lblBottom->text());
    lblUpsideTarget->setAccessibleName(lblUpside->text());
}

void FrmMain::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("FrmMainMenuBar"));
    auto named = [](QAction* action, const char* name) {
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnuOpen = named(bar->addAction(QStringLiteral("Open")), "mnuOpen");
    mnuNew = named(bar->addAction(QStringLiteral("New")), "mnuNew");
    mnuSave = named(bar->addAction(QStringLiteral("Save")), "mnuSave");
    mnuNotes = named(bar->addAction(QStringLiteral("Notes")), "mnuNotes");
    mnuPrint = named(bar->addAction(QStringLiteral("Print")), "mnuPrint");
    mnuOpen->setShortcut(QKeySequence::Open);
    mnuNew->setShortcut(QKeySequence::New);
    mnuSave->setShortcut(QKeySequence::Save);
    mnuPrint->setShortcut(QKeySequence::Print);

    mnuHelp = bar->addMenu(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    mnuContact = named(mnuHelp->addAction(QStringLiteral("Contact Quilmar Software")), "mnuContact");
    mnuHome = named(mnuHelp->addAction(QStringLiteral("Dorvex Home Page")), "mnuHome");

    mnuExit = named(bar->addAction(QStringLiteral("Exit")), "mnuExit");

    mnPreferences = bar->addMenu(QStringLiteral("Preferences"));
    mnPreferences->setObjectName(QStringLiteral("mnPreferences"));
    mnPreferences->menuAction()->setObjectName(QStringLiteral("mnPreferences"));
    mnuCurrency = mnPreferences->addMenu(QStringLiteral("Currency"));
    mnuCurrency->setObjectName(QStringLiteral("mnuCurrency"));
    mnuCurrency->menuAction()->setObjectName(QStringLiteral("mnuCurrency"));
    const char* languages[2] = {"English", "French"};
    for (int i = 0; i < 2; ++i) {
        mnuLanguage[i] = mnuCurrency->addAction(QString::fromLatin1(languages[i]));
        mnuLanguage[i]->setObjectName(indexed("mnuLanguage", i));
        mnuLanguage[i]->setCheckable(true);
    }
    mnuDecimals = mnPreferences->addMenu(QStringLiteral("Decimal Places"));
    mnuDecimals->setObjectName(QStringLiteral("mnuDecimals"));
    mnuDecimals->menuAction()->setObjectName(QStringLiteral("mnuDecimals"));
    for (int n = 2; n <= 5; ++n) {
        mnuDecimal[n] = mnuDecimals->addAction(QString::number(n));
        mnuDecimal[n]->setObjectName(indexed("mnuDecimal", n));
        mnuDecimal[n]->setCheckable(true);
    }

    // Shown only as the pop-up of a right click on a price box.
    mnuCopy = new QMenu(QStringLiteral("Copy"), this);
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    mnuDoCopy = named(mnuCopy->addAction(QStringLiteral("Copy")), "mnuDoCopy");
}
