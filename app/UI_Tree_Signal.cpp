#include "app/UI_Tree_Signal.h"

#include "app/App.h"
#include "common/Common_Exception.h"

#include <atomic>
#include <utility>

namespace N_UI::N_Tree {

namespace {

std::atomic<C_Tree_Port*> G_p_Port{nullptr};

// The element that stands in while no window side makes elements: no text, the pane's own menu.
class C_Data_Elem_Plain : public C_Data_Elem {
public:
    std::uint32_t MV_Fn_Get_Menu_Id() const override { return 501; }
    std::wstring MV_Fn_Get_string_Text() const override { return std::wstring(); }
};

// Runs i_Fn on the interface thread: at once there (its exceptions reach the caller), else queued.
template <class T_Fn>
void G_Fn_UI(T_Fn&& i_Fn)
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || p_app->M_Fn_Is_UI_Thread()) {
        i_Fn();
        return;
    }
    p_app->M_Fn_UI_Post(std::forward<T_Fn>(i_Fn));
}

} // namespace

void C_Signal::S_Fn_Port_Set(C_Tree_Port* i_p_Port)
{
    G_p_Port.store(i_p_Port);
}

C_Tree_Port* C_Signal::S_Fn_Port_Get()
{
    return G_p_Port.load();
}

void* C_Signal::C_Item::M_Fn_Live() const
{
    for (const C_Item* p = this; p; p = p->m_sp_Parent.get())
        if (p->m_Gone || !p->m_p_Handle)
            return nullptr;
    return m_p_Handle;
}

void C_Signal::M_Fn_Check(const char* i_Function) const
{
    if ((m_sp_Item == nullptr) != (m_sp_Elem == nullptr))
        VT_THROW(i_Function);
}

bool C_Signal::M_Fn_Is_Connected() const
{
    M_Fn_Check("N_UI::N_Tree::C_Signal::M_Fn_Is_Connected");
    return m_sp_Item != nullptr;
}

void* C_Signal::M_Fn_Item_Get() const
{
    M_Fn_Check("N_UI::N_Tree::C_Signal::M_Fn_Item_Get");
    return m_sp_Item ? m_sp_Item->M_Fn_Live() : nullptr;
}

template <class T_Fn>
void C_Signal::M_Fn_On_Add(const char* i_Function, const C_Signal* i_p_Parent, bool i_Parent_Required,
                           T_Fn&& i_Fn_Make)
{
    M_Fn_Check(i_Function);
    if (m_sp_Item)
        VT_THROW(i_Function);
    // The project's root has no parent; every other kind hangs below one (a card or a model whose
    // folder has no item is connected without one).
    const bool top = i_p_Parent == nullptr && i_Parent_Required;
    bool itemless = false;
    if (i_p_Parent) {
        i_p_Parent->M_Fn_Check(i_Function);
        if (!i_p_Parent->m_sp_Item) {
            if (i_Parent_Required)
                VT_THROW(i_Function);
            itemless = true;
        } else if (i_p_Parent->m_sp_Item->m_Itemless) {
            itemless = true;
        }
    } else if (!top) {
        itemless = true;
    }

    C_Tree_Port* p_port = S_Fn_Port_Get();
    T_sp_Elem sp_elem = p_port ? i_Fn_Make(*p_port) : T_sp_Elem();
    if (!sp_elem)
        sp_elem = std::make_shared<C_Data_Elem_Plain>();
    // The text is taken here, on the caller's thread: a queued insertion reads no project data.
    const std::wstring text = sp_elem->MV_Fn_Get_string_Text();

    auto sp_item = std::make_shared<C_Item>();
    sp_item->m_Itemless = itemless;
    if (i_p_Parent)
        sp_item->m_sp_Parent = i_p_Parent->m_sp_Item;
    if (!itemless) {
        G_Fn_UI([sp_item, sp_elem, text, i_Function] {
            C_Tree_Port* p_tree = S_Fn_Port_Get();
            if (!p_tree)
                return;
            void* p_parent = nullptr;
            if (sp_item->m_sp_Parent) {
                p_parent = sp_item->m_sp_Parent->M_Fn_Live();
                if (!p_parent)
                    return; // the parent went before its child came
            }
            void* p_handle = p_tree->M_Fn_Item_Insert(p_parent, text, sp_elem);
            if (!p_handle)
                VT_THROW(i_Function);
            sp_item->m_p_Handle = p_handle;
        });
    }
    m_sp_Item = std::move(sp_item);
    m_sp_Elem = std::move(sp_elem);
}

void C_Signal::M_Fn_On_Add_Proj(N_Biz::N_Proj::C_Proj* i_p_Proj)
{
    M_Fn_On_Add("N_UI::N_Tree::C_Signal::M_Fn_On_Add_Proj", nullptr, true,
                [&](C_Tree_Port& ro_Port) { return ro_Port.M_Fn_Elem_New_Proj(i_p_Proj); });
}

void C_Signal::M_Fn_On_Add_Proj_D_DB_C_M_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr, const C_Signal& ro_Parent)
{
    M_Fn_On_Add("N_UI::N_Tree::C_Signal::M_Fn_On_Add_Proj_D_DB_C_M_Mgr", &ro_Parent, true,
                [&](C_Tree_Port& ro_Port) { return ro_Port.M_Fn_Elem_New_C_M_Mgr(i_p_Mgr); });
}

