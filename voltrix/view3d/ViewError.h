#pragma once
// The view's one way of reporting a misuse (an object index or property code
// out of range, a store that cannot be allocated): "Error in function <op>\n<message>"
// is shown to the user and the program ends with exit status 1. Showing is
// replaceable (tests print instead of opening a message box); ending is not.
#include <functional>
#include <string>

namespace voltrix {

using ViewErrorReporter = std::function<void(const std::string &text)>;

// The text shown for a failure of `operation`.
std::string formatViewError(const char *operation, const char *message);

// Replaces how the text is shown; an empty function restores the message box
// captioned "Xc3DWorld Error" with OK and Cancel (or stderr without a
// QApplication).
void setViewErrorReporter(ViewErrorReporter reporter);

// Shows the text and ends the program with exit status 1, whatever the
// reporter did.
[[noreturn]] void reportViewError(const char *operation, const char *message);

} // namespace voltrix
