#include "biz/proj/Biz_Proj_Mgr_D_Model.h"

#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Model_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "common/Common_Exception.h"

#include <exception>
#include <functional>
#include <mutex>

namespace N_Biz::N_Proj {

C_Mgr_D_Model::C_Mgr_D_Model(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj)
{
    if (m_Models.add(T_sp_Model()) != 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Model::C_Mgr_D_Model");
}

C_Mgr_D_Model::~C_Mgr_D_Model() = default;

C_Mgr_D_Model::T_sp_Model C_Mgr_D_Model::M_Fn_Model_New()
{
    N_Model::C_Model::S_Fn_Owner_Set(m_p_Proj, this);
    T_sp_Model model;
    try {
        model = std::make_shared<N_Model::C_Model>();
    } catch (...) {
        N_Model::C_Model::S_Fn_Owner_Set(nullptr, nullptr);
        throw;
    }
    N_Model::C_Model::S_Fn_Owner_Set(nullptr, nullptr);
    return model;
}

void C_Mgr_D_Model::M_Fn_Changed()
{
    m_p_Proj->M_Fn_D_Model_On_Updated_Post();
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_D_Model::M_Fn_D_Add_At(const T_sp_Model& ro_sp_Model, std::uint32_t i_Index)
{
    if (!ro_sp_Model || ro_sp_Model->M_Fn_Id_Get() != 0 || i_Index == 0 || m_Models.is_used_at(i_Index))
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Model::M_Fn_D_Add_At");
    if (m_Models.add_at(i_Index, ro_sp_Model) != i_Index)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Model::M_Fn_D_Add_At");
    ro_sp_Model->M_Fn_Id_Set(i_Index);
    try {
        ro_sp_Model->M_Fn_Rel_Self_On_Add(this, &m_Tree);
    } catch (...) {
        // The model's relations refused it: it leaves the table as it came.
        ro_sp_Model->M_Fn_Id_Set(0);
        m_Models.erase_at(i_Index);
        throw;
    }
    M_Fn_Changed();
}

void C_Mgr_D_Model::M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Model& o_sp_Model)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Model::M_Fn_D_Remove_At");
    const T_sp_Model model = m_Models.at(i_Index);
    if (!model)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Model::M_Fn_D_Remove_At");
    // While the model still sits in its slot, so that the selections can still reach its rows.
    m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_Model_Remove(i_Index);
    m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel_Model_Remove(i_Index);
    model->M_Fn_Rel_Self_On_Remove();
    model->M_Fn_Id_Set(0);
    m_Models.erase_at(i_Index);
    o_sp_Model = model;
    M_Fn_Changed();
}

N_Model::C_Model& C_Mgr_D_Model::M_Fn_Get_Model_At(std::uint32_t i_Index, const char* i_Function) const
{
    const T_sp_Model& sp_model = m_Models.at(i_Index);
    if (!sp_model)
        VT_THROW(i_Function);
    return *sp_model;
}

N_Model::C_Model* C_Mgr_D_Model::M_Fn_Get_Model_Of(const N_DB::C_Row_Element_2D& ro_Row) const
{
    const std::less<const N_DB::C_Row_Element_2D*> before;
    for (std::uint32_t i = 1; i < m_Models.size(); ++i) {
        if (!m_Models.is_used_at(i) || !m_Models.at(i))
            continue;
        const auto& rows = m_Models.at(i)->M_Fn_Data().m_Elements;
        if (!rows.empty() && !before(&ro_Row, rows.data()) && before(&ro_Row, rows.data() + rows.size()))
            return m_Models.at(i).get();
    }
    return nullptr;
}

void C_Mgr_D_Model::M_Fn_Import(E_Format i_Format, const std::wstring& i_Path, const std::wstring& i_Name)
{
    const bool dyna = i_Format == E_Format_Dyna;
    // A running editing task ends before the history changes.
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(dyna ? L"Input Dyna" : L"Input Nastran", m_p_Proj);
    // Begin, the body, End; an exception cancels the open entry (the cards added so far are taken
    // back) and passes on to the worker's report.
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        auto sp_group = std::make_shared<::N_Biz::N_Cmd::C_Elem_Group>();
        sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
        const T_sp_Model sp_model = M_Fn_Model_New();
        if (!sp_model)
            VT_THROW(dyna ? "N_Biz::N_Proj::C_Mgr_D_Model::M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Dyna"
                          : "N_Biz::N_Proj::C_Mgr_D_Model::M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran");
        const std::uint32_t result = dyna ? sp_model->M_Fn_Import_Dyna(i_Path, i_Name, sp_group)
                                          : sp_model->M_Fn_Import_Nastran(i_Path, i_Name, sp_group);
        // A failed import ends the entry with whatever cards it added: an empty group leaves no entry.
        if (result != 1)
            return;
        sp_group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Model_Add_At>(m_p_Proj, m_Models.next_index(), sp_model));
    });
}

