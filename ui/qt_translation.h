#pragma once

class QCoreApplication;

namespace vormak::ui {

// Installs Qt's own Japanese texts (はい/いいえ, the file dialog's buttons)
// from the system's translations. Returns false when they are not installed;
// Qt's English texts then stay.
bool installJapaneseQtTexts(QCoreApplication& app);

} // namespace vormak::ui
