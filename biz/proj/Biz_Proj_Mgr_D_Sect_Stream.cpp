// The section groups in files: the group piece of the project file, and the section part of a
// ".bea" model.
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"

#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Context_Stream_Format_BEA_I.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "common/Common_Exception.h"
#include "common/Common_Math_Matrix4.h"
#include "common/Common_Math_Quaternion.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace N_Biz::N_Proj {

// --- project file --------------------------------------------------------------------------------

E_Result C_Mgr_D_Sect::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    using namespace N_Common::N_Stream;
    return G_Fn_Serialize_slotvec_O<T_sp_Group>(ro_Stream, m_Groups, [](std::ostream& ro_Out, const T_sp_Group& ro_sp_Group) {
        return G_Fn_Serialize_sp_O<C_D_Group_Sect>(
            ro_Out, ro_sp_Group, [](std::ostream& ro_Out2, const C_D_Group_Sect& ro_Group) { return ro_Group.M_Fn_Stream_Serialize_o_O(ro_Out2); });
    });
}

E_Result C_Mgr_D_Sect::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream)
{
    using namespace N_Common::N_Stream;
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Stream_Serialize_o_I";
    if (m_Groups.size() - m_Groups.free_count() != 1)
        VT_THROW(S_Name);
    T_Groups read;
    read.add(T_sp_Group());
    const E_Result result = G_Fn_Serialize_slotvec_I<T_sp_Group>(ro_Stream, read, [this](std::istream& ro_In, T_sp_Group& o_sp_Group) {
        return G_Fn_Serialize_sp_I<C_D_Group_Sect>(ro_In, o_sp_Group, [this](std::istream& ro_In2, C_D_Group_Sect& o_Group) {
            return o_Group.M_Fn_Stream_Serialize_o_I(ro_In2, [this] { return M_Fn_Sect_New(); });
        });
    });
    if (result != E_Result_Success)
        return result;
    // Every group is checked before the first one enters the project.
    for (std::uint32_t g = 1; g < read.size(); ++g) {
        if (!read.is_used_at(g))
            continue;
        const T_sp_Group& sp_group = read.at(g);
        if (!sp_group || sp_group->m_Index != g)
            VT_THROW(S_Name);
        for (std::uint32_t s = 1; s < sp_group->m_Sects.size(); ++s)
            if (sp_group->m_Sects.is_used_at(s) && !sp_group->m_Sects.at(s))
                VT_THROW(S_Name);
    }
    for (std::uint32_t g = 1; g < read.size(); ++g) {
        if (!read.is_used_at(g))
            continue;
        // The group enters the project empty; its sections follow one by one.
        T_sp_Group sp_group = read.at(g);
        C_D_Group_Sect::T_Sects sects;
        std::swap(sects, sp_group->m_Sects);
        sp_group->m_Sects.add(T_sp_Sect());
        sp_group->m_Index = 0;
        M_Fn_D_Group_Add_At(g, sp_group);
        for (std::uint32_t s = 1; s < sects.size(); ++s) {
            if (!sects.is_used_at(s))
                continue;
            T_sp_Sect sp_sect = sects.at(s);
            sp_sect->M_Fn_Get_Mgr_Doc().M_Fn_Create();
            M_Fn_D_Individual_Add_At(g, s, sp_sect);
        }
    }
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_Config_Disp_Update();
    return E_Result_Success;
}

// --- ".bea" model --------------------------------------------------------------------------------

namespace {

using C_Context = C_Context_Stream_Format_BEA_I;

// The point numbers of a wall or weld line, after its first 3 columns: as many whole 3-column
// fields as the line has, less one, which is the property field (wall) or is not read (weld).
// A line with fewer than 3 characters there cannot be read.
std::vector<std::int32_t> G_Fn_Points_Read(C_Context& ro_Context, std::int32_t* o_p_Property)
{
    std::int32_t ignored = 0;
    ro_Context.M_Fn_Token_Int(3, ignored);
    if (ro_Context.m_Line.size() < 3)
        ro_Context.M_Fn_Fail(L"Line too short.", "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Stream_Format_BEA_I", __FILE__, __LINE__);
    std::vector<std::int32_t> points(ro_Context.m_Line.size() / 3 - 1, 0);
    for (std::int32_t& point : points)
        ro_Context.M_Fn_Token_Int(3, point);
    if (o_p_Property)
        ro_Context.M_Fn_Token_Int(3, *o_p_Property);
    return points;
}

} // namespace

