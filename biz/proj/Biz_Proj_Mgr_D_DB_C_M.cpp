#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"

#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_M_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_M_Modify.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Row_Field.h"

#include <new>
#include <vector>

namespace N_Biz::N_Proj {

C_Mgr_D_DB_C_M::C_Mgr_D_DB_C_M(C_Proj* i_p_Proj) : C_Mgr_D_DB_Card(i_p_Proj) {}

C_Mgr_D_DB_C_M::~C_Mgr_D_DB_C_M() = default;

void C_Mgr_D_DB_C_M::M_Fn_Proc_Cmd_Sub_Add_Default(const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group)
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_Proc_Cmd_Sub_Add_Default";
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Schema || !p_app->m_sp_Config)
        VT_THROW(S_Name);
    const N_DB::C_Info_Table* p_table = p_app->m_sp_Schema->M_Fn_Info_Table_Lookup_By_Format(1, "Material");
    if (!p_table)
        VT_THROW(S_Name);
    T_sp_Card sp_card;
    try {
        sp_card.reset(new N_DB::C_Row_C_Material(p_table));
    } catch (const std::bad_alloc&) {
        VT_THROW(S_Name);
    }

    T_Color color{};
    m_Palette.M_Fn_Pick(color);
    sp_card->m_Display.M_Fn_Color_Set(color);

    std::vector<N_DB::C_Route_Request> requests(7);
    const N_DB::E_Id_Column ids[7] = {N_DB::E_Id_Column_Name,          N_DB::E_Id_Column_Key_primary_C_Material,
                                      N_DB::E_Id_Column_Density_Mass,  N_DB::E_Id_Column_Ratio_Poisson,
                                      N_DB::E_Id_Column_Modulus_E,     N_DB::E_Id_Column_Limit_Stress_Y,
                                      N_DB::E_Id_Column_Limit_Stress_U};
    for (int i = 0; i < 7; ++i)
        requests[static_cast<std::size_t>(i)].m_Id = ids[i];
    sp_card->M_Fn_Select_multiple_List(requests, nullptr, true);
    const N_Config::C_Config_Data& ro_config = p_app->m_sp_Config->M_Fn_Data();
    N_Impl::G_Fn_Field_Set_Text(requests[0].m_Visitor, L"Default Material", S_Name);
    N_Impl::G_Fn_Field_Set_Number(requests[1].m_Visitor, 0.0, S_Name);
    N_Impl::G_Fn_Field_Set_Number(requests[2].m_Visitor, ro_config.m_Density, S_Name);
    N_Impl::G_Fn_Field_Set_Number(requests[3].m_Visitor, ro_config.m_Poisson, S_Name);
    N_Impl::G_Fn_Field_Set_Number(requests[4].m_Visitor, ro_config.m_Modulus, S_Name);
    N_Impl::G_Fn_Field_Set_Number(requests[5].m_Visitor, ro_config.m_Yield, S_Name);
    N_Impl::G_Fn_Field_Set_Number(requests[6].m_Visitor, ro_config.m_Ultimate, S_Name);

    if (m_Store.size() > 1 && m_Store.is_used_at(1))
        VT_THROW(S_Name);
    M_Fn_Proc_Cmd_Sub_Add_At(sp_card, 1, ro_sp_Group);
}

void C_Mgr_D_DB_C_M::M_Fn_Proc_Cmd_Sub_Add_At(const T_sp_Card& ro_sp_Card, std::uint32_t i_Index,
                                              const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group)
{
    if (!ro_sp_Group) {
        M_Fn_D_Add_At(i_Index, ro_sp_Card);
        return;
    }
    ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_DB_C_M_Add_At>(m_p_Proj, i_Index, ro_sp_Card));
}

void C_Mgr_D_DB_C_M::M_Fn_Proc_Cmd_Top_Add(std::uint32_t i_Index, const T_sp_Card& ro_sp_Card)
{
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Create material card", m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        sp_entry->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_DB_C_M_Add_At>(m_p_Proj, i_Index, ro_sp_Card));
    });
}

void C_Mgr_D_DB_C_M::M_Fn_Proc_Cmd_Top_Modify(N_DB::C_Row_C_Material* i_p_Card, const N_DB::C_Row_Any& ro_Data,
                                              const T_Color& ro_Color)
{
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Modify material card", m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        sp_entry->M_Fn_Child_Add_and_Execute(
            std::make_shared<N_Cmd::C_Elem_D_DB_C_M_Modify>(m_p_Proj, i_p_Card, ro_Data, ro_Color));
    });
}

// --- project file --------------------------------------------------------------------------------

E_Result C_Mgr_D_DB_C_M::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream)
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_Stream_Serialize_o_I";
    T_Store read;
    read.add(T_sp_Card());
    const E_Result result = M_Fn_Stream_Serialize_Table_I(ro_Stream, read, S_Name);
    if (result != E_Result_Success)
        return result;
    M_Fn_Stream_Serialize_Table_Add(read, S_Name, [](N_DB::C_Row_C_Material&) { return true; });
    return E_Result_Success;
}

} // namespace N_Biz::N_Proj
