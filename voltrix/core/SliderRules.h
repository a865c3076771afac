#pragma once
// Slider positions and the values they stand for. A component slider position
// p stands for p × 0.1, the time-step slider's for p × 0.0005. When code (not
// the user) places a slider it uses one of the rules below; every rule goes
// through saturatingTrunc, so a huge or non-finite value gives INT_MIN/INT_MAX
// or 0 and the slider's own clamping does the rest.
namespace voltrix {

inline constexpr double kComponentPerPosition = 0.1;
inline constexpr double kTimeStepPerPosition = 0.0005;

// Value of a component slider position (p × 0.1, stored as float).
float componentValue(int position);
// dt of a time-step slider position (p × 0.0005, stored as float).
float timeStepValue(int position);

// Whole-part placement: 10 × (value truncated toward zero). Also the step's
// and loading's rule for position, velocity and electric-field sliders.
int wholePartPosition(float value);

// Tenths placement as the edit-box commit does it: 10 × value rounded to
// float, then truncated (a typed 0.7 gives 7, not 6).
int typedTenthsPosition(float value);

// Tenths placement elsewhere ("Inicia", loading, region switch for B):
// 10 × value in double, truncated.
int tenthsPosition(float value);

// Time-step placement: 2000 × dt to the nearest whole position.
int timeStepPosition(float dt);

} // namespace voltrix
