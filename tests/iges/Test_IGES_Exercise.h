// Runs one text through everything the file layer does with a file: reading, every query of every
// entity, drawing for picking, and writing it back. Shared by the randomized test and the fuzz
// target: a hostile file must end in C_Exception or in success, never in anything else.
#pragma once

#include "biz/iges/Biz_IGES_Entity.h"
#include "biz/iges/Biz_IGES_Export_Context_File.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "common/Common_Exception.h"

#include <sstream>
#include <string>
#include <string_view>

namespace N_Test_IGES {

// Every query of one entity; C_Exception from a query is an answer like any other.
inline void G_Fn_Exercise_Entity(const N_Biz::N_IGES::C_Table_Entity& ro_Table, const N_Biz::N_IGES::C_Entity& ro_Entity)
{
    using namespace N_Biz::N_IGES;
    using N_Common::N_Exception::C_Exception;
    C_Vector3_f point;
    std::vector<C_Vector3_f> points;
    float rgba[4];
    try { ro_Entity.M_Fn_Get_o_Vector3_f_Start(point, ro_Table); } catch (const C_Exception&) {}
    try { ro_Entity.M_Fn_Get_o_Vector3_f_Finish(point, ro_Table); } catch (const C_Exception&) {}
    try { ro_Entity.M_Fn_Get_list_o_Vector3_f_Without_Start(points, ro_Table); } catch (const C_Exception&) {}
    try { ro_Entity.M_Fn_Get_list_o_Vector3_f_Transformed(points, ro_Table); } catch (const C_Exception&) {}
    try { ro_Entity.M_Fn_Get_o_Color_f(ro_Table, false, true, rgba); } catch (const C_Exception&) {}
    try {
        C_Context_Draw_Select context;
        context.m_p_Table = &ro_Table;
        ro_Entity.M_Fn_Draw_Select(context);
    } catch (const C_Exception&) {
    }
}

// Returns 1 when the text read as a file, 0 when it was refused with C_Exception.
inline int G_Fn_Exercise(std::string_view i_Text)
{
    using N_Common::N_Exception::C_Exception;
    N_Biz::N_IGES::N_Import::C_Context_File reader(L"", L"");
    try {
        std::istringstream stream{std::string(i_Text)};
        reader.M_Fn_Import_Stream(stream);
        reader.M_Fn_Import_Section_Global_Join();
        reader.M_Fn_Import_Section_Global();
        reader.M_Fn_Import_Section_Entity();
    } catch (const C_Exception&) {
        return 0;
    }
    for (std::uint32_t k = 1; k < reader.m_Table.size(); ++k)
        if (reader.m_Table.is_used_at(k) && reader.m_Table.at(k)) {
            G_Fn_Exercise_Entity(reader.m_Table, *reader.m_Table.at(k));
            reader.m_Table.at(k)->m_Id = std::int32_t(k);
        }
    try {
        N_Biz::N_IGES::N_Export::C_Context_File writer(L"", L"");
        writer.m_sp_Global = reader.m_sp_Global;
        writer.m_Table = reader.m_Table;
        writer.M_Fn_Export_Section_Start();
        writer.M_Fn_Export_Section_Global();
        writer.M_Fn_Export_Section_Entity();
        writer.M_Fn_Export_Section_Terminate();
        std::ostringstream out;
        writer.M_Fn_Export_Stream(out);
    } catch (const C_Exception&) {
    }
    return 1;
}

} // namespace N_Test_IGES
