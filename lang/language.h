// The language the player reads, for every layer, the rules and the record codec included (no Qt
// here). Japanese is the game's own: each text the player reads is written in Japanese in the
// code, and the translation in use is looked up by that source (platform/translation.h).
#pragma once

// Marks a text the player reads: it stands for the Japanese `source` itself, and tells the
// translation tools to collect it under `context`.
#define KZ_TEXT(context, source) source

namespace lang {

enum class Language { Japanese, English };

}  // namespace lang
