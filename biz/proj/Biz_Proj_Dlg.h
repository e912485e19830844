// The modal dialogs that the project's card commands run: the card list (which can also pick one
// card) and the property dialog (which creates or edits one card, or edits one node or element row
// of a model). They belong to the window
// system, which installs them here; a project without a window has no dialog to show: the list
// then picks nothing and the property dialog does nothing.
#pragma once

#include <cstdint>
#include <functional>

namespace N_Biz::N_DB {
class C_Row_Relation;
}

namespace N_Biz::N_Proj {

class C_Proj;

class C_Dlg {
public:
    // Card kinds of the dialogs (the list shows the first three).
    enum E_Kind : std::uint32_t {
        E_Kind_C = 1,   // generic cards
        E_Kind_C_M = 2, // material cards
        E_Kind_C_P = 3, // property cards
        E_Kind_N = 4,   // a node row
        E_Kind_E = 5,   // a shell-element row
    };
    // Modes: the list shows (0) or picks one card (1); the property dialog creates (1) or modifies (2).
    enum E_Mode : std::uint32_t {
        E_Mode_List_Show = 0,
        E_Mode_List_Pick = 1,
        E_Mode_Property_Create = 1,
        E_Mode_Property_Modify = 2,
    };

    // The list dialog of one card kind over the project; in pick mode the identifier of the
    // picked card, 0 for none.
    using T_Fn_List = std::function<std::uint32_t(C_Proj&, std::uint32_t i_Kind, std::uint32_t i_Mode)>;
    // The property dialog: mode, card kind, the project and the card or row to modify (null to
    // create); the kind tells the row's class (a card of kinds 2 and 3, a C_Row_Node of kind 4, a
    // C_Row_Element_2D of kind 5).
    using T_Fn_Property =
        std::function<void(C_Proj&, std::uint32_t i_Mode, std::uint32_t i_Kind, N_DB::C_Row_Relation* i_p_Row)>;

    static T_Fn_List S_Fn_List;
    static T_Fn_Property S_Fn_Property;

    // Run the installed dialog, if any.
    static std::uint32_t S_Fn_List_Run(C_Proj& ro_Proj, std::uint32_t i_Kind, std::uint32_t i_Mode)
    {
        return S_Fn_List ? S_Fn_List(ro_Proj, i_Kind, i_Mode) : 0;
    }
    static void S_Fn_Property_Run(C_Proj& ro_Proj, std::uint32_t i_Mode, std::uint32_t i_Kind,
                                  N_DB::C_Row_Relation* i_p_Row)
    {
        if (S_Fn_Property)
            S_Fn_Property(ro_Proj, i_Mode, i_Kind, i_p_Row);
    }
};

} // namespace N_Biz::N_Proj
