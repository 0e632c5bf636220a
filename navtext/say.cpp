#include "navtext/say.h"

#include <atomic>

namespace morvel::navtext {

namespace {

std::atomic<Translator> current{nullptr};

}  // namespace

void setTranslator(Translator translator)
{
    current.store(translator, std::memory_order_release);
}

std::string say(Phrase phrase, std::initializer_list<std::string_view> args)
{
    const Translator t = current.load(std::memory_order_acquire);
    const std::string pattern = t ? t(phrase.context, phrase.english) : std::string(phrase.english);
    std::string out;
    out.reserve(pattern.size() + 16 * args.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const size_t n = i + 1 < pattern.size() ? size_t(pattern[i + 1] - '1') : args.size();
        if (c == '%' && n < 9 && n < args.size()) {
            out += args.begin()[n];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace morvel::navtext
