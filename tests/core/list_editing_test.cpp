#include "core/engine.h"
#include "fake_window.h"

#include <gtest/gtest.h>

using namespace vormak;
using vormak::testing::FakeWindow;

namespace {

using Lines = std::vector<std::u16string>;

// A result list of the lines a to f, with the lines at the given indices selected.
struct ListEditing : ::testing::Test {
    FakeWindow window;
    Engine engine{window};

    void fill(std::initializer_list<int> selected) {
        for (const char16_t* line : {u"a", u"b", u"c", u"d", u"e", u"f"})
            window.listAdd("ChkLst", line);
        for (int i : selected)
            window.setListSelected("ChkLst", i, true);
    }
    int selectedCount() const {
        int n = 0;
        for (int i = 0; i < window.listCount("ChkLst"); ++i)
            n += window.listSelected("ChkLst", i);
        return n;
    }
};

} // namespace

TEST_F(ListEditing, NothingSelectedLeavesTheListAsItWas) {
    fill({});
    engine.Command11_Click();
    EXPECT_EQ(window.listLines("ChkLst"), (Lines{u"a", u"b", u"c", u"d", u"e", u"f"}));
}

TEST_F(ListEditing, AdjacentSelectedLinesAreAllRemoved) {
    fill({1, 2, 3});
    engine.Command11_Click();
    EXPECT_EQ(window.listLines("ChkLst"), (Lines{u"a", u"e", u"f"}));
    EXPECT_EQ(selectedCount(), 0);
}

TEST_F(ListEditing, FirstAndLastLinesGoAndTheOthersKeepTheirOrder) {
    fill({0, 2, 5});
    engine.Command11_Click();
    EXPECT_EQ(window.listLines("ChkLst"), (Lines{u"b", u"d", u"e"}));
    EXPECT_EQ(selectedCount(), 0);
}

TEST_F(ListEditing, EverythingSelectedEmptiesTheList) {
    fill({0, 1, 2, 3, 4, 5});
    engine.Command11_Click();
    EXPECT_EQ(window.listCount("ChkLst"), 0);
    engine.Command11_Click(); // an empty list is fine too
    EXPECT_EQ(window.listCount("ChkLst"), 0);
}
