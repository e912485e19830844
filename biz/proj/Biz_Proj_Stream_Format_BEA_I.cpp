// The ".bea" model reader: the driver and the readers of the header, nodes, counted records,
// materials, properties and elements. The section part is the section-group manager's
// (Biz_Proj_Mgr_D_Sect_Stream.cpp). Nothing read here enters the undo history.
#include "biz/proj/Biz_Proj.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj_Context_Stream_Format_BEA_I.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Row_Field.h"
#include "common/Common_Exception.h"
#include "common/Common_Stream_Serialize.h"
#include "common/Common_String.h"

#include <algorithm>

namespace N_Biz::N_Proj {

namespace {

using C_Context = C_Context_Stream_Format_BEA_I;

// Most rows reserved ahead of the lines that bring them.
constexpr std::int32_t G_Reserve_Rows = 1 << 16;
// Most free slots the section tables of one file may create below the point numbers it uses.
constexpr std::uint64_t G_Slot_Gap_Budget = std::uint64_t(1) << 20;

// The schema table of format i_Format and keyword i_Keyword; C_Exception naming i_Function when
// there is none.
const N_DB::C_Info_Table& G_Fn_Table(std::uint32_t i_Format, const char* i_Keyword, const char* i_Function)
{
    C_App* p_app = C_App::S_Fn_Get();
    const N_DB::C_Info_Table* p_table =
        p_app && p_app->m_sp_Schema ? p_app->m_sp_Schema->M_Fn_Info_Table_Lookup_By_Format(i_Format, i_Keyword) : nullptr;
    if (!p_table)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *p_table;
}

// Reads and counts i_Count lines without looking at them.
void G_Fn_Lines_Skip(C_Context& ro_Context, std::int32_t i_Count)
{
    for (std::int32_t i = 0; i < i_Count; ++i)
        ro_Context.Fn_I_Line();
}

void G_Fn_Set_Number(N_DB::C_Row& ro_Row, N_DB::E_Id_Column i_Id, double i_Value, const char* i_Function)
{
    N_Impl::G_Fn_Field_Set_Number(ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(i_Id), i_Value, i_Function);
}

void G_Fn_Set_Text(N_DB::C_Row& ro_Row, const std::string& i_Text, const char* i_Function)
{
    N_Impl::G_Fn_Field_Set_Text(ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(N_DB::E_Id_Column_Name),
                                N_Common::N_String::G_Fn_To_Wide(i_Text), i_Function);
}

} // namespace

std::uint32_t C_Proj::M_Fn_Stream_Format_BEA_I(std::istream& ro_Stream)
{
    C_Context context(ro_Stream);
    context.m_sp_Model = m_up_Mgr_D_Model->M_Fn_Model_New();
    const N_Common::N_Stream::C_Slot_Gap_Budget budget(G_Slot_Gap_Budget);

    // Lines 1 and 2; the control line; lines 4 and 5.
    G_Fn_Lines_Skip(context, 2);
    context.Fn_I_Line();
    std::int32_t control[17] = {};
    for (std::int32_t& field : control)
        context.M_Fn_Token_Int(5, field);
    context.m_Count_N = control[1];
    context.m_Count_Record = control[3];
    context.m_Header_5 = control[4];
    context.m_Count_C_M = control[5];
    context.m_Count_C_P = control[6];
    context.m_Count_Skip_C_P = control[12];
    for (std::int32_t count : {context.m_Count_N, context.m_Count_Record, context.m_Count_C_M, context.m_Count_C_P,
                               context.m_Count_Skip_C_P})
        context.M_Fn_Count_Check(count);
    G_Fn_Lines_Skip(context, 2);

    using T_Reader = std::uint32_t (*)(C_Context&, C_Proj&);
    for (T_Reader reader : {+[](C_Context& ro_Context, C_Proj&) { return M_Fn_Stream_Format_BEA_I_NODE(ro_Context); },
                            +[](C_Context& ro_Context, C_Proj&) { return M_Fn_Stream_Format_BEA_I_SKIP(ro_Context); },
                            &M_Fn_Stream_Format_BEA_I_MATERIAL, &M_Fn_Stream_Format_BEA_I_P_SHELL})
        if (reader(context, *this) != 1)
            return 0;
    G_Fn_Lines_Skip(context, context.m_Count_Skip_C_P);

    // The blocks: 2 (sections), then 7 (skipped), then 8 (elements), each at most once; any other
    // code ends the reading.
    std::int32_t code = 0;
    context.M_Fn_Block_Code_Get(code);
    if (code == 2) {
        std::string text;
        context.M_Fn_Field(5, text);
        context.M_Fn_Token_Int(5, context.m_Count_E);
        context.M_Fn_Token_Int(5, context.m_Count_Sect);
        context.M_Fn_Count_Check(context.m_Count_Sect);
        if (m_up_Mgr_D_Sect->M_Fn_Stream_Format_BEA_I(context) != 1)
            return 0;
        G_Fn_Lines_Skip(context, context.m_Count_Skip_Sect);
        context.M_Fn_Block_Code_Get(code);
    }
    if (code == 7) {
        std::string text;
        std::int32_t ignored = 0;
        context.M_Fn_Field(5, text);
        context.M_Fn_Token_Int(5, ignored);
        context.M_Fn_Token_Int(5, context.m_Count_Skip_Block_7);
        context.M_Fn_Count_Check(context.m_Count_Skip_Block_7);
        G_Fn_Lines_Skip(context, context.m_Count_Skip_Block_7);
        context.M_Fn_Block_Code_Get(code);
    }
    if (code == 8) {
        std::string text;
        context.M_Fn_Field(5, text);
        context.m_Count_E = 0;
        context.M_Fn_Token_Int(5, context.m_Count_E);
        context.M_Fn_Count_Check(context.m_Count_E);
        if (M_Fn_Stream_Format_BEA_I_E_SHELL(context, *this) != 1)
            return 0;
    }

    m_up_Mgr_D_Model->M_Fn_D_Add_At(context.m_sp_Model, m_up_Mgr_D_Model->M_Fn_Get_Models().next_index());
    return 1;
}

std::uint32_t C_Proj::M_Fn_Stream_Format_BEA_I_NODE(C_Context& ro_Context)
{
    const N_DB::C_Info_Table& table = G_Fn_Table(3, "GRID", "N_Biz::N_Proj::C_Proj::M_Fn_Stream_Format_BEA_I_NODE");
    N_Model::C_Model_Data& data = ro_Context.m_sp_Model->M_Fn_Data();
    data.m_Nodes.reserve(static_cast<std::size_t>(std::min(ro_Context.m_Count_N, G_Reserve_Rows)));
    for (std::int32_t i = 0; i < ro_Context.m_Count_N; ++i) {
        ro_Context.Fn_I_Line();
        std::int32_t number = 0, ignored = 0;
        N_Common::N_Math::C_Vector3<float> position;
        ro_Context.M_Fn_Token_Int(10, number);
        ro_Context.M_Fn_Token_Float(position.x);
        ro_Context.M_Fn_Token_Float(position.y);
        ro_Context.M_Fn_Token_Float(position.z);
        ro_Context.M_Fn_Token_Int(10, ignored);
        N_DB::C_Row_Node row(&table);
        row.M_Fn_Id_Set(number);
        row.M_Fn_Vector3_f32_Set(position);
        if (data.m_Nodes.empty()) {
            data.m_Bound_Min = position;
            data.m_Bound_Max = position;
        } else {
            data.m_Bound_Min = {std::min(data.m_Bound_Min.x, position.x), std::min(data.m_Bound_Min.y, position.y),
                                std::min(data.m_Bound_Min.z, position.z)};
            data.m_Bound_Max = {std::max(data.m_Bound_Max.x, position.x), std::max(data.m_Bound_Max.y, position.y),
                                std::max(data.m_Bound_Max.z, position.z)};
        }
        ro_Context.m_Map_N.emplace(number, i);
        data.m_Nodes.push_back(std::move(row));
    }
    return 1;
}

std::uint32_t C_Proj::M_Fn_Stream_Format_BEA_I_SKIP(C_Context& ro_Context)
{
    for (std::int32_t r = 0; r < ro_Context.m_Count_Record; ++r) {
        ro_Context.Fn_I_Line();
        std::int32_t ignored = 0, values = 0;
        ro_Context.M_Fn_Token_Int(10, ignored);
        ro_Context.M_Fn_Token_Int(10, values);
        if (values < 0)
            ro_Context.M_Fn_Count_Check(values);
        // Ten values on the first line, thirteen on each further one.
        const std::int32_t more = values > 10 ? static_cast<std::int32_t>((std::int64_t(values) - 10 + 12) / 13) : 0;
        ro_Context.M_Fn_Count_Check(more);
        G_Fn_Lines_Skip(ro_Context, more);
    }
    return 1;
}

std::uint32_t C_Proj::M_Fn_Stream_Format_BEA_I_MATERIAL(C_Context& ro_Context, C_Proj& ro_Proj)
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Proj::M_Fn_Stream_Format_BEA_I_MATERIAL";
    const N_DB::C_Info_Table& table = G_Fn_Table(1, "Material", S_Name);
    C_Mgr_D_DB_C_M& mgr = ro_Proj.M_Fn_Get_Mgr_D_DB_C_M();
    auto& map = ro_Context.m_sp_Model->M_Fn_Data().m_Map_C_M;
    for (std::int32_t i = 0; i < ro_Context.m_Count_C_M; ++i) {
        ro_Context.Fn_I_Line();
        std::int32_t number = 0;
        float modulus = 0, ignored = 0, poisson = 0, yield = 0, ultimate = 0, density = 0;
        std::string name;
        ro_Context.M_Fn_Token_Int(10, number);
        for (float* p_value : {&modulus, &ignored, &poisson, &yield, &ultimate, &density})
            ro_Context.M_Fn_Token_Float(*p_value);
        ro_Context.M_Fn_Field(20, name);
        const std::uint32_t index = mgr.M_Fn_Get_Store().next_index();
        // A number given twice: the first line stands.
        if (!map.emplace(static_cast<std::uint32_t>(number), index).second)
            continue;
        C_Mgr_D_DB_C_M::T_sp_Card sp_card(new N_DB::C_Row_C_Material(&table));
        std::array<float, 4> color{};
        ro_Proj.M_Fn_Palette_Pick_C_M(color);
        sp_card->m_Display.M_Fn_Color_Set(color);
        G_Fn_Set_Number(*sp_card, N_DB::E_Id_Column_Key_primary_C_Material, number, S_Name);
        G_Fn_Set_Number(*sp_card, N_DB::E_Id_Column_Modulus_E, modulus, S_Name);
        G_Fn_Set_Number(*sp_card, N_DB::E_Id_Column_Ratio_Poisson, poisson, S_Name);
        G_Fn_Set_Number(*sp_card, N_DB::E_Id_Column_Limit_Stress_Y, yield, S_Name);
        G_Fn_Set_Number(*sp_card, N_DB::E_Id_Column_Limit_Stress_U, ultimate, S_Name);
        G_Fn_Set_Number(*sp_card, N_DB::E_Id_Column_Density_Mass, density, S_Name);
        G_Fn_Set_Text(*sp_card, name, S_Name);
        mgr.M_Fn_D_Add_At(index, sp_card);
    }
    return 1;
}

