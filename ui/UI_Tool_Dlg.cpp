#include "ui/UI_Tool_Dlg.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/iges/Biz_IGES_Context_Sect_Geom_Build.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "common/Common_Exception.h"
#include "ui/UI_App.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_MDI_Frame_Main.h"
#include "ui/UI_Tool_Wnd.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <vector>

namespace N_UI::N_Tool {

using N_Biz::N_Config::C_Config;
using N_Biz::N_Config::C_Config_Data;

static_assert(G_Id_Undo == wxID_UNDO && G_Id_Redo == wxID_REDO, "the tools pane sends the menus' Undo and Redo");

namespace {

// The key of a radio group's hidden "nothing marked" button among the dialog's controls.
constexpr int G_Key_Radio_None = -1;

} // namespace

C_Dlg::C_Dlg(unsigned i_Template, C_Wnd* i_p_Pane) : m_Template(i_Template), m_p_Pane(i_p_Pane)
{
}

C_Dlg::~C_Dlg() = default;

bool C_Dlg::M_Fn_Create(wxWindow* i_p_Parent)
{
    if (G_Fn_Template(m_Template).empty())
        VT_THROW("N_UI::N_Tool::C_Dlg::M_Fn_Create");
    if (!Create(i_p_Parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE))
        return false;
    M_Fn_Build();
    Bind(wxEVT_BUTTON, &C_Dlg::M_Fn_On_Command, this);
    Bind(wxEVT_CHECKBOX, &C_Dlg::M_Fn_On_Command, this);
    Bind(wxEVT_RADIOBUTTON, &C_Dlg::M_Fn_On_Command, this);
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& ro_Event) {
        switch (MV_Fn_Update_UI(ro_Event.GetId())) {
        case E_UI_Pass: ro_Event.Skip(); break;
        case E_UI_Enable: ro_Event.Enable(true); break;
        case E_UI_Disable: ro_Event.Enable(false); break;
        }
    });
    MV_Fn_On_Init();
    return true;
}

