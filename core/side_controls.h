#pragma once
// Names of the per-side controls, spelled once so that the hot paths (a read
// per record, a comparison per entry) need not build them again and again.

#include <stdexcept>
#include <string_view>

namespace vormak {

struct SideControls {
    std::string_view ChkFile, CsvOpt, TitleChk, FieldCnt, DtCnt, KanaNameIti, TelNoIti,
        HikakuFldIti, Hikaku2FldIti;
};

inline constexpr SideControls kSideControls[3] = {
    {},
    {"ChkFile(1)", "CsvOpt(1)", "TitleChk(1)", "FieldCnt(1)", "DtCnt(1)", "KanaNameIti(1)",
     "TelNoIti(1)", "HikakuFldIti(1)", "Hikaku2FldIti(1)"},
    {"ChkFile(2)", "CsvOpt(2)", "TitleChk(2)", "FieldCnt(2)", "DtCnt(2)", "KanaNameIti(2)",
     "TelNoIti(2)", "HikakuFldIti(2)", "Hikaku2FldIti(2)"},
};

// The controls of side 1 (mobile) or 2 (address book).
inline const SideControls& sideControls(int side) {
    if (side != 1 && side != 2)
        throw std::invalid_argument("side must be 1 or 2");
    return kSideControls[side];
}

} // namespace vormak
