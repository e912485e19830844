#include "ui/UI_Tool_Wnd.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "common/Common_Exception.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Tool_Dlg_Edit.h"
#include "ui/UI_Tool_Dlg_Proj.h"
#include "ui/UI_Tool_Dlg_Sect.h"

#include <wx/collpane.h>
#include <wx/scrolwin.h>
#include <wx/simplebook.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

namespace N_UI::N_Tool {

namespace {

// A dialog with its group caption and whether the group starts collapsed.
template <class T> C_Dlg* G_Fn_Dlg(C_Wnd* i_p_Pane, const wchar_t* i_Caption, int i_Collapsed)
{
    C_Dlg* p_dlg = new T(i_p_Pane);
    p_dlg->m_Caption = i_Caption;
    p_dlg->m_Collapsed = i_Collapsed;
    return p_dlg;
}

} // namespace

C_Wnd::C_Wnd()
{
    m_Dlgs[E_Page_General] = {G_Fn_Dlg<C_Dlg_G_File>(this, L"File", 0)};
    m_Dlgs[E_Page_Proj] = {G_Fn_Dlg<C_Dlg_G_File>(this, L"File", 1), G_Fn_Dlg<C_Dlg_Proj_Edit>(this, L"Edit", 0),
                           G_Fn_Dlg<C_Dlg_Proj_Disp>(this, L"Display", 0)};
    m_Dlgs[E_Page_Sect] = {G_Fn_Dlg<C_Dlg_G_File>(this, L"File", 1), G_Fn_Dlg<C_Dlg_Sect_Edit>(this, L"Edit", 0),
                           G_Fn_Dlg<C_Dlg_Sect_Anls>(this, L"Analysis", 0),
                           G_Fn_Dlg<C_Dlg_Sect_Disp>(this, L"Display", 0)};
}

C_Wnd::~C_Wnd()
{
    // The windows made belong to their groups; a dialog whose window was never made is ours.
    for (auto& dlgs : m_Dlgs)
        for (C_Dlg* p_dlg : dlgs)
            if (!p_dlg->GetHandle())
                delete p_dlg;
}

bool C_Wnd::M_Fn_Create(wxWindow* i_p_Parent)
{
    if (!Create(i_p_Parent, N_Cmd::E_Id_Pane_Tool))
        return false;
    bool ok = false;
    G_Fn_Catch_All("N_UI::N_Tool::C_Wnd::OnCreate", __FILE__, __LINE__, [&] {
        SetLabel("Tool box");
        auto* p_sizer = new wxBoxSizer(wxVERTICAL);
        // The caption of the page shown.
        m_p_Title = new wxStaticText(this, wxID_ANY, S_Page_Names[E_Page_General]);
        m_p_Title->SetFont(m_p_Title->GetFont().Bold());
        p_sizer->Add(m_p_Title, 0, wxEXPAND | wxALL, 4);
        // Where the pane's keyboard focus rests: a window without size that takes no key itself.
        m_p_Focus = new wxWindow(this, wxID_ANY, wxDefaultPosition, wxSize(0, 0));
        p_sizer->Add(m_p_Focus, 0);
        m_p_Book = new wxSimplebook(this, wxID_ANY);
        p_sizer->Add(m_p_Book, 1, wxEXPAND);
        SetSizer(p_sizer);
        for (int page = 0; page < 3; ++page) {
            auto* p_page = new wxScrolledWindow(m_p_Book, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                                wxVSCROLL | wxHSCROLL | wxTAB_TRAVERSAL);
            p_page->SetScrollRate(10, 10);
            p_page->SetSizer(new wxBoxSizer(wxVERTICAL));
            // A control taking the focus does not scroll the page: the toolkit would bring the
            // control's whole group into view, and a button pressed near the page's edge would
            // move away under the mouse before its release (the click lost). The event goes on
            // to the windows above as before.
            p_page->Bind(wxEVT_CHILD_FOCUS, [p_page](wxChildFocusEvent& ro_Event) {
                if (wxWindow* p_up = p_page->GetParent())
                    p_up->GetEventHandler()->ProcessEvent(ro_Event);
                ro_Event.Skip(false); // taken here, whatever the windows above said
            });
            p_page->Bind(wxEVT_MOTION, &C_Wnd::M_Fn_On_Mouse_Move, this);
            p_page->Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& ro_Event) {
                m_Tracking = 0;
                ro_Event.Skip();
            });
            m_p_Book->AddPage(p_page, S_Page_Names[page]);
            m_Pages[static_cast<std::size_t>(page)] = p_page;
            m_Page_Ids[static_cast<std::size_t>(page)] = page;
        }
        Bind(wxEVT_MOTION, &C_Wnd::M_Fn_On_Mouse_Move, this);
        for (int page = 0; page < 3; ++page)
            for (C_Dlg* p_dlg : m_Dlgs[static_cast<std::size_t>(page)])
                M_Fn_add_group_of_dlg(page, p_dlg);
        M_Fn_Width_Unify();
        m_p_Book->SetSelection(E_Page_General);
        for (int page = 0; page < 3; ++page)
            M_Fn_Page_Relayout(page);
        ok = true;
    });
    return ok;
}

