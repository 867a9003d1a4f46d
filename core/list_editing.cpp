#include "core/engine.h"

namespace vormak {

// "選択された部分を検索結果リストから削除": removes every selected line of the
// result list. The count is read again before every test, and the index stays
// put after a removal because the next line has moved into its place.
void Engine::Command11_Click() {
    if (operationInProgress())
        return;
    int j = 0;
    while (j <= window_.listCount("ChkLst") - 1) {
        if (window_.listSelected("ChkLst", j))
            window_.listRemove("ChkLst", j);
        else
            ++j;
    }
}

} // namespace vormak
