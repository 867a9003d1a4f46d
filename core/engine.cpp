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

Engine::OperationScope::OperationScope(Engine& engine) : engine_(engine) {
    engine_.operationInProgress_ = true;
    engine_.window_.setOperationLocked(true);
    engine_.window_.setBusy(true);
}

Engine::OperationScope::~OperationScope() {
    engine_.window_.setBusy(false);
    engine_.window_.setOperationLocked(false);
    engine_.operationInProgress_ = false;
}

void Engine::yieldOrAbandon() {
    if (!window_.yield())
        throw OperationAbandoned{true};
}

} // namespace vormak
