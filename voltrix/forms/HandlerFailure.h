#pragma once
// A failure escaping an event handler is shown in a message box with its text
// and the run goes on, so one failed action never takes the program down.
#include <exception>

namespace voltrix {

// The message box for a failure that escaped a handler (message may be null
// when the failure carries no text).
void showHandlerFailure(const char *message);

// Runs one event delivery; whatever escapes it is shown and counts as an
// event not handled.
template <typename Deliver>
bool deliverShowingFailure(Deliver &&deliver)
{
    try {
        return deliver();
    } catch (const std::exception &failure) {
        showHandlerFailure(failure.what());
    } catch (...) {
        showHandlerFailure(nullptr);
    }
    return false;
}

} // namespace voltrix
