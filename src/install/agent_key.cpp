#include "install/agent_key.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void appendHex(std::string& out, unsigned char byte)
{
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

}  // namespace

std::string agentKeyText(std::string_view agentId, std::string_view keyText, const Md5Function& md5,
                         const std::function<void()>& afterEachByte)
{
    std::string text;
    for (char c : agentId) {
        // Each byte is XORed with 0x10: the digit d becomes the pair "2d".
        appendHex(text, static_cast<unsigned char>(c ^ 0x10));
        if (afterEachByte)
            afterEachByte();
    }

    std::string digest = md5(keyText);
    if (digest.size() == 16) {
        std::string hex;
        for (char c : digest)
            appendHex(hex, static_cast<unsigned char>(c));
        text += hex.substr(2, 9);  // digits 3 to 11 of the 32
    }
    return text;
}
