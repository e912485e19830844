// The child frame of the project window, a tab of the main frame holding the project's main view,
// with the project menus (the common part of a child frame: UI_MDI_Wnd_Frame_Child.h). Becoming
// the active window raises the project's activation code (10); losing it first ends the project's
// running task, then raises the deactivation code (11). The project keeps one frame at most and
// may open its view again while a closed frame still waits to be deleted: so the frame leaves its
// document as soon as it goes.
#pragma once

#include "ui/UI_MDI_Wnd_Frame_Child.h"

namespace N_UI::N_MDI::N_Proj {

class C_Doc;
class C_Wnd_View_Main;

class C_Wnd_Frame_Child : public N_MDI::C_Wnd_Frame_Child {
public:
    // The frame object of i_p_Doc, without its window.
    explicit C_Wnd_Frame_Child(C_Doc* i_p_Doc);
    // Leaves the document.
    ~C_Wnd_Frame_Child() override { M_Fn_Doc_Forget(); }
    // The frame leaves its document (M_Fn_Doc_Detach), then the tab goes with its windows.
    bool Destroy() override;

    // The window as a tab of i_p_Main with the project menus and the main view, titled by the
    // project's name, then the active window. False when a window could not be made.
    bool M_Fn_Create(N_MDI::C_Wnd_Frame_Main* i_p_Main);
    // The active window is deactivated first; the view leaves the project (its view manager told)
    // and the frame forgets its document.
    void M_Fn_Doc_Detach();

    C_Doc* M_Fn_Get_Doc() const;
    C_Wnd_View_Main* M_Fn_Get_View_Main() const { return m_p_View_Main; }

    void MV_Fn_Views_Detach(bool i_Notify) override;

protected:
    void MV_Fn_Doc_Leave() override;
    // The main view, filling the client area.
    bool MV_Fn_Create_Client() override;
    void MV_Fn_Activate(bool i_Active) override;

private:
    C_Wnd_View_Main* m_p_View_Main = nullptr;
};

} // namespace N_UI::N_MDI::N_Proj
