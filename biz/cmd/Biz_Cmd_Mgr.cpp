#include "biz/cmd/Biz_Cmd_Mgr.h"

#include "app/App.h"
#include "common/Common_Exception.h"

#include <iterator>

namespace N_Biz::N_Cmd {

C_Mgr::C_Mgr() : m_Cursor(m_History.end()) {}

// Only releases: see the header on why an open entry is not cancelled here.
C_Mgr::~C_Mgr() = default;

void C_Mgr::M_Fn_Tail_Drop()
{
    // From the end, one at a time, so the newest undone change goes first.
    while (m_Cursor != m_History.end()) {
        if (std::next(m_Cursor) == m_History.end()) {
            m_History.pop_back();
            m_Cursor = m_History.end();
        } else {
            m_History.pop_back();
        }
    }
}

std::shared_ptr<C_Entry> C_Mgr::M_Fn_Entry_Open_Get(const char* i_Function) const
{
    if (m_State != E_State_Open)
        VT_THROW(i_Function);
    if (m_History.empty())
        VT_THROW(i_Function);
    if (!m_History.back())
        VT_THROW(i_Function);
    return m_History.back();
}

void C_Mgr::M_Fn_Get_Info(std::int32_t& o_Can_Undo, std::int32_t& o_Can_Redo, std::wstring& o_Undo_Text,
                          std::wstring& o_Redo_Text) const
{
    o_Can_Undo = 0;
    o_Can_Redo = 0;
    o_Undo_Text = L"(Ctrl+Z)";
    o_Redo_Text = L"(Ctrl+Y)";
    auto cursor = std::list<std::shared_ptr<C_Entry>>::const_iterator(m_Cursor);
    if (cursor != m_History.cend()) {
        if (!*cursor)
            VT_THROW("N_Biz::N_Cmd::C_Mgr::M_Fn_Get_Info");
        o_Can_Redo = 1;
        o_Redo_Text = (*cursor)->M_Fn_Get_Name();
    }
    if (cursor != m_History.cbegin()) {
        const std::shared_ptr<C_Entry>& sp_prev = *std::prev(cursor);
        if (!sp_prev)
            VT_THROW("N_Biz::N_Cmd::C_Mgr::M_Fn_Get_Info");
        o_Can_Undo = 1;
        o_Undo_Text = sp_prev->M_Fn_Get_Name();
    }
}

void C_Mgr::M_Fn_Clear()
{
    if (m_State == E_State_Open)
        M_Fn_Entry_Cancel();
    if (m_State != E_State_Idle)
        VT_THROW("N_Biz::N_Cmd::C_Mgr::M_Fn_Clear");
    M_Fn_Tail_Drop();
    while (!m_History.empty())
        m_History.pop_front();
    m_Cursor = m_History.end();
    MV_Fn_On_Change();
}

void C_Mgr::M_Fn_Entry_Begin(const std::shared_ptr<C_Entry>& i_sp_Entry)
{
    if (m_State == E_State_Open)
        M_Fn_Entry_Cancel();
    if (m_State != E_State_Idle)
        VT_THROW("N_Biz::N_Cmd::C_Mgr::M_Fn_Entry_Begin");
    M_Fn_Tail_Drop();
    if (!m_History.empty()) {
        const std::shared_ptr<C_Entry>& sp_last = m_History.back();
        if (!sp_last || sp_last->M_Fn_Get_State() != C_Entry::E_State_Done)
            VT_THROW("N_Biz::N_Cmd::C_Mgr::M_Fn_Entry_Begin");
    }
    if (!i_sp_Entry)
        VT_THROW("N_Biz::N_Cmd::C_Mgr::M_Fn_Entry_Begin");
    i_sp_Entry->M_Fn_On_Parent_Entry_Begin();
    m_History.push_back(i_sp_Entry);
    while (m_History.size() > S_Count_Entry_Max)
        m_History.pop_front();
    m_Cursor = m_History.end();
    m_State = E_State_Open;
}

void C_Mgr::M_Fn_Entry_End()
{
    std::shared_ptr<C_Entry> sp_entry = M_Fn_Entry_Open_Get("N_Biz::N_Cmd::C_Mgr::M_Fn_Entry_End");
    sp_entry->M_Fn_On_Parent_Entry_End();
    m_State = E_State_Idle;
    if (!sp_entry->M_Fn_Get_Child()) {
        // Nothing changed: the step never happened as far as the user can tell.
        m_History.pop_back();
        m_Cursor = m_History.end();
        return;
    }
    MV_Fn_On_Change();
    C_App::G_Fn_Msg(L"Done: " + sp_entry->M_Fn_Get_Name());
}

void C_Mgr::M_Fn_Entry_Cancel()
{
    std::shared_ptr<C_Entry> sp_entry = M_Fn_Entry_Open_Get("N_Biz::N_Cmd::C_Mgr::M_Fn_Entry_Cancel");
    auto remove = [this] {
        m_History.pop_back();
        m_Cursor = m_History.end();
        m_State = E_State_Idle;
    };
    try {
        sp_entry->M_Fn_On_Parent_Entry_End();
        if (sp_entry->M_Fn_Get_Child())
            sp_entry->M_Fn_Undo();
    } catch (...) {
        // An entry that could not be reverted can be neither undone nor redone any more, and a
        // history left open would refuse every later command: drop it and go idle, then report.
        remove();
        try {
            MV_Fn_On_Change();
        } catch (...) {
            // the first failure is the one to report
        }
        throw;
    }
    remove();
    MV_Fn_On_Change();
}

void C_Mgr::M_Fn_Undo()
{
    if (m_State == E_State_Open)
        M_Fn_Entry_Cancel();
    if (m_State != E_State_Idle)
        VT_THROW("N_Biz::N_Cmd::C_Mgr::M_Fn_Undo");
    if (m_Cursor == m_History.begin())
        return;
    auto prev = std::prev(m_Cursor);
    std::shared_ptr<C_Entry> sp_entry = *prev;
    if (!sp_entry)
        VT_THROW("N_Biz::N_Cmd::C_Mgr::M_Fn_Undo");
    sp_entry->M_Fn_Undo();
    // Moved only once the entry is undone, so a failed undo leaves the entry before the cursor.
    m_Cursor = prev;
    MV_Fn_On_Change();
    C_App::G_Fn_Msg(L"Undo: " + sp_entry->M_Fn_Get_Name());
}

void C_Mgr::M_Fn_Redo()
{
    if (m_State == E_State_Open)
        M_Fn_Entry_Cancel();
    if (m_State != E_State_Idle)
        VT_THROW("N_Biz::N_Cmd::C_Mgr::M_Fn_Redo");
    if (m_Cursor == m_History.end())
        return;
    std::shared_ptr<C_Entry> sp_entry = *m_Cursor;
    if (!sp_entry)
        VT_THROW("N_Biz::N_Cmd::C_Mgr::M_Fn_Redo");
    sp_entry->M_Fn_Redo();
    ++m_Cursor;
    MV_Fn_On_Change();
    C_App::G_Fn_Msg(L"Redo: " + sp_entry->M_Fn_Get_Name());
}

} // namespace N_Biz::N_Cmd
