// The model manager: its table and raw operations, the model add element, and the import commands
// as one undoable entry, run directly and on the import worker thread.
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Model_Add_At.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "tests/proj/Test_Proj_Support.h"
#include "tests/support/Tree_Port_Record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

using N_Biz::N_Proj::N_Cmd::C_Elem_D_Model_Add_At;
using N_Common::N_Exception::C_Exception;

namespace {

std::wstring G_Fn_Testdata(const char* i_Name)
{
    return std::filesystem::path(std::string(VT_TESTDATA_DIR) + "/" + i_Name).wstring();
}

} // namespace

class C_Mgr_D_Model : public N_Test_Proj::C_Proj_Test {
protected:
    N_Biz::N_Proj::C_Mgr_D_Model& mgr() { return m_Proj.M_Fn_Get_Mgr_D_Model(); }
    std::size_t M_Fn_Cards_M() const { return m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store().size(); }
    std::size_t M_Fn_Cards_P() const { return m_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store().size(); }
    bool M_Fn_Has_Line(const std::string& i_Line) const { return m_App.log().find(i_Line + "\n") != std::string::npos; }
};

TEST_F(C_Mgr_D_Model, TableStartsWithTheEmptySlotAndRefusesBadAdds)
{
    ASSERT_EQ(mgr().M_Fn_Get_Models().size(), 1u);
    EXPECT_FALSE(mgr().M_Fn_Get_Models().at(0));
    const auto model = mgr().M_Fn_Model_New();
    EXPECT_EQ(model->M_Fn_Proj_Get(), &m_Proj);
    EXPECT_THROW(mgr().M_Fn_D_Add_At(nullptr, 1), C_Exception);
    EXPECT_THROW(mgr().M_Fn_D_Add_At(model, 0), C_Exception);
    mgr().M_Fn_D_Add_At(model, mgr().M_Fn_Get_Models().next_index());
    EXPECT_EQ(model->M_Fn_Id_Get(), 1u);
    EXPECT_TRUE(model->M_Fn_Tree().M_Fn_Is_Connected());
    // A model that has an id is refused before the table changes.
    EXPECT_THROW(mgr().M_Fn_D_Add_At(model, 2), C_Exception);
    EXPECT_EQ(mgr().M_Fn_Get_Models().size(), 2u);
    std::shared_ptr<N_Biz::N_Model::C_Model> out;
    EXPECT_THROW(mgr().M_Fn_D_Remove_At(0, out), C_Exception);
    EXPECT_THROW(mgr().M_Fn_D_Remove_At(5, out), C_Exception);
    mgr().M_Fn_D_Remove_At(1, out);
    EXPECT_EQ(out, model);
    EXPECT_EQ(model->M_Fn_Id_Get(), 0u);
    EXPECT_FALSE(model->M_Fn_Tree().M_Fn_Is_Connected());
    EXPECT_EQ(mgr().M_Fn_Get_Models().next_index(), 1u); // the freed slot is used next
}

TEST_F(C_Mgr_D_Model, ModelAddElementMovesTheModelBetweenElementAndTable)
{
    EXPECT_THROW(C_Elem_D_Model_Add_At(&m_Proj, 0, mgr().M_Fn_Model_New()), C_Exception);
    EXPECT_THROW(C_Elem_D_Model_Add_At(&m_Proj, 1, nullptr), C_Exception);
    const auto model = mgr().M_Fn_Model_New();
    C_Elem_D_Model_Add_At element(&m_Proj, 1, model);
    EXPECT_FALSE(mgr().M_Fn_Get_Models().is_used_at(1)); // constructing changes nothing
    element.MV_Fn_Execute();
    EXPECT_EQ(mgr().M_Fn_Get_Models().at(1), model);
    EXPECT_FALSE(element.M_Fn_Get_Model());
    EXPECT_THROW(element.MV_Fn_Redo(), C_Exception);
    element.MV_Fn_Undo();
    EXPECT_EQ(element.M_Fn_Get_Model(), model);
    EXPECT_FALSE(mgr().M_Fn_Get_Models().is_used_at(1));
    EXPECT_THROW(element.MV_Fn_Undo(), C_Exception);
}

