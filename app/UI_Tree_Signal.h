// The project-tree hook of a database card (and later of models, groups and sections): the object
// through which an item of the project explorer tree follows its owner. The owner calls it when it
// enters a manager, leaves it or changes; the window side subscribes to m_Signal and keeps the
// tree item itself, so the hook holds no window data and is usable without a window system.
//
// The hook knows whether its item exists: adding twice, or removing or renaming an item that does
// not exist, is an inconsistent tree state and throws C_Exception.
#pragma once

#include "common/Common_Exception.h"

#include <boost/signals2/signal.hpp>

#include <cstdint>

namespace N_Biz::N_Proj {
class C_Proj;
class C_Mgr_D_DB_C_M;
class C_Mgr_D_DB_C_P;
class C_Mgr_D_Model;
class C_Mgr_D_Sect;
} // namespace N_Biz::N_Proj
namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_UI::N_Tree {

class C_Signal {
public:
    // What happened to the item.
    enum E_Event : std::uint32_t {
        E_Event_Add_Proj_D_DB_C_M_Mgr_I = 1, // a material card entered its manager
        E_Event_Add_Proj_D_DB_C_P_Mgr_I = 2, // a property card entered its manager
        E_Event_Remove = 3,                  // the item goes
        E_Event_Rename = 4,                  // the owner changed; the item's text follows it
        E_Event_Add_Proj = 5,                // the project's own item (the tree's root)
        E_Event_Add_Proj_D_DB_C_M_Mgr = 6,   // the node of the materials, below the project
        E_Event_Add_Proj_D_DB_C_P_Mgr = 7,   // the node of the properties, below the project
        E_Event_Add_Proj_D_Model_Mgr = 8,    // the node of the models, below the project
        E_Event_Add_Proj_D_Model_Mgr_I = 9,  // a model entered the model manager
        E_Event_Add_Proj_D_Sect_G = 10,      // a section group entered its manager, below the project
        E_Event_Add_Proj_D_Sect_G_I = 11,    // a section entered its group, below the group
    };

    void M_Fn_On_Add_Proj_D_DB_C_M_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr, std::uint32_t i_Slot)
    {
        M_Fn_Add(E_Event_Add_Proj_D_DB_C_M_Mgr_I, i_p_Mgr, i_Slot);
    }
    void M_Fn_On_Add_Proj_D_DB_C_P_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr, std::uint32_t i_Slot)
    {
        M_Fn_Add(E_Event_Add_Proj_D_DB_C_P_Mgr_I, i_p_Mgr, i_Slot);
    }
    void M_Fn_On_Add_Proj_D_Model_Mgr_I(N_Biz::N_Proj::C_Mgr_D_Model* i_p_Mgr, std::uint32_t i_Slot)
    {
        M_Fn_Add(E_Event_Add_Proj_D_Model_Mgr_I, i_p_Mgr, i_Slot);
    }
    // The project's item, and the nodes of its managers below the project's hook ro_Parent.
    void M_Fn_On_Add_Proj(N_Biz::N_Proj::C_Proj* i_p_Proj) { M_Fn_Add(E_Event_Add_Proj, i_p_Proj, 0); }
    void M_Fn_On_Add_Proj_D_DB_C_M_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr, const C_Signal& ro_Parent)
    {
        M_Fn_Add_Below(E_Event_Add_Proj_D_DB_C_M_Mgr, i_p_Mgr, ro_Parent);
    }
    void M_Fn_On_Add_Proj_D_DB_C_P_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr, const C_Signal& ro_Parent)
    {
        M_Fn_Add_Below(E_Event_Add_Proj_D_DB_C_P_Mgr, i_p_Mgr, ro_Parent);
    }
    void M_Fn_On_Add_Proj_D_Model_Mgr(N_Biz::N_Proj::C_Mgr_D_Model* i_p_Mgr, const C_Signal& ro_Parent)
    {
        M_Fn_Add_Below(E_Event_Add_Proj_D_Model_Mgr, i_p_Mgr, ro_Parent);
    }
    // A section group at slot i_Slot of its manager, below the project's hook ro_Parent; a section,
    // below its group's hook ro_Parent.
    void M_Fn_On_Add_Proj_D_Sect_G(N_Biz::N_Proj::C_Mgr_D_Sect* i_p_Mgr, std::uint32_t i_Slot, const C_Signal& ro_Parent)
    {
        M_Fn_Add_Below(E_Event_Add_Proj_D_Sect_G, i_p_Mgr, ro_Parent, i_Slot);
    }
    void M_Fn_On_Add_Proj_D_Sect_G_I(N_Biz::N_Sect::C_Sect* i_p_Sect, const C_Signal& ro_Parent)
    {
        M_Fn_Add_Below(E_Event_Add_Proj_D_Sect_G_I, i_p_Sect, ro_Parent);
    }
    void M_Fn_On_Remove()
    {
        if (!m_Added)
            VT_THROW("N_UI::N_Tree::C_Signal::M_Fn_On_Remove");
        m_Added = 0;
        m_Signal(*this, E_Event_Remove);
        m_p_Mgr = nullptr;
        m_Slot = 0;
        m_p_Parent = nullptr;
    }
    void M_Fn_On_Rename()
    {
        if (!m_Added)
            VT_THROW("N_UI::N_Tree::C_Signal::M_Fn_On_Rename");
        m_Signal(*this, E_Event_Rename);
    }

    // Whether the item exists, and where its owner sits (manager, slot) while it does.
    bool M_Fn_Is_Added() const { return m_Added != 0; }
    const void* M_Fn_Mgr_Get() const { return m_p_Mgr; }
    std::uint32_t M_Fn_Slot_Get() const { return m_Slot; }
    // The hook whose item this item hangs below, when it was added with one.
    const C_Signal* M_Fn_Parent_Get() const { return m_p_Parent; }

    boost::signals2::signal<void(C_Signal&, E_Event)> m_Signal;

private:
    void M_Fn_Add(E_Event i_Event, const void* i_p_Mgr, std::uint32_t i_Slot)
    {
        if (m_Added)
            VT_THROW("N_UI::N_Tree::C_Signal::M_Fn_On_Add");
        m_Added = 1;
        m_p_Mgr = i_p_Mgr;
        m_Slot = i_Slot;
        m_Signal(*this, i_Event);
    }

    // A parent that is not in the tree has no item to hang below.
    void M_Fn_Add_Below(E_Event i_Event, const void* i_p_Mgr, const C_Signal& ro_Parent, std::uint32_t i_Slot = 0)
    {
        if (!ro_Parent.m_Added)
            VT_THROW("N_UI::N_Tree::C_Signal::M_Fn_On_Add");
        if (m_Added)
            VT_THROW("N_UI::N_Tree::C_Signal::M_Fn_On_Add");
        m_p_Parent = &ro_Parent;
        M_Fn_Add(i_Event, i_p_Mgr, i_Slot);
    }

    std::uint32_t m_Added = 0;
    const void* m_p_Mgr = nullptr;
    std::uint32_t m_Slot = 0;
    const C_Signal* m_p_Parent = nullptr;
};

} // namespace N_UI::N_Tree
