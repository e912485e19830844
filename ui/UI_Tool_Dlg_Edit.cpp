#include "ui/UI_Tool_Dlg_Edit.h"

#include "common/Common_Exception.h"
#include "ui/UI_Tool_Wnd.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>

#include <algorithm>

namespace N_UI::N_Tool {

C_Dlg_Edit::C_Dlg_Edit(unsigned i_Template, C_Wnd* i_p_Pane, std::vector<int> i_Radios, int i_Num_Subs)
    : C_Dlg(i_Template, i_p_Pane), m_Radio_Ids(std::move(i_Radios)), m_Num_Subs(i_Num_Subs)
{
}

void C_Dlg_Edit::MV_Fn_On_Init()
{
    for (int id : m_Radio_Ids) {
        auto* p_radio = dynamic_cast<wxRadioButton*>(M_Fn_Ctrl(id));
        if (!p_radio)
            VT_THROW("N_UI::N_Tool::C_Dlg_Edit::DoDataExchange");
        m_Radios.push_back(p_radio);
    }
    // No mode sub-page yet: the radio buttons wait for one.
    for (wxRadioButton* p_radio : m_Radios)
        p_radio->Disable();

    wxWindow* p_place = M_Fn_Ctrl(1000);
    if (!p_place)
        VT_THROW("N_UI::N_Tool::C_Dlg_Edit::OnInitDialog");
    Layout();
    const int top = p_place->GetPosition().y;
    for (int i = 0; i < m_Num_Subs; ++i) {
        C_Dlg* p_sub = MV_Fn_Sub_Make(i);
        if (!p_sub)
            VT_THROW("N_UI::N_Tool::C_Dlg_Edit::OnInitDialog");
        if (!p_sub->M_Fn_Create(p_place)) {
            delete p_sub;
            VT_THROW("N_UI::N_Tool::C_Dlg_Edit::OnInitDialog");
        }
        p_sub->m_Group_Height = top + p_sub->GetBestSize().y;
        p_sub->Hide();
        p_place->GetSizer()->Add(p_sub, 0, wxEXPAND);
        m_Subs.push_back(p_sub);
    }
}

void C_Dlg_Edit::M_Fn_Sub_Show(int i_Index)
{
    const int old = m_Sub;
    if (old >= 0 && old < static_cast<int>(m_Subs.size()))
        m_Subs[static_cast<std::size_t>(old)]->Hide();
    if (M_Fn_Is_Mode(old))
        // Clearing a mark: the group's hidden button takes it.
        if (wxWindow* p_none = M_Fn_Ctrl(-1))
            static_cast<wxRadioButton*>(p_none)->SetValue(true);
    m_Sub = i_Index;
    if (i_Index >= 0 && i_Index < static_cast<int>(m_Subs.size())) {
        C_Dlg* p_sub = m_Subs[static_cast<std::size_t>(i_Index)];
        if (C_Wnd* p_pane = M_Fn_Pane_Get())
            p_pane->M_Fn_Group_Height_Set(*this, p_sub->m_Group_Height);
        p_sub->MV_Fn_Update();
        p_sub->Show();
        Layout();
    }
    if (M_Fn_Is_Mode(i_Index))
        m_Radios[static_cast<std::size_t>(i_Index)]->SetValue(true);
    if (M_Fn_Is_Mode(i_Index) != M_Fn_Is_Mode(old))
        for (wxRadioButton* p_radio : m_Radios)
            p_radio->Enable(M_Fn_Is_Mode(i_Index));
}

C_Dlg* C_Dlg_Edit::M_Fn_Sub_Shown() const
{
    return m_Sub >= 0 && m_Sub < static_cast<int>(m_Subs.size()) ? m_Subs[static_cast<std::size_t>(m_Sub)] : nullptr;
}

C_Dlg::E_UI C_Dlg_Edit::MV_Fn_Update_UI(int i_Id)
{
    // The mode radio buttons wait while a task runs, whatever the document would say.
    if (std::find(m_Radio_Ids.begin(), m_Radio_Ids.end(), i_Id) != m_Radio_Ids.end())
        return M_Fn_Is_Mode(m_Sub) ? E_UI_Pass : E_UI_Disable;
    return C_Dlg::MV_Fn_Update_UI(i_Id);
}

void C_Dlg_Edit::M_Fn_Update_Edit(int i_Sub)
{
    M_Fn_Update_Cmd_Undo_Redo();
    M_Fn_Update_Proj_D_DB_C_P_Palette();
    M_Fn_Sub_Show(i_Sub);
}

void C_Dlg_Edit::MV_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code)
{
    if (C_Dlg* p_sub = M_Fn_Sub_Shown())
        p_sub->MV_Fn_On_Signal_Config(ro_Config, i_Code);
}

} // namespace N_UI::N_Tool
