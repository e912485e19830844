// Undo element: a section group taken out of its slot (the element holds it until undo puts it back; the group must
// hold no section).
#pragma once

#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect.h"

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_Sect_Group_Remove_At : public N_Impl::C_Elem_Sect_Group_Move<C_Elem_D_Sect_Group_Remove_At, false> {
public:
    using C_Elem_Sect_Group_Move::C_Elem_Sect_Group_Move;

    static constexpr const char* S_Name_Ctor =
        "N_Biz::N_Proj::N_Cmd::C_Elem_D_Sect_Group_Remove_At::C_Elem_D_Sect_Group_Remove_At";
};

} // namespace N_Biz::N_Proj::N_Cmd
