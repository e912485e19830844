#include "biz/sect/Biz_Sect_Mgr_Doc.h"

#include "biz/sect/Biz_Sect.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

void C_Mgr_Doc::M_Fn_Create()
{
    if (m_p_Doc)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Doc::M_Fn_Create");
}

void C_Mgr_Doc::M_Fn_Title_Set(const std::wstring& i_Title)
{
    m_p_Sect->M_Fn_Title_Set(i_Title);
}

} // namespace N_Biz::N_Sect
