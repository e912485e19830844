// The section's exchange manager: the section-level operations of IGES export and import and of
// scaling. It holds its section; the operations come with the IGES exchange.
#pragma once

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_D_Sect {
public:
    explicit C_Mgr_D_Sect(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect) {}
    C_Mgr_D_Sect(const C_Mgr_D_Sect&) = delete;
    C_Mgr_D_Sect& operator=(const C_Mgr_D_Sect&) = delete;

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }

private:
    C_Sect* m_p_Sect;
};

} // namespace N_Biz::N_Sect
