#pragma once

// The line that credits the program's authors. The About window shows it under its pictures and
// the application object hands it to the framework as its long version, so the two never differ.
// It has to fit on one line of a 334 x 16 label at 10 points.

#include <string_view>

inline constexpr std::string_view kAttributionLine = "Quorvane, by the Quorvane authors";

// The product name, as shown and as one word; the two happen to be the same.
inline constexpr std::string_view kProductName = "Quorvane";
inline constexpr std::string_view kPackageName = "Quorvane";