void C_Mgr_D_Model::M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Dyna(const std::wstring& i_Path, const std::wstring& i_Name)
{
    M_Fn_Import(E_Format_Dyna, i_Path, i_Name);
}

void C_Mgr_D_Model::M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(const std::wstring& i_Path, const std::wstring& i_Name)
{
    M_Fn_Import(E_Format_Nastran, i_Path, i_Name);
}

void C_Mgr_D_Model::M_Fn_Import_Worker(E_Format i_Format, const std::wstring& i_Path, const std::wstring& i_Name) noexcept
{
    try {
        M_Fn_Import(i_Format, i_Path, i_Name);
    } catch (const N_Common::N_Exception::C_Exception& e) {
        if (C_App* app = C_App::S_Fn_Get())
            app->M_Fn_Report_Exception(e.M_Fn_Function(), e.M_Fn_File(), e.M_Fn_Line(), e.what());
    } catch (...) {
        // Anything else (memory exhausted by a huge deck, a library's own error) ends the import,
        // never the program.
        C_Proj::S_Fn_Report_Exception_Current("N_Biz::N_Proj::C_Mgr_D_Model::M_Fn_Import_Worker", __FILE__, __LINE__);
    }
    if (C_App* app = C_App::S_Fn_Get())
        app->M_Fn_UI_Progress_Get_ro_Status().M_Fn_Stop();
}

std::thread C_Mgr_D_Model::M_Fn_Import_Start(E_Format i_Format, const std::wstring& i_Path, const std::wstring& i_Name)
{
    if (C_App* app = C_App::S_Fn_Get())
        app->M_Fn_UI_Progress_Get_ro_Status().M_Fn_Start();
    return std::thread([this, i_Format, i_Path, i_Name] { M_Fn_Import_Worker(i_Format, i_Path, i_Name); });
}

const C_Mgr_D_Model::T_Table_C& C_Mgr_D_Model::M_Fn_Table_C() const
{
    return m_p_Proj->M_Fn_Get_Mgr_D_DB_C().M_Fn_Get_Store();
}

const C_Mgr_D_Model::T_Table_C_M& C_Mgr_D_Model::M_Fn_Table_C_M() const
{
    return m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store();
}

const C_Mgr_D_Model::T_Table_C_P& C_Mgr_D_Model::M_Fn_Table_C_P() const
{
    return m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store();
}

C_Mgr_D_Model::T_Color C_Mgr_D_Model::M_Fn_Palette_Pick_C_M() const
{
    T_Color color{};
    m_p_Proj->M_Fn_Palette_Pick_C_M(color);
    return color;
}

C_Mgr_D_Model::T_Color C_Mgr_D_Model::M_Fn_Palette_Pick_C_P() const
{
    T_Color color{};
    m_p_Proj->M_Fn_Palette_Pick_C_P(color);
    return color;
}

void C_Mgr_D_Model::M_Fn_C_Add_At(std::uint32_t i_Slot, const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_Common>& ro_sp_Card,
                                  const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group)
{
    m_p_Proj->M_Fn_Get_Mgr_D_DB_C().M_Fn_D_DB_C_Proc_Cmd_Sub_Add_At(ro_sp_Group, i_Slot, ro_sp_Card);
}

