#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"

#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_P_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_P_Modify.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_P_Reconnect_C_M.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_P_Reconnect_C_S.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"

#include <list>

namespace N_Biz::N_Proj {

C_Mgr_D_DB_C_P::C_Mgr_D_DB_C_P(C_Proj* i_p_Proj) : C_Mgr_D_DB_Card(i_p_Proj) {}

C_Mgr_D_DB_C_P::~C_Mgr_D_DB_C_P() = default;

void C_Mgr_D_DB_C_P::M_Fn_D_Add_At_Check(std::uint32_t i_Index) const
{
    // The card about to be added would be checked in as the current palette property twice.
    if (m_Palette_Current != 0 && m_Palette_Current == i_Index)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Palette_Check_in");
}

void C_Mgr_D_DB_C_P::M_Fn_Palette_Check_in(const N_DB::C_Row_C_Property& ro_Card)
{
    const std::uint32_t id = static_cast<std::uint32_t>(ro_Card.M_Fn_Pos_Get());
    if (id == m_Palette_Current)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Palette_Check_in");
    if (m_Palette_Current != 0)
        return;
    m_Palette_Current = id;
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_D_DB_C_P_Palette);
}

void C_Mgr_D_DB_C_P::M_Fn_Palette_Set(std::uint32_t i_Id)
{
    if (i_Id == m_Palette_Current)
        return;
    m_Store.at(i_Id); // a free or out-of-range slot throws here, before anything changes
    m_Palette_Current = i_Id;
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_D_DB_C_P_Palette);
}

void C_Mgr_D_DB_C_P::M_Fn_D_Remove_At_Pre(N_DB::C_Row_C_Property& ro_Card)
{
    if (m_Palette_Current == 0 || m_Palette_Current != static_cast<std::uint32_t>(ro_Card.M_Fn_Pos_Get()))
        return;
    m_Palette_Current = 0;
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_D_DB_C_P_Palette);
}

void C_Mgr_D_DB_C_P::M_Fn_D_Modify_Post(N_DB::C_Row_C_Property& ro_Card)
{
    if (m_Palette_Current != 0 && m_Palette_Current == static_cast<std::uint32_t>(ro_Card.M_Fn_Pos_Get()))
        m_p_Proj->M_Fn_Signal_Fire(E_Signal_D_DB_C_P_Palette);
}

N_DB::C_Key_Common& C_Mgr_D_DB_C_P::S_Fn_Key_C_S(N_DB::C_Row_C_Property& ro_Card, const char* i_Function)
{
    N_DB::C_Route_Request request;
    request.m_Id = N_DB::E_Id_Column_Key_foreign_C_Section;
    ro_Card.M_Fn_Route_Walk_Default(request);
    if (request.m_Visitor.M_Fn_Is_Empty() || request.m_Visitor.M_Fn_Is_Virtual() ||
        request.m_Visitor.M_Fn_Type() != N_DB::E_Type_Obj_C_Key_Common)
        VT_THROW(i_Function);
    return request.m_Visitor.M_Fn_Ref<N_DB::C_Key_Common>();
}

void C_Mgr_D_DB_C_P::M_Fn_D_Reconnect_C_S(N_DB::C_Row_C_Property* i_p_Card, N_DB::C_Key_Common& io_Key)
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_D_Reconnect_C_S";
    M_Fn_Check_Stored(i_p_Card, S_Name);
    N_DB::C_Key_Common& ro_key = S_Fn_Key_C_S(*i_p_Card, S_Name);
    ro_key.swap(io_Key);
    m_Sel.M_Fn_Sel_P1_Notify_If_Sole(M_Fn_Sel_Row(m_Store.at(static_cast<std::uint32_t>(i_p_Card->M_Fn_Pos_Get()))));
    M_Fn_Changed();
}

void C_Mgr_D_DB_C_P::M_Fn_D_Reconnect_C_M(N_DB::C_Row_C_Property* i_p_Card, N_DB::C_Key_C_Material& io_Key)
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_D_Reconnect_C_M";
    M_Fn_Check_Stored(i_p_Card, S_Name);
    i_p_Card->M_Fn_Key_C_Material().swap(io_Key);
    m_Sel.M_Fn_Sel_P1_Notify_If_Sole(M_Fn_Sel_Row(m_Store.at(static_cast<std::uint32_t>(i_p_Card->M_Fn_Pos_Get()))));
    M_Fn_Changed();
}

void C_Mgr_D_DB_C_P::M_Fn_Proc_Cmd_Sub_Add_At(const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group,
                                              std::uint32_t i_Index, const T_sp_Card& ro_sp_Card)
{
    if (!ro_sp_Group)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Proc_Cmd_Sub_Add_At");
    ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_DB_C_P_Add_At>(m_p_Proj, i_Index, ro_sp_Card));
}

void C_Mgr_D_DB_C_P::M_Fn_Proc_Cmd_Top_Add(std::uint32_t i_Index, const T_sp_Card& ro_sp_Card)
{
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Create property card", m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        sp_entry->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_DB_C_P_Add_At>(m_p_Proj, i_Index, ro_sp_Card));
    });
}

void C_Mgr_D_DB_C_P::M_Fn_Proc_Cmd_Top_Modify(N_DB::C_Row_C_Property* i_p_Card, const N_DB::C_Row_Any& ro_Data,
                                              const T_Color& ro_Color)
{
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Modify property card", m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        sp_entry->M_Fn_Child_Add_and_Execute(
            std::make_shared<N_Cmd::C_Elem_D_DB_C_P_Modify>(m_p_Proj, i_p_Card, ro_Data, ro_Color));
    });
}

