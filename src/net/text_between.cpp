#include "net/text_between.h"

#include "base/text.h"

std::string textBetween(std::string_view text, std::string_view before, std::string_view after)
{
    static constexpr char quoteToken[] = "#引号";
    std::string open = replaceAll(before, quoteToken, "\"");
    std::string close = replaceAll(after, quoteToken, "\"");
    int start = findText(text, open);
    if (start < 0)
        return {};
    int from = start + static_cast<int>(open.size());
    int end = findText(text, close, from);
    if (end < 0)
        return {};
    return midText(text, from, end - from);
}
