// fivra-bidbase-gen: writes the bid base "FivraBidBase.txt" to the path given.
#include <cstdio>
#include <fstream>
#include <string>

#include "BidBaseWriter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fivra-bidbase-gen <path of FivraBidBase.txt>\n");
        return 2;
    }
    int keys = 0;
    const std::string text = bidbase_gen::BidBaseText(keys);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "fivra-bidbase-gen: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d keys\n", argv[1], keys);
    return 0;
}
