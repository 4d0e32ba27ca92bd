// The settings file: six to eight whole-line literals in CP932 with CR LF endings, read once at
// start-up and rewritten from the option check marks after every option change.
//
//   背景画=緑|竹|畳|宇宙|煉瓦   移動指導=ON|OFF   経過時間=ON|OFF   中国将棋側持駒OK=ON|OFF
//   BGM=ON|OFF   棋譜一覧=ON|OFF   言語=日本語|English   駒の種類=漢字|International
//
// A file of only the first five lines (written before the move list existed) reads the list as off.
// The lines from the seventh on each hold a choice with a default of its own, and a missing or
// empty one reads as that default: the seventh names the language once the player has picked
// one (without it the system's language is used), the eighth the piece set (漢字 without it), the
// ninth, 持ち時間=… in the text form of record/time_control.h, the time control (none without it,
// or with one that cannot be read), the tenth, COM対局ﾚﾍﾞﾙ=LEVEL1..LEVEL5, the computer's level
// once the player has picked one (without it the game starts at its usual level). The file ends
// after the last of them that is not at its default, so the lines before it are written empty
// when only a later one is needed.
// Each line is compared whole with its own literals; anything else reads as off (or, for the
// background, as no change).
#pragma once

#include <optional>
#include <string>

#include "settings/options.h"

namespace settings {

inline const char* const kSettingsFileName = "KZソラワ.ini";

// What reading the settings does to the screen and the music; the game controller carries it out.
class SettingsEffects {
  public:
    virtual ~SettingsEffects() = default;
    virtual void 描画_背景(int pictureCode) = 0;  // paint the background picture
    virtual void 画面_再描画() = 0;               // repaint the whole window
    virtual void startMusic() = 0;                // loop the background music
};

// Ticks the background item whose picture code is `code` and unticks the others; a code that is
// not one of the five backgrounds leaves them all unticked.
void selectBackground(Options& options, int code);

// Reads the file and applies it to the check marks and the values that follow them. A file that
// is missing, unreadable or shorter than five lines is replaced by the default file, and the
// default check marks are set (the music is not started then). Never fails.
void 読込_環境設定ファイル(Options& options, SettingsEffects& effects,
                           const std::string& path = kSettingsFileName);

// The language the seventh line names; none when the file has no such line.
std::optional<lang::Language> readLanguage(const std::string& path = kSettingsFileName);

// Writes the six lines from the check marks, then the language, piece-set, time-control and level
// lines as far as they are needed. When that fails the default lines are written
// instead and the check marks are reset to the defaults; the music, the layout and the current
// background stay as they are. Returns false when the check marks were reset.
bool writeSettingsFile(Options& options, const std::string& path = kSettingsFileName);

}  // namespace settings
