// What the project and the section edit dialogs share: the Undo and Redo buttons, the palette
// label and swatch, the select & edit mode radio buttons, and the sub-pages shown one at a time on
// the place of the "Dummy Position" placeholder. The mode sub-pages come first, one per radio
// button; the radio buttons are usable exactly while a mode sub-page is shown, that is while no
// editing task runs.
#pragma once

#include "ui/UI_Tool_Dlg.h"

#include <vector>

class wxRadioButton;

namespace N_UI::N_Tool {

class C_Dlg_Edit : public C_Dlg {
public:
    // i_Radios: the ids of the mode radio buttons in sub-page order; i_Num_Subs: all sub-pages.
    C_Dlg_Edit(unsigned i_Template, C_Wnd* i_p_Pane, std::vector<int> i_Radios, int i_Num_Subs);

    // Shows sub-page i_Index (-1: none): the one shown goes, the group takes the new one's height,
    // which is updated and shown; its radio button is marked when it is a mode sub-page.
    void M_Fn_Sub_Show(int i_Index);
    int M_Fn_Sub_Get() const { return m_Sub; }
    // The sub-pages in index order (after the window exists).
    const std::vector<C_Dlg*>& M_Fn_Subs() const { return m_Subs; }
    bool M_Fn_Is_Mode(int i_Index) const { return i_Index >= 0 && i_Index < static_cast<int>(m_Radio_Ids.size()); }

    void MV_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code) override;

protected:
    // The sub-page object of index i_Index (its window is made here).
    virtual C_Dlg* MV_Fn_Sub_Make(int i_Index) = 0;
    void MV_Fn_On_Init() override;
    E_UI MV_Fn_Update_UI(int i_Id) override;
    // Undo and Redo buttons, palette label, then the sub-page of i_Sub.
    void M_Fn_Update_Edit(int i_Sub);
    // The sub-page shown, or null.
    C_Dlg* M_Fn_Sub_Shown() const;

private:
    std::vector<int> m_Radio_Ids;
    int m_Num_Subs;
    int m_Sub = -1;
    std::vector<wxRadioButton*> m_Radios;
    std::vector<C_Dlg*> m_Subs;
};

} // namespace N_UI::N_Tool
