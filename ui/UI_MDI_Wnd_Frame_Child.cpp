#include "ui/UI_MDI_Wnd_Frame_Child.h"

#include "ui/UI_App.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Frame_Main.h"

namespace N_UI::N_MDI {

using namespace N_Cmd;

// Made before any table that takes it in, whatever the order of the files' start-up.
constinit const std::initializer_list<C_Menu_Item> C_Wnd_Frame_Child::S_Menu_Edit_Head = {
    {E_Id_Edit_Undo, L"&Undo", {}},
    {E_Id_Edit_Redo, L"&Redo", {}},
    G_Menu_Sep,
    {E_Id_Edit_Cut, L"Cu&t", {}},
    {E_Id_Edit_Copy, L"&Copy", {}},
    {E_Id_Edit_Paste, L"&Paste", {}},
    G_Menu_Sep,
    {E_Id_Edit_Create, L"Cre&ate", {}},
    {E_Id_Edit_Delete, L"&Delete", {}},
    {E_Id_Edit_Modify, L"Modi&fy", {}},
    {E_Id_Edit_Move, L"Mo&ve", {}},
    G_Menu_Sep,
    {E_Id_Edit_Palette_Sel, L"Pick Property By Selected", {}},
    {E_Id_Edit_Palette_List, L"Pick Property From List", {}},
    G_Menu_Sep,
    {E_Id_Edit_Hide_Sel, L"Hide Selected", {}},
    {E_Id_Edit_Hide_Unsel, L"Hide Unselected", {}},
    {E_Id_Edit_Hide_Reverse, L"Reverse Hide/Unhide", {}},
    {E_Id_Edit_Hide_Cancel_All, L"Unhide All Objects", {}},
    {E_Id_Edit_Hide_Cancel_Type, L"Unhide All Type Of Objects", {}},
    G_Menu_Sep,
};

C_Wnd_Frame_Child::C_Wnd_Frame_Child(wxEvtHandler* i_p_Doc) : m_p_Doc(i_p_Doc)
{
    Bind(wxEVT_ACTIVATE, &C_Wnd_Frame_Child::M_Fn_On_Activate, this);
    Bind(wxEVT_CLOSE_WINDOW, &C_Wnd_Frame_Child::M_Fn_On_Close, this);
}

C_Wnd_Frame_Child::~C_Wnd_Frame_Child()
{
    // The main frame's own part is gone once its window goes; its menu bars went with it then.
    if (C_App_UI* p_app = C_App_UI::S_Fn_Get())
        if (C_Wnd_Frame_Main* p_main = p_app->M_Fn_Frame_Get())
            p_main->M_Fn_Menu_Bar_Release(GetMenuBar());
}

bool C_Wnd_Frame_Child::M_Fn_Create_Tab(C_Wnd_Frame_Main* i_p_Main, const wxString& i_Title,
                                        std::span<const C_Menu_Item> i_Menus)
{
    // Made as a tab that is not selected yet, so that it is whole when it becomes the active
    // window.
    if (!wxAuiMDIChildFrame::Create(i_p_Main, wxID_ANY, i_Title, wxDefaultPosition, wxDefaultSize, wxMINIMIZE))
        return false;
    MV_Fn_Doc_Join();
    wxMenuBar* p_bar = i_p_Main->M_Fn_Menu_Bar_Create();
    std::size_t position = 1; // after File
    for (const C_Menu_Item& menu : i_Menus)
        p_bar->Insert(position++, G_Fn_Menu(menu.m_Sub), menu.m_Text);
    SetMenuBar(p_bar);
    if (!MV_Fn_Create_Client())
        return false;
    Activate();
    return true;
}

void C_Wnd_Frame_Child::M_Fn_Client_Fill(wxWindow* i_p_Window)
{
    Bind(wxEVT_SIZE, [this, i_p_Window](wxSizeEvent& ro_Event) {
        ro_Event.Skip();
        i_p_Window->SetSize(GetClientSize());
    });
    i_p_Window->SetSize(GetClientSize());
}

void C_Wnd_Frame_Child::M_Fn_Deactivate_If_Active()
{
    wxAuiMDIParentFrame* p_parent = GetMDIParentFrame();
    if (m_p_Doc && p_parent && p_parent->GetActiveChild() == this)
        MV_Fn_Activate(false);
}

void C_Wnd_Frame_Child::M_Fn_Doc_Forget()
{
    if (m_p_Doc)
        MV_Fn_Doc_Leave();
    m_p_Doc = nullptr;
}

bool C_Wnd_Frame_Child::Destroy()
{
    M_Fn_Deactivate_If_Active();
    MV_Fn_Views_Detach(true);
    return wxAuiMDIChildFrame::Destroy();
}

bool C_Wnd_Frame_Child::TryBefore(wxEvent& ro_Event)
{
    const wxEventType type = ro_Event.GetEventType();
    if (m_p_Doc && (type == wxEVT_MENU || type == wxEVT_UPDATE_UI) && m_p_Doc->ProcessEventLocally(ro_Event))
        return true;
    return wxAuiMDIChildFrame::TryBefore(ro_Event);
}

void C_Wnd_Frame_Child::M_Fn_On_Activate(wxActivateEvent& ro_Event)
{
    if (m_p_Doc)
        MV_Fn_Activate(ro_Event.GetActive());
}

void C_Wnd_Frame_Child::M_Fn_On_Close(wxCloseEvent&)
{
    // No question: the document and its project or section stay open.
    Destroy();
}

} // namespace N_UI::N_MDI
