// Helpers of the tests on project files: a project's bytes, a new project read from bytes or a
// file (with the change codes it fired), a small project with every kind of object, and files in
// the test's directory.
#pragma once

#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "common/Common_Exception.h"
#include "tests/proj/Test_Proj_Support_Sect.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace N_Test_Proj {

// A project read from a file, what the read answered and which change codes it fired.
struct C_Read {
    // Shared with the project's subscriber, and released after the project (which fires code 1).
    std::shared_ptr<std::vector<int>> m_sp_Codes = std::make_shared<std::vector<int>>();
    std::unique_ptr<N_Biz::N_Proj::C_Proj> m_up_Proj;
    E_Result m_Result = -1; // -1: an exception ended the read
    const std::vector<int>& m_Codes() const { return *m_sp_Codes; }
};

class C_Proj_Stream_Test : public C_Proj_Sect_Test {
protected:
    using C_Proj = N_Biz::N_Proj::C_Proj;

    // The project file of ro_Proj, as its writer makes it (the writer must succeed).
    static std::string M_Fn_Bytes(const C_Proj& ro_Proj)
    {
        std::ostringstream out;
        EXPECT_EQ(ro_Proj.M_Fn_Stream_Serialize_o_O(out), E_Result_Success);
        return out.str();
    }
    // A new project (in the tree, as the application makes one) reading i_Bytes.
    static C_Read M_Fn_Read(const std::string& i_Bytes)
    {
        C_Read read;
        read.m_up_Proj = std::make_unique<C_Proj>();
        read.m_up_Proj->M_Fn_Get_Signal().connect(
            [sp_codes = read.m_sp_Codes](C_Proj&, N_Biz::N_Proj::E_Signal i_Code) { sp_codes->push_back(i_Code); });
        read.m_up_Proj->M_Fn_Tree_Add();
        std::istringstream in(i_Bytes);
        try {
            read.m_Result = read.m_up_Proj->M_Fn_Stream_Serialize_o_I(in);
        } catch (const N_Common::N_Exception::C_Exception&) {
            read.m_Result = -1;
        }
        return read;
    }
    // How many times code i_Code was fired.
    static int S_Fn_Count(const std::vector<int>& ro_Codes, int i_Code)
    {
        return static_cast<int>(std::count(ro_Codes.begin(), ro_Codes.end(), i_Code));
    }

    std::filesystem::path M_Fn_Path(const std::string& i_Name) const { return m_App.dir() / i_Name; }
    static std::string S_Fn_File(const std::filesystem::path& i_Path)
    {
        std::ifstream in(i_Path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void S_Fn_File_Put(const std::filesystem::path& i_Path, const std::string& i_Bytes)
    {
        std::ofstream(i_Path, std::ios::binary) << i_Bytes;
    }
    // The messages shown in boxes since the port's calls were last cleared.
    std::vector<std::wstring> M_Fn_Boxes() { return m_App.port().M_Fn_Texts(L"box"); }

    // A small project with one of everything: the default material and a second one, a generic
    // section card, two property cards (the second one current), a model of three elements and
    // one group of two sections cut from it (slots 1 and 3, 2 freed), and a second group.
    void M_Fn_Small_Project()
    {
        using namespace N_Biz::N_Proj;
        m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Proc_Cmd_Sub_Add_Default();
        m_Proj.M_Fn_Get_Mgr_D_DB_C().M_Fn_D_Add_At(
            1, lesser_shared_ptr<N_Biz::N_DB::C_Row_Common>(new N_Biz::N_DB::C_Row_C_Section(M_Fn_Table(2, "SECTION_SHELL"))));
        M_Fn_Import(G_Deck_3);
        m_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Set(2);
        // The sections lie across x through the three elements (x from 0 to 2).
        config().m_Extra_Sections = 1;
        M_Fn_Picks({C_Vector3f(0.25f, 0.5f, 0.0f), C_Vector3f(1.75f, 0.5f, 0.0f)});
        EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), 1u);
        config().m_Extra_Sections = 0;
        M_Fn_Select({M_Fn_Sect(1, 2)});
        EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Delete_Selected(), 1u);
        M_Fn_Picks({C_Vector3f(0.5f, 0.25f, 0.0f), C_Vector3f(0.5f, 0.75f, 0.0f)});
        EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), 1u);
    }
};

} // namespace N_Test_Proj
