// Base of the card rows (sections, materials, properties): adds the position word, the row's slot
// index in its card manager's table, which the manager sets when it adds the row. A key to the row
// writes this word as its binary form. It is not part of the row's own binary form.
//
// It also keeps the model whose import brought the card into the project (the owning model's
// data, null for a card of no model), which the model sets and clears as it enters and leaves the
// project; so a card belongs to at most one model. Not streamed; a copy is a card of no model.
#pragma once

#include "biz/db/Biz_DB_Row_Relation.h"

#include <memory>

namespace N_Biz::N_Model {
class C_Model_Data;
}

namespace N_Biz::N_DB {

class C_Row_Common : public C_Row_Relation {
public:
    // A new card row of the class i_Type selects: 2 C_Row_C_Section, 3 C_Row_C_Material, 4
    // C_Row_C_Property; any other value throws.
    static std::unique_ptr<C_Row_Common> S_Fn_Factory_apo_Row_Common(const C_Info_Table* i_ro_Table, E_Type_Relation i_Type);

    std::int32_t M_Fn_Pos_Get() const { return static_cast<std::int32_t>(m_u32_Pos); }
    void M_Fn_Pos_Set(std::uint32_t i_Pos) { m_u32_Pos = i_Pos; }

    N_Model::C_Model_Data* M_Fn_Model_Data_Get() const { return m_p_Model_Data; }
    void M_Fn_Model_Data_Set(N_Model::C_Model_Data* i_p_Model_Data) { m_p_Model_Data = i_p_Model_Data; }

protected:
    explicit C_Row_Common(const C_Info_Table* i_ro_Table) : C_Row_Relation(i_ro_Table) {}
    // A copy is a new card: it has no slot yet.
    C_Row_Common(const C_Row_Common& ro_Other) : C_Row_Relation(ro_Other) {}
    C_Row_Common(C_Row_Common&& ro_Other) noexcept : C_Row_Relation(std::move(ro_Other))
    {
        std::swap(m_u32_Pos, ro_Other.m_u32_Pos);
        std::swap(m_p_Model_Data, ro_Other.m_p_Model_Data);
    }
    void M_Fn_Swap_Common(C_Row_Common& ro_Other) noexcept
    {
        M_Fn_Swap_Relation(ro_Other);
        std::swap(m_u32_Pos, ro_Other.m_u32_Pos);
        std::swap(m_p_Model_Data, ro_Other.m_p_Model_Data);
    }

private:
    std::uint32_t m_u32_Pos = 0;
    N_Model::C_Model_Data* m_p_Model_Data = nullptr;
};

} // namespace N_Biz::N_DB
