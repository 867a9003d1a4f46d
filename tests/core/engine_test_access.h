#pragma once
// Fills the engine's shared tables directly, so that the commands working on
// the results of a check can be tested without running one.

#include "core/engine.h"

#include <initializer_list>

namespace vormak {

class EngineTestAccess {
public:
    // Entry `entry` of side `side` of KeyTbl gets the fields 1, 2, ... given.
    static void setEntry(Engine& engine, int side, int entry, std::initializer_list<Text> fields) {
        int column = 1;
        for (const Text& f : fields)
            engine.keyTbl_[side][entry][column++] = f;
        if (entry > engine.recCnt_[side])
            engine.recCnt_[side] = entry;
    }
    static void setFldBuf(Engine& engine, int side, std::initializer_list<Text> fields) {
        int field = 1;
        for (const Text& f : fields)
            engine.fldBuf_[side][field++] = f;
    }
};

} // namespace vormak
