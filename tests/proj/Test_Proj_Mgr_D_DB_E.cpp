// The element card manager: the selection set built from the current pick over the rows of every
// model, the hide commands, the modify and reconnect commands with their undo, the palette pick,
// and the element handle's lookup.
#include "tests/proj/Test_Proj_Support_Model.h"

#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_E_Modify.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_E_Reconnect_C_P.h"
#include "common/Common_Exception.h"

#include <stdexcept>
#include <tuple>

using N_Biz::N_DB::C_Row_Any;
using N_Biz::N_Proj::C_Handle_D_DB_E;
using N_Biz::N_Proj::E_Signal_Cmd;
using N_Biz::N_Proj::E_Signal_D_DB_C_P_Palette;
using N_Biz::N_Proj::E_Signal_Sel_Data;
using N_Common::N_Exception::C_Exception;
using N_Test_Proj::G_Fn_Bytes;
using N_Test_Proj::T_Handles;

namespace {

class C_Mgr_D_DB_E : public N_Test_Proj::C_Proj_Model_Test {
protected:
    // Models in slot 1 (three elements) and slot 2 (two elements).
    C_Mgr_D_DB_E()
    {
        EXPECT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
        EXPECT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_2), 2u);
        m_Codes.clear();
    }
    N_Biz::N_Proj::C_Mgr_D_DB_E& mgr() { return m_Proj.M_Fn_Get_Mgr_D_DB_E(); }
    static constexpr std::uint32_t P0 = 1, P1 = 2, Hidden = 4;
};

} // namespace

TEST_F(C_Mgr_D_DB_E, SetOperationsTurnThePickIntoTheSelectionSet)
{
    enum E_Op { Yes, Xor, Or };
    struct C_Case {
        const char* m_Name;
        T_Handles m_Before;
        T_Handles m_Picks;
        E_Op m_Op;
        T_Handles m_After;
        C_Handle_D_DB_E m_Handle;
    };
    const std::vector<C_Case> cases = {
        {"replace across two models", {}, {{1, 0}, {1, 2}, {2, 1}}, Yes, {{1, 0}, {1, 2}, {2, 1}}, {2, 1}},
        {"toggle of the same picks empties", {{1, 0}, {1, 2}, {2, 1}}, {{1, 0}, {1, 2}, {2, 1}}, Xor, {}, {0, 0}},
        {"toggle removes one and adds one", {{1, 0}, {1, 1}}, {{1, 1}, {2, 0}}, Xor, {{1, 0}, {2, 0}}, {2, 0}},
        {"add of a selected pick", {{1, 1}}, {{1, 1}}, Or, {{1, 1}}, {1, 1}},
        {"add keeps the later row as handle", {{2, 1}}, {{1, 0}}, Or, {{1, 0}, {2, 1}}, {2, 1}},
        {"replace with nothing picked", {{1, 1}, {2, 0}}, {}, Yes, {}, {0, 0}},
    };
    for (const C_Case& c : cases) {
        SCOPED_TRACE(c.m_Name);
        M_Fn_Select_E(c.m_Before);
        // A hidden row takes part all the same.
        M_Fn_Element(1, 2).m_u32_Flag |= Hidden;
        for (const auto& [slot, index] : c.m_Picks)
            mgr().M_Fn_Sel_P0_Add({slot, index});
        m_Codes.clear();
        switch (c.m_Op) {
        case Yes: mgr().M_Fn_Sel_P1_Yes(); break;
        case Xor: mgr().M_Fn_Sel_P1_Xor(); break;
        case Or: mgr().M_Fn_Sel_P1_Or(); break;
        }
        EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
        EXPECT_EQ(M_Fn_Flagged(P1), c.m_After);
        EXPECT_EQ(mgr().M_Fn_Get_P1_Count(), c.m_After.size());
        EXPECT_EQ(mgr().M_Fn_Get_P1_Handle(), c.m_Handle);
        // The pick stays as it was.
        EXPECT_EQ(M_Fn_Flagged(P0), c.m_Picks);
        EXPECT_EQ(mgr().M_Fn_Get_P0_Count(), c.m_Picks.size());
        EXPECT_TRUE(M_Fn_Element(1, 2).m_u32_Flag & Hidden);
        M_Fn_Element(1, 2).m_u32_Flag &= ~Hidden;
    }
    // Clearing an empty set fires nothing; a set of three is cleared with one signal.
    M_Fn_Select_E({});
    m_Codes.clear();
    mgr().M_Fn_Sel_P1_Clear();
    EXPECT_TRUE(m_Codes.empty());
    M_Fn_Select_E({{1, 0}, {1, 2}, {2, 1}});
    m_Codes.clear();
    mgr().M_Fn_Sel_P1_Clear();
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
    EXPECT_TRUE(M_Fn_Flagged(P1).empty());
    EXPECT_EQ(mgr().M_Fn_Get_P1_Handle(), (C_Handle_D_DB_E{0, 0}));
}

