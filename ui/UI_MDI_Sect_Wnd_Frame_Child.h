// The child frame of a section window, a tab of the main frame with the section menus (the common
// part of a child frame: UI_MDI_Wnd_Frame_Child.h): on the left the result graph above the result
// sheet, on the right the main view, in two splitters (the left column 256 pixels wide, the graph
// 256 pixels high, neither pane below 32).
//
// The document takes the section commands. Becoming the active window raises the section's
// activation code; losing it first ends the section's running task, then raises the deactivation
// code. A section may have several frames: the document lists each from its window's making to its
// deletion.
#pragma once

#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "ui/UI_MDI_Wnd_Frame_Child.h"

class wxSplitterWindow;

namespace N_UI::N_MDI::N_Sect {

class C_Doc;
class C_Wnd_View_Main;
class C_Wnd_View_R_Graph;
class C_Wnd_View_R_Sheet;

class C_Wnd_Frame_Child : public N_MDI::C_Wnd_Frame_Child {
public:
    // The frame object of i_p_Doc, without its window.
    explicit C_Wnd_Frame_Child(C_Doc* i_p_Doc);
    // Leaves the document's list of frames.
    ~C_Wnd_Frame_Child() override { M_Fn_Doc_Forget(); }

    // The window as a tab of i_p_Main with the section menus, the client area, the document's title,
    // then the active window. False when the client area could not be made.
    bool M_Fn_Create(N_MDI::C_Wnd_Frame_Main* i_p_Main);
    // The views leave the section without telling its view manager, and the frame forgets its
    // document. By the document before it goes.
    void M_Fn_Doc_Detach();

    // Whether i_p_View is one of this frame's views.
    bool M_Fn_Holds_View(const N_Biz::N_Sect::C_Mgr_Frame::C_View* i_p_View) const;

    C_Doc* M_Fn_Get_Doc() const;
    wxSplitterWindow* M_Fn_Get_Splitter_Outer() const { return m_p_Splitter_Outer; }
    wxSplitterWindow* M_Fn_Get_Splitter_Inner() const { return m_p_Splitter_Inner; }
    C_Wnd_View_Main* M_Fn_Get_View_Main() const { return m_p_View_Main; }
    C_Wnd_View_R_Graph* M_Fn_Get_View_Graph() const { return m_p_View_Graph; }
    C_Wnd_View_R_Sheet* M_Fn_Get_View_Sheet() const { return m_p_View_Sheet; }

    void MV_Fn_Views_Detach(bool i_Notify) override;

protected:
    void MV_Fn_Doc_Join() override;
    void MV_Fn_Doc_Leave() override;
    // The two splitters and the three views, the outer splitter filling the client area.
    bool MV_Fn_Create_Client() override;
    void MV_Fn_Activate(bool i_Active) override;

private:
    wxSplitterWindow* m_p_Splitter_Outer = nullptr;
    wxSplitterWindow* m_p_Splitter_Inner = nullptr;
    C_Wnd_View_Main* m_p_View_Main = nullptr;
    C_Wnd_View_R_Graph* m_p_View_Graph = nullptr;
    C_Wnd_View_R_Sheet* m_p_View_Sheet = nullptr;
};

} // namespace N_UI::N_MDI::N_Sect
