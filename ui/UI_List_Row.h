// The list dialog's work without its window: the buttons it offers, the columns and rows of the
// project's section, material or property cards or of the section's sensitivities, and what its
// buttons do. The dialog window (UI_List_Dlg) creates a button per entry of M_Fn_Buttons, draws
// the columns and items into its report list, and calls the handlers with the selected item.
//
// Nothing here catches: a failure reaches the command that opened the dialog. Items inserted
// before a failure stay in the list.
#pragma once

#include "biz/db/Biz_DB_Enum.h"
#include "biz/sect/Biz_Sect_Result.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace N_Biz::N_Proj {
class C_Proj;
}
namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_UI::N_List {

// Control ids of the dialog.
enum E_Id : int {
    E_Id_List = 1201,
    E_Id_Create = 1202,
    E_Id_Detail = 1203,
    E_Id_Select = 1204,
    E_Id_Yield = 1205,
    E_Id_Thk = 1206,
    E_Id_Area = 1207,
};

// One row of the list: its cells (the first is the item's text), its item data and whether it
// is shown selected.
struct C_Item {
    std::vector<std::wstring> m_Cells;
    std::uintptr_t m_Data = 0;
    bool m_Selected = false;
};

struct C_Button {
    int m_Id = 0;
    std::wstring m_Text;
    bool m_Radio = false;   // a radio-style button whose check the dialog sets
    bool m_Checked = false;
};

class C_List_Model {
public:
    // Set by the opener before M_Fn_Init.
    std::int32_t m_Kind = 0; // 1 section, 2 material, 3 property cards, 5 sensitivities
    N_Biz::N_Sect::C_Sect* m_p_Sect = nullptr;
    N_Biz::N_Proj::C_Proj* m_p_Proj = nullptr;
    std::int32_t m_Select = 0;
    std::int32_t m_Preselect = 0;
    // The chosen row's item data, valid after Select ended the dialog.
    std::int32_t m_Result = 0;

    // The buttons and their first fill: a kind other than 1, 2, 3, 5 throws C_Exception before
    // anything is listed. Kind 5 runs the section's two sensitivity calculations.
    void M_Fn_Init();
    // The two steps of M_Fn_Init: the buttons (with the kind's check), then the first fill.
    void M_Fn_Init_Buttons();
    void M_Fn_Init_Fill();

    // --- the report list ("C_Ctrl") ---
    // Fill with the project's cards (no project, or a card without a name: C_Exception).
    void M_Fn_Target_Items_D_DB_C_Section(std::int32_t i_Preselect);
    void M_Fn_Target_Items_D_DB_C_Material(std::int32_t i_Preselect);
    void M_Fn_Target_Items_D_DB_C_Property(std::int32_t i_Preselect);
    // Fill with sensitivity results under the configuration's bound option.
    void M_Fn_Target_Items_Sen(const N_Biz::N_Sect::C_Result_Str_Sen_List& ro_List);
    // The card kind's fill.
    void M_Fn_Fill_Cards(std::int32_t i_Preselect);

    // --- buttons; i_Selected is the selected item's index, -1 for none ---
    // A sensitivity button (by index in M_Fn_Buttons): check it and list its results.
    void M_Fn_On_Radio(std::size_t i_Button);
    // Select: false with nothing selected ("Please select a row first." shown); else the result
    // is the item's data and true (the dialog ends with OK).
    bool M_Fn_On_Select(long i_Selected);
    // Create and Detail open the property dialog on the project (C_Dlg::S_Fn_Property of the
    // project) and fill the list again.
    void M_Fn_On_Create(long i_Selected);
    void M_Fn_On_Detail(long i_Selected);

    const std::vector<C_Button>& M_Fn_Buttons() const { return m_Buttons; }
    const std::vector<std::wstring>& M_Fn_Columns() const { return m_Columns; }
    const std::vector<C_Item>& M_Fn_Items() const { return m_Items; }
    std::size_t M_Fn_Radio_Current() const { return m_Radio_Current; }
    const N_Biz::N_Sect::C_Result_Str_Sen_List& M_Fn_Sen_Y() const { return m_Sen_Y; }

    // Raised after the columns or items changed (the window redraws the list).
    std::function<void()> m_Fn_Changed;

private:
    // One card kind's fill: the store i_Fn_Store gives, walked backwards; i_Fn_Extra(row, item)
    // may skip a row (false) or set the item data and add cells after the card type; i_Values
    // are the value columns.
    template <class F_Store, class F_Extra>
    void M_Fn_Fill_Cards_Of(const char* i_Function, const std::vector<std::wstring>& ro_Columns,
                            std::int32_t i_Preselect, F_Store&& i_Fn_Store,
                            std::initializer_list<N_Biz::N_DB::E_Id_Column> i_Values, F_Extra&& i_Fn_Extra);
    void M_Fn_Clear_Rows();
    void M_Fn_Columns_Set(std::vector<std::wstring> i_Columns);
    void M_Fn_Changed();

    std::vector<C_Button> m_Buttons;
    std::size_t m_Radio_Current = 0;
    std::size_t m_Index_Y = 0, m_Index_Thk = 0, m_Index_Area = 0;
    N_Biz::N_Sect::C_Result_Str_Sen_List m_Sen_Y, m_Sen_Thk, m_Sen_Area;
    bool m_Has_Rows = false;
    std::vector<std::wstring> m_Columns;
    std::vector<C_Item> m_Items;
};

} // namespace N_UI::N_List
