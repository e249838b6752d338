#include "dialogs/saving.h"

#include "platform/look.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QTimer>

namespace {
SavingProgressObserver& progressObserver() {
    static SavingProgressObserver observer;
    return observer;
}
} // namespace

void SetSavingProgressObserver(SavingProgressObserver observer) { progressObserver() = std::move(observer); }

Saving::Saving() : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Saving"));
    setWindowTitle(QStringLiteral("Dialog Caption"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(Twips(3600), Twips(1215));
    setFont(VerdanaFont(8.25));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Rgb(0xC0C0FF));
    setPalette(pal);
    setAutoFillBackground(true);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setFrameShadow(QFrame::Plain);
    Shape1->setLineWidth(1);
    Shape1->setGeometry(TwipsRect(30, 30, 3555, 1155));

    // Wider than the window and starting left of it: the centred text lands
    // in the middle of the window.
    lblQuote = new QLabel(QStringLiteral("Saving.."), this);
    lblQuote->setObjectName(QStringLiteral("lblQuote"));
    lblQuote->setFont(VerdanaFont(8.25, true));
    lblQuote->setAlignment(Qt::AlignCenter);
    QPalette quote = lblQuote->palette();
    quote.setColor(QPalette::WindowText, Rgb(0x000080));
    quote.setColor(QPalette::Window, Rgb(0xC0C0FF));
    lblQuote->setPalette(quote);
    lblQuote->setAutoFillBackground(true);
    lblQuote->setGeometry(TwipsRect(-270, 420, 4185, 315));

    Prgs = new QProgressBar(this);
    Prgs->setObjectName(QStringLiteral("Prgs"));
    Prgs->setRange(0, 100);
    Prgs->setValue(0);
    Prgs->setTextVisible(false);
    Prgs->setGeometry(TwipsRect(300, 870, 3105, 195));
}

void Saving::Pause(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Saving::RunProgress() {
    if (started_)
        return;
    started_ = true;
    for (int v = 1; v < 100; v += 5) {
        Prgs->setValue(v);
        if (progressObserver())
            progressObserver()(v);
        Pause(9);
    }
    finished_ = true;
    done(QDialog::Accepted);
}

void Saving::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the window is up and drawn; the modal loop runs the progress.
    if (!started_)
        QTimer::singleShot(0, this, &Saving::RunProgress);
}

void Saving::reject() {}

void Saving::closeEvent(QCloseEvent* event) {
    if (finished_)
        event->accept();
    else
        event->ignore();
}

void ShowSavingWindow() {
    Saving window;
    window.exec();
}
