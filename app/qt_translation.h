// Qt's own texts (the buttons of message boxes, the standard dialogs) in the player's language.
#pragma once

#include <QString>

namespace app {

// Installs Qt's translation for `language` (e.g. "ja") from the folder the Qt installation keeps
// its translations in, replacing one installed before. False when none is found: Qt then keeps
// its English texts.
bool installQtTranslation(const QString& language);

}  // namespace app