TEST_F(C_Mgr_D_DB_E, HideCommands)
{
    // Rows: (1, 0) selected and visible, (1, 1) selected and hidden, (1, 2) unselected and visible,
    // (2, 0) unselected and hidden; (2, 1) unselected and visible throughout except by Hide_Unsel and
    // Hide_Reverse.
    enum E_Op { Sel, Unsel, Reverse, Cancel_All };
    struct C_Case {
        const char* m_Name;
        E_Op m_Op;
        T_Handles m_Selected;
        T_Handles m_Hidden_After;
        T_Handles m_Selected_After;
        std::vector<int> m_Codes;
    };
    const T_Handles selected = {{1, 0}, {1, 1}};
    const std::vector<C_Case> cases = {
        {"hide selected", Sel, selected, {{1, 0}, {1, 1}, {2, 0}}, {}, {E_Signal_Sel_Data}},
        {"hide unselected", Unsel, selected, {{1, 1}, {1, 2}, {2, 0}, {2, 1}}, {}, {E_Signal_Sel_Data}},
        {"reverse", Reverse, selected, {{1, 0}, {1, 2}, {2, 1}}, {}, {E_Signal_Sel_Data}},
        {"cancel all keeps the selection", Cancel_All, selected, {}, selected, {}},
        {"hide selected with nothing selected", Sel, {}, {{1, 1}, {2, 0}}, {}, {E_Signal_Sel_Data}},
    };
    for (const C_Case& c : cases) {
        SCOPED_TRACE(c.m_Name);
        for (const auto& [slot, index] : T_Handles{{1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}})
            M_Fn_Element(slot, index).m_u32_Flag &= ~Hidden;
        M_Fn_Element(1, 1).m_u32_Flag |= Hidden;
        M_Fn_Element(2, 0).m_u32_Flag |= Hidden;
        M_Fn_Select_E(c.m_Selected);
        mgr().M_Fn_Sel_P0_Add({2, 1}); // the pick is not touched
        const std::size_t history = M_Fn_History_Size();
        m_Codes.clear();
        switch (c.m_Op) {
        case Sel: mgr().M_Fn_Hide_Sel(); break;
        case Unsel: mgr().M_Fn_Hide_Unsel(); break;
        case Reverse: mgr().M_Fn_Hide_Reverse(); break;
        case Cancel_All: mgr().M_Fn_Hide_Cancel_All(); break;
        }
        EXPECT_EQ(M_Fn_Codes_Take(), c.m_Codes);
        EXPECT_EQ(M_Fn_Flagged(Hidden), c.m_Hidden_After);
        EXPECT_EQ(M_Fn_Flagged(P1), c.m_Selected_After);
        EXPECT_EQ(mgr().M_Fn_Get_P1_Count(), c.m_Selected_After.size());
        EXPECT_EQ(M_Fn_Flagged(P0), (T_Handles{{2, 1}}));
        EXPECT_EQ(M_Fn_History_Size(), history); // not undoable
    }
}

