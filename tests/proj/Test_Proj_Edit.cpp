// The project's Edit commands by select & edit mode, their refusal messages, and the six mode
// switches.
#include "tests/proj/Test_Proj_Support_State.h"

#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "common/Common_Exception.h"

#include <string>
#include <vector>

namespace N_Test_Proj {
namespace {

using N_Biz::N_Proj::C_Dlg;
using N_Biz::N_Proj::C_Proj;
using N_Common::N_Exception::C_Exception;

const std::wstring K_Head = L"This command is not suitable for current select & edit mode.";
const std::wstring K_A = K_Head + L"\nApplicable mode: Material, Property, Section.";
const std::wstring K_B = K_Head + L"\nApplicable mode: Section.";
const std::wstring K_C = K_Head + L"\nApplicable mode: Material, Property, Node, Element, Section.";
const std::wstring K_D = K_Head;
const std::wstring K_E = K_Head + L"\nApplicable mode: Property, Element.";
const std::wstring K_F = K_Head + L"\nApplicable mode: Material, Property, Element.";

using T_Cmd = void (C_Proj::*)();

class C_Edit_Test : public C_Proj_State_Test {
protected:
    C_Edit_Test()
    {
        C_Dlg::S_Fn_List = [this](C_Proj&, std::uint32_t i_Kind, std::uint32_t i_Mode) {
            m_Dialogs.push_back(L"list " + std::to_wstring(i_Kind) + L" " + std::to_wstring(i_Mode));
            return 0u;
        };
        C_Dlg::S_Fn_Property = [this](C_Proj&, std::uint32_t i_Mode, std::uint32_t i_Kind, N_Biz::N_DB::C_Row_Relation*) {
            m_Dialogs.push_back(L"property " + std::to_wstring(i_Mode) + L" " + std::to_wstring(i_Kind));
        };
    }
    // The messages shown since the last call (the history's "Done: " lines left out).
    std::vector<std::wstring> M_Fn_Boxes_Take()
    {
        std::vector<std::wstring> texts;
        for (const auto& call : m_App.port().m_Calls) {
            if (call.m_Kind != L"box" || call.m_Text.starts_with(L"Done: "))
                continue;
            texts.push_back(call.m_Text);
            EXPECT_EQ(call.m_Caption, L"Message");
        }
        m_App.port().m_Calls.clear();
        return texts;
    }
    // The project as a plain reference: applied directly to the fixture's reference member, a
    // pointer to member makes the sanitizer build report a wrong object.
    C_Proj& proj() { return m_Proj; }
    std::vector<std::wstring> m_Dialogs;
};

// A new project is in the model mode: every command but the palette list is refused with its
// message, which is also logged.
TEST_F(C_Edit_Test, ANewProjectRefusesWithTheMessages)
{
    ASSERT_EQ(sel().M_Fn_Get_Mode(), 7u);
    ASSERT_EQ(sel().M_Fn_Get_Prompt(), L"Import model.");
    const std::vector<std::pair<T_Cmd, std::wstring>> cases = {
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Create, K_A},      {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Delete, K_B},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Modify, K_C},      {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Move, K_D},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_Sel, K_E}, {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Sel, K_F},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Unsel, K_F},  {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Reverse, K_F},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Cancel_All, K_F},
    };
    for (const auto& c : cases) {
        (proj().*c.first)();
        EXPECT_EQ(M_Fn_Boxes_Take(), std::vector<std::wstring>{c.second});
        EXPECT_EQ(task(), 9u);
        EXPECT_EQ(sel().M_Fn_Get_Mode(), 7u);
    }
    EXPECT_TRUE(m_Dialogs.empty());
    EXPECT_NE(m_App.log().find("Msg: This command is not suitable for current select & edit mode.\nApplicable mode: "
                               "Material, Property, Section."),
              std::string::npos);
    // The palette list opens in every mode, picking a property card.
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_List();
    EXPECT_EQ(m_Dialogs, std::vector<std::wstring>{L"list 3 1"});
    EXPECT_TRUE(M_Fn_Boxes_Take().empty());
}

// What each command does in each select & edit mode: the task it starts (9: none), the dialog it
// opens, or its refusal.
TEST_F(C_Edit_Test, CommandsByMode)
{
    struct C_Case {
        T_Cmd m_Switch;
        T_Cmd m_Cmd;
        std::uint32_t m_Task;
        std::wstring m_Dialog;
        std::wstring m_Box;
    };
    const T_Cmd C_M = &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M, C_P = &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_P,
                N = &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_N, E = &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_E,
                S = &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S;
    const T_Cmd create = &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Create, del = &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Delete,
                modify = &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Modify, move = &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Move,
                palette = &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_Sel;
    const std::vector<C_Case> cases = {
        {C_M, create, 9, L"property 1 2", L""}, {C_P, create, 9, L"property 1 3", L""}, {N, create, 9, L"", K_A},
        {E, create, 9, L"", K_A},               {S, create, 20, L"", L""},

        {C_M, del, 9, L"", K_B},                {C_P, del, 9, L"", K_B},                {N, del, 9, L"", K_B},
        {E, del, 9, L"", K_B},                  {S, del, 27, L"", L""},

        {C_M, modify, 10, L"", L""},            {C_P, modify, 11, L"", L""},            {N, modify, 16, L"", L""},
        {E, modify, 17, L"", L""},              {S, modify, 9, L"", L""},

        {C_M, move, 9, L"", K_D},               {C_P, move, 9, L"", K_D},               {N, move, 9, L"", K_D},
        {E, move, 9, L"", K_D},                 {S, move, 25, L"", L""},

        {C_M, palette, 9, L"", K_E},            {C_P, palette, 14, L"", L""},           {N, palette, 9, L"", K_E},
        {E, palette, 19, L"", L""},             {S, palette, 9, L"", K_E},
    };
    int i = 0;
    for (const C_Case& c : cases) {
        SCOPED_TRACE(++i);
        (proj().*c.m_Switch)();
        m_Dialogs.clear();
        M_Fn_Boxes_Take();
        (proj().*c.m_Cmd)();
        EXPECT_EQ(task(), c.m_Task);
        EXPECT_EQ(m_Dialogs, c.m_Dialog.empty() ? std::vector<std::wstring>{} : std::vector<std::wstring>{c.m_Dialog});
        EXPECT_EQ(M_Fn_Boxes_Take(), c.m_Box.empty() ? std::vector<std::wstring>{} : std::vector<std::wstring>{c.m_Box});
        esc();
    }
}

