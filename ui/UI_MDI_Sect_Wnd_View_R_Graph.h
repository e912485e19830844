// The result graph of a section window: an OpenGL view that the section's view manager draws. Its
// three mouse buttons step the load case back (left) or forward (right) or switch the bound
// (middle), wherever the click falls. Text is drawn in the GUI font.
#pragma once

#include "ui/UI_MDI_Sect_Wnd_View_GL.h"

namespace N_UI::N_MDI::N_Sect {

class C_Wnd_View_R_Graph : public C_Wnd_View_Sect_GL {
public:
    C_Wnd_View_R_Graph(wxWindow* i_p_Parent, N_Biz::N_Sect::C_Sect* i_p_Sect, const wxSize& ro_Size);
    // Deregisters and lets the context go.
    ~C_Wnd_View_R_Graph() override;

protected:
    void MV_Fn_Hook_Create(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr) override { ro_Mgr.M_Fn_View_R_Graph_On_Create(this); }
    void MV_Fn_Hook_Size(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr, int i_Width, int i_Height) override
    {
        ro_Mgr.M_Fn_View_R_Graph_On_Size(i_Width, i_Height);
    }
    void MV_Fn_Hook_Draw(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr) override { ro_Mgr.M_Fn_View_R_Graph_Draw(); }
    void MV_Fn_Hook_Destroy(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr) override { ro_Mgr.M_Fn_View_R_Graph_On_Destroy(); }

private:
    void M_Fn_On_Button_Up(wxMouseEvent& ro_Event);
};

} // namespace N_UI::N_MDI::N_Sect
