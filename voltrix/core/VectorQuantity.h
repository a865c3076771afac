#pragma once
// The five vector quantities the view draws, in the vector options' order.
namespace voltrix {

enum class VectorQuantity { Position, Velocity, Acceleration, Electric, Magnetic };
inline constexpr int kVectorQuantities = 5;

} // namespace voltrix
