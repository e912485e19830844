#include "biz/sect/Biz_Sect_Mgr_Doc.h"

#include "app/App.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Doc.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

C_Sect* C_Mgr_Doc::S_p_Sect_Creating = nullptr;

void C_Mgr_Doc::M_Fn_Create()
{
    if (m_p_Doc)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Doc::M_Fn_Create");
    {
        // The document's constructor finds its section here; the record lasts only as long as the
        // request, so no later document can pick up a section that may be gone.
        struct C_Creating {
            explicit C_Creating(C_Sect* i_p_Sect) { S_p_Sect_Creating = i_p_Sect; }
            ~C_Creating() { S_p_Sect_Creating = nullptr; }
        } creating(m_p_Sect);
        if (C_App* p_app = C_App::S_Fn_Get())
            p_app->M_Fn_Port().M_Fn_Doc_Sect_Create();
    }
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Doc::M_Fn_Create");
    m_p_Doc->M_Fn_Set_Title(L"Untitled");
    if (m_p_Doc->M_Fn_On_New_Document() != 1)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Doc::M_Fn_Create");
}

void C_Mgr_Doc::M_Fn_On_Construct(C_Doc* i_p_Doc)
{
    if (m_p_Doc || !i_p_Doc)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Doc::M_Fn_On_Construct");
    m_p_Doc = i_p_Doc;
}

void C_Mgr_Doc::M_Fn_On_Destruct()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Doc::M_Fn_On_Destruct");
    m_p_Doc = nullptr;
}

void C_Mgr_Doc::M_Fn_On_Set_Title()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Doc::M_Fn_On_Set_Title");
    m_p_Sect->M_Fn_Title_Set(m_p_Doc->M_Fn_Get_Title());
}

void C_Mgr_Doc::M_Fn_Destroy()
{
    if (!m_p_Doc)
        return;
    m_p_Doc->M_Fn_On_Close_Document();
    if (m_p_Doc)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Doc::M_Fn_Destroy");
}

void C_Mgr_Doc::M_Fn_Title_Set(const std::wstring& i_Title)
{
    if (m_p_Doc)
        m_p_Doc->M_Fn_Set_Title(i_Title);
    else
        m_p_Sect->M_Fn_Title_Set(i_Title);
}

} // namespace N_Biz::N_Sect
