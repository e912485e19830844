// libFuzzer target of the deck readers: every input is read as a Nastran deck and as a Dyna deck
// into a fresh model. A result or C_Exception is an answer; any other exception, an unsound model
// after a successful import, and every sanitizer report is a finding.
#include "app/App.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "tests/db/Test_Import_Exercise.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// Messages go nowhere.
class C_Port_Quiet : public C_App_Port {
public:
    bool M_Fn_Frame_Exists() const override { return false; }
    bool M_Fn_Output_Exists() const override { return false; }
    int M_Fn_Box(const std::wstring&, const std::wstring&, unsigned, bool) override { return E_Box_Answer_OK; }
    void M_Fn_Output_Add_Line(const std::wstring&) override {}
    int M_Fn_File_Dialog(const std::vector<std::wstring>&, std::wstring&, int, const std::wstring&, std::wstring&) override { return 0; }
};

// A directory of this process for the deck file, removed when the process ends.
struct C_Dir {
    std::filesystem::path m_Path;
    ~C_Dir()
    {
        std::error_code error;
        std::filesystem::remove_all(m_Path, error);
    }
};

// The application with the schema of the source tree's data directory, and the deck directory.
const std::filesystem::path& S_Fn_Setup()
{
    static C_App s_App(std::make_shared<C_Port_Quiet>());
    static const C_Dir s_Dir = [] {
        auto schema = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
        schema->M_Fn_Init(L"" VT_FUZZ_DATA_DIR);
        s_App.m_sp_Schema = schema;
        const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("vt_fuzz_deck_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return C_Dir{dir};
    }();
    return s_Dir.m_Path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* i_Data, std::size_t i_Size)
{
    const std::filesystem::path& dir = S_Fn_Setup();
    N_Test_DB::G_Fn_Exercise(std::string_view(reinterpret_cast<const char*>(i_Data), i_Size), dir);
    return 0;
}
