#pragma once
// The edit boxes' key handlers take the typed character; Enter arrives as
// character 13, whichever Enter key was pressed.
#include <QKeyEvent>

namespace voltrix {

inline constexpr char kEnterKey = 13;

inline bool isEnter(const QKeyEvent &key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

// The character a key handler receives for this key press.
inline char typedCharacter(const QKeyEvent &key)
{
    if (isEnter(key))
        return kEnterKey;
    const QString text = key.text();
    return text.isEmpty() ? '\0' : text.at(0).toLatin1();
}

} // namespace voltrix
