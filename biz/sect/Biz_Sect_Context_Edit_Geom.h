// The working context of a geometry edit that moves points (the move command and "Modify section
// point"): one record per slot of the point table and of the entity table, the lists of the move
// propagation, and a refusal flag. Made on the stack by the command; never stored.
//
// Point states: 1 stays, 2 to move (its displacement and target are set; an entity's move check
// may add points in this state and append them to m_List_P_Process), 3 moved (processed).
// Entity states: 1 open for a check, 2 queued, 3 accepted for now (checked again when another of
// its points moves), 4 settled.
#pragma once

#include <cstdint>
#include <list>
#include <vector>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Context_Edit_Geom {
public:
    enum : std::int32_t { E_State_P_Stay = 1, E_State_P_Move = 2, E_State_P_Moved = 3 };
    enum : std::int32_t { E_State_E_Open = 1, E_State_E_Queued = 2, E_State_E_Reopen = 3, E_State_E_Settled = 4 };

    struct C_Point {
        std::int32_t m_State = E_State_P_Stay;
        float m_Dx = 0;
        float m_Dy = 0;
        // Target position.
        float m_X = 0;
        float m_Y = 0;
    };
    struct C_Entity {
        std::int32_t m_State = E_State_E_Open;
        std::int32_t m_Flag = 0;
    };

    // One record per slot of the section's point and entity tables (slot 0 included).
    explicit C_Context_Edit_Geom(C_Sect& ro_Sect);
    C_Context_Edit_Geom(const C_Context_Edit_Geom&) = delete;
    C_Context_Edit_Geom& operator=(const C_Context_Edit_Geom&) = delete;
    ~C_Context_Edit_Geom();

    // Marks point i_Id to move by (i_Dx, i_Dy) to (i_X, i_Y) and appends it to the points to
    // process (the seeding of a move). A point id outside the records throws C_Exception.
    void M_Fn_Point_Move_Add(std::uint32_t i_Id, float i_Dx, float i_Dy, float i_X, float i_Y);

    C_Sect* m_p_Sect;
    std::vector<C_Point> m_Points;
    std::vector<C_Entity> m_Entities;
    // Points still to process, in order.
    std::list<std::uint32_t> m_List_P_Process;
    // Entities queued for their move check.
    std::list<std::uint32_t> m_List_E_Check;
    // Processed points, whose targets are written at the end.
    std::list<std::uint32_t> m_List_P_Write;
    // Entities touched by the move.
    std::list<std::uint32_t> m_List_E_Touched;
    // Non-zero once an entity refused the move.
    std::int32_t m_Refused = 0;
};

} // namespace N_Biz::N_Sect
