#include "ui/UI_Tool_Table.h"

#include "biz/config/Biz_Config.h"
#include "common/Common_String_Number.h"

#include <cmath>
#include <locale>
#include <sstream>

namespace N_UI::N_Tool {

// --- sub-pages -----------------------------------------------------------------------------------

namespace {

// Task states shared by both machines.
constexpr std::uint32_t G_Task_Idle = 9;

} // namespace

int G_Fn_Sub_Proj(std::uint32_t i_Task_State, std::uint32_t i_Mode)
{
    switch (i_Task_State) {
    case G_Task_Idle:
        switch (i_Mode) {
        case 1: return 0; // materials
        case 2: return 1; // properties
        case 5: return 2; // nodes
        case 6: return 3; // elements
        case 7: return 4; // model import
        case 8: return 5; // sections
        default: return -1;
        }
    case 15: return 7;  // node set-centre: point entry X, Y, Z
    case 20: return 10; // section-group create
    case 22: return 11; // group redirect, second phase
    case 23: return 12; // section insert, first phase
    case 24: return 13; // section insert, second phase
    case 26: return 14; // section move, second phase
    case 30: return 15; // section paste
    default:
        // Every other task: Cancel only.
        return i_Task_State > G_Task_Idle && i_Task_State <= 30 ? 6 : -1;
    }
}

int G_Fn_Sub_Sect(std::uint32_t i_Task_State, std::uint32_t i_Mode)
{
    switch (i_Task_State) {
    case G_Task_Idle:
        switch (i_Mode) {
        case 1: return 0;  // materials
        case 2: return 1;  // properties
        case 7: return 2;  // geometry
        case 12: return 3; // elements
        case 13: return 4; // section
        default: return -1;
        }
    case 15: // create point, line, arc, conics: Cancel and the point entry
    case 16:
    case 17:
    case 18:
    case 20: // create weld
    case 24: // move, second phase
        return 6;
    case 19: return 8; // create spline: Cancel, Apply and the point entry
    default:
        return i_Task_State > G_Task_Idle && i_Task_State <= 31 ? 5 : -1;
    }
}

unsigned G_Fn_Sub_Template_Proj(int i_Index)
{
    return i_Index >= 0 && i_Index < G_Num_Sub_Proj ? 461u + static_cast<unsigned>(i_Index) : 0u;
}

unsigned G_Fn_Sub_Template_Sect(int i_Index)
{
    static constexpr unsigned s_Templates[G_Num_Sub_Sect] = {432, 433, 434, 436, 437, 438, 439, 440, 441};
    return i_Index >= 0 && i_Index < G_Num_Sub_Sect ? s_Templates[i_Index] : 0u;
}

// --- command routing -----------------------------------------------------------------------------

bool G_Fn_Cmd_Is_Forwarded(int i_Id)
{
    if (i_Id == G_Id_Undo || i_Id == G_Id_Redo)
        return true;
    if (i_Id == G_Id_Point_Sect || i_Id == G_Id_Point_Proj)
        return false;
    return i_Id < 10000;
}

// --- typed values --------------------------------------------------------------------------------

std::optional<float> G_Fn_Parse_Float(const std::wstring& i_Text)
{
    float value = 0.0f;
    if (!N_Common::N_String::G_Fn_Number_Whole(i_Text, value))
        return std::nullopt;
    return value;
}

std::wstring G_Fn_Format_Float(float i_Value)
{
    std::wostringstream stream;
    stream.imbue(std::locale::classic());
    stream << i_Value;
    return stream.str();
}

namespace {

// The float pattern: parse, refuse with the message (the current value goes back), same value,
// accepted.
C_Edit_Check G_Fn_Check_Float(const std::wstring& i_Text, float i_Shown,
                              std::optional<std::wstring> (*i_Fn_Check)(float))
{
    C_Edit_Check result;
    const std::optional<float> value = G_Fn_Parse_Float(i_Text);
    // A text that is no number is refused with the range's own message.
    const std::optional<std::wstring> message = i_Fn_Check(value ? *value : std::nanf(""));
    if (message) {
        result.m_Message = *message;
        result.m_Text = G_Fn_Format_Float(i_Shown);
        return result;
    }
    // The edit shows six significant digits: retyping the text shown is the same value too.
    const bool same = *value == i_Shown || *value == G_Fn_Parse_Float(G_Fn_Format_Float(i_Shown));
    result.m_Kind = same ? C_Edit_Check::E_Same : C_Edit_Check::E_Accepted;
    result.m_Value_F = *value;
    return result;
}

} // namespace

C_Edit_Check G_Fn_Check_Edit_Grid_Scale(const std::wstring& i_Text, float i_Word_15)
{
    return G_Fn_Check_Float(i_Text, i_Word_15, &N_Biz::N_Config::G_Fn_Check_Grid_Scale);
}

C_Edit_Check G_Fn_Check_Edit_Merge_Angle(const std::wstring& i_Text, float i_Word_30)
{
    C_Edit_Check result = G_Fn_Check_Float(i_Text, N_Biz::N_Config::G_Fn_Tess_Angle_Deg_From_Rad(i_Word_30),
                                           &N_Biz::N_Config::G_Fn_Check_Tess_Angle_Deg);
    if (result.m_Kind == C_Edit_Check::E_Accepted)
        result.m_Value_F = N_Biz::N_Config::G_Fn_Tess_Angle_Rad_From_Deg(result.m_Value_F);
    return result;
}

C_Edit_Check G_Fn_Check_Edit_Merge_L_Thk(const std::wstring& i_Text, float i_Word_31)
{
    return G_Fn_Check_Float(i_Text, i_Word_31, &N_Biz::N_Config::G_Fn_Check_Tess_Length_Over_Thk);
}

C_Edit_Check G_Fn_Check_Edit_Extra(const std::wstring& i_Text, std::uint32_t i_Word_44)
{
    C_Edit_Check result;
    const std::optional<float> value = G_Fn_Parse_Float(i_Text);
    // The range is checked on the typed number itself, so that 20.5 is refused rather than
    // truncated into the range; the message is the configuration's.
    if (!value || !(*value >= 0.0f && *value <= 20.0f)) {
        result.m_Message = N_Biz::N_Config::G_Fn_Check_Extra_Sections(-1).value_or(L"");
        result.m_Text = std::to_wstring(i_Word_44);
        return result;
    }
    if (*value == static_cast<float>(i_Word_44)) {
        result.m_Kind = C_Edit_Check::E_Same;
        return result;
    }
    result.m_Kind = C_Edit_Check::E_Accepted;
    result.m_Value_U = static_cast<std::uint32_t>(std::trunc(*value));
    return result;
}

C_Point_Check G_Fn_Check_Point(std::span<const std::wstring> i_Texts)
{
    static const wchar_t* const s_Messages[3] = {L"Invalid X value.", L"Invalid Y value.", L"Invalid Z value."};
    C_Point_Check result;
    for (std::size_t i = 0; i < i_Texts.size() && i < 3; ++i) {
        const std::optional<float> value = G_Fn_Parse_Float(i_Texts[i]);
        if (!value) {
            result.m_Message = s_Messages[i];
            return result;
        }
        result.m_Value[i] = *value;
    }
    return result;
}

// --- shared labels -------------------------------------------------------------------------------

std::wstring G_Fn_Label_Undo(const std::wstring& i_Text)
{
    return L"Undo: " + i_Text;
}

std::wstring G_Fn_Label_Redo(const std::wstring& i_Text)
{
    return L"Redo: " + i_Text;
}

std::wstring G_Fn_Label_Palette(const std::optional<std::wstring>& i_Name)
{
    return L"Current: " + i_Name.value_or(L"None");
}

std::uint8_t G_Fn_Color_Byte(float i_Component)
{
    const float value = i_Component * 255.0f;
    if (!(value > 0.0f))
        return 0;
    if (value >= 255.0f)
        return 255;
    return static_cast<std::uint8_t>(value);
}

// --- refresh table -------------------------------------------------------------------------------

bool G_Fn_Config_Updates(E_Dlg i_Dlg, std::int32_t i_Code)
{
    switch (i_Dlg) {
    case E_Dlg::E_Proj_Disp: return i_Code == 2 || i_Code == 6;
    case E_Dlg::E_Sect_Anls: return i_Code == 4;
    case E_Dlg::E_Sect_Disp: return i_Code == 2 || i_Code == 3;
    case E_Dlg::E_Proj_S_G_Create: return i_Code == 7 || i_Code == 8;
    case E_Dlg::E_Proj_S_Option: return i_Code == 7;
    case E_Dlg::E_Sect_Tess: return i_Code == 5;
    }
    return false;
}

// --- dialog templates ----------------------------------------------------------------------------

namespace {

using K = C_Item;
constexpr auto G = K::E_Group;
constexpr auto B = K::E_Button;
constexpr auto R = K::E_Radio;
constexpr auto C = K::E_Check;
constexpr auto E = K::E_Edit;

#define VT_TOOL_CONFIRM {G, 0, L"Confirm"}, {B, 2202, L"Cancel (Esc)"}
#define VT_TOOL_CONFIRM_APPLY VT_TOOL_CONFIRM, {B, 2201, L"Apply (Enter)"}
#define VT_TOOL_POINT_XY                                                                                               \
    {G, 0, L"Point Specify"}, {E, G_Id_Point_Edit_X, L"Coordinate X:"}, {E, G_Id_Point_Edit_Y, L"Coordinate Y:"}
#define VT_TOOL_POINT_SECT VT_TOOL_POINT_XY, {B, G_Id_Point_Sect, L"Specify Point"}
#define VT_TOOL_POINT_PROJ VT_TOOL_POINT_XY, {E, G_Id_Point_Edit_Z, L"Coordinate Z:"}, {B, G_Id_Point_Proj, L"Specify Point"}
// The head of both edit dialogs; the arguments are the mode radio buttons.
#define VT_TOOL_EDIT_COMMON(...)                                                                                       \
    {G, 0, L"Common:"}, {B, G_Id_Undo, L"Undo (Ctrl+Z)"}, {B, G_Id_Redo, L"Redo (Ctrl+Y)"},                          \
        {G, 0, L"Property Palette"}, {K::E_Label, 2213, L"Current: None"}, {K::E_Swatch, 2214, L""},                  \
        {B, 2211, L"Pick By Select"}, {B, 2212, L"Pick From List"}, {G, 0, L"Select && Edit Mode:"}, __VA_ARGS__,     \
        {K::E_Radio_None, 0, L""}, {K::E_Placeholder, 1000, L"Dummy Position"}
#define VT_TOOL_SHOW_HIDE(i_First, i_Unhide)                                                                           \
    {G, 0, L"Show / Hide"}, {B, i_First, L"Hide Selected (H)"}, {B, i_First + 1, L"Hide Unselected (U)"},              \
        {B, i_First + 2, L"Reverse Hide / Show"}, {B, i_First + 3, i_Unhide}, {B, 2225, L"Unhide All"}
#define VT_TOOL_OPTION(i_Recut) {G, 0, L"Option"}, {C, 4196, L"Auto adjust position by geom center"}, {C, 4197, i_Recut}
#define VT_TOOL_SIDE(i_Caption) {G, 0, i_Caption}, {R, 4193, L"Before selected section"}, {R, 4194, L"After selected section"}
#define VT_TOOL_MODE_MOVE(i_Caption) {G, 0, i_Caption}, {R, 4191, L"Along current axis"}, {R, 4192, L"No constraint"}
#define VT_TOOL_PICK_POSITION                                                                                          \
    {G, 0, L"Point Select Mode"}, {R, 4181, L"Specify position by screen points"},                                     \
        {R, 4182, L"Specify position by model nodes"}

const C_Item G_411[] = {
    {G, 0, L"Project File"},
    {B, 2001, L"New Project (Ctrl+N)"},
    {B, 2002, L"Open Project (Ctrl+O)"},
    {B, 2003, L"Close Current Project"},
    {B, 2004, L"Save Current Project (Ctrl+S)"},
    {B, 2005, L"Save Current Project As ..."},
    {B, 2006, L"Print Current Project (Ctrl+P)"},
    {G, 0, L"Project View"},
    {B, 2007, L"Open Current Project's View"},
    {B, 2008, L"Close Current Project's View"},
};

// --- project page ---

const C_Item G_460[] = {VT_TOOL_EDIT_COMMON({R, 4101, L"Material"}, {R, 4102, L"Property"}, {R, 4103, L"Node"},
                                            {R, 4104, L"Element"}, {R, 4105, L"Model"}, {R, 4106, L"Section"})};
const C_Item G_461[] = {
    VT_TOOL_SHOW_HIDE(4116, L"Unhide All Materials"),
    {G, 0, L"Edit"},
    {B, 4111, L"Show Material List"},
    {B, 4112, L"Create New (C)"},
    {B, 4113, L"Modify Selected (F)"},
};
const C_Item G_462[] = {
    VT_TOOL_SHOW_HIDE(4136, L"Unhide All Properties"),
    {G, 0, L"Edit"},
    {B, 4121, L"Show Property List"},
    {B, 4122, L"Create New (C)"},
    {B, 4123, L"Modify Selected (F)"},
    {B, 4125, L"Reconnect Selected's Material"},
    {B, 4124, L"Reconnect Selected's Section"},
    {G, 0, L"Palette"},
    {B, 4126, L"Pick Property By Selected (P)"},
};
const C_Item G_463[] = {
    {G, 0, L"Display"},
    {B, 4040, L"Set Rotate Center"},
    {G, 0, L"Edit"},
    {B, 4141, L"Modify Selected (F)"},
};
const C_Item G_464[] = {
    VT_TOOL_SHOW_HIDE(4156, L"Unhide All Elements"),
    {G, 0, L"Edit"},
    {B, 4151, L"Modify Selected (F)"},
    {B, 4152, L"Reconnect Selected's Property"},
    {G, 0, L"Property Palette"},
    {B, 4153, L"Pick Selected's Property (P)"},
};
const C_Item G_465[] = {
    {G, 0, L"File Import"},
    {B, 4161, L"Import DYNA"},
    {B, 4162, L"Import Nastran"},
};
const C_Item G_466[] = {
    {G, 0, L"File"},
    {B, 4171, L"Import Section"},
    {G, 0, L"Create"},
    {B, 4172, L"Create New Beam Sections (C)"},
    {B, 4173, L"Insert New Section Besides Selected"},
    {G, 0, L"Edit"},
    {B, 4174, L"Redirect Selected's Beam Sections"},
    {B, 4175, L"Move Selected Section (V)"},
    {B, 4176, L"Delete Selected Sections (D)"},
    {G, 0, L"View"},
    {B, 4177, L"Open Selected Section's View (F)"},
    {B, 4178, L"Close Selected Section's View"},
};
const C_Item G_467[] = {VT_TOOL_CONFIRM};
const C_Item G_468[] = {VT_TOOL_CONFIRM, VT_TOOL_POINT_PROJ};
// Made with the others and never chosen.
const C_Item G_469[] = {VT_TOOL_CONFIRM_APPLY};
const C_Item G_470[] = {VT_TOOL_CONFIRM_APPLY};
const C_Item G_471[] = {
    VT_TOOL_CONFIRM_APPLY,
    VT_TOOL_POINT_PROJ,
    {G, 0, L"Point Select Mode"},
    {R, 4181, L"Define axis by screen points"},
    {R, 4182, L"Define axis by model nodes"},
    {G, 0, L"Section Local Coordinate System"},
    {R, 4183, L"Auto (Standard)"},
    {R, 4184, L"Local XY - Global XY"},
    {R, 4185, L"Local XY - Global XZ"},
    {R, 4186, L"Local XY - Global YZ"},
    {R, 4187, L"Local Y - View Z"},
    VT_TOOL_OPTION(L"Cut models"),
    {G, 0, L"Number"},
    {E, 4198, L"Extra sections per axis:"},
};
const C_Item G_472[] = {VT_TOOL_CONFIRM_APPLY, VT_TOOL_OPTION(L"Recut (abondon current modification)")};
const C_Item G_473[] = {VT_TOOL_CONFIRM, VT_TOOL_SIDE(L"Insert to")};
const C_Item G_474[] = {
    VT_TOOL_CONFIRM,         VT_TOOL_POINT_PROJ,           VT_TOOL_PICK_POSITION, VT_TOOL_MODE_MOVE(L"Insert Mode"),
    VT_TOOL_OPTION(L"Cut models"), VT_TOOL_SIDE(L"Insert to"),
};
const C_Item G_475[] = {
    VT_TOOL_CONFIRM, VT_TOOL_POINT_PROJ, VT_TOOL_PICK_POSITION, VT_TOOL_MODE_MOVE(L"Move Mode"),
    VT_TOOL_OPTION(L"Recut (abondon current modification)"),
};
const C_Item G_476[] = {VT_TOOL_CONFIRM, VT_TOOL_SIDE(L"Paste to")};

const C_Item G_451[] = {
    {G, 0, L"General:"},
    {B, 4001, L"Reset View"},
    {B, 4002, L"Adjust View"},
    {B, 4003, L"Center View"},
    {B, 4004, L"XY - Top"},
    {B, 4005, L"YX - Bottom"},
    {B, 4006, L"ZX - Right"},
    {B, 4007, L"XZ - Left"},
    {B, 4008, L"YZ - Back"},
    {B, 4009, L"ZY - Front"},
    {B, 4040, L"Set Rotate Center"},
    {G, 0, L"Color Mode:"},
    {R, 4021, L"Material"},
    {R, 4022, L"Property"},
    {G, 0, L"Model Display Mode:"},
    {R, 4010, L"Auto"},
    {R, 4011, L"Hide"},
    {R, 4012, L"Grid"},
    {R, 4013, L"Mesh"},
    {R, 4014, L"Shade"},
    {G, 0, L"Section Display Mode:"},
    {R, 4015, L"Auto"},
    {R, 4016, L"Hide"},
    {R, 4017, L"Plane"},
    {R, 4018, L"Geometry"},
    {R, 4019, L"Element"},
    {G, 0, L"Option"},
    {C, 4031, L"Show edges on shade mode"},
    {C, 4032, L"Show coordinate system"},
    {C, 4033, L"Print Mode"},
};

// --- section page ---

const C_Item G_450[] = {VT_TOOL_EDIT_COMMON({R, 3102, L"Material"}, {R, 3103, L"Property"}, {R, 3104, L"Geometry"},
                                            {R, 3106, L"Element"}, {R, 3107, L"Section"})};
const C_Item G_432[] = {
    {G, 0, L"Edit"},
    {B, 3120, L"Show Material List"},
    {B, 3121, L"Create New (C)"},
    {B, 3122, L"Modify Selected (F)"},
};
const C_Item G_433[] = {
    {G, 0, L"Edit"},
    {B, 3130, L"Show Property List"},
    {B, 3131, L"Create New (C)"},
    {B, 3132, L"Modify Selected (F)"},
    {B, 3133, L"Reconnect Selected's Material"},
    {B, 3134, L"Reconnect Selected's Section"},
    {G, 0, L"Palette"},
    {B, 3135, L"Pick Property By Selected (P)"},
};
const C_Item G_434[] = {
    {G, 0, L"Create (C)"},
    {B, 3140, L"Create Point"},
    {B, 3141, L"Create Line"},
    {B, 3142, L"Create Arc"},
    {B, 3143, L"Create Conics"},
    {B, 3144, L"Create Spline"},
    {B, 3145, L"Create Weld"},
    {G, 0, L"Edit"},
    {B, 3146, L"Delete Selected (D)"},
    {B, 3147, L"Modify Selected (F)"},
    {B, 3148, L"Move Selected (V)"},
    {B, 3149, L"Break"},
    {B, 3150, L"Chamfer"},
    {B, 3151, L"Corner"},
    {B, 3152, L"Reconnect Selected's Property"},
    {G, 0, L"Property Palette"},
    {B, 3153, L"Pick Selected's Property (P)"},
};
const C_Item G_436[] = {
    {G, 0, L"Property Palette"},
    {B, 3161, L"Pick Selected's Property (P)"},
    {G, 0, L"Tesellate && Merge Parameters:"},
    {E, 3162, L"Angle (in degree):"},
    {E, 3163, L"Length over Thk.:"},
    {G, 0, L"View Option:"},
    {C, 3164, L"Show Thickness"},
    {C, 3165, L"Show Loop"},
};
const C_Item G_437[] = {
    {G, 0, L"File"},
    {B, 3170, L"Export IGES Section"},
    {G, 0, L"Edit"},
    {B, 3171, L"Scale Section"},
    {B, 3172, L"Scale Section in X"},
    {B, 3173, L"Scale Section in Y"},
};
const C_Item G_438[] = {VT_TOOL_CONFIRM};
const C_Item G_439[] = {VT_TOOL_CONFIRM, VT_TOOL_POINT_SECT};
const C_Item G_440[] = {VT_TOOL_CONFIRM_APPLY};
const C_Item G_441[] = {VT_TOOL_CONFIRM_APPLY, VT_TOOL_POINT_SECT};

const C_Item G_422[] = {
    {G, 0, L"General:"},
    {B, 3051, L"Analysis Details"},
    {B, 3052, L"Sensitivity"},
    {B, 3053, L"Copy Result as Compared"},
    {B, 3054, L"Copy Result to Clipboard"},
    {G, 0, L"Assumption Mode:"},
    {R, 3062, L"Upper (All stable post buckling)"},
    {R, 3061, L"Lower (Instable if any buckling)"},
    {G, 0, L"Load Case:"},
    {R, 3071, L"Axial F+"},
    {R, 3072, L"Axial F-"},
    {R, 3073, L"Bending Mx+"},
    {R, 3074, L"Bending Mx-"},
    {R, 3075, L"Bending My+"},
    {R, 3076, L"Bending My-"},
    {G, 0, L"Sheet Option:"},
    {C, 3080, L"Scientific"},
    {C, 3081, L"Value: Max"},
    {C, 3082, L"Value: Critical"},
    {C, 3083, L"Value: Corner"},
    {C, 3084, L"Value: Average"},
    {C, 3085, L"Value: Min"},
    {G, 0, L"View Option:"},
    {C, 3091, L"Show Weakest Element Mark"},
    {C, 3092, L"Show 360\u00b0 Moment Of Inertia"},
    {C, 3093, L"Show Principal Axes"},
    {C, 3094, L"Show Shear Center"},
};
const C_Item G_421[] = {
    {G, 0, L"General:"},
    {B, 3001, L"Reset View"},
    {B, 3002, L"Adjust View"},
    {B, 3003, L"Center View"},
    {G, 0, L"Color Mode:"},
    {R, 3021, L"Material"},
    {R, 3022, L"Property"},
    {G, 0, L"Option:"},
    {C, 3031, L"Show Grid Guides : Scale ="},
    {E, 3032, nullptr},
    {C, 3033, L"Show Nodes"},
    {C, 3034, L"Show Coordinate System"},
    {C, 3035, L"Print Mode"},
};

#undef VT_TOOL_CONFIRM
#undef VT_TOOL_CONFIRM_APPLY
#undef VT_TOOL_POINT_XY
#undef VT_TOOL_POINT_SECT
#undef VT_TOOL_POINT_PROJ
#undef VT_TOOL_EDIT_COMMON
#undef VT_TOOL_SHOW_HIDE
#undef VT_TOOL_OPTION
#undef VT_TOOL_SIDE
#undef VT_TOOL_MODE_MOVE
#undef VT_TOOL_PICK_POSITION

struct C_Template {
    unsigned m_Id;
    std::span<const C_Item> m_Items;
};

const C_Template G_Templates[] = {
    {411, G_411}, {421, G_421}, {422, G_422}, {432, G_432}, {433, G_433}, {434, G_434}, {436, G_436},
    {437, G_437}, {438, G_438}, {439, G_439}, {440, G_440}, {441, G_441}, {450, G_450}, {451, G_451},
    {460, G_460}, {461, G_461}, {462, G_462}, {463, G_463}, {464, G_464}, {465, G_465}, {466, G_466},
    {467, G_467}, {468, G_468}, {469, G_469}, {470, G_470}, {471, G_471}, {472, G_472}, {473, G_473},
    {474, G_474}, {475, G_475}, {476, G_476},
};

const std::array<unsigned, std::size(G_Templates)> G_Template_Ids = [] {
    std::array<unsigned, std::size(G_Templates)> ids{};
    for (std::size_t i = 0; i < ids.size(); ++i)
        ids[i] = G_Templates[i].m_Id;
    return ids;
}();

} // namespace

std::span<const C_Item> G_Fn_Template(unsigned i_Id)
{
    for (const C_Template& t : G_Templates)
        if (t.m_Id == i_Id)
            return t.m_Items;
    return {};
}

std::span<const unsigned> G_Fn_Template_Ids()
{
    return G_Template_Ids;
}

} // namespace N_UI::N_Tool
