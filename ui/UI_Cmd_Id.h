// Command ids of the menus, accelerators, toolbar and panes.
//
// Ids below 10000 are the program's one vocabulary: menus, accelerators and the tool dialogs send
// the same ids, and the project and section windows take the document commands among them. The
// framework's own commands (About, Exit, Cut, Copy, Paste, Undo, Redo, Clear) use wx's stock ids,
// since a wx menu id must stay below 0x7fff; the recent files and the bars and panes of the View
// menu use ids above wx's reserved range.
//
// No id of wx's stock range (wxID_LOWEST to wxID_HIGHEST) reaches a wx menu, menu bar or toolbar
// as it is: GTK gives a stock id its own accelerator and image (wxID_EXIT comes with Ctrl+Q, and
// the explorer's 5006 "Detail" is wxID_EXIT's number). Such a command enters a menu or toolbar as
// G_Fn_Id_Wx (shifted out of the range), and the main frame turns the command and update events
// of such an entry back into the command (G_Fn_Id_Cmd) before any handler sees them.
#pragma once

#include <wx/defs.h>

namespace N_UI::N_Cmd {

enum E_Id : int {
    // Window management and customisation of the main frame.
    E_Id_Window_Manager = 107, // "&Windows...": the list of the document windows
    E_Id_Customize = 121,      // "Customize..." of the toolbar
    E_Id_Output_Hide = 122,    // "&Hide" of the output pane's popup
    E_Id_Look_First = 131,     // "&Application Look": 131 to 139
    E_Id_Look_Last = 139,

    // Application commands of the File menu.
    E_Id_File_Proj_New = 2001,
    E_Id_File_Proj_Open = 2002,
    E_Id_File_Proj_Close = 2003,
    E_Id_File_Proj_Save = 2004,
    E_Id_File_Proj_Save_As = 2005,
    E_Id_File_Proj_Print = 2006,
    E_Id_File_Proj_View_Open = 2007,
    E_Id_File_Proj_View_Close = 2008,

    // Document commands of the main toolbar and the accelerators (taken by the project and
    // section windows; disabled while no such window takes them).
    E_Id_View_Reset = 2101,
    E_Id_View_Adjust = 2102,
    E_Id_View_Center = 2103,
    E_Id_View_XY = 2111,
    E_Id_View_YX = 2112,
    E_Id_View_ZX = 2113,
    E_Id_View_XZ = 2114,
    E_Id_View_YZ = 2115,
    E_Id_View_ZY = 2116,
    E_Id_Disp_Grid = 2121,
    E_Id_Edit_Apply = 2201,
    E_Id_Edit_Cancel = 2202,
    E_Id_Edit_Create = 2203,
    E_Id_Edit_Delete = 2204,
    E_Id_Edit_Modify = 2205,
    E_Id_Edit_Move = 2206,
    E_Id_Edit_Palette_Sel = 2211,
    E_Id_Edit_Hide_Sel = 2221,
    E_Id_Edit_Hide_Unsel = 2222,
    E_Id_Edit_Sel_Geometry = 2233,
    E_Id_Doc_First = 2100, // the document commands' block: 2100 to 4999
    E_Id_Doc_Last = 4999,