TEST_F(C_Mgr_D_DB_E, ReconnectOfTheSelectedElementsIsOneEntryAndOneUndo)
{
    const auto* p_1 = M_Fn_Property_Of(1, 0); // PSHELL 1
    const auto* p_2 = M_Fn_Property_Of(1, 2); // PSHELL 2
    const auto* p_7 = M_Fn_Property_Of(2, 1); // PSHELL 7
    ASSERT_TRUE(p_1 && p_2 && p_7);
    ASSERT_NE(p_1, p_2);
    std::vector<std::uint32_t> list_calls;
    std::uint32_t answer = 0;
    N_Biz::N_Proj::C_Dlg::S_Fn_List = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Kind, std::uint32_t i_Mode) {
        EXPECT_EQ(i_Mode, 1u);
        list_calls.push_back(i_Kind);
        return answer;
    };
    // Nothing selected: no list, false.
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_P());
    EXPECT_TRUE(list_calls.empty());
    // No card picked: done, nothing recorded.
    M_Fn_Select_E({{1, 0}, {1, 2}, {2, 1}});
    const std::size_t history = M_Fn_History_Size();
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_P());
    EXPECT_EQ(list_calls, std::vector<std::uint32_t>{3});
    EXPECT_EQ(M_Fn_History_Size(), history);
    // A free slot is refused before any entry.
    answer = 99;
    EXPECT_THROW(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_P(), C_Exception);
    EXPECT_EQ(M_Fn_History_Size(), history);
    EXPECT_EQ(M_Fn_Property_Of(1, 0), p_1);

    answer = static_cast<std::uint32_t>(p_7->M_Fn_Pos_Get());
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_P());
    ASSERT_EQ(M_Fn_History_Size(), history + 1);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Reconnect property of element card");
    EXPECT_TRUE(m_App.log().find("Msg: Done: Reconnect property of element card\n") != std::string::npos);
    const std::vector<std::tuple<std::uint32_t, std::uint32_t, const void*, const void*>> rows = {
        // slot, index, property after, property after undo
        {1, 0, p_7, p_1}, {1, 1, p_1, p_1}, {1, 2, p_7, p_2}, {2, 0, p_7, p_7}, {2, 1, p_7, p_7}};
    for (const auto& [slot, index, after, before] : rows)
        EXPECT_EQ(M_Fn_Property_Of(slot, index), after) << slot << "," << index;
    EXPECT_EQ(M_Fn_Flagged(P1), (T_Handles{{1, 0}, {1, 2}, {2, 1}})); // the selection stays

    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    for (const auto& [slot, index, after, before] : rows)
        EXPECT_EQ(M_Fn_Property_Of(slot, index), before) << slot << "," << index;
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    for (const auto& [slot, index, after, before] : rows)
        EXPECT_EQ(M_Fn_Property_Of(slot, index), after) << slot << "," << index;
}

