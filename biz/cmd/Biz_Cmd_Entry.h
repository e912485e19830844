// One named step of the undo history.
//
// An entry holds one element (as a rule a C_Elem_Group that collects the command's changes) and its
// name, the text of the Edit menu and of the "Done: ", "Undo: " and "Redo: " lines. The history
// manager drives it: begin, one element added and executed, end; then undo and redo alternately.
// The hooks around undo and redo let the owner of the data react first (a section cancels its
// running editing task before its data change under it).
#pragma once

#include "biz/cmd/Biz_Cmd_Elem.h"

#include <cstdint>
#include <memory>
#include <string>

namespace N_Biz::N_Cmd {

class C_Entry {
public:
    enum E_State : std::int32_t {
        E_State_Fresh = 0,
        E_State_Element = 1, // the element was added
        E_State_Begun = 2,   // opened by the manager, no element yet
        E_State_Undone = 3,
        E_State_Done = 4,
    };

    explicit C_Entry(std::wstring i_Name);
    C_Entry(const C_Entry&) = delete;
    C_Entry& operator=(const C_Entry&) = delete;
    virtual ~C_Entry();

    // Run before and after the element is reverted (undo) or applied again (redo).
    virtual void MV_Fn_On_Undo_Pre() = 0;
    virtual void MV_Fn_On_Redo_Pre() = 0;
    // Their result is the result of M_Fn_Undo / M_Fn_Redo.
    virtual int MV_Fn_On_Undo_Post() = 0;
    virtual int MV_Fn_On_Redo_Post() = 0;

    // By the manager when the entry is opened: fresh -> begun; throws on any other state.
    void M_Fn_On_Parent_Entry_Begin();
    // Executes i_sp_Child and keeps it as the entry's one element: a group stays open for its
    // children, any other element is done. The entry must be begun and hold no element, the child
    // present and new; otherwise throws. An exception from the execution passes through and the
    // entry keeps no element.
    void M_Fn_Child_Add_and_Execute(const std::shared_ptr<C_Elem>& i_sp_Child);
    // By the manager when the entry is closed or cancelled: the element is finished, and released
    // when it then changes nothing; the entry becomes done. Throws unless begun or with element.
    void M_Fn_On_Parent_Entry_End();
    // Reverts the element between the undo hooks; the entry must be done and its element done.
    int M_Fn_Undo();
    // Applies the element again between the redo hooks; the entry and its element must be undone.
    int M_Fn_Redo();

    std::int32_t M_Fn_Get_State() const { return m_State; }
    const std::wstring& M_Fn_Get_Name() const { return m_Name; }
    // The element, or null when none was added or it was released as empty.
    const std::shared_ptr<C_Elem>& M_Fn_Get_Child() const { return m_sp_Child; }

private:
    std::int32_t m_State = E_State_Fresh;
    std::shared_ptr<C_Elem> m_sp_Child;
    std::wstring m_Name;
};

} // namespace N_Biz::N_Cmd
