// The node-card manager of the project: the selection over the models' node rows. It holds only
// its project until node picking is built.
#pragma once

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_D_DB_N {
public:
    explicit C_Mgr_D_DB_N(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    C_Mgr_D_DB_N(const C_Mgr_D_DB_N&) = delete;
    C_Mgr_D_DB_N& operator=(const C_Mgr_D_DB_N&) = delete;

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }

private:
    C_Proj* m_p_Proj;
};

} // namespace N_Biz::N_Proj
