// The section's task starters: each cancels the running task before it starts its own, the
// creation starters remember their kind for the generic Create, and the properties dialog runs
// only for a single selected entity.
#include "tests/sect/Test_Sect_Geom_Support.h"

#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Sub.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_Exception.h"

namespace N_Test_Sect_Geom {
namespace {

using namespace N_Biz::N_Sect::N_State;
using N_Common::N_Exception::C_Exception;

class C_Sect_Task_Start : public C_Geom_Test {
protected:
    // Stands in for the editing tasks: every start event enters a probe task (logging its name),
    // a cancel ends it (logging "cancel"); a cancel in the idle task state is consumed unlogged.
    template <class E>
    void M_Fn_Probe(std::string i_Name)
    {
        C_Machine_Top* p_top = sect().M_Fn_Get_Mgr_State().M_Fn_Get_Machine();
        p_top->M_Fn_Init_Register_Transition<E>(C_Machine_Top::E_Id_Task_Idle, K_Id_Probe, 0, {},
                                                [this, i_Name](const E&) { m_Log.push_back(i_Name); });
    }
    void M_Fn_Probes()
    {
        C_Machine_Top* p_top = sect().M_Fn_Get_Mgr_State().M_Fn_Get_Machine();
        p_top->M_Fn_Init_Add_Sub(K_Id_Probe, std::make_unique<C_Machine_Sub>());
        p_top->M_Fn_Init_Register_Transition<C_Event_C_Cancel>(K_Id_Probe, C_Machine_Top::E_Id_Task_Idle, 0, {},
                                                               [this](const C_Event_C_Cancel&) { m_Log.push_back("cancel"); });
        M_Fn_Probe<C_Event_D_Geom_Create_Point>("point");
        M_Fn_Probe<C_Event_D_Geom_Create_Line>("line");
        M_Fn_Probe<C_Event_D_Geom_Create_Arc>("arc");
        M_Fn_Probe<C_Event_D_Geom_Create_Conics>("conics");
        M_Fn_Probe<C_Event_D_Geom_Create_Spline>("spline");
        M_Fn_Probe<C_Event_D_Geom_Create_Weld>("weld");
        M_Fn_Probe<C_Event_D_Geom_Delete>("delete");
        M_Fn_Probe<C_Event_D_Geom_Modify>("modify");
        M_Fn_Probe<C_Event_D_Geom_Move>("move");
        M_Fn_Probe<C_Event_D_Geom_E_P_Palette_Sel>("palette");
    }
    // A dialog installed by a test never outlives it.
    ~C_Sect_Task_Start() override { C_Mgr_D_Geom_E::S_Fn_Dlg_Property = nullptr; }
    static constexpr std::uint32_t K_Id_Probe = 1000;
    std::vector<std::string> m_Log;
};

TEST_F(C_Sect_Task_Start, EachStarterCancelsFirstAndCreationStartersSetTheKind)
{
    M_Fn_Probes();
    C_Mgr_D_Geom_E& e = entities();
    using T_Fn = void (C_Mgr_D_Geom_E::*)();
    const std::vector<std::tuple<T_Fn, std::string, std::uint32_t>> starters = {
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Point, "point", 1},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Arc, "arc", 3},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete, "delete", 3},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Conics, "conics", 4},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify, "modify", 4},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Spline, "spline", 5},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move, "move", 5},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Weld, "weld", 6},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_E_P_Palette_Sel, "palette", 6},
        {&C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line, "line", 2},
    };
    std::vector<std::string> expected;
    for (const auto& [fn, name, kind] : starters) {
        (e.*fn)();
        // The first start finds no task to end; every later one ends the probe task first.
        if (!expected.empty())
            expected.push_back("cancel");
        expected.push_back(name);
        EXPECT_EQ(m_Log, expected) << name;
        EXPECT_EQ(e.m_Create_Kind, kind) << name;
        EXPECT_EQ(sect().M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(2), K_Id_Probe);
    }
}

