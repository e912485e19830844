// The project-tree hook: the member through which a project, a card manager, a card row, a model, a
// section group or a section keeps its item in the project explorer tree. The tree never scans the
// project; the owners call their hooks when they come, go or change.
//
// A hook is connected (it has its item and the item's data element) or not. Adding to a connected
// hook, or below a parent hook that is not connected, throws C_Exception and changes nothing;
// removing or renaming a hook that is not connected does nothing. The element knows the item's
// text, its popup menu and what the menu's commands do; it holds plain pointers to the objects it
// names and is made by the window side (C_Tree_Port) — without a window side a plain element that
// names nothing stands in, so the core keeps its hooks consistent without a window system.
//
// Threads. The item lives in the tree control of the interface thread. A hook called there changes
// the tree at once (a refusal of the tree throws and leaves the hook as it was). Called on another
// thread (the model import's worker), the hook keeps its own state at once, takes the item's text
// there and then, and queues the tree change for the interface thread (C_App::M_Fn_UI_Post), where
// it is replayed in order; the replay reads no project data. Deleting an item deletes its children
// from the tree: a child's handle counts as gone once any of its ancestors is gone.
//
// Some holders live in a project that has no tree (the core's own tests): a card or a model whose
// folder hook is not connected is connected without an item. Every other kind follows the rule
// above.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace N_Biz::N_DB {
class C_Row_C_Material;
class C_Row_C_Property;
} // namespace N_Biz::N_DB
namespace N_Biz::N_Model {
class C_Model;
}
namespace N_Biz::N_Proj {
class C_Proj;
class C_Mgr_D_DB_C_M;
class C_Mgr_D_DB_C_P;
class C_Mgr_D_Model;
class C_Mgr_D_Sect;
class C_D_Group_Sect;
} // namespace N_Biz::N_Proj
namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_UI::N_Tree {

// The data element of one tree item: its text, its popup menu and the menu's commands. The
// commands run on the interface thread; the base versions do nothing.
class C_Data_Elem {
public:
    virtual ~C_Data_Elem() = default;
    // Resource id of the item's popup menu.
    virtual std::uint32_t MV_Fn_Get_Menu_Id() const = 0;
    // The item's text.
    virtual std::wstring MV_Fn_Get_string_Text() const = 0;
    virtual void MV_Fn_On_Cmd_View_Open() {}
    virtual void MV_Fn_On_Cmd_View_Close() {}
    virtual void MV_Fn_On_Cmd_List() {}
    virtual void MV_Fn_On_Cmd_Detail() {}
    virtual void MV_Fn_On_Cmd_Create() {}
    virtual void MV_Fn_On_Cmd_Delete() {}
};

// The window side of the tree: it makes the elements (any thread; nothing but the element is made)
// and changes the items of its tree control (interface thread only). Item handles are the tree
// control's own, passed through as opaque pointers.
class C_Tree_Port {
public:
    using T_sp_Elem = std::shared_ptr<C_Data_Elem>;
    virtual ~C_Tree_Port() = default;

    virtual T_sp_Elem M_Fn_Elem_New_Proj(N_Biz::N_Proj::C_Proj* i_p_Proj) = 0;
    virtual T_sp_Elem M_Fn_Elem_New_C_M_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr) = 0;
    virtual T_sp_Elem M_Fn_Elem_New_C_M_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr,
                                              N_Biz::N_DB::C_Row_C_Material* i_p_Row) = 0;
    virtual T_sp_Elem M_Fn_Elem_New_C_P_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr) = 0;
    virtual T_sp_Elem M_Fn_Elem_New_C_P_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr,
                                              N_Biz::N_DB::C_Row_C_Property* i_p_Row) = 0;
    virtual T_sp_Elem M_Fn_Elem_New_Model_Mgr(N_Biz::N_Proj::C_Mgr_D_Model* i_p_Mgr) = 0;
    virtual T_sp_Elem M_Fn_Elem_New_Model_Mgr_I(N_Biz::N_Model::C_Model* i_p_Model) = 0;
    virtual T_sp_Elem M_Fn_Elem_New_Sect_G(N_Biz::N_Proj::C_Mgr_D_Sect* i_p_Mgr,
                                           N_Biz::N_Proj::C_D_Group_Sect* i_p_Group) = 0;
    virtual T_sp_Elem M_Fn_Elem_New_Sect_G_I(N_Biz::N_Proj::C_D_Group_Sect* i_p_Group,
                                             N_Biz::N_Sect::C_Sect* i_p_Sect) = 0;

    // Inserts an item with i_Text and the element as the last child of i_p_Parent (null: top
    // level) and expands the parent; the item's handle, or null when the tree refused.
    virtual void* M_Fn_Item_Insert(void* i_p_Parent, const std::wstring& i_Text, const T_sp_Elem& ro_sp_Elem) = 0;
    // Deletes the item with its children; false when the tree refused.
    virtual bool M_Fn_Item_Delete(void* i_p_Item) = 0;
    // Sets the item's text; false when the tree refused.
    virtual bool M_Fn_Item_Text_Set(void* i_p_Item, const std::wstring& i_Text) = 0;
};

