#pragma once
// The two files every whole-check benchmark runs on: 999 records of 20 fields
// per side in code page 932, each side with its title line.

#include "core/cp932.h"
#include "core/text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace vormak::bench {

struct Person {
    Text name, reading, tel;
};

// Names in kanji with their readings in half-width katakana, and numbers.
inline std::vector<Person> people(size_t count) {
    const std::pair<const char16_t*, const char16_t*> family[] = {
        {u"山田", u"ﾔﾏﾀﾞ"}, {u"佐藤", u"ｻﾄｳ"},   {u"鈴木", u"ｽｽﾞｷ"}, {u"高橋", u"ﾀｶﾊｼ"},
        {u"田中", u"ﾀﾅｶ"},  {u"渡辺", u"ﾜﾀﾅﾍﾞ"}, {u"伊藤", u"ｲﾄｳ"},  {u"山﨑", u"ﾔﾏｻﾞｷ"},
        {u"中村", u"ﾅｶﾑﾗ"}, {u"小林", u"ｺﾊﾞﾔｼ"}, {u"加藤", u"ｶﾄｳ"},  {u"吉田", u"ﾖｼﾀﾞ"}};
    const std::pair<const char16_t*, const char16_t*> given[] = {
        {u"太郎", u"ﾀﾛｳ"},   {u"花子", u"ﾊﾅｺ"}, {u"一郎", u"ｲﾁﾛｳ"}, {u"美咲", u"ﾐｻｷ"},
        {u"健太", u"ｹﾝﾀ"},   {u"陽子", u"ﾖｳｺ"}, {u"翔", u"ｼｮｳ"},    {u"さくら", u"ｻｸﾗ"},
        {u"大輔", u"ﾀﾞｲｽｹ"}, {u"由美", u"ﾕﾐ"}};
    std::vector<Person> out;
    for (size_t i = 0; i < count; ++i) {
        const auto& f = family[i % std::size(family)];
        const auto& g = given[(i / std::size(family)) % std::size(given)];
        Text tel = u"090-" + decimal(1000 + static_cast<long>(i) * 7 % 9000) + u"-" +
                   decimal(1000 + static_cast<long>(i));
        out.push_back({Text(f.first) + u"　" + g.first, Text(f.second) + u" " + g.second, tel});
    }
    return out;
}

// One record of 20 fields: name, reading, telephone and seventeen more.
inline Text record(const Person& p, size_t i) {
    Text line = u"\"" + p.name + u"\"," + p.reading + u"," + p.tel;
    line += u",東京都新宿区西新宿" + decimal(static_cast<long>(i % 9 + 1)) + u"-1,160-0023";
    for (int f = 6; f <= 20; ++f)
        line += u",ﾒﾓ" + decimal(f);
    return line;
}

inline Text titles() {
    Text line = u"氏名,ﾌﾘｶﾞﾅ,電話番号,住所,郵便番号";
    for (int f = 6; f <= 20; ++f)
        line += u",項目" + decimal(f);
    return line;
}

// A third of the entries make findings: a reading that differs (check 5),
// a telephone number on one side only (checks 3 and 4), a duplicate (1, 2).
inline void writeSides(const std::filesystem::path& mobile, const std::filesystem::path& address) {
    const auto base = people(1100);
    std::vector<Text> m, a;
    for (size_t i = 0; i < 999; ++i) {
        Person pm = base[i], pa = base[i];
        switch (i % 12) {
        case 1:
            pa.reading += u"ｺ";
            break;
        case 4:
            pm = base[999 + i % 100];
            break;
        case 7:
            pm = base[i - 1];
            break;
        case 10:
            pa = base[i - 1];
            break;
        default:
            break;
        }
        m.push_back(record(pm, i));
        a.push_back(record(pa, i));
    }
    std::mt19937 random(42);
    std::shuffle(m.begin(), m.end(), random);
    std::shuffle(a.begin(), a.end(), random);
    for (auto [path, lines] : {std::pair{mobile, &m}, std::pair{address, &a}}) {
        Text all = titles() + u"\r\n";
        for (const auto& l : *lines)
            all += l + u"\r\n";
        std::ofstream(path, std::ios::binary) << encodeCp932(all);
    }
}

} // namespace vormak::bench
