#pragma once

#include <QString>
#include <exception>

class QWidget;

// A run-time error as the program reports it: a number and a description.
// Routines without a trap of their own let it travel to their caller; a routine
// with a trap catches it and shows it with ShowTrappedError().
class AppError : public std::exception {
public:
    AppError(int number, QString description);
    int Number() const { return number_; }
    const QString& Description() const { return description_; }
    const char* what() const noexcept override;

private:
    int number_;
    QString description_;
    QByteArray what_;
};

namespace ErrorNumbers {
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int ObjectRequired = 424;
inline constexpr int InvalidUseOfNull = 94;
inline constexpr int DatabaseError = 3146;
inline constexpr int FileError = 75;
} // namespace ErrorNumbers

[[noreturn]] void RaiseError(int number, const QString& description);
[[noreturn]] void RaiseTypeMismatch();
[[noreturn]] void RaiseOverflow();

// Shows the trap's box: the description as text, the critical icon, and the
// title `where` + " Error#" + number, e.g. "frmMain SetRatios Error#13".
void ShowTrappedError(const QString& where, const AppError& error, QWidget* parent = nullptr);

// Runs `body` under an error trap titled `where`. Any AppError (or other
// exception) ends the body and is shown; returns false when it trapped one.
template <typename Body> bool Trap(const QString& where, QWidget* parent, Body&& body) {
    try {
        body();
        return true;
    } catch (const AppError& e) {
        ShowTrappedError(where, e, parent);
    } catch (const std::exception& e) {
        ShowTrappedError(where, AppError(ErrorNumbers::InvalidProcedureCall,
                                         QString::fromLocal8Bit(e.what())),
                         parent);
    }
    return false;
}
