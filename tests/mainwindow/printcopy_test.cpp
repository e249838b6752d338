#include "calc/stock.h"
#include "platform/clickablelabel.h"
#include "mainwindow/frmmain.h"
#include "platform/chartcontrol.h"
#include "platform/printer.h"
#include "support/dialogscript.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class PrintCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        CurrentStock = std::make_shared<Stock>();
        window = std::make_unique<FrmMain>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        SetPrintDestination(PrintDestination::DefaultPrinter);
        SetPrintObserver({});
        if (window)
            window->mnuCopy->hide();
        window.reset();
        CurrentStock = std::make_shared<Stock>();
    }

    TempProgramFolder folder;
    DialogScript dialogs;
    ModalWatchdog watchdog;
    QTemporaryDir out;
    std::unique_ptr<FrmMain> window;
};

// What a PDF holds, read from its object dictionaries (which the writer
// leaves uncompressed).
struct PdfSummary {
    int pages = 0;
    QList<QSize> images;
};

PdfSummary readPdf(const QString& path) {
    QFile file(path);
    PdfSummary s;
    if (!file.open(QIODevice::ReadOnly))
        return s;
    const QString text = QString::fromLatin1(file.readAll());
    s.pages = int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
    static const QRegularExpression image(
        QStringLiteral("/Subtype\\s*/Image[^>]*?/Width\\s+(\\d+)[^>]*?/Height\\s+(\\d+)"));
    for (auto it = image.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        s.images << QSize(m.captured(1).toInt(), m.captured(2).toInt());
    }
    return s;
}

// What the window looked like at the moment its picture went to the page.
struct Printout {
    int count = 0;
    QImage image;
    bool labelVisible = false;
    QString labelText;
    int labelWidth = 0;
};

void observePrinting(Printout& seen, FrmMain& window) {
    SetPrintObserver([&seen, &window](const QImage& image) {
        ++seen.count;
        seen.image = image;
        seen.labelVisible = window.lblPrint->isVisible();
        seen.labelText = window.lblPrint->text();
        seen.labelWidth = window.lblPrint->width();
    });
}

QRect labelRectInClient(FrmMain& window, const QImage& image) {
    const QWidget* client = window.centralWidget();
    const QRect r(window.lblPrint->mapTo(client, QPoint(0, 0)), window.lblPrint->size());
    const qreal ratio = image.devicePixelRatio();
    return QRect((r.topLeft() * ratio), (r.size() * ratio));
}

bool regionsDiffer(const QImage& a, const QImage& b, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return true;
    return false;
}

} // namespace

TEST_F(PrintCopyTest, print_puts_the_window_with_the_stock_name_on_one_pdf_page) {
    CurrentStock->StockName = QStringLiteral("CONSOLIDATED WESTERN MINING AND SMELTING");
    const QString pdf = out.filePath(QStringLiteral("printout.pdf"));
    SetPrintDestination(PrintDestination::PdfFile, pdf);
    Printout seen;
    observePrinting(seen, *window);

    window->mnuPrint->trigger();

    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.titles().join(" | ").toStdString();
    ASSERT_EQ(seen.count, 1);
    EXPECT_TRUE(seen.labelVisible);
    EXPECT_EQ(seen.labelText, "CONSOLIDATED WESTERN MINING AND SMELTING");
    EXPECT_GE(seen.labelWidth, window->lblPrint->fontMetrics().horizontalAdvance("CONSOLIDATED WESTERN MINING AND SMELTING"));
    EXPECT_FALSE(window->lblPrint->isVisible());
    EXPECT_EQ(window->lblPrint->text(), "");

    // The picture is the client area, and the name is really drawn in it.
    const QImage after = window->centralWidget()->grab().toImage();
    EXPECT_EQ(seen.image.size(), after.size());
    EXPECT_TRUE(regionsDiffer(seen.image, after, labelRectInClient(*window, seen.image)));

    const PdfSummary summary = readPdf(pdf);
    EXPECT_EQ(summary.pages, 1);
    ASSERT_EQ(summary.images.size(), 1);
    EXPECT_EQ(summary.images[0], seen.image.size());
}

TEST_F(PrintCopyTest, the_printout_shows_chart_changes_made_just_before_it) {
    QCoreApplication::processEvents();
    // A calculation writes the charts and the user prints before the window
    // has been repainted.
    const double values[] = {100.0, 104.2, 108.4, 112.54, 101.0};
    for (int row = 1; row <= 5; ++row) {
        window->MSChart1->SetRow(row);
        window->MSChart1->SetData(values[row - 1]);
        window->MSChart1->SetRowLabel(QString::number(values[row - 1]));
    }
    window->MSChart1->SetAutoScale(false);
    window->MSChart1->SetMaximum(112.54);
    window->MSChart1->SetMinimum(100.0);
    SetPrintDestination(PrintDestination::PdfFile, out.filePath(QStringLiteral("fresh.pdf")));
    Printout seen;
    observePrinting(seen, *window);

    window->mnuPrint_Click();

    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    const QImage settled = window->centralWidget()->grab().toImage();
    ASSERT_EQ(seen.image.size(), settled.size());
    const QRect chart(window->MSChart1->geometry().topLeft() * settled.devicePixelRatio(),
                      window->MSChart1->size() * settled.devicePixelRatio());
    EXPECT_FALSE(regionsDiffer(seen.image, settled, chart.intersected(settled.rect())));
}

TEST_F(PrintCopyTest, a_quote_never_saved_prints_with_an_empty_name_label) {
    const QString pdf = out.filePath(QStringLiteral("unsaved.pdf"));
    SetPrintDestination(PrintDestination::PdfFile, pdf);
    Printout seen;
    observePrinting(seen, *window);

    window->mnuPrint_Click();

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.labelText, "");
    EXPECT_FALSE(window->lblPrint->isVisible());
    EXPECT_EQ(readPdf(pdf).pages, 1);
}

