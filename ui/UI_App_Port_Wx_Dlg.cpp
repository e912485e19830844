// The window port's property and list dialogs: the real dialogs behind the seams where the core's
// commands open them (card lists, card creation and modification, the reconnect and palette
// pickers, the section geometry's modify command, the property grid's key buttons and the
// section's sensitivity list). Each dialog is owned by the innermost dialog that is running, else
// by the main window.
#include "ui/UI_App_Port_Wx.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "ui/UI_List_Dlg.h"
#include "ui/UI_Property_Dlg.h"

#include <wx/app.h>

#include <vector>

namespace N_UI {

namespace {

// The dialogs running now, innermost last.
std::vector<wxWindow*> G_Running;

wxWindow* G_Fn_Parent()
{
    if (!G_Running.empty())
        return G_Running.back();
    return wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
}

// Runs a new dialog filled by i_Fn_Fill through its M_Fn_Run, counted as running meanwhile;
// i_Fn_After reads its model once it has ended.
template <class T_Dlg, class F_Fill, class F_After>
int G_Fn_Run(F_Fill&& i_Fn_Fill, F_After&& i_Fn_After)
{
    T_Dlg* p_dlg = new T_Dlg(G_Fn_Parent());
    struct C_Guard {
        T_Dlg* p;
        ~C_Guard()
        {
            G_Running.pop_back();
            p->Destroy();
        }
    } guard{p_dlg};
    G_Running.push_back(p_dlg);
    i_Fn_Fill(p_dlg->m_Model);
    const int result = p_dlg->M_Fn_Run();
    i_Fn_After(p_dlg->m_Model);
    return result;
}

std::uint32_t G_Fn_List_Run(N_Biz::N_Proj::C_Proj* i_p_Proj, N_Biz::N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Kind,
                            bool i_Select, std::uint32_t i_Preselect)
{
    std::int32_t picked = 0;
    const int result = G_Fn_Run<N_List::C_Dlg>(
        [&](N_List::C_List_Model& ro_Model) {
            ro_Model.m_Kind = static_cast<std::int32_t>(i_Kind);
            ro_Model.m_p_Proj = i_p_Proj;
            ro_Model.m_p_Sect = i_p_Sect;
            ro_Model.m_Select = i_Select ? 1 : 0;
            ro_Model.m_Preselect = static_cast<std::int32_t>(i_Preselect);
        },
        [&](const N_List::C_List_Model& ro_Model) { picked = ro_Model.m_Result; });
    return result == wxID_OK && picked > 0 ? static_cast<std::uint32_t>(picked) : 0;
}

} // namespace

void C_App_Port_Wx::S_Fn_Dlg_Property(const std::function<void(N_Property::C_Dlg_Model&)>& i_Fn_Fill)
{
    G_Fn_Run<N_Property::C_Dlg>(i_Fn_Fill, [](const N_Property::C_Dlg_Model&) {});
}

void C_App_Port_Wx::S_Fn_Dlg_Install()
{
    using N_Biz::N_Proj::C_Dlg;
    namespace N_DB = N_Biz::N_DB;
    C_Dlg::S_Fn_List = [](N_Biz::N_Proj::C_Proj& ro_Proj, std::uint32_t i_Kind, std::uint32_t i_Mode) {
        return G_Fn_List_Run(&ro_Proj, nullptr, i_Kind, i_Mode == C_Dlg::E_Mode_List_Pick, 0);
    };
    C_Dlg::S_Fn_Property = [](N_Biz::N_Proj::C_Proj& ro_Proj, std::uint32_t i_Mode, std::uint32_t i_Kind,
                              N_DB::C_Row_Relation* i_p_Row) {
        S_Fn_Dlg_Property([&](N_Property::C_Dlg_Model& ro_Model) {
            ro_Model.m_Mode = i_Mode;
            ro_Model.m_Kind = i_Kind;
            ro_Model.m_p_Proj = &ro_Proj;
            ro_Model.m_p_Row_C_S = dynamic_cast<N_DB::C_Row_Common*>(i_p_Row);
            ro_Model.m_p_Row_C_M = dynamic_cast<N_DB::C_Row_C_Material*>(i_p_Row);
            ro_Model.m_p_Row_C_P = dynamic_cast<N_DB::C_Row_C_Property*>(i_p_Row);
            ro_Model.m_p_Row_N = dynamic_cast<N_DB::C_Row_Node*>(i_p_Row);
            ro_Model.m_p_Row_E = dynamic_cast<N_DB::C_Row_Element_2D*>(i_p_Row);
        });
    };
    N_Biz::N_Sect::C_Mgr_D_Geom_E::S_Fn_Dlg_Property = [](N_Biz::N_Sect::C_Mgr_D_Geom_E& ro_Mgr, std::uint32_t i_Id) {
        S_Fn_Dlg_Property([&](N_Property::C_Dlg_Model& ro_Model) {
            ro_Model.m_Mode = N_Property::C_Dlg_Model::E_Mode_Modify;
            ro_Model.m_Kind = N_Property::C_Dlg_Model::E_Kind_Geom_E;
            ro_Model.m_p_Sect = ro_Mgr.M_Fn_Get_Sect();
            ro_Model.m_p_Proj = ro_Model.m_p_Sect ? ro_Model.m_p_Sect->M_Fn_Get_Proj() : nullptr;
            ro_Model.m_Id_Geom = i_Id;
        });
    };
    N_Biz::N_Sect::C_Mgr_D_Geom_E::S_Fn_Dlg_Property_Geom_P = [](N_Biz::N_Sect::C_Mgr_D_Geom_P& ro_Mgr, std::uint32_t i_Id) {
        S_Fn_Dlg_Property([&](N_Property::C_Dlg_Model& ro_Model) {
            ro_Model.m_Mode = N_Property::C_Dlg_Model::E_Mode_Modify;
            ro_Model.m_Kind = N_Property::C_Dlg_Model::E_Kind_Geom_P;
            ro_Model.m_p_Sect = ro_Mgr.M_Fn_Get_Sect();
            ro_Model.m_p_Proj = ro_Model.m_p_Sect ? ro_Model.m_p_Sect->M_Fn_Get_Proj() : nullptr;
            ro_Model.m_Id_Geom = i_Id;
        });
    };
    N_Property::C_Ctrl::S_Fn_List_Pick = [](N_Biz::N_Proj::C_Proj& ro_Proj, std::uint32_t i_Kind, std::uint32_t i_Preselect) {
        return G_Fn_List_Run(&ro_Proj, nullptr, i_Kind, true, i_Preselect);
    };
}

void C_App_Port_Wx::M_Fn_Dlg_List_Sect(std::uint32_t i_Kind, N_Biz::N_Sect::C_Sect& ro_Sect)
{
    G_Fn_List_Run(ro_Sect.M_Fn_Get_Proj(), &ro_Sect, i_Kind, false, 0);
}

} // namespace N_UI
