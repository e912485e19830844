// The element-card manager of the project: selection and hiding over the models' shell-element
// rows. It holds only its project until element picking is built.
#pragma once

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_D_DB_E {
public:
    explicit C_Mgr_D_DB_E(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    C_Mgr_D_DB_E(const C_Mgr_D_DB_E&) = delete;
    C_Mgr_D_DB_E& operator=(const C_Mgr_D_DB_E&) = delete;

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }

private:
    C_Proj* m_p_Proj;
};

} // namespace N_Biz::N_Proj
