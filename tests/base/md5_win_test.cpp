#include "base/md5_win.h"

#include <gtest/gtest.h>

namespace {

std::string hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

}  // namespace

TEST(Md5Digest, CryptoApiGivesRfc1321Digests)
{
    EXPECT_EQ(hex(md5Digest("")), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(hex(md5Digest("abc")), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(hex(md5Digest("wub")), "c7a7863eac4a09c89e4d05fd46632d36");
}