void C_Dlg::M_Fn_Build()
{
    auto* p_top = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* p_group = nullptr;
    wxBoxSizer* p_row = nullptr; // the row of the last check box or edit, for an edit without label
    bool radio_open = false;
    for (const C_Item& item : G_Fn_Template(m_Template)) {
        const wxString text(item.m_Text ? item.m_Text : L"");
        wxWindow* p_parent = p_group ? static_cast<wxWindow*>(p_group->GetStaticBox()) : this;
        wxSizer* p_sizer = p_group ? static_cast<wxSizer*>(p_group) : p_top;
        wxWindow* p_ctrl = nullptr;
        const bool radio = item.m_Kind == C_Item::E_Radio || item.m_Kind == C_Item::E_Radio_None;
        switch (item.m_Kind) {
        case C_Item::E_Group:
            p_group = new wxStaticBoxSizer(wxVERTICAL, this, text);
            p_top->Add(p_group, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 4);
            p_row = nullptr;
            radio_open = false;
            continue;
        case C_Item::E_Button:
            p_ctrl = new wxButton(p_parent, item.m_Id, text);
            p_sizer->Add(p_ctrl, 0, wxEXPAND | wxALL, 1);
            break;
        case C_Item::E_Radio:
        case C_Item::E_Radio_None:
            p_ctrl = new wxRadioButton(p_parent, item.m_Id ? item.m_Id : wxID_ANY, text, wxDefaultPosition,
                                       wxDefaultSize, radio_open ? 0 : wxRB_GROUP);
            p_sizer->Add(p_ctrl, 0, wxEXPAND | wxALL, 1);
            if (item.m_Kind == C_Item::E_Radio_None) {
                p_ctrl->Hide();
                m_Ctrls[G_Key_Radio_None] = p_ctrl;
                p_ctrl = nullptr;
            }
            break;
        case C_Item::E_Check:
            p_ctrl = new wxCheckBox(p_parent, item.m_Id, text);
            p_row = new wxBoxSizer(wxHORIZONTAL);
            p_row->Add(p_ctrl, 0, wxALIGN_CENTER_VERTICAL);
            p_sizer->Add(p_row, 0, wxEXPAND | wxALL, 1);
            break;
        case C_Item::E_Edit:
            p_ctrl = new wxTextCtrl(p_parent, item.m_Id, wxEmptyString, wxDefaultPosition, wxSize(64, -1),
                                    wxTE_PROCESS_ENTER);
            if (!item.m_Text && p_row) {
                p_row->Add(p_ctrl, 1, wxLEFT | wxALIGN_CENTER_VERTICAL, 4);
                break;
            }
            // The edit takes what the label leaves: a label sharing the row in proportion would
            // make the row twice as wide as its longer part.
            p_row = new wxBoxSizer(wxHORIZONTAL);
            p_row->Add(new wxStaticText(p_parent, wxID_ANY, text), 0, wxALIGN_CENTER_VERTICAL);
            p_row->Add(p_ctrl, 1, wxLEFT | wxALIGN_CENTER_VERTICAL, 4);
            p_sizer->Add(p_row, 0, wxEXPAND | wxALL, 1);
            break;
        case C_Item::E_Label:
            p_ctrl = new wxStaticText(p_parent, item.m_Id, text);
            p_sizer->Add(p_ctrl, 0, wxEXPAND | wxALL, 2);
            break;
        case C_Item::E_Swatch:
            p_ctrl = new wxPanel(p_parent, item.m_Id, wxDefaultPosition, wxSize(-1, 14), wxBORDER_SIMPLE);
            p_sizer->Add(p_ctrl, 0, wxEXPAND | wxALL, 2);
            break;
        case C_Item::E_Placeholder:
            // Sub-pages sit here, below every group.
            p_ctrl = new wxPanel(this, item.m_Id);
            p_ctrl->SetName(text);
            p_ctrl->SetSizer(new wxBoxSizer(wxVERTICAL));
            p_top->Add(p_ctrl, 1, wxEXPAND);
            p_group = nullptr;
            break;
        }
        // Radio buttons in a row are one group; any other control ends it.
        radio_open = radio;
        if (p_ctrl && item.m_Id)
            m_Ctrls[item.m_Id] = p_ctrl;
    }
    p_top->AddSpacer(4);
    SetSizerAndFit(p_top);
}

wxWindow* C_Dlg::M_Fn_Ctrl(int i_Id) const
{
    const auto it = m_Ctrls.find(i_Id);
    return it == m_Ctrls.end() ? nullptr : it->second;
}

void C_Dlg::M_Fn_On_Command(wxCommandEvent& ro_Event)
{
    bool taken = false;
    G_Fn_Catch_All("N_UI::N_Tool::C_Dlg::OnCmdMsg", __FILE__, __LINE__,
                   [&] { taken = M_Fn_On_Cmd_Msg(ro_Event.GetId()); });
    if (!taken)
        ro_Event.Skip();
}

bool C_Dlg::M_Fn_On_Cmd_Msg(int i_Id)
{
    if (G_Fn_Cmd_Is_Forwarded(i_Id)) {
        S_Fn_Send_Main(i_Id);
        if (m_p_Pane)
            m_p_Pane->M_Fn_Focus_Take();
        return true;
    }
    if (i_Id == G_Id_Point_Sect) {
        M_Fn_On_Cmd_Specify_Point_Sect();
        return true;
    }
    if (i_Id == G_Id_Point_Proj) {
        M_Fn_On_Cmd_Specify_Point_Proj();
        return true;
    }
    return false;
}