    // --- section document commands (its menus and the section tool dialogs) ---
    E_Id_Edit_Palette_List = 2212,
    E_Id_Edit_Hide_Reverse = 2223,
    E_Id_Edit_Hide_Cancel_All = 2224,
    E_Id_Edit_Hide_Cancel_Type = 2225,
    E_Id_Edit_Sel_Material = 2231,
    E_Id_Edit_Sel_Property = 2232,
    E_Id_Edit_Sel_Node = 2234,
    E_Id_Edit_Sel_Element = 2235,
    E_Id_Edit_Sel_Sect = 2237,
    E_Id_Sect_View_Reset = 3001,
    E_Id_Sect_View_Adjust = 3002,
    E_Id_Sect_View_Center = 3003,
    E_Id_Sect_Disp_C_M = 3021,
    E_Id_Sect_Disp_C_P = 3022,
    E_Id_Sect_Disp_S_G = 3031,
    E_Id_Sect_Disp_S_G_V = 3032,
    E_Id_Sect_Disp_S_N = 3033,
    E_Id_Sect_Disp_S_Sys_Coord = 3034,
    E_Id_Sect_Disp_Print_Mode = 3035,
    E_Id_Sect_Anls_Details = 3051,
    E_Id_Sect_Anls_Sensitivity = 3052,
    E_Id_Sect_Anls_Result_Copy_As_Compared = 3053,
    E_Id_Sect_Anls_Result_Copy_To_Clipboard = 3054,
    E_Id_Sect_Anls_Str_Bound_Lower = 3061,
    E_Id_Sect_Anls_Str_Bound_Upper = 3062,
    E_Id_Sect_Anls_Str_Case_S_F_A_Z_P = 3071, // 3071 to 3076: Fz+, Fz-, Mx+, Mx-, My+, My-
    E_Id_Sect_Anls_Str_Case_S_F_A_Z_N = 3072,
    E_Id_Sect_Anls_Str_Case_S_M_B_X_P = 3073,
    E_Id_Sect_Anls_Str_Case_S_M_B_X_N = 3074,
    E_Id_Sect_Anls_Str_Case_S_M_B_Y_P = 3075,
    E_Id_Sect_Anls_Str_Case_S_M_B_Y_N = 3076,
    E_Id_Sect_Anls_Sheet_Scientific = 3080,
    E_Id_Sect_Anls_Sheet_Show_Max = 3081, // 3081 to 3085: maximum, critical, corner, average, minimum
    E_Id_Sect_Anls_Sheet_Show_Cri = 3082,
    E_Id_Sect_Anls_Sheet_Show_P_P = 3083,
    E_Id_Sect_Anls_Sheet_Show_P_A = 3084,
    E_Id_Sect_Anls_Sheet_Show_P_V = 3085,
    E_Id_Sect_Anls_S_Weakest = 3091,
    E_Id_Sect_Anls_S_360_Moment_Inertia = 3092,
    E_Id_Sect_Anls_S_Principal = 3093,
    E_Id_Sect_Anls_S_Shear = 3094,
    E_Id_Sect_Edit_T_D_DB_C_M = 3102,
    E_Id_Sect_Edit_T_D_DB_C_P = 3103,
    E_Id_Sect_Edit_T_D_Geom = 3104,
    E_Id_Sect_Edit_T_D_Tess = 3106,
    E_Id_Sect_Edit_T_D_Sect = 3107,
    E_Id_Sect_Edit_D_DB_C_M_List = 3120,
    E_Id_Sect_Edit_D_DB_C_M_Create = 3121,
    E_Id_Sect_Edit_D_DB_C_M_Modify = 3122,
    E_Id_Sect_Edit_D_DB_C_P_List = 3130,
    E_Id_Sect_Edit_D_DB_C_P_Create = 3131,
    E_Id_Sect_Edit_D_DB_C_P_Modify = 3132,
    E_Id_Sect_Edit_D_DB_C_P_Reconnect_C_M = 3133,
    E_Id_Sect_Edit_D_DB_C_P_Reconnect_C_S = 3134,
    E_Id_Sect_Edit_D_DB_C_P_Palette_Sel = 3135,
    E_Id_Sect_Edit_D_Geom_C_Point = 3140,
    E_Id_Sect_Edit_D_Geom_C_Line = 3141,
    E_Id_Sect_Edit_D_Geom_C_Arc = 3142,
    E_Id_Sect_Edit_D_Geom_C_Conics = 3143,
    E_Id_Sect_Edit_D_Geom_C_Spline = 3144,
    E_Id_Sect_Edit_D_Geom_C_Weld = 3145,
    E_Id_Sect_Edit_D_Geom_Delete = 3146,
    E_Id_Sect_Edit_D_Geom_Modify = 3147,
    E_Id_Sect_Edit_D_Geom_Move = 3148,
    E_Id_Sect_Edit_D_Geom_Break = 3149,
    E_Id_Sect_Edit_D_Geom_Chamfer = 3150,
    E_Id_Sect_Edit_D_Geom_Corner = 3151,
    E_Id_Sect_Edit_D_Geom_Reconnect_C_P = 3152,
    E_Id_Sect_Edit_D_Geom_P_Palette_Sel = 3153,
    E_Id_Sect_Edit_D_Tess_P_Palette_Sel = 3161,
    E_Id_Sect_Edit_D_Tess_Merge_Angle = 3162,
    E_Id_Sect_Edit_D_Tess_Merge_L_Thk = 3163,
    E_Id_Sect_Edit_D_Tess_Show_Thk = 3164,
    E_Id_Sect_Edit_D_Tess_Show_Loop = 3165,
    E_Id_Sect_Edit_D_Sect_Export = 3170,
    E_Id_Sect_Edit_D_Sect_Scale = 3171,
    E_Id_Sect_Edit_D_Sect_Scale_X = 3172,
    E_Id_Sect_Edit_D_Sect_Scale_Y = 3173,

