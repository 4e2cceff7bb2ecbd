#include "stamp.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

void put32(std::string& s, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + i] = static_cast<char>(v >> (8 * i));
}
uint32_t get32(const std::string& s, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(s[at + i]);
    return v;
}

// A minimal PE32+ image: headers, 0x200 bytes of body and, when signed, a
// certificate table of one WIN_CERTIFICATE at the end.
constexpr size_t kPe = 0x80, kOptional = kPe + 24, kSecurityEntry = kOptional + 112 + 4 * 8;
std::string fakeExe(bool signedImage)
{
    std::string image(0x400, '\0');
    image[0] = 'M';
    image[1] = 'Z';
    put32(image, 0x3C, kPe);
    image.replace(kPe, 4, std::string("PE\0\0", 4));
    image[kOptional] = 0x0B;
    image[kOptional + 1] = 0x02;  // PE32+
    put32(image, kOptional + 108, 16);  // data directories
    if (signedImage) {
        std::string certificate(24, 'C');
        put32(certificate, 0, 24);  // dwLength
        put32(image, kSecurityEntry, static_cast<uint32_t>(image.size()));
        put32(image, kSecurityEntry + 4, 24);
        image += certificate;
    }
    return image;
}

}  // namespace

TEST(AgentStamp, Numbers)
{
    EXPECT_EQ(agentDigits("76984"), "00076984");
    EXPECT_EQ(agentDigits("1"), "00000001");
    EXPECT_EQ(agentDigits("99999999"), "99999999");
    EXPECT_EQ(agentDigits("00076984"), "00076984");
    for (const char* bad : {"0", "00000000", "", "123456789", "12a4", "-5", " 5", "1e3"})
        EXPECT_FALSE(agentDigits(bad)) << bad;
}

TEST(AgentStamp, UnsignedFilesGetTheDigitsAppendedOnce)
{
    std::string image = fakeExe(false);
    std::string stamped = stampImage(image, "00076984");
    EXPECT_EQ(stamped, image + "00076984");
    std::string restamped = stampImage(stamped, "00000042");
    EXPECT_EQ(restamped, image + "00000042");
}

TEST(AgentStamp, SignedFilesKeepTheDigitsInsideTheCertificateTable)
{
    std::string image = fakeExe(true);
    std::string stamped = stampImage(image, "00076984");
    EXPECT_EQ(stamped.substr(stamped.size() - 8), "00076984");
    EXPECT_EQ(stamped.substr(0, image.size()).substr(0, kSecurityEntry), image.substr(0, kSecurityEntry));
    uint32_t table = get32(stamped, kSecurityEntry), size = get32(stamped, kSecurityEntry + 4);
    EXPECT_EQ(table + size, stamped.size());  // the table still ends the file
    EXPECT_EQ(size % 8, 0u);
    EXPECT_EQ(size, 32u);
    EXPECT_EQ(get32(stamped, table), 32u);  // WIN_CERTIFICATE grown by the same 8 bytes

    std::string restamped = stampImage(stamped, "00000042");
    EXPECT_EQ(restamped.size(), stamped.size());
    EXPECT_EQ(restamped.substr(restamped.size() - 8), "00000042");
}
