// Helpers of the tests that write ".bea" files: lines of the fixed-column format, each built from
// its fields right-aligned in their columns.
#pragma once

#include "tests/proj/Test_Proj_Support_Stream.h"

#include <string>

namespace N_Test_Proj {

// i_Text right-aligned in a field of i_Width columns.
inline std::string R(const std::string& i_Text, std::size_t i_Width)
{
    return std::string(i_Width > i_Text.size() ? i_Width - i_Text.size() : 0, ' ') + i_Text;
}

// The header: two title lines, the control line (17 fields of 5 columns: 2 node lines, 4 counted
// records, 6 material lines, 7 property lines, 13 lines skipped after the properties), two more.
inline std::string G_Fn_Header(int i_Nodes, int i_Records, int i_Materials, int i_Properties, int i_Skip)
{
    std::string control;
    for (int field = 1; field <= 17; ++field) {
        int value = 9;
        switch (field) {
        case 2: value = i_Nodes; break;
        case 4: value = i_Records; break;
        case 6: value = i_Materials; break;
        case 7: value = i_Properties; break;
        case 13: value = i_Skip; break;
        default: break;
        }
        control += R(std::to_string(value), 5);
    }
    return "BEAM MODEL\nsecond title line\n" + control + "\n" + std::string(85, '7') + "\n    5    5    5\n";
}

inline std::string G_Fn_Node(int i_Number, const char* i_X, const char* i_Y, const char* i_Z)
{
    return R(std::to_string(i_Number), 10) + R(i_X, 10) + R(i_Y, 10) + R(i_Z, 10) + R("0", 10) + "\n";
}

// A material line: number, E, (ignored), Poisson's ratio, yield and ultimate stress, density, name.
inline std::string G_Fn_Material(int i_Number, const char* i_E, const char* i_Nu, const char* i_Yield, const char* i_Ultimate,
                          const char* i_Rho, const char* i_Name)
{
    return R(std::to_string(i_Number), 10) + R(i_E, 10) + R("99.0", 10) + R(i_Nu, 10) + R(i_Yield, 10) + R(i_Ultimate, 10) +
           R(i_Rho, 10) + i_Name + "\n";
}

// A property line: number, material number, thickness, three ignored integers, name.
inline std::string G_Fn_Property(int i_Number, int i_Material, const char* i_Thk, const char* i_Name)
{
    return R(std::to_string(i_Number), 10) + R(std::to_string(i_Material), 10) + R(i_Thk, 10) + R("1", 10) + R("2", 10) +
           R("3", 10) + i_Name + "\n";
}

// A block line: 8 blank columns, the code in columns 9-10, then text, an integer and a count.
inline std::string G_Fn_Block(int i_Code, int i_Second, int i_Count)
{
    return std::string(8, ' ') + R(std::to_string(i_Code), 2) + "BLOCK" + R(std::to_string(i_Second), 5) +
           R(std::to_string(i_Count), 5) + "\n";
}

inline std::string G_Fn_Element(int i_Number, int i_N1, int i_N2, int i_N3, int i_N4, int i_Property)
{
    std::string line;
    for (int value : {i_Number, i_N1, i_N2, i_N3, i_N4, i_Property})
        line += R(std::to_string(value), 10);
    return line + "\n";
}

// A section line: welds, points, walls, the anchor node, then 40 columns of text.
inline std::string G_Fn_Section(int i_Welds, int i_Points, int i_Walls, int i_Anchor)
{
    return R("1", 5) + R(std::to_string(i_Welds), 5) + R(std::to_string(i_Points), 5) + R(std::to_string(i_Walls), 5) +
           R(std::to_string(i_Anchor), 10) + "section text not read\n";
}

inline std::string G_Fn_Point(int i_Number, const char* i_X, const char* i_Y)
{
    return R(std::to_string(i_Number), 5) + R(i_X, 10) + R(i_Y, 10) + "\n";
}

inline const std::string G_Identity = R("1.0", 10) + R("0.0", 10) + R("0.0", 10) + "\n" + R("0.0", 10) + R("1.0", 10) + R("0.0", 10) +
                               "\n" + R("0.0", 10) + R("0.0", 10) + R("1.0", 10) + "\n";

// A closed box section at anchor node i_Anchor: points i_First .. i_First + 3 at its corners (w wide,
// h high), one wall line round them on property card 1, and the identity frame.
inline std::string G_Fn_Box(int i_First, const char* i_W, const char* i_H, int i_Anchor)
{
    const std::string a = std::to_string(i_First), b = std::to_string(i_First + 1), c = std::to_string(i_First + 2),
                      d = std::to_string(i_First + 3);
    return G_Fn_Section(0, 4, 1, i_Anchor) + G_Fn_Point(i_First, "0.0", "0.0") + G_Fn_Point(i_First + 1, i_W, "0.0") +
           G_Fn_Point(i_First + 2, i_W, i_H) + G_Fn_Point(i_First + 3, "0.0", i_H) + "  1" + R(a, 3) + R(b, 3) + R(c, 3) +
           R(d, 3) + R(a, 3) + "  1\n" + G_Identity;
}

// A file of one node, one steel material (E 210000, yield 235), one property card of 2-thick walls
// and the given sections.
inline std::string G_Fn_Box_File(const std::string& i_Sections, int i_Count)
{
    return G_Fn_Header(1, 0, 1, 1, 0) + G_Fn_Node(1, "0.0", "0.0", "0.0") +
           G_Fn_Material(1, "210000.0", "0.3", "235.0", "360.0", "7.85e-9", "Steel") + G_Fn_Property(31, 1, "2.0", "Wall") +
           G_Fn_Block(2, 0, i_Count) + i_Sections + G_Fn_Block(8, 0, 0);
}

// A new project (in the tree, as the application makes one) reading i_Text as a ".bea" file; -1 as
// result when an exception ended the read.
inline C_Read G_Fn_Read_BEA(const std::string& i_Text)
{
    C_Read read;
    read.m_up_Proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
    read.m_up_Proj->M_Fn_Tree_Add();
    std::istringstream in(i_Text);
    try {
        read.m_Result = static_cast<E_Result>(read.m_up_Proj->M_Fn_Stream_Format_BEA_I(in));
    } catch (const N_Common::N_Exception::C_Exception&) {
        read.m_Result = -1;
    }
    return read;
}

} // namespace N_Test_Proj
