// Writes a pair of contact lists of any size for benchmarks:
//
//   generate_contacts --seed S --count N --out-mobile A --out-address B [--utf8-copies]
//
// A is the phone's export (side 1): comma-separated. B is the address book's
// export (side 2): TAB-separated. Both are code page 932 with CR LF line ends,
// a title line, then N records of 20 fields, with the same columns on both
// sides (counted from 1):
//
//   1 管理番号  2 氏名  3 フリガナ  4 郵便番号  5 電話番号  6 都道府県
//   7 市区町村  8 番地  9 建物  10 メール  11 会社名  12 部署  13 役職
//   14 FAX  15 誕生日  16 グループ  17 性別  18 URL  19 メモ  20 登録日
//
// so name = 2, reading = 3, telephone = 5 on both sides. The reading is
// half-width katakana on side 1 and full-width on side 2. Every person has a
// number of their own (090/080/070 and eight digits, or 03/06 and eight);
// names come from 60 family and 50 given names and repeat in large lists, as
// they do in real ones, so the telephone number is the key that makes the
// findings below exact.
//
// Of the N records on each side, a tenth (rounded down) each are: on this
// side only; a second copy of a person already on this side (same name and
// number); and a person whose number the other side has under another name.
// The rest are on both sides alike. With --utf8-copies, A and B are also
// written as UTF-8 and comma-separated, with the extension replaced by
// ".utf8.csv", for tools that read only UTF-8.
//
// The same seed and count give the same bytes: the generator draws from one
// std::mt19937_64 and reduces draws with % only, never with a distribution
// whose algorithm differs between standard libraries.

#include "core/comparison_folding.h"
#include "core/cp932.h"
#include "core/text.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vormak;