void C_Wnd::M_Fn_add_group_of_dlg(int i_Page, C_Dlg* i_p_Dlg)
{
    wxScrolledWindow* p_page = m_Pages[static_cast<std::size_t>(i_Page)];
    auto* p_group = new wxCollapsiblePane(p_page, wxID_ANY, i_p_Dlg->m_Caption, wxDefaultPosition, wxDefaultSize,
                                          wxCP_DEFAULT_STYLE | wxCP_NO_TLW_RESIZE);
    // No margin at the sides: the pane's width is the dialogs' plus the room of a vertical
    // scroll bar, no more.
    p_page->GetSizer()->Add(p_group, 0, wxEXPAND | wxTOP | wxBOTTOM, 2);
    wxWindow* p_holder = p_group->GetPane();
    if (!i_p_Dlg->M_Fn_Create(p_holder))
        VT_THROW("N_UI::N_Tool::C_Wnd::M_Fn_add_group_of_dlg");
    auto* p_sizer = new wxBoxSizer(wxVERTICAL);
    p_sizer->Add(i_p_Dlg, 1, wxEXPAND);
    p_holder->SetSizer(p_sizer);
    i_p_Dlg->m_Group_Index = static_cast<int>(p_page->GetSizer()->GetItemCount()) - 1;
    p_group->Collapse(i_p_Dlg->m_Collapsed == 1);
    p_group->Bind(wxEVT_COLLAPSIBLEPANE_CHANGED, [this, i_Page](wxCollapsiblePaneEvent&) { M_Fn_Page_Relayout(i_Page); });
    m_Groups.push_back(p_group);
    m_Groups_Dlg.push_back(i_p_Dlg);
}

void C_Wnd::M_Fn_Width_Unify()
{
    // Every tool dialog takes the width of the widest one, the sub-pages of the edit dialogs
    // included (they show one at a time inside their dialog): so the first dialog's width, which
    // the pane asks for, leaves room for every group, and no page scrolls sideways.
    std::vector<C_Dlg*> all;
    for (const auto& dlgs : m_Dlgs)
        for (C_Dlg* p_dlg : dlgs) {
            all.push_back(p_dlg);
            if (const auto* p_edit = dynamic_cast<const C_Dlg_Edit*>(p_dlg))
                all.insert(all.end(), p_edit->M_Fn_Subs().begin(), p_edit->M_Fn_Subs().end());
        }
    int width = 0;
    for (const C_Dlg* p_dlg : all)
        width = std::max(width, p_dlg->GetBestSize().GetWidth());
    for (C_Dlg* p_dlg : all) {
        p_dlg->SetMinSize(wxSize(width, p_dlg->GetMinSize().GetHeight()));
        p_dlg->InvalidateBestSize();
    }
    m_Width_Preferred = width + 15;
}

wxCollapsiblePane* C_Wnd::M_Fn_Group_Get(const C_Dlg& ro_Dlg) const
{
    for (std::size_t i = 0; i < m_Groups.size(); ++i)
        if (m_Groups_Dlg[i] == &ro_Dlg)
            return m_Groups[i];
    return nullptr;
}

