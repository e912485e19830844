#include "ui/UI_Windows_Dlg.h"

#include "ui/UI_Catch_All.h"

#include <wx/aui/tabmdi.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

#include <algorithm>

namespace N_UI::N_Windows {

C_Dlg::C_Dlg(wxAuiMDIParentFrame* i_p_Frame)
    : wxDialog(i_p_Frame, wxID_ANY, "Windows", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_p_Frame(i_p_Frame)
{
    m_p_List = new wxListBox(this, E_Id_List, wxDefaultPosition, wxSize(320, 200), 0, nullptr, wxLB_SINGLE);
    auto* p_buttons = new wxBoxSizer(wxVERTICAL);
    p_buttons->Add(new wxButton(this, E_Id_Activate, "&Activate"), 0, wxEXPAND | wxBOTTOM, 6);
    p_buttons->Add(new wxButton(this, E_Id_Close, "&Close"), 0, wxEXPAND | wxBOTTOM, 6);
    p_buttons->AddStretchSpacer();
    p_buttons->Add(new wxButton(this, wxID_OK, "OK"), 0, wxEXPAND);
    auto* p_sizer = new wxBoxSizer(wxHORIZONTAL);
    p_sizer->Add(m_p_List, 1, wxEXPAND | wxALL, 10);
    p_sizer->Add(p_buttons, 0, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(p_sizer);
    SetEscapeId(wxID_OK);
    M_Fn_Fill();
    if (!m_Windows.empty()) {
        // The active window is chosen first.
        const auto it = std::find(m_Windows.begin(), m_Windows.end(), m_p_Frame->GetActiveChild());
        m_p_List->SetSelection(it == m_Windows.end() ? 0 : static_cast<int>(it - m_Windows.begin()));
    }
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& ro_Event) { ro_Event.Enable(M_Fn_Selected() != nullptr); },
         E_Id_Activate, E_Id_Close);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent& ro_Event) { M_Fn_On_Button(ro_Event.GetId()); }, E_Id_Activate,
         E_Id_Close);
    Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { M_Fn_On_Button(E_Id_Activate); }, E_Id_List);
    CentreOnParent();
}

void C_Dlg::M_Fn_Fill()
{
    const int selected = m_p_List->GetSelection();
    m_Windows.clear();
    m_p_List->Clear();
    if (wxAuiNotebook* p_tabs = m_p_Frame->GetClientWindow())
        for (std::size_t i = 0; i < p_tabs->GetPageCount(); ++i)
            if (auto* p_child = dynamic_cast<wxAuiMDIChildFrame*>(p_tabs->GetPage(i))) {
                m_Windows.push_back(p_child);
                m_p_List->Append(p_child->GetTitle());
            }
    if (!m_Windows.empty() && selected != wxNOT_FOUND)
        m_p_List->SetSelection(std::min(selected, static_cast<int>(m_Windows.size()) - 1));
}

wxAuiMDIChildFrame* C_Dlg::M_Fn_Selected() const
{
    const int selected = m_p_List->GetSelection();
    return selected == wxNOT_FOUND || selected >= static_cast<int>(m_Windows.size()) ? nullptr
                                                                                     : m_Windows[selected];
}

void C_Dlg::M_Fn_On_Button(int i_Id)
{
    G_Fn_Catch_All("N_UI::N_Windows::C_Dlg::M_Fn_On_Button", __FILE__, __LINE__, [&] {
        wxAuiMDIChildFrame* p_child = M_Fn_Selected();
        if (!p_child)
            return;
        if (i_Id == E_Id_Close) {
            // As the tab's close button: the window decides (a project window goes, and its project
            // stays open).
            p_child->Close();
            M_Fn_Fill();
            return;
        }
        p_child->Activate();
        EndModal(wxID_OK);
    });
}

} // namespace N_UI::N_Windows
