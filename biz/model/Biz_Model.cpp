#include "biz/model/Biz_Model.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Import_Dyna_Context_Model.h"
#include "biz/db/Biz_DB_Import_Nastran_Context_Model.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Common.h"
#include "biz/model/Biz_Model_Proj_Port.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Model {

N_Proj::C_Proj* C_Model::S_p_Proj = nullptr;
C_Proj_Port* C_Model::S_p_Proj_Port = nullptr;

namespace {

// The card at each slot of a map, checked: present, a live row, and owned by i_p_Owner.
template <class Table>
void G_Fn_Cards_Check(const std::map<std::uint32_t, std::uint32_t>& ro_Map, const Table& ro_Table,
                      const C_Model_Data* i_p_Owner, const char* i_Function)
{
    for (const auto& [deck_id, slot] : ro_Map) {
        if (!ro_Table.is_used_at(slot) || !ro_Table.at(slot))
            VT_THROW(i_Function);
        if (ro_Table.at(slot)->M_Fn_Model_Data_Get() != i_p_Owner)
            VT_THROW(i_Function);
    }
}

template <class Table>
void G_Fn_Cards_Set(const std::map<std::uint32_t, std::uint32_t>& ro_Map, const Table& ro_Table, C_Model_Data* i_p_Owner)
{
    for (const auto& [deck_id, slot] : ro_Map)
        ro_Table.at(slot)->M_Fn_Model_Data_Set(i_p_Owner);
}

} // namespace

C_Model::C_Model() : m_p_Proj(S_p_Proj), m_Data(this), m_p_Proj_Port(S_p_Proj_Port)
{
    if (!m_p_Proj || !m_p_Proj_Port)
        VT_THROW("N_Biz::N_Model::C_Model::C_Model");
}

C_Model::~C_Model() = default;

void C_Model::M_Fn_Import_Begin(const std::wstring& i_Path, const std::wstring& i_Name, const char* i_Function)
{
    if (!m_Path.empty())
        VT_THROW(i_Function);
    if (i_Path.empty())
        VT_THROW(i_Function);
    m_Path = i_Path;
    if (i_Name.empty())
        VT_THROW(i_Function);
    m_Name = i_Name;
}

void C_Model::M_Fn_Import_End(std::uint32_t i_Result, const wchar_t* i_Format, bool i_Sections)
{
    const std::wstring format = i_Format;
    if (i_Result != 1) {
        C_App::G_Fn_Msg(format + L" importing failed.");
        return;
    }
    C_App::G_Fn_Msg(format + L" importing finished.");
    if (i_Sections)
        C_App::G_Fn_Msg(L"  Total number of section: " + std::to_wstring(m_Data.m_Map_C_S.size()));
    C_App::G_Fn_Msg(L"  Total number of material: " + std::to_wstring(m_Data.m_Map_C_M.size()));
    C_App::G_Fn_Msg(L"  Total number of property: " + std::to_wstring(m_Data.m_Map_C_P.size()));
    C_App::G_Fn_Msg(L"  Total number of node: " + std::to_wstring(m_Data.m_Nodes.size()));
    C_App::G_Fn_Msg(L"  Total number of 2D element: " + std::to_wstring(m_Data.m_Elements.size()));
}

std::uint32_t C_Model::M_Fn_Import_Dyna(const std::wstring& i_Path, const std::wstring& i_Name,
                                        const std::shared_ptr<N_Cmd::C_Elem_Group>& i_sp_Group)
{
    M_Fn_Import_Begin(i_Path, i_Name, "N_Biz::N_Model::C_Model::M_Fn_Import_Dyna");
    C_App::G_Fn_Msg(L"DYNA importing start...");
    std::uint32_t result = 0;
    try {
        N_DB::N_Import::N_Dyna::C_Context_Model context(m_Data, m_p_Proj_Port, i_sp_Group, m_Path);
        result = context.M_Fn_Import();
    } catch (...) {
        C_App::G_Fn_Msg(L"DYNA importing failed.");
        throw;
    }
    M_Fn_Import_End(result, L"DYNA", true);
    return result;
}

