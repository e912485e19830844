// The child frame of a section window, a tab of the main frame: on the left the result graph above
// the result sheet, on the right the main view, in two splitters (the left column 256 pixels wide,
// the graph 256 pixels high, neither pane below 32).
//
// The frame brings the section menus and offers every command and update event to its document
// first (the document takes the section commands). Becoming the active window raises the
// section's activation code; losing it first ends the section's running task, then raises the
// deactivation code. Closing the frame asks nothing: the views leave the section, the frame goes
// and the document stays.
#pragma once

#include "biz/sect/Biz_Sect_Mgr_Frame.h"

// The AUI headers are empty unless the build settings come first.
#include <wx/defs.h>

#include <wx/aui/tabmdi.h>

class wxMenuBar;
class wxSplitterWindow;

namespace N_UI::N_MDI {
class C_Wnd_Frame_Main;
}

namespace N_UI::N_MDI::N_Sect {

class C_Doc;
class C_Wnd_View_Main;
class C_Wnd_View_R_Graph;
class C_Wnd_View_R_Sheet;

class C_Wnd_Frame_Child : public wxAuiMDIChildFrame {
public:
    // The frame object of i_p_Doc, without its window.
    explicit C_Wnd_Frame_Child(C_Doc* i_p_Doc);
    // Leaves the document's list of frames and hands back its menu bar's recent-file list.
    ~C_Wnd_Frame_Child() override;

    // The window as a tab of i_p_Main with the section menus, the client area, the document's title,
    // then the active window. False when the client area could not be made.
    bool M_Fn_Create(N_MDI::C_Wnd_Frame_Main* i_p_Main);
    // The two splitters and the three views. False when a window could not be made.
    bool M_Fn_Create_Client();

    // The views leave the section (with i_Notify telling its view manager first); the frame forgets
    // its document. By the document before it goes and by the frame's own close.
    void M_Fn_Views_Detach(bool i_Notify);
    void M_Fn_Doc_Detach();
    // Views leave the section, then the tab goes with its windows.
    bool Destroy() override;
#ifdef __WXGTK__
    // A tab is no GTK top-level window: its realization bypasses the top-level one's, which would
    // cast it to one (a GLib warning and a Gtk-CRITICAL each time a tab opens).
    void GTKHandleRealized() override { wxWindow::GTKHandleRealized(); }
#endif

    // Whether i_p_View is one of this frame's views.
    bool M_Fn_Holds_View(const N_Biz::N_Sect::C_Mgr_Frame::C_View* i_p_View) const;

    C_Doc* M_Fn_Get_Doc() const { return m_p_Doc; }
    wxSplitterWindow* M_Fn_Get_Splitter_Outer() const { return m_p_Splitter_Outer; }
    wxSplitterWindow* M_Fn_Get_Splitter_Inner() const { return m_p_Splitter_Inner; }
    C_Wnd_View_Main* M_Fn_Get_View_Main() const { return m_p_View_Main; }
    C_Wnd_View_R_Graph* M_Fn_Get_View_Graph() const { return m_p_View_Graph; }
    C_Wnd_View_R_Sheet* M_Fn_Get_View_Sheet() const { return m_p_View_Sheet; }

    // The section menus between File and View of a menu bar made by i_p_Main.
    static wxMenuBar* S_Fn_Menu_Bar_Create(N_MDI::C_Wnd_Frame_Main* i_p_Main);

protected:
    // The document tries every command and update event before the frame.
    bool TryBefore(wxEvent& ro_Event) override;

private:
    void M_Fn_On_Activate(wxActivateEvent& ro_Event);
    void M_Fn_On_Close(wxCloseEvent& ro_Event);

    C_Doc* m_p_Doc;
    wxSplitterWindow* m_p_Splitter_Outer = nullptr;
    wxSplitterWindow* m_p_Splitter_Inner = nullptr;
    C_Wnd_View_Main* m_p_View_Main = nullptr;
    C_Wnd_View_R_Graph* m_p_View_Graph = nullptr;
    C_Wnd_View_R_Sheet* m_p_View_Sheet = nullptr;
};

} // namespace N_UI::N_MDI::N_Sect
