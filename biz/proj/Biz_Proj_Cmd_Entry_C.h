// The history entry of every top-level project command.
//
// Before the history reverts or re-applies a project edit, the project's running editing task is
// cancelled (C_Event_C_Cancel into the project's machine), so no task goes on collecting picks
// against data that change under it:
//   auto sp_entry = std::make_shared<C_Entry_C>(L"Create material card", &proj);
// After the change the selections of the project and of its sections describe what they pick
// now: an object that the change took away has left them already, but their descriptions would
// still name it.
// The project must outlive the entry's last undo or redo; the history never calls an entry's hooks
// while it is being destroyed.
#pragma once

#include "biz/cmd/Biz_Cmd_Entry.h"

#include <string>

namespace N_Biz::N_Proj {
class C_Proj;
}

namespace N_Biz::N_Proj::N_Cmd {

class C_Entry_C : public ::N_Biz::N_Cmd::C_Entry {
public:
    // i_Name: the text of the Edit menu and of the history's messages; i_p_Proj: the project (not
    // owned, not null).
    C_Entry_C(std::wstring i_Name, C_Proj* i_p_Proj);
    ~C_Entry_C() override;

    // Both post C_Event_C_Cancel to the project's machine before the data change.
    void MV_Fn_On_Undo_Pre() override;
    void MV_Fn_On_Redo_Pre() override;
    // Both refresh the selections' descriptions after the change; result 1.
    int MV_Fn_On_Undo_Post() override;
    int MV_Fn_On_Redo_Post() override;

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }

private:
    void M_Fn_Task_Cancel();
    void M_Fn_Sel_Refresh();

    C_Proj* m_p_Proj;
};

} // namespace N_Biz::N_Proj::N_Cmd