void C_Dlg::S_Fn_Send_Main(int i_Id)
{
    // Synchronously, as a menu entry of the main window: the frame offers it to the active
    // document window first, then takes it itself or hands it to the application.
    C_App_UI* p_app = C_App_UI::S_Fn_Get();
    wxWindow* p_main = p_app ? static_cast<wxWindow*>(p_app->M_Fn_Frame_Get()) : nullptr;
    if (!p_main)
        return;
    wxCommandEvent command(wxEVT_MENU, i_Id);
    command.SetEventObject(p_main);
    p_main->GetEventHandler()->ProcessEvent(command);
}

N_Biz::N_Proj::C_Proj* C_Dlg::M_Fn_Proj() const
{
    return m_p_Pane ? m_p_Pane->M_Fn_Proj_Get() : nullptr;
}

N_Biz::N_Sect::C_Sect* C_Dlg::M_Fn_Sect() const
{
    return m_p_Pane ? m_p_Pane->M_Fn_Sect_Get() : nullptr;
}

C_Config& C_Dlg::S_Fn_Config()
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        VT_THROW("N_UI::N_Tool::C_Dlg::S_Fn_Config");
    return *p_app->m_sp_Config;
}

C_Dlg::E_UI C_Dlg::MV_Fn_Update_UI(int i_Id)
{
    const auto only_if = [](bool i_Usable) { return i_Usable ? E_UI_Pass : E_UI_Disable; };
    switch (i_Id) {
    case G_Id_Undo: return only_if(m_Can_Undo != 0);
    case G_Id_Redo: return only_if(m_Can_Redo != 0);
    case G_Id_Point_Sect: return M_Fn_Sect() ? E_UI_Enable : E_UI_Disable;
    case G_Id_Point_Proj: return M_Fn_Proj() ? E_UI_Enable : E_UI_Disable;
    case 2213: // the palette label and swatch are no commands, nor are the point entry's edits
    case 2214:
    case G_Id_Point_Edit_X:
    case G_Id_Point_Edit_Y:
    case G_Id_Point_Edit_Z: return E_UI_Enable;
    default: return E_UI_Pass;
    }
}

// --- shared labels -------------------------------------------------------------------------------

void C_Dlg::M_Fn_Update_Proj_D_DB_C_P_Palette()
{
    wxWindow* p_label = M_Fn_Ctrl(2213);
    N_Biz::N_Proj::C_Proj* p_proj = M_Fn_Proj();
    if (!p_label || !p_proj)
        return;
    const N_Biz::N_Proj::C_Mgr_D_DB_C_P& mgr = p_proj->M_Fn_Get_Mgr_D_DB_C_P();
    const std::uint32_t id = mgr.M_Fn_Palette_Get();
    std::optional<std::wstring> name;
    wxColour colour;
    if (id != 0) {
        const auto& sp_card = mgr.M_Fn_Get_At(id);
        if (!sp_card)
            VT_THROW("N_UI::N_Tool::C_Dlg::M_Fn_Update_Proj_D_DB_C_P_Palette");
        name = N_Biz::N_IGES::G_Fn_Card_Name_Get(*sp_card, "N_UI::N_Tool::C_Dlg::M_Fn_Update_Proj_D_DB_C_P_Palette");
        const auto& c = sp_card->m_Display.m_Color_Normal;
        colour.Set(G_Fn_Color_Byte(c[0]), G_Fn_Color_Byte(c[1]), G_Fn_Color_Byte(c[2]));
    }
    p_label->SetLabel(G_Fn_Label_Palette(name));
    if (wxWindow* p_swatch = M_Fn_Ctrl(2214)) {
        // Without a palette property the swatch keeps the default colouring.
        p_swatch->SetBackgroundColour(colour.IsOk() ? colour : wxNullColour);
        p_swatch->Refresh();
    }
}