bool C_Mgr_D_DB_C_P::M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_S()
{
    return M_Fn_Reconnect_Selected<N_Cmd::C_Elem_D_DB_C_P_Reconnect_C_S, N_DB::C_Key_Common>(
        m_p_Proj->M_Fn_Get_Mgr_D_DB_C(), C_Dlg::E_Kind_C, L"Reconnect section of property card");
}

bool C_Mgr_D_DB_C_P::M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_M()
{
    return M_Fn_Reconnect_Selected<N_Cmd::C_Elem_D_DB_C_P_Reconnect_C_M, N_DB::C_Key_C_Material>(
        m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M(), C_Dlg::E_Kind_C_M, L"Reconnect material of property card");
}

template <class T_Elem, class T_Key, class T_Mgr>
bool C_Mgr_D_DB_C_P::M_Fn_Reconnect_Selected(const T_Mgr& ro_Mgr, std::uint32_t i_Kind, const wchar_t* i_Name)
{
    if (m_Sel.M_Fn_Sel_P1_Get().empty())
        return false;
    const std::uint32_t picked = C_Dlg::S_Fn_List_Run(*m_p_Proj, i_Kind, C_Dlg::E_Mode_List_Pick);
    if (picked == 0)
        return true;
    const T_Key key(ro_Mgr.M_Fn_Get_At(picked)); // a free slot throws before any entry opens
    const std::list<T_sp_Card> cards = m_Sel.M_Fn_Sel_P1_Get();
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(i_Name, m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        auto sp_group = std::make_shared<::N_Biz::N_Cmd::C_Elem_Group>();
        sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
        for (const T_sp_Card& sp_card : cards)
            sp_group->M_Fn_Child_Add_and_Execute(std::make_shared<T_Elem>(m_p_Proj, sp_card.get(), key));
    });
    return true;
}

bool C_Mgr_D_DB_C_P::M_Fn_Proc_Cmd_Top_Palette_Select()
{
    T_sp_Card sp_card;
    if (!M_Fn_Sel_P1_Sole_Get(sp_card, "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Proc_Cmd_Top_Palette_Select"))
        return false;
    M_Fn_Palette_Set(static_cast<std::uint32_t>(sp_card->M_Fn_Pos_Get()));
    return true;
}

void C_Mgr_D_DB_C_P::M_Fn_Dlg_Palette_List()
{
    M_Fn_Palette_Set(C_Dlg::S_Fn_List_Run(*m_p_Proj, C_Dlg::E_Kind_C_P, C_Dlg::E_Mode_List_Pick));
}

// --- palette-select task ---------------------------------------------------------------------------------

void C_Mgr_D_DB_C_P::M_Fn_Proc_Cmd_Palette_Sel_Start()
{
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_DB_C_P_Palette_Sel>();
}

// --- project file --------------------------------------------------------------------------------

E_Result C_Mgr_D_DB_C_P::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    const E_Result result = C_Mgr_D_DB_Card::M_Fn_Stream_Serialize_o_O(ro_Stream);
    if (result != E_Result_Success)
        return result;
    return N_Common::N_Stream::G_Fn_Serialize_O(ro_Stream, m_Palette_Current);
}

E_Result C_Mgr_D_DB_C_P::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream)
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Stream_Serialize_o_I";
    T_Store read;
    read.add(T_sp_Card());
    E_Result result = M_Fn_Stream_Serialize_Table_I(ro_Stream, read, S_Name);
    if (result != E_Result_Success)
        return result;
    std::uint32_t current = 0;
    result = N_Common::N_Stream::G_Fn_Serialize_I(ro_Stream, current);
    if (result != E_Result_Success)
        return result;

    const auto& table_c = m_p_Proj->M_Fn_Get_Mgr_D_DB_C().M_Fn_Get_Store();
    const auto& table_c_m = m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store();
    // A card that would silently lose its section or material card refuses the file instead.
    const std::uint32_t refused = M_Fn_Stream_Serialize_Table_Add(read, S_Name, [&](N_DB::C_Row_C_Property& ro_Card) {
        bool found = ro_Card.M_Fn_Stream_Serialize_Rebuild_Key_Common(table_c) == E_Result_Success;
        for (N_DB::E_Id_Column id : {N_DB::E_Id_Column_Key_foreign_C_Material, N_DB::E_Id_Column_Key_foreign_C_Material_1,
                                     N_DB::E_Id_Column_Key_foreign_C_Material_2, N_DB::E_Id_Column_Key_foreign_C_Material_3,
                                     N_DB::E_Id_Column_Key_foreign_C_Material_4})
            found = ro_Card.M_Fn_Stream_Serialize_Rebuild_Key_C_Material(id, table_c_m) == E_Result_Success && found;
        return found;
    });
    if (refused != 0) {
        if (C_App* p_app = C_App::S_Fn_Get())
            p_app->M_Fn_Msg(L"Failed to read file. Property card " + std::to_wstring(refused) +
                            L" refers to a card that is not in the file.");
        return E_Result_Stream_Failure;
    }
    // The current palette property as saved, unless it names no card of the file.
    if (current == 0 || (m_Store.is_used_at(current) && m_Store.at(current)))
        M_Fn_Palette_Set(current);
    return E_Result_Success;
}

} // namespace N_Biz::N_Proj
