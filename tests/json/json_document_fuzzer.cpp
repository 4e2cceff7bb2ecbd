// libFuzzer target: any bytes as a platform answer, then the reads the
// installer makes plus paths taken from the input itself.
#include "json/json_document.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    // Bytes after the last newline name a path to read; the rest is the answer.
    size_t split = input.rfind('\n');
    std::string text = split == std::string::npos ? input : input.substr(0, split);
    std::string path = split == std::string::npos ? "code" : input.substr(split + 1);

    JsonDocument doc;
    doc.parse(text);
    for (const std::string& p : {path, std::string("code"), std::string("data"), std::string("[0]")}) {
        doc.getText(p, false);
        doc.getText(p, true);
        doc.getNumber(p);
        doc.getJson(p);
        doc.typeOf(p);
        doc.has(p);
        int n = doc.count(p);
        JsonDocument child = doc.getDocument(p);
        for (int i = 0; i < n && i < 8; ++i)
            child.getItemDocument(i, "").getText("name", false);
        std::vector<std::string> names;
        doc.keys(names, p);
    }
    doc.toJson();
    doc.setValue(path, text, true);
    doc.pushItem(text, path, false);
    doc.remove(path);
    return 0;
}
