// The tools pane ("Tools"): three pages, "General", "Project" and "Section", each a scrolled column
// of collapsible groups that hold one tool dialog each. Which page shows follows the active
// document window: none, a project window or a section window (the owners' activation and
// deactivation codes). The pane follows the configuration, every project the main frame connects,
// and every section such a project announces; the connections go with the pane, so a closed
// window is never called back. Notifications reach only the dialogs of the page shown, and only
// for its current project or section; a page is refreshed whole when it is shown.
//
// A model import changes the project on its worker thread, which raises the project's signal
// there: the pane takes note of a new section at once and leaves everything else that touches a
// window to the interface thread (the application's queue, which the progress dialog runs).
#pragma once

#include <wx/panel.h>

#include <boost/signals2/connection.hpp>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class wxCollapsiblePane;
class wxScrolledWindow;
class wxSimplebook;
class wxStaticText;

namespace N_Biz::N_Config {
class C_Config;
enum E_Signal : std::int32_t;
} // namespace N_Biz::N_Config
namespace N_Biz::N_Proj {
class C_Proj;
enum E_Signal : std::int32_t;
} // namespace N_Biz::N_Proj
namespace N_Biz::N_Sect {
class C_Sect;
enum E_Signal : std::int32_t;
} // namespace N_Biz::N_Sect

namespace N_UI::N_Tool {

class C_Dlg;

class C_Wnd : public wxPanel {
public:
    enum E_Page : int { E_Page_General = 0, E_Page_Proj = 1, E_Page_Sect = 2 };

    // The dialog objects of the three pages (their windows come with the pane's).
    C_Wnd();
    ~C_Wnd() override;

    // Creates the pane as a child of i_p_Parent with its pages, groups and dialogs; false when a
    // window failed.
    bool M_Fn_Create(wxWindow* i_p_Parent);

    // Follows the configuration: M_Fn_On_Signal_Config runs on each of its changes.
    void M_Fn_Config_Connect(N_Biz::N_Config::C_Config& ro_Config);
    // Follows a new project: M_Fn_On_Signal_Proj runs on each of its changes.
    void M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj);

    // The three signal slots.
    void M_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code);
    void M_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj& ro_Proj, N_Biz::N_Proj::E_Signal i_Code);
    void M_Fn_On_Signal_Sect(N_Biz::N_Sect::C_Sect& ro_Sect, N_Biz::N_Sect::E_Signal i_Code);

    // Shows the page (unless it is shown) and updates each of its dialogs in order.
    void M_Fn_Page_Show_General() { M_Fn_Page_Show(E_Page_General); }
    void M_Fn_Page_Show_Proj() { M_Fn_Page_Show(E_Page_Proj); }
    void M_Fn_Page_Show_Sect() { M_Fn_Page_Show(E_Page_Sect); }
    int M_Fn_Page_Get_Active() const;

    N_Biz::N_Proj::C_Proj* M_Fn_Proj_Get() const { return m_p_Proj; }
    N_Biz::N_Sect::C_Sect* M_Fn_Sect_Get() const { return m_p_Sect; }
    // The width the main frame gives the pane: the first dialog's width plus 15 (every dialog has
    // the width of the widest).
    int M_Fn_Width_Preferred() const { return m_Width_Preferred; }
    const std::vector<C_Dlg*>& M_Fn_Dlgs(int i_Page) const { return m_Dlgs[static_cast<std::size_t>(i_Page)]; }
    wxScrolledWindow* M_Fn_Page_Window(int i_Page) const { return m_Pages[static_cast<std::size_t>(i_Page)]; }
    // The group that holds dialog ro_Dlg, or null.
    wxCollapsiblePane* M_Fn_Group_Get(const C_Dlg& ro_Dlg) const;
    // Gives the group of ro_Dlg the height i_Height for the dialog.
    void M_Fn_Group_Height_Set(C_Dlg& ro_Dlg, int i_Height);

    static constexpr const wchar_t* S_Page_Names[3] = {L"General", L"Project", L"Section"};

    // The pane takes the keyboard focus (after a tool command, and when the mouse comes in): the
    // focus rests on a window of the pane that is no control, so that every key goes to the main
    // frame's accelerators rather than to a button or an edit.
    void M_Fn_Focus_Take();
    bool M_Fn_Has_Focus() const;

private:
    void M_Fn_add_group_of_dlg(int i_Page, C_Dlg* i_p_Dlg);
    // Gives every dialog and sub-page the width of the widest, and the pane its preferred width.
    void M_Fn_Width_Unify();
    void M_Fn_Page_Show(int i_Page);
    void M_Fn_Page_Relayout(int i_Page);
    void M_Fn_On_Mouse_Move(wxMouseEvent& ro_Event);

    int m_Tracking = 0;
    N_Biz::N_Sect::C_Sect* m_p_Sect = nullptr;
    N_Biz::N_Proj::C_Proj* m_p_Proj = nullptr;
    int m_Width_Preferred = 0;
    std::array<int, 3> m_Page_Ids{-1, -1, -1};
    std::array<std::vector<C_Dlg*>, 3> m_Dlgs;

    wxStaticText* m_p_Title = nullptr;
    wxWindow* m_p_Focus = nullptr;
    wxSimplebook* m_p_Book = nullptr;
    std::array<wxScrolledWindow*, 3> m_Pages{};
    std::vector<wxCollapsiblePane*> m_Groups; // in the order the dialogs were added
    std::vector<C_Dlg*> m_Groups_Dlg;

    boost::signals2::scoped_connection m_Connection_Config;
    boost::signals2::scoped_connection m_Connection_Proj;
    std::vector<boost::signals2::scoped_connection> m_Connections_Sect;
    // Held by the pane alone: what a worker queued for the pane runs only while the pane lives.
    std::shared_ptr<int> m_sp_Alive = std::make_shared<int>(0);
};

} // namespace N_UI::N_Tool
