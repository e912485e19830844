#include "biz/iges/Biz_IGES_Entity_0_Null.h"

namespace N_Biz::N_IGES {

std::unique_ptr<C_Entity> C_Entity_0_Null::Clone_apo_Entity() const { return std::make_unique<C_Entity_0_Null>(*this); }

int C_Entity_0_Null::M_Fn_Import_Param(bool&, std::string_view&, char, char) { return 1; }

int C_Entity_0_Null::M_Fn_Export_Param(std::vector<std::string>&, char, char) const { return 1; }

} // namespace N_Biz::N_IGES
