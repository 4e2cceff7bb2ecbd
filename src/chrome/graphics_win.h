#pragma once
// GDI+ through its flat API, and images decoded from bytes in memory.

#include <windows.h>
// GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <string_view>

using Image = Gdiplus::GpImage*;

// Starts GDI+ once (the first module initialiser). The library is never shut
// down: images live until the program ends.
void startGraphicsLibrary();

// Decodes an image from bytes without touching the file system and makes its
// first frame current. The memory block and the stream behind the image stay
// alive as long as the program runs, since GDI+ may read them at any time.
// Nothing when the bytes are no image.
Image loadImageFromBytes(std::string_view bytes);

// Draws `image` scaled into the rectangle.
void drawImage(HDC dc, Image image, int x, int y, int width, int height);
