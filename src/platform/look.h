#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

// Window geometry is designed in twips; 15 twips make one device-independent
// pixel at 96 dpi, and Qt's high-DPI scaling takes it from there.
constexpr int Twips(int twips) { return (twips >= 0 ? twips + 7 : twips - 7) / 15; }
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

// Verdana where installed, else a font of close metrics.
QFont VerdanaFont(double pointSize = 8.25, bool bold = false);
QFont SansSerifFont(double pointSize = 8.25);

// Colours given as RGB hex.
constexpr QColor Rgb(unsigned rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
