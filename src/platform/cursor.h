#pragma once

class QWidget;

// Shows the system's hand (link-select) pointer over `widget`, the pointer of
// every clickable label.
void SetHandCursor(QWidget* widget);
