#include "platform/printer.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <memory>

namespace {

constexpr int kSettlePasses = 4;

PrintDestination gDestination = PrintDestination::DefaultPrinter;
QString gPdfPath;
std::function<void(const QImage&)> gObserver;

[[noreturn]] void raisePrinterError(const QString& description) {
    RaiseError(ErrorNumbers::PrinterError, description);
}

std::unique_ptr<QPrinter> openPrinter() {
    switch (gDestination) {
    case PrintDestination::NoPrinter:
        break;
    case PrintDestination::PdfFile: {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(gPdfPath);
        return printer;
    }
    case PrintDestination::DefaultPrinter: {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            break;
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (!printer->isValid())
            raisePrinterError(QStringLiteral("The printer %1 cannot be used").arg(info.printerName()));
        return printer;
    }
    }
    raisePrinterError(QStringLiteral("No default printer is installed"));
}

QImage clientAreaImage(QWidget* window) {
    QWidget* client = window;
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->centralWidget())
        client = main->centralWidget();
    // Deferred work (a chart waiting to be redrawn, the layouts that redraw
    // asks for) is done first, so that the picture shows what the window holds
    // now. Each pass delivers only what was posted before it began, and a
    // redraw posts one more round of layout work.
    for (int pass = 0; pass < kSettlePasses; ++pass)
        QCoreApplication::sendPostedEvents();
    return client->grab().toImage();
}

} // namespace

void SetPrintDestination(PrintDestination destination, const QString& pdfPath) {
    gDestination = destination;
    gPdfPath = pdfPath;
}

void SetPrintObserver(std::function<void(const QImage&)> observer) { gObserver = std::move(observer); }

void PrintWindowImage(QWidget* window) {
    if (!window)
        RaiseError(ErrorNumbers::ObjectRequired, QStringLiteral("Object required"));
    std::unique_ptr<QPrinter> printer = openPrinter();
    const QImage image = clientAreaImage(window);
    if (image.isNull())
        raisePrinterError(QStringLiteral("The window could not be drawn for printing"));

    printer->setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(printer.get()))
        raisePrinterError(QStringLiteral("The printer could not start the printout"));

    // Largest size that fits the printable area, keeping the window's shape.
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    if (gObserver)
        gObserver(image);
    painter.drawImage(QRect(page.topLeft(), size), image);
    if (!painter.end())
        raisePrinterError(QStringLiteral("The printer could not finish the printout"));
}
