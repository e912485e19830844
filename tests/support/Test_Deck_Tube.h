// A Nastran deck of a tube along z for the drawing tests: i_Around nodes on each ring of radius
// i_Radius about the z axis (the first at angle 0, counter-clockwise), i_Along + 1 rings from z = 0
// to z = i_Length, one four-node shell between two neighbours of two neighbouring rings, all of
// property 1 and material 1.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

inline std::string G_Fn_Deck_Tube(int i_Around, int i_Along, double i_Radius, double i_Length)
{
    std::string deck = "BEGIN BULK\n";
    char line[128];
    for (int j = 0; j <= i_Along; ++j)
        for (int i = 0; i < i_Around; ++i) {
            const double a = 2 * M_PI * i / i_Around;
            std::snprintf(line, sizeof line, "GRID,%d,,%.6f,%.6f,%.6f\n", j * i_Around + i + 1, i_Radius * std::cos(a),
                          i_Radius * std::sin(a), i_Length * j / i_Along);
            deck += line;
        }
    for (int j = 0; j < i_Along; ++j)
        for (int i = 0; i < i_Around; ++i) {
            const int a = j * i_Around + i + 1, b = j * i_Around + (i + 1) % i_Around + 1;
            std::snprintf(line, sizeof line, "CQUAD4,%d,1,%d,%d,%d,%d\n", a, a, b, b + i_Around, a + i_Around);
            deck += line;
        }
    return deck + "PSHELL,1,1,0.5\nMAT1,1,2.+5,,.3\nENDDATA\n";
}
