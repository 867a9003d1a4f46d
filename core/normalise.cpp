#include "core/engine.h"

namespace vormak {

Text Engine::TumeMoji(std::u16string_view Wkmoji, std::u16string_view TumeC) {
    // Compared against the whole of TumeC: an empty or longer TumeC never
    // equals one character, so nothing is removed.
    if (TumeC.size() != 1)
        return Text(Wkmoji);
    Text out;
    out.reserve(Wkmoji.size());
    for (char16_t c : Wkmoji)
        if (c != TumeC[0])
            out.push_back(c);
    return out;
}

Text Engine::IzonCnv(std::u16string_view Wk) const {
    Text w(Wk);
    convertInPlace(w, readConversionPairs());
    return w;
}

Engine::ConversionPairs Engine::readConversionPairs() const {
    ConversionPairs pairs;
    for (int i = 0; i <= 3; ++i) {
        Text from = window_.text(indexed("FrMoji", i));
        if (trimmed(from).empty())
            continue;
        Text to = window_.text(indexed("ToMoji", i));
        // An empty replacement leaves every occurrence as it is.
        if (to.empty())
            continue;
        pairs.push_back({std::move(from), to[0]});
    }
    return pairs;
}

void Engine::convertInPlace(Text& w, const ConversionPairs& pairs) {
    // The source is matched whole (untrimmed), but only the character where a
    // match begins is replaced, so the length never changes. The search goes
    // on one character after the match, which finds overlapping matches too.
    for (const auto& pair : pairs) {
        for (size_t q = w.find(pair.from); q != Text::npos; q = w.find(pair.from, q + 1))
            w[q] = pair.to;
    }
}

void Engine::cleanField(Text& out, std::u16string_view raw, const ConversionPairs& pairs) {
    // Trim first, then drop the quotes: blanks enclosed in quotes survive.
    out.clear();
    for (char16_t c : trimmedView(raw))
        if (c != u'"')
            out.push_back(c);
    convertInPlace(out, pairs);
}

} // namespace vormak
