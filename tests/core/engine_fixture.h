#pragma once
// An engine on an in-memory window, with a temporary folder for input files.

#include "core/engine.h"
#include "fake_window.h"
#include "input_files.h"

#include <gtest/gtest.h>

#include <vector>

namespace vormak::testing {

class EngineFixture : public ::testing::Test {
protected:
    FakeWindow window;
    Engine engine{window};
    TempFolder folder;

    // Names the side's file and fills the boxes the reader and the run read.
    void setSide(int side, const Text& path, std::u16string_view fieldCount,
                 std::u16string_view name = u"", std::u16string_view tel = u"") {
        window.setText(indexed("ChkFile", side), path);
        window.setText(indexed("FieldCnt", side), fieldCount);
        window.setText(indexed("KanaNameIti", side), name);
        window.setText(indexed("TelNoIti", side), tel);
    }

    // A CSV file without title line for the side, with the boxes a run reads,
    // and the hidden key columns kept in step as the window keeps them.
    void useFile(int side, std::u16string_view lines, std::u16string_view fieldCount,
                 std::u16string_view name, std::u16string_view tel) {
        setSide(side, folder.write("side" + std::to_string(side) + ".csv", lines), fieldCount,
                name, tel);
        window.setChecked(indexed("TitleChk", side), false);
        engine.KanaNameIti_Change(side);
        engine.TelNoIti_Change(side);
    }

    // Lines of the result list, top to bottom.
    std::vector<Text> results() const { return window.listLines("ChkLst"); }

    // FldBuf(side, 1..count).
    std::vector<Text> fields(int side, int count) const {
        std::vector<Text> out;
        for (int i = 1; i <= count; ++i)
            out.push_back(engine.FldBuf(side, i));
        return out;
    }
};

using Texts = std::vector<Text>;

} // namespace vormak::testing
