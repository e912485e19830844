// A tree port for the core's tests: makes elements whose text names their kind, keeps items as
// numbered handles and records every change of the tree; it can be told to refuse insertions.
// Installed for its lifetime (C_Signal::S_Fn_Port_Set), so the hooks of the core reach it.
#pragma once

#include "app/UI_Tree_Signal.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class C_Tree_Port_Record : public N_UI::N_Tree::C_Tree_Port {
public:
    // One change: L"insert", L"delete" or L"text", the item, its parent (insert) and the text.
    struct C_Op {
        std::wstring m_Kind;
        std::uintptr_t m_Item = 0;
        std::uintptr_t m_Parent = 0;
        std::wstring m_Text;
    };

    C_Tree_Port_Record() { N_UI::N_Tree::C_Signal::S_Fn_Port_Set(this); }
    ~C_Tree_Port_Record() override { N_UI::N_Tree::C_Signal::S_Fn_Port_Set(nullptr); }

    T_sp_Elem M_Fn_Elem_New_Proj(N_Biz::N_Proj::C_Proj*) override { return M_Fn_Elem(L"project"); }
    T_sp_Elem M_Fn_Elem_New_C_M_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_M*) override { return M_Fn_Elem(L"materials"); }
    T_sp_Elem M_Fn_Elem_New_C_M_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_M*, N_Biz::N_DB::C_Row_C_Material*) override
    {
        return M_Fn_Elem(L"material");
    }
    T_sp_Elem M_Fn_Elem_New_C_P_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_P*) override { return M_Fn_Elem(L"properties"); }
    T_sp_Elem M_Fn_Elem_New_C_P_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_P*, N_Biz::N_DB::C_Row_C_Property*) override
    {
        return M_Fn_Elem(L"property");
    }
    T_sp_Elem M_Fn_Elem_New_Model_Mgr(N_Biz::N_Proj::C_Mgr_D_Model*) override { return M_Fn_Elem(L"models"); }
    T_sp_Elem M_Fn_Elem_New_Model_Mgr_I(N_Biz::N_Model::C_Model*) override { return M_Fn_Elem(L"model"); }
    T_sp_Elem M_Fn_Elem_New_Sect_G(N_Biz::N_Proj::C_Mgr_D_Sect*, N_Biz::N_Proj::C_D_Group_Sect*) override
    {
        return M_Fn_Elem(L"group");
    }
    T_sp_Elem M_Fn_Elem_New_Sect_G_I(N_Biz::N_Proj::C_D_Group_Sect*, N_Biz::N_Sect::C_Sect*) override
    {
        return M_Fn_Elem(L"section");
    }

    void* M_Fn_Item_Insert(void* i_p_Parent, const std::wstring& i_Text, const T_sp_Elem&) override
    {
        if (m_Refuse)
            return nullptr;
        const std::uintptr_t item = ++m_Last;
        m_Threads.push_back(std::this_thread::get_id());
        m_Ops.push_back({L"insert", item, reinterpret_cast<std::uintptr_t>(i_p_Parent), i_Text});
        return reinterpret_cast<void*>(item);
    }
    bool M_Fn_Item_Delete(void* i_p_Item) override
    {
        m_Threads.push_back(std::this_thread::get_id());
        m_Ops.push_back({L"delete", reinterpret_cast<std::uintptr_t>(i_p_Item), 0, std::wstring()});
        return true;
    }
    bool M_Fn_Item_Text_Set(void* i_p_Item, const std::wstring& i_Text) override
    {
        m_Threads.push_back(std::this_thread::get_id());
        m_Ops.push_back({L"text", reinterpret_cast<std::uintptr_t>(i_p_Item), 0, i_Text});
        return true;
    }

    // The kinds and texts of the recorded changes, as "insert project", "delete 4" and so on.
    std::vector<std::wstring> M_Fn_Summary() const
    {
        std::vector<std::wstring> out;
        for (const C_Op& op : m_Ops)
            out.push_back(op.m_Kind + L" " + (op.m_Kind == L"delete" ? std::to_wstring(op.m_Item) : op.m_Text));
        return out;
    }

    std::vector<C_Op> m_Ops;
    // The thread of each change.
    std::vector<std::thread::id> m_Threads;
    bool m_Refuse = false;

private:
    struct C_Elem : N_UI::N_Tree::C_Data_Elem {
        explicit C_Elem(std::wstring i_Text) : m_Text(std::move(i_Text)) {}
        std::uint32_t MV_Fn_Get_Menu_Id() const override { return 0; }
        std::wstring MV_Fn_Get_string_Text() const override { return m_Text; }
        std::wstring m_Text;
    };
    static T_sp_Elem M_Fn_Elem(const wchar_t* i_Text) { return std::make_shared<C_Elem>(i_Text); }

    std::uintptr_t m_Last = 0;
};