TEST_F(C_Mgr_D_Model, ImportIsOneEntryThatUndoesAndRedoesModelAndCards)
{
    const std::size_t materials = M_Fn_Cards_M(), properties = M_Fn_Cards_P();
    mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Dyna(G_Fn_Testdata("dyna/bracket.k"), L"bracket.k");
    ASSERT_EQ(M_Fn_History_Size(), 1u);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Input Dyna");
    EXPECT_TRUE(M_Fn_Has_Line("Msg: Done: Input Dyna"));
    ASSERT_TRUE(mgr().M_Fn_Get_Models().is_used_at(1));
    const auto model = mgr().M_Fn_Get_Models().at(1);
    EXPECT_EQ(model->M_Fn_Name_Get(), L"bracket.k");
    EXPECT_EQ(model->M_Fn_Data().m_Elements.size(), 1865u);
    // One section, one material, one property: cards of the project, owned by the model.
    EXPECT_EQ(M_Fn_Cards_M(), materials + 1);
    EXPECT_EQ(M_Fn_Cards_P(), properties + 1);
    const std::uint32_t slot_p = model->M_Fn_Data().m_Map_C_P.at(4075);
    const auto property = m_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_At(slot_p);
    EXPECT_EQ(property->M_Fn_Model_Data_Get(), &model->M_Fn_Data());
    EXPECT_TRUE(property->m_Display.m_sp_Tree->M_Fn_Is_Connected());
    EXPECT_EQ(model->M_Fn_Data().m_Elements[0].M_Fn_Key_C_Property().M_Fn_Lock(), property);

    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_FALSE(mgr().M_Fn_Get_Models().is_used_at(1));
    EXPECT_FALSE(model->M_Fn_Tree().M_Fn_Is_Connected());
    EXPECT_FALSE(m_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store().is_used_at(slot_p));
    EXPECT_FALSE(property->m_Display.m_sp_Tree->M_Fn_Is_Connected());
    EXPECT_EQ(property->M_Fn_Model_Data_Get(), nullptr);
    EXPECT_TRUE(m_Proj.M_Fn_Get_Mgr_D_DB_C().M_Fn_Get_Store().next_index() == 1u);

    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    EXPECT_EQ(mgr().M_Fn_Get_Models().at(1), model); // the same model object at the same index
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_At(slot_p), property);
    EXPECT_EQ(property->M_Fn_Model_Data_Get(), &model->M_Fn_Data());
    EXPECT_TRUE(model->M_Fn_Tree().M_Fn_Is_Connected());
}

TEST_F(C_Mgr_D_Model, ImportAfterAnUndoneOneReusesTheFreedIndex)
{
    mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(G_Fn_Testdata("nastran/plate.bdf"), L"plate.bdf");
    mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(G_Fn_Testdata("nastran/plate_py.dat"), L"plate_py.dat");
    ASSERT_TRUE(mgr().M_Fn_Get_Models().is_used_at(2));
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(G_Fn_Testdata("nastran/TestStressTemp.bdf"), L"TestStressTemp.bdf");
    ASSERT_TRUE(mgr().M_Fn_Get_Models().is_used_at(2));
    EXPECT_EQ(mgr().M_Fn_Get_Models().at(2)->M_Fn_Name_Get(), L"TestStressTemp.bdf");
    EXPECT_EQ(mgr().M_Fn_Get_Models().at(1)->M_Fn_Name_Get(), L"plate.bdf");
}

TEST_F(C_Mgr_D_Model, FailedImportBeforeAnyCardLeavesNoEntry)
{
    mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(G_Fn_Testdata("nastran/plate.bdf"), L"plate.bdf");
    ASSERT_EQ(M_Fn_History_Size(), 1u);
    mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(L"/nonexistent/deck.bdf", L"deck.bdf");
    EXPECT_EQ(M_Fn_History_Size(), 1u);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Input Nastran");
    EXPECT_TRUE(M_Fn_Has_Line("Msg: Nastran importing failed."));
    EXPECT_EQ(mgr().M_Fn_Get_Models().size(), 2u);
}

TEST_F(C_Mgr_D_Model, WorkerReportsEveryExceptionAndClearsTheRunningFlag)
{
    m_App.app().m_sp_Schema.reset(); // the reader throws C_Exception without a schema
    std::thread worker = mgr().M_Fn_Import_Start(N_Biz::N_Proj::C_Mgr_D_Model::E_Format_Nastran,
                                                 G_Fn_Testdata("nastran/plate.bdf"), L"plate.bdf");
    worker.join();
    EXPECT_EQ(m_App.app().M_Fn_UI_Progress_Get_ro_Status().M_Fn_Snapshot().m_Running, 0u);
    EXPECT_EQ(M_Fn_History_Size(), 0u); // the open entry was cancelled
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_State(), N_Biz::N_Cmd::C_Mgr::E_State_Idle);
    EXPECT_NE(m_App.log().find("Exception caught at:"), std::string::npos);
    EXPECT_TRUE(M_Fn_Has_Line("Msg: Line: 27, Exception occurred!")); // the first bulk entry needs the schema
    EXPECT_TRUE(M_Fn_Has_Line("Msg: Nastran importing failed."));
    m_App.app().M_Fn_UI_Queue_Run();
}

