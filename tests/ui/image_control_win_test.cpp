#include "chrome/caption_images.h"
#include "chrome/image_control_win.h"
#include "chrome/memory_stream_win.h"
#include "support/test_images.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace gp = Gdiplus::DllExports;
using namespace image_props;

namespace {

constexpr COLORREF kBackground = RGB(10, 20, 30);
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255), kYellow = RGB(255, 255, 0);

SIZE sizeOf(Image image)
{
    float w = 0, h = 0;
    gp::GdipGetImageDimension(image, &w, &h);
    return {static_cast<LONG>(w), static_cast<LONG>(h)};
}

// An image of one colour, opaque unless told, its pixels owned by the test.
Image solidImage(int width, int height, COLORREF colour, uint32_t alpha = 255)
{
    static std::vector<std::vector<uint32_t>> pixelStore;
    uint32_t argb = alpha << 24 | GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
    auto& pixels = pixelStore.emplace_back(static_cast<size_t>(width) * height, argb);
    Gdiplus::GpBitmap* bitmap = nullptr;
    gp::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                  reinterpret_cast<BYTE*>(pixels.data()), &bitmap);
    return bitmap;
}

// The colour an image shows at (x, y) when drawn at its size on white.
COLORREF drawnPixel(Image image, int x, int y)
{
    SIZE size = sizeOf(image);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, size.cx, size.cy};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    drawImage(memory, image, 0, 0, size.cx, size.cy);
    COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colour;
}

