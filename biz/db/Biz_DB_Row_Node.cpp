#include "biz/db/Biz_DB_Row_Node.h"

#include "common/Common_Exception.h"

#include <cstring>

namespace N_Biz::N_DB {

C_Row_Node::C_Row_Node(const C_Info_Table* i_ro_Table) : C_Row_Relation(i_ro_Table)
{
    if (i_ro_Table && i_ro_Table->M_Fn_Type_Relation() != E_Type_Relation_Node)
        VT_THROW("N_Biz::N_DB::C_Row_Node::C_Row_Node");
}

E_Result C_Row_Node::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table)
{
    return M_Fn_Stream_Serialize_Row_I(
        ro_Stream, i_ro_Table, [](E_Type_Relation i_Type) { return i_Type == E_Type_Relation_Node; },
        [this](const C_Info_Table* i_ro_Bound) {
            C_Row_Node fresh(i_ro_Bound);
            M_Fn_Swap_Relation(fresh);
        });
}

N_Common::N_Math::C_Vector3<float> C_Row_Node::M_ro_Vector3_f32() const
{
    if (!M_Fn_Info_Table())
        VT_THROW("N_Biz::N_DB::C_Row_Node::M_ro_Vector3_f32");
    float xyz[3];
    std::memcpy(xyz, M_Fn_Storage() + C_Info_Table::S_Offset_Coordinate, sizeof(xyz));
    return {xyz[0], xyz[1], xyz[2]};
}

void C_Row_Node::M_Fn_Vector3_f32_Set(const N_Common::N_Math::C_Vector3<float>& ro_Point)
{
    if (!M_Fn_Info_Table())
        VT_THROW("N_Biz::N_DB::C_Row_Node::M_Fn_Vector3_f32_Set");
    const float xyz[3] = {ro_Point.x, ro_Point.y, ro_Point.z};
    std::memcpy(M_Fn_Storage() + C_Info_Table::S_Offset_Coordinate, xyz, sizeof(xyz));
}

const float* C_Row_Node::M_Fn_Coordinates() const
{
    return reinterpret_cast<const float*>(M_Fn_Storage() + C_Info_Table::S_Offset_Coordinate);
}

} // namespace N_Biz::N_DB
