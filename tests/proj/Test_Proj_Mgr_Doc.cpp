#include "tests/proj/Test_Proj_Support.h"

#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "common/Common_Exception.h"

using N_Biz::N_Proj::C_Doc;
using N_Common::N_Exception::C_Exception;

namespace {

class C_Mgr_Doc : public N_Test_Proj::C_Proj_Test {
protected:
    N_Biz::N_Proj::C_Mgr_Doc& link() { return m_Proj.M_Fn_Get_Mgr_Doc(); }
    std::vector<std::wstring> M_Fn_Calls(const wchar_t* i_Kind) { return m_App.port().M_Fn_Texts(i_Kind); }
    // A writer that records the paths it was asked to write.
    void M_Fn_Writer_Install(int i_Result)
    {
        C_Doc::S_Fn_Write = [this, i_Result](N_Biz::N_Proj::C_Proj& ro_Proj, const std::wstring& i_Path) {
            EXPECT_EQ(&ro_Proj, &m_Proj);
            m_Written.push_back(i_Path);
            return i_Result;
        };
    }
    std::vector<std::wstring> m_Written;
};

} // namespace

TEST_F(C_Mgr_Doc, CreateAttachesANewDocument)
{
    EXPECT_EQ(link().M_Fn_Destroy(), 1); // nothing attached: nothing to do
    ASSERT_EQ(link().M_Fn_Create(L""), 1);
    C_Doc* p_doc = link().M_Fn_Get_Doc();
    ASSERT_NE(p_doc, nullptr);
    EXPECT_EQ(p_doc->M_Fn_Get_Proj(), &m_Proj);
    EXPECT_FALSE(p_doc->M_Fn_Is_Modified());
    EXPECT_EQ(m_Proj.M_Fn_Name_Get(), p_doc->M_Fn_Get_Title());
    EXPECT_EQ(N_Biz::N_Proj::C_Mgr_Doc::S_Fn_Proj_Creating_Get(), nullptr);
    // Misuse while attached.
    EXPECT_THROW(link().M_Fn_Create(L""), C_Exception);
    EXPECT_THROW(link().M_Fn_On_Construct(p_doc), C_Exception);
    EXPECT_THROW(link().M_Fn_On_Construct(nullptr), C_Exception);
    EXPECT_EQ(link().M_Fn_Destroy(), 1);
    EXPECT_EQ(link().M_Fn_Get_Doc(), nullptr);
    // Detached: the operations that need a document refuse.
    EXPECT_THROW(link().M_Fn_On_Destruct(), C_Exception);
    EXPECT_THROW(link().M_Fn_On_Set_Title(), C_Exception);
    EXPECT_THROW(link().M_Fn_Set_Modified(), C_Exception);
    EXPECT_THROW(link().M_Fn_Save_Modified(), C_Exception);
    EXPECT_THROW(link().M_Fn_Save(), C_Exception);
    EXPECT_THROW(link().M_Fn_Save_As(), C_Exception);
    // Without a project being created, no document can be made.
    EXPECT_THROW(C_Doc(), C_Exception);
}

TEST_F(C_Mgr_Doc, NewDocumentsCountTheirTitles)
{
    ASSERT_EQ(link().M_Fn_Create(L""), 1);
    const std::wstring first = m_Proj.M_Fn_Name_Get();
    link().M_Fn_Destroy();
    ASSERT_EQ(link().M_Fn_Create(L""), 1);
    const std::wstring second = m_Proj.M_Fn_Name_Get();
    ASSERT_EQ(first.rfind(L"Project ", 0), 0u);
    EXPECT_EQ(std::stoi(second.substr(8)), std::stoi(first.substr(8)) + 1);
    EXPECT_EQ(M_Fn_Calls(L"doc_title"), (std::vector<std::wstring>{first, second}));
}

TEST_F(C_Mgr_Doc, FailedOpenLeavesNoDocument)
{
    EXPECT_EQ(link().M_Fn_Create(L"/no/reader/yet.qmxb"), 0);
    EXPECT_EQ(link().M_Fn_Get_Doc(), nullptr);
    C_Doc::S_Fn_Read = [](N_Biz::N_Proj::C_Proj&, const std::wstring&) { return 0; };
    EXPECT_EQ(link().M_Fn_Create(L"/tmp/bad.qmxb"), 0);
    EXPECT_EQ(link().M_Fn_Get_Doc(), nullptr);
    C_Doc::S_Fn_Read = [](N_Biz::N_Proj::C_Proj&, const std::wstring&) { return 1; };
    ASSERT_EQ(link().M_Fn_Create(L"/tmp/dir/Good.qmxb"), 1);
    EXPECT_EQ(m_Proj.M_Fn_Name_Get(), L"Good.qmxb");
    EXPECT_EQ(link().M_Fn_Get_Doc()->M_Fn_Get_Path(), L"/tmp/dir/Good.qmxb");
    EXPECT_FALSE(link().M_Fn_Get_Doc()->M_Fn_Is_Modified());
    const auto lines = m_App.log_lines();
    EXPECT_EQ(lines.back(), "Msg: Opened project: /tmp/dir/Good.qmxb");
}

