// The window looks 131 to 139. The desktop has no visual managers of their kind, so each look is
// mapped to the nearest thing the docking library offers: the colours and gradient of the pane
// captions, the tab style of the document area and the docking hint (the transparent "smart" hint
// for the looks that set smart docking again, a plain rectangle for the others).
#pragma once

class wxAuiManager;
class wxAuiNotebook;

namespace N_UI::N_MDI {

struct C_Look {
    unsigned m_Id;
    const char* m_Menu_Text;
    bool m_Smart_Docking;

    // The look of i_Id; null outside 131 to 139.
    static const C_Look* S_Fn_Find(unsigned i_Id);
    // Gives ro_Aui's panes and ro_Tabs the look i_Id (nothing for an unknown id).
    static void S_Fn_Apply(unsigned i_Id, wxAuiManager& ro_Aui, wxAuiNotebook* i_p_Tabs);
};

} // namespace N_UI::N_MDI
