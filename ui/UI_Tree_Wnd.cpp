#include "ui/UI_Tree_Wnd.h"

#include "ui/UI_Cmd_Id.h"

namespace N_UI::N_Tree {

bool C_Wnd::M_Fn_Create(wxWindow* i_p_Parent)
{
    return Create(i_p_Parent, N_Cmd::E_Id_Pane_Tree);
}

} // namespace N_UI::N_Tree
