// The texts the game controller shows, looked up by their Japanese source in the language in use.
#pragma once

#include "platform/translation.h"
#include "record/texts.h"

namespace flow {

using platform::translated;

}  // namespace flow
