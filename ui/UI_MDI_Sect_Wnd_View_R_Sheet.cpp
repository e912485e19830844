#include "ui/UI_MDI_Sect_Wnd_View_R_Sheet.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "common/Common_Exception.h"
#include "ui/UI_Catch_All.h"

#include <wx/listctrl.h>
#include <wx/settings.h>

namespace N_UI::N_MDI::N_Sect {

using N_Biz::N_Sect::C_Sheet_Row;

namespace {

struct C_Column {
    const char* m_Title;
    int m_Width;
};
constexpr C_Column G_Columns[] = {
    {"Title", 100}, {"Result", 120}, {"Compared", 120}, {"Difference", 120}, {"Description", 600},
};

C_App& G_Fn_App(const char* i_Function)
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config || !p_app->m_sp_Sect_Info)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *p_app;
}

} // namespace

C_Wnd_View_R_Sheet::C_Wnd_View_R_Sheet(wxWindow* i_p_Parent, N_Biz::N_Sect::C_Sect* i_p_Sect, const wxSize& ro_Size)
    : wxPanel(i_p_Parent, wxID_ANY, wxDefaultPosition, ro_Size, wxCLIP_CHILDREN | wxBORDER_NONE), m_p_Sect(i_p_Sect)
{
    G_Fn_Catch_All("N_UI::N_MDI::N_Sect::C_Wnd_View_R_Sheet::OnCreate", __FILE__, __LINE__, [&] {
        m_p_Sect->M_Fn_Get_Mgr_Frame().M_Fn_View_R_Sheet_On_Create(this);
        m_Attached = true;
    });
    m_p_List = new wxListCtrl(this, S_Id_List, wxPoint(0, 0), GetClientSize(),
                              wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES | wxBORDER_SUNKEN);
    m_p_List->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    for (int i = 0; i < int(std::size(G_Columns)); ++i)
        m_p_List->InsertColumn(i, G_Columns[i].m_Title, wxLIST_FORMAT_LEFT, G_Columns[i].m_Width);
    m_p_List->DeleteAllItems();
    G_Fn_Catch_All("N_UI::N_MDI::N_Sect::C_Wnd_View_R_Sheet::OnCreate", __FILE__, __LINE__,
                   [&] { M_Fn_Rows_Build(); });

    Bind(wxEVT_IDLE, &C_Wnd_View_R_Sheet::M_Fn_On_Idle, this);
    Bind(wxEVT_SIZE, &C_Wnd_View_R_Sheet::M_Fn_On_Size, this);
}

C_Wnd_View_R_Sheet::~C_Wnd_View_R_Sheet()
{
    M_Fn_Detach(true);
}

void C_Wnd_View_R_Sheet::M_Fn_Detach(bool i_Notify)
{
    if (!m_p_Sect)
        return;
    if (i_Notify && m_Attached)
        G_Fn_Catch_All("N_UI::N_MDI::N_Sect::C_Wnd_View_R_Sheet::OnDestroy", __FILE__, __LINE__,
                       [&] { m_p_Sect->M_Fn_Get_Mgr_Frame().M_Fn_View_R_Sheet_On_Destroy(); });
    m_Attached = false;
    m_p_Sect = nullptr;
    m_Pending = false;
}

void C_Wnd_View_R_Sheet::M_Fn_Invalidate()
{
    m_Pending = true;
}

void C_Wnd_View_R_Sheet::M_Fn_On_Idle(wxIdleEvent& ro_Event)
{
    ro_Event.Skip();
    if (!m_Pending || !m_p_Sect || !IsShownOnScreen())
        return;
    G_Fn_Catch_All("N_UI::N_MDI::N_Sect::C_Wnd_View_R_Sheet::OnPaint", __FILE__, __LINE__, [&] { M_Fn_Refresh(); });
}

void C_Wnd_View_R_Sheet::M_Fn_On_Size(wxSizeEvent& ro_Event)
{
    ro_Event.Skip();
    if (m_p_List)
        m_p_List->SetSize(wxRect(wxPoint(0, 0), GetClientSize()));
}

void C_Wnd_View_R_Sheet::M_Fn_Rows_Build()
{
    static constexpr const char* K_Fn = "N_UI::N_MDI::N_Sect::C_Wnd_View_R_Sheet::M_Fn_Rows_Build";
    const C_App& app = G_Fn_App(K_Fn);
    m_Switch = N_Biz::N_Sect::C_Mgr_Calc::S_Fn_Rows_Switch_Get(app.m_sp_Config->M_Fn_Data());
    m_Rows = N_Biz::N_Sect::G_Fn_Sheet_Rows_Build(*app.m_sp_Sect_Info, m_Switch);
    m_p_List->DeleteAllItems();
    for (std::size_t i = 0; i < m_Rows.size(); ++i) {
        const long item = m_p_List->InsertItem(long(i), m_Rows[i].m_Title);
        m_p_List->SetItem(item, 4, m_Rows[i].m_Desc);
    }
    m_Rebuild = false;
}

void C_Wnd_View_R_Sheet::M_Fn_Refresh()
{
    static constexpr const char* K_Fn = "N_UI::N_MDI::N_Sect::C_Wnd_View_R_Sheet::M_Fn_Refresh";
    m_Pending = false;
    if (!m_p_Sect)
        return;
    if (m_Rebuild)
        M_Fn_Rows_Build();
    const C_App& app = G_Fn_App(K_Fn);
    m_Switch.m_Scientific = app.m_sp_Config->M_Fn_Data().m_Sheet_Scientific;

    N_Biz::N_Sect::C_Mgr_Calc& calc = m_p_Sect->M_Fn_Get_Mgr_Calc();
    calc.M_Fn_Update_If_Stale();
    const auto& sp_result = calc.M_Fn_Get_Result();
    N_Biz::N_Proj::C_Proj* p_proj = m_p_Sect->M_Fn_Get_Proj();
    if (!sp_result || !p_proj || !p_proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Result_Compared_Get())
        VT_THROW(K_Fn);
    const N_Biz::N_Sect::C_Result& compared = *p_proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Result_Compared_Get();

    for (std::size_t i = 0; i < m_Rows.size(); ++i) {
        if (m_Rows[i].m_Kind == C_Sheet_Row::E_Kind_Heading)
            continue;
        const auto cells = N_Biz::N_Sect::G_Fn_Sheet_Row_Cells(m_Rows[i], *sp_result, compared, m_Switch.m_Scientific);
        for (int c = 0; c < 3; ++c)
            if (m_p_List->GetItemText(long(i), c + 1) != cells[std::size_t(c)])
                m_p_List->SetItem(long(i), c + 1, cells[std::size_t(c)]);
    }
}

} // namespace N_UI::N_MDI::N_Sect
