#include "ui/UI_Property_Dlg.h"

#include "ui/UI_Property_Ctrl.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace N_UI::N_Property {

C_Dlg::C_Dlg(wxWindow* i_p_Parent) : C_Dlg_Base(i_p_Parent, "Properties", wxSize(420, 520)) {}

C_Dlg::~C_Dlg()
{
    // The grid goes before the rows it draws.
    DestroyChildren();
}

int C_Dlg::M_Fn_Run()
{
    // The model is filled before anything is shown, so that a misuse reaches the caller.
    const std::wstring apply = m_Model.M_Fn_Apply_Text();
    m_Model.m_Ctrl.m_Fn_Changed = [this](C_Row&) { m_Model.m_Modified = true; };
    m_Model.M_Fn_Init();

    auto* p_sizer = new wxBoxSizer(wxVERTICAL);
    auto* p_top = new wxBoxSizer(wxHORIZONTAL);
    p_top->Add(new wxStaticText(this, wxID_ANY, "Type:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    m_p_Type = new wxChoice(this, E_Id_Type);
    for (const std::wstring& title : m_Model.M_Fn_Types())
        m_p_Type->Append(title);
    m_p_Type->SetSelection(m_Model.M_Fn_Type_Selected());
    p_top->Add(m_p_Type, 1, wxEXPAND);
    p_sizer->Add(p_top, 0, wxEXPAND | wxALL, 8);
    m_p_Grid = new C_Ctrl_Wx(this, m_Model.m_Ctrl);
    p_sizer->Add(m_p_Grid, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    m_p_Apply = new wxButton(this, E_Id_Apply, apply);
    p_sizer->Add(m_p_Apply, 0, wxALIGN_RIGHT | wxALL, 8);
    SetSizer(p_sizer);
    Layout();

    m_p_Apply->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { M_Fn_On_Button_Apply_Clicked(); });
    m_p_Type->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { M_Fn_On_Type_Change(); });
    return M_Fn_Show_Modal();
}

void C_Dlg::M_Fn_On_Type_Change()
{
    M_Fn_Guard([this] { m_Model.M_Fn_Type_Change(m_p_Type->GetSelection()); });
}

void C_Dlg::M_Fn_On_Button_Apply_Clicked()
{
    M_Fn_Guard([this] {
        // A value still in the grid's editor is taken first.
        m_p_Grid->GetGrid()->CommitChangesFromEditor();
        if (m_Model.M_Fn_Apply())
            EndModal(wxID_OK);
    });
}

} // namespace N_UI::N_Property
