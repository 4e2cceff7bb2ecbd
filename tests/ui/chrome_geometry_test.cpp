#include "chrome/chrome_geometry.h"

#include <gtest/gtest.h>

TEST(FitSize, Cases)
{
    struct Case {
        int w, h, box, fw, fh, x, y;  // (x, y): where a centred image is drawn
    } cases[] = {
        {11, 11, 24, 11, 11, 6, 6},
        {12, 13, 24, 12, 13, 6, 5},
        {48, 24, 24, 24, 12, 0, 6},
        {24, 48, 24, 12, 24, 6, 0},
        {100, 100, 24, 24, 24, 0, 0},
    };
    for (const Case& c : cases) {
        FittedSize f = fitSize(c.w, c.h, c.box, c.box);
        EXPECT_EQ(f.width, c.fw) << c.w << "x" << c.h;
        EXPECT_EQ(f.height, c.fh) << c.w << "x" << c.h;
        EXPECT_EQ((c.box - f.width) / 2, c.x);
        EXPECT_EQ((c.box - f.height) / 2, c.y);
    }
}

TEST(ToArgb, Cases)
{
    EXPECT_EQ(toArgb(0x808080, 65), 0x41808080u);
    EXPECT_EQ(toArgb(0x0000FF, 255), 0xFFFF0000u);  // red, low byte of 0x00BBGGRR
    EXPECT_EQ(toArgb(0xFF0000, 5), 0x050000FFu);    // blue
}
