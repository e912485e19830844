// What material and property card rows share: the relation type their constructor requires, the
// display data (state, colours, tree hook), the binary tail (u32 flag word, then the normal colour
// as four floats; the shades are recomputed after reading) and the calls into the project tree.
#pragma once

#include "app/UI_Tree_Signal.h"
#include "biz/db/Biz_DB_Row_Common.h"
#include "biz/db/Biz_DB_Row_Display.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_DB::N_Impl {

// Picks the qualified function name of the card class for exception reports.
template <E_Type_Relation R>
constexpr const char* G_Fn_Card_Name(const char* i_Material, const char* i_Property)
{
    return R == E_Type_Relation_C_Material ? i_Material : i_Property;
}

template <class Derived, E_Type_Relation R, class Mgr>
class C_Row_Card : public C_Row_Common {
public:
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table) override
    {
        const E_Result result = M_Fn_Stream_Serialize_Row_I(
            ro_Stream, i_ro_Table, [](E_Type_Relation i_Type) { return i_Type == R; },
            [this](const C_Info_Table* i_ro_Bound) {
                Derived fresh(i_ro_Bound);
                M_Fn_Swap_Card(fresh);
            });
        if (result != E_Result_Success)
            return result;
        return m_Display.M_Fn_Stream_Serialize_I(ro_Stream, m_u32_Flag);
    }

    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream, int i_Nested) const override
    {
        const E_Result result = M_Fn_Stream_Serialize_Row_O(ro_Stream, i_Nested);
        if (result != E_Result_Success)
            return result;
        return m_Display.M_Fn_Stream_Serialize_O(ro_Stream, m_u32_Flag);
    }

    // The card entered manager i_p_Mgr: its tree item is added below the manager's folder hook
    // i_p_Parent (null: a manager without a tree).
    void M_Fn_Rel_Self_On_Add(Mgr* i_p_Mgr, const N_UI::N_Tree::C_Signal* i_p_Parent)
    {
        if constexpr (R == E_Type_Relation_C_Material)
            M_Fn_Tree().M_Fn_On_Add_Proj_D_DB_C_M_Mgr_I(i_p_Mgr, static_cast<Derived*>(this), i_p_Parent);
        else
            M_Fn_Tree().M_Fn_On_Add_Proj_D_DB_C_P_Mgr_I(i_p_Mgr, static_cast<Derived*>(this), i_p_Parent);
    }
    // The card left its manager: its tree item goes.
    void M_Fn_Rel_Self_On_Remove() { M_Fn_Tree().M_Fn_On_Remove(); }
    // The card was modified: its tree item's text follows.
    void M_Fn_On_Be_Modified() { M_Fn_Tree().M_Fn_On_Rename(); }

    N_Impl::C_Row_Display m_Display;

protected:
    explicit C_Row_Card(const C_Info_Table* i_ro_Table) : C_Row_Common(i_ro_Table)
    {
        if (i_ro_Table && i_ro_Table->M_Fn_Type_Relation() != R)
            VT_THROW((G_Fn_Card_Name<R>("N_Biz::N_DB::C_Row_C_Material::C_Row_C_Material",
                                        "N_Biz::N_DB::C_Row_C_Property::C_Row_C_Property")));
    }
    C_Row_Card(const C_Row_Card& ro_Other) : C_Row_Common(ro_Other), m_Display(ro_Other.m_Display) {}
    C_Row_Card(C_Row_Card&& ro_Other) noexcept
        : C_Row_Common(std::move(ro_Other)), m_Display(N_Impl::C_Row_Display::C_No_Hook())
    {
        m_Display.swap(ro_Other.m_Display);
    }
    void M_Fn_Swap_Card(C_Row_Card& ro_Other) noexcept
    {
        M_Fn_Swap_Common(ro_Other);
        m_Display.swap(ro_Other.m_Display);
    }

private:
    N_UI::N_Tree::C_Signal& M_Fn_Tree()
    {
        if (!m_Display.m_sp_Tree)
            VT_THROW((G_Fn_Card_Name<R>("N_Biz::N_DB::C_Row_C_Material::M_Fn_Rel_Self",
                                        "N_Biz::N_DB::C_Row_C_Property::M_Fn_Rel_Self")));
        return *m_Display.m_sp_Tree;
    }
};

} // namespace N_Biz::N_DB::N_Impl