void C_Mgr_D_Model::M_Fn_C_M_Add_At(std::uint32_t i_Slot, const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Material>& ro_sp_Card,
                                    const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group)
{
    m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Proc_Cmd_Sub_Add_At(ro_sp_Card, i_Slot, ro_sp_Group);
}

void C_Mgr_D_Model::M_Fn_C_P_Add_At(std::uint32_t i_Slot, const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Property>& ro_sp_Card,
                                    const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group)
{
    m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Proc_Cmd_Sub_Add_At(ro_sp_Group, i_Slot, ro_sp_Card);
}

// --- project file --------------------------------------------------------------------------------

E_Result C_Mgr_D_Model::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    using namespace N_Common::N_Stream;
    return G_Fn_Serialize_slotvec_O<T_sp_Model>(ro_Stream, m_Models, [](std::ostream& ro_Out, const T_sp_Model& ro_sp_Model) {
        return G_Fn_Serialize_sp_O<N_Model::C_Model>(ro_Out, ro_sp_Model, [](std::ostream& ro_Out2, const N_Model::C_Model& ro_Model) {
            E_Result result = G_Fn_Serialize_O(ro_Out2, ro_Model.M_Fn_Id_Get());
            if (result == E_Result_Success)
                result = G_Fn_Serialize_wstring_O(ro_Out2, ro_Model.M_Fn_Path_Get());
            if (result == E_Result_Success)
                result = G_Fn_Serialize_wstring_O(ro_Out2, ro_Model.M_Fn_Name_Get());
            if (result == E_Result_Success)
                result = ro_Model.M_Fn_Data().M_Fn_Serialize_O(ro_Out2);
            return result;
        });
    });
}

E_Result C_Mgr_D_Model::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream)
{
    using namespace N_Common::N_Stream;
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_Model::M_Fn_Stream_Serialize_o_I";
    if (m_Models.size() - m_Models.free_count() != 1)
        VT_THROW(S_Name);
    T_Table read;
    read.add(T_sp_Model());
    // A model read holds the slot it was saved from in its id until it is added.
    const E_Result result = G_Fn_Serialize_slotvec_I<T_sp_Model>(ro_Stream, read, [this](std::istream& ro_In, T_sp_Model& o_sp_Model) {
        bool present = false;
        if (N_Common::N_Stream::N_Impl::G_Fn_Read_Present(ro_In, present) != E_Result_Success)
            return E_Result_Stream_Failure;
        if (!present)
            return E_Result_Success;
        o_sp_Model = M_Fn_Model_New();
        N_Model::C_Model& model = *o_sp_Model;
        std::uint32_t slot = 0;
        std::wstring path, name = model.M_Fn_Name_Get();
        E_Result step = G_Fn_Serialize_I(ro_In, slot);
        if (step == E_Result_Success)
            step = G_Fn_Serialize_wstring_I(ro_In, path);
        if (step == E_Result_Success)
            step = G_Fn_Serialize_wstring_I(ro_In, name);
        if (step == E_Result_Success)
            step = model.M_Fn_Data().M_Fn_Serialize_I(ro_In);
        model.M_Fn_Id_Set(slot);
        model.M_Fn_Path_Set(path);
        model.M_Fn_Name_Set(name);
        return step;
    });
    if (result != E_Result_Success)
        return result;
    for (std::uint32_t i = 1; i < read.size(); ++i)
        if (read.is_used_at(i) && (!read.at(i) || read.at(i)->M_Fn_Id_Get() != i))
            VT_THROW(S_Name);
    for (std::uint32_t i = 1; i < read.size(); ++i) {
        if (!read.is_used_at(i))
            continue;
        read.at(i)->M_Fn_Id_Set(0);
        M_Fn_D_Add_At(read.at(i), i);
    }
    return E_Result_Success;
}

} // namespace N_Biz::N_Proj
