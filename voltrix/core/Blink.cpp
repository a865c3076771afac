#include "voltrix/core/Blink.h"

namespace voltrix {

BlinkStep blinkRule(bool ParpadeoActivo, int ContParpadeo, int FaseParpadeo)
{
    constexpr int kStepsPerBlink = 10;
    BlinkStep next{ContParpadeo, FaseParpadeo, CaptionChange::Unchanged};
    if (!ParpadeoActivo) {
        next.caption = CaptionChange::Stop;
        return next;
    }
    // ">=" rather than "==": the same in every reachable state, and a counter
    // set out of step elsewhere can never run on to an int overflow.
    if (next.ContParpadeo >= kStepsPerBlink) {
        if (next.FaseParpadeo == 0) {
            next.caption = CaptionChange::Stop;
            next.FaseParpadeo = 1;
        } else {
            next.caption = CaptionChange::Blank;
            next.FaseParpadeo = 0;
        }
        next.ContParpadeo = 0;
    }
    ++next.ContParpadeo;
    return next;
}

CaptionChange applyBlink(BlinkState &b)
{
    const BlinkStep next = blinkRule(b.ParpadeoActivo, b.ContParpadeo, b.FaseParpadeo);
    b.ContParpadeo = next.ContParpadeo;
    b.FaseParpadeo = next.FaseParpadeo;
    return next.caption;
}

} // namespace voltrix
