#include "ui/UI_Tree_Wnd.h"

#include "common/Common_Exception.h"
#include "ui/UI_App.h"
#include "ui/UI_Art.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"

#include <wx/artprov.h>
#include <wx/dcclient.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/toolbar.h>

#include <functional>
#include <initializer_list>
#include <utility>

namespace N_UI::N_Tree {

namespace {

// The item's data: the element of its holder, shared with the hook.
class C_Item_Data : public wxTreeItemData {
public:
    explicit C_Item_Data(C_Tree_Port::T_sp_Elem i_sp_Elem) : m_sp_Elem(std::move(i_sp_Elem)) {}
    C_Tree_Port::T_sp_Elem m_sp_Elem;
};

// The popups' commands.
const int G_Cmds[] = {E_Cmd_Proj_New, E_Cmd_Proj_Open, E_Cmd_View_Open, E_Cmd_View_Close,
                      E_Cmd_List,     E_Cmd_Detail,    E_Cmd_Create,    E_Cmd_Delete};

// The popup menus: id, then the entries.
struct C_Menu {
    std::uint32_t m_Id;
    std::initializer_list<std::pair<int, const char*>> m_Entries;
};
const C_Menu G_Menus[] = {
    {E_Menu_None, {{E_Cmd_Proj_New, "New Project"}, {E_Cmd_Proj_Open, "Open Project"}}},
    {E_Menu_Model, {{E_Cmd_Detail, "Detail"}}},
    {E_Menu_Models, {{E_Cmd_List, "List"}}},
    {E_Menu_Material, {{E_Cmd_Detail, "Detail"}}},
    {E_Menu_Materials, {{E_Cmd_List, "List"}, {E_Cmd_Create, "Create"}}},
    {E_Menu_Property, {{E_Cmd_Detail, "Detail"}}},
    {E_Menu_Properties, {{E_Cmd_List, "List"}, {E_Cmd_Create, "Create"}}},
    {E_Menu_Sect,
     {{E_Cmd_View_Open, "View Open"}, {E_Cmd_View_Close, "View Close"}, {E_Cmd_Detail, "Detail"}, {E_Cmd_Delete, "Delete"}}},
    {E_Menu_Sect_G,
     {{E_Cmd_View_Open, "View Open"}, {E_Cmd_View_Close, "View Close"}, {E_Cmd_List, "List"}, {E_Cmd_Delete, "Delete"}}},
    {E_Menu_Proj, {{E_Cmd_View_Open, "View Open"}, {E_Cmd_View_Close, "View Close"}}},
};

wxTreeItemId G_Fn_Id(void* i_p_Item)
{
    return wxTreeItemId(i_p_Item);
}

} // namespace

// --- the tree ----------------------------------------------------------------------------------------

C_Ctrl::C_Ctrl(wxWindow* i_p_Parent)
    : wxTreeCtrl(i_p_Parent, 2, wxDefaultPosition, wxDefaultSize,
                 wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE | wxBORDER_NONE)
{
    // Every item shows the list's first image.
    auto* p_images = new wxImageList(16, 16, true, 1);
    p_images->Add(wxArtProvider::GetBitmap(wxART_NORMAL_FILE, wxART_OTHER, wxSize(16, 16)));
    AssignImageList(p_images);
    AddRoot(wxEmptyString);
    C_Signal::S_Fn_Port_Set(this);
}

C_Ctrl::~C_Ctrl()
{
    if (C_Signal::S_Fn_Port_Get() == this)
        C_Signal::S_Fn_Port_Set(nullptr);
}

C_Data_Elem* C_Ctrl::M_Elem_Get(const wxTreeItemId& ro_Item) const
{
    if (!ro_Item.IsOk())
        return nullptr;
    const auto* p_data = dynamic_cast<const C_Item_Data*>(GetItemData(ro_Item));
    return p_data ? p_data->m_sp_Elem.get() : nullptr;
}

C_Data_Elem& C_Ctrl::M_Elem_Get_ro_Selected() const
{
    C_Data_Elem* p_elem = M_Elem_Get(GetSelection());
    if (!p_elem)
        VT_THROW("N_UI::N_Tree::C_Ctrl::M_Elem_Get_ro_Selected");
    return *p_elem;
}

void C_Ctrl::M_Elem_Set(const wxTreeItemId& ro_Item, const T_sp_Elem& ro_sp_Elem)
{
    SetItemData(ro_Item, new C_Item_Data(ro_sp_Elem));
}

void* C_Ctrl::M_Fn_Item_Insert(void* i_p_Parent, const std::wstring& i_Text, const T_sp_Elem& ro_sp_Elem)
{
    const wxTreeItemId parent = i_p_Parent ? G_Fn_Id(i_p_Parent) : GetRootItem();
    if (!parent.IsOk())
        return nullptr;
    const wxTreeItemId item = AppendItem(parent, i_Text, 0);
    if (!item.IsOk())
        return nullptr;
    M_Elem_Set(item, ro_sp_Elem);
    if (i_p_Parent)
        Expand(parent);
    return item.GetID();
}

bool C_Ctrl::M_Fn_Item_Delete(void* i_p_Item)
{
    const wxTreeItemId item = G_Fn_Id(i_p_Item);
    if (!item.IsOk())
        return false;
    Delete(item);
    return true;
}

bool C_Ctrl::M_Fn_Item_Text_Set(void* i_p_Item, const std::wstring& i_Text)
{
    const wxTreeItemId item = G_Fn_Id(i_p_Item);
    if (!item.IsOk())
        return false;
    SetItemText(item, i_Text);
    return true;
}

std::wstring C_Ctrl::M_Fn_Dump() const
{
    std::wstring out;
    const std::function<void(const wxTreeItemId&, int)> walk = [&](const wxTreeItemId& ro_Parent, int i_Depth) {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId item = GetFirstChild(ro_Parent, cookie); item.IsOk(); item = GetNextChild(ro_Parent, cookie)) {
            out += std::wstring(static_cast<std::size_t>(2 * i_Depth), L' ') + GetItemText(item).ToStdWstring() + L"\n";
            walk(item, i_Depth + 1);
        }
    };
    walk(GetRootItem(), 0);
    return out;
}

