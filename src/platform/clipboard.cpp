#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void ClearClipboard() { QGuiApplication::clipboard()->clear(); }

void SetClipboardText(const QString& text) {
    // A fresh object with the text alone, so no earlier format survives.
    auto* data = new QMimeData;
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}
