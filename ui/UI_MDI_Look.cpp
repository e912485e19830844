#include "ui/UI_MDI_Look.h"

#include <wx/aui/auibook.h>
#include <wx/aui/dockart.h>
#include <wx/aui/framemanager.h>
#include <wx/aui/tabart.h>

#include <array>

namespace N_UI::N_MDI {

namespace {

// The caption colours of a look: inactive start and end, active start and end, caption text,
// background; and the gradient (wxAUI_GRADIENT_*) and whether the tabs are the plain kind.
struct C_Look_Art {
    unsigned m_Id;
    wxColour m_Inactive, m_Inactive_End, m_Active, m_Active_End, m_Text, m_Background;
    int m_Gradient;
    bool m_Tabs_Plain;
};

const std::array<C_Look, 9> G_Looks{{
    {131, "Windows &2000", false},
    {132, "Office &XP", false},
    {133, "&Windows XP", false},
    {134, "Office 200&3", true},
    {135, "Visual Studio.NET 200&5", true},
    {136, "&Blue Style", true},
    {137, "B&lack Style", true},
    {138, "&Silver Style", true},
    {139, "&Aqua Style", true},
}};

const C_Look_Art* G_Fn_Art(unsigned i_Id)
{
    static const C_Look_Art S_Art[] = {
        {131,
         {128, 128, 128},
         {192, 192, 192},
         {10, 36, 106},
         {166, 202, 240},
         {255, 255, 255},
         {212, 208, 200},
         wxAUI_GRADIENT_HORIZONTAL,
         true},
        {132,
         {219, 216, 209},
         {219, 216, 209},
         {182, 189, 210},
         {182, 189, 210},
         {0, 0, 0},
         {246, 246, 246},
         wxAUI_GRADIENT_NONE,
         true},
        {133,
         {122, 150, 223},
         {157, 185, 235},
         {0, 84, 227},
         {61, 149, 255},
         {255, 255, 255},
         {236, 233, 216},
         wxAUI_GRADIENT_VERTICAL,
         false},
        {134,
         {89, 135, 214},
         {195, 218, 249},
         {247, 192, 91},
         {255, 230, 150},
         {0, 0, 0},
         {227, 239, 255},
         wxAUI_GRADIENT_HORIZONTAL,
         false},
        {136,
         {191, 219, 255},
         {218, 232, 252},
         {255, 214, 104},
         {255, 240, 190},
         {21, 66, 139},
         {213, 228, 242},
         wxAUI_GRADIENT_VERTICAL,
         false},
        {137,
         {83, 83, 83},
         {118, 118, 118},
         {255, 214, 104},
         {255, 240, 190},
         {255, 255, 255},
         {83, 83, 83},
         wxAUI_GRADIENT_VERTICAL,
         false},
        {138,
         {208, 212, 221},
         {233, 236, 241},
         {255, 214, 104},
         {255, 240, 190},
         {76, 83, 92},
         {233, 236, 241},
         wxAUI_GRADIENT_VERTICAL,
         false},
        {139,
         {170, 208, 226},
         {212, 231, 241},
         {255, 214, 104},
         {255, 240, 190},
         {40, 80, 110},
         {212, 231, 241},
         wxAUI_GRADIENT_VERTICAL,
         false},
    };
    for (const C_Look_Art& art : S_Art)
        if (art.m_Id == i_Id)
            return &art;
    return nullptr; // 135: the library's own art in the system's colours
}

} // namespace

const C_Look* C_Look::S_Fn_Find(unsigned i_Id)
{
    for (const C_Look& look : G_Looks)
        if (look.m_Id == i_Id)
            return &look;
    return nullptr;
}

void C_Look::S_Fn_Apply(unsigned i_Id, wxAuiManager& ro_Aui, wxAuiNotebook* i_p_Tabs)
{
    const C_Look* p_look = S_Fn_Find(i_Id);
    if (!p_look)
        return;
    auto* p_art = new wxAuiDefaultDockArt;
    const C_Look_Art* p_colours = G_Fn_Art(i_Id);
    if (p_colours) {
        p_art->SetColour(wxAUI_DOCKART_INACTIVE_CAPTION_COLOUR, p_colours->m_Inactive);
        p_art->SetColour(wxAUI_DOCKART_INACTIVE_CAPTION_GRADIENT_COLOUR, p_colours->m_Inactive_End);
        p_art->SetColour(wxAUI_DOCKART_ACTIVE_CAPTION_COLOUR, p_colours->m_Active);
        p_art->SetColour(wxAUI_DOCKART_ACTIVE_CAPTION_GRADIENT_COLOUR, p_colours->m_Active_End);
        p_art->SetColour(wxAUI_DOCKART_INACTIVE_CAPTION_TEXT_COLOUR, p_colours->m_Text);
        p_art->SetColour(wxAUI_DOCKART_BACKGROUND_COLOUR, p_colours->m_Background);
        p_art->SetMetric(wxAUI_DOCKART_GRADIENT_TYPE, p_colours->m_Gradient);
    }
    ro_Aui.SetArtProvider(p_art); // the manager owns the art from here on

    int flags = ro_Aui.GetFlags() & ~(wxAUI_MGR_TRANSPARENT_HINT | wxAUI_MGR_VENETIAN_BLINDS_HINT |
                                      wxAUI_MGR_RECTANGLE_HINT | wxAUI_MGR_HINT_FADE);
    flags |= p_look->m_Smart_Docking ? wxAUI_MGR_TRANSPARENT_HINT | wxAUI_MGR_HINT_FADE : wxAUI_MGR_RECTANGLE_HINT;
    ro_Aui.SetFlags(flags);

    if (i_p_Tabs) {
        if (p_colours && p_colours->m_Tabs_Plain)
            i_p_Tabs->SetArtProvider(new wxAuiSimpleTabArt);
        else {
            auto* p_tab_art = new wxAuiGenericTabArt;
            if (p_colours) {
                p_tab_art->SetColour(p_colours->m_Background);
                p_tab_art->SetActiveColour(p_colours->m_Active_End);
            }
            i_p_Tabs->SetArtProvider(p_tab_art);
        }
    }
}

} // namespace N_UI::N_MDI
