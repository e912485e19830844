#include "biz/sect/Biz_Sect_D_Tess.h"

#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

C_D_Tess::~C_D_Tess() = default;

std::unique_ptr<C_D_Tess> C_D_Tess::Clone_apo_D_Tess() const
{
    VT_THROW("N_Biz::N_Sect::C_D_Tess::Clone_apo_D_Tess");
}

} // namespace N_Biz::N_Sect
