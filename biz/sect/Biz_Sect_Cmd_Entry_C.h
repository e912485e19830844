// The history entry of every section edit.
//
// Before the history reverts or re-applies a section edit, the section's running editing task is
// cancelled (C_Event_C_Cancel into the section's machine), so no task goes on collecting picks
// against data that change under it. The entry reaches the machine through the section's machine
// holder, which every section owns; the section's own constructor can build entries from it:
//   auto sp_entry = std::make_shared<C_Entry_C>(L"Create section point", sect.<its C_Mgr_State>);
// After the change the section's selection describes what it picks now: an object that the change
// took away has left the selection already, but the description would still name it.
// The holder (and with it the section) must outlive the entry's last undo or redo; the history
// never calls an entry's hooks while it is being destroyed.
#pragma once

#include "biz/cmd/Biz_Cmd_Entry.h"

#include <string>

namespace N_Biz::N_Sect {
class C_Sect;
class C_Mgr_State;
} // namespace N_Biz::N_Sect

namespace N_Biz::N_Sect::N_Cmd {

class C_Entry_C : public N_Biz::N_Cmd::C_Entry {
public:
    // i_Name: the text of the Edit menu and the history's messages; ro_Mgr_State: the machine
    // holder of the edited section (not owned).
    C_Entry_C(std::wstring i_Name, C_Mgr_State& ro_Mgr_State);
    ~C_Entry_C() override;

    // Both post C_Event_C_Cancel to the section's machine before the data change.
    void MV_Fn_On_Undo_Pre() override;
    void MV_Fn_On_Redo_Pre() override;
    // Both refresh the section's selection description after the change; result 1.
    int MV_Fn_On_Undo_Post() override;
    int MV_Fn_On_Redo_Post() override;

    // The edited section (not owned; the holder's owner).
    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    C_Mgr_State& M_Fn_Get_Mgr_State() const { return *m_p_Mgr_State; }

private:
    void M_Fn_Task_Cancel();
    void M_Fn_Sel_Refresh();

    C_Sect* m_p_Sect;
    C_Mgr_State* m_p_Mgr_State;
};

} // namespace N_Biz::N_Sect::N_Cmd
