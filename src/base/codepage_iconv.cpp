// Code page 936 through glibc's iconv, for the native build of the portable
// core. The Windows build uses codepage_win.cpp instead.
#include "base/codepage.h"

#include "base/text.h"

#include <cerrno>
#include <iconv.h>

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; an input unit that cannot be converted is skipped
    // (`badInputUnit(rest)` bytes) and `replacement` is written in its place.
    template <typename UnitLength>
    std::string run(std::string_view in, UnitLength badInputUnit, std::string_view replacement) const
    {
        std::string out(in.size() * 2 + 8, '\0');
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        size_t written = 0;
        while (srcLeft > 0) {
            char* dst = out.data() + written;
            size_t dstLeft = out.size() - written;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            written = out.size() - dstLeft;
            if (rc != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
            } else {  // EILSEQ or EINVAL: replace one unit and go on
                size_t skip = std::min(badInputUnit(std::string_view(src, srcLeft)), srcLeft);
                src += skip;
                srcLeft -= skip;
                out.resize(std::max(out.size(), written + replacement.size() + 8));
                out.replace(written, replacement.size(), replacement);
                written += replacement.size();
            }
        }
        out.resize(written);
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::u16string utf16FromGbk(std::string_view gbk)
{
    static const char16_t replacement = u'?';
    // An unassigned but well-formed pair is skipped whole.
    auto unit = [](std::string_view rest) -> size_t { return isLeadByte(static_cast<unsigned char>(rest[0])) ? 2 : 1; };
    std::string bytes = Converter("UTF-16LE", "CP936")
                            .run(wellFormedGbk(gbk), unit,
                                 std::string_view(reinterpret_cast<const char*>(&replacement), 2));
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return out;
}

std::string gbkFromUtf16(std::u16string_view utf16)
{
    std::string bytes;
    bytes.reserve(utf16.size() * 2);
    for (char16_t c : utf16) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    // A character outside code page 936 becomes "?". A lone surrogate or a
    // pair both end up as one replacement per failing unit.
    return Converter("CP936", "UTF-16LE").run(bytes, [](std::string_view) -> size_t { return 2; }, "?");
}
