#include "chrome/graphics_win.h"

#include "chrome/memory_stream_win.h"

#include <vector>

namespace gp = Gdiplus::DllExports;

namespace {

// The streams behind every decoded image: GDI+ may read them while the image
// lives, which is until the program ends.
std::vector<MemoryStream>& imageStreams()
{
    static std::vector<MemoryStream> streams;
    return streams;
}

}  // namespace

GUID frameDimension{};

void startGraphicsLibrary()
{
    static ULONG_PTR token = 0;
    if (token == 0) {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token, &input, nullptr);
    }
}

Image loadImageFromBytes(std::string_view bytes)
{
    if (bytes.empty())
        return nullptr;
    MemoryStream memory;
    IStream* stream = memory.open(bytes, true);
    Image image = nullptr;
    if (!stream || gp::GdipLoadImageFromStream(stream, &image) != Gdiplus::Ok)
        return nullptr;
    gp::GdipImageSelectActiveFrame(image, &frameDimension, 0);
    imageStreams().push_back(std::move(memory));
    return image;
}

void drawImage(HDC dc, Image image, int x, int y, int width, int height)
{
    // GDI+ may leave its own state (transform, clipping) on the context:
    // later GDI drawing on it must not see that.
    int saved = SaveDC(dc);
    if (Graphics graphics = graphicsOn(dc)) {
        gp::GdipSetInterpolationMode(graphics.get(), Gdiplus::InterpolationModeHighQualityBicubic);
        // Scaling samples beyond the edges: mirror the image there, or the
        // edges would fade into transparency.
        Gdiplus::GpImageAttributes* made = nullptr;
        gp::GdipCreateImageAttributes(&made);
        ImageAttributes attributes(made);
        gp::GdipSetImageAttributesWrapMode(attributes.get(), Gdiplus::WrapModeTileFlipXY, 0, FALSE);
        float w = 0, h = 0;
        gp::GdipGetImageDimension(image, &w, &h);
        gp::GdipDrawImageRectRectI(graphics.get(), image, x, y, width, height, 0, 0, static_cast<int>(w),
                                   static_cast<int>(h), Gdiplus::UnitPixel, attributes.get(), nullptr, nullptr);
    }
    RestoreDC(dc, saved);
}
