#include "ui/UI_About_Dlg.h"

#include "app/App.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace N_UI::N_About {

C_Dlg::C_Dlg() : wxDialog(wxTheApp ? wxTheApp->GetTopWindow() : nullptr, wxID_ANY, "About")
{
    m_p_Product = new wxStaticText(this, E_Id_Product, "Product");
    m_p_Version = new wxStaticText(this, E_Id_Version, "Version");
    auto* p_sizer = new wxBoxSizer(wxVERTICAL);
    p_sizer->Add(m_p_Product, 0, wxLEFT | wxRIGHT | wxTOP, 16);
    p_sizer->Add(m_p_Version, 0, wxLEFT | wxRIGHT | wxTOP, 16);
    p_sizer->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALIGN_RIGHT | wxALL, 16);
    SetSizerAndFit(p_sizer);
    Bind(wxEVT_INIT_DIALOG, &C_Dlg::M_Fn_On_Init_Dialog, this);
}

void C_Dlg::M_Fn_On_Init_Dialog(wxInitDialogEvent& ro_Event)
{
    ro_Event.Skip();
    // Whatever the controls said before, they show the application's own strings.
    m_p_Product->SetLabelText(C_App::S_Product_Name);
    m_p_Version->SetLabelText(C_App::S_Version);
    GetSizer()->SetSizeHints(this);
    CentreOnParent();
}

} // namespace N_UI::N_About
