// Command ids of the menus, accelerators, toolbar and panes.
//
// Ids below 10000 are the program's one vocabulary: menus, accelerators and the tool dialogs send
// the same ids, and the project and section windows take the document commands among them. The
// framework's own commands (recent files, About, Exit, Cut, Copy, Paste, Undo, Redo, Clear) use
// wx's stock ids, since a wx menu id must stay below 0x7fff; the bars and panes of the View menu
// use ids above wx's reserved range.
#pragma once

#include <wx/defs.h>

namespace N_UI::N_Cmd {

enum E_Id : int {
    // Window management and customisation of the main frame.
    E_Id_Window_Manager = 107, // the tab area's window list stands for it
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

    // The framework's commands.
    E_Id_File_MRU_First = wxID_FILE1, // four recent files
    E_Id_File_MRU_Last = wxID_FILE1 + 3,
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
};

// Control ids of the four panes.
enum E_Id_Pane : int {
    E_Id_Pane_Tool = 1011,
    E_Id_Pane_Tree = 1012,
    E_Id_Pane_Property = 1013,
    E_Id_Pane_Output = 1014,
};

} // namespace N_UI::N_Cmd
