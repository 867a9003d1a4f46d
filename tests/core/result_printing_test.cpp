#include "core/printer.h"
#include "engine_fixture.h"

using namespace vormak;
using vormak::testing::FakeWindow;

namespace {

// Records every call in order, as one text each.
class RecordingPrinter : public Printer {
public:
    std::vector<std::u16string> calls;
    bool accepts = true;

    void setPageProperty(int property, int value) override {
        calls.push_back(u"property " + decimal(property) + u"=" + decimal(value));
    }
    void setFontSize(double points) override {
        calls.push_back(u"font " + decimal(static_cast<long>(points * 100)));
    }
    void printLine(std::u16string_view line) override { calls.push_back(u"line " + Text(line)); }
    bool endDocument() override {
        calls.push_back(u"end");
        return accepts;
    }
};

struct ResultPrinting : ::testing::Test {
    FakeWindow window;
    Engine engine{window};
    RecordingPrinter printer;
};

const char16_t* kCheck3 = u"3:012   住所録側と同じ氏名ﾃﾞｰﾀが携帯側にない （氏名=ﾔﾏﾀﾞ、電話=123）";
const char16_t* kCheck1 = u"1:002   携帯側に電話番号重複データあり （氏名=ｱｵｷ、電話=0311）";

} // namespace

TEST_F(ResultPrinting, EveryLineIsPrintedUnchangedInListOrderLandscapeA4At12Points) {
    window.listAdd("ChkLst", kCheck3);
    window.listAdd("ChkLst", kCheck1);
    window.setListSelected("ChkLst", 1, true); // the selection plays no part
    engine.Command8_Click(printer);
    EXPECT_EQ(printer.calls, (std::vector<std::u16string>{u"property 1=2", u"property 2=9",
                                                          u"font 1200", u"line " + Text(kCheck1),
                                                          u"line " + Text(kCheck3), u"end"}));
    EXPECT_EQ(window.listLines("ChkLst"), (std::vector<std::u16string>{kCheck1, kCheck3}));
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(ResultPrinting, AnEmptyListStartsNoJobAndARefusedJobIsReported) {
    engine.Command8_Click(printer);
    EXPECT_TRUE(printer.calls.empty());
    EXPECT_TRUE(window.messages.empty());
    window.listAdd("ChkLst", kCheck1);
    printer.accepts = false;
    engine.Command8_Click(printer);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, u"印刷できません");
    EXPECT_EQ(window.messages[0].title, u"Vormak");
    EXPECT_EQ(window.listLines("ChkLst"), (std::vector<std::u16string>{kCheck1}));
}
