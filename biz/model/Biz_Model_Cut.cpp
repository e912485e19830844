// The section cut of a model: the shell elements' intersection with a section's plane becomes
// section points and lines, added through the section managers' undoable operations.
//
// Every model edge is intersected once: the edge table, keyed by the edge's sorted node pair,
// keeps the point made on it and the weights of its two nodes, so the elements on both sides of a
// crossed edge end their lines at the same point and the cut of a connected shell is a connected
// chain. The weights are stored per node (smaller node, larger node), not in the order in which
// the first element walked the edge: the neighbour walks the shared edge the other way round and
// must still give each node its own weight.
//
// Nodes within a small distance of the plane (relative to the model's size) are taken as lying on
// it, and a crossing at a node gets the node's own point, shared by every edge that meets there. A
// station row of real models scatters about the plane by far less than an element; without this
// the cut ran along element edges in both neighbouring bays and made zero-length lines wherever
// two edges crossed at one node, which the calculation refuses.
#include "biz/model/Biz_Model.h"

#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "common/Common_Exception.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace N_Biz::N_Model {

namespace {

constexpr const char* K_Fn_Cut = "N_Biz::N_Model::C_Model::M_Fn_Sect_Cut";

struct C_Edge_Cut {
    std::uint32_t m_Point = 0;
    float m_Weight_Lo = 0; // weight of the smaller node index
    float m_Weight_Hi = 0; // weight of the larger node index
};

// An integer column's value as the switch (non-zero = on).
std::int64_t G_Fn_Switch_Get(const N_DB::C_Visitor_Field& ro_Visitor)
{
    using namespace N_DB;
    switch (ro_Visitor.M_Fn_Type()) {
    case E_Type_Obj_INT32: return ro_Visitor.M_Fn_Get<std::int32_t>();
    case E_Type_Obj_UINT32: return ro_Visitor.M_Fn_Get<std::uint32_t>();
    case E_Type_Obj_INT8: return ro_Visitor.M_Fn_Get<std::int8_t>();
    case E_Type_Obj_UINT8: return ro_Visitor.M_Fn_Get<std::uint8_t>();
    case E_Type_Obj_INT16: return ro_Visitor.M_Fn_Get<std::int16_t>();
    case E_Type_Obj_UINT16: return ro_Visitor.M_Fn_Get<std::uint16_t>();
    case E_Type_Obj_INT64: return ro_Visitor.M_Fn_Get<std::int64_t>();
    case E_Type_Obj_FLOAT32: return ro_Visitor.M_Fn_Get<float>() != 0.0f;
    default: VT_THROW(K_Fn_Cut);
    }
}

// A thickness column's value: a float as it stands; a stored 32-bit word is taken as a float.
float G_Fn_Thk_Get(const N_DB::C_Visitor_Field& ro_Visitor)
{
    using namespace N_DB;
    switch (ro_Visitor.M_Fn_Type()) {
    case E_Type_Obj_FLOAT32: return ro_Visitor.M_Fn_Get<float>();
    case E_Type_Obj_FLOAT64: return static_cast<float>(ro_Visitor.M_Fn_Get<double>());
    case E_Type_Obj_INT32: return std::bit_cast<float>(ro_Visitor.M_Fn_Get<std::int32_t>());
    case E_Type_Obj_UINT32: return std::bit_cast<float>(ro_Visitor.M_Fn_Get<std::uint32_t>());
    default: VT_THROW(K_Fn_Cut);
    }
}

} // namespace