namespace {

// A text in both output encodings, encoded once.
struct Piece {
    std::string cp932, utf8;
};

Piece piece(std::u16string_view text) {
    return {encodeCp932(text), toUtf8(text)};
}

std::vector<Piece> pieces(std::initializer_list<const char16_t*> texts) {
    std::vector<Piece> out;
    for (const char16_t* t : texts)
        out.push_back(piece(t));
    return out;
}

struct Name {
    const char16_t* kanji;
    const char16_t* reading; // half-width
};

// 髙橋 and 山﨑 are here on purpose: characters outside JIS X 0208 that lists
// hold and a conversion table folds.
const Name kFamily[] = {
    {u"佐藤", u"ｻﾄｳ"},     {u"鈴木", u"ｽｽﾞｷ"},  {u"高橋", u"ﾀｶﾊｼ"}, {u"田中", u"ﾀﾅｶ"},
    {u"伊藤", u"ｲﾄｳ"},     {u"渡辺", u"ﾜﾀﾅﾍﾞ"}, {u"山本", u"ﾔﾏﾓﾄ"}, {u"中村", u"ﾅｶﾑﾗ"},
    {u"小林", u"ｺﾊﾞﾔｼ"},   {u"加藤", u"ｶﾄｳ"},   {u"吉田", u"ﾖｼﾀﾞ"}, {u"山田", u"ﾔﾏﾀﾞ"},
    {u"佐々木", u"ｻｻｷ"},   {u"山口", u"ﾔﾏｸﾞﾁ"}, {u"松本", u"ﾏﾂﾓﾄ"}, {u"井上", u"ｲﾉｳｴ"},
    {u"木村", u"ｷﾑﾗ"},     {u"林", u"ﾊﾔｼ"},     {u"斎藤", u"ｻｲﾄｳ"}, {u"清水", u"ｼﾐｽﾞ"},
    {u"山崎", u"ﾔﾏｻﾞｷ"},   {u"森", u"ﾓﾘ"},      {u"池田", u"ｲｹﾀﾞ"}, {u"橋本", u"ﾊｼﾓﾄ"},
    {u"阿部", u"ｱﾍﾞ"},     {u"石川", u"ｲｼｶﾜ"},  {u"山下", u"ﾔﾏｼﾀ"}, {u"中島", u"ﾅｶｼﾞﾏ"},
    {u"石井", u"ｲｼｲ"},     {u"小川", u"ｵｶﾞﾜ"},  {u"前田", u"ﾏｴﾀﾞ"}, {u"岡田", u"ｵｶﾀﾞ"},
    {u"長谷川", u"ﾊｾｶﾞﾜ"}, {u"藤田", u"ﾌｼﾞﾀ"},  {u"後藤", u"ｺﾞﾄｳ"}, {u"近藤", u"ｺﾝﾄﾞｳ"},
    {u"村上", u"ﾑﾗｶﾐ"},    {u"遠藤", u"ｴﾝﾄﾞｳ"}, {u"青木", u"ｱｵｷ"},  {u"坂本", u"ｻｶﾓﾄ"},
    {u"斉藤", u"ｻｲﾄｳ"},    {u"福田", u"ﾌｸﾀﾞ"},  {u"太田", u"ｵｵﾀ"},  {u"西村", u"ﾆｼﾑﾗ"},
    {u"藤井", u"ﾌｼﾞｲ"},    {u"金子", u"ｶﾈｺ"},   {u"岡本", u"ｵｶﾓﾄ"}, {u"藤原", u"ﾌｼﾞﾜﾗ"},
    {u"中野", u"ﾅｶﾉ"},     {u"三浦", u"ﾐｳﾗ"},   {u"原田", u"ﾊﾗﾀﾞ"}, {u"松田", u"ﾏﾂﾀﾞ"},
    {u"竹内", u"ﾀｹｳﾁ"},    {u"小野", u"ｵﾉ"},    {u"田村", u"ﾀﾑﾗ"},  {u"中川", u"ﾅｶｶﾞﾜ"},
    {u"和田", u"ﾜﾀﾞ"},     {u"石田", u"ｲｼﾀﾞ"},  {u"髙橋", u"ﾀｶﾊｼ"}, {u"山﨑", u"ﾔﾏｻﾞｷ"},
};

// The first half are men's names, the second half women's.
const Name kGiven[] = {
    {u"太郎", u"ﾀﾛｳ"},   {u"一郎", u"ｲﾁﾛｳ"}, {u"健太", u"ｹﾝﾀ"}, {u"翔", u"ｼｮｳ"},
    {u"大輔", u"ﾀﾞｲｽｹ"}, {u"拓也", u"ﾀｸﾔ"},  {u"直樹", u"ﾅｵｷ"}, {u"翔太", u"ｼｮｳﾀ"},
    {u"蓮", u"ﾚﾝ"},      {u"大翔", u"ﾋﾛﾄ"},  {u"悠真", u"ﾕｳﾏ"}, {u"陽翔", u"ﾊﾙﾄ"},
    {u"湊", u"ﾐﾅﾄ"},     {u"健一", u"ｹﾝｲﾁ"}, {u"誠", u"ﾏｺﾄ"},   {u"浩", u"ﾋﾛｼ"},
    {u"隆", u"ﾀｶｼ"},     {u"修", u"ｵｻﾑ"},    {u"亮", u"ﾘｮｳ"},   {u"和也", u"ｶｽﾞﾔ"},
    {u"達也", u"ﾀﾂﾔ"},   {u"優斗", u"ﾕｳﾄ"},  {u"颯太", u"ｿｳﾀ"}, {u"圭", u"ｹｲ"},
    {u"勇気", u"ﾕｳｷ"},   {u"花子", u"ﾊﾅｺ"},  {u"美咲", u"ﾐｻｷ"}, {u"陽子", u"ﾖｳｺ"},
    {u"さくら", u"ｻｸﾗ"}, {u"由美", u"ﾕﾐ"},   {u"愛", u"ｱｲ"},    {u"結衣", u"ﾕｲ"},
    {u"陽菜", u"ﾋﾅ"},    {u"葵", u"ｱｵｲ"},    {u"凛", u"ﾘﾝ"},    {u"美穂", u"ﾐﾎ"},
    {u"恵子", u"ｹｲｺ"},   {u"裕子", u"ﾕｳｺ"},  {u"智子", u"ﾄﾓｺ"}, {u"直美", u"ﾅｵﾐ"},
    {u"真由美", u"ﾏﾕﾐ"}, {u"千尋", u"ﾁﾋﾛ"},  {u"彩", u"ｱﾔ"},    {u"舞", u"ﾏｲ"},
    {u"奈々", u"ﾅﾅ"},    {u"結菜", u"ﾕｲﾅ"},  {u"芽依", u"ﾒｲ"},  {u"ひなた", u"ﾋﾅﾀ"},
    {u"美羽", u"ﾐｳ"},    {u"優子", u"ﾕｳｺ"},
};

constexpr size_t kNames = std::size(kFamily) * std::size(kGiven);

// Every full name in its three written forms, encoded once.
struct Names {
    std::vector<Piece> kanji, halfWidth, fullWidth;
    Names() {
        for (const auto& f : kFamily)
            for (const auto& g : kGiven) {
                kanji.push_back(piece(Text(f.kanji) + u"\u3000" + g.kanji));
                halfWidth.push_back(piece(Text(f.reading) + u" " + g.reading));
                fullWidth.push_back(
                    piece(foldReading(f.reading) + u"\u3000" + foldReading(g.reading)));
            }
    }
};

bool isWoman(size_t name) {
    return name % std::size(kGiven) >= std::size(kGiven) / 2;
}

struct Fillers {
    std::vector<Piece> prefecture = pieces(
        {u"東京都", u"東京都", u"大阪府", u"神奈川県", u"愛知県", u"北海道", u"福岡県", u"京都府"});
    // City i lies in prefecture i.
    std::vector<Piece> city = pieces(
        {u"新宿区西新宿", u"世田谷区三軒茶屋", u"大阪市北区梅田", u"横浜市西区みなとみらい",
         u"名古屋市中区栄", u"札幌市中央区大通西", u"福岡市博多区博多駅前", u"京都市下京区烏丸通"});
    std::vector<Piece> building = pieces({u"", u"", u"", u"メゾン桜", u"グランドハイツ",
                                          u"コーポ緑ヶ丘", u"サンシャインマンション"});
    std::vector<Piece> company =
        pieces({u"", u"", u"株式会社山田商事", u"有限会社鈴木工務店", u"東西物産株式会社",
                u"株式会社ネクスト", u"日本データサービス株式会社", u"合同会社ひかり"});
    std::vector<Piece> department =
        pieces({u"", u"営業部", u"総務部", u"開発部", u"経理部", u"人事部", u"企画室"});
    std::vector<Piece> title = pieces({u"", u"", u"部長", u"課長", u"係長", u"主任"});
    std::vector<Piece> group = pieces({u"家族", u"友人", u"仕事", u"学校", u"取引先"});
    std::vector<Piece> sex = pieces({u"男", u"女"});
    std::vector<Piece> memo =
        pieces({u"", u"", u"", u"年賀状", u"要連絡", u"ﾒﾓ", u"旧姓：佐藤", u"携帯のみ"});
};

// A record's 20 fields, each a piece or ASCII text built in the record's own
// buffer: start a field, add its parts, finish it.
class Record {
public:
    void piece(size_t field, const Piece& p) { pieces_[field] = &p; }
    Record& start(size_t field) {
        field_ = field;
        start_ = next_;
        return *this;
    }
    Record& add(std::string_view text) {
        std::memcpy(next_, text.data(), text.size());
        next_ += text.size();
        return *this;
    }
    // A number in at least `width` digits, with leading zeros.
    Record& add(uint64_t value, int width = 1) {
        char digits[20];
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
        for (auto n = end - digits; n < width; ++n)
            *next_++ = '0';
        return add({digits, static_cast<size_t>(end - digits)});
    }
    void finish() {
        pieces_[field_] = nullptr;
        ascii_[field_] = {start_, static_cast<size_t>(next_ - start_)};
    }
    void empty(size_t field) { start(field).finish(); }
    void clear() { next_ = buffer_.data(); }
    const Piece* pieceAt(size_t field) const { return pieces_[field]; }
    std::string_view asciiAt(size_t field) const { return ascii_[field]; }