void C_Dlg::M_Fn_Update_Cmd_Undo_Redo()
{
    auto* p_undo = dynamic_cast<wxButton*>(M_Fn_Ctrl(G_Id_Undo));
    auto* p_redo = dynamic_cast<wxButton*>(M_Fn_Ctrl(G_Id_Redo));
    N_Biz::N_Proj::C_Proj* p_proj = M_Fn_Proj();
    if (!p_undo || !p_redo || !p_proj)
        return;
    std::int32_t can_undo = 0, can_redo = 0;
    std::wstring text_undo, text_redo;
    p_proj->M_Fn_Get_Mgr_Cmd().M_Fn_Get_Info(can_undo, can_redo, text_undo, text_redo);
    m_Can_Undo = can_undo;
    m_Can_Redo = can_redo;
    p_undo->SetLabel(G_Fn_Label_Undo(text_undo));
    p_redo->SetLabel(G_Fn_Label_Redo(text_redo));
    p_undo->Enable(can_undo != 0);
    p_redo->Enable(can_redo != 0);
}

void C_Dlg::M_Fn_Update_Radio_Group_40()
{
    M_Fn_Radio_Group_Set(4181, 2, S_Fn_Config().M_Fn_Data().m_Pos_By_Nodes);
}

void C_Dlg::M_Fn_Update_Radio_Group_41()
{
    M_Fn_Radio_Group_Set(4183, 5, S_Fn_Config().M_Fn_Data().m_Local_CS);
}

void C_Dlg::M_Fn_Update_Radio_Group_42()
{
    M_Fn_Radio_Group_Set(4191, 2, S_Fn_Config().M_Fn_Data().m_Move_Free);
}

void C_Dlg::M_Fn_Update_Radio_Group_43()
{
    M_Fn_Radio_Group_Set(4193, 2, S_Fn_Config().M_Fn_Data().m_Insert_After);
}

// --- point entry ---------------------------------------------------------------------------------

void C_Dlg::M_Fn_On_Point(const char* i_Function, int i_Count)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < i_Count; ++i) {
        if (!M_Fn_Ctrl(G_Id_Point_Edit_X + i))
            return;
        texts.push_back(M_Fn_Text_Get(G_Id_Point_Edit_X + i));
    }
    const C_Point_Check point = G_Fn_Check_Point(texts);
    if (point.m_Message) {
        C_App::G_Fn_Msg(*point.m_Message);
        return;
    }
    // A selection mode that takes no typed position refuses it: reported, nothing changes.
    bool taken = false;
    G_Fn_Catch_All(i_Function, __FILE__, __LINE__, [&] {
        if (i_Count == 2) {
            if (N_Biz::N_Sect::C_Sect* p_sect = M_Fn_Sect())
                p_sect->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Set_Scrn(
                    N_Common::N_Math::C_Vector2<float>(point.m_Value[0], point.m_Value[1]));
        } else if (N_Biz::N_Proj::C_Proj* p_proj = M_Fn_Proj()) {
            p_proj->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Set_Scrn(
                N_Common::N_Math::C_Vector3<float>(point.m_Value[0], point.m_Value[1], point.m_Value[2]));
        }
        taken = true;
    });
    if (!taken)
        return;
    for (int i = 0; i < i_Count; ++i)
        M_Fn_Text_Set(G_Id_Point_Edit_X + i, L"");
}

void C_Dlg::M_Fn_On_Cmd_Specify_Point_Sect()
{
    if (M_Fn_Sect())
        M_Fn_On_Point("N_UI::N_Tool::C_Dlg::M_Fn_On_Cmd_Specify_Point_Sect", 2);
}

void C_Dlg::M_Fn_On_Cmd_Specify_Point_Proj()
{
    if (M_Fn_Proj())
        M_Fn_On_Point("N_UI::N_Tool::C_Dlg::M_Fn_On_Cmd_Specify_Point_Proj", 3);
}

// --- controls ------------------------------------------------------------------------------------

void C_Dlg::M_Fn_Check_Set(int i_Id, std::int32_t i_Word)
{
    if (auto* p_check = dynamic_cast<wxCheckBox*>(M_Fn_Ctrl(i_Id)))
        p_check->SetValue(i_Word != 0);
}

