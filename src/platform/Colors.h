#pragma once

#include <cstdint>

namespace pellory {

// Colours as the windows hold them: blue-green-red order, so 0x0000FF is red.
using Color = std::uint32_t;

inline constexpr Color kRed = 0x0000FF;
inline constexpr Color kBlue = 0xFF0000;
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kGrey = 0xE0E0E0;
// The system's window-text colour; the view paints it in the palette's text colour.
inline constexpr Color kWindowText = 0x80000008;
// The system colour for inactive caption text (the editor's status line background).
inline constexpr Color kInactiveCaptionText = 0x80000013;

}  // namespace pellory
