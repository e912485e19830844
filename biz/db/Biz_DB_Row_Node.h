// A node row: its id and X, Y, Z are fixed members of the storage, so a model's node array can be
// handed to OpenGL as a vertex array (M_Fn_Coordinates, stride sizeof(C_Row_Node)).
#pragma once

#include "biz/db/Biz_DB_Row_Relation.h"
#include "common/Common_Math_Vector.h"

namespace N_Biz::N_DB {

class C_Row_Node : public C_Row_Relation {
public:
    // i_ro_Table must be null or of relation type Node; else C_Exception.
    explicit C_Row_Node(const C_Info_Table* i_ro_Table = nullptr);
    C_Row_Node(const C_Row_Node& ro_Other) : C_Row_Relation(ro_Other) {}
    C_Row_Node(C_Row_Node&& ro_Other) noexcept : C_Row_Relation(std::move(ro_Other)) {}
    C_Row_Node& operator=(C_Row_Node ro_Other) noexcept
    {
        M_Fn_Swap_Relation(ro_Other);
        return *this;
    }

    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table) override;

    // The coordinates. C_Exception when the row has no table.
    N_Common::N_Math::C_Vector3<float> M_ro_Vector3_f32() const;
    void M_Fn_Vector3_f32_Set(const N_Common::N_Math::C_Vector3<float>& ro_Point);
    // Address of X (Y and Z follow), for vertex arrays.
    const float* M_Fn_Coordinates() const;
};

} // namespace N_Biz::N_DB
