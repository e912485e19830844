#include "common/Common_Graphic_OpenGL_View.h"

namespace N_Common::N_Graphic::N_OpenGL {

C_View* C_View::S_p_Current = nullptr;

C_View::C_Scope::C_Scope(C_View* i_p_View) : m_p_Previous(S_p_Current)
{
    if (i_p_View && i_p_View != S_p_Current) {
        i_p_View->M_Fn_Make_Current();
        m_Switched = true;
    }
}

C_View::C_Scope::~C_Scope()
{
    if (!m_Switched)
        return;
    if (m_p_Previous)
        m_p_Previous->M_Fn_Make_Current();
    else if (S_p_Current)
        S_p_Current->M_Fn_Release();
}

C_View::~C_View()
{
    if (S_p_Current == this)
        S_p_Current = nullptr;
}

bool C_View::M_Fn_Make_Current()
{
    if (S_p_Current == this)
        return true;
    if (MV_Fn_Make_Current_System()) {
        S_p_Current = this;
        return true;
    }
    S_p_Current = nullptr;
    return false;
}

void C_View::M_Fn_Release()
{
    if (S_p_Current != this)
        return;
    MV_Fn_Release_System();
    S_p_Current = nullptr;
}

void C_View::M_Fn_Draw_Text(const std::wstring& i_Text)
{
    const std::wstring_view visible = G_Fn_Text_Visible(i_Text);
    if (visible.empty())
        return;
    const std::wstring text(visible);
    G_Fn_Draw_Text_Bitmap(
        m_Text_Cache.M_Fn_Get(text, [this](const std::wstring& ro_Text) { return MV_Fn_Text_Render(ro_Text); }));
}

C_View::C_Extent C_View::M_Fn_Get_Text_Extent(const std::wstring& i_Text)
{
    const std::wstring_view visible = G_Fn_Text_Visible(i_Text);
    if (visible.empty())
        return {};
    return MV_Fn_Text_Extent(std::wstring(visible));
}

} // namespace N_Common::N_Graphic::N_OpenGL
