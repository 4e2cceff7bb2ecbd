#include "base/md5_win.h"

#include <windows.h>
#include <wincrypt.h>

namespace {

struct CryptContext {
    HCRYPTPROV handle = 0;
    ~CryptContext()
    {
        if (handle)
            CryptReleaseContext(handle, 0);
    }
};

struct CryptHash {
    HCRYPTHASH handle = 0;
    ~CryptHash()
    {
        if (handle)
            CryptDestroyHash(handle);
    }
};

}  // namespace

std::string md5Digest(std::string_view data)
{
    CryptContext context;
    // A verify-only context needs no key container; fall back to the default
    // container for systems that refuse it.
    if (!CryptAcquireContextW(&context.handle, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) &&
        !CryptAcquireContextW(&context.handle, nullptr, nullptr, PROV_RSA_FULL, 0))
        return {};
    CryptHash hash;
    if (!CryptCreateHash(context.handle, CALG_MD5, 0, 0, &hash.handle))
        return {};
    if (!CryptHashData(hash.handle, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()), 0))
        return {};
    std::string digest(16, '\0');
    DWORD size = static_cast<DWORD>(digest.size());
    if (!CryptGetHashParam(hash.handle, HP_HASHVAL, reinterpret_cast<BYTE*>(digest.data()), &size, 0) || size != 16)
        return {};
    return digest;
}
