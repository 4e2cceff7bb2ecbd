#pragma once
// GDI+ through its flat API, and images decoded from bytes in memory.

#include <windows.h>
// GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include "base/handle_win.h"

#include <string_view>

using Image = Gdiplus::GpImage*;

// Owners of GDI+ objects.
struct ReleaseGdiplusObject {
    void operator()(Gdiplus::GpGraphics* h) const { Gdiplus::DllExports::GdipDeleteGraphics(h); }
    void operator()(Gdiplus::GpPen* h) const { Gdiplus::DllExports::GdipDeletePen(h); }
    void operator()(Gdiplus::GpImageAttributes* h) const { Gdiplus::DllExports::GdipDisposeImageAttributes(h); }
    void operator()(Gdiplus::GpImage* h) const { Gdiplus::DllExports::GdipDisposeImage(h); }
};
template <typename Object>
using GdiplusObject = UniqueHandle<NullHandleTraits<Object*, ReleaseGdiplusObject>>;
using Graphics = GdiplusObject<Gdiplus::GpGraphics>;
using GraphicsPen = GdiplusObject<Gdiplus::GpPen>;
using ImageAttributes = GdiplusObject<Gdiplus::GpImageAttributes>;
using OwnedImage = GdiplusObject<Gdiplus::GpImage>;

// A graphics object drawing into a device context.
inline Graphics graphicsOn(HDC dc)
{
    Gdiplus::GpGraphics* graphics = nullptr;
    Gdiplus::DllExports::GdipCreateFromHDC(dc, &graphics);
    return Graphics(graphics);
}

// Starts GDI+ once (the first module initialiser). The library is never shut
// down: images live until the program ends.
void startGraphicsLibrary();

// GDI+'s time dimension of animated pictures, set by the image control
// module's initialiser. Until then it is all zero, and a decoded picture
// keeps whichever frame GDI+ made current, which is the first.
extern GUID frameDimension;

// Decodes an image from bytes without touching the file system and makes its
// first frame current. The memory block and the stream behind the image stay
// alive as long as the program runs, since GDI+ may read them at any time.
// Nothing when the bytes are no image.
Image loadImageFromBytes(std::string_view bytes);

// Draws `image` scaled into the rectangle.
void drawImage(HDC dc, Image image, int x, int y, int width, int height);
