#pragma once
// Pictures the tests decode (tests/fixtures), built in at build time.

#include <string_view>

extern const std::string_view twoFrameGif;  // 4 x 4, frame 0 red, frame 1 blue