std::uint32_t C_Proj::M_Fn_Stream_Format_BEA_I_P_SHELL(C_Context& ro_Context, C_Proj& ro_Proj)
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Proj::M_Fn_Stream_Format_BEA_I_P_SHELL";
    const N_DB::C_Info_Table& table = G_Fn_Table(1, "Property", S_Name);
    C_Mgr_D_DB_C_P& mgr = ro_Proj.M_Fn_Get_Mgr_D_DB_C_P();
    const C_Mgr_D_DB_C_M& mgr_c_m = ro_Proj.M_Fn_Get_Mgr_D_DB_C_M();
    N_Model::C_Model_Data& data = ro_Context.m_sp_Model->M_Fn_Data();
    for (std::int32_t i = 0; i < ro_Context.m_Count_C_P; ++i) {
        ro_Context.Fn_I_Line();
        std::int32_t number = 0, material = 0, ignored[3] = {};
        float thickness = 0;
        std::string name;
        ro_Context.M_Fn_Token_Int(10, number);
        ro_Context.M_Fn_Token_Int(10, material);
        ro_Context.M_Fn_Token_Float(thickness);
        for (std::int32_t& value : ignored)
            ro_Context.M_Fn_Token_Int(10, value);
        ro_Context.M_Fn_Field(20, name);
        // A property of a material the file does not have, and a number given twice, are skipped.
        const auto found = data.m_Map_C_M.find(static_cast<std::uint32_t>(material));
        if (found == data.m_Map_C_M.end())
            continue;
        const C_Mgr_D_DB_C_M::T_sp_Card& sp_material = mgr_c_m.M_Fn_Get_At(found->second);
        const std::uint32_t index = mgr.M_Fn_Get_Store().next_index();
        if (!data.m_Map_C_P.emplace(static_cast<std::uint32_t>(number), index).second)
            continue;
        C_Mgr_D_DB_C_P::T_sp_Card sp_card(new N_DB::C_Row_C_Property(&table));
        std::array<float, 4> color{};
        ro_Proj.M_Fn_Palette_Pick_C_P(color);
        sp_card->m_Display.M_Fn_Color_Set(color);
        G_Fn_Set_Text(*sp_card, name, S_Name);
        G_Fn_Set_Number(*sp_card, N_DB::E_Id_Column_Key_primary_C_Property, number, S_Name);
        sp_card->M_Fn_Key_C_Material() = N_DB::C_Key_C_Material(sp_material);
        G_Fn_Set_Number(*sp_card, N_DB::E_Id_Column_Thk, thickness, S_Name);
        mgr.M_Fn_D_Add_At(index, sp_card);
    }
    return 1;
}

