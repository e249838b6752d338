#pragma once

class QWidget;

// Shows a fresh notes dialog for CurrentStock modally, owned by `owner`.
void ShowNotesDialog(QWidget* owner);