TEST_F(C_Mgr_Doc, ChangesMarkTheDocumentModified)
{
    ASSERT_EQ(link().M_Fn_Create(L""), 1);
    m_App.port().m_Calls.clear();
    // A material card added: the link's bit and the document's flag, shown through the port.
    m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_D_Add_At(1, M_Fn_Material(L"A"));
    EXPECT_EQ(link().M_Fn_Get_Flags() & 1u, 1u);
    EXPECT_TRUE(link().M_Fn_Get_Doc()->M_Fn_Is_Modified());
    EXPECT_EQ(M_Fn_Calls(L"doc_modified"), std::vector<std::wstring>{L"1"});
    // Saving clears the document's flag; the link's bit stays, and M_Fn_Set_Modified hands it on.
    M_Fn_Writer_Install(1);
    m_App.port().m_File_Answers.push_back(L"/tmp/x/Saved.qmxb");
    EXPECT_EQ(link().M_Fn_Save(), 1);
    EXPECT_FALSE(link().M_Fn_Get_Doc()->M_Fn_Is_Modified());
    EXPECT_EQ(link().M_Fn_Get_Flags() & 1u, 1u);
    link().M_Fn_Set_Modified();
    EXPECT_TRUE(link().M_Fn_Get_Doc()->M_Fn_Is_Modified());
    EXPECT_EQ(M_Fn_Calls(L"doc_modified"), (std::vector<std::wstring>{L"1", L"0", L"1"}));
}

TEST_F(C_Mgr_Doc, SavePromptThroughThePort)
{
    ASSERT_EQ(link().M_Fn_Create(L""), 1);
    const std::wstring title = m_Proj.M_Fn_Name_Get();
    // Nothing modified since the document was made: no question.
    EXPECT_EQ(link().M_Fn_Save_Modified(), 1);
    EXPECT_TRUE(M_Fn_Calls(L"doc_save_prompt").empty());

    link().M_Fn_Mark_Modified();
    auto& answers = m_App.port().m_Doc_Save_Answers;
    answers = {E_Box_Answer_Cancel, E_Box_Answer_No};
    EXPECT_EQ(link().M_Fn_Save_Modified(), 0); // cancelled: the project stays
    EXPECT_EQ(link().M_Fn_Save_Modified(), 1); // discarded
    EXPECT_TRUE(link().M_Fn_Get_Doc()->M_Fn_Is_Modified());
    EXPECT_EQ(M_Fn_Calls(L"doc_save_prompt"), (std::vector<std::wstring>{title, title}));

    // Yes with a cancelled file dialog saves nothing.
    answers = {E_Box_Answer_Yes};
    M_Fn_Writer_Install(1);
    EXPECT_EQ(link().M_Fn_Save_Modified(), 0);
    EXPECT_TRUE(m_Written.empty());
    const auto& calls = m_App.port().m_Calls;
    ASSERT_EQ(calls.back().m_Kind, L"file");
    EXPECT_EQ(calls.back().m_Text, L"Save File As");
    EXPECT_EQ(calls.back().m_Type, 1u); // save mode

    // Yes with a path saves there; afterwards nothing is asked until the next change.
    answers = {E_Box_Answer_Yes};
    m_App.port().m_File_Answers.push_back(L"/tmp/p/Beam.qmxb");
    EXPECT_EQ(link().M_Fn_Save_Modified(), 1);
    EXPECT_EQ(m_Written, std::vector<std::wstring>{L"/tmp/p/Beam.qmxb"});
    EXPECT_EQ(m_Proj.M_Fn_Name_Get(), L"Beam.qmxb");
    const std::size_t prompts = M_Fn_Calls(L"doc_save_prompt").size();
    EXPECT_EQ(link().M_Fn_Save_Modified(), 1);
    EXPECT_EQ(M_Fn_Calls(L"doc_save_prompt").size(), prompts);
    EXPECT_EQ(m_App.log_lines().back(), "Msg: Project saved: /tmp/p/Beam.qmxb");

    // The next change asks again; a save under the known path asks for no file.
    link().M_Fn_Mark_Modified();
    answers = {E_Box_Answer_Yes};
    const std::size_t files = M_Fn_Calls(L"file").size();
    EXPECT_EQ(link().M_Fn_Save_Modified(), 1);
    EXPECT_EQ(M_Fn_Calls(L"doc_save_prompt").size(), prompts + 1);
    EXPECT_EQ(M_Fn_Calls(L"file").size(), files);
    EXPECT_EQ(m_Written.size(), 2u);
}

TEST_F(C_Mgr_Doc, FailedSaveKeepsTheChanges)
{
    ASSERT_EQ(link().M_Fn_Create(L""), 1);
    link().M_Fn_Mark_Modified();
    const std::wstring title = m_Proj.M_Fn_Name_Get();
    M_Fn_Writer_Install(0);
    m_App.port().m_File_Answers.push_back(L"/tmp/p/Fail.qmxb");
    EXPECT_EQ(link().M_Fn_Save_As(), 0);
    EXPECT_TRUE(link().M_Fn_Get_Doc()->M_Fn_Is_Modified());
    EXPECT_EQ(m_Proj.M_Fn_Name_Get(), title);
    EXPECT_TRUE(link().M_Fn_Get_Doc()->M_Fn_Get_Path().empty());
}

TEST_F(C_Mgr_Doc, ProjectEndClosesTheDocument)
{
    ASSERT_EQ(link().M_Fn_Create(L""), 1);
    m_Proj.M_Fn_Tree_Add();
    m_up_Proj.reset(); // the document goes with the project, nothing thrown or reported
    EXPECT_EQ(m_App.log().find("Exception caught at:"), std::string::npos);
}
