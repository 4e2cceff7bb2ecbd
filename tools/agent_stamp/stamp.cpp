#include "stamp.h"

#include <cstdint>

namespace {

uint32_t read32(const std::string& s, size_t at)
{
    return static_cast<uint32_t>(static_cast<unsigned char>(s[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
}

void write32(std::string& s, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        s[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool endsInDigits(const std::string& s)
{
    if (s.size() < 8)
        return false;
    for (size_t i = s.size() - 8; i < s.size(); ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

// Where the PE headers keep the checksum and the certificate table's entry.
struct PeLayout {
    size_t checksumAt;
    size_t securityEntryAt;  // file offset and size of the certificate table
};

std::optional<PeLayout> peLayout(const std::string& image)
{
    if (image.size() < 0x40 || image.compare(0, 2, "MZ") != 0)
        return std::nullopt;
    size_t pe = read32(image, 0x3C);
    if (pe + 24 + 2 > image.size() || image.compare(pe, 4, std::string("PE\0\0", 4)) != 0)
        return std::nullopt;
    size_t optional = pe + 24;
    uint16_t magic = static_cast<uint16_t>(static_cast<unsigned char>(image[optional]) |
                                           static_cast<unsigned char>(image[optional + 1]) << 8);
    size_t countAt = magic == 0x20B ? optional + 108 : magic == 0x10B ? optional + 92 : 0;
    if (countAt == 0 || countAt + 4 + 5 * 8 > image.size() || read32(image, countAt) < 5)
        return std::nullopt;
    return PeLayout{optional + 64, countAt + 4 + 4 * 8};
}

// The PE checksum: 16-bit words summed with carries folded, the checksum
// field itself left out, plus the file length.
uint32_t peChecksum(const std::string& image, size_t checksumAt)
{
    uint64_t sum = 0;
    for (size_t i = 0; i + 1 < image.size() + 1; i += 2) {
        if (i == checksumAt || i == checksumAt + 2)
            continue;
        uint32_t word = static_cast<unsigned char>(image[i]);
        if (i + 1 < image.size())
            word |= static_cast<uint32_t>(static_cast<unsigned char>(image[i + 1])) << 8;
        sum += word;
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint32_t>(sum + image.size());
}

}  // namespace

std::optional<std::string> agentDigits(std::string_view number)
{
    if (number.empty() || number.size() > 8)
        return std::nullopt;
    long value = 0;
    for (char c : number) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1)
        return std::nullopt;
    return std::string(8 - number.size(), '0') + std::string(number);
}

std::string stampImage(std::string image, const std::string& digits)
{
    if (endsInDigits(image)) {
        image.replace(image.size() - 8, 8, digits);  // restamp, never stamp twice
    } else if (auto pe = peLayout(image); pe && read32(image, pe->securityEntryAt + 4) > 0 &&
                                          read32(image, pe->securityEntryAt) + read32(image, pe->securityEntryAt + 4) ==
                                              image.size()) {
        // Signed: the certificate table ends the file. Grow its last
        // WIN_CERTIFICATE and the table by the same bytes, zero padding then
        // the digits, so the table stays 8-byte aligned and the digits stay
        // the file's last eight bytes.
        size_t table = read32(image, pe->securityEntryAt);
        size_t tableSize = read32(image, pe->securityEntryAt + 4);
        size_t last = table;
        for (size_t at = table; at + 8 <= table + tableSize;) {
            last = at;
            uint32_t length = read32(image, at);
            if (length < 8)
                break;
            at += (length + 7) & ~size_t(7);
        }
        size_t padding = (8 - (tableSize + 8) % 8) % 8;
        image += std::string(padding, '\0') + digits;
        write32(image, pe->securityEntryAt + 4, static_cast<uint32_t>(tableSize + padding + 8));
        write32(image, last, static_cast<uint32_t>(image.size() - last));
    } else {
        image += digits;
    }
    if (auto pe = peLayout(image); pe && read32(image, pe->checksumAt) != 0)
        write32(image, pe->checksumAt, peChecksum(image, pe->checksumAt));
    return image;
}