std::uint32_t C_Mgr_D_Sect::M_Fn_Stream_Format_BEA_I(C_Context_Stream_Format_BEA_I& ro_Context)
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Stream_Format_BEA_I";
    using N_Biz::N_Sect::C_D_Geom_E_Line;
    using N_Biz::N_Sect::C_D_Geom_Point;
    const std::uint32_t g = m_Groups.next_index();
    T_sp_Group sp_new = std::make_shared<C_D_Group_Sect>();
    M_Fn_D_Group_Add_At(g, sp_new);
    if (!m_Groups.is_used_at(g) || !m_Groups.at(g))
        VT_THROW(S_Name);
    const auto& properties = m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store();
    const N_Model::C_Model& model = *ro_Context.m_sp_Model;

    for (std::int32_t s = 0; s < ro_Context.m_Count_Sect; ++s) {
        ro_Context.Fn_I_Line();
        std::int32_t ignored = 0, count_weld = 0, count_point = 0, count_wall = 0, anchor = 0;
        ro_Context.M_Fn_Token_Int(5, ignored);
        ro_Context.M_Fn_Token_Int(5, count_weld);
        ro_Context.M_Fn_Token_Int(5, count_point);
        ro_Context.M_Fn_Token_Int(5, count_wall);
        ro_Context.M_Fn_Token_Int(10, anchor);
        for (std::int32_t count : {count_weld, count_point, count_wall})
            ro_Context.M_Fn_Count_Check(count);
        T_sp_Sect sp_sect = M_Fn_Sect_New();
        N_Biz::N_Sect::C_Mgr_D_Geom_P& points = sp_sect->M_Fn_Get_Mgr_D_Geom_P();
        N_Biz::N_Sect::C_Mgr_D_Geom_E& entities = sp_sect->M_Fn_Get_Mgr_D_Geom_E();

        for (std::int32_t i = 0; i < count_point; ++i) {
            ro_Context.Fn_I_Line();
            std::int32_t number = 0;
            float x = 0, y = 0;
            ro_Context.M_Fn_Token_Int(5, number);
            ro_Context.M_Fn_Token_Float(x);
            ro_Context.M_Fn_Token_Float(y);
            const std::uint32_t index = static_cast<std::uint32_t>(number);
            const std::uint32_t size = points.M_Fn_Get_Store().size();
            if (number < 1 || (index > size && !N_Common::N_Stream::C_Slot_Gap_Budget::S_Fn_Take(index - size)))
                ro_Context.M_Fn_Fail(L"Invalid point number.", S_Name, __FILE__, __LINE__);
            if (points.M_Fn_Get_Store().is_used_at(index))
                ro_Context.M_Fn_Fail(L"Point defined twice.", S_Name, __FILE__, __LINE__);
            auto up_point = std::make_unique<C_D_Geom_Point>(x, y);
            points.M_Fn_D_Add_At(index, up_point);
        }
        // Lines between successive points; a weld line skips a pair of equal numbers.
        auto lines_add = [&](const std::vector<std::int32_t>& ro_Points, std::int32_t i_Property, bool i_Weld) -> bool {
            for (std::int32_t point : ro_Points)
                if (point < 1 || !points.M_Fn_Get_Store().is_used_at(static_cast<std::uint32_t>(point))) {
                    ro_Context.M_Fn_Refuse(L"Point " + std::to_wstring(point) + L" has no point line.");
                    return false;
                }
            for (std::size_t j = 1; j < ro_Points.size(); ++j) {
                if (i_Weld && ro_Points[j - 1] == ro_Points[j])
                    continue;
                auto sp_line = std::make_shared<C_D_Geom_E_Line>(ro_Points[j - 1], ro_Points[j]);
                sp_line->M_Fn_Weld_Set(i_Weld);
                if (i_Property != 0)
                    sp_line->m_Key_C_P = N_DB::C_Key_C_Property(properties.at(static_cast<std::uint32_t>(i_Property)));
                N_Biz::N_Sect::C_Mgr_D_Geom_E::T_sp_Entity sp_entity = sp_line;
                entities.M_Fn_D_Add_At(entities.M_Fn_Get_Store().next_index(), sp_entity);
            }
            return true;
        };
        for (std::int32_t i = 0; i < count_wall; ++i) {
            ro_Context.Fn_I_Line();
            std::int32_t property = 0;
            const std::vector<std::int32_t> wall = G_Fn_Points_Read(ro_Context, &property);
            if (property != 0 && (property < 0 || !properties.is_used_at(static_cast<std::uint32_t>(property))))
                return ro_Context.M_Fn_Refuse(L"Property card " + std::to_wstring(property) + L" does not exist.");
            if (!lines_add(wall, property, false))
                return 0;
        }
        for (std::int32_t i = 0; i < count_weld; ++i) {
            ro_Context.Fn_I_Line();
            if (!lines_add(G_Fn_Points_Read(ro_Context, nullptr), 0, true))
                return 0;
        }

        // The frame: only a section anchored at a node of the file has one.
        const auto found = ro_Context.m_Map_N.find(anchor);
        if (found == ro_Context.m_Map_N.end())
            continue;
        float rows[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
        for (auto& row : rows) {
            ro_Context.Fn_I_Line();
            for (float& value : row)
                ro_Context.M_Fn_Token_Float(value);
        }
        // A frame that flattens the section cannot be turned back.
        double norms = 1.0;
        for (const auto& row : rows)
            norms *= std::sqrt(double(row[0]) * row[0] + double(row[1]) * row[1] + double(row[2]) * row[2]);
        const double det = double(rows[0][0]) * (double(rows[1][1]) * rows[2][2] - double(rows[1][2]) * rows[2][1]) -
                           double(rows[0][1]) * (double(rows[1][0]) * rows[2][2] - double(rows[1][2]) * rows[2][0]) +
                           double(rows[0][2]) * (double(rows[1][0]) * rows[2][1] - double(rows[1][1]) * rows[2][0]);
        if (!(std::fabs(det) > 1e-6 * norms) || !std::isfinite(norms))
            return ro_Context.M_Fn_Refuse(L"Singular frame matrix.");

        using C_Matrix4f = N_Common::N_Math::C_Matrix4<float>;
        const N_Common::N_Math::C_Vector3<float> origin =
            model.M_Fn_Node_Vector3_Global_Get(static_cast<std::uint32_t>(found->second));
        C_Matrix4f plane;
        plane.M_Fn_Translate(origin.x, origin.y, origin.z);
        C_Matrix4f frame;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                frame(r, c) = rows[r][c];
        frame.M_Fn_Invert(frame);
        const float h = 0.7853985f;
        frame.M_Fn_Rotate_Quaternion(N_Common::N_Math::C_Quaternion<float>(std::cos(h), 0.0f, std::sin(h), 0.0f));
        frame.M_Fn_Rotate_Quaternion(N_Common::N_Math::C_Quaternion<float>(std::cos(h), 0.0f, 0.0f, std::sin(h)));
        plane.M_Fn_Mul(frame);
        for (float value : plane.m_Data)
            if (!std::isfinite(value))
                return ro_Context.M_Fn_Refuse(L"Singular frame matrix.");
        T_sp_Plane sp_plane = std::make_shared<N_Biz::N_Sect::C_D_Plane>();
        sp_plane->m_Matrix = plane;
        sp_sect->M_Fn_Plane_Set(nullptr, sp_plane);
        sp_sect->M_Fn_Get_Mgr_Doc().M_Fn_Create();
        M_Fn_D_Individual_Add_At(g, static_cast<std::uint32_t>(s) + 1, sp_sect);
    }
    return 1;
}

} // namespace N_Biz::N_Proj