void C_Wnd::M_Fn_Group_Height_Set(C_Dlg& ro_Dlg, int i_Height)
{
    ro_Dlg.SetMinSize(wxSize(ro_Dlg.GetMinSize().GetWidth(), i_Height));
    for (int page = 0; page < 3; ++page) {
        const auto& dlgs = m_Dlgs[static_cast<std::size_t>(page)];
        if (std::find(dlgs.begin(), dlgs.end(), &ro_Dlg) != dlgs.end())
            M_Fn_Page_Relayout(page);
    }
}

void C_Wnd::M_Fn_Page_Relayout(int i_Page)
{
    wxScrolledWindow* p_page = m_Pages[static_cast<std::size_t>(i_Page)];
    if (!p_page)
        return;
    for (C_Dlg* p_dlg : m_Dlgs[static_cast<std::size_t>(i_Page)]) {
        p_dlg->InvalidateBestSize();
        if (wxCollapsiblePane* p_group = M_Fn_Group_Get(*p_dlg)) {
            p_group->GetPane()->InvalidateBestSize();
            p_group->GetPane()->Layout();
            p_group->InvalidateBestSize();
        }
    }
    p_page->Layout();
    p_page->FitInside();
    p_page->Refresh();
}

void C_Wnd::M_Fn_Focus_Take()
{
    if (m_p_Focus)
        m_p_Focus->SetFocus();
}

bool C_Wnd::M_Fn_Has_Focus() const
{
    return m_p_Focus && wxWindow::FindFocus() == m_p_Focus;
}

int C_Wnd::M_Fn_Page_Get_Active() const
{
    return m_p_Book ? m_p_Book->GetSelection() : -1;
}

void C_Wnd::M_Fn_Page_Show(int i_Page)
{
    if (!m_p_Book)
        return;
    if (m_p_Book->GetSelection() != i_Page) {
        m_p_Book->ChangeSelection(static_cast<std::size_t>(i_Page));
        m_p_Title->SetLabel(S_Page_Names[i_Page]);
    }
    for (C_Dlg* p_dlg : m_Dlgs[static_cast<std::size_t>(i_Page)])
        p_dlg->MV_Fn_Update();
    M_Fn_Page_Relayout(i_Page);
}

void C_Wnd::M_Fn_On_Mouse_Move(wxMouseEvent& ro_Event)
{
    // The pane takes the keyboard focus each time the mouse comes into it.
    if (!m_Tracking) {
        M_Fn_Focus_Take();
        m_Tracking = 1;
    }
    ro_Event.Skip();
}

// --- signals -------------------------------------------------------------------------------------

void C_Wnd::M_Fn_Config_Connect(N_Biz::N_Config::C_Config& ro_Config)
{
    m_Connection_Config =
        ro_Config.M_Fn_Signal().connect([this](N_Biz::N_Config::C_Config& ro_C, N_Biz::N_Config::E_Signal i_Code) {
            M_Fn_On_Signal_Config(ro_C, i_Code);
        });
}

void C_Wnd::M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj)
{
    // One project at a time: the connection to an earlier one goes.
    m_Connection_Proj = ro_Proj.M_Fn_Get_Signal().connect(
        [this](N_Biz::N_Proj::C_Proj& ro_P, N_Biz::N_Proj::E_Signal i_Code) { M_Fn_On_Signal_Proj(ro_P, i_Code); });
}

void C_Wnd::M_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code)
{
    G_Fn_Catch_All("N_UI::N_Tool::C_Wnd::M_Fn_On_Signal_Config", __FILE__, __LINE__, [&] {
        int page = -1;
        if (M_Fn_Page_Get_Active() == E_Page_Sect && m_p_Sect)
            page = E_Page_Sect;
        else if (M_Fn_Page_Get_Active() == E_Page_Proj && m_p_Proj)
            page = E_Page_Proj;
        if (page < 0)
            return;
        for (C_Dlg* p_dlg : m_Dlgs[static_cast<std::size_t>(page)])
            p_dlg->MV_Fn_On_Signal_Config(ro_Config, i_Code);
        M_Fn_Page_Relayout(page);
    });
}