TEST_F(C_Mgr_D_DB_E, ModifyIsOneEntryAndItsSignalFollowsTheSelection)
{
    N_Biz::N_DB::C_Row_Element_2D& row = M_Fn_Element(1, 1);
    const std::string before = G_Fn_Bytes(row);
    C_Row_Any edited(row);
    edited.M_Fn_Id_Set(999);
    mgr().M_Fn_Proc_Cmd_Top_Modify(&row, edited);
    EXPECT_EQ(row.M_Fn_Id_Get(), 999);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Modify element card");
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_EQ(G_Fn_Bytes(row), before);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    EXPECT_EQ(row.M_Fn_Id_Get(), 999);

    // A copy of another row kind is refused inside the open entry: the entry is cancelled and the
    // row unchanged.
    const std::size_t history = M_Fn_History_Size();
    const std::string now = G_Fn_Bytes(row);
    EXPECT_THROW(mgr().M_Fn_Proc_Cmd_Top_Modify(&row, C_Row_Any(M_Fn_Node(1, 0))), C_Exception);
    EXPECT_EQ(M_Fn_History_Size(), history);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_State(), N_Biz::N_Cmd::C_Mgr::E_State_Idle);
    EXPECT_EQ(G_Fn_Bytes(row), now);

    struct C_Case {
        T_Handles m_Selected;
        std::pair<std::uint32_t, std::uint32_t> m_Modified;
        bool m_Signal;
    };
    const std::vector<C_Case> cases = {
        {{{1, 0}}, {2, 1}, true},                  // one selected: any modify fires
        {{{1, 0}, {1, 2}, {2, 1}}, {1, 2}, true},  // a selected one
        {{{1, 0}, {1, 2}, {2, 1}}, {2, 0}, false}, // an unselected one
        {{}, {1, 0}, false},
    };
    for (const C_Case& c : cases) {
        M_Fn_Select_E(c.m_Selected);
        N_Biz::N_DB::C_Row_Element_2D& target = M_Fn_Element(c.m_Modified.first, c.m_Modified.second);
        C_Row_Any data(target);
        m_Codes.clear();
        mgr().M_Fn_D_Modify(&target, data);
        EXPECT_EQ(M_Fn_Codes_Take(), c.m_Signal ? std::vector<int>{E_Signal_Sel_Data} : std::vector<int>{});
    }
    // The same exchange twice restores both the row and the copy.
    const std::string row_bytes = G_Fn_Bytes(row);
    C_Row_Any data(M_Fn_Element(1, 0));
    const std::string data_bytes = G_Fn_Bytes(data);
    mgr().M_Fn_D_Modify(&row, data);
    EXPECT_NE(G_Fn_Bytes(row), row_bytes);
    mgr().M_Fn_D_Modify(&row, data);
    EXPECT_EQ(G_Fn_Bytes(row), row_bytes);
    EXPECT_EQ(G_Fn_Bytes(data), data_bytes);
}

TEST_F(C_Mgr_D_DB_E, SingleElementTasks)
{
    std::vector<std::tuple<std::uint32_t, std::uint32_t, N_Biz::N_DB::C_Row_Relation*>> dialogs;
    N_Biz::N_Proj::C_Dlg::S_Fn_Property = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Mode, std::uint32_t i_Kind,
                                              N_Biz::N_DB::C_Row_Relation* i_p_Row) {
        dialogs.emplace_back(i_Mode, i_Kind, i_p_Row);
    };
    N_Biz::N_Proj::C_Mgr_D_DB_C_P& properties = m_Proj.M_Fn_Get_Mgr_D_DB_C_P();
    const std::uint32_t current = properties.M_Fn_Palette_Get();
    const auto slot_7 = static_cast<std::uint32_t>(M_Fn_Property_Of(2, 0)->M_Fn_Pos_Get());
    ASSERT_NE(current, slot_7);
    // Nothing selected.
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Modify_Selected());
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Palette_Select());
    // Two selected: the set is cleared, no dialog, no palette change.
    for (bool (N_Biz::N_Proj::C_Mgr_D_DB_E::*task)() :
         {&N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Proc_Cmd_Top_Modify_Selected,
          &N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Proc_Cmd_Top_Palette_Select}) {
        M_Fn_Select_E({{1, 0}, {2, 0}});
        m_Codes.clear();
        EXPECT_FALSE((mgr().*task)());
        EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
        EXPECT_TRUE(M_Fn_Flagged(P1).empty());
    }
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(properties.M_Fn_Palette_Get(), current);
    // One selected: the dialog edits it; its property card becomes the palette's, once.
    M_Fn_Select_E({{2, 0}});
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Modify_Selected());
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0], std::make_tuple(2u, 5u, static_cast<N_Biz::N_DB::C_Row_Relation*>(&M_Fn_Element(2, 0))));
    m_Codes.clear();
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Palette_Select());
    EXPECT_EQ(properties.M_Fn_Palette_Get(), slot_7);
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_D_DB_C_P_Palette});
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Palette_Select());
    EXPECT_TRUE(m_Codes.empty());
    EXPECT_EQ(M_Fn_Flagged(P1), (T_Handles{{2, 0}}));
}

