// Placeholder: writes empty files until the synthesiser lands.
#include <fstream>
#include <string>
int main(int argc, char** argv) {
    if (argc < 2) return 2;
    for (const char* n : {"その他.wav", "禁止.wav", "駒打音.wav", "中国将棋打音.wav", "消滅.wav", "BGM.wav"})
        std::ofstream(std::string(argv[1]) + "/" + n, std::ios::binary);
    return 0;
}
