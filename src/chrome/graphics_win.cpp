#include "chrome/graphics_win.h"

#include <memory>
#include <vector>

namespace gp = Gdiplus::DllExports;

namespace {

// A global memory block and a stream over it, kept for the life of an image.
struct MemoryStream {
    HGLOBAL memory = nullptr;
    IStream* stream = nullptr;

    ~MemoryStream()
    {
        if (stream)
            stream->Release();
        if (memory)
            GlobalFree(memory);
    }
};

std::vector<std::unique_ptr<MemoryStream>>& imageStreams()
{
    static std::vector<std::unique_ptr<MemoryStream>> streams;
    return streams;
}

// {6AEDBD6D-3FB5-418A-83A6-7F45229DC872}
constexpr GUID kFrameDimensionTime = {0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};

}  // namespace

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
    auto holder = std::make_unique<MemoryStream>();
    holder->memory = GlobalAlloc(GMEM_FIXED, bytes.size());
    if (!holder->memory)
        return nullptr;
    memcpy(holder->memory, bytes.data(), bytes.size());
    // The stream does not free the block: the holder does, after the stream.
    if (FAILED(CreateStreamOnHGlobal(holder->memory, FALSE, &holder->stream)))
        return nullptr;
    Image image = nullptr;
    if (gp::GdipLoadImageFromStream(holder->stream, &image) != Gdiplus::Ok)
        return nullptr;
    gp::GdipImageSelectActiveFrame(image, &kFrameDimensionTime, 0);
    imageStreams().push_back(std::move(holder));
    return image;
}

void drawImage(HDC dc, Image image, int x, int y, int width, int height)
{
    // GDI+ may leave its own state (transform, clipping) on the context:
    // later GDI drawing on it must not see that.
    int saved = SaveDC(dc);
    Gdiplus::GpGraphics* graphics = nullptr;
    if (gp::GdipCreateFromHDC(dc, &graphics) == Gdiplus::Ok) {
        gp::GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeHighQualityBicubic);
        gp::GdipDrawImageRectI(graphics, image, x, y, width, height);
        gp::GdipDeleteGraphics(graphics);
    }
    RestoreDC(dc, saved);
}