TEST_F(C_Mgr_D_Model, WorkerNeverTouchesTheWindowEverythingIsQueued)
{
    m_App.port().m_Frame = m_App.port().m_Output = true;
    std::vector<std::thread::id> signal_threads;
    // The project's change signal fires on the worker; a window-bound subscriber posts its update.
    const boost::signals2::scoped_connection connection =
        m_Proj.M_Fn_Get_Signal().connect([&](N_Biz::N_Proj::C_Proj&, N_Biz::N_Proj::E_Signal) {
            m_App.app().M_Fn_UI_Post([&] { signal_threads.push_back(std::this_thread::get_id()); });
        });
    std::thread worker = mgr().M_Fn_Import_Start(N_Biz::N_Proj::C_Mgr_D_Model::E_Format_Nastran,
                                                 G_Fn_Testdata("nastran/plate.bdf"), L"plate.bdf");
    worker.join();
    EXPECT_EQ(m_App.app().M_Fn_UI_Progress_Get_ro_Status().M_Fn_Snapshot().m_Running, 0u);
    EXPECT_TRUE(m_App.port().m_Calls.empty()); // nothing reached the window from the worker
    EXPECT_TRUE(signal_threads.empty());
    EXPECT_TRUE(M_Fn_Has_Line("Msg: Done: Input Nastran")); // logged at once
    EXPECT_GT(m_App.app().M_Fn_UI_Queue_Run(), 10);
    const std::vector<std::wstring> lines = m_App.port().M_Fn_Texts(L"line");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), L"Nastran importing start...");
    EXPECT_EQ(lines.back(), L"Done: Input Nastran");
    ASSERT_FALSE(signal_threads.empty());
    for (const std::thread::id id : signal_threads)
        EXPECT_EQ(id, std::this_thread::get_id());
    ASSERT_TRUE(mgr().M_Fn_Get_Models().is_used_at(1));
    EXPECT_EQ(mgr().M_Fn_Get_Models().at(1)->M_Fn_Data().m_Nodes.size(), 36u);
}

// The window side's way of running an import: the interface thread keeps the project's change
// codes, runs what the worker queues while it works (tree items, messages), and fires the kept
// codes once the worker is done. The tree changes and the codes reach this thread only.
TEST_F(C_Mgr_D_Model, WorkerQueuesTreeItemsAndItsChangeCodesWaitTillItIsDone)
{
    C_Tree_Port_Record tree;
    m_Proj.M_Fn_Tree_Add();
    std::vector<std::thread::id> code_threads;
    bool running_seen = false;
    const boost::signals2::scoped_connection connection =
        m_Proj.M_Fn_Get_Signal().connect([&](N_Biz::N_Proj::C_Proj&, N_Biz::N_Proj::E_Signal) {
            code_threads.push_back(std::this_thread::get_id());
            running_seen |= m_App.app().M_Fn_UI_Progress_Get_ro_Status().M_Fn_Is_Running();
        });
    const std::size_t inserts_before = tree.m_Ops.size();
    m_Proj.M_Fn_Signal_Defer_Begin();
    std::thread worker = mgr().M_Fn_Import_Start(N_Biz::N_Proj::C_Mgr_D_Model::E_Format_Nastran,
                                                 G_Fn_Testdata("nastran/plate.bdf"), L"plate.bdf");
    while (m_App.app().M_Fn_UI_Progress_Get_ro_Status().M_Fn_Is_Running())
        m_App.app().M_Fn_UI_Queue_Run();
    worker.join();
    m_App.app().M_Fn_UI_Queue_Run();
    EXPECT_TRUE(code_threads.empty());
    m_Proj.M_Fn_Signal_Defer_End();
    ASSERT_FALSE(code_threads.empty());
    EXPECT_FALSE(running_seen);
    for (const std::thread::id id : code_threads)
        EXPECT_EQ(id, std::this_thread::get_id());
    for (const std::thread::id id : tree.m_Threads)
        EXPECT_EQ(id, std::this_thread::get_id());

    // Below the folders: one item per new card and the model last, each under its own folder.
    ASSERT_GT(tree.m_Ops.size(), inserts_before);
    const std::uintptr_t materials = tree.m_Ops[1].m_Item, properties = tree.m_Ops[2].m_Item, models = tree.m_Ops[3].m_Item;
    std::size_t m = 0, p = 0;
    for (std::size_t i = inserts_before; i < tree.m_Ops.size(); ++i) {
        const auto& op = tree.m_Ops[i];
        EXPECT_EQ(op.m_Kind, L"insert");
        m += op.m_Text == L"material" && op.m_Parent == materials;
        p += op.m_Text == L"property" && op.m_Parent == properties;
    }
    EXPECT_EQ(m, M_Fn_Cards_M() - 1);
    EXPECT_EQ(p, M_Fn_Cards_P() - 1);
    EXPECT_EQ(tree.m_Ops.back().m_Text, L"model");
    EXPECT_EQ(tree.m_Ops.back().m_Parent, models);
    m_Proj.M_Fn_Tree_Remove();
}
