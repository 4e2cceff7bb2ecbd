#include "support/md5_for_tests.h"

#include <openssl/evp.h>

std::string md5ForTests(std::string_view data)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_Digest(data.data(), data.size(), digest, &size, EVP_md5(), nullptr);
    return std::string(reinterpret_cast<char*>(digest), size);
}
