// The catch-all around every command and message handler of the windows: an exception must never
// end the program. A standard exception (C_Exception among them) is reported with its text, any
// other with "..."; the report carries the handler's name, source file and line.
#pragma once

#include "app/App.h"

#include <exception>
#include <iostream>

namespace N_UI {

inline void G_Fn_Report_Exception(const char* i_Function, const char* i_File, int i_Line, const char* i_Info) noexcept
{
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_Report_Exception(i_Function, i_File, i_Line, i_Info);
    else
        std::cerr << i_Function << ": " << i_Info << std::endl;
}

// Runs i_Fn; whatever it throws is reported in the name of i_Function at i_File and i_Line.
template <class T_Fn> void G_Fn_Catch_All(const char* i_Function, const char* i_File, int i_Line, T_Fn&& i_Fn) noexcept
{
    try {
        i_Fn();
    } catch (const std::exception& e) {
        G_Fn_Report_Exception(i_Function, i_File, i_Line, e.what());
    } catch (...) {
        G_Fn_Report_Exception(i_Function, i_File, i_Line, "...");
    }
}

} // namespace N_UI