// --- the pane ------------------------------------------------------------------------------------------

bool C_Wnd::M_Fn_Create(wxWindow* i_p_Parent)
{
    if (!Create(i_p_Parent, N_Cmd::E_Id_Pane_Tree))
        return false;

    // The toolbar: one menu button with the sorting entries, which the pane does not take, so they
    // show disabled. The button shows the image of the current sort command; a click on it, or on
    // its arrow, opens the menu.
    m_p_Toolbar = new wxToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER);
    m_p_Toolbar->AddTool(E_Tool_Sorting, "Sorting", N_Art::G_Fn_Bitmap(N_Cmd::E_Id_Pane_Tree), "Sorting",
                         wxITEM_DROPDOWN);
    m_p_Toolbar->SetDropdownMenu(E_Tool_Sorting, S_Fn_Menu_Sorting_Create());
    m_p_Toolbar->Realize();
    m_p_Toolbar->Bind(wxEVT_TOOL, [this](wxCommandEvent&) { M_Fn_Sorting_Popup(); }, E_Tool_Sorting);

    m_p_Ctrl = new C_Ctrl(this);

    Bind(wxEVT_SIZE, [this](wxSizeEvent& ro_Event) {
        ro_Event.Skip();
        M_Fn_Layout();
    });
    Bind(wxEVT_PAINT, &C_Wnd::M_Fn_On_Paint, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent&) { m_p_Ctrl->SetFocus(); });
    m_p_Ctrl->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent& ro_Event) {
        G_Fn_Catch_All("N_UI::N_Tree::C_Wnd::OnContextMenu", __FILE__, __LINE__,
                       [&] { M_Fn_Popup(ro_Event.GetPosition(), true); });
    });
    // The popups' commands, which the pane takes (so they are enabled) before they could reach the
    // frame; their ids on the way are the commands' (the frame turns the entries' ids back).
    for (int id : G_Cmds) {
        Bind(wxEVT_MENU, [this](wxCommandEvent& ro_Event) { M_Fn_On_Cmd(ro_Event.GetId()); }, id);
        Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& ro_Event) { ro_Event.Enable(true); }, id);
    }
    M_Fn_Layout();
    return true;
}

void C_Wnd::M_Fn_Layout()
{
    if (!m_p_Toolbar || !m_p_Ctrl)
        return;
    const wxSize size = GetClientSize();
    const int bar = m_p_Toolbar->GetBestSize().y;
    m_p_Toolbar->SetSize(0, 0, size.x, bar);
    m_p_Ctrl->SetSize(1, bar + 1, std::max(0, size.x - 2), std::max(0, size.y - bar - 2));
    Refresh();
}

void C_Wnd::M_Fn_On_Paint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (!m_p_Ctrl)
        return;
    const wxRect rect = m_p_Ctrl->GetRect().Inflate(1);
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(rect);
}

