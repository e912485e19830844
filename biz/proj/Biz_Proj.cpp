#include "biz/proj/Biz_Proj.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "common/Common_Exception.h"

#include <exception>

namespace N_Biz::N_Proj {

C_Proj::C_Proj()
{
    m_up_Signal = std::make_unique<C_Proj_Signal>(this);
    m_up_Mgr_Cmd = std::make_unique<C_Mgr_Cmd>(this);
    m_up_Mgr_D_DB_C = std::make_unique<C_Mgr_D_DB_C>(this);
    m_up_Mgr_D_DB_C_M = std::make_unique<C_Mgr_D_DB_C_M>(this);
    m_up_Mgr_D_DB_C_P = std::make_unique<C_Mgr_D_DB_C_P>(this);
    m_up_Mgr_D_DB_N = std::make_unique<C_Mgr_D_DB_N>(this);
    m_up_Mgr_D_DB_E = std::make_unique<C_Mgr_D_DB_E>(this);
    m_up_Mgr_D_Model = std::make_unique<C_Mgr_D_Model>(this);
    m_up_Mgr_D_Sect = std::make_unique<C_Mgr_D_Sect>(this);
    m_up_Mgr_Sel = std::make_unique<C_Mgr_Sel>(this);
    m_up_Mgr_State = std::make_unique<C_Mgr_State>(this);
    m_up_Mgr_Doc = std::make_unique<C_Mgr_Doc>(this);
    m_up_Mgr_Frame = std::make_unique<C_Mgr_Frame>(this);
    // Last: setting the mode already fires and posts, so every member must exist.
    m_up_Mgr_Sel->M_Fn_Sel_Mode_Set(false, false, true, false, false, false, 7, L"Import model.");
}

C_Proj::~C_Proj()
{
    try {
        M_Fn_Signal_Fire(E_Signal_Destroy);
    } catch (...) {
        S_Fn_Report_Exception_Current("N_Biz::N_Proj::C_Proj::~C_Proj", __FILE__, __LINE__);
    }
    // Code 1 is the last thing subscribers hear; what follows is the project taking itself apart.
    try {
        m_up_Signal->m_Signal.disconnect_all_slots();
    } catch (...) {
        S_Fn_Report_Exception_Current("N_Biz::N_Proj::C_Proj::~C_Proj", __FILE__, __LINE__);
    }
    // An unfinished command is reverted and the history released while everything its elements
    // reach still lives.
    try {
        m_up_Mgr_Cmd->M_Fn_Clear();
    } catch (...) {
        S_Fn_Report_Exception_Current("N_Biz::N_Proj::C_Proj::~C_Proj", __FILE__, __LINE__);
    }
    try {
        m_up_Mgr_Frame->M_Fn_Frame_Close();
    } catch (...) {
        S_Fn_Report_Exception_Current("N_Biz::N_Proj::C_Proj::~C_Proj", __FILE__, __LINE__);
    }
    m_up_Mgr_Frame.reset();
    try {
        m_up_Mgr_Doc->M_Fn_Destroy();
    } catch (...) {
        S_Fn_Report_Exception_Current("N_Biz::N_Proj::C_Proj::~C_Proj", __FILE__, __LINE__);
    }
    m_up_Mgr_Doc.reset();
    m_up_Mgr_State.reset();
    m_up_Mgr_Sel.reset();
    m_up_Mgr_D_Sect.reset();
    m_up_Mgr_D_Model.reset();
    m_up_Mgr_D_DB_E.reset();
    m_up_Mgr_D_DB_N.reset();
    m_up_Mgr_D_DB_C_P.reset();
    m_up_Mgr_D_DB_C_M.reset();
    m_up_Mgr_D_DB_C.reset();
    m_up_Mgr_Cmd.reset();
    m_up_Signal.reset();
}

void C_Proj::S_Fn_Report_Exception_Current(const char* i_Function, const char* i_File, int i_Line) noexcept
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app)
        return;
    try {
        throw;
    } catch (const N_Common::N_Exception::C_Exception& ro_Exception) {
        p_app->M_Fn_Report_Exception(ro_Exception.M_Fn_Function(), ro_Exception.M_Fn_File(), ro_Exception.M_Fn_Line(),
                                     ro_Exception.what());
    } catch (const std::exception& ro_Exception) {
        p_app->M_Fn_Report_Exception(i_Function, i_File, i_Line, ro_Exception.what());
    } catch (...) {
        p_app->M_Fn_Report_Exception(i_Function, i_File, i_Line, "...");
    }
}

void C_Proj::M_Fn_Tree_Add()
{
    m_Tree.M_Fn_On_Add_Proj(this);
    m_up_Mgr_D_DB_C_M->M_Fn_Get_Tree().M_Fn_On_Add_Proj_D_DB_C_M_Mgr(m_up_Mgr_D_DB_C_M.get(), m_Tree);
    m_up_Mgr_D_DB_C_P->M_Fn_Get_Tree().M_Fn_On_Add_Proj_D_DB_C_P_Mgr(m_up_Mgr_D_DB_C_P.get(), m_Tree);
    m_up_Mgr_D_Model->M_Fn_Get_Tree().M_Fn_On_Add_Proj_D_Model_Mgr(m_up_Mgr_D_Model.get(), m_Tree);
}