LRESULT CALLBACK plainParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A parent in a dark colour holding 24 x 24 push buttons, made image buttons.
class ImageButtons : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        startGraphicsLibrary();
        initImageControlModule();
        WNDCLASSW wc{};
        wc.lpfnWndProc = plainParentProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = CreateSolidBrush(kBackground);
        wc.lpszClassName = L"ImageButtonTestParent";
        RegisterClassW(&wc);
        // One top-level window for the suite: under Wine, destroying one
        // waits for the X server for seconds. Each test gets a fresh parent
        // inside it.
        frame_ = CreateWindowExW(0, L"ImageButtonTestParent", L"", WS_POPUP | WS_VISIBLE, 40, 40, 200, 60, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    }

    void SetUp() override
    {
        parent_ = CreateWindowExW(0, L"ImageButtonTestParent", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 60, frame_,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        // The pointer stays away, so that only the messages sent move the states.
        SetCursorPos(600, 500);
    }
    void TearDown() override { DestroyWindow(parent_); }

    HWND addButton(int left, int width = 24, int height = 24)
    {
        return CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_PUSHBUTTON, left, 10,
                               width, height, parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
    }

    // Shows everything painted, as after the window's first paint.
    void paintAll()
    {
        RedrawWindow(parent_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

    static COLORREF pixelOf(HWND button, int x, int y)
    {
        HDC dc = GetWindowDC(button);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(button, dc);
        return colour;
    }
    static int drawState(HWND button)
    {
        return static_cast<int>(reinterpret_cast<intptr_t>(GetPropW(button, kDrawState)));
    }

    static inline HWND frame_ = nullptr;
    HWND parent_ = nullptr;
};

}  // namespace

TEST(ImagesFromMemory, CaptionImagesHaveTheirSizes)
{
    startGraphicsLibrary();
    const struct {
        std::string_view bytes;
        LONG width, height;
    } cases[] = {{closeNormalImage, 11, 11},
                 {closeActiveImage, 11, 11},
                 {minimizeNormalImage, 12, 13},
                 {minimizeActiveImage, 12, 13}};
    for (const auto& c : cases) {
        Image image = loadImageFromBytes(c.bytes);
        ASSERT_NE(image, nullptr);
        SIZE size = sizeOf(image);
        EXPECT_EQ(size.cx, c.width);
        EXPECT_EQ(size.cy, c.height);
    }
    // The white cross: opaque-ish white on the diagonal, nothing beside it.
    Image cross = loadImageFromBytes(closeNormalImage);
    EXPECT_EQ(drawnPixel(cross, 5, 5), RGB(255, 255, 255));
    EXPECT_EQ(drawnPixel(cross, 5, 0), RGB(255, 255, 255));  // transparent: the white beneath
    Image grey = loadImageFromBytes(closeActiveImage);
    COLORREF centre = drawnPixel(grey, 5, 5);  // 82 at alpha 189 over white
    EXPECT_NEAR(GetRValue(centre), (82 * 189 + 255 * 66) / 255, 2);
}

TEST(ImagesFromMemory, EachDecodeIsIndependentAndBadBytesGiveNone)
{
    startGraphicsLibrary();
    Image first = loadImageFromBytes(minimizeActiveImage);
    Image second = loadImageFromBytes(minimizeActiveImage);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    gp::GdipDisposeImage(first);
    SIZE size = sizeOf(second);
    EXPECT_EQ(size.cx, 12);
    EXPECT_EQ(size.cy, 13);
    EXPECT_NE(drawnPixel(second, 5, 6), RGB(255, 255, 255));  // still drawn: the grey bar

    EXPECT_EQ(loadImageFromBytes(""), nullptr);
    EXPECT_EQ(loadImageFromBytes("not an image at all"), nullptr);
    EXPECT_EQ(loadImageFromBytes(closeNormalImage.substr(0, 20)), nullptr);
}

TEST(ImagesFromMemory, AnimatedPictureShowsItsFirstFrame)
{
    startGraphicsLibrary();
    initImageControlModule();
    const GUID frameDimensionTime = {0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};
    EXPECT_TRUE(IsEqualGUID(frameDimension, frameDimensionTime));
    Image image = loadImageFromBytes(twoFrameGif);  // frame 0 red, frame 1 blue
    ASSERT_NE(image, nullptr);
    UINT frames = 0;
    gp::GdipImageGetFrameCount(image, &frameDimensionTime, &frames);
    EXPECT_EQ(frames, 2u);
    EXPECT_EQ(drawnPixel(image, 1, 1), kRed);
}

TEST(MemoryStreamTest, HoldsBytesAndSharesThemBetweenCopies)
{
    MemoryStream memory;
    ASSERT_NE(memory.open(std::string_view("abc\0def", 7), true), nullptr);
    EXPECT_EQ(memory.size(), 7);
    EXPECT_EQ(memory.readAll(), std::string("abc\0def", 7));

    MemoryStream copy = memory;
    EXPECT_EQ(copy.stream(), memory.stream());
    memory.release();
    EXPECT_EQ(memory.stream(), nullptr);
    EXPECT_EQ(memory.size(), 0);
    EXPECT_EQ(copy.readAll(), std::string("abc\0def", 7));  // the copy still holds the block

    // Without bytes: an empty block that grows as the stream is written.
    IStream* stream = copy.open("ignored", false);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(copy.size(), 0);
    ULONG written = 0;
    stream->Write("hello", 5, &written);
    EXPECT_EQ(written, 5u);
    EXPECT_EQ(copy.readAll(), "hello");
}

TEST_F(ImageButtons, StatesFollowTheMessages)
{
    HWND button = addButton(10);
    {
        PngControl control;
        control.attachImageButton(button, solidImage(11, 11, kRed));
        control.setImages(std::nullopt, solidImage(11, 11, kGreen), solidImage(11, 11, kBlue),
                          solidImage(11, 11, kYellow));
        control.setBackType(BackFitted);
    }  // the object is gone; the button keeps working
    paintAll();
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_TRUE(GetWindowLongPtrW(button, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_FALSE(GetWindowLongPtrW(button, GWL_STYLE) & WS_CLIPSIBLINGS);

    const struct {
        const char* step;
        UINT message;
        WPARAM wParam;
        int state;
        COLORREF colour;
    } steps[] = {
        {"first paint", 0, 0, DrawNormal, kRed},
        {"pointer moves in", WM_MOUSEMOVE, 0, DrawHover, kGreen},
        {"left button down", WM_LBUTTONDOWN, MK_LBUTTON, DrawPressed, kBlue},
        {"pointer leaves", WM_MOUSELEAVE, 0, DrawNormal, kRed},
        {"disabled", WM_ENABLE, FALSE, DrawDisabled, kYellow},
        {"enabled", WM_ENABLE, TRUE, DrawNormal, kRed},
    };
    for (const auto& step : steps) {
        if (step.message == WM_ENABLE)
            EnableWindow(button, static_cast<BOOL>(step.wParam));
        else if (step.message)
            SendMessageW(button, step.message, step.wParam, MAKELPARAM(12, 12));
        EXPECT_EQ(drawState(button), step.state) << step.step;
        // Fitted and centred: the 11 x 11 image covers (6, 6) to (16, 16).
        EXPECT_EQ(pixelOf(button, 6, 6), step.colour) << step.step;
        EXPECT_EQ(pixelOf(button, 16, 16), step.colour) << step.step;
        EXPECT_EQ(pixelOf(button, 5, 5), kBackground) << step.step;
        EXPECT_EQ(pixelOf(button, 17, 17), kBackground) << step.step;
    }
    ReleaseCapture();
}

TEST_F(ImageButtons, RepaintingTheButtonAloneBlendsOverWhatLiesBeneathNotOverItself)
{
    HWND button = addButton(10);
    PngControl control;
    control.attachImageButton(button, solidImage(11, 11, kRed, 128));
    control.setImages(std::nullopt, solidImage(11, 11, kGreen, 128));
    paintAll();
    const COLORREF halfRed = pixelOf(button, 5, 5);
    EXPECT_NEAR(GetRValue(halfRed), (255 * 128 + 10 * 127) / 255, 2);
    EXPECT_NEAR(GetBValue(halfRed), 30 * 127 / 255, 2);
    // As a button does for hot tracking, and a state change in between.
    for (int round = 0; round < 3; ++round) {
        SendMessageW(button, WM_MOUSEMOVE, 0, 0);
        InvalidateRect(button, nullptr, FALSE);
        UpdateWindow(button);
        SendMessageW(button, WM_MOUSELEAVE, 0, 0);
        InvalidateRect(button, nullptr, FALSE);
        UpdateWindow(button);
        EXPECT_EQ(pixelOf(button, 5, 5), halfRed) << round;
    }
}

TEST_F(ImageButtons, OnlyANormalImageShowsInEveryState)
{
    HWND button = addButton(10);
    PngControl().attachImageButton(button, solidImage(11, 11, kRed));
    paintAll();
    for (UINT message : {UINT(WM_MOUSEMOVE), UINT(WM_LBUTTONDOWN), UINT(WM_ENABLE)}) {
        if (message == WM_ENABLE)
            EnableWindow(button, FALSE);
        else
            SendMessageW(button, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(5, 5));
        EXPECT_NE(drawState(button), DrawNormal);
        EXPECT_EQ(pixelOf(button, 5, 5), kRed) << message;  // no back type: natural size at the corner
        EXPECT_EQ(pixelOf(button, 11, 11), kBackground) << message;
    }
    ReleaseCapture();
}

TEST_F(ImageButtons, BackTypesPlaceTheImage)
{
    const struct {
        int backType;
        int width, height;
        POINT inside[2], outside[2];
    } cases[] = {
        {BackStretched, 11, 11, {{0, 0}, {23, 23}}, {}},
        {0, 11, 11, {{0, 0}, {10, 10}}, {{11, 11}, {23, 0}}},
        {BackFitted, 12, 13, {{6, 5}, {17, 17}}, {{5, 5}, {18, 18}}},
        {BackFitted, 48, 24, {{1, 7}, {22, 16}}, {{0, 4}, {23, 19}}},  // drawn 24 x 12 at (0, 6)
    };
    int left = 10;
    for (const auto& c : cases) {
        HWND button = addButton(left);
        left += 30;
        PngControl control;
        control.attachImageButton(button, solidImage(c.width, c.height, kRed));
        control.setBackType(c.backType);
        paintAll();
        for (POINT p : c.inside)
            EXPECT_EQ(pixelOf(button, p.x, p.y), kRed) << c.backType << " at " << p.x << "," << p.y;
        if (c.backType == BackStretched)
            continue;
        for (POINT p : c.outside)
            EXPECT_EQ(pixelOf(button, p.x, p.y), kBackground) << c.backType << " at " << p.x << "," << p.y;
    }
}

TEST_F(ImageButtons, ParentIsHookedOnceAndAnswersColourRequestsWithTheNullBrush)
{
    auto classProc = reinterpret_cast<LONG_PTR>(plainParentProc);
    HWND first = addButton(10), second = addButton(40), plain = addButton(70);
    PngControl().attachImageButton(first, solidImage(11, 11, kRed));
    LONG_PTR hook = GetWindowLongPtrW(parent_, GWLP_WNDPROC);
    EXPECT_NE(hook, classProc);
    PngControl().attachImageButton(second, solidImage(11, 11, kGreen));
    EXPECT_EQ(GetWindowLongPtrW(parent_, GWLP_WNDPROC), hook);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropW(parent_, kWndProc)), classProc);
    EXPECT_FALSE(GetWindowLongPtrW(parent_, GWL_STYLE) & WS_CLIPCHILDREN);

    HDC dc = GetDC(parent_);
    EXPECT_EQ(SendMessageW(parent_, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(second)),
              reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    // Other controls get the parent's own answer (the default procedure's).
    EXPECT_NE(SendMessageW(parent_, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(plain)),
              reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    ReleaseDC(parent_, dc);

    // Both buttons still work.
    paintAll();
    SendMessageW(first, WM_MOUSEMOVE, 0, 0);
    SendMessageW(second, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(drawState(first), DrawHover);
    EXPECT_EQ(drawState(second), DrawHover);
    EXPECT_EQ(pixelOf(second, 3, 3), kGreen);

    // A custom-draw notification from an image button repaints it in its
    // current state.
    PngControl(second).setImages(std::nullopt, solidImage(11, 11, kBlue));
    EXPECT_EQ(pixelOf(second, 3, 3), kGreen);
    NMHDR header{second, 0, static_cast<UINT>(NM_CUSTOMDRAW)};
    SendMessageW(parent_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(pixelOf(second, 3, 3), kBlue);
}

TEST_F(ImageButtons, NothingHappensToWhatIsNoWindow)
{
    PngControl control;
    EXPECT_FALSE(control.attachBase(nullptr));
    control.attachImageButton(reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(control.handle(), nullptr);
    EXPECT_FALSE(control.isAlive());
}

TEST_F(ImageButtons, BoundsKeepWhatIsOmitted)
{
    PngControl control;
    HWND button = control.createImageButton(parent_, 10, 10, 24, 24, L"");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetPropW(button, kType), reinterpret_cast<HANDLE>(kImageButtonType));
    auto bounds = [&] {
        RECT rc;
        GetWindowRect(button, &rc);
        MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    };
    control.setBounds(std::nullopt, 15, std::nullopt, std::nullopt);
    EXPECT_EQ(bounds().left, 10);
    EXPECT_EQ(bounds().top, 15);
    EXPECT_EQ(bounds().right - bounds().left, 24);
    control.setBounds(std::nullopt, std::nullopt, 30, std::nullopt);
    EXPECT_EQ(bounds().top, 15);
    EXPECT_EQ(bounds().right - bounds().left, 30);
    EXPECT_EQ(bounds().bottom - bounds().top, 24);
}

TEST_F(ImageButtons, LoadingDialogClassEndsWhatHangsOnItsWindow)
{
    WNDCLASSW info{};
    ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"KiteLoadDialog", &info));
    EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    HWND dialog = CreateWindowExW(0, L"KiteLoadDialog", L"", WS_CHILD, 0, 0, 50, 50, parent_, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(dialog, nullptr);
    // The thread must be running its own code before it is terminated: one
    // ended while it still starts holds the loader's lock for ever, and the
    // next window this process makes waits on it.
    HANDLE running = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE worker = CreateThread(
        nullptr, 0,
        [](void* event) -> DWORD {
            SetEvent(static_cast<HANDLE>(event));
            return Sleep(INFINITE), 1;
        },
        running, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(running, 5000), WAIT_OBJECT_0);
    CloseHandle(running);
    HANDLE watch = nullptr;
    DuplicateHandle(GetCurrentProcess(), worker, GetCurrentProcess(), &watch, SYNCHRONIZE, FALSE, 0);
    SetPropW(dialog, L"Kite_Thread", worker);
    DestroyWindow(dialog);
    EXPECT_EQ(WaitForSingleObject(watch, 5000), WAIT_OBJECT_0);
    CloseHandle(watch);
}

TEST_F(ImageButtons, ToolTipIsAddedOnceThenUpdated)
{
    HWND button = addButton(10);
    PngControl control(button);
    control.setToolTip(L"关闭");
    control.setToolTip(L"最小化");
    EXPECT_EQ(GetPropW(button, kToolTips), reinterpret_cast<HANDLE>(1));
    // The module's tool tip window: this thread's only one (other
    // processes, Wine's desktop among them, have their own).
    HWND tips = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            wchar_t name[32] = L"";
            GetClassNameW(window, name, 32);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0)
                *reinterpret_cast<HWND*>(found) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[80] = L"";
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = button;
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"最小化");
}