void C_Dlg::M_Fn_Radio_Set(int i_Id, bool i_Marked)
{
    // A radio button is unmarked by marking another of its group.
    if (auto* p_radio = dynamic_cast<wxRadioButton*>(M_Fn_Ctrl(i_Id)); p_radio && i_Marked)
        p_radio->SetValue(true);
}

void C_Dlg::M_Fn_Radio_Group_Set(int i_First, int i_Count, std::int32_t i_Word)
{
    for (int k = 0; k < i_Count; ++k)
        M_Fn_Radio_Set(i_First + k, i_Word == k);
}

void C_Dlg::M_Fn_Text_Set(int i_Id, const std::wstring& i_Text)
{
    if (auto* p_edit = dynamic_cast<wxTextCtrl*>(M_Fn_Ctrl(i_Id)))
        p_edit->ChangeValue(i_Text);
}

std::wstring C_Dlg::M_Fn_Text_Get(int i_Id) const
{
    auto* p_edit = dynamic_cast<wxTextCtrl*>(M_Fn_Ctrl(i_Id));
    return p_edit ? p_edit->GetValue().ToStdWstring() : std::wstring();
}

void C_Dlg::M_Fn_Edit_Bind(int i_Id, std::function<void()> i_Fn_Check)
{
    auto* p_edit = dynamic_cast<wxTextCtrl*>(M_Fn_Ctrl(i_Id));
    if (!p_edit)
        return;
    // Checks do not nest: a message shown by one may move the focus again.
    auto sp_busy = std::make_shared<bool>(false);
    auto check = [this, sp_busy, i_Fn_Check] {
        if (*sp_busy || IsBeingDeleted())
            return;
        *sp_busy = true;
        G_Fn_Catch_All("N_UI::N_Tool::C_Dlg::OnKillFocus", __FILE__, __LINE__, i_Fn_Check);
        *sp_busy = false;
    };
    p_edit->Bind(wxEVT_KILL_FOCUS, [check](wxFocusEvent& ro_Event) {
        ro_Event.Skip();
        check();
    });
    // Enter leaves the edit (for the pane's own focus window: a dialog panel hands the focus on to
    // a control of its own); the check runs then at the latest (a second run finds the value
    // already taken and does nothing).
    p_edit->Bind(wxEVT_TEXT_ENTER, [this, check](wxCommandEvent&) {
        if (m_p_Pane)
            m_p_Pane->M_Fn_Focus_Take();
        check();
    });
}

void C_Dlg::M_Fn_Edit_Apply(int i_Id, const C_Edit_Check& ro_Check, N_Biz::N_Config::E_Signal i_Code,
                            const std::function<void(C_Config_Data&, const C_Edit_Check&)>& i_Fn_Store)
{
    switch (ro_Check.m_Kind) {
    case C_Edit_Check::E_Refused:
        C_App::G_Fn_Msg(ro_Check.m_Message);
        M_Fn_Text_Set(i_Id, ro_Check.m_Text);
        return;
    case C_Edit_Check::E_Same:
        return;
    case C_Edit_Check::E_Accepted: {
        C_Config& config = S_Fn_Config();
        i_Fn_Store(config.M_Fn_Data(), ro_Check);
        config.M_Fn_Notify(i_Code);
        S_Fn_Send_Main(i_Id);
        return;
    }
    }
}

void C_Dlg::M_Fn_Edit_Apply(int i_Id, const C_Edit_Check& ro_Check, float C_Config_Data::*i_Word,
                            N_Biz::N_Config::E_Signal i_Code)
{
    M_Fn_Edit_Apply(i_Id, ro_Check, i_Code, [i_Word](C_Config_Data& ro_Data, const C_Edit_Check& ro_Value) {
        ro_Data.*i_Word = ro_Value.m_Value_F;
    });
}

} // namespace N_UI::N_Tool
