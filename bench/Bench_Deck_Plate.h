// A generated flat plate of i_N x i_N four-node shells over 1000 x 1000 units ((i_N + 1)^2 nodes,
// i_N^2 elements, one property and one material), as a Nastran deck in small field, in small field
// with a continuation mnemonic in columns 73-80 of every line that no line continues, or in large
// field, or as a Dyna deck: the input of the benchmarks that need a large model.
#pragma once

#include <cstdio>
#include <string>

enum E_Bench_Deck { E_Bench_Deck_Small, E_Bench_Deck_Large, E_Bench_Deck_Dyna, E_Bench_Deck_Marker };

// Writes the deck to i_Path; false when the file cannot be made.
inline bool G_Fn_Bench_Deck_Plate_Write(const std::string& i_Path, E_Bench_Deck i_Kind, int i_N)
{
    std::FILE* file = std::fopen(i_Path.c_str(), "wb");
    if (!file)
        return false;
    const double step = 1000.0 / i_N;
    auto node = [&](int i, int j) { return i * (i_N + 1) + j + 1; };
    if (i_Kind == E_Bench_Deck_Dyna) {
        std::fprintf(file, "*KEYWORD\n*PART\nplate\n         1         1         1\n*SECTION_SHELL\n         1\n       1.5\n");
        std::fprintf(file, "*MAT_ELASTIC\n         1    7.8E-9  210000.0       0.3\n*NODE\n");
        for (int i = 0; i <= i_N; ++i)
            for (int j = 0; j <= i_N; ++j)
                std::fprintf(file, "%8d%16.6f%16.6f%16.6f%8d%8d\n", node(i, j), j * step, i * step, 0.0, 0, 0);
        std::fprintf(file, "*ELEMENT_SHELL\n");
        for (int i = 0; i < i_N; ++i)
            for (int j = 0; j < i_N; ++j)
                std::fprintf(file, "%8d%8d%8d%8d%8d%8d\n", i * i_N + j + 1, 1, node(i, j), node(i, j + 1), node(i + 1, j + 1),
                             node(i + 1, j));
        std::fprintf(file, "*END\n");
    } else {
        std::fprintf(file, "SOL 101\nCEND\nBEGIN BULK\nPSHELL         1       1     1.5\nMAT1           1  2.1+5             .3\n");
        for (int i = 0; i <= i_N; ++i)
            for (int j = 0; j <= i_N; ++j) {
                if (i_Kind == E_Bench_Deck_Small)
                    std::fprintf(file, "GRID    %8d        %8.3f%8.3f%8.3f\n", node(i, j), j * step, i * step, 0.0);
                else if (i_Kind == E_Bench_Deck_Marker)
                    std::fprintf(file, "GRID    %8d        %8.3f%8.3f%8.3f%24s+G%-6d\n", node(i, j), j * step, i * step, 0.0, "",
                                 node(i, j) % 1000000);
                else
                    std::fprintf(file, "GRID*   %16d%16s%16.6f%16.6f\n*       %16.6f\n", node(i, j), "", j * step, i * step, 0.0);
            }
        for (int i = 0; i < i_N; ++i)
            for (int j = 0; j < i_N; ++j) {
                const int e = i * i_N + j + 1;
                if (i_Kind == E_Bench_Deck_Small)
                    std::fprintf(file, "CQUAD4  %8d%8d%8d%8d%8d%8d\n", e, 1, node(i, j), node(i, j + 1), node(i + 1, j + 1), node(i + 1, j));
                else if (i_Kind == E_Bench_Deck_Marker)
                    std::fprintf(file, "CQUAD4  %8d%8d%8d%8d%8d%8d%16s+E%-6d\n", e, 1, node(i, j), node(i, j + 1), node(i + 1, j + 1),
                                 node(i + 1, j), "", e % 1000000);
                else
                    std::fprintf(file, "CQUAD4* %16d%16d%16d%16d\n*       %16d%16d\n", e, 1, node(i, j), node(i, j + 1),
                                 node(i + 1, j + 1), node(i + 1, j));
            }
        std::fprintf(file, "ENDDATA\n");
    }
    return std::fclose(file) == 0;
}