    static constexpr size_t kFields = 20;

private:
    std::array<const Piece*, kFields> pieces_{};
    std::array<std::string_view, kFields> ascii_{};
    std::array<char, 512> buffer_{}; // the ASCII fields take under 200
    char* next_ = buffer_.data();
    char* start_ = next_;
    size_t field_ = 0;
};

// One output file, written through a large buffer.
class Output {
public:
    Output(const std::filesystem::path& path, bool utf8, char separator)
        : path_(path), file_(std::fopen(path.c_str(), "wb")), utf8_(utf8), separator_(separator) {
        if (file_ == nullptr)
            throw std::runtime_error("cannot create " + path.string());
        buffer_.reserve(kFlushAt + 4096);
    }
    ~Output() {
        if (file_ != nullptr)
            std::fclose(file_);
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void line(const std::vector<Piece>& fields) {
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                buffer_ += separator_;
            buffer_ += text(fields[i]);
        }
        endLine();
    }
    void line(const Record& r) {
        for (size_t i = 0; i < Record::kFields; ++i) {
            if (i > 0)
                buffer_ += separator_;
            const Piece* p = r.pieceAt(i);
            buffer_ += p != nullptr ? text(*p) : r.asciiAt(i);
        }
        endLine();
    }
    void close() {
        flush();
        const int rc = std::fclose(file_);
        file_ = nullptr;
        if (rc != 0)
            throw std::runtime_error("cannot write " + path_.string());
    }

private:
    static constexpr size_t kFlushAt = 1 << 20;
    const std::string& text(const Piece& p) const { return utf8_ ? p.utf8 : p.cp932; }
    void endLine() {
        buffer_ += "\r\n";
        if (buffer_.size() >= kFlushAt)
            flush();
    }
    void flush() {
        if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
            throw std::runtime_error("cannot write " + path_.string());
        buffer_.clear();
    }

