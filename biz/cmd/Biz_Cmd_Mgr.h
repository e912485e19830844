// The undo/redo history: a list of named entries, oldest first, with a cursor between the done
// entries (before it) and the undone redo tail (at and after it).
//
// One edit is one entry:
//   mgr.M_Fn_Entry_Begin(entry);                      // opens it (cancelling an entry left open)
//   entry->M_Fn_Child_Add_and_Execute(group);         // a C_Elem_Group, left open
//   group->M_Fn_Child_Add_and_Execute(element); ...   // each change happens now
//   mgr.M_Fn_Entry_End();                             // "Done: <name>", or gone when nothing changed
// A new entry cuts the redo tail; beyond 200 entries the oldest is dropped.
//
// Errors: the handler that catches an exception thrown between begin and end cancels the open
// entry before it reports, so no half-done change stays applied:
//   catch (...) { if (mgr.M_Fn_Get_State() == C_Mgr::E_State_Open) mgr.M_Fn_Entry_Cancel(); ... }
// Otherwise the next Begin, Undo, Redo or Clear cancels it.
//
// Lifetime: entries and their elements may point to objects owned beside the history (a section
// entry reaches its section). The destructor therefore only releases the entries: it neither
// cancels an open entry nor runs any entry hook. An owner that wants an open entry reverted on
// close calls M_Fn_Clear while those objects still exist.
#pragma once

#include "biz/cmd/Biz_Cmd_Entry.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>

namespace N_Biz::N_Cmd {

class C_Mgr {
public:
    enum E_State : std::int32_t {
        E_State_Idle = 0,
        E_State_Open = 1, // the last entry of the history is open
    };
    // Entries kept, the open one included.
    static constexpr std::size_t S_Count_Entry_Max = 200;

    C_Mgr();
    C_Mgr(const C_Mgr&) = delete;
    C_Mgr& operator=(const C_Mgr&) = delete;
    virtual ~C_Mgr();

    // After every change of the history that users see (done, undone, redone, cancelled, cleared).
    // Base: nothing.
    virtual void MV_Fn_On_Change() {}

    // Opens i_sp_Entry as the last entry: cancels an open entry, drops the redo tail, appends the
    // entry and drops the oldest beyond 200. Throws C_Exception on a null or used entry or a
    // broken history.
    void M_Fn_Entry_Begin(const std::shared_ptr<C_Entry>& i_sp_Entry);
    // Closes the open entry. An entry that holds no change is removed silently; otherwise the
    // change is announced and "Done: " + name goes to the user messages. Throws when none is open.
    void M_Fn_Entry_End();
    // Closes the open entry, reverts what it executed and removes it; no message. Throws when none
    // is open. Even when reverting throws, the entry is removed and the history is idle again
    // before the exception passes on.
    void M_Fn_Entry_Cancel();
    // Cancels an open entry, then reverts the last done entry ("Undo: " + name); nothing at all
    // when there is none.
    void M_Fn_Undo();
    // Cancels an open entry, then applies the first undone entry again ("Redo: " + name); nothing
    // at all when there is none.
    void M_Fn_Redo();
    // Cancels an open entry, then releases every entry (nothing is undone or redone).
    void M_Fn_Clear();
    // For the Edit menu: whether undo and redo are possible and the names of the entries they
    // would use; "(Ctrl+Z)" and "(Ctrl+Y)" when there is none.
    void M_Fn_Get_Info(std::int32_t& o_Can_Undo, std::int32_t& o_Can_Redo, std::wstring& o_Undo_Text,
                       std::wstring& o_Redo_Text) const;

    std::int32_t M_Fn_Get_State() const { return m_State; }
    // The entries, oldest first (the open one last).
    const std::list<std::shared_ptr<C_Entry>>& M_Fn_Get_History() const { return m_History; }

private:
    void M_Fn_Tail_Drop();
    // The open last entry; throws in the name of i_Function (a literal) when none is open.
    std::shared_ptr<C_Entry> M_Fn_Entry_Open_Get(const char* i_Function) const;

    std::int32_t m_State = E_State_Idle;
    std::list<std::shared_ptr<C_Entry>> m_History;
    std::list<std::shared_ptr<C_Entry>>::iterator m_Cursor;
};

} // namespace N_Biz::N_Cmd
