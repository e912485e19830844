// The properties pane ("Properties"): the host of the property grid of the selected object. It
// follows every project through its change signal; the connection goes with the pane, so a closed
// window is never called back.
#pragma once

#include <wx/panel.h>

#include <boost/signals2/connection.hpp>

#include <cstdint>

namespace N_Biz::N_Proj {
class C_Proj;
enum E_Signal : std::int32_t;
} // namespace N_Biz::N_Proj

namespace N_UI::N_Property {

class C_Wnd : public wxPanel {
public:
    C_Wnd() = default;
    // Creates the pane as a child of i_p_Parent; false when the window failed.
    bool M_Fn_Create(wxWindow* i_p_Parent);

    // Follows a new project: M_Fn_On_Signal_Proj runs on each of its changes.
    void M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj);
    void M_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj& ro_Proj, N_Biz::N_Proj::E_Signal i_Code);

private:
    boost::signals2::scoped_connection m_Connection_Proj;
};

} // namespace N_UI::N_Property
