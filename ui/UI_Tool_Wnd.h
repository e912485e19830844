// The tools pane ("Tools"): the host of the tool dialogs of the "General", "Project" and "Section"
// pages. It follows the configuration and every project through their change signals; the
// connections go with the pane, so a closed window is never called back.
#pragma once

#include <wx/panel.h>

#include <boost/signals2/connection.hpp>

#include <cstdint>

namespace N_Biz::N_Config {
class C_Config;
enum E_Signal : std::int32_t;
} // namespace N_Biz::N_Config
namespace N_Biz::N_Proj {
class C_Proj;
enum E_Signal : std::int32_t;
} // namespace N_Biz::N_Proj

namespace N_UI::N_Tool {

class C_Wnd : public wxPanel {
public:
    C_Wnd() = default;
    // Creates the pane as a child of i_p_Parent; false when the window failed.
    bool M_Fn_Create(wxWindow* i_p_Parent);

    // Follows the configuration: M_Fn_On_Signal_Config runs on each of its changes.
    void M_Fn_Config_Connect(N_Biz::N_Config::C_Config& ro_Config);
    void M_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code);

    // Follows a new project: M_Fn_On_Signal_Proj runs on each of its changes.
    void M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj);
    void M_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj& ro_Proj, N_Biz::N_Proj::E_Signal i_Code);

private:
    boost::signals2::scoped_connection m_Connection_Config;
    boost::signals2::scoped_connection m_Connection_Proj;
};

} // namespace N_UI::N_Tool
