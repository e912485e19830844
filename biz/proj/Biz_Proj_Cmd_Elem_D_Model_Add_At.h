// Undo element: a model added at a slot of the project's model manager (undo takes it out again,
// redo puts the same model object back into the same slot).
//
// The constructor shares the caller's pointer and changes nothing; the first execute (redo) puts
// the model into its slot and empties the element's pointer, so that the manager keeps the model;
// undo takes the model out of the slot into the element's pointer, which holds it until a redo or
// until the history drops the element.
#pragma once

#include "biz/cmd/Biz_Cmd_Elem.h"

#include <cstdint>
#include <memory>

namespace N_Biz::N_Model {
class C_Model;
}
namespace N_Biz::N_Proj {
class C_Proj;
}

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_Model_Add_At : public ::N_Biz::N_Cmd::C_Elem {
public:
    // i_Index: the slot (not 0); ro_sp_Model: the model (not empty). C_Exception otherwise.
    C_Elem_D_Model_Add_At(C_Proj* i_p_Proj, std::uint32_t i_Index, const std::shared_ptr<N_Model::C_Model>& ro_sp_Model);
    ~C_Elem_D_Model_Add_At() override;

    // The pointer must hold the model (C_Exception otherwise); the manager's M_Fn_D_Add_At puts it
    // into the slot, then the pointer is emptied.
    void MV_Fn_Redo() override;
    // The pointer must be empty (C_Exception otherwise); the manager's M_Fn_D_Remove_At takes the
    // model out of the slot into it.
    void MV_Fn_Undo() override;

    std::uint32_t M_Fn_Get_Index() const { return m_Index; }
    // The model while the element holds it (after undo), else empty.
    const std::shared_ptr<N_Model::C_Model>& M_Fn_Get_Model() const { return m_sp_Model; }

private:
    C_Proj* m_p_Proj;
    std::uint32_t m_Index;
    std::shared_ptr<N_Model::C_Model> m_sp_Model;
};

} // namespace N_Biz::N_Proj::N_Cmd
