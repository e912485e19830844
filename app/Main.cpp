// Program entry. The desktop window is not built yet: this runs the start-up as far as it exists
// (program directory, log file) on the console and says so.
#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "common/Common_String.h"

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <unistd.h>

namespace {

// A console port: messages go to the standard output; questions answer No; dialogs are cancelled.
class C_App_Port_Console : public C_App_Port {
public:
    bool M_Fn_Frame_Exists() const override { return false; }
    bool M_Fn_Output_Exists() const override { return false; }
    int M_Fn_Box(const std::wstring& i_text, const std::wstring& i_caption, unsigned i_type, bool) override
    {
        std::cout << "[" << N_Common::N_String::G_Fn_To_Narrow_UTF8(i_caption) << "] "
                  << N_Common::N_String::G_Fn_To_Narrow_UTF8(i_text) << std::endl;
        return i_type == E_Box_Yes_No ? E_Box_Answer_No : E_Box_Answer_OK;
    }
    void M_Fn_Output_Add_Line(const std::wstring& i_text) override
    {
        std::cout << N_Common::N_String::G_Fn_To_Narrow_UTF8(i_text) << std::endl;
    }
    int M_Fn_File_Dialog(const std::vector<std::wstring>&, std::wstring&, int, const std::wstring&,
                         std::wstring&) override
    {
        return 0;
    }
    // Text entry is cancelled, as the other dialogs are.
    int M_Fn_Enter_Text(const std::wstring&, std::wstring&) override { return 0; }
    // The console shows the project document's title and asks nothing: unsaved changes are
    // discarded, as its Yes/No questions answer No.
    void M_Fn_Doc_Proj_Title(const std::wstring& i_Title) override
    {
        std::cout << "[Project] " << N_Common::N_String::G_Fn_To_Narrow_UTF8(i_Title) << std::endl;
    }
    int M_Fn_Doc_Proj_Save_Prompt(const std::wstring&) override { return E_Box_Answer_No; }
};

std::wstring G_Fn_Program_Dir()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::string dir = ec ? std::filesystem::current_path().string() : exe.parent_path().string();
    return N_Common::N_String::G_Fn_To_Wide_UTF8(dir + "/");
}

} // namespace

int main(int, char**)
{
    std::setlocale(LC_ALL, "C");
    C_App app(std::make_shared<C_App_Port_Console>());
    if (!app.M_Fn_Log_Open(G_Fn_Program_Dir())) {
        C_App::G_Fn_Msg(L"Failed to open log file.");
        return 1;
    }
    // The schema from the fourteen schema files beside the program; shows its own failure message.
    if (!N_Biz::N_DB::C_Info_Schema::S_Fn_Init_App(app))
        return 1;
    // The configuration (every run starts from its defaults), then the result labels that every
    // display of section results reads; both live until the application ends.
    try {
        app.m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
    } catch (const std::bad_alloc&) {
    }
    if (!app.m_sp_Config) {
        C_App::G_Fn_Msg(L"Failed to create config");
        return 1;
    }
    try {
        app.m_sp_Sect_Info = std::make_shared<N_Biz::N_Sect::C_Info>();
    } catch (const std::bad_alloc&) {
    }
    if (!app.m_sp_Sect_Info) {
        C_App::G_Fn_Msg(L"Failed to create section info");
        return 1;
    }
    std::cout << "Veltrane: start-up ran as far as it exists (log file " << app.M_Fn_Log_Path_Get()
              << "). The desktop window is not built yet; nothing more to show." << std::endl;
    return 0;
}
