#pragma once

#include <array>
#include <cstdint>

namespace quorvane::codecs {

// One code word of ITU-T T.4 / T.6: its bits right-aligned in `bits`.
struct FaxCode {
  std::uint16_t bits;
  std::uint8_t length;
};

// The run-length codes of one colour.
struct FaxRunCodes {
  std::array<FaxCode, 64> terminating;  // runs 0..63
  std::array<FaxCode, 40> makeUp;       // runs 64, 128, ..., 2560 at index run / 64 - 1
};

inline constexpr int kLongestMakeUpRun = 2560;

extern const FaxRunCodes kWhiteRunCodes;
extern const FaxRunCodes kBlackRunCodes;

inline constexpr FaxCode kEndOfLine{0b000000000001, 12};
inline constexpr FaxCode kPassMode{0b0001, 4};
inline constexpr FaxCode kHorizontalMode{0b001, 3};
// Vertical modes for a1 - b1 = -3 .. 3, at index a1 - b1 + 3.
inline constexpr std::array<FaxCode, 7> kVerticalModes{
    {{0b0000010, 7}, {0b000010, 6}, {0b010, 3}, {0b1, 1}, {0b011, 3}, {0b000011, 6}, {0b0000011, 7}}};

}  // namespace quorvane::codecs