std::uint32_t C_Model::M_Fn_Import_Nastran(const std::wstring& i_Path, const std::wstring& i_Name,
                                           const std::shared_ptr<N_Cmd::C_Elem_Group>& i_sp_Group)
{
    M_Fn_Import_Begin(i_Path, i_Name, "N_Biz::N_Model::C_Model::M_Fn_Import_Nastran");
    C_App::G_Fn_Msg(L"Nastran importing start...");
    std::uint32_t result = 0;
    try {
        N_DB::N_Import::N_Nastran::C_Context_Model context(m_Data, m_p_Proj_Port, i_sp_Group, m_Path);
        result = context.M_Fn_Import();
    } catch (...) {
        C_App::G_Fn_Msg(L"Nastran importing failed.");
        throw;
    }
    M_Fn_Import_End(result, L"Nastran", false);
    return result;
}

void C_Model::M_Fn_Rel_Self_On_Add(N_Proj::C_Mgr_D_Model* i_p_Mgr, const N_UI::N_Tree::C_Signal* i_p_Parent)
{
    if (!m_p_Proj_Port)
        VT_THROW("N_Biz::N_Model::C_Model::M_Fn_Rel_Self_On_Add");
    const C_Proj_Port& port = *m_p_Proj_Port;
    // Everything is checked before anything changes, so a refused add leaves no card half owned.
    G_Fn_Cards_Check(m_Data.m_Map_C_S, port.M_Fn_Table_C(), nullptr, "N_Biz::N_Model::C_Model::M_Fn_Rel_Self_On_Add");
    G_Fn_Cards_Check(m_Data.m_Map_C_M, port.M_Fn_Table_C_M(), nullptr, "N_Biz::N_Model::C_Model::M_Fn_Rel_Self_On_Add");
    G_Fn_Cards_Check(m_Data.m_Map_C_P, port.M_Fn_Table_C_P(), nullptr, "N_Biz::N_Model::C_Model::M_Fn_Rel_Self_On_Add");
    m_Tree.M_Fn_On_Add_Proj_D_Model_Mgr_I(this, i_p_Parent);
    G_Fn_Cards_Set(m_Data.m_Map_C_S, port.M_Fn_Table_C(), &m_Data);
    G_Fn_Cards_Set(m_Data.m_Map_C_M, port.M_Fn_Table_C_M(), &m_Data);
    G_Fn_Cards_Set(m_Data.m_Map_C_P, port.M_Fn_Table_C_P(), &m_Data);
}

void C_Model::M_Fn_Rel_Self_On_Remove()
{
    if (!m_p_Proj_Port)
        VT_THROW("N_Biz::N_Model::C_Model::M_Fn_Rel_Self_On_Remove");
    const C_Proj_Port& port = *m_p_Proj_Port;
    G_Fn_Cards_Check(m_Data.m_Map_C_P, port.M_Fn_Table_C_P(), &m_Data, "N_Biz::N_Model::C_Model::M_Fn_Rel_Self_On_Remove");
    G_Fn_Cards_Check(m_Data.m_Map_C_M, port.M_Fn_Table_C_M(), &m_Data, "N_Biz::N_Model::C_Model::M_Fn_Rel_Self_On_Remove");
    G_Fn_Cards_Check(m_Data.m_Map_C_S, port.M_Fn_Table_C(), &m_Data, "N_Biz::N_Model::C_Model::M_Fn_Rel_Self_On_Remove");
    if (!m_Tree.M_Fn_Is_Connected())
        VT_THROW("N_Biz::N_Model::C_Model::M_Fn_Rel_Self_On_Remove");
    G_Fn_Cards_Set(m_Data.m_Map_C_P, port.M_Fn_Table_C_P(), nullptr);
    G_Fn_Cards_Set(m_Data.m_Map_C_M, port.M_Fn_Table_C_M(), nullptr);
    G_Fn_Cards_Set(m_Data.m_Map_C_S, port.M_Fn_Table_C(), nullptr);
    m_Tree.M_Fn_On_Remove();
}

N_Common::N_Math::C_Vector3<float> C_Model::M_Fn_Node_Vector3_Global_Get(std::uint32_t i_Index) const
{
    if (i_Index >= m_Data.m_Nodes.size())
        VT_THROW("N_Biz::N_Model::C_Model::M_Fn_Node_Vector3_Global_Get");
    N_Common::N_Math::C_Vector3<float> point = m_Data.m_Nodes[i_Index].M_ro_Vector3_f32();
    m_Transform.M_Fn_Transform_Point(point, point);
    return point;
}

} // namespace N_Biz::N_Model
