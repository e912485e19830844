#include "ui/UI_List_Dlg.h"

#include "common/Common_Exception.h"

#include <wx/button.h>
#include <wx/tglbtn.h>

#include <algorithm>

namespace N_UI::N_List {

C_Ctrl::C_Ctrl(wxWindow* i_p_Parent)
    : wxListCtrl(i_p_Parent, E_Id_List, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES | wxBORDER_SUNKEN)
{
}

void C_Ctrl::M_Fn_Render(const C_List_Model& ro_Model)
{
    const auto& columns = ro_Model.M_Fn_Columns();
    bool same = GetColumnCount() == static_cast<int>(columns.size());
    for (int c = 0; same && c < GetColumnCount(); ++c) {
        wxListItem item;
        item.SetMask(wxLIST_MASK_TEXT);
        GetColumn(c, item);
        same = item.GetText() == wxString(columns[static_cast<std::size_t>(c)]);
    }
    Freeze();
    DeleteAllItems();
    if (!same) {
        for (int c = GetColumnCount(); c-- > 0;)
            DeleteColumn(c);
        for (std::size_t c = 0; c < columns.size(); ++c)
            InsertColumn(static_cast<long>(c), columns[c]);
        const int count = std::max(1, GetColumnCount());
        const int width = std::max(20, GetClientSize().GetWidth() / count);
        for (int c = 0; c < GetColumnCount(); ++c)
            SetColumnWidth(c, width);
    }
    const auto& items = ro_Model.M_Fn_Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const C_Item& item = items[i];
        const long row = InsertItem(static_cast<long>(i), item.m_Cells.empty() ? wxString() : wxString(item.m_Cells[0]));
        for (std::size_t c = 1; c < item.m_Cells.size() && c < columns.size(); ++c)
            SetItem(row, static_cast<int>(c), item.m_Cells[c]);
        SetItemPtrData(row, static_cast<wxUIntPtr>(item.m_Data));
        if (item.m_Selected) {
            SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
            EnsureVisible(row);
        }
    }
    Thaw();
}

long C_Ctrl::M_Fn_Selected() const { return GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }

C_Dlg::C_Dlg(wxWindow* i_p_Parent) : C_Dlg_Base(i_p_Parent, "List", wxSize(760, 420)) {}

int C_Dlg::M_Fn_Run()
{
    m_p_List = new C_Ctrl(this);
    m_Model.m_Fn_Changed = [this] { m_p_List->M_Fn_Render(m_Model); };
    // Buttons first: the kind is checked before anything is listed.
    m_Model.M_Fn_Init_Buttons();
    m_Buttons.reserve(10);
    for (const C_Button& button : m_Model.M_Fn_Buttons()) {
        wxAnyButton* p_button = nullptr;
        if (button.m_Radio)
            p_button = new wxToggleButton(this, button.m_Id, button.m_Text);
        else
            p_button = new wxButton(this, button.m_Id, button.m_Text);
        const int id = button.m_Id;
        p_button->Bind(button.m_Radio ? wxEVT_TOGGLEBUTTON : wxEVT_BUTTON, [this, id](wxCommandEvent&) { M_Fn_On_Button(id); });
        m_Buttons.push_back(p_button);
    }
    m_Laid_Out = true;
    M_Fn_Layout_Adjust();
    // Filled once laid out: the columns share the list's width.
    m_Model.M_Fn_Init_Fill();
    m_p_List->M_Fn_Render(m_Model);
    M_Fn_Checks_Sync();
    Bind(wxEVT_SIZE, [this](wxSizeEvent& ro_Event) {
        ro_Event.Skip();
        if (m_Laid_Out) {
            M_Fn_Layout_Adjust();
            Refresh(true);
        }
    });
    return M_Fn_Show_Modal();
}

void C_Dlg::M_Fn_Layout_Adjust()
{
    const wxSize size = GetClientSize();
    for (std::size_t i = 0; i < m_Buttons.size(); ++i) {
        if (!m_Buttons[i])
            VT_THROW("N_UI::N_List::C_Dlg::M_Fn_Layout_Adjust");
        m_Buttons[i]->SetSize(size.GetWidth() - 100, 10 + 30 * static_cast<int>(i), 90, 25);
    }
    m_p_List->SetSize(10, 10, std::max(0, size.GetWidth() - 118), std::max(0, size.GetHeight() - 20));
}

void C_Dlg::M_Fn_On_Button(int i_Id)
{
    M_Fn_Guard([&] {
        const long selected = m_p_List->M_Fn_Selected();
        switch (i_Id) {
        case E_Id_Create: m_Model.M_Fn_On_Create(selected); break;
        case E_Id_Detail: m_Model.M_Fn_On_Detail(selected); break;
        case E_Id_Select:
            if (m_Model.M_Fn_On_Select(selected))
                EndModal(wxID_OK);
            break;
        default:
            for (std::size_t i = 0; i < m_Model.M_Fn_Buttons().size(); ++i)
                if (m_Model.M_Fn_Buttons()[i].m_Id == i_Id)
                    m_Model.M_Fn_On_Radio(i);
            break;
        }
        // The check marks follow the model (a button pressed again keeps its own).
        M_Fn_Checks_Sync();
    });
}

void C_Dlg::M_Fn_Checks_Sync()
{
    for (std::size_t i = 0; i < m_Buttons.size(); ++i)
        if (auto* p_toggle = dynamic_cast<wxToggleButton*>(m_Buttons[i]))
            p_toggle->SetValue(m_Model.M_Fn_Buttons()[i].m_Checked);
}

} // namespace N_UI::N_List
