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
class C_Mgr_D_DB_C_M;
class C_Mgr_D_DB_C_P;
} // namespace N_Biz::N_Proj

namespace N_UI::N_Tree {

class C_Signal {
public:
    // What happened to the item.
    enum E_Event : std::uint32_t {
        E_Event_Add_Proj_D_DB_C_M_Mgr_I = 1, // a material card entered its manager
        E_Event_Add_Proj_D_DB_C_P_Mgr_I = 2, // a property card entered its manager
        E_Event_Remove = 3,                  // the item goes
        E_Event_Rename = 4,                  // the owner changed; the item's text follows it
    };

    void M_Fn_On_Add_Proj_D_DB_C_M_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr, std::uint32_t i_Slot)
    {
        M_Fn_Add(E_Event_Add_Proj_D_DB_C_M_Mgr_I, i_p_Mgr, i_Slot);
    }
    void M_Fn_On_Add_Proj_D_DB_C_P_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr, std::uint32_t i_Slot)
    {
        M_Fn_Add(E_Event_Add_Proj_D_DB_C_P_Mgr_I, i_p_Mgr, i_Slot);
    }
    void M_Fn_On_Remove()
    {
        if (!m_Added)
            VT_THROW("N_UI::N_Tree::C_Signal::M_Fn_On_Remove");
        m_Added = 0;
        m_Signal(*this, E_Event_Remove);
        m_p_Mgr = nullptr;
        m_Slot = 0;
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

    std::uint32_t m_Added = 0;
    const void* m_p_Mgr = nullptr;
    std::uint32_t m_Slot = 0;
};

} // namespace N_UI::N_Tree
