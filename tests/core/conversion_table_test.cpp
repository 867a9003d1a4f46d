#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

// Every test works in a folder of its own, where "vormak.izn" lives.
struct ConversionTable : ::testing::Test {
    TempFolder folder;
    std::filesystem::path previous = std::filesystem::current_path();
    FakeWindow window;
    Engine engine{window};

    void SetUp() override { std::filesystem::current_path(toUtf8(folder.path(""))); }
    void TearDown() override { std::filesystem::current_path(previous); }

    void setPair(int i, std::u16string_view from, std::u16string_view to) {
        window.setText(indexed("FrMoji", i), from);
        window.setText(indexed("ToMoji", i), to);
    }
    // The eight boxes as "from>to" per pair, after a fresh start that loads the table.
    static std::vector<std::u16string> pairsAfterRestart() {
        FakeWindow w;
        Engine e(w);
        e.loadConversionTable();
        std::vector<std::u16string> pairs;
        for (int i = 0; i <= 3; ++i)
            pairs.push_back(w.text(indexed("FrMoji", i)) + u">" + w.text(indexed("ToMoji", i)));
        EXPECT_TRUE(w.messages.empty());
        return pairs;
    }
};

using Pairs = std::vector<std::u16string>;

} // namespace

TEST_F(ConversionTable, TheInitialTableIsStoredAsOneQuotedLineInCodePage932) {
    engine.Command12_Click();
    EXPECT_EQ(readBytes("vormak.izn"), "\"\xFA\xB1\",\"\x8D\xE8\"\r\n");
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(ConversionTable, OnlyPairsInUseAreStoredTrimmedAndTheBoxesKeepTheirBlanks) {
    setPair(0, u"\u3000", u"x");
    setPair(1, u" ｱ ", u"\u3000ア");
    setPair(2, u"", u"y");
    setPair(3, u"\"", u"");
    engine.Command12_Click();
    EXPECT_EQ(readBytes("vormak.izn"), "\"\xB1\",\"\x83\x41\"\r\n\"\"\",\"\"\r\n");
    EXPECT_EQ(window.text("FrMoji(1)"), u" ｱ ");
    EXPECT_EQ(window.text("ToMoji(1)"), u"\u3000ア");
}

TEST_F(ConversionTable, StoredPairsComeBackAtTheLowestIndices) {
    setPair(0, u"", u"");
    setPair(1, u"髙", u"高");
    setPair(3, u"①", u"");
    engine.Command12_Click();
    EXPECT_EQ(pairsAfterRestart(), (Pairs{u"髙>高", u"①>", u">", u">"}));
}

TEST_F(ConversionTable, AnEmptyTableBringsTheInitialPairBack) {
    setPair(0, u" ", u"崎");
    engine.Command12_Click();
    EXPECT_EQ(readBytes("vormak.izn"), "");
    EXPECT_EQ(pairsAfterRestart(), (Pairs{u"﨑>崎", u">", u">", u">"}));
}

TEST_F(ConversionTable, FieldsAreReadQuotedOrBareTwoAtATimeAcrossLines) {
    // A quoted field ends at its closing quote and the rest up to the comma is
    // skipped, or runs to the line end when unclosed; a bare field is trimmed;
    // a line of one field takes its partner from the next line; a pair cut
    // short by the end of the file and a fifth pair are not loaded.
    const struct {
        const char* file;
        Pairs pairs;
    } cases[] = {
        {nullptr, {u"﨑>崎", u">", u">", u">"}},
        {"  \"a b\"zz , c d \r\n\"e\"\r\nfgh\r\n\"\",\"i\"", {u"a b>c d", u"e>fgh", u">i", u">"}},
        {"\"a\r\n\"b\",\"\r\n\"c\",\"d\"\r\n\"e\"", {u"a>b", u">c", u"d>e", u">"}},
        {"1,a\r\n2,b\r\n3,c\r\n4,d\r\n5,e\r\n", {u"1>a", u"2>b", u"3>c", u"4>d"}},
        {"\"\x92\x4A\",\"\x92\x6E\"\r\n\"x\"\r\n", {u"谷>地", u">", u">", u">"}},
    };
    for (const auto& c : cases) {
        if (c.file)
            writeBytes("vormak.izn", c.file);
        EXPECT_EQ(pairsAfterRestart(), c.pairs) << (c.file ? c.file : "no file");
    }
}

TEST_F(ConversionTable, TheWindowLoadsTheTableAtStart) {
    writeBytes("vormak.izn", "\"\x87\x40\",\"1\"\r\n");
    engine.Form_Load();
    EXPECT_EQ(window.text("FrMoji(0)"), u"①");
    EXPECT_EQ(window.text("ToMoji(0)"), u"1");
}

TEST_F(ConversionTable, ATableThatCannotBeWrittenIsReportedAndTheOldOneKept) {
    // A folder in the table file's place cannot be replaced by a file.
    std::filesystem::create_directory("vormak.izn");
    writeBytes("vormak.izn/keep", "old");
    engine.Command12_Click();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, u"機種依存文字ファイル（vormak.izn）が作成できません");
    EXPECT_EQ(window.messages[0].title, u"Vormak");
    EXPECT_EQ(readBytes("vormak.izn/keep"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."),
                            std::filesystem::directory_iterator()),
              1); // no temporary file left behind
}
