// Helpers of the tests on the project's editing machine: posting events and view input, the
// regions' active states, the change codes of one kind, and the picks that the tasks offer to
// their operations (one card, one node, one element, one section).
#pragma once

#include "biz/input/Biz_Input.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Event.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"
#include "tests/proj/Test_Proj_Support_Sect.h"

#include <algorithm>
#include <array>
#include <memory>

namespace N_Test_Proj {

namespace N_In = N_Biz::N_Input;
using N_Biz::N_Proj::N_State::C_Machine_Top;

class C_Proj_State_Test : public C_Proj_Sect_Test {
protected:
    using T_sp_Material = lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material>;
    using T_sp_Property = lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property>;

    C_Machine_Top* machine() { return m_Proj.M_Fn_Get_Mgr_State().M_Fn_Get_Machine(); }
    N_Biz::N_Proj::C_Mgr_Sel& sel() { return m_Proj.M_Fn_Get_Mgr_Sel(); }
    N_Biz::N_Proj::C_Mgr_Frame& frame() { return m_Proj.M_Fn_Get_Mgr_Frame(); }
    N_Biz::N_Proj::C_Mgr_D_DB_C_M& materials() { return m_Proj.M_Fn_Get_Mgr_D_DB_C_M(); }
    N_Biz::N_Proj::C_Mgr_D_DB_C_P& properties() { return m_Proj.M_Fn_Get_Mgr_D_DB_C_P(); }

    template <class E>
    void post()
    {
        N_Common::N_State::C_Machine::M_Fn_Event_Process<E>(machine());
    }
    // The active states of the error, input and task regions.
    std::array<std::uint32_t, 3> ids()
    {
        return {machine()->M_Fn_Get_Id_Sub(0), machine()->M_Fn_Get_Id_Sub(1), machine()->M_Fn_Get_Id_Sub(2)};
    }
    std::uint32_t task() { return machine()->M_Fn_Get_Id_Sub(C_Machine_Top::E_Region_Task); }
    std::uint32_t input_state() { return machine()->M_Fn_Get_Id_Sub(C_Machine_Top::E_Region_Input); }
    // How often code i_Code was fired since the codes were last cleared.
    long count(int i_Code) const { return std::count(m_Codes.begin(), m_Codes.end(), i_Code); }

    // One input of the project view, through the view manager's entry point.
    void in(std::int32_t i_Kind, std::int32_t i_X = 10, std::int32_t i_Y = 10, std::uint32_t i_Flags = 0)
    {
        auto sp = std::make_shared<N_In::C_Input>();
        sp->m_Kind = i_Kind;
        sp->m_X = i_X;
        sp->m_Y = i_Y;
        sp->m_Flags = i_Flags;
        frame().M_Fn_View_Main_On_Input(sp);
    }
    // The Esc and Enter commands of the project document.
    void esc() { post<N_Biz::N_Proj::N_State::C_Event_C_Cancel>(); }
    void enter() { post<N_Biz::N_Proj::N_State::C_Event_C_Apply>(); }
    // A task command of the project document: cancel, then the start event.
    template <class E>
    void start()
    {
        m_Proj.M_Fn_Get_Mgr_State().M_Fn_Task_Start<E>();
    }

    // A new material (property) card in the next free slot.
    T_sp_Material M_Fn_Material_Add(const std::wstring& i_Name)
    {
        T_sp_Material sp = M_Fn_Material(i_Name);
        materials().M_Fn_D_Add_At(materials().M_Fn_Get_Store().next_index(), sp);
        return sp;
    }
    T_sp_Property M_Fn_Property_Add(const std::wstring& i_Name)
    {
        T_sp_Property sp = M_Fn_Property(i_Name);
        properties().M_Fn_D_Add_At(properties().M_Fn_Get_Store().next_index(), sp);
        return sp;
    }
    // The card becomes its manager's selection set, with nothing left picked (no event posted).
    template <class Mgr, class T_sp>
    static void S_Fn_Select_Card(Mgr& ro_Mgr, const T_sp& ro_sp_Card)
    {
        ro_Mgr.M_Fn_Sel().M_Fn_Sel_P1_Clear();
        ro_Mgr.M_Fn_Sel().M_Fn_Sel_P0_Clear();
        ro_Mgr.M_Fn_Sel().M_Fn_Sel_P0_Add(ro_sp_Card);
        ro_Mgr.M_Fn_Sel().M_Fn_Sel_P1_Update_Yes();
        ro_Mgr.M_Fn_Sel().M_Fn_Sel_P0_Clear();
    }
    // Every selection set emptied (no event posted).
    void M_Fn_Select_None()
    {
        materials().M_Fn_Sel().M_Fn_Sel_P1_Clear();
        properties().M_Fn_Sel().M_Fn_Sel_P1_Clear();
        m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Clear();
        m_Proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P1_Clear();
        mgr().M_Fn_Sel_P1_Clear();
    }
    // A section of the project: the first of a new group of three when none is left.
    C_Sect* M_Fn_Sect_Any()
    {
        for (std::uint32_t g : M_Fn_Group_Slots())
            for (std::uint32_t s : M_Fn_Slots(g))
                return M_Fn_Sect(g, s);
        const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}, {20, 0, 0}});
        return M_Fn_Sect(g, 1);
    }
    std::size_t M_Fn_Sect_Count()
    {
        std::size_t n = 0;
        for (std::uint32_t g : M_Fn_Group_Slots())
            n += M_Fn_Slots(g).size();
        return n;
    }
};

} // namespace N_Test_Proj
