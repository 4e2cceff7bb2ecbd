#include "chrome/chrome_geometry.h"

FittedSize fitSize(int w, int h, int boxWidth, int boxHeight)
{
    double height = h;
    int fw = w;
    if (boxWidth < w) {
        fw = boxWidth;
        height = height * boxWidth / w;
    }
    int fh = static_cast<int>(height);
    if (boxHeight < height) {
        fh = boxHeight;
        fw = static_cast<int>(static_cast<double>(fw) * boxHeight / height);
    }
    return {fw, fh};
}

uint32_t toArgb(uint32_t colour, uint32_t alpha)
{
    uint32_t red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    return alpha << 24 | red << 16 | green << 8 | blue;
}
