#include "biz/model/Biz_Model_Data.h"

#include "biz/db/Biz_DB_Row_Etc.h"
#include "biz/model/Biz_Model.h"
#include "biz/model/Biz_Model_Proj_Port.h"
#include "common/Common_Exception.h"

#include <memory>

namespace N_Biz::N_Model {

namespace {

using N_Common::N_Stream::G_Fn_Serialize_I;
using N_Common::N_Stream::G_Fn_Serialize_O;
using T_Map = std::map<std::uint32_t, std::uint32_t>;

E_Result G_Fn_Map_O(std::ostream& ro_Stream, const T_Map& i_Map)
{
    return N_Common::N_Stream::G_Fn_Serialize_map_O(ro_Stream, i_Map,
                                                    [](std::ostream& ro_Out, const std::pair<const std::uint32_t, std::uint32_t>& i_Entry) {
                                                        const E_Result result = G_Fn_Serialize_O(ro_Out, i_Entry.first);
                                                        return result == E_Result_Success ? G_Fn_Serialize_O(ro_Out, i_Entry.second) : result;
                                                    });
}

E_Result G_Fn_Map_I(std::istream& ro_Stream, T_Map& ro_Map)
{
    return N_Common::N_Stream::G_Fn_Serialize_map_I(ro_Stream, ro_Map,
                                                    [](std::istream& ro_In, std::pair<std::uint32_t, std::uint32_t>& o_Entry) {
                                                        const E_Result result = G_Fn_Serialize_I(ro_In, o_Entry.first);
                                                        return result == E_Result_Success ? G_Fn_Serialize_I(ro_In, o_Entry.second) : result;
                                                    });
}

E_Result G_Fn_Vector3_O(std::ostream& ro_Stream, const N_Common::N_Math::C_Vector3<float>& i_Point)
{
    E_Result result = G_Fn_Serialize_O(ro_Stream, i_Point.x);
    if (result == E_Result_Success)
        result = G_Fn_Serialize_O(ro_Stream, i_Point.y);
    if (result == E_Result_Success)
        result = G_Fn_Serialize_O(ro_Stream, i_Point.z);
    return result;
}

E_Result G_Fn_Vector3_I(std::istream& ro_Stream, N_Common::N_Math::C_Vector3<float>& o_Point)
{
    float xyz[3] = {};
    for (float& value : xyz)
        if (G_Fn_Serialize_I(ro_Stream, value) != E_Result_Success)
            return E_Result_Stream_Failure;
    o_Point = {xyz[0], xyz[1], xyz[2]};
    return E_Result_Success;
}

} // namespace

E_Result C_Model_Data::M_Fn_Serialize_O(std::ostream& ro_Stream) const
{
    E_Result result = N_Common::N_Stream::G_Fn_Serialize_list_O(
        ro_Stream, m_Rows, [](std::ostream& ro_Out, const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row>& i_Row) {
            return N_Common::N_Stream::G_Fn_Serialize_lsp_O(
                ro_Out, i_Row, [](std::ostream& ro_Out2, const N_DB::C_Row& i_Object) { return i_Object.M_Fn_Stream_Serialize_o_O(ro_Out2, 0); });
        });
    for (const T_Map* map : {&m_Map_C_S, &m_Map_C_M, &m_Map_C_P})
        if (result == E_Result_Success)
            result = G_Fn_Map_O(ro_Stream, *map);
    if (result == E_Result_Success)
        result = N_Common::N_Stream::G_Fn_Serialize_vector_O(
            ro_Stream, m_Nodes, [](std::ostream& ro_Out, const N_DB::C_Row_Node& i_Node) { return i_Node.M_Fn_Stream_Serialize_o_O(ro_Out, 0); });
    if (result == E_Result_Success)
        result = N_Common::N_Stream::G_Fn_Serialize_vector_O(
            ro_Stream, m_Elements,
            [](std::ostream& ro_Out, const N_DB::C_Row_Element_2D& i_Element) { return i_Element.M_Fn_Stream_Serialize_o_O(ro_Out, 0); });
    if (result == E_Result_Success)
        result = G_Fn_Vector3_O(ro_Stream, m_Bound_Min);
    if (result == E_Result_Success)
        result = G_Fn_Vector3_O(ro_Stream, m_Bound_Max);
    return result;
}

E_Result C_Model_Data::M_Fn_Serialize_I(std::istream& ro_Stream)
{
    if (!m_Nodes.empty() || !m_Elements.empty())
        VT_THROW("N_Biz::N_Model::C_Model_Data::M_Fn_Serialize_I");
    E_Result result = N_Common::N_Stream::G_Fn_Serialize_list_I(
        ro_Stream, m_Rows, [](std::istream& ro_In, N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row>& o_Row) {
            return N_Common::N_Stream::G_Fn_Serialize_lsp_I(
                ro_In, o_Row, [](std::istream& ro_In2, N_DB::C_Row& o_Object) { return o_Object.M_Fn_Stream_Serialize_o_I(ro_In2, nullptr); },
                // Only rows without relation are kept in the list.
                [](std::istream&) { return std::unique_ptr<N_DB::C_Row>(new N_DB::C_Row_Etc()); });
        });
    for (T_Map* map : {&m_Map_C_S, &m_Map_C_M, &m_Map_C_P})
        if (result == E_Result_Success)
            result = G_Fn_Map_I(ro_Stream, *map);
    if (result == E_Result_Success)
        result = N_Common::N_Stream::G_Fn_Serialize_vector_I(
            ro_Stream, m_Nodes, [](std::istream& ro_In, N_DB::C_Row_Node& o_Node) { return o_Node.M_Fn_Stream_Serialize_o_I(ro_In, nullptr); });
    if (result == E_Result_Success)
        result = N_Common::N_Stream::G_Fn_Serialize_vector_I(
            ro_Stream, m_Elements,
            [](std::istream& ro_In, N_DB::C_Row_Element_2D& o_Element) { return o_Element.M_Fn_Stream_Serialize_o_I(ro_In, nullptr); });
    if (result != E_Result_Success)
        return result;
    // An element whose node reference lies outside the node vector would be drawn, picked and cut
    // from memory that is no node: the file is refused.
    if (!M_Fn_Check_Node_Refs())
        return N_Common::N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);
    const C_Proj_Port* port = m_p_Owner ? m_p_Owner->M_Fn_Proj_Port() : nullptr;
    if (port)
        for (N_DB::C_Row_Element_2D& element : m_Elements) {
            // The property key is the element's fixed member: found without a walk.
            result = N_DB::C_Row::S_Fn_Stream_Serialize_Rebuild_Key_At(element.M_Fn_Key_C_Property(), port->M_Fn_Table_C_P());
            if (result != E_Result_Success)
                return result;
        }
    result = G_Fn_Vector3_I(ro_Stream, m_Bound_Min);
    if (result == E_Result_Success)
        result = G_Fn_Vector3_I(ro_Stream, m_Bound_Max);
    return result;
}

bool C_Model_Data::M_Fn_Check_Node_Refs() const
{
    const std::size_t count = m_Nodes.size();
    for (const N_DB::C_Row_Element_2D& element : m_Elements) {
        if (element.M_Fn_Is_Empty())
            return false;
        const std::uint32_t num = element.M_Fn_Node_Num();
        // A four-node flag on a three-node card has no fourth node to read.
        if (num == 4 && !(element.M_Fn_Info_Table()->M_Fn_Flags() & N_DB::C_Info_Table::E_Flag_Four_Node))
            return false;
        for (std::uint32_t i = 0; i < num; ++i) {
            const std::int32_t node = element.M_Fn_Node_Get(i);
            if (node < 0 || static_cast<std::size_t>(node) >= count)
                return false;
        }
    }
    return true;
}

} // namespace N_Biz::N_Model
