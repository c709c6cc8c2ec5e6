#pragma once
// The largest values a scale file may hold. With the largest typed entries
// the engine accepts, every amount of a payslip priced with them stays far
// inside the money range.
#include <cstdint>

namespace haberes {

inline constexpr double kMaxPointValue = 1000;     // pesos per point
inline constexpr double kMaxPointsPerHour = 1000;  // points per teaching hour
inline constexpr double kMaxHourValue = 1000000;   // pesos per hour (006, 084, 113)
inline constexpr double kMaxScaleAmount = 1000000000; // pesos of a fixed amount, cap or table cell
inline constexpr double kMaxShare = 1;             // shares and rates: 1 is the whole
inline constexpr double kMaxFactor = 10;           // the zone factor of the minimum test
inline constexpr double kMaxKmRate = 1000000;      // pesos per kilometre
inline constexpr int kMaxScaleHours = 100000;      // hour limits
inline constexpr int kMaxScalePoints = 32767;      // points: the largest a points box accepts
inline constexpr int kMaxChildRate = 32767;        // whole pesos per child
inline constexpr int kMaxPositions = 400;          // codes 600 to 999, each once
inline constexpr std::int64_t kMaxScaleFileBytes = 4 * 1024 * 1024;

} // namespace haberes