void C_Signal::M_Fn_On_Add_Proj_D_DB_C_P_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr, const C_Signal& ro_Parent)
{
    M_Fn_On_Add("N_UI::N_Tree::C_Signal::M_Fn_On_Add_Proj_D_DB_C_P_Mgr", &ro_Parent, true,
                [&](C_Tree_Port& ro_Port) { return ro_Port.M_Fn_Elem_New_C_P_Mgr(i_p_Mgr); });
}

void C_Signal::M_Fn_On_Add_Proj_D_Model_Mgr(N_Biz::N_Proj::C_Mgr_D_Model* i_p_Mgr, const C_Signal& ro_Parent)
{
    M_Fn_On_Add("N_UI::N_Tree::C_Signal::M_Fn_On_Add_Proj_D_Model_Mgr", &ro_Parent, true,
                [&](C_Tree_Port& ro_Port) { return ro_Port.M_Fn_Elem_New_Model_Mgr(i_p_Mgr); });
}

void C_Signal::M_Fn_On_Add_Proj_D_DB_C_M_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr,
                                               N_Biz::N_DB::C_Row_C_Material* i_p_Row, const C_Signal* i_p_Parent)
{
    M_Fn_On_Add("N_UI::N_Tree::C_Signal::M_Fn_On_Add_Proj_D_DB_C_M_Mgr_I", i_p_Parent, false,
                [&](C_Tree_Port& ro_Port) { return ro_Port.M_Fn_Elem_New_C_M_Mgr_I(i_p_Mgr, i_p_Row); });
}

void C_Signal::M_Fn_On_Add_Proj_D_DB_C_P_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr,
                                               N_Biz::N_DB::C_Row_C_Property* i_p_Row, const C_Signal* i_p_Parent)
{
    M_Fn_On_Add("N_UI::N_Tree::C_Signal::M_Fn_On_Add_Proj_D_DB_C_P_Mgr_I", i_p_Parent, false,
                [&](C_Tree_Port& ro_Port) { return ro_Port.M_Fn_Elem_New_C_P_Mgr_I(i_p_Mgr, i_p_Row); });
}

void C_Signal::M_Fn_On_Add_Proj_D_Model_Mgr_I(N_Biz::N_Model::C_Model* i_p_Model, const C_Signal* i_p_Parent)
{
    M_Fn_On_Add("N_UI::N_Tree::C_Signal::M_Fn_On_Add_Proj_D_Model_Mgr_I", i_p_Parent, false,
                [&](C_Tree_Port& ro_Port) { return ro_Port.M_Fn_Elem_New_Model_Mgr_I(i_p_Model); });
}

void C_Signal::M_Fn_On_Add_Proj_D_Sect_G(N_Biz::N_Proj::C_Mgr_D_Sect* i_p_Mgr, N_Biz::N_Proj::C_D_Group_Sect* i_p_Group,
                                         const C_Signal& ro_Parent)
{
    M_Fn_On_Add("N_UI::N_Tree::C_Signal::M_Fn_On_Add_Proj_D_Sect_G", &ro_Parent, true,
                [&](C_Tree_Port& ro_Port) { return ro_Port.M_Fn_Elem_New_Sect_G(i_p_Mgr, i_p_Group); });
}

void C_Signal::M_Fn_On_Add_Proj_D_Sect_G_I(N_Biz::N_Proj::C_D_Group_Sect* i_p_Group, N_Biz::N_Sect::C_Sect* i_p_Sect,
                                           const C_Signal& ro_Parent)
{
    M_Fn_On_Add("N_UI::N_Tree::C_Signal::M_Fn_On_Add_Proj_D_Sect_G_I", &ro_Parent, true,
                [&](C_Tree_Port& ro_Port) { return ro_Port.M_Fn_Elem_New_Sect_G_I(i_p_Group, i_p_Sect); });
}

void C_Signal::M_Fn_On_Remove()
{
    M_Fn_Check("N_UI::N_Tree::C_Signal::M_Fn_On_Remove");
    if (!m_sp_Item)
        return;
    std::shared_ptr<C_Item> sp_item = std::move(m_sp_Item);
    T_sp_Elem sp_elem = std::move(m_sp_Elem);
    m_sp_Item.reset();
    m_sp_Elem.reset();
    if (sp_item->m_Itemless)
        return;
    // The element lives on with the queued change, as long as the item that shows it.
    G_Fn_UI([sp_item, sp_elem] {
        void* p_handle = sp_item->M_Fn_Live();
        sp_item->m_Gone = true;
        C_Tree_Port* p_tree = S_Fn_Port_Get();
        if (!p_handle || !p_tree)
            return;
        if (!p_tree->M_Fn_Item_Delete(p_handle))
            VT_THROW("N_UI::N_Tree::C_Signal::M_Fn_On_Remove");
    });
}

void C_Signal::M_Fn_On_Rename()
{
    M_Fn_Check("N_UI::N_Tree::C_Signal::M_Fn_On_Rename");
    if (!m_sp_Item || m_sp_Item->m_Itemless)
        return;
    const std::wstring text = m_sp_Elem->MV_Fn_Get_string_Text();
    G_Fn_UI([sp_item = m_sp_Item, text] {
        void* p_handle = sp_item->M_Fn_Live();
        C_Tree_Port* p_tree = S_Fn_Port_Get();
        if (!p_handle || !p_tree)
            return;
        if (!p_tree->M_Fn_Item_Text_Set(p_handle, text))
            VT_THROW("N_UI::N_Tree::C_Signal::M_Fn_On_Rename");
    });
}

} // namespace N_UI::N_Tree
