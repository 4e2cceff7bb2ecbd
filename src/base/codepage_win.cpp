#include "base/codepage.h"
#include "base/codepage_win.h"

#include <windows.h>

// Code page 936 is named explicitly: CP_ACP would follow the system's display
// language, and the installer must produce the same paths on every Windows.
static constexpr UINT kGbk = 936;

std::wstring toWide(std::string_view text)
{
    if (text.empty())
        return {};
    std::string gbk = wellFormedGbk(text);
    int n = MultiByteToWideChar(kGbk, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kGbk, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), n);
    return wide;
}

std::string fromWide(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    int n = WideCharToMultiByte(kGbk, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, "?", nullptr);
    std::string gbk(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kGbk, 0, wide.data(), static_cast<int>(wide.size()), gbk.data(), n, "?", nullptr);
    return gbk;
}

std::u16string utf16FromGbk(std::string_view gbk)
{
    std::wstring wide = toWide(gbk);
    return std::u16string(wide.begin(), wide.end());
}

std::string gbkFromUtf16(std::u16string_view utf16)
{
    return fromWide(std::wstring(utf16.begin(), utf16.end()));
}