void C_Wnd::M_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj& ro_Proj, N_Biz::N_Proj::E_Signal i_Code)
{
    G_Fn_Catch_All("N_UI::N_Tool::C_Wnd::M_Fn_On_Signal_Proj", __FILE__, __LINE__, [&] {
        switch (i_Code) {
        case N_Biz::N_Proj::E_Signal_D_Sect_Add: {
            const auto& sp_sect = ro_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Sect_Announced_Get();
            if (!sp_sect)
                return;
            std::erase_if(m_Connections_Sect, [](const auto& ro_C) { return !ro_C.connected(); });
            m_Connections_Sect.emplace_back(sp_sect->M_Fn_Get_Signal().connect(
                [this](N_Biz::N_Sect::C_Sect& ro_S, N_Biz::N_Sect::E_Signal i_C) { M_Fn_On_Signal_Sect(ro_S, i_C); }));
            return;
        }
        default:
            break;
        }
        // The windows belong to the interface thread: a worker's change waits for it, and then
        // reaches the pane only while the pane and that project are still there.
        if (C_App* p_app = C_App::S_Fn_Get(); p_app && !p_app->M_Fn_Is_UI_Thread()) {
            p_app->M_Fn_UI_Post([p_app, this, w_alive = std::weak_ptr<int>(m_sp_Alive), p_proj = &ro_Proj, i_Code] {
                if (w_alive.lock() && p_app->m_sp_Proj.get() == p_proj)
                    M_Fn_On_Signal_Proj(*p_proj, i_Code);
            });
            return;
        }
        switch (i_Code) {
        case N_Biz::N_Proj::E_Signal_Frame_Activate:
            if (&ro_Proj != m_p_Proj) {
                m_p_Proj = &ro_Proj;
                m_p_Sect = nullptr;
                M_Fn_Page_Show_Proj();
            }
            return;
        case N_Biz::N_Proj::E_Signal_Frame_Deactivate:
        case N_Biz::N_Proj::E_Signal_Destroy:
            // A project that goes is no longer current, whether or not its window said so.
            if (&ro_Proj == m_p_Proj) {
                m_p_Proj = nullptr;
                m_p_Sect = nullptr;
                M_Fn_Page_Show_General();
            }
            return;
        default:
            break;
        }
        if (&ro_Proj != m_p_Proj)
            return;
        const int page = M_Fn_Page_Get_Active();
        if (page != E_Page_Sect && page != E_Page_Proj)
            return;
        for (C_Dlg* p_dlg : m_Dlgs[static_cast<std::size_t>(page)])
            p_dlg->MV_Fn_On_Signal_Proj(ro_Proj, i_Code);
        M_Fn_Page_Relayout(page);
    });
}

void C_Wnd::M_Fn_On_Signal_Sect(N_Biz::N_Sect::C_Sect& ro_Sect, N_Biz::N_Sect::E_Signal i_Code)
{
    G_Fn_Catch_All("N_UI::N_Tool::C_Wnd::M_Fn_On_Signal_Sect", __FILE__, __LINE__, [&] {
        switch (i_Code) {
        case N_Biz::N_Sect::E_Signal_Frame_Activate:
            if (&ro_Sect != m_p_Sect) {
                m_p_Sect = &ro_Sect;
                m_p_Proj = ro_Sect.M_Fn_Get_Proj();
                M_Fn_Page_Show_Sect();
            }
            return;
        case N_Biz::N_Sect::E_Signal_Frame_Deactivate:
        case N_Biz::N_Sect::E_Signal_Destroy:
            // A section that goes is no longer current, whether or not its window said so.
            if (&ro_Sect == m_p_Sect) {
                m_p_Sect = nullptr;
                m_p_Proj = nullptr;
                M_Fn_Page_Show_General();
            }
            return;
        default:
            break;
        }
        if (&ro_Sect != m_p_Sect || M_Fn_Page_Get_Active() != E_Page_Sect)
            return;
        for (C_Dlg* p_dlg : m_Dlgs[E_Page_Sect])
            p_dlg->MV_Fn_On_Signal_Sect(ro_Sect, i_Code);
        M_Fn_Page_Relayout(E_Page_Sect);
    });
}

} // namespace N_UI::N_Tool
