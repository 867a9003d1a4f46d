#include "core/engine.h"

namespace vormak {

std::string indexed(std::string_view name, int index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

Engine::Engine(Window& window) : window_(window) {
    for (int side = 1; side <= 2; ++side)
        keyTbl_[side].resize(kMaxEntries + 1);
}

Engine::~Engine() = default;

} // namespace vormak
