#include "biz/proj/Biz_Proj_D_Group_Sect.h"

#include "biz/sect/Biz_Sect.h"
#include "common/Common_Exception.h"

#include <utility>

namespace N_Biz::N_Proj {

C_D_Group_Sect::C_D_Group_Sect()
{
    if (m_Sects.add(T_sp_Sect()) != 0)
        VT_THROW("N_Biz::N_Proj::C_D_Group_Sect::C_D_Group_Sect");
}

C_D_Group_Sect::~C_D_Group_Sect() = default;

void C_D_Group_Sect::M_Fn_Swap(C_D_Group_Sect& ro_Other) noexcept
{
    std::swap(m_Flip, ro_Other.m_Flip);
    std::swap(m_Up, ro_Other.m_Up);
    std::swap(m_Heading, ro_Other.m_Heading);
}

} // namespace N_Biz::N_Proj
