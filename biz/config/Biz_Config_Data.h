// The settings block of the configuration: display and editing settings and the default material
// and property values, 45 words in a fixed order (the comment of each field gives its word number
// and the E_Signal code that its change is announced with). Every run starts from these defaults;
// nothing here is stored.
//
// Readers take the block from C_App::S_Fn_Get()->m_sp_Config and read the fields directly;
// writers write a field and then fire the configuration's signal (C_Config::M_Fn_Notify).
// "flag" fields hold 0 or 1.
#pragma once

#include <cstdint>

namespace N_Biz::N_Config {

class C_Config;

class C_Config_Data {
public:
    explicit C_Config_Data(C_Config* i_p_Config) : m_p_Config(i_p_Config) {}

    C_Config* m_p_Config;                // 0  back pointer to the configuration
    std::int32_t m_Reserved = 0;         // 1  not read by anyone
    float m_Thickness = 1.0f;            // 2  the five thickness values of a new property card
    float m_Density = 7.9e-9f;           // 3  density of a new material card
    float m_Poisson = 0.3f;              // 4  Poisson ratio of a new material card; calculation parameter
    float m_Calc_Param_5 = 0.05f;        // 5  calculation parameter
    float m_Modulus = 210000.0f;         // 6  elastic modulus of a new material card; calculation parameter
    float m_Yield = 210.0f;              // 7  yield stress of a new material card
    float m_Ultimate = 262.5f;           // 8  ultimate stress of a new material card
    float m_Calc_Param_9 = 10000.0f;     // 9  calculation parameter
    std::int32_t m_Show_Coord = 1;       // 10 flag: coordinate system in the project and section views (2)
    std::int32_t m_Print_Mode = 0;       // 11 flag: drawing for printing (2)
    std::int32_t m_Color_By = 1;         // 12 colour cards by 0 material, 1 property (2)
    std::int32_t m_Show_Nodes = 1;       // 13 flag: mesh nodes in the section view (3)
    std::int32_t m_Show_Grid = 1;        // 14 flag: grid guides in the section view (3)
    float m_Grid_Scale = 10.0f;          // 15 grid guide scale, at least 1.0 (3)
    std::int32_t m_Sheet_Scientific = 0; // 16 flag: result sheet in scientific format (4)
    std::int32_t m_Sheet_Max = 1;        // 17 flag: result sheet shows the maximum (4)
    std::int32_t m_Sheet_Critical = 1;   // 18 flag: ... the critical value (4)
    std::int32_t m_Sheet_Corner = 1;     // 19 flag: ... the corner value (4)
    std::int32_t m_Sheet_Average = 1;    // 20 flag: ... the average (4)
    std::int32_t m_Sheet_Min = 1;        // 21 flag: ... the minimum (4)
    std::int32_t m_Show_Weakest = 1;     // 22 flag: weakest-element mark (4)
    std::int32_t m_Show_Inertia_360 = 0; // 23 flag: 360 degree moment of inertia; also switches the directional load cases (4)
    std::int32_t m_Show_Principal = 0;   // 24 flag: principal axes (4)
    std::int32_t m_Show_Shear_Center = 0; // 25 flag: shear centre (4)
    std::int32_t m_Load_Case = 1;        // 26 load case shown, 0..5: Axial F+, F-, Bending Mx+, Mx-, My+, My- (4)
    std::int32_t m_Stress_Bound = 0;     // 27 stress bound shown: 0 lower, 1 upper (4)
    std::int32_t m_Show_Thickness = 0;   // 28 flag: element thickness in the section mesh; excludes 29 (5)
    std::int32_t m_Show_Loop = 0;        // 29 flag: loops in the section mesh; excludes 28 (5)
    float m_Tess_Angle = 0.05235988f;    // 30 radians (3 degrees): arc tessellation step and merge angle (5)
    float m_Tess_Length_Over_Thk = 2.0f; // 31 segment length over wall thickness for curves (5)
    std::int32_t m_Show_Edge_Shade = 1;  // 32 flag: element edges on shaded models (6)
    std::int32_t m_Model_Disp = 1;       // 33 model display mode 1 Auto, 2 Hide, 3 Grid, 4 Mesh, 5 Shade (6)
    std::int32_t m_Model_Disp_Auto = 0;  // 34 what Auto means for models now: 0 undecided, 2..5 as word 33 (6)
    std::int32_t m_Sect_Disp = 1;        // 35 section display mode 1 Auto, 2 Hide, 3 Plane, 4 Geometry, 5 Element (6)
    std::int32_t m_Sect_Disp_Auto = 0;   // 36 what Auto means for sections now: 0 undecided, 2..5 as word 35 (6)
    std::int32_t m_Auto_Weld = 0;        // 37 flag: automatic weld on section creation (7)
    std::int32_t m_Auto_Adjust_Pos = 1;  // 38 flag: "Auto adjust position by geom center" (7)
    std::int32_t m_Cut_Models = 1;       // 39 flag: "Cut models" (7)
    std::int32_t m_Pos_By_Nodes = 0;     // 40 0 axis by screen points, 1 axis by model nodes (7)
    std::int32_t m_Local_CS = 0;         // 41 section local coordinate system 0..4 (7)
    std::int32_t m_Move_Free = 0;        // 42 insert and move: 0 along current axis, 1 no constraint (7)
    std::int32_t m_Insert_After = 0;     // 43 insert or paste: 0 before, 1 after the selected section (7)
    std::int32_t m_Extra_Sections = 0;   // 44 extra sections per axis, 0..20 (8)
};

} // namespace N_Biz::N_Config
