#include "chrome/shadow_win.h"

#include "chrome/graphics_win.h"

#include <gtest/gtest.h>

namespace {

uint32_t alphaAt(const std::vector<uint32_t>& pixels, int width, int x, int y)
{
    return pixels[static_cast<size_t>(y) * width + x] >> 24;
}

HWND ownerWindow()
{
    return CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 600, 430, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

RECT rectOf(HWND window)
{
    RECT rc;
    GetWindowRect(window, &rc);
    return rc;
}

}  // namespace

TEST(Shadow, RingsFadeOutwards)
{
    startGraphicsLibrary();
    const int width = 610, height = 440;
    std::vector<uint32_t> pixels = renderShadow(RGB(128, 128, 128), width, height);
    EXPECT_EQ(alphaAt(pixels, width, 0, 0), 5u);
    EXPECT_EQ(alphaAt(pixels, width, 1, 1), 20u);
    EXPECT_EQ(alphaAt(pixels, width, 4, 4), 65u);
    EXPECT_EQ(alphaAt(pixels, width, 5, 5), 0u);  // under the owner's corner
    EXPECT_EQ(alphaAt(pixels, width, 300, 220), 0u);
    EXPECT_EQ(alphaAt(pixels, width, width - 1, height - 1), 5u);
    EXPECT_EQ(alphaAt(pixels, width, 300, 4), 65u);
    // Premultiplied grey: each colour byte is 0x80 scaled by the alpha.
    uint32_t inner = pixels[4 * width + 4];
    EXPECT_NEAR(static_cast<int>(inner & 0xFF), 0x80 * 65 / 255, 1);
}

TEST(Shadow, PlacedAroundItsOwnerAndFollowsIt)
{
    startGraphicsLibrary();
    HWND owner = ownerWindow();
    ASSERT_TRUE(attachShadow(owner, RGB(128, 128, 128)));
    HWND shadow = shadowWindowOf(owner);
    ASSERT_NE(shadow, nullptr);
    RECT rc = rectOf(shadow);
    EXPECT_EQ(rc.left, 95);
    EXPECT_EQ(rc.top, 95);
    EXPECT_EQ(rc.right - rc.left, 610);
    EXPECT_EQ(rc.bottom - rc.top, 440);
    EXPECT_TRUE(GetWindowLongPtrW(shadow, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(GetWindowLongPtrW(shadow, GWL_EXSTYLE) & WS_EX_TRANSPARENT);

    SetWindowPos(owner, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    rc = rectOf(shadow);
    EXPECT_EQ(rc.left, 195);
    EXPECT_EQ(rc.top, 145);

    // A second attach reuses the window and does not subclass again.
    LONG_PTR procedure = GetWindowLongPtrW(owner, GWLP_WNDPROC);
    EXPECT_TRUE(attachShadow(owner, RGB(0, 0, 255)));
    EXPECT_EQ(shadowWindowOf(owner), shadow);
    EXPECT_EQ(GetWindowLongPtrW(owner, GWLP_WNDPROC), procedure);
    DestroyWindow(owner);
    EXPECT_FALSE(attachShadow(nullptr, 0));
}
