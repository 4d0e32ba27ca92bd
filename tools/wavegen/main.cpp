// kz-wavegen FOLDER: writes the game's sounds as 16-bit PCM wave files into FOLDER.
// Everything is synthesised from fixed numbers, so every run writes the same bytes.
#include <cstdio>
#include <string>

#include "effects.h"
#include "music.h"
#include "synth.h"
#include "wave_file.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: kz-wavegen FOLDER\n");
        return 2;
    }
    struct Output {
        const char* name;
        wavegen::Samples (*make)();
    };
    const Output outputs[] = {
        {"その他.wav", wavegen::chime},         {"禁止.wav", wavegen::buzz},
        {"駒打音.wav", wavegen::woodenClack},   {"中国将棋打音.wav", wavegen::stoneClack},
        {"消滅.wav", wavegen::fallingSweep},    {"BGM.wav", wavegen::backgroundMusic},
        {"clock_tick.wav", wavegen::clockTick}, {"time_up.wav", wavegen::timeUp},
    };
    int failures = 0;
    for (const Output& o : outputs) {
        const std::string path = std::string(argv[1]) + "/" + o.name;
        if (!wavegen::writeWave(path, wavegen::toPcm16(o.make()), wavegen::kRate)) {
            std::fprintf(stderr, "kz-wavegen: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