TEST_F(PrintCopyTest, a_missing_or_failing_printer_is_reported_and_the_label_put_away) {
    struct Case { const char* name; PrintDestination destination; QString path; };
    const Case cases[] = {
        {"no printer", PrintDestination::NoPrinter, {}},
        {"printer fails", PrintDestination::PdfFile, out.filePath(QStringLiteral("no/such/folder/x.pdf"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        CurrentStock->StockName = QStringLiteral("XYZ");
        SetPrintDestination(c.destination, c.path);

        window->mnuPrint->trigger();

        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.last().title, QStringLiteral("Printer Error #%1").arg(ErrorNumbers::PrinterError));
        EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);
        EXPECT_FALSE(dialogs.last().text.isEmpty());
        EXPECT_FALSE(window->lblPrint->isVisible());
        EXPECT_EQ(window->lblPrint->text(), "");
        EXPECT_TRUE(window->isVisible());
    }

    // The window still prints once a printer is there again.
    dialogs.clear();
    const QString pdf = out.filePath(QStringLiteral("again.pdf"));
    SetPrintDestination(PrintDestination::PdfFile, pdf);
    window->mnuPrint->trigger();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(readPdf(pdf).pages, 1);
}

namespace {

// Fills the clipboard with formats a plain-text copy must not leave behind.
void fillClipboardWithRichContent() {
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b>old</b>"));
    data->setText(QStringLiteral("old text"));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data);
}

ClickableLabel* priceBox(FrmMain& w, const QString& name) {
    if (name == "lblUpsideTarget")
        return w.lblUpsideTarget;
    const int index = name.section('(', 1).section(')', 0, 0).toInt();
    return name.startsWith("lblUp(") ? w.lblUp[index] : w.lblRetracement[index];
}

} // namespace

TEST_F(PrintCopyTest, right_click_copy_puts_the_plain_number_on_the_clipboard) {
    struct Case { long language; const char* box; const char* shown; const char* copied; double value; };
    const Case cases[] = {
        {1, "lblRetracement(0)", "1234,50", "1234,5", 1234.5},
        {0, "lblUp(3)", "105.50", "105.5", 105.5},
        {0, "lblUpsideTarget", "98.000", "98", 98.0},
        {0, "lblRetracement(4)", ".25", "0.25", 0.25},
        {1, "lblUp(11)", "0,00012", "0,00012", 0.00012},
        {0, "lblUp(0)", "0", "0", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        window->Language = c.language;
        ClickableLabel* box = priceBox(*window, c.box);
        ASSERT_NE(box, nullptr);
        box->setText(QString::fromLatin1(c.shown));
        fillClipboardWithRichContent();

        const QPoint at = box->rect().center();
        QTest::mouseClick(box, Qt::RightButton, {}, at);

        EXPECT_EQ(window->CopyValue, c.value);
        ASSERT_TRUE(window->mnuCopy->isVisible());
        EXPECT_EQ(window->mnuCopy->actions(), QList<QAction*>{window->mnuDoCopy});
        // At the pointer: its top edge there, moved left only to stay on the screen.
        const QPoint pointer = box->mapToGlobal(at);
        const QRect menu = window->mnuCopy->geometry();
        EXPECT_EQ(menu.top(), pointer.y());
        EXPECT_LE(menu.left(), pointer.x());
        EXPECT_GE(menu.right() + 1, pointer.x());

        QTest::mouseClick(window->mnuCopy, Qt::LeftButton, {},
                          window->mnuCopy->actionGeometry(window->mnuDoCopy).center());

        EXPECT_FALSE(window->mnuCopy->isVisible());
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->text(), QString::fromLatin1(c.copied));
        EXPECT_FALSE(data->hasHtml());
        EXPECT_FALSE(data->hasImage());
        EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")});
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PrintCopyTest, other_buttons_empty_boxes_and_result_boxes_do_nothing) {
    window->CopyValue = 7.0;
    window->lblUp[2]->setText(QStringLiteral("110.00"));
    window->lblRetracement[1]->setText(QString());
    window->lblProbable->setText(QStringLiteral("104.50"));
    window->lblTrendReversalPoint->setText(QStringLiteral("99.00"));
    QGuiApplication::clipboard()->setText(QStringLiteral("keep me"));

    struct Case { const char* what; QWidget* widget; Qt::MouseButton button; };
    const Case cases[] = {
        {"middle click on a filled box", window->lblUp[2], Qt::MiddleButton},
        {"right click on an empty box", window->lblRetracement[1], Qt::RightButton},
        {"right click on the probable target", window->lblProbable, Qt::RightButton},
        {"right click on the reversal price", window->lblTrendReversalPoint, Qt::RightButton},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTest::mouseClick(c.widget, c.button, {}, c.widget->rect().center());
        EXPECT_FALSE(window->mnuCopy->isVisible());
        EXPECT_EQ(window->CopyValue, 7.0);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "keep me");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PrintCopyTest, a_box_that_holds_no_number_reports_it_and_opens_no_menu) {
    window->CopyValue = 3.0;
    window->lblUp[4]->setText(QStringLiteral("n/a"));

    QTest::mouseClick(window->lblUp[4], Qt::RightButton, {}, window->lblUp[4]->rect().center());

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().title, "frmMain lblUp_MouseDown Error#13");
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);
    EXPECT_FALSE(window->mnuCopy->isVisible());
    EXPECT_EQ(window->CopyValue, 3.0);
}
