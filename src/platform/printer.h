#pragma once

#include <QImage>
#include <QString>
#include <functional>

class QWidget;

namespace ErrorNumbers {
inline constexpr int PrinterError = 482;
} // namespace ErrorNumbers

// Prints an image of the window's client area (a main window's central widget,
// without its menu bar) on the system's default printer, scaled to fit one
// page, with no print dialog. Raises an AppError when there is no default
// printer or the printer fails.
void PrintWindowImage(QWidget* window);

// Where printouts go. Tests send them to a PDF file, or behave as if no
// printer were installed, so that no test ever reaches a real printer.
enum class PrintDestination { DefaultPrinter, PdfFile, NoPrinter };
void SetPrintDestination(PrintDestination destination, const QString& pdfPath = {});

// Called with each image just before it goes to the page; tests use it to see
// what was printed. An empty function removes it.
void SetPrintObserver(std::function<void(const QImage&)> observer);
