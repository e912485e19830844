// What the project file fuzz targets share: the application with the schema of the source tree,
// the default configuration and the section labels; a port that shows nothing, answers every
// question with Yes and gives each new section a document without a window; the ".bea" model
// that seeds both targets; and the check that a project read from a file writes itself and reads
// back to the same bytes.
#pragma once

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Doc.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "common/Common_Exception.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace N_Fuzz {

// A section's document as the framework makes one without a window.
class C_Sect_Doc_Quiet : public N_Biz::N_Sect::C_Doc {
public:
    C_Sect_Doc_Quiet() : m_p_Sect(N_Biz::N_Sect::C_Mgr_Doc::S_Fn_Sect_Creating_Get())
    {
        m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Construct(this);
    }
    ~C_Sect_Doc_Quiet() override { m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Destruct(); }
    const std::wstring& M_Fn_Get_Title() const override { return m_Title; }
    void M_Fn_Set_Title(const std::wstring& i_Title) override
    {
        m_Title = i_Title;
        m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Set_Title();
    }
    int M_Fn_On_New_Document() override { return 1; }
    void M_Fn_On_Close_Document() override { delete this; }
    int M_Fn_Frame_Create() override { return 0; }
    int M_Fn_Frame_Close() override { return 0; }

private:
    N_Biz::N_Sect::C_Sect* m_p_Sect;
    std::wstring m_Title;
};

class C_Port_Quiet : public C_App_Port {
public:
    bool M_Fn_Frame_Exists() const override { return false; }
    bool M_Fn_Output_Exists() const override { return false; }
    int M_Fn_Box(const std::wstring&, const std::wstring&, unsigned i_Type, bool) override
    {
        return i_Type == E_Box_Yes_No ? E_Box_Answer_Yes : E_Box_Answer_OK;
    }
    void M_Fn_Output_Add_Line(const std::wstring&) override {}
    int M_Fn_File_Dialog(const std::vector<std::wstring>&, std::wstring&, int, const std::wstring&, std::wstring&) override { return 0; }
    int M_Fn_Doc_Sect_Create() override
    {
        new C_Sect_Doc_Quiet(); // owned by the section's link until the section closes it
        return 1;
    }
};

inline C_App& G_Fn_App()
{
    static C_App s_App(std::make_shared<C_Port_Quiet>());
    static const bool s_Ready = [] {
        auto schema = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
        schema->M_Fn_Init(L"" VT_FUZZ_DATA_DIR);
        s_App.m_sp_Schema = schema;
        s_App.m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
        s_App.m_sp_Sect_Info = std::make_shared<N_Biz::N_Sect::C_Info>();
        return true;
    }();
    (void)s_Ready;
    return s_App;
}

// Two sections (a box, and one with wall, weld and frame lines), a counted record, block 7 and
// two elements.
inline const char* const G_Seed_BEA =
    "BEAM MODEL\n"
    "second title line\n"
    "    9    4    9    1    9    1    1    9    9    9    9    9    0    9    9    9    9\n"
    "7777777777777777777777777777777777777777777777777777777777777777777777777777777777777\n"
    "    5    5    5\n"
    "$ comment\n"
    "         1       0.0       0.0       0.0         0\n"
    "         2       1.0       0.0       0.0         0\n"
    "         3       1.0       1.0       0.0         0\n"
    "         4       0.0       1.0       0.0         0\n"
    "         1        30\n"
    "more\n"
    "more\n"
    "         1  210000.0      99.0       0.3     235.0     360.0   7.85e-9Steel\n"
    "        31         1       2.0         1         2         3Wall\n"
    "         2BLOCK    0    2\n"
    "    1    0    4    1         1section text not read\n"
    "    1       0.0       0.0\n"
    "    2     100.0       0.0\n"
    "    3     100.0      50.0\n"
    "    4       0.0      50.0\n"
    "  1  1  2  3  4  1  1\n"
    "       1.0       0.0       0.0\n"
    "       0.0       1.0       0.0\n"
    "       0.0       0.0       1.0\n"
    "    1    1    3    1         3section text not read\n"
    "    1       0.0       0.0\n"
    "    2       5.0       0.0\n"
    "    3       5.0       5.0\n"
    "  1  1  2  3  1\n"
    "  1  3  3  1  0\n"
    "       1.0       0.0       0.0\n"
    "       0.0       1.0       0.0\n"
    "       0.0       0.0       1.0\n"
    "         7BLOCK    0    1\n"
    "skipped\n"
    "         8BLOCK    2    0\n"
    "         1         1         2         3         4        31\n"
    "         2         4         3         2         1        31\n";

// A new project as the application makes one for a file.
inline std::unique_ptr<N_Biz::N_Proj::C_Proj> G_Fn_Proj_New()
{
    G_Fn_App();
    auto up_proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
    up_proj->M_Fn_Tree_Add();
    return up_proj;
}

// The project file of ro_Proj; a project that cannot write itself is a finding.
inline std::string G_Fn_Bytes(const N_Biz::N_Proj::C_Proj& ro_Proj)
{
    std::ostringstream out;
    if (ro_Proj.M_Fn_Stream_Serialize_o_O(out) != E_Result_Success)
        std::abort();
    return out.str();
}

// A project read from a file is sound: what it writes reads back and writes the same bytes.
inline void G_Fn_Check_Round_Trip(const N_Biz::N_Proj::C_Proj& ro_Proj)
{
    const std::string bytes = G_Fn_Bytes(ro_Proj);
    auto up_again = G_Fn_Proj_New();
    std::istringstream in(bytes);
    if (up_again->M_Fn_Stream_Serialize_o_I(in) != E_Result_Success || G_Fn_Bytes(*up_again) != bytes)
        std::abort();
}

// With VT_FUZZ_SEED_DIR set, the seed model goes there as a ".bea" file and as a project file.
inline void G_Fn_Seeds_Write()
{
    const char* p_dir = std::getenv("VT_FUZZ_SEED_DIR");
    if (!p_dir || !*p_dir)
        return;
    auto up_proj = G_Fn_Proj_New();
    std::istringstream in(G_Seed_BEA);
    if (up_proj->M_Fn_Stream_Format_BEA_I(in) != 1)
        std::abort();
    const std::filesystem::path dir(p_dir);
    std::ofstream(dir / "seed.bea", std::ios::binary) << G_Seed_BEA;
    std::ofstream(dir / "seed.qmxb", std::ios::binary) << G_Fn_Bytes(*up_proj);
}

} // namespace N_Fuzz
