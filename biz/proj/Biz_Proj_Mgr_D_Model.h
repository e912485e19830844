// The model manager of the project: the imported finite-element models. It holds its project and
// the tree hook under which the models' items hang, until the model import is built.
#pragma once

#include "app/UI_Tree_Signal.h"

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_D_Model {
public:
    explicit C_Mgr_D_Model(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    C_Mgr_D_Model(const C_Mgr_D_Model&) = delete;
    C_Mgr_D_Model& operator=(const C_Mgr_D_Model&) = delete;

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    N_UI::N_Tree::C_Signal& M_Fn_Get_Tree() { return m_Tree; }

private:
    C_Proj* m_p_Proj;
    N_UI::N_Tree::C_Signal m_Tree;
};

} // namespace N_Biz::N_Proj
