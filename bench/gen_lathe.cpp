// Writes the synthetic lathe program used for timing: gen_lathe OUTPUT [LINES]
// (1,000,000 lines by default; "-" writes to standard output).
#include "bench/lathe_program.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: gen_lathe OUTPUT [LINES]\n");
        return 2;
    }
    const std::size_t lines = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 1000000;
    const std::string text = ravoxel::bench::GenerateLatheProgram(lines);
    const std::string path = argv[1];
    std::FILE* file = path == "-" ? stdout : std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::perror(path.c_str());
        return 1;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if ((file != stdout ? std::fclose(file) : std::fflush(file)) != 0 || !written) {
        std::perror(path.c_str());
        return 1;
    }
    return 0;
}