TEST_F(C_Mgr_D_DB_E, HandleLookupsOutsideTheTableRefuse)
{
    // (model slot, row index) -> the kind of refusal.
    enum E_Refusal { None, Exception, Out_Of_Range };
    const std::vector<std::tuple<std::uint32_t, std::uint32_t, E_Refusal>> cases = {
        {1, 2, None}, {2, 1, None}, {1, 3, Out_Of_Range}, {2, 2, Out_Of_Range},
        {0, 0, Exception}, // slot 0 holds no model
        {3, 0, Exception}, // past the table
    };
    for (const auto& [slot, index, refusal] : cases) {
        SCOPED_TRACE(std::to_string(slot) + "," + std::to_string(index));
        const C_Handle_D_DB_E handle{slot, index};
        switch (refusal) {
        case None: EXPECT_EQ(&handle.M_Fn_Get_ro_Row_Element_2D(m_Proj), &M_Fn_Element(slot, index)); break;
        case Exception: EXPECT_THROW(handle.M_Fn_Get_ro_Row_Element_2D(m_Proj), C_Exception); break;
        case Out_Of_Range: EXPECT_THROW(handle.M_Fn_Get_ro_Row_Element_2D(m_Proj), std::out_of_range); break;
        }
    }
    // A free slot: the model in slot 2 taken out.
    std::shared_ptr<N_Biz::N_Model::C_Model> out;
    m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_D_Remove_At(2, out);
    EXPECT_THROW((C_Handle_D_DB_E{2, 0}.M_Fn_Get_ro_Row_Element_2D(m_Proj)), C_Exception);
    EXPECT_THROW(mgr().M_Fn_Sel_P0_Add({2, 0}), C_Exception);
    EXPECT_EQ(mgr().M_Fn_Get_P0_Count(), 0u);
    m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_D_Add_At(out, 2);
}

TEST_F(C_Mgr_D_DB_E, UndoElementsChangeNothingUntilExecuted)
{
    N_Biz::N_DB::C_Row_Element_2D& row = M_Fn_Element(1, 0);
    C_Row_Any data(row);
    data.M_Fn_Id_Set(77);
    const N_Biz::N_DB::C_Key_C_Property key(m_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_At(
        static_cast<std::uint32_t>(M_Fn_Property_Of(2, 0)->M_Fn_Pos_Get())));
    EXPECT_THROW(N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_E_Modify(&m_Proj, nullptr, data), C_Exception);
    EXPECT_THROW(N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_E_Reconnect_C_P(&m_Proj, nullptr, key), C_Exception);
    const auto* p_before = M_Fn_Property_Of(1, 0);
    N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_E_Modify modify(&m_Proj, &row, data);
    N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_E_Reconnect_C_P reconnect(&m_Proj, &row, key);
    EXPECT_NE(row.M_Fn_Id_Get(), 77);
    EXPECT_EQ(M_Fn_Property_Of(1, 0), p_before);
    // Execute, undo, redo: the new values; the old ones are what the elements hold.
    for (N_Biz::N_Cmd::C_Elem* p_elem : {static_cast<N_Biz::N_Cmd::C_Elem*>(&modify), static_cast<N_Biz::N_Cmd::C_Elem*>(&reconnect)}) {
        p_elem->MV_Fn_Execute();
        p_elem->MV_Fn_Undo();
        p_elem->MV_Fn_Redo();
    }
    EXPECT_EQ(row.M_Fn_Id_Get(), 77);
    EXPECT_EQ(M_Fn_Property_Of(1, 0), M_Fn_Property_Of(2, 0));
    EXPECT_EQ(reconnect.M_Fn_Get_Key().M_Fn_Lock().get(), p_before);
    reconnect.MV_Fn_Undo();
    modify.MV_Fn_Undo();
    EXPECT_EQ(M_Fn_Property_Of(1, 0), p_before);
    EXPECT_EQ(row.M_Fn_Id_Get(), 10);
}
