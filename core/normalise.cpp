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
    static constexpr std::string_view kFrom[4] = {"FrMoji(0)", "FrMoji(1)", "FrMoji(2)",
                                                  "FrMoji(3)"};
    static constexpr std::string_view kTo[4] = {"ToMoji(0)", "ToMoji(1)", "ToMoji(2)", "ToMoji(3)"};
    for (int i = 0; i <= 3; ++i) {
        Text from = window_.text(kFrom[i]);
        if (trimmedView(from).empty())
            continue;
        Text to = window_.text(kTo[i]);
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
    const std::u16string_view field = trimmedView(raw);
    if (field.find(u'"') == std::u16string_view::npos) {
        out.assign(field);
    } else {
        out.clear();
        for (char16_t c : field)
            if (c != u'"')
                out.push_back(c);
    }
    convertInPlace(out, pairs);
}

} // namespace vormak
