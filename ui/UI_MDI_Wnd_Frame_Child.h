// What the child frames have in common, the tabs of the main frame that show a project or a
// section. A child frame brings its own menus between File and View and offers every command and
// update event to its document first. Becoming the active window raises its owner's activation
// code; losing it first ends the owner's running task, then raises the deactivation code. Closing
// the frame asks nothing: its views leave, the tab goes and the document stays.
//
// A frame of its own kind says what differs: its menus (a table handed to M_Fn_Create_Tab), its
// client windows (MV_Fn_Create_Client, MV_Fn_Views_Detach), the codes it raises (MV_Fn_Activate)
// and how its document keeps it (MV_Fn_Doc_Join, MV_Fn_Doc_Leave).
#pragma once

#include "ui/UI_MDI_Menu.h"

// The AUI headers are empty unless the build settings come first.
#include <wx/defs.h>

#include <wx/aui/tabmdi.h>

#include <initializer_list>
#include <span>

namespace N_UI::N_MDI {

class C_Wnd_Frame_Main;

class C_Wnd_Frame_Child : public wxAuiMDIChildFrame {
public:
    // The entries that open the Edit menu of every child frame, Undo to "Unhide All Type Of
    // Objects" and a separator; a frame's table takes them in as an entry without text.
    static const std::initializer_list<C_Menu_Item> S_Menu_Edit_Head;

    // Hands back its menu bar's recent-file list.
    ~C_Wnd_Frame_Child() override;

    // The active window that goes is deactivated first, while it still knows its document, so the
    // running task ends and the panes leave; then the views leave and the tab goes with its windows.
    bool Destroy() override;
#ifdef __WXGTK__
    // A tab is no GTK top-level window: its realization bypasses the top-level one's, which would
    // cast it to one (a GLib warning and a Gtk-CRITICAL each time a tab opens).
    void GTKHandleRealized() override { wxWindow::GTKHandleRealized(); }
#endif

    // The views leave their project or section, with i_Notify telling its view manager first.
    virtual void MV_Fn_Views_Detach(bool i_Notify) = 0;

protected:
    // The frame object of the document i_p_Doc, without its window.
    explicit C_Wnd_Frame_Child(wxEvtHandler* i_p_Doc);

    // The window as a tab of i_p_Main titled i_Title, joined to its document, with i_Menus between
    // File and View of its menu bar and its client windows, then the active window. False when a
    // window could not be made.
    bool M_Fn_Create_Tab(C_Wnd_Frame_Main* i_p_Main, const wxString& i_Title, std::span<const C_Menu_Item> i_Menus);
    // i_p_Window fills the client area, now and after every size.
    void M_Fn_Client_Fill(wxWindow* i_p_Window);
    // The deactivation, when the frame has its document and is the main frame's active child.
    void M_Fn_Deactivate_If_Active();
    // The document lets the frame go (MV_Fn_Doc_Leave) and the frame forgets it. A derived frame's
    // destructor calls it, so nothing reaches the document from a frame half gone.
    void M_Fn_Doc_Forget();
    wxEvtHandler* M_Fn_Get_Doc_Handler() const { return m_p_Doc; }

    // The document takes the frame into its list once the window exists; nothing by default.
    virtual void MV_Fn_Doc_Join() {}
    virtual void MV_Fn_Doc_Leave() = 0;
    // The client windows. False when a window could not be made.
    virtual bool MV_Fn_Create_Client() = 0;
    // Only while the frame has its document: the owner raises its activation code (i_Active), or
    // ends its running task and raises its deactivation code. Catches in the frame's own name.
    virtual void MV_Fn_Activate(bool i_Active) = 0;

    // The document tries every command and update event before the frame.
    bool TryBefore(wxEvent& ro_Event) override;

private:
    void M_Fn_On_Activate(wxActivateEvent& ro_Event);
    void M_Fn_On_Close(wxCloseEvent& ro_Event);

    wxEvtHandler* m_p_Doc;
};

} // namespace N_UI::N_MDI