void C_Proj::M_Fn_Tree_Remove()
{
    m_up_Mgr_D_Model->M_Fn_Get_Tree().M_Fn_On_Remove();
    m_up_Mgr_D_DB_C_P->M_Fn_Get_Tree().M_Fn_On_Remove();
    m_up_Mgr_D_DB_C_M->M_Fn_Get_Tree().M_Fn_On_Remove();
    m_Tree.M_Fn_On_Remove();
}

void C_Proj::M_Fn_Palette_Pick_C_M(std::array<float, 4>& o_Color) const
{
    m_up_Mgr_D_DB_C_M->M_Fn_Get_Palette().M_Fn_Pick(o_Color);
}

void C_Proj::M_Fn_Palette_Pick_C_P(std::array<float, 4>& o_Color) const
{
    m_up_Mgr_D_DB_C_P->M_Fn_Get_Palette().M_Fn_Pick(o_Color);
}

void C_Proj::M_Fn_Sel_Check_in_C_M(const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Material>& ro_Card)
{
    if (!ro_Card)
        VT_THROW("N_Biz::N_Proj::C_Proj::M_Fn_Sel_Check_in_C_M");
    m_up_Mgr_D_DB_C_M->M_Fn_Sel().M_Fn_Sel_P0_Add(ro_Card);
}

void C_Proj::M_Fn_Sel_Check_in_C_P(const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Property>& ro_Card)
{
    if (!ro_Card)
        VT_THROW("N_Biz::N_Proj::C_Proj::M_Fn_Sel_Check_in_C_P");
    m_up_Mgr_D_DB_C_P->M_Fn_Sel().M_Fn_Sel_P0_Add(ro_Card);
}

void C_Proj::M_Fn_D_DB_C_P_Notify(std::uint32_t i_Index)
{
    m_up_Mgr_D_DB_C_P->M_Fn_Palette_Set(i_Index);
}

void C_Proj::M_Fn_D_Model_On_Updated_Post()
{
    using N_Common::N_Math::C_Vector3;
    C_Vector3<float> box_min, box_max;
    m_up_Mgr_Frame->M_Fn_Box_Set(box_min, box_max);
    const C_Mgr_D_Model::T_Table& models = m_up_Mgr_D_Model->M_Fn_Get_Models();
    bool first = true;
    for (std::uint32_t slot = 1; slot < models.size(); ++slot) {
        if (!models.is_used_at(slot))
            continue;
        const C_Mgr_D_Model::T_sp_Model& sp_model = models.at(slot);
        if (!sp_model)
            VT_THROW("N_Biz::N_Proj::C_Proj::M_Fn_D_Model_On_Updated_Post");
        const C_Vector3<float>& lo = sp_model->M_Fn_Data().m_Bound_Min;
        const C_Vector3<float>& hi = sp_model->M_Fn_Data().m_Bound_Max;
        if (first) {
            box_min = lo;
            box_max = hi;
            first = false;
        } else {
            auto widen = [](float i_Lo, float i_Hi, float& io_Min, float& io_Max) {
                if (i_Lo < io_Min)
                    io_Min = i_Lo;
                if (i_Hi > io_Max)
                    io_Max = i_Hi;
            };
            widen(lo.x, hi.x, box_min.x, box_max.x);
            widen(lo.y, hi.y, box_min.y, box_max.y);
            widen(lo.z, hi.z, box_min.z, box_max.z);
        }
        m_up_Mgr_Frame->M_Fn_Box_Set(box_min, box_max);
    }
    m_up_Mgr_Frame->M_Fn_Center_Set(C_Vector3<float>(-0.5f * (box_min.x + box_max.x), -0.5f * (box_min.y + box_max.y),
                                                     -0.5f * (box_min.z + box_max.z)));
    m_up_Mgr_Frame->M_Fn_View_Main_Reset();
    m_up_Mgr_Doc->M_Fn_Mark_Modified();
    m_up_Mgr_Frame->M_Fn_View_Main_Invalidate();
}

namespace {

// The application's configuration, which the display toggles change.
N_Biz::N_Config::C_Config& G_Fn_Config(const char* i_Function)
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *p_app->m_sp_Config;
}

} // namespace

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Disp_S_Edge()
{
    G_Fn_Config("N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Disp_S_Edge")
        .M_Fn_Toggle(&N_Config::C_Config_Data::m_Show_Edge_Shade, N_Config::E_Signal_Proj_Disp);
    m_up_Mgr_Frame->M_Fn_View_Main_Invalidate();
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Disp_S_Sys_Coord()
{
    G_Fn_Config("N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Disp_S_Sys_Coord")
        .M_Fn_Toggle(&N_Config::C_Config_Data::m_Show_Coord, N_Config::E_Signal_View);
    m_up_Mgr_Frame->M_Fn_View_Main_Invalidate();
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Disp_Print_Mode()
{
    G_Fn_Config("N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Disp_Print_Mode")
        .M_Fn_Toggle(&N_Config::C_Config_Data::m_Print_Mode, N_Config::E_Signal_View);
    m_up_Mgr_Frame->M_Fn_View_Main_Invalidate();
}

} // namespace N_Biz::N_Proj
