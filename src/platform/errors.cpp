#include "platform/errors.h"

#include "platform/messagebox.h"

AppError::AppError(int number, QString description)
    : number_(number), description_(std::move(description)), what_(description_.toUtf8()) {}

const char* AppError::what() const noexcept { return what_.constData(); }

void RaiseError(int number, const QString& description) { throw AppError(number, description); }

void RaiseTypeMismatch() { RaiseError(ErrorNumbers::TypeMismatch, QStringLiteral("Type mismatch")); }

void RaiseOverflow() { RaiseError(ErrorNumbers::Overflow, QStringLiteral("Overflow")); }

void ShowTrappedError(const QString& where, const AppError& error, QWidget* parent) {
    MsgBox(error.Description(), MsgButtons::Ok, MsgIcon::Critical,
           where + QStringLiteral(" Error#") + QString::number(error.Number()), parent);
}
