// The section's task starters: each cancels the running task before it starts its own, the
// creation starters remember their kind for the generic Create, and modify-selected opens the
// properties dialog only for exactly one selected point or entity.
#include "tests/sect/Test_Sect_Geom_Support.h"

#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_Exception.h"

namespace N_Test_Sect_Geom {
namespace {

using namespace N_Biz::N_Sect::N_State;
using N_Common::N_Exception::C_Exception;

class C_Sect_Task_Start : public C_Geom_Test {
protected:
    ~C_Sect_Task_Start() override
    {
        C_Mgr_D_Geom_E::S_Fn_Dlg_Property = nullptr;
        C_Mgr_D_Geom_E::S_Fn_Dlg_Property_Geom_P = nullptr;
    }
    std::uint32_t task() { return sect().M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(2); }
    // The selection sets: the given points and entities, in this order.
    void M_Fn_Select(const std::vector<C_Handle_D_Geom_P>& i_Points, const std::vector<std::uint32_t>& i_Entities)
    {
        points().M_Fn_Sel_P1_Clear();
        entities().M_Fn_Sel_P1_Clear();
        for (const C_Handle_D_Geom_P& h : i_Points)
            points().M_Fn_Sel_P0_Add(h);
        points().M_Fn_Sel_P1_Update_Or();
        points().M_Fn_Sel_P0_Clear();
        for (std::uint32_t id : i_Entities)
            entities().M_Fn_Sel_P0_Add(entities().M_Fn_Get_At(id).get());
        entities().M_Fn_Sel_P1_Update_Or();
        entities().M_Fn_Sel_P0_Clear();
    }
};

TEST_F(C_Sect_Task_Start, EachStarterEndsTheRunningTaskAndEntersItsOwn)
{
    C_Mgr_D_Geom_E& e = entities();
    using T_Fn = void (C_Mgr_D_Geom_E::*)();
    // Starter, task state entered with nothing selected, creation kind afterwards.
    const std::vector<std::tuple<T_Fn, std::uint32_t, std::uint32_t>> starters = {
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Point, 15, 1},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Arc, 17, 3},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete, 21, 3},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Conics, 18, 4},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify, 22, 4},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Spline, 19, 5},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move, 23, 5},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Weld, 20, 6},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_E_P_Palette_Sel, 30, 6},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line, 16, 2},
    };
    for (const auto& [fn, id, kind] : starters) {
        m_Codes.clear();
        (e.*fn)();
        EXPECT_EQ(task(), id);
        EXPECT_EQ(e.m_Create_Kind, kind) << id;
        // After the first, each starter ends a running task: idle (6), then its own task (6).
        if (id != 15) {
            EXPECT_EQ(std::count(m_Codes.begin(), m_Codes.end(), 6), 2) << id;
        }
    }
    // A start event without the cancel finds no transition in a running task, which stays.
    EXPECT_THROW(sect().M_Fn_Get_Mgr_State().M_Fn_Post<C_Event_D_Geom_Delete>(), C_Exception);
    EXPECT_EQ(task(), 16u);
    EXPECT_EQ(sect().M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Busy(), 0);
}

TEST_F(C_Sect_Task_Start, GenericCreateStartsLineOnANewSectionThenTheLastCreationTask)
{
    EXPECT_EQ(entities().m_Create_Kind, 2u);
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create();
    EXPECT_EQ(task(), 16u);
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Weld();
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move(); // not a creation task: the kind stays
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create();
    EXPECT_EQ(task(), 20u);
    for (std::uint32_t kind : {0u, 7u, 0xFFFFFFFFu}) {
        entities().m_Create_Kind = kind;
        try {
            entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create();
            ADD_FAILURE() << kind;
        } catch (const C_Exception& ex) {
            EXPECT_STREQ(C_Exception::S_Fn_File_Name(ex.M_Fn_File()), "Biz_Sect_Mgr_D_Geom_E_Task.cpp");
        }
        EXPECT_EQ(task(), 20u); // a bad kind posts nothing
    }
}

TEST_F(C_Sect_Task_Start, ModifySelectedTakesExactlyOnePointOrOneEntity)
{
    std::uint32_t a = 0, b = 0;
    M_Fn_Run(L"Lines", [&](const T_sp_Group& g) {
        a = M_Fn_Line_XY(g, 0, 0, 1, 0);
        b = M_Fn_Line_XY(g, 0, 1, 1, 1);
    });
    std::vector<std::string> calls;
    C_Mgr_D_Geom_E::S_Fn_Dlg_Property = [&](C_Mgr_D_Geom_E& ro_Mgr, std::uint32_t i_Index) {
        calls.push_back("E" + std::to_string(i_Index));
        T_sp_Entity sp_copy(ro_Mgr.M_Fn_Get_At(i_Index)->Clone_apo_D_Geom_Entity());
        dynamic_cast<C_D_Geom_E_Line&>(*sp_copy).m_Thk_Individual = 2.5f;
        ro_Mgr.M_Fn_Proc_Cmd_Top_Modify(i_Index, sp_copy);
    };
    C_Mgr_D_Geom_E::S_Fn_Dlg_Property_Geom_P = [&](C_Mgr_D_Geom_P&, std::uint32_t i_Index) {
        calls.push_back("P" + std::to_string(i_Index));
    };
    const C_Handle_D_Geom_P p3(3, {}), free_pos(0, {5, 5});
    struct C_Case {
        std::vector<C_Handle_D_Geom_P> m_Points;
        std::vector<std::uint32_t> m_Entities;
        int m_Result;
        std::vector<std::string> m_Calls;
    };
    const std::vector<C_Case> cases = {
        {{}, {}, 0, {}},
        {{}, {a, b}, 0, {}},
        {{p3}, {a}, 0, {}},
        {{free_pos}, {}, 0, {}},
        {{p3}, {}, 1, {"P3"}},
        {{}, {b}, 1, {"E" + std::to_string(b)}},
    };
    for (const C_Case& c : cases) {
        calls.clear();
        M_Fn_Select(c.m_Points, c.m_Entities);
        EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Modify_Selected(), c.m_Result) << c.m_Calls.size();
        EXPECT_EQ(calls, c.m_Calls);
    }
    EXPECT_EQ(M_Fn_Line_At(b).m_Thk_Individual, 2.5f);
    EXPECT_EQ(history().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Modify section geometry");
    // Without a window there is no dialog; the task still ends.
    C_Mgr_D_Geom_E::S_Fn_Dlg_Property = nullptr;
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Modify_Selected(), 1);
}

} // namespace
} // namespace N_Test_Sect_Geom
