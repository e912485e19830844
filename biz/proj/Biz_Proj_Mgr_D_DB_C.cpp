#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/db/Biz_DB_Row_Any.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_Modify.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Row_Data.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Proj {

C_Mgr_D_DB_C::C_Mgr_D_DB_C(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj)
{
    if (m_Store.add(T_sp_Card()) != 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C::C_Mgr_D_DB_C");
}

void C_Mgr_D_DB_C::M_Fn_D_Add_At(std::uint32_t i_Index, const T_sp_Card& ro_sp_Card)
{
    if (!ro_sp_Card || ro_sp_Card->M_Fn_Pos_Get() != 0 || i_Index < 1 || m_Store.is_used_at(i_Index))
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C::M_Fn_D_Add_At");
    if (m_Store.add_at(i_Index, ro_sp_Card) != i_Index)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C::M_Fn_D_Add_At");
    ro_sp_Card->M_Fn_Pos_Set(i_Index);
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
}

void C_Mgr_D_DB_C::M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Card& io_sp_Card)
{
    if (i_Index < 1 || io_sp_Card)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C::M_Fn_D_Remove_At");
    const T_sp_Card sp_card = m_Store.at(i_Index);
    if (!sp_card)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C::M_Fn_D_Remove_At");
    sp_card->M_Fn_Pos_Set(0);
    m_Store.erase_at(i_Index);
    io_sp_Card = sp_card;
    m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Invalidate_All(1, 1, 1, 1, 0);
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_D_DB_C::M_Fn_D_Modify(N_DB::C_Row_Common* i_p_Card, N_DB::C_Row_Any& io_Data)
{
    if (!i_p_Card)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C::M_Fn_D_Modify");
    const std::uint32_t id = static_cast<std::uint32_t>(i_p_Card->M_Fn_Pos_Get());
    if (id < 1 || !m_Store.is_used_at(id) || m_Store.at(id).get() != i_p_Card)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C::M_Fn_D_Modify");
    N_Impl::G_Fn_Row_Data_Swap(*i_p_Card, io_Data);
    m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Invalidate_All(1, 1, 1, 1, 0);
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_D_DB_C::M_Fn_D_DB_C_Proc_Cmd_Sub_Add_At(const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group,
                                                   std::uint32_t i_Index, const T_sp_Card& ro_sp_Card)
{
    if (!ro_sp_Group)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C::M_Fn_D_DB_C_Proc_Cmd_Sub_Add_At");
    ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_DB_C_Add_At>(m_p_Proj, i_Index, ro_sp_Card));
}

void C_Mgr_D_DB_C::M_Fn_Proc_Cmd_Top_Add(std::uint32_t i_Index, const T_sp_Card& ro_sp_Card)
{
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Create card", m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        sp_entry->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_DB_C_Add_At>(m_p_Proj, i_Index, ro_sp_Card));
    });
}

void C_Mgr_D_DB_C::M_Fn_Proc_Cmd_Top_Modify(N_DB::C_Row_Common* i_p_Card, const N_DB::C_Row_Any& ro_Data)
{
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Modify card", m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        sp_entry->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_DB_C_Modify>(m_p_Proj, i_p_Card, ro_Data));
    });
}

E_Result C_Mgr_D_DB_C::Fn_Row_Serialize_Type_O(std::ostream& ro_Stream, const N_DB::C_Row_Common& ro_Card)
{
    return ro_Card.M_Fn_Stream_Serialize_Type_O(ro_Stream);
}

E_Result C_Mgr_D_DB_C::Fn_Row_Serialize_o_O(std::ostream& ro_Stream, const N_DB::C_Row_Common& ro_Card)
{
    return ro_Card.M_Fn_Stream_Serialize_o_O(ro_Stream, 0);
}

// --- project file --------------------------------------------------------------------------------

E_Result C_Mgr_D_DB_C::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    return N_Common::N_Stream::G_Fn_Serialize_slotvec_O<T_sp_Card>(ro_Stream, m_Store, [](std::ostream& ro_Out, const T_sp_Card& ro_sp_Card) {
        return N_Common::N_Stream::G_Fn_Serialize_lsp_O<N_DB::C_Row_Common>(ro_Out, ro_sp_Card, &Fn_Row_Serialize_o_O,
                                                                           &Fn_Row_Serialize_Type_O);
    });
}

E_Result C_Mgr_D_DB_C::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream)
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_DB_C::M_Fn_Stream_Serialize_o_I";
    if (m_Store.size() - m_Store.free_count() != 1)
        VT_THROW(S_Name);
    T_Store read;
    read.add(T_sp_Card());
    const E_Result result = N_Common::N_Stream::G_Fn_Serialize_slotvec_I<T_sp_Card>(
        ro_Stream, read, [](std::istream& ro_In, T_sp_Card& o_sp_Card) {
            return N_Common::N_Stream::G_Fn_Serialize_lsp_I<N_DB::C_Row_Common>(
                ro_In, o_sp_Card,
                [](std::istream& ro_In2, N_DB::C_Row_Common& o_Card) { return o_Card.M_Fn_Stream_Serialize_o_I(ro_In2, nullptr); },
                [](std::istream& ro_In2) -> std::unique_ptr<N_DB::C_Row_Common> {
                    std::uint32_t code = 0;
                    if (N_Common::N_Stream::G_Fn_Serialize_I(ro_In2, code) != E_Result_Success)
                        return nullptr;
                    return N_DB::C_Row_Common::S_Fn_Factory_apo_Row_Common(nullptr, static_cast<N_DB::E_Type_Relation>(code));
                });
        });
    if (result != E_Result_Success)
        return result;
    for (std::uint32_t i = 1; i < read.size(); ++i)
        if (read.is_used_at(i) && !read.at(i))
            VT_THROW(S_Name);
    for (std::uint32_t i = 1; i < read.size(); ++i)
        if (read.is_used_at(i))
            M_Fn_D_Add_At(i, read.at(i));
    return E_Result_Success;
}

} // namespace N_Biz::N_Proj
