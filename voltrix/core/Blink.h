#pragma once
// The blinking "STOP" caption of the animation button: while the blink is on,
// every 10th step switches between "STOP" and a blank red caption; while it is
// off, every step shows "STOP". A pure rule, so the window only applies the
// caption it returns.
namespace voltrix {

struct BlinkState {
    bool ParpadeoActivo = true;
    int ContParpadeo = 0;
    int FaseParpadeo = 0;
};

// What the animation button's caption must become after one step.
enum class CaptionChange {
    Unchanged, // leave caption and font as they are
    Stop,      // caption "STOP"
    Blank,     // font colour red, caption " " (one space)
};

struct BlinkStep {
    int ContParpadeo = 0;
    int FaseParpadeo = 0;
    CaptionChange caption = CaptionChange::Unchanged;
};

// The rule alone: from the switch and the counter/phase before the step, the
// counter/phase after it and the caption change.
BlinkStep blinkRule(bool ParpadeoActivo, int ContParpadeo, int FaseParpadeo);

// The rule applied to the counters; returns the caption change.
CaptionChange applyBlink(BlinkState &b);

} // namespace voltrix