    // --- project document commands (its menus, the main toolbar and the project tool dialogs) ---
    E_Id_Edit_Sel_Model = 2236,
    E_Id_Proj_View_Reset = 4001,
    E_Id_Proj_View_Adjust = 4002,
    E_Id_Proj_View_Center = 4003,
    E_Id_Proj_View_XY = 4004, // 4004 to 4009: XY, YX, ZX, XZ, YZ, ZY
    E_Id_Proj_View_YX = 4005,
    E_Id_Proj_View_ZX = 4006,
    E_Id_Proj_View_XZ = 4007,
    E_Id_Proj_View_YZ = 4008,
    E_Id_Proj_View_ZY = 4009,
    E_Id_Proj_Disp_M_Auto = 4010, // 4010 to 4014: model display Auto, Hide, Grid, Mesh, Shade
    E_Id_Proj_Disp_M_Hide = 4011,
    E_Id_Proj_Disp_M_Grid = 4012,
    E_Id_Proj_Disp_M_Mesh = 4013,
    E_Id_Proj_Disp_M_Shade = 4014,
    E_Id_Proj_Disp_S_Auto = 4015, // 4015 to 4019: section display Auto, Hide, Plane, Geometry, Element
    E_Id_Proj_Disp_S_Hide = 4016,
    E_Id_Proj_Disp_S_Plane = 4017,
    E_Id_Proj_Disp_S_Geom = 4018,
    E_Id_Proj_Disp_S_Tess = 4019,
    E_Id_Proj_Disp_C_Material = 4021,
    E_Id_Proj_Disp_C_Property = 4022,
    E_Id_Proj_Disp_S_Edge = 4031,
    E_Id_Proj_Disp_S_Sys_Coord = 4032,
    E_Id_Proj_Disp_Print_Mode = 4033,
    E_Id_Proj_Edit_D_DB_N_Set_Center = 4040,
    E_Id_Proj_Edit_T_D_DB_C_M = 4101, // 4101 to 4106: the select & edit modes of the tool dialogs
    E_Id_Proj_Edit_T_D_DB_C_P = 4102,
    E_Id_Proj_Edit_T_D_DB_N = 4103,
    E_Id_Proj_Edit_T_D_DB_E = 4104,
    E_Id_Proj_Edit_T_D_M = 4105,
    E_Id_Proj_Edit_T_D_S = 4106,
    E_Id_Proj_Edit_D_DB_C_M_List = 4111,
    E_Id_Proj_Edit_D_DB_C_M_Create = 4112,
    E_Id_Proj_Edit_D_DB_C_M_Modify = 4113,
    E_Id_Proj_Edit_D_DB_C_M_Hide_Sel = 4116, // 4116 to 4119: hide selected, unselected, reverse, unhide all
    E_Id_Proj_Edit_D_DB_C_M_Hide_Unsel = 4117,
    E_Id_Proj_Edit_D_DB_C_M_Hide_Reverse = 4118,
    E_Id_Proj_Edit_D_DB_C_M_Hide_Cancel_All = 4119,
    E_Id_Proj_Edit_D_DB_C_P_List = 4121,
    E_Id_Proj_Edit_D_DB_C_P_Create = 4122,
    E_Id_Proj_Edit_D_DB_C_P_Modify = 4123,
    E_Id_Proj_Edit_D_DB_C_P_Reconnect_C_S = 4124,
    E_Id_Proj_Edit_D_DB_C_P_Reconnect_C_M = 4125,
    E_Id_Proj_Edit_D_DB_C_P_Palette_Sel = 4126,
    E_Id_Proj_Edit_D_DB_C_P_Hide_Sel = 4136, // 4136 to 4139 as 4116 to 4119
    E_Id_Proj_Edit_D_DB_C_P_Hide_Unsel = 4137,
    E_Id_Proj_Edit_D_DB_C_P_Hide_Reverse = 4138,
    E_Id_Proj_Edit_D_DB_C_P_Hide_Cancel_All = 4139,
    E_Id_Proj_Edit_D_DB_N_Modify = 4141,
    E_Id_Proj_Edit_D_DB_E_Modify = 4151,
    E_Id_Proj_Edit_D_DB_E_Reconnect_C_P = 4152,
    E_Id_Proj_Edit_D_DB_E_P_Palette_Sel = 4153,
    E_Id_Proj_Edit_D_DB_E_Hide_Sel = 4156, // 4156 to 4159 as 4116 to 4119
    E_Id_Proj_Edit_D_DB_E_Hide_Unsel = 4157,
    E_Id_Proj_Edit_D_DB_E_Hide_Reverse = 4158,
    E_Id_Proj_Edit_D_DB_E_Hide_Cancel_All = 4159,
    E_Id_Proj_Edit_D_M_I_Dyna = 4161,
    E_Id_Proj_Edit_D_M_I_Nastran = 4162,
    E_Id_Proj_Edit_D_M_4163 = 4163, // taken, no effect
    E_Id_Proj_Edit_D_M_4164 = 4164,
    E_Id_Proj_Edit_D_S_Import = 4171,
    E_Id_Proj_Edit_D_S_Create = 4172,
    E_Id_Proj_Edit_D_S_Insert = 4173,
    E_Id_Proj_Edit_D_S_Redirect = 4174,
    E_Id_Proj_Edit_D_S_Move = 4175,
    E_Id_Proj_Edit_D_S_Delete = 4176,
    E_Id_Proj_Edit_D_S_View_Open = 4177,
    E_Id_Proj_Edit_D_S_View_Close = 4178,
    E_Id_Proj_Edit_D_S_C_Sel_N_Scrn = 4181,
    E_Id_Proj_Edit_D_S_C_Sel_N_Data = 4182,
    E_Id_Proj_Edit_D_S_C_Coord_Auto = 4183, // 4183 to 4187: plane heading 0 to 4
    E_Id_Proj_Edit_D_S_C_Coord_G_XY = 4184,
    E_Id_Proj_Edit_D_S_C_Coord_G_XZ = 4185,
    E_Id_Proj_Edit_D_S_C_Coord_G_YZ = 4186,
    E_Id_Proj_Edit_D_S_C_Coord_V_Z = 4187,
    E_Id_Proj_Edit_D_S_C_Pos_Axis = 4191,
    E_Id_Proj_Edit_D_S_C_Pos_Free = 4192,
    E_Id_Proj_Edit_D_S_C_Beside_Before = 4193,
    E_Id_Proj_Edit_D_S_C_Beside_After = 4194,
    E_Id_Proj_Edit_D_S_C_Auto_Weld = 4195,
    E_Id_Proj_Edit_D_S_C_Auto_Adjust = 4196,
    E_Id_Proj_Edit_D_S_C_Model_Cut = 4197,
    E_Id_Proj_Edit_D_S_C_Extra_V = 4198,

