#include "ui/UI_MDI_Sect_Wnd_View_R_Graph.h"

#include "biz/sect/Biz_Sect.h"

#include <wx/settings.h>

namespace N_UI::N_MDI::N_Sect {

C_Wnd_View_R_Graph::C_Wnd_View_R_Graph(wxWindow* i_p_Parent, N_Biz::N_Sect::C_Sect* i_p_Sect, const wxSize& ro_Size)
    : C_Wnd_View_Sect_GL(i_p_Parent, i_p_Sect, ro_Size, 0, "N_UI::N_MDI::N_Sect::C_Wnd_View_R_Graph", __FILE__)
{
    M_Fn_Text_Font_Set(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    for (const auto type : {wxEVT_LEFT_UP, wxEVT_RIGHT_UP, wxEVT_MIDDLE_UP})
        Bind(type, &C_Wnd_View_R_Graph::M_Fn_On_Button_Up, this);
}

C_Wnd_View_R_Graph::~C_Wnd_View_R_Graph()
{
    M_Fn_Detach(true);
    M_Fn_GL_Destroy();
}

void C_Wnd_View_R_Graph::M_Fn_On_Button_Up(wxMouseEvent& ro_Event)
{
    ro_Event.Skip();
    const wxEventType type = ro_Event.GetEventType();
    M_Fn_Catch("OnButtonUp", __LINE__, [&] {
        N_Biz::N_Sect::C_Sect* p_sect = M_Fn_Sect_Ready();
        if (!p_sect)
            return;
        N_Biz::N_Sect::C_Mgr_Frame& mgr = p_sect->M_Fn_Get_Mgr_Frame();
        if (type == wxEVT_LEFT_UP)
            mgr.M_Fn_View_R_Graph_On_LButton_Up();
        else if (type == wxEVT_RIGHT_UP)
            mgr.M_Fn_View_R_Graph_On_RButton_Up();
        else
            mgr.M_Fn_View_R_Graph_On_MButton_Up();
    });
}

} // namespace N_UI::N_MDI::N_Sect
