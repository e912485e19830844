// The configuration block that the meshing reads (tessellation angle, word 30; length over
// thickness, word 31; display switches, words 28 and 29).
//
// The mesh can be built where no application object or configuration exists (tools and tests that
// build sections by themselves); it then uses the configuration's defaults, so a rebuild never
// depends on the start-up having run.
#pragma once

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/config/Biz_Config_Data.h"

namespace N_Biz::N_Sect {

// The application's configuration block, or a block of defaults when there is none.
inline const N_Biz::N_Config::C_Config_Data& G_Fn_Tess_Config_Data()
{
    C_App* p_app = C_App::S_Fn_Get();
    if (p_app && p_app->m_sp_Config)
        return p_app->m_sp_Config->M_Fn_Data();
    static const N_Biz::N_Config::C_Config_Data s_Default(nullptr);
    return s_Default;
}

} // namespace N_Biz::N_Sect
