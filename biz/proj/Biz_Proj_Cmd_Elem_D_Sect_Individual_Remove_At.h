// Undo element: a section taken out of its slot of a group (the element holds it until undo puts it back).
#pragma once

#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect.h"

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_Sect_Individual_Remove_At
    : public N_Impl::C_Elem_Sect_Individual_Move<C_Elem_D_Sect_Individual_Remove_At, false> {
public:
    using C_Elem_Sect_Individual_Move::C_Elem_Sect_Individual_Move;

    static constexpr const char* S_Name_Ctor =
        "N_Biz::N_Proj::N_Cmd::C_Elem_D_Sect_Individual_Remove_At::C_Elem_D_Sect_Individual_Remove_At";
};

} // namespace N_Biz::N_Proj::N_Cmd
