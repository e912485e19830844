#include "biz/proj/Biz_Proj_Mgr_Doc.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Doc.h"
#include "common/Common_Exception.h"

#include <memory>

namespace N_Biz::N_Proj {

C_Proj* C_Mgr_Doc::S_p_Proj_Creating = nullptr;

int C_Mgr_Doc::M_Fn_Create(const std::wstring& i_Path)
{
    if (m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Create");
    // The document's constructor finds its project here; the record lasts only as long as the
    // creation, so no later document can pick up a project that may be gone.
    struct C_Creating {
        explicit C_Creating(C_Proj* i_p_Proj) { S_p_Proj_Creating = i_p_Proj; }
        ~C_Creating() { S_p_Proj_Creating = nullptr; }
    } creating(m_p_Proj);

    auto* p_doc = new C_Doc();
    int result = 0;
    try {
        result = i_Path.empty() ? p_doc->M_Fn_On_New_Document() : p_doc->M_Fn_On_Open_Document(i_Path);
    } catch (...) {
        delete p_doc;
        throw;
    }
    if (result != 1) {
        // The framework drops a document it could not open.
        delete p_doc;
        return 0;
    }
    if (m_p_Doc != p_doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Create");
    return 1;
}

void C_Mgr_Doc::M_Fn_On_Construct(C_Doc* i_p_Doc)
{
    if (m_p_Doc || !i_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_On_Construct");
    m_p_Doc = i_p_Doc;
}

void C_Mgr_Doc::M_Fn_On_Destruct()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_On_Destruct");
    m_p_Doc = nullptr;
}

void C_Mgr_Doc::M_Fn_On_Set_Title()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_On_Set_Title");
    m_p_Proj->M_Fn_Name_Set(m_p_Doc->M_Fn_Get_Title());
    // The tree item exists once the application has put the project into the tree.
    if (m_p_Proj->M_Fn_Get_Tree().M_Fn_Is_Added())
        m_p_Proj->M_Fn_Get_Tree().M_Fn_On_Rename();
}

int C_Mgr_Doc::M_Fn_Destroy()
{
    if (m_p_Doc)
        m_p_Doc->M_Fn_On_Close_Document();
    if (m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Destroy");
    return 1;
}

void C_Mgr_Doc::M_Fn_Set_Modified()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Set_Modified");
    m_p_Doc->M_Fn_Set_Modified_Flag((m_Flags & E_Flag_Modified) != 0);
}

void C_Mgr_Doc::M_Fn_Mark_Modified()
{
    m_Flags |= E_Flag_Modified;
    if (m_p_Doc)
        m_p_Doc->M_Fn_Set_Modified_Flag(true);
}

int C_Mgr_Doc::M_Fn_Save_Modified()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Save_Modified");
    return m_p_Doc->M_Fn_Save_Modified();
}

int C_Mgr_Doc::M_Fn_Save()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Save");
    return m_p_Doc->M_Fn_Do_File_Save();
}

int C_Mgr_Doc::M_Fn_Save_As()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Save_As");
    return m_p_Doc->M_Fn_Do_Save(std::wstring());
}

} // namespace N_Biz::N_Proj
