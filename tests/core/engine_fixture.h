#pragma once
// An engine on an in-memory window, with a temporary folder for its files,
// and direct access to the tables a check leaves behind.

#include "core/cp932.h"
#include "core/engine.h"
#include "fake_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vormak {

// A friend of the engine: fills its tables as a check would have left them.
class EngineTestAccess {
public:
    static void setEntry(Engine& engine, int side, int entry, std::initializer_list<Text> fields) {
        int column = 1;
        for (const Text& f : fields)
            engine.keyTbl_[side][entry][column++] = f;
        engine.recCnt_[side] = std::max(engine.recCnt_[side], entry);
    }
};

namespace testing {

using Texts = std::vector<Text>;

inline void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<long>(bytes.size()));
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A folder of its own that is removed again.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vormak-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes the bytes as they are and returns the file's path as a window text.
    Text writeBytes(const std::string& name, std::string_view bytes) const {
        testing::writeBytes((path_ / name).string(), bytes);
        return path(name);
    }
    // Writes the text in code page 932.
    Text write(const std::string& name, std::u16string_view text) const {
        return writeBytes(name, encodeCp932(text));
    }
    Text path(const std::string& name) const { return fromUtf8((path_ / name).string()); }

private:
    std::filesystem::path path_;
};

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

    // A CSV file without title line for the side, with the hidden key columns
    // kept in step as the window keeps them.
    void useFile(int side, std::u16string_view lines, std::u16string_view fieldCount,
                 std::u16string_view name, std::u16string_view tel) {
        setSide(side, folder.write("side" + std::to_string(side) + ".csv", lines), fieldCount, name,
                tel);
        window.setChecked(indexed("TitleChk", side), false);
        engine.KanaNameIti_Change(side);
        engine.TelNoIti_Change(side);
    }

    Texts results() const { return window.listLines("ChkLst"); }

    // FldBuf(side, 1..count).
    Texts fields(int side, int count) const {
        Texts out;
        for (int i = 1; i <= count; ++i)
            out.push_back(engine.FldBuf(side, i));
        return out;
    }
};

} // namespace testing
} // namespace vormak
