// The section's generic edit commands: what each does in each select & edit mode, the messages
// for the modes a command does not suit, and the sensitivity list.
#include "tests/sect/Test_Sect_Input_Support.h"

#include "biz/proj/Biz_Proj_Dlg.h"
#include "common/Common_Exception.h"

namespace N_Test_Sect_Geom {
namespace {

using N_Common::N_Exception::C_Exception;

class C_Cmd_Edit : public C_Input_Test {
protected:
    ~C_Cmd_Edit() override
    {
        N_Biz::N_Proj::C_Dlg::S_Fn_List = nullptr;
        N_Biz::N_Proj::C_Dlg::S_Fn_Property = nullptr;
    }
};

TEST_F(C_Cmd_Edit, DispatchByModeWithItsMessages)
{
    using T_Fn = void (C_Sect::*)();
    using T_Mode_Fn = void (C_Sect::*)();
    std::vector<std::string> seen;
    N_Biz::N_Proj::C_Dlg::S_Fn_Property = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Mode, std::uint32_t i_Kind,
                                              N_Biz::N_DB::C_Row_Relation*) {
        seen.push_back("property " + std::to_string(i_Mode) + " " + std::to_string(i_Kind));
    };
    N_Biz::N_Proj::C_Dlg::S_Fn_List = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Kind, std::uint32_t i_Mode) {
        seen.push_back("list " + std::to_string(i_Kind) + " " + std::to_string(i_Mode));
        return 0u;
    };
    const std::wstring head = L"This command is not suitable for current select & edit mode.\nApplicable mode: ";
    const std::vector<std::pair<char, std::wstring>> texts = {
        {'A', head + L"Geometry, Material, Property."}, {'B', head + L"Geometry."}, {'C', head + L"Geometry, Property, Element."}};

    const std::vector<std::pair<T_Mode_Fn, std::uint32_t>> modes = {
        {&C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Material, 1}, {&C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Property, 2},
        {&C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Geometry, 7}, {&C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Element, 12},
        {&C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Sect, 13}};
    // Per command, the outcome in modes 1, 2, 7, 12, 13: a task state entered, a dialog, or a
    // message A, B or C.
    struct C_Row {
        const char* m_Name;
        T_Fn m_Fn;
        std::vector<std::string> m_Outcomes;
    };
    const std::vector<C_Row> rows = {
        {"create", &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Create, {"property 1 2", "property 1 3", "task 16", "msg A", "msg A"}},
        {"delete", &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Delete, {"msg B", "msg B", "task 21", "msg B", "msg B"}},
        {"modify", &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Modify, {"task 10", "task 11", "task 22", "msg A", "msg A"}},
        {"move", &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Move, {"msg B", "msg B", "task 23", "msg B", "msg B"}},
        {"palette", &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_Sel, {"msg C", "task 14", "task 30", "task 31", "msg C"}},
        {"palette list", &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_List,
         {"list 3 1", "list 3 1", "list 3 1", "list 3 1", "list 3 1"}},
    };
    using namespace N_Biz::N_Sect::N_State;
    const std::vector<std::function<void()>> tasks = {[&] { post<C_Event_D_DB_C_M_Modify>(); },
                                                      [&] { post<C_Event_D_DB_C_P_Modify>(); },
                                                      [&] { post<C_Event_D_Geom_Create_Spline>(); },
                                                      [&] { post<C_Event_D_Tess_E_P_Palette_Sel>(); }, nullptr};
    for (const C_Row& r : rows) {
        for (std::size_t m = 0; m < modes.size(); ++m) {
            SCOPED_TRACE(std::string(r.m_Name) + " in mode " + std::to_string(modes[m].second));
            (sect().*modes[m].first)();
            // A task of the mode's family runs (none in mode 13): the command ends it first.
            if (tasks[m])
                tasks[m]();
            seen.clear();
            m_App.port().m_Calls.clear();
            (sect().*r.m_Fn)();
            if (task() != 9)
                seen.push_back("task " + std::to_string(task()));
            for (const std::wstring& box : m_App.port().M_Fn_Texts(L"box"))
                for (const auto& [letter, text] : texts)
                    if (box == text)
                        seen.push_back(std::string("msg ") + letter);
            EXPECT_EQ(seen, std::vector<std::string>{r.m_Outcomes[m]});
            esc();
        }
    }
    // The messages are logged.
    const auto log = msgs();
    EXPECT_NE(std::find(log.begin(), log.end(), "This command is not suitable for current select & edit mode."), log.end());
}

TEST_F(C_Cmd_Edit, APickModeOutsideTheFiveIsAnInternalError)
{
    // Pick mode 3 exists only while a task runs; a command meeting it in the idle task region
    // throws naming itself.
    sel().M_Fn_Reset(false, false, false, false, true, 3, L"Specify points to create.");
    using T_Fn = void (C_Sect::*)();
    for (T_Fn fn : {&C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Create, &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Delete,
                    &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Modify, &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Move,
                    &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_Sel, &C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_List}) {
        try {
            (sect().*fn)();
            ADD_FAILURE();
        } catch (const C_Exception& e) {
            EXPECT_STREQ(C_Exception::S_Fn_File_Name(e.M_Fn_File()), "Biz_Sect.cpp");
            EXPECT_EQ(std::string(e.M_Fn_Function()).rfind("N_Biz::N_Sect::C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_", 0), 0u);
        }
        EXPECT_EQ(task(), 9u);
    }
    EXPECT_TRUE(m_App.port().M_Fn_Texts(L"box").empty());
}

TEST_F(C_Cmd_Edit, SensitivityListIsTheListDialogOfKindFive)
{
    sect().M_Fn_Doc_On_Cmd_Sect_Dlg();
    EXPECT_EQ(m_App.port().M_Fn_Texts(L"list_sect"), std::vector<std::wstring>{L"5"});
}

} // namespace
} // namespace N_Test_Sect_Geom
