// The property dialog's work without its window: what it creates or shows, the type box's list,
// the conversion of a card to another table of its kind, and Apply. The dialog window
// (UI_Property_Dlg) fills the fields, calls M_Fn_Init from its initialisation, draws the grid and
// the type box, and calls M_Fn_Type_Change and M_Fn_Apply from its controls.
#pragma once

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_C_Section.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"
#include "ui/UI_Property_Row.h"

#include <cstdint>
#include <string>
#include <vector>

namespace N_UI::N_Property {

// The shown object's pointers (C_Target_Objects) are the caller's fields too.
class C_Dlg_Model : public C_Target_Objects {
public:
    enum E_Mode : std::uint32_t { E_Mode_Create = 1, E_Mode_Modify = 2 };
    enum E_Kind : std::uint32_t {
        E_Kind_C_S = 1,
        E_Kind_C_M = 2,
        E_Kind_C_P = 3,
        E_Kind_N = 4,
        E_Kind_E = 5,
        E_Kind_M = 6,
        E_Kind_S = 7,
        E_Kind_Geom_P = 8,
        E_Kind_Geom_E = 9,
        E_Kind_Tess_N = 10,
        E_Kind_Tess_E = 11,
    };

    C_Dlg_Model() = default;
    C_Dlg_Model(const C_Dlg_Model&) = delete;
    C_Dlg_Model& operator=(const C_Dlg_Model&) = delete;

    // The caller's fields, set before M_Fn_Init, besides the shown object's pointers.
    std::uint32_t m_Mode = 0;
    std::uint32_t m_Kind = 0;
    std::uint32_t m_Id_Geom = 0;
    bool m_Read_Only = false;

    // The dialog's own state.
    bool m_Modified = false;
    std::uint32_t m_Id_New = 0;
    N_Common::N_Pointer::lesser_shared_ptr<N_Biz::N_DB::C_Row_Common> m_sp_New_C_S;
    N_Common::N_Pointer::lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material> m_sp_New_C_M;
    N_Common::N_Pointer::lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property> m_sp_New_C_P;
    std::int32_t m_Type_Index = -1;
    C_Ctrl m_Ctrl;

    // The Apply button's text: "Create" in mode 1, "Modify" in mode 2; another mode throws.
    std::wstring M_Fn_Apply_Text() const;
    // Builds the new row (Create) and fills the grid and the type list by kind; the misuse named
    // for each kind throws C_Exception.
    void M_Fn_Init();
    // The type box's entries and the selected one.
    const std::vector<std::wstring>& M_Fn_Types() const { return m_Types; }
    std::int32_t M_Fn_Type_Selected() const { return m_Type_Index; }
    // The type box accepted entry i_Index: -1 or the stored one change nothing; a material or
    // property card is converted to that table. The modified flag is set.
    void M_Fn_Type_Change(std::int32_t i_Index);
    // Apply: commits (Modify, when modified) or creates the card (Create). True when the dialog
    // ends with OK.
    bool M_Fn_Apply();

private:
    void M_Fn_Init_D_DB_C_S();
    void M_Fn_Init_D_DB_C_M();
    void M_Fn_Init_D_DB_C_P();
    // The card kinds' common course: the project is required (else C_Exception in the name of
    // i_Function); Create mode builds the new card ro_sp_New by i_Fn_New; the grid's target is the
    // caller's card i_p_Target, and it shows that card, or the new one in Create mode (none:
    // C_Exception); the type list of relation type i_Type has the shown card's table selected.
    template <class T_Card, class T_Shown, class F>
    void M_Fn_Init_Card(const N_Common::N_Pointer::lesser_shared_ptr<T_Card>& ro_sp_New, T_Card* i_p_Target,
                        void (C_Ctrl::*i_pfn_Target)(N_Biz::N_Proj::C_Proj*, T_Card*),
                        void (C_Ctrl::*i_pfn_Data)(const T_Shown&, bool), N_Biz::N_DB::E_Type_Relation i_Type,
                        const char* i_Function, F&& i_Fn_New);
    // The type list of relation type i_Type with ro_Title selected (missing title: C_Exception).
    void M_Fn_Types_Fill(N_Biz::N_DB::E_Type_Relation i_Type, const std::wstring& ro_Title);
    void M_Fn_Type_Change_D_DB_C_M(const std::wstring& i_Title);
    void M_Fn_Type_Change_D_DB_C_P(const std::wstring& i_Title);

    std::vector<std::wstring> m_Types;
};

} // namespace N_UI::N_Property
