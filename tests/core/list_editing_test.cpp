#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

TEST(ListEditing, SelectedLinesGoAndTheOthersKeepTheirOrder) {
    const struct {
        std::vector<int> selected;
        Texts left;
    } cases[] = {
        {{}, {u"a", u"b", u"c", u"d", u"e", u"f"}},
        {{1, 2, 3}, {u"a", u"e", u"f"}}, // adjacent
        {{0, 2, 5}, {u"b", u"d", u"e"}}, // first and last
        {{0, 1, 2, 3, 4, 5}, {}},
    };
    for (const auto& c : cases) {
        FakeWindow window;
        Engine engine{window};
        for (const char16_t* line : {u"a", u"b", u"c", u"d", u"e", u"f"})
            window.listAdd("ChkLst", line);
        for (int i : c.selected)
            window.setListSelected("ChkLst", i, true);
        engine.Command11_Click();
        EXPECT_EQ(window.listLines("ChkLst"), c.left);
        for (int i = 0; i < window.listCount("ChkLst"); ++i)
            EXPECT_FALSE(window.listSelected("ChkLst", i));
    }
}