    std::filesystem::path path_;
    std::FILE* file_;
    bool utf8_;
    char separator_;
    std::string buffer_;
};

// A person: a number of their own and a name.
struct Person {
    uint32_t number; // the eight digits after the prefix
    uint8_t prefix;
    uint16_t name;
};

constexpr const char* kPrefixes[] = {"090", "090", "080", "080", "070", "03", "06"};

// One record to write: whose number, under which name.
struct Entry {
    uint32_t person;
    uint16_t name;
};

class Generator {
public:
    Generator(uint64_t seed, size_t count) : random_(seed) {
        const size_t tenth = count / 10;
        // Numbers are a bijection of the person's index onto eight digits
        // (the factor is prime to 10^8), so no two people share one.
        const uint64_t offset = random_() % 100'000'000;
        persons_.resize(count);
        for (size_t p = 0; p < persons_.size(); ++p)
            persons_[p] = {static_cast<uint32_t>((p * 61'234'567 + offset) % 100'000'000),
                           static_cast<uint8_t>(random_() % std::size(kPrefixes)),
                           static_cast<uint16_t>(random_() % kNames)};
        const size_t both = count - 3 * tenth;
        // Persons [0, both) are on both sides; then a tenth each on side 1
        // only, on side 2 only, and under another name on side 2.
        for (int side = 1; side <= 2; ++side) {
            auto& entries = side == 1 ? mobile_ : address_;
            entries.reserve(count);
            for (size_t p = 0; p < both; ++p)
                entries.push_back(as(p));
            const size_t own = both + (side == 1 ? 0 : tenth);
            for (size_t p = own; p < own + tenth; ++p)
                entries.push_back(as(p));
            const size_t copied = side == 1 ? 0 : tenth; // different people on each side
            for (size_t p = copied; p < copied + tenth; ++p)
                entries.push_back(as(p));
            for (size_t p = both + 2 * tenth; p < both + 3 * tenth; ++p)
                entries.push_back(side == 1 ? as(p) : underAnotherName(p));
            shuffle(entries);
        }
    }

    // Writes one side and, if asked, its UTF-8 copy from the same records.
    void write(Output& out, Output* copy, int side, const Names& names) {
        out.line(titles());
        if (copy != nullptr)
            copy->line(titles());
        Record r;
        const auto& entries = side == 1 ? mobile_ : address_;
        const auto& readings = side == 1 ? names.halfWidth : names.fullWidth;
        for (size_t i = 0; i < entries.size(); ++i) {
            fill(r, i + 1, entries[i], readings, names);
            out.line(r);
            if (copy != nullptr)
                copy->line(r);
        }
    }

private:
    Entry as(size_t p) const { return {static_cast<uint32_t>(p), persons_[p].name}; }
    Entry underAnotherName(size_t p) {
        const auto other =
            static_cast<uint16_t>((persons_[p].name + 1 + random_() % (kNames - 1)) % kNames);
        return {static_cast<uint32_t>(p), other};
    }

    // Fisher-Yates with % so that every standard library shuffles alike.
    void shuffle(std::vector<Entry>& entries) {
        for (size_t i = entries.size(); i > 1; --i)
            std::swap(entries[i - 1], entries[random_() % i]);
    }

    std::vector<Piece> titles() const {
        return pieces({u"管理番号", u"氏名",     u"フリガナ", u"郵便番号", u"電話番号",
                       u"都道府県", u"市区町村", u"番地",     u"建物",     u"メール",
                       u"会社名",   u"部署",     u"役職",     u"FAX",      u"誕生日",
                       u"グループ", u"性別",     u"URL",      u"メモ",     u"登録日"});
    }

    const Piece& pick(const std::vector<Piece>& list) { return list[random_() % list.size()]; }
    unsigned draw(unsigned below) { return static_cast<unsigned>(random_() % below); }

