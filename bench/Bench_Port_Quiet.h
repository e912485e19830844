// The window port of the benchmark programs: no frame, boxes answer OK, dialogs are cancelled.
#pragma once

#include "app/App_Port.h"

#include <filesystem>
#include <string>
#include <vector>

class C_Port_Quiet : public C_App_Port {
public:
    bool M_Fn_Frame_Exists() const override { return false; }
    bool M_Fn_Output_Exists() const override { return false; }
    int M_Fn_Box(const std::wstring&, const std::wstring&, unsigned, bool) override { return E_Box_Answer_OK; }
    void M_Fn_Output_Add_Line(const std::wstring&) override {}
    int M_Fn_File_Dialog(const std::vector<std::wstring>&, std::wstring&, int, const std::wstring&,
                         std::wstring&) override
    {
        return 0;
    }
};

// The build directory, one above the benchmark programs; the schema files lie there.
inline std::filesystem::path G_Fn_Bench_Build_Dir()
{
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
}