std::uint32_t C_Proj::M_Fn_Stream_Format_BEA_I_E_SHELL(C_Context& ro_Context, C_Proj& ro_Proj)
{
    const N_DB::C_Info_Table& table = G_Fn_Table(3, "CQUAD4", "N_Biz::N_Proj::C_Proj::M_Fn_Stream_Format_BEA_I_E_SHELL");
    const C_Mgr_D_DB_C_P& mgr_c_p = ro_Proj.M_Fn_Get_Mgr_D_DB_C_P();
    N_Model::C_Model_Data& data = ro_Context.m_sp_Model->M_Fn_Data();
    data.m_Elements.reserve(static_cast<std::size_t>(std::min(ro_Context.m_Count_E, G_Reserve_Rows)));
    for (std::int32_t i = 0; i < ro_Context.m_Count_E; ++i) {
        ro_Context.Fn_I_Line();
        std::int32_t number = 0, nodes[4] = {}, property = 0;
        ro_Context.M_Fn_Token_Int(10, number);
        for (std::int32_t& node : nodes)
            ro_Context.M_Fn_Token_Int(10, node);
        ro_Context.M_Fn_Token_Int(10, property);
        N_DB::C_Row_Element_2D row(&table);
        row.M_Fn_Id_Set(number);
        for (std::uint32_t k = 0; k < 4; ++k) {
            const auto found = ro_Context.m_Map_N.find(nodes[k]);
            // An element on a node the file does not have would be wired to whatever node stands
            // at that place.
            if (found == ro_Context.m_Map_N.end())
                return ro_Context.M_Fn_Refuse(L"Node " + std::to_wstring(nodes[k]) + L" has no node line.");
            row.M_Fn_Node_Set(k, found->second);
        }
        const auto found = data.m_Map_C_P.find(static_cast<std::uint32_t>(property));
        if (found != data.m_Map_C_P.end())
            row.M_Fn_Key_C_Property() = N_DB::C_Key_C_Property(mgr_c_p.M_Fn_Get_At(found->second));
        row.M_Fn_Get_o_Vector3_f32_From_Nodes(data.m_Nodes);
        data.m_Elements.push_back(std::move(row));
    }
    return 1;
}

} // namespace N_Biz::N_Proj
