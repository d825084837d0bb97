// Named values of the engine's plain integer codes: the attribute of a tape line, the tape
// format and the angle unit. The engine's interface keeps its integer types; these say what
// each number means wherever one is written.
#pragma once

#include <cstdint>

namespace TapeAttr {
constexpr std::int32_t Entry = 1;  // a number with its operator, a function, a separator
constexpr std::int32_t Expanded = 2;
constexpr std::int32_t SubTotal = 3;
constexpr std::int32_t Total = 4;  // the only line whose negative flag can be set
constexpr std::int32_t Error = 5;
}  // namespace TapeAttr

namespace TapeFormat {
constexpr std::int32_t General = 1;
constexpr std::int32_t Scientific = 2;
constexpr std::int32_t Currency = 3;
constexpr std::int32_t Fixed = 4;
}  // namespace TapeFormat

namespace TrigUnit {
constexpr std::int32_t Degrees = 1;
constexpr std::int32_t Radians = 2;
constexpr std::int32_t Grads = 3;
}  // namespace TrigUnit
