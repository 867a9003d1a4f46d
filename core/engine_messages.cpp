#include "core/engine.h"

namespace vormak {

void Engine::showMessage(std::u16string_view text) {
    window_.message(text, MessageButtons::Ok, MessageIcon::None, u"Vormak");
}

void Engine::abandonWith(std::u16string_view text) {
    showMessage(text);
    throw OperationAbandoned{false};
}

} // namespace vormak
