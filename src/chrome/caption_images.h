#pragma once
// The caption buttons' PNG images (assets/*.png), built in at build time.

#include <string_view>

extern const std::string_view closeNormalImage;     // white cross, 11 x 11
extern const std::string_view closeActiveImage;     // grey cross
extern const std::string_view minimizeNormalImage;  // white bar, 12 x 13
extern const std::string_view minimizeActiveImage;  // grey bar
