#pragma once
// The windows' sizes are laid out as outer sizes, frame and title bar
// included, so that windows placed edge to edge (the control panel just below
// the main window, the scale window above the vector options) meet without
// covering each other. Qt sizes the inside of a window: these are the frame
// allowances of the layout, 8 pixels across and 27 down.
#include <QSize>

namespace voltrix {

inline constexpr int kFrameAllowanceWidth = 8;
inline constexpr int kFrameAllowanceHeight = 27;

constexpr QSize clientSizeOf(int outerWidth, int outerHeight)
{
    return {outerWidth - kFrameAllowanceWidth, outerHeight - kFrameAllowanceHeight};
}

} // namespace voltrix
