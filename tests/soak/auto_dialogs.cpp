#include "soak/auto_dialogs.h"

#include <array>

namespace soak {

namespace {

using platform::Buttons;

struct Known {
    const char* text;
    const char* title;
    Buttons buttons;
};

const char* const kAbout =
    "KZ ソラワ  Version 1.0    [2/2000]\r\rKZ ソラワ 制作室\r\rHome page\r"
    "https://kzsorawa.example.jp/\r\re-mail\rkzsorawa@example.jp";

// Every box the game shows with a fixed text.
constexpr std::array kKnown = {
    Known{"先手の番です", " ", Buttons::Ok},
    Known{"後手の番です", " ", Buttons::Ok},
    Known{"MANの番です", " ", Buttons::Ok},
    Known{"先手の番です", "対局", Buttons::Ok},
    Known{"後手の番です", "対局", Buttons::Ok},
    Known{"MANの番です", "対局", Buttons::Ok},
    Known{"OKですか？", "再開(COM)", Buttons::Ok},
    Known{"ﾌｧｲﾙ名が入力されていません", "  ", Buttons::Ok},
    Known{"保存するデータがありません", "棋譜保存", Buttons::Ok},
    Known{"棋譜を書き込みました", "  ", Buttons::Ok},
    Known{"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜", Buttons::Ok},
    Known{"対局中です。棋譜を読み込みますか？", "棋譜", Buttons::YesNo},
    Known{" 読み込みました", "棋譜", Buttons::Ok},
    Known{"棋譜を '進 'で進めて下さい", "棋譜", Buttons::Ok},
    Known{"棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo},
    Known{"棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", Buttons::Ok},
    Known{"対局途中ではできません\r\r局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", Buttons::Ok},
    Known{"反転後ではできません\r\r局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", Buttons::Ok},
    Known{"これ以上記録できません", "棋譜", Buttons::Ok},
    Known{"できません", "戻る", Buttons::Ok},
    Known{"「対局」で始めて下さい", "開始", Buttons::Ok},
    Known{"終わり", "進む", Buttons::Ok},
    Known{"できません", "進む", Buttons::Ok},
    Known{"棋譜ﾓｰﾄﾞではできません", "反転", Buttons::Ok},
    Known{kAbout, "KZ ソラワ", Buttons::Ok},
    Known{"よし！!", "詰め ?", Buttons::Ok},
    Known{"   ** 将(Jiang) **", "王手", Buttons::Ok},
    Known{"   ** 王手 **", "", Buttons::Ok},
    Known{"マウスの右をクリックして下さい", "成り", Buttons::Ok},
    Known{"あなたの勝ちです", "終了", Buttons::Ok},
    Known{"先手の勝ちです", "終了", Buttons::Ok},
    Known{"後手の勝ちです", "終了", Buttons::Ok},
    Known{"ｺﾝﾋﾟｭｰﾀの勝ちです", "終了", Buttons::Ok},
    Known{"続けますか？", "再ゲーム", Buttons::YesNo},
};

bool startsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

platform::Answer AutoDialogs::show(const std::string& text, const std::string& title,
                                   platform::Buttons buttons, platform::Icon icon) {
    platform::Answer answer = platform::Answer::Ok;
    if (buttons == Buttons::YesNo) {
        const double yes = text == "続けますか？" ? 0.97 : 0.6;
        answer = random_.chance(yes) ? platform::Answer::Yes : platform::Answer::No;
    }
    shown.push_back({text, title, buttons, icon, answer, ending && ending()});
    return answer;
}

std::string unknownBox(const AutoDialogs::Box& box) {
    if (box.icon != platform::Icon::None) return "a box with an icon";
    bool wrongButtons = false;
    for (const Known& k : kKnown) {
        if (box.text != k.text || box.title != k.title) continue;
        if (box.buttons == k.buttons) return "";
        wrongButtons = true;
    }
    if (wrongButtons) return "a known box with the wrong buttons";
    // The hint names a move, or says there is none (the H key asks for it).
    if (box.title == "ヒント" && box.buttons == Buttons::Ok) return "";
    // A file name the panel refuses is quoted in its box.
    if (box.title == "  " && box.buttons == Buttons::Ok && startsWith(box.text, "ﾌｧｲﾙ名 '") &&
        endsWith(box.text, "' は使えません")) {
        return "";
    }
    return "a box the game has no business showing";
}

const char* answerName(platform::Answer a) {
    switch (a) {
        case platform::Answer::Ok:
            return "OK";
        case platform::Answer::Yes:
            return "Yes";
        case platform::Answer::No:
            return "No";
    }
    return "?";
}

}  // namespace soak
