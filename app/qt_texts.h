// Qt's own texts (the standard buttons of the message boxes, the file panel's widgets) in the
// language the game shows: Qt's Japanese translation for Japanese, Qt's own English otherwise.
#pragma once

#include "platform/language.h"

namespace app {

void useQtTexts(platform::Language language);

}  // namespace app