    // The framework's commands.
    E_Id_App_About = wxID_ABOUT,
    E_Id_App_Exit = wxID_EXIT,
    E_Id_Edit_Cut = wxID_CUT,
    E_Id_Edit_Copy = wxID_COPY,
    E_Id_Edit_Paste = wxID_PASTE,
    E_Id_Edit_Undo = wxID_UNDO,
    E_Id_Edit_Redo = wxID_REDO,
    E_Id_Output_Clear = wxID_CLEAR,

    // The View menu's bars and panes.
    E_Id_View_Status_Bar = wxID_HIGHEST + 1,
    E_Id_View_Bar_Standard = wxID_HIGHEST + 2,
    E_Id_View_Pane_Tool = wxID_HIGHEST + 3,
    E_Id_View_Pane_Tree = wxID_HIGHEST + 4,
    E_Id_View_Pane_Property = wxID_HIGHEST + 5,
    E_Id_View_Pane_Output = wxID_HIGHEST + 6,

    // The four recent files (the file history's entries; wx's own wxID_FILE1 lies in its stock
    // range).
    E_Id_File_MRU_First = wxID_HIGHEST + 11,
    E_Id_File_MRU_Last = wxID_HIGHEST + 14,
};

// How far a stock-range command is shifted on its way into a wx menu or toolbar: its entry's id
// lies above every id of the program and below wx's limit of 0x7fff.
inline constexpr int G_Id_Wx_Shift = 20000;

// The id under which command i_Id enters a wx menu, menu bar or toolbar.
constexpr int G_Fn_Id_Wx(int i_Id)
{
    return i_Id >= wxID_LOWEST && i_Id <= wxID_HIGHEST ? i_Id + G_Id_Wx_Shift : i_Id;
}

// The command of a wx menu or toolbar entry's id i_Id_Wx (the inverse of G_Fn_Id_Wx).
constexpr int G_Fn_Id_Cmd(int i_Id_Wx)
{
    return i_Id_Wx >= wxID_LOWEST + G_Id_Wx_Shift && i_Id_Wx <= wxID_HIGHEST + G_Id_Wx_Shift ? i_Id_Wx - G_Id_Wx_Shift
                                                                                             : i_Id_Wx;
}

// Control ids of the four panes.
enum E_Id_Pane : int {
    E_Id_Pane_Tool = 1011,
    E_Id_Pane_Tree = 1012,
    E_Id_Pane_Property = 1013,
    E_Id_Pane_Output = 1014,
};

} // namespace N_UI::N_Cmd