wxMenu* C_Wnd::S_Fn_Menu_Create(std::uint32_t i_Id)
{
    for (const C_Menu& menu : G_Menus)
        if (menu.m_Id == i_Id) {
            auto* p_menu = new wxMenu;
            for (const auto& entry : menu.m_Entries)
                p_menu->Append(N_Cmd::G_Fn_Id_Wx(entry.first), entry.second);
            return p_menu;
        }
    return nullptr;
}

wxMenu* C_Wnd::S_Fn_Menu_Sorting_Create()
{
    auto* p_menu = new wxMenu;
    p_menu->Append(E_Cmd_Sort_Alphabetic, "&Sort Alphabeticaly");
    p_menu->Append(E_Cmd_Sort_Type, "Sort by &Type");
    p_menu->Append(E_Cmd_Sort_Access, "Sort by Acc&ess");
    p_menu->Append(E_Cmd_Sort_Group_Type, "Group by t&ype");
    for (int id : {E_Cmd_Sort_Alphabetic, E_Cmd_Sort_Type, E_Cmd_Sort_Access, E_Cmd_Sort_Group_Type})
        p_menu->Enable(id, false);
    return p_menu;
}

void C_Wnd::M_Fn_Sorting_Popup()
{
    // Below the button, as its arrow opens it.
    const wxToolBarToolBase* p_tool = m_p_Toolbar->FindById(E_Tool_Sorting);
    if (wxMenu* p_menu = p_tool ? p_tool->GetDropdownMenu() : nullptr)
        m_p_Toolbar->PopupMenu(p_menu, 0, m_p_Toolbar->GetClientSize().y);
}

std::uint32_t C_Wnd::M_Fn_Popup(const wxPoint& ro_Screen, bool i_Show)
{
    std::uint32_t id = E_Menu_None;
    wxPoint client = wxDefaultPosition;
    if (ro_Screen != wxDefaultPosition) {
        client = m_p_Ctrl->ScreenToClient(ro_Screen);
        int flags = 0;
        const wxTreeItemId item = m_p_Ctrl->HitTest(client, flags);
        if (item.IsOk() && (flags & (wxTREE_HITTEST_ONITEMLABEL | wxTREE_HITTEST_ONITEMICON))) {
            m_p_Ctrl->SelectItem(item);
            if (C_Data_Elem* p_elem = m_p_Ctrl->M_Elem_Get(item))
                id = p_elem->MV_Fn_Get_Menu_Id();
        } else {
            m_p_Ctrl->Unselect();
            m_p_Ctrl->UnselectAll();
        }
    }
    m_p_Ctrl->SetFocus();
    if (i_Show) {
        std::unique_ptr<wxMenu> up_menu(S_Fn_Menu_Create(id));
        if (up_menu)
            m_p_Ctrl->PopupMenu(up_menu.get(), client);
    }
    return id;
}

void C_Wnd::M_Fn_On_Cmd(int i_Id)
{
    G_Fn_Catch_All("N_UI::N_Tree::C_Wnd::M_Fn_On_Cmd", __FILE__, __LINE__, [&] {
        if (i_Id == E_Cmd_Proj_New || i_Id == E_Cmd_Proj_Open) {
            if (C_App_UI* p_app = C_App_UI::S_Fn_Get()) {
                if (i_Id == E_Cmd_Proj_New)
                    p_app->M_Fn_On_Cmd_File_Proj_New();
                else
                    p_app->M_Fn_On_Cmd_File_Proj_Open();
            }
            return;
        }
        C_Data_Elem& elem = m_p_Ctrl->M_Elem_Get_ro_Selected();
        // A command may take the item away (Delete): the element stays until the command is done.
        const C_Tree_Port::T_sp_Elem sp_keep =
            static_cast<C_Item_Data*>(m_p_Ctrl->GetItemData(m_p_Ctrl->GetSelection()))->m_sp_Elem;
        switch (i_Id) {
        case E_Cmd_View_Open: elem.MV_Fn_On_Cmd_View_Open(); break;
        case E_Cmd_View_Close: elem.MV_Fn_On_Cmd_View_Close(); break;
        case E_Cmd_List: elem.MV_Fn_On_Cmd_List(); break;
        case E_Cmd_Detail: elem.MV_Fn_On_Cmd_Detail(); break;
        case E_Cmd_Create: elem.MV_Fn_On_Cmd_Create(); break;
        case E_Cmd_Delete: elem.MV_Fn_On_Cmd_Delete(); break;
        default: break;
        }
    });
}

} // namespace N_UI::N_Tree