// The hide commands act on the cards and elements of their mode and refuse nodes and sections.
TEST_F(C_Edit_Test, HideCommandsByMode)
{
    const T_sp_Material m = M_Fn_Material_Add(L"M");
    const T_sp_Property p = M_Fn_Property_Add(L"P");
    const std::uint32_t model = M_Fn_Import(G_Deck_2);
    auto hidden = [](const auto& sp) { return (sp->m_Display.m_u32_State & 4u) != 0; };

    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M();
    S_Fn_Select_Card(materials(), m);
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Sel();
    EXPECT_TRUE(hidden(m));
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Cancel_All();
    EXPECT_FALSE(hidden(m));

    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_P();
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Unsel();
    EXPECT_TRUE(hidden(p));
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Reverse();
    EXPECT_FALSE(hidden(p));

    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_E();
    M_Fn_Select_E({{model, 1}});
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Sel();
    EXPECT_TRUE(M_Fn_Element(model, 1).m_u32_Flag & 4u);
    EXPECT_FALSE(M_Fn_Element(model, 0).m_u32_Flag & 4u);

    for (T_Cmd mode : {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_N, &C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S}) {
        (proj().*mode)();
        M_Fn_Boxes_Take();
        m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Cancel_All();
        EXPECT_EQ(M_Fn_Boxes_Take(), std::vector<std::wstring>{K_F});
        EXPECT_TRUE(M_Fn_Element(model, 1).m_u32_Flag & 4u);
    }
}

// The six switches: each ends the running task, and its own mode and prompt are the ones left.
TEST_F(C_Edit_Test, ModeSwitchesEndTheTaskAndSetTheirOwnMode)
{
    struct C_Case {
        T_Cmd m_Switch;
        std::uint32_t m_Mode, m_Flags;
        const wchar_t* m_Prompt;
    };
    const std::vector<C_Case> cases = {
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M, 1, 7, L"Select & edit materials."},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_P, 2, 7, L"Select & edit properties."},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_N, 5, 0, L"Select & edit nodes."},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_E, 6, 7, L"Select & edit elements."},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_M, 7, 0, L"Import model."},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S, 8, 7, L"Select & edit sections."},
    };
    std::vector<std::wstring> prompts;
    m_Proj.M_Fn_Get_Signal().connect([&](C_Proj& ro_Proj, N_Biz::N_Proj::E_Signal i_Code) {
        if (i_Code == N_Biz::N_Proj::E_Signal_Sel_Mode)
            prompts.push_back(ro_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Get_Prompt());
    });
    for (const C_Case& c : cases) {
        SCOPED_TRACE(c.m_Mode);
        m_Proj.M_Fn_Event_Post_D_Sect_Group_Create();
        ASSERT_EQ(task(), 20u);
        sel().M_Fn_Sel_P1_Set_Scrn({1, 2, 3});
        prompts.clear();
        m_Codes.clear();
        (proj().*c.m_Switch)();
        EXPECT_EQ(task(), 9u);
        EXPECT_EQ(count(9), 1);
        EXPECT_EQ(sel().M_Fn_Get_Mode(), c.m_Mode);
        EXPECT_EQ(sel().M_Fn_Get_Flags(), c.m_Flags);
        EXPECT_EQ(sel().M_Fn_Get_Prompt(), c.m_Prompt);
        // The task's own mode first, then the switch's.
        EXPECT_EQ(prompts, (std::vector<std::wstring>{L"Select & edit sections.", c.m_Prompt}));
        // The positions picked for the task are gone.
        EXPECT_TRUE(m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Get().empty());
    }
}

// A mode that only a task sets is no select & edit mode: every command throws in its own name.
TEST_F(C_Edit_Test, CommandsThrowInAModeThatNoSwitchSets)
{
    const std::vector<std::pair<T_Cmd, const char*>> cases = {
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Create, "Create"},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Delete, "Delete"},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Modify, "Modify"},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Move, "Move"},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_Sel, "Palette_Sel"},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_List, "Palette_List"},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Sel, "Hide_Sel"},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Unsel, "Hide_Unsel"},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Reverse, "Hide_Reverse"},
        {&C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Cancel_All, "Hide_Cancel_All"},
    };
    for (std::uint32_t mode : {0u, 3u, 4u}) {
        for (const auto& c : cases) {
            sel().M_Fn_Sel_Mode_Set(false, false, true, false, false, false, mode, L"");
            try {
                (proj().*c.first)();
                ADD_FAILURE() << c.second << " in mode " << mode;
            } catch (const C_Exception& e) {
                EXPECT_EQ(std::string(e.M_Fn_Function()),
                          std::string("N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_") + c.second);
            }
        }
    }
    EXPECT_TRUE(M_Fn_Boxes_Take().empty());
    EXPECT_TRUE(m_Dialogs.empty());
}

} // namespace
} // namespace N_Test_Proj
