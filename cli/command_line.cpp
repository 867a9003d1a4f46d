#include "cli/command_line.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace vormak::cli {

namespace {

struct UsageProblem {
    Text text;
};

// Index of `value` among the choices; anything else is a usage problem.
size_t choice(std::string_view option, std::string_view value,
              std::initializer_list<std::string_view> choices) {
    const auto it = std::find(choices.begin(), choices.end(), value);
    if (it != choices.end())
        return static_cast<size_t>(it - choices.begin());
    Text listed;
    for (std::string_view c : choices) {
        if (!listed.empty())
            listed += u'|';
        listed += fromUtf8(c);
    }
    throw UsageProblem{u"--" + fromUtf8(option) + u" には " + listed +
                       u" のどれかを指定してください: " + fromUtf8(value)};
}

void checksOf(std::string_view value, std::array<bool, 5>& checks) {
    checks = {};
    for (char c : value) {
        if (c < '1' || c > '5')
            throw UsageProblem{u"--checks には 1 から 5 の数字を並べてください: " +
                               fromUtf8(value)};
        checks[c - '1'] = true;
    }
}

// An option, with the side it belongs to when its name ends in 1 or 2.
using Apply = void (*)(Invocation&, Side, std::string_view option, std::string_view value);
struct OptionRule {
    std::string_view name;
    bool perSide;
    bool takesValue;
    Apply apply;
};

const OptionRule kOptions[] = {
    {"format", true, true,
     [](Invocation& in, Side s, auto o, auto v) {
         in.settings.side(s).commaSeparated = choice(o, v, {"csv", "tab"}) == 0;
     }},
    {"title", true, true,
     [](Invocation& in, Side s, auto o, auto v) {
         in.given[sideIndex(s)].titleLine = choice(o, v, {"yes", "no"}) == 0;
     }},
    {"fields", true, true,
     [](Invocation& in, Side s, auto, auto v) { in.given[sideIndex(s)].fieldCount = fromUtf8(v); }},
    {"name", true, true,
     [](Invocation& in, Side s, auto, auto v) {
         in.given[sideIndex(s)].namePosition = fromUtf8(v);
     }},
    {"tel", true, true,
     [](Invocation& in, Side s, auto, auto v) {
         in.given[sideIndex(s)].telPosition = fromUtf8(v);
     }},
    {"key", false, true,
     [](Invocation& in, Side, auto o, auto v) {
         in.settings.key =
             choice(o, v, {"name", "tel"}) == 0 ? MatchKey::Name : MatchKey::Telephone;
     }},
    {"checks", false, true,
     [](Invocation& in, Side, auto, auto v) { checksOf(v, in.settings.checks); }},
    {"keep-blanks", false, false,
     [](Invocation& in, Side, auto, auto) { in.settings.removeBlanks = false; }},
    {"keep-hyphens", false, false,
     [](Invocation& in, Side, auto, auto) { in.settings.removeHyphens = false; }},
    {"fold-readings", false, false,
     [](Invocation& in, Side, auto, auto) { in.settings.foldReadings = true; }},
    {"fold-numbers", false, false,
     [](Invocation& in, Side, auto, auto) { in.settings.foldNumbers = true; }},
    {"pairs", false, true,
     [](Invocation& in, Side, auto, auto v) { in.pairsFile = std::string(v); }},
    {"output", false, true,
     [](Invocation& in, Side, auto, auto v) {
         in.settings.result.path = fromUtf8(v);
         in.writeResult = true;
     }},
    // "携帯側の修正用" carries the address book's records, to be added to the phone.
    {"output-for", false, true,
     [](Invocation& in, Side, auto o, auto v) {
         in.settings.result.recordsOf =
             choice(o, v, {"mobile", "address"}) == 0 ? Side::AddressBook : Side::Mobile;
     }},
    {"delimiter", false, true,
     [](Invocation& in, Side, auto o, auto v) {
         in.settings.result.commaSeparated = choice(o, v, {"csv", "tab"}) == 0;
     }},
    {"no-message", false, false,
     [](Invocation& in, Side, auto, auto) { in.settings.result.withMessage = false; }},
    {"encoding", false, true,
     [](Invocation& in, Side, auto o, auto v) {
         in.encoding =
             choice(o, v, {"utf-8", "cp932"}) == 0 ? ConsoleEncoding::Utf8 : ConsoleEncoding::Cp932;
     }},
    {"help", false, false,
     [](Invocation& in, Side, auto, auto) { in.action = Invocation::Action::Help; }},
    {"version", false, false,
     [](Invocation& in, Side, auto, auto) {
         if (in.action != Invocation::Action::Help)
             in.action = Invocation::Action::Version;
     }},
};

// The rule whose name is exactly `name` (abbreviations are not taken).
const OptionRule* ruleFor(std::string_view name, Side& side) {
    for (const OptionRule& rule : kOptions) {
        if (!rule.perSide) {
            if (name == rule.name)
                return &rule;
        } else if (name.size() == rule.name.size() + 1 && name.starts_with(rule.name) &&
                   (name.back() == '1' || name.back() == '2')) {
            side = name.back() == '1' ? Side::Mobile : Side::AddressBook;
            return &rule;
        }
    }
    return nullptr;
}

} // namespace

Invocation parseCommandLine(int argc, const char* const* argv) {
    Invocation in;
    std::vector<std::string_view> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        try {
            if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
                files.push_back(arg);
                continue;
            }
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            const size_t equals = arg.find('=');
            const std::string_view name = arg.substr(2, equals == arg.npos ? arg.npos : equals - 2);
            Side side = Side::Mobile;
            const OptionRule* rule = arg.starts_with("--") ? ruleFor(name, side) : nullptr;
            if (!rule)
                throw UsageProblem{u"知らないオプションです: " + fromUtf8(arg)};
            std::string_view value;
            if (rule->takesValue && equals != arg.npos) {
                value = arg.substr(equals + 1);
            } else if (rule->takesValue) {
                if (i + 1 == argc)
                    throw UsageProblem{u"--" + fromUtf8(name) + u" に値がありません"};
                value = argv[++i];
            } else if (equals != arg.npos) {
                throw UsageProblem{u"--" + fromUtf8(name) + u" は値をとりません"};
            }
            rule->apply(in, side, name, value);
        } catch (const UsageProblem& p) {
            if (!in.problem)
                in.problem = p.text;
        }
    }
    if (in.action == Invocation::Action::Check && !in.problem) {
        if (files.size() != 2)
            in.problem = u"携帯側ファイルと住所録側ファイルをこの順に指定してください";
        else
            for (Side side : kBothSides)
                in.settings.side(side).path = fromUtf8(files[sideIndex(side)]);
    }
    return in;
}

} // namespace vormak::cli
