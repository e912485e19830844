#include "ui/UI_Property_Ctrl.h"

#include "ui/UI_Catch_All.h"

#include <wx/propgrid/editors.h>
#include <wx/propgrid/props.h>

namespace N_UI::N_Property {

namespace {

// A key row: its button picks another card; its text is never edited in place.
class C_Elem_Field_Key : public wxStringProperty {
public:
    C_Elem_Field_Key(const wxString& i_Name, const wxString& i_Value, C_Ctrl_Wx* i_p_Grid)
        : wxStringProperty(i_Name, wxPG_LABEL, i_Value), m_p_Grid(i_p_Grid)
    {
    }
    const wxPGEditor* DoGetEditorClass() const override { return wxPGEditor_TextCtrlAndButton; }
    bool OnEvent(wxPropertyGrid*, wxWindow*, wxEvent& ro_Event) override
    {
        if (ro_Event.GetEventType() == wxEVT_BUTTON) {
            C_Ctrl_Wx* p_grid = m_p_Grid;
            wxPGProperty* p_self = this;
            const std::uint64_t drawn = p_grid->M_Fn_Generation_Drawn();
            // The pick runs a modal dialog: after this event, so that the editor is left alone;
            // by then the rows may have been drawn anew, and this property be gone.
            p_grid->CallAfter([p_grid, p_self, drawn] {
                if (p_grid->M_Fn_Generation_Drawn() == drawn)
                    p_grid->M_Fn_On_Button(p_self);
            });
        }
        return false;
    }

private:
    C_Ctrl_Wx* m_p_Grid;
};

// The grid itself. What it refuses (a vetoed change) is the program's business: the row shows its
// accepted value again, silently. The toolkit's own reaction (a bell, the cell marked red and the
// box "Property Error") never shows; the rows' own messages come from the rows.
class C_Grid : public wxPropertyGrid {
protected:
    bool DoOnValidationFailure(wxPGProperty* i_p_Property, wxVariant&) override
    {
        // A text editor keeps the refused text unless it is given the value again.
        if (i_p_Property && i_p_Property == GetSelection() && GetEditorControl())
            i_p_Property->GetEditorClass()->UpdateControl(i_p_Property, GetEditorControl());
        return true; // leave the row; nothing to correct in it
    }
};

} // namespace

C_Ctrl_Wx::C_Ctrl_Wx(wxWindow* i_p_Parent, C_Ctrl& ro_Ctrl) : m_Ctrl(ro_Ctrl)
{
    // Bound before the window exists: creating it sizes it already.
    Bind(wxEVT_SIZE, &C_Ctrl_Wx::M_Fn_On_Size, this);
    // Made in two steps so that the grid is ours (the toolkit asks for it while creating).
    Create(i_p_Parent, S_Id, wxDefaultPosition, wxDefaultSize,
           wxPG_DESCRIPTION | wxPG_BOLD_MODIFIED | wxPG_SPLITTER_AUTO_CENTER | wxTAB_TRAVERSAL);
    // The failure flags also steer what the toolkit undoes after a failure: nothing it did not do.
    SetValidationFailureBehavior(0);
    AddPage();
    ShowHeader(false);
    Bind(wxEVT_PG_CHANGING, &C_Ctrl_Wx::M_Fn_On_Changing, this);
    Bind(wxEVT_PG_CHANGED, &C_Ctrl_Wx::M_Fn_On_Changed, this);
    m_Ctrl.m_Fn_Rebuilt = [this] { M_Fn_Render_Later(); };
    M_Fn_Render();
}

C_Ctrl_Wx::~C_Ctrl_Wx() { m_Ctrl.m_Fn_Rebuilt = nullptr; }

wxPropertyGrid* C_Ctrl_Wx::CreatePropertyGrid() const { return new C_Grid; }

void C_Ctrl_Wx::M_Fn_On_Size(wxSizeEvent& ro_Event)
{
    // The toolkit lays the description area out at the grid's width less 6 pixels, and on its
    // first size at a placeholder width of its own: both ask GTK for a negative width. A width too
    // narrow is not laid out (the last layout stays until the grid is wider again); the first
    // usable one is taken before the toolkit builds the area.
    const wxSize size = GetClientSize();
    if (size.GetWidth() < S_Width_Min)
        return;
    if (m_width == S_Width_Unset && m_pPropGrid) {
        m_width = size.GetWidth();
        m_height = size.GetHeight();
        RecreateControls();
    }
    ro_Event.Skip();
}

void C_Ctrl_Wx::M_Fn_Render_Later()
{
    if (m_Render_Pending || m_Rendering)
        return;
    m_Render_Pending = true;
    CallAfter([this] {
        G_Fn_Catch_All("N_UI::N_Property::C_Ctrl::M_Fn_Render", __FILE__, __LINE__, [this] { M_Fn_Render(); });
    });
}

wxPGProperty* C_Ctrl_Wx::M_Fn_Property_Make(C_Row& ro_Row)
{
    wxPGProperty* p_prop = nullptr;
    switch (ro_Row.m_Kind) {
    case E_Row_Group: p_prop = new wxPropertyCategory(ro_Row.m_Name); break;
    case E_Row_Bool: {
        auto* p_bool = new wxBoolProperty(ro_Row.m_Name, wxPG_LABEL, ro_Row.m_Text == L"True");
        p_prop = p_bool;
        break;
    }
    case E_Row_Key: p_prop = new C_Elem_Field_Key(ro_Row.m_Name, ro_Row.m_Text, this); break;
    default: p_prop = new wxStringProperty(ro_Row.m_Name, wxPG_LABEL, ro_Row.m_Text); break;
    }
    // Names must be unique in the grid; a repeated label (a repeated block's column) is numbered.
    wxString name = ro_Row.m_Name;
    for (int n = 2; m_Names.count(name); ++n)
        name = wxString(ro_Row.m_Name) << "_" << n;
    m_Names.insert(name);
    p_prop->SetName(name);
    p_prop->SetHelpString(ro_Row.m_Desc);
    p_prop->SetClientData(&ro_Row);
    return p_prop;
}

void C_Ctrl_Wx::M_Fn_Render()
{
    m_Render_Pending = false;
    m_Rendering = true;
    wxPropertyGrid* p_grid = GetGrid();
    // An open editor of the old rows is closed first; what it commits belongs to an old build.
    p_grid->CommitChangesFromEditor();
    ClearPage(0);
    // The description area keeps the help of the last selected row otherwise, also of a row gone.
    SetDescription(wxEmptyString, wxEmptyString);
    m_Names.clear();
    m_Generation_Drawn = m_Ctrl.M_Fn_Generation();
    for (C_Row* p_top : m_Ctrl.M_Fn_Rows_Top()) {
        wxPGProperty* p_parent = Append(M_Fn_Property_Make(*p_top));
        for (C_Row* p_row : p_top->m_Children) {
            wxPGProperty* p_prop = AppendIn(p_parent, M_Fn_Property_Make(*p_row));
            if (p_row->m_Kind == E_Row_Bool) {
                p_prop->SetAttribute(wxPG_BOOL_USE_CHECKBOX, true);
                if (p_row->m_Read_Only)
                    p_prop->Enable(false);
            } else if (p_row->m_Read_Only) {
                p_prop->ChangeFlag(wxPG_PROP_READONLY, true);
            }
            // A key row has no text editor at all, only its button (disabled when read-only).
            if (p_row->m_Kind == E_Row_Key)
                p_prop->ChangeFlag(wxPG_PROP_NOEDITOR, true);
        }
        if (p_top->m_Kind != E_Row_Group && p_top->m_Read_Only)
            p_parent->ChangeFlag(wxPG_PROP_READONLY, true);
    }
    m_Rendering = false;
    Refresh();
}

C_Row* C_Ctrl_Wx::M_Fn_Row_Of(wxPGProperty* i_p_Property) const
{
    if (!i_p_Property || m_Generation_Drawn != m_Ctrl.M_Fn_Generation() || m_Rendering)
        return nullptr;
    return static_cast<C_Row*>(i_p_Property->GetClientData());
}

wxPGProperty* C_Ctrl_Wx::M_Fn_Property_Of(const C_Row* i_p_Row) const
{
    if (m_Generation_Drawn != m_Ctrl.M_Fn_Generation())
        return nullptr;
    for (wxPropertyGridIterator it = const_cast<C_Ctrl_Wx*>(this)->GetGrid()->GetIterator(wxPG_ITERATE_ALL); !it.AtEnd(); ++it)
        if ((*it)->GetClientData() == i_p_Row)
            return *it;
    return nullptr;
}

void C_Ctrl_Wx::M_Fn_On_Changing(wxPropertyGridEvent& ro_Event)
{
    C_Row* p_row = M_Fn_Row_Of(ro_Event.GetProperty());
    // Key rows change through their button only; old rows not at all.
    if (!p_row || p_row->m_Kind == E_Row_Key || p_row->m_Read_Only)
        ro_Event.Veto();
}

void C_Ctrl_Wx::M_Fn_Sync(C_Row& ro_Row)
{
    wxPGProperty* p_prop = M_Fn_Property_Of(&ro_Row);
    if (!p_prop)
        return;
    if (ro_Row.m_Kind == E_Row_Bool)
        p_prop->SetValue(wxVariant(ro_Row.m_Text == L"True"));
    else if (p_prop->GetValueAsString() != wxString(ro_Row.m_Text))
        p_prop->SetValueFromString(ro_Row.m_Text);
}

void C_Ctrl_Wx::M_Fn_On_Changed(wxPropertyGridEvent& ro_Event)
{
    G_Fn_Catch_All("N_UI::N_Property::C_Elem_Field_Value::OnUpdateValue", __FILE__, __LINE__, [&] {
        wxPGProperty* p_prop = ro_Event.GetProperty();
        C_Row* p_row = M_Fn_Row_Of(p_prop);
        if (!p_row)
            return;
        const std::wstring text = p_row->m_Kind == E_Row_Bool
                                      ? G_Fn_Text_Bool(p_prop->GetValue().GetBool())
                                      : p_prop->GetValueAsString().ToStdWstring();
        const std::uint64_t generation = m_Ctrl.M_Fn_Generation();
        m_Ctrl.M_Fn_Row_Edit(*p_row, text);
        // A rejected or reformatted value is shown as the row holds it (the row is still alive
        // when nothing rebuilt the rows meanwhile).
        if (generation == m_Ctrl.M_Fn_Generation()) {
            C_Row* p_kept = p_row;
            CallAfter([this, p_kept, generation] {
                if (generation == m_Ctrl.M_Fn_Generation() && m_Generation_Drawn == generation)
                    M_Fn_Sync(*p_kept);
            });
        }
    });
}

void C_Ctrl_Wx::M_Fn_On_Button(wxPGProperty* i_p_Property)
{
    G_Fn_Catch_All("N_UI::N_Property::C_Elem_Field_Key::OnClickButton", __FILE__, __LINE__, [&] {
        C_Row* p_row = M_Fn_Row_Of(i_p_Property);
        if (!p_row)
            return;
        const std::uint64_t generation = m_Ctrl.M_Fn_Generation();
        m_Ctrl.M_Fn_Row_Button(*p_row);
        if (generation == m_Ctrl.M_Fn_Generation())
            M_Fn_Sync(*p_row);
    });
}

} // namespace N_UI::N_Property
