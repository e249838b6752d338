#include "platform/messagebox.h"
#include "storage/module1.h"

namespace {
constexpr qsizetype kMaxNameLength = 50;

// Removes blanks, and only blanks, from both ends.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

// The first `count` characters, without splitting a surrogate pair.
QString leftCharacters(const QString& text, qsizetype count) {
    if (count < text.size() && count > 0 && text[count - 1].isHighSurrogate())
        --count;
    return text.left(count);
}
} // namespace

QString FitStockName(const QString& name, QWidget* parent) {
    const QString trimmed = trimBlanks(name);
    if (trimmed.size() <= kMaxNameLength)
        return name;
    MsgBox(QStringLiteral("The name/description has exceeded the maximum length of 50\r\n"
                          "characters and has been truncated accordingly."),
           MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Stock Name Too Long"), parent);
    return leftCharacters(trimmed, kMaxNameLength);
}
