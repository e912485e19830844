// Undo element: a section added at a slot of a group (undo takes it out again, redo puts the same section back).
#pragma once

#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect.h"

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_Sect_Individual_Add_At
    : public N_Impl::C_Elem_Sect_Individual_Move<C_Elem_D_Sect_Individual_Add_At, true> {
public:
    using C_Elem_Sect_Individual_Move::C_Elem_Sect_Individual_Move;

    static constexpr const char* S_Name_Ctor =
        "N_Biz::N_Proj::N_Cmd::C_Elem_D_Sect_Individual_Add_At::C_Elem_D_Sect_Individual_Add_At";
};

} // namespace N_Biz::N_Proj::N_Cmd
