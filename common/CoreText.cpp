#include "common/CoreText.h"

#include <atomic>

namespace orvalis {
namespace {
std::atomic<TextTranslator> installed{nullptr};
}

void setTextTranslator(TextTranslator translator) { installed = translator; }

std::string coreText(const char *context, const char *text)
{
    const TextTranslator translator = installed;
    return translator ? translator(context, text) : std::string(text);
}

std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            out += *(arguments.begin() + index);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace orvalis