    void fill(Record& r, size_t row, const Entry& e, const std::vector<Piece>& readings,
              const Names& names) {
        const Person& p = persons_[e.person];
        r.clear();
        r.start(0).add(row).finish();
        r.piece(1, names.kanji[e.name]);
        r.piece(2, readings[e.name]);
        r.start(3).add(draw(1000), 3).add("-").add(draw(10000), 4).finish();
        r.start(4).add(kPrefixes[p.prefix]).add(p.number, 8).finish();
        const unsigned place = draw(static_cast<unsigned>(fillers_.city.size()));
        r.piece(5, fillers_.prefecture[place]);
        r.piece(6, fillers_.city[place]);
        r.start(7).add(1 + draw(9)).add("-").add(1 + draw(30)).add("-").add(1 + draw(20)).finish();
        r.piece(8, pick(fillers_.building));
        r.start(9).add("u").add(p.number, 8).add("@example.jp").finish();
        r.piece(10, pick(fillers_.company));
        r.piece(11, pick(fillers_.department));
        r.piece(12, pick(fillers_.title));
        if (draw(5) == 0)
            r.start(13).add("03").add(draw(100'000'000), 8).finish();
        else
            r.empty(13);
        r.start(14).add(1940 + draw(65)).add("/").add(1 + draw(12), 2).add("/");
        r.add(1 + draw(28), 2).finish();
        r.piece(15, pick(fillers_.group));
        r.piece(16, fillers_.sex[isWoman(e.name) ? 1 : 0]);
        if (draw(10) == 0)
            r.start(17).add("https://example.jp/").add(draw(100000)).add("/").finish();
        else
            r.empty(17);
        r.piece(18, pick(fillers_.memo));
        r.start(19).add(2010 + draw(15)).add("/").add(1 + draw(12), 2).add("/");
        r.add(1 + draw(28), 2).finish();
    }

    std::mt19937_64 random_;
    std::vector<Person> persons_;
    std::vector<Entry> mobile_, address_;
    Fillers fillers_;
};

struct Options {
    uint64_t seed = 0;
    size_t count = 0;
    std::filesystem::path mobile, address;
    bool utf8Copies = false;
};

constexpr size_t kMaxCount = 10'000'000;

[[noreturn]] void usage(const char* problem) {
    std::cerr << "generate_contacts: " << problem
              << "\nusage: generate_contacts --seed S --count N --out-mobile A --out-address B "
                 "[--utf8-copies]\n";
    std::exit(2);
}

uint64_t number(const char* text, uint64_t max) {
    char* end = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(text, &end, 10);
    if (*text < '0' || *text > '9' || *end != '\0' || errno != 0 || v > max)
        usage("not a number in range");
    return v;
}

std::filesystem::path utf8Copy(std::filesystem::path path) {
    return path.replace_extension(".utf8.csv");
}

Options options(int argc, char** argv) {
    Options o;
    bool seed = false, count = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--utf8-copies") {
            o.utf8Copies = true;
            continue;
        }
        if (i + 1 == argc)
            usage("an option lacks its value");
        const char* v = argv[++i];
        if (a == "--seed")
            o.seed = number(v, UINT64_MAX), seed = true;
        else if (a == "--count")
            o.count = number(v, kMaxCount), count = true;
        else if (a == "--out-mobile")
            o.mobile = v;
        else if (a == "--out-address")
            o.address = v;
        else
            usage("unknown option");
    }
    if (!seed || !count || o.mobile.empty() || o.address.empty())
        usage("--seed, --count, --out-mobile and --out-address are all needed");
    if (o.mobile == o.address || (o.utf8Copies && utf8Copy(o.mobile) == utf8Copy(o.address)))
        usage("the two sides would write one file");
    return o;
}

} // namespace

int main(int argc, char** argv) {
    const Options o = options(argc, argv);
    try {
        const Names names;
        Generator generator(o.seed, o.count);
        for (int side = 1; side <= 2; ++side) {
            const auto& path = side == 1 ? o.mobile : o.address;
            Output out(path, false, side == 1 ? ',' : '\t');
            std::unique_ptr<Output> copy;
            if (o.utf8Copies)
                copy = std::make_unique<Output>(utf8Copy(path), true, ',');
            generator.write(out, copy.get(), side, names);
            out.close();
            if (copy)
                copy->close();
        }
        const size_t tenth = o.count / 10;
        std::cout << o.count << " records a side; on each side " << tenth << " on that side only, "
                  << tenth << " second copies, " << tenth
                  << " numbers under another name on side 2\n";
    } catch (const std::exception& e) {
        std::cerr << "generate_contacts: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