void C_Model::M_Fn_Sect_Cut(N_Sect::C_Sect& ro_Sect, const std::shared_ptr<N_Cmd::C_Elem_Group>& ro_sp_Group)
{
    using N_Common::N_Math::C_Matrix4;
    using N_Common::N_Math::C_Vector3;
    using namespace N_DB;

    C_Matrix4<float> inv;
    ro_Sect.M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix().M_Fn_Invert(inv);
    N_Sect::C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
    N_Sect::C_Mgr_D_Geom_E& mgr_e = ro_Sect.M_Fn_Get_Mgr_D_Geom_E();

    std::map<std::pair<std::int32_t, std::int32_t>, C_Edge_Cut> edges;
    std::map<std::int32_t, std::uint32_t> node_points; // crossings at a node: the node's point
    std::set<std::pair<std::uint32_t, std::uint32_t>> lines; // point pairs already joined
    T_Nodes& nodes = m_Data.m_Nodes;
    std::vector<std::uint32_t> cut_points;
    cut_points.reserve(4);
    const C_Vector3<float> extent(m_Data.m_Bound_Max.x - m_Data.m_Bound_Min.x,
                                  m_Data.m_Bound_Max.y - m_Data.m_Bound_Min.y,
                                  m_Data.m_Bound_Max.z - m_Data.m_Bound_Min.z);
    const float on_plane = 1e-5f * std::sqrt(extent.x * extent.x + extent.y * extent.y + extent.z * extent.z);
    // A new section point at (x, y) in the section plane.
    const auto point_add = [&](float i_X, float i_Y) {
        auto up_point = std::make_unique<N_Sect::C_D_Geom_Point>(i_X, i_Y);
        const std::uint32_t slot = mgr_p.M_Fn_Next_Index();
        if (slot == 0)
            VT_THROW(K_Fn_Cut);
        mgr_p.M_Fn_Proc_Cmd_Sub_Add_At(slot, up_point, ro_sp_Group);
        return slot;
    };

    for (C_Row_Element_2D& element : m_Data.m_Elements) {
        element.M_Fn_Flag_Derived_Refresh();
        if (element.m_u32_Flag & C_Row_Relation::E_Flag_Hidden_Effective)
            continue;

        C_Route_Request request_switch;
        request_switch.m_Id = E_Id_Column_Has_Individual_Thk;
        element.M_Fn_Route_Walk(request_switch, &nodes, false);
        if (request_switch.m_Visitor.M_Fn_Is_Empty())
            VT_THROW(K_Fn_Cut);
        const std::int64_t thk_switch = G_Fn_Switch_Get(request_switch.m_Visitor);

        const std::uint32_t n = element.M_Fn_Node_Num();
        std::array<std::int32_t, 4> node_ids{};
        std::array<C_Vector3<float>, 4> p;
        for (std::uint32_t i = 0; i < n; ++i) {
            node_ids[i] = element.M_Fn_Node_Get(i);
            // A node reference comes from a file: one outside the node vector is refused, not read.
            if (node_ids[i] < 0 || static_cast<std::size_t>(node_ids[i]) >= nodes.size())
                VT_THROW(K_Fn_Cut);
            inv.M_Fn_Transform_Point(nodes[static_cast<std::size_t>(node_ids[i])].M_ro_Vector3_f32(), p[i]);
            if (std::fabs(p[i].z) <= on_plane)
                p[i].z = 0;
        }

        std::array<float, 4> accumulator{};
        cut_points.clear();
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::uint32_t j = (i + 1) % n;
            const std::int32_t a = node_ids[i], b = node_ids[j];
            const auto key = a < b ? std::make_pair(a, b) : std::make_pair(b, a);
            auto it = edges.find(key);
            if (it == edges.end()) {
                const C_Vector3<float>& pa = p[i];
                const C_Vector3<float>& pb = p[j];
                // A node exactly on the plane counts as below it.
                if ((pa.z > 0) == (pb.z > 0))
                    continue;
                const float t = std::fabs(pa.z) / std::fabs(pb.z - pa.z);
                const float w_a = 1.0f - t, w_b = t;
                std::uint32_t slot = 0;
                if (pa.z == 0 || pb.z == 0) {
                    // The crossing is at a node on the plane: that node's one point.
                    const std::int32_t node = pa.z == 0 ? a : b;
                    const C_Vector3<float>& pn = pa.z == 0 ? pa : pb;
                    auto it_node = node_points.find(node);
                    if (it_node == node_points.end())
                        it_node = node_points.emplace(node, point_add(pn.x, pn.y)).first;
                    slot = it_node->second;
                } else {
                    const float x = (pb.z * pa.x - pa.z * pb.x) / (pb.z - pa.z);
                    const float y = (pb.z * pa.y - pa.z * pb.y) / (pb.z - pa.z);
                    slot = point_add(x, y);
                }
                C_Edge_Cut cut;
                cut.m_Point = slot;
                cut.m_Weight_Lo = a < b ? w_a : w_b;
                cut.m_Weight_Hi = a < b ? w_b : w_a;
                it = edges.emplace(key, cut).first;
            }
            const C_Edge_Cut& cut = it->second;
            // Two edges crossing at one node give one point, counted once.
            if (std::find(cut_points.begin(), cut_points.end(), cut.m_Point) != cut_points.end())
                continue;
            cut_points.push_back(cut.m_Point);
            accumulator[i] += a < b ? cut.m_Weight_Lo : cut.m_Weight_Hi;
            accumulator[j] += a < b ? cut.m_Weight_Hi : cut.m_Weight_Lo;
        }
        if (cut_points.size() != 2)
            continue;
        // An edge lying in the plane between two elements folded to the same side is cut once.
        if (!lines.emplace(std::min(cut_points[0], cut_points[1]), std::max(cut_points[0], cut_points[1])).second)
            continue;

        auto sp_line = std::make_shared<N_Sect::C_D_Geom_E_Line>(static_cast<std::int32_t>(cut_points[0]),
                                                                 static_cast<std::int32_t>(cut_points[1]));
        sp_line->m_Key_C_P = element.M_Fn_Key_C_Property();
        sp_line->m_Thk_Individual_Switch = static_cast<std::int32_t>(thk_switch);
        if (thk_switch != 0) {
            std::vector<C_Route_Request> requests(4);
            for (std::uint32_t i = 0; i < 4; ++i)
                requests[i].m_Id = static_cast<E_Id_Column>(E_Id_Column_Thk_E_1 + i);
            element.M_Fn_Select_multiple_List(requests, &nodes, false);
            float thk = 0;
            for (std::uint32_t i = 0; i < n; ++i) {
                if (requests[i].m_Visitor.M_Fn_Is_Empty())
                    VT_THROW(K_Fn_Cut);
                thk += 0.5f * accumulator[i] * G_Fn_Thk_Get(requests[i].m_Visitor);
            }
            sp_line->m_Thk_Individual = thk;
        } else {
            // A three-node element has no fourth thickness: its weight is 0, so that the three
            // written weights, which already sum to 1, give the thickness alone.
            for (std::uint32_t i = 0; i < 4; ++i)
                sp_line->m_Thk_Weights[i] = i < n ? 0.5f * accumulator[i] : 0.0f;
        }
        std::shared_ptr<N_Sect::C_D_Geom_Entity> sp_entity = std::move(sp_line);
        const std::uint32_t slot = mgr_e.M_Fn_Next_Index();
        if (slot == 0)
            VT_THROW(K_Fn_Cut);
        mgr_e.M_Fn_Proc_Cmd_Sub_Add_At(slot, sp_entity, ro_sp_Group);
    }
}

} // namespace N_Biz::N_Model