class C_Signal {
public:
    C_Signal() = default;
    C_Signal(const C_Signal&) = delete;
    C_Signal& operator=(const C_Signal&) = delete;
    // Drops the element; the item itself is not touched (the owner removed it, or its parent's
    // removal took it along).
    virtual ~C_Signal() = default;

    // The window side's tree; null while there is none. Set and cleared on the interface thread
    // by the tree's owner, never while an import runs.
    static void S_Fn_Port_Set(C_Tree_Port* i_p_Port);
    static C_Tree_Port* S_Fn_Port_Get();

    // Connected: item and element both there. One without the other throws C_Exception.
    bool M_Fn_Is_Connected() const;

    // The project's root item, at the top level.
    void M_Fn_On_Add_Proj(N_Biz::N_Proj::C_Proj* i_p_Proj);
    // The three folders below the project's hook ro_Parent.
    void M_Fn_On_Add_Proj_D_DB_C_M_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr, const C_Signal& ro_Parent);
    void M_Fn_On_Add_Proj_D_DB_C_P_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr, const C_Signal& ro_Parent);
    void M_Fn_On_Add_Proj_D_Model_Mgr(N_Biz::N_Proj::C_Mgr_D_Model* i_p_Mgr, const C_Signal& ro_Parent);
    // A material or property card, a model, below its folder's hook (null, or not connected: the
    // hook is connected without an item, see above).
    void M_Fn_On_Add_Proj_D_DB_C_M_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr, N_Biz::N_DB::C_Row_C_Material* i_p_Row,
                                         const C_Signal* i_p_Parent);
    void M_Fn_On_Add_Proj_D_DB_C_P_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr, N_Biz::N_DB::C_Row_C_Property* i_p_Row,
                                         const C_Signal* i_p_Parent);
    void M_Fn_On_Add_Proj_D_Model_Mgr_I(N_Biz::N_Model::C_Model* i_p_Model, const C_Signal* i_p_Parent);
    // A section group below the project's hook; a section below its group's hook.
    void M_Fn_On_Add_Proj_D_Sect_G(N_Biz::N_Proj::C_Mgr_D_Sect* i_p_Mgr, N_Biz::N_Proj::C_D_Group_Sect* i_p_Group,
                                   const C_Signal& ro_Parent);
    void M_Fn_On_Add_Proj_D_Sect_G_I(N_Biz::N_Proj::C_D_Group_Sect* i_p_Group, N_Biz::N_Sect::C_Sect* i_p_Sect,
                                     const C_Signal& ro_Parent);

    // Not connected: nothing. Connected: the item goes from the tree with its children, the hook
    // forgets item and element.
    void M_Fn_On_Remove();
    // Not connected: nothing. Connected: the item's text becomes the element's current text.
    void M_Fn_On_Rename();

    // The element while connected, else null.
    C_Data_Elem* M_Fn_Elem_Get() const { return m_sp_Elem.get(); }
    // The item's handle in the tree control: null while not connected, while the item waits for
    // the interface thread, when it has no item, or once an ancestor's item is gone. Interface
    // thread only.
    void* M_Fn_Item_Get() const;

    // The item's place in the tree as the hook keeps it (shared with the queued tree changes).
    struct C_Item {
        void* m_p_Handle = nullptr;           // set on the interface thread once inserted
        std::shared_ptr<C_Item> m_sp_Parent;  // null at the top level
        bool m_Gone = false;                  // removed (its handle no longer names anything)
        bool m_Itemless = false;              // connected without an item
        // The handle while this item and all its ancestors are in the tree, else null.
        void* M_Fn_Live() const;
    };

private:
    using T_sp_Elem = C_Tree_Port::T_sp_Elem;
    // The insertion common to all kinds: checks, the element (i_Fn_Make on the port, or a plain
    // one), its text, then the item as the parent's last child (on or for the interface thread).
    // i_Parent_Required with a null parent: the top level.
    template <class T_Fn>
    void M_Fn_On_Add(const char* i_Function, const C_Signal* i_p_Parent, bool i_Parent_Required, T_Fn&& i_Fn_Make);
    void M_Fn_Check(const char* i_Function) const;

    std::shared_ptr<C_Item> m_sp_Item;
    T_sp_Elem m_sp_Elem;
};

} // namespace N_UI::N_Tree
