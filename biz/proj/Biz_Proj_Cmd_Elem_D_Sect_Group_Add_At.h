// Undo element: a section group added at a slot of the group table (undo takes it out again, redo puts the same group
// back).
#pragma once

#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect.h"

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_Sect_Group_Add_At : public N_Impl::C_Elem_Sect_Group_Move<C_Elem_D_Sect_Group_Add_At, true> {
public:
    using C_Elem_Sect_Group_Move::C_Elem_Sect_Group_Move;

    static constexpr const char* S_Name_Ctor =
        "N_Biz::N_Proj::N_Cmd::C_Elem_D_Sect_Group_Add_At::C_Elem_D_Sect_Group_Add_At";
};

} // namespace N_Biz::N_Proj::N_Cmd
