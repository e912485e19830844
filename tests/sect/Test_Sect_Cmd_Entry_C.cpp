#include "biz/cmd/Biz_Cmd_Elem.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/cmd/Biz_Cmd_Mgr.h"
#include "biz/sect/Biz_Sect_Cmd_Entry_C.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Sub.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "tests/support/App_Port_Record.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using N_Biz::N_Sect::C_Mgr_State;
using N_Biz::N_Sect::N_Cmd::C_Entry_C;
using N_Biz::N_Sect::N_State::C_Event_C_Cancel;
using N_Biz::N_Sect::N_State::C_Machine_Top;
using N_Common::N_State::C_Machine;

namespace {

using C_Log = std::vector<std::string>;

struct C_Event_Probe_Start {};

// Stands in for an editing task of the section: started by a probe event, ended by the cancel,
// which writes into the log.
class C_Machine_Task_Probe : public N_Biz::N_Sect::N_State::C_Machine_Sub {};
constexpr std::uint32_t S_Id_Probe = 1000;

void G_Fn_Probe_Task_Add(C_Mgr_State& ro_Mgr_State, C_Log& ro_Log)
{
    C_Machine_Top* p_top = ro_Mgr_State.M_Fn_Get_Machine();
    p_top->M_Fn_Init_Add_Sub(S_Id_Probe, std::make_unique<C_Machine_Task_Probe>());
    p_top->M_Fn_Init_Register_Transition<C_Event_Probe_Start>(C_Machine_Top::E_Id_Task_Idle, S_Id_Probe, 0, {}, {});
    p_top->M_Fn_Init_Register_Transition<C_Event_C_Cancel>(
        S_Id_Probe, C_Machine_Top::E_Id_Task_Idle, 0, {}, [&ro_Log](const C_Event_C_Cancel&) { ro_Log.push_back("task cancelled"); });
}

// A section data change that writes into the log.
class C_Elem_Probe : public N_Biz::N_Cmd::C_Elem {
public:
    explicit C_Elem_Probe(C_Log& ro_Log) : m_Log(ro_Log) {}
    void MV_Fn_Execute() override { m_Log.push_back("data changed"); }
    void MV_Fn_Undo() override { m_Log.push_back("data reverted"); }
    void MV_Fn_Redo() override { m_Log.push_back("data changed again"); }
    C_Log& m_Log;
};

} // namespace

// --- The section's history entry -------------------------------------------------------------

TEST(C_Entry_C, UndoAndRedoCancelTheRunningTaskBeforeTheDataChange)
{
    C_Test_App t;
    C_Mgr_State holder(nullptr);
    C_Log log;
    std::vector<int> codes;
    holder.m_Fn_Signal = [&](std::int32_t code) { codes.push_back(code); log.push_back("signal " + std::to_string(code)); };
    G_Fn_Probe_Task_Add(holder, log);

    N_Biz::N_Cmd::C_Mgr mgr;
    auto sp_entry = std::make_shared<C_Entry_C>(L"Create section point", holder);
    EXPECT_EQ(sp_entry->M_Fn_Get_Sect(), holder.M_Fn_Get_Sect());
    EXPECT_EQ(&sp_entry->M_Fn_Get_Mgr_State(), &holder);
    mgr.M_Fn_Entry_Begin(sp_entry);
    auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
    sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
    sp_group->M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_Probe>(log));
    mgr.M_Fn_Entry_End();

    // A task runs when the user undoes.
    C_Machine::M_Fn_Event_Process<C_Event_Probe_Start>(holder.M_Fn_Get_Machine());
    log.clear();
    mgr.M_Fn_Undo();
    EXPECT_EQ(log, (C_Log{"task cancelled", "signal 6", "data reverted"}));
    EXPECT_EQ(holder.M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(2), C_Machine_Top::E_Id_Task_Idle);

    C_Machine::M_Fn_Event_Process<C_Event_Probe_Start>(holder.M_Fn_Get_Machine());
    log.clear();
    mgr.M_Fn_Redo();
    EXPECT_EQ(log, (C_Log{"task cancelled", "signal 6", "data changed again"}));

    // With no task running, the cancel is consumed quietly.
    log.clear();
    mgr.M_Fn_Undo();
    EXPECT_EQ(log, (C_Log{"data reverted"}));

    std::vector<std::string> msgs;
    for (const std::string& line : t.log_lines())
        if (line.rfind("Msg: ", 0) == 0)
            msgs.push_back(line);
    EXPECT_EQ(msgs, (std::vector<std::string>{"Msg: Done: Create section point", "Msg: Undo: Create section point",
                                              "Msg: Redo: Create section point", "Msg: Undo: Create section point"}));
}

TEST(C_Entry_C, HooksAfterTheChangeDoNothing)
{
    C_Mgr_State holder(nullptr);
    C_Entry_C entry(L"Move section geometry", holder);
    EXPECT_EQ(entry.M_Fn_Get_Name(), L"Move section geometry");
    EXPECT_EQ(entry.MV_Fn_On_Undo_Post(), 1);
    EXPECT_EQ(entry.MV_Fn_On_Redo_Post(), 1);
    EXPECT_EQ(holder.M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(2), 9u);
}
