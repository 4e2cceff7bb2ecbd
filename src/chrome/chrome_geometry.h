#pragma once
// Arithmetic of the window chrome, free of any graphics API.

#include <cstdint>

struct FittedSize {
    int width;
    int height;
};

// Shrinks w x h to fit a box, keeping the aspect ratio and never enlarging;
// divisions in floating point, results cut toward zero.
FittedSize fitSize(int w, int h, int boxWidth, int boxHeight);

// A 0x00BBGGRR colour and an alpha as GDI+'s ARGB.
uint32_t toArgb(uint32_t colour, uint32_t alpha);