TEST_F(C_Sect_Task_Start, GenericCreateStartsLineOnANewSectionThenTheLastCreationTask)
{
    M_Fn_Probes();
    EXPECT_EQ(entities().m_Create_Kind, 2u);
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create();
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Weld();
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move(); // not a creation task: the kind stays
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create();
    EXPECT_EQ(m_Log, (std::vector<std::string>{"line", "cancel", "weld", "cancel", "move", "cancel", "weld"}));
    for (std::uint32_t kind : {0u, 7u, 0xFFFFFFFFu}) {
        entities().m_Create_Kind = kind;
        try {
            entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create();
            ADD_FAILURE() << kind;
        } catch (const C_Exception& ex) {
            EXPECT_STREQ(C_Exception::S_Fn_File_Name(ex.M_Fn_File()), "Biz_Sect_Mgr_D_Geom_E_Task.cpp");
        }
    }
    EXPECT_EQ(m_Log.size(), 7u); // a bad kind posts nothing
}

TEST_F(C_Sect_Task_Start, StartEventWithoutItsTaskIsRefusedByTheMachineWhichStaysUsable)
{
    // Until the editing tasks exist the machine treats their start events as unknown.
    EXPECT_THROW(entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete(), C_Exception);
    C_Machine_Top* p_top = sect().M_Fn_Get_Mgr_State().M_Fn_Get_Machine();
    EXPECT_EQ(p_top->M_Fn_Get_Busy(), 0);
    EXPECT_EQ(p_top->M_Fn_Get_Id_Sub(2), static_cast<std::uint32_t>(C_Machine_Top::E_Id_Task_Idle));
    EXPECT_NO_THROW(N_Common::N_State::C_Machine::M_Fn_Event_Process<C_Event_C_Cancel>(p_top));
}

TEST_F(C_Sect_Task_Start, ModifySelectedOpensTheDialogOnlyForOneEntity)
{
    std::uint32_t a = 0, b = 0;
    M_Fn_Run(L"Lines", [&](const T_sp_Group& g) {
        a = M_Fn_Line_XY(g, 0, 0, 1, 0);
        b = M_Fn_Line_XY(g, 0, 1, 1, 1);
    });
    std::vector<std::uint32_t> calls;
    C_Mgr_D_Geom_E::S_Fn_Dlg_Property = [&](C_Mgr_D_Geom_E& ro_Mgr, std::uint32_t i_Index) {
        calls.push_back(i_Index);
        T_sp_Entity sp_copy(ro_Mgr.M_Fn_Get_At(i_Index)->Clone_apo_D_Geom_Entity());
        dynamic_cast<C_D_Geom_E_Line&>(*sp_copy).m_Thk_Individual = 2.5f;
        ro_Mgr.M_Fn_Proc_Cmd_Top_Modify(i_Index, sp_copy);
    };
    auto select = [&](std::vector<std::uint32_t> ids) {
        entities().M_Fn_Sel_P1_Clear();
        for (std::uint32_t id : ids) {
            entities().M_Fn_Sel_P0_Add(entities().M_Fn_Get_At(id).get());
            entities().M_Fn_Sel_P1_Update_Or();
            entities().M_Fn_Sel_P0_Clear();
        }
    };
    entities().M_Fn_Proc_Cmd_Top_Modify_Selected(); // nothing selected
    select({a, b});
    entities().M_Fn_Proc_Cmd_Top_Modify_Selected();
    EXPECT_TRUE(calls.empty());
    select({b});
    entities().M_Fn_Proc_Cmd_Top_Modify_Selected();
    EXPECT_EQ(calls, std::vector<std::uint32_t>{b});
    EXPECT_EQ(M_Fn_Line_At(b).m_Thk_Individual, 2.5f);
    EXPECT_EQ(history().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Modify section geometry");
    C_Mgr_D_Geom_E::S_Fn_Dlg_Property = nullptr;
    EXPECT_NO_THROW(entities().M_Fn_Proc_Cmd_Top_Modify_Selected()); // no window: nothing happens
    EXPECT_EQ(calls.size(), 1u);
}

} // namespace
} // namespace N_Test_Sect_Geom
