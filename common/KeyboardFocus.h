#pragma once
// Whether a widget took the focus from the keyboard (Tab, Shift+Tab, a
// shortcut): drawn areas show their focus frame then, and not after a click,
// so the mouse user's picture stays as it was.
#include <Qt>

namespace orvalis {

inline bool isKeyboardFocus(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

} // namespace orvalis
