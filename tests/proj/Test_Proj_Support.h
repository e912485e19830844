// Helpers of the project tests: an application with the real schema and a configuration, a
// project with a recorder on its change signal, cards of the schema's tables, and a card's bytes in
// the binary row format.
#pragma once

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Row_Any.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_C_Section.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "tests/support/App_Port_Record.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace N_Test_Proj {

using N_Common::N_Pointer::lesser_shared_ptr;

// The schema of the fourteen files the build installed beside the program (read once).
inline std::shared_ptr<N_Biz::N_DB::C_Info_Schema> G_Fn_Schema()
{
    static std::shared_ptr<N_Biz::N_DB::C_Info_Schema> schema = [] {
        auto s = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
        s->M_Fn_Init(L"" VT_BINARY_DIR "/");
        return s;
    }();
    return schema;
}

// A card's bytes in the binary row format (header, columns, tail with flag word and colour).
inline std::string G_Fn_Bytes(const N_Biz::N_DB::C_Row& ro_Row)
{
    std::ostringstream out;
    EXPECT_EQ(ro_Row.M_Fn_Stream_Serialize_o_O(out, 0), E_Result_Success);
    return out.str();
}

// The application (recording port, real schema, default configuration) and one project whose
// change codes are recorded in m_Codes.
class C_Proj_Test : public ::testing::Test {
protected:
    C_Proj_Test()
    {
        m_App.app().m_sp_Schema = G_Fn_Schema();
        m_App.app().m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
        m_Proj.M_Fn_Get_Signal().connect(
            [this](N_Biz::N_Proj::C_Proj&, N_Biz::N_Proj::E_Signal i_Code) { m_Codes.push_back(i_Code); });
    }
    ~C_Proj_Test() override
    {
        m_up_Proj.reset();
        N_Biz::N_Proj::C_Dlg::S_Fn_List = nullptr;
        N_Biz::N_Proj::C_Dlg::S_Fn_Property = nullptr;
        N_Biz::N_Proj::C_Doc::S_Fn_Read = &N_Biz::N_Proj::C_Mgr_Doc::S_Fn_File_Read;
        N_Biz::N_Proj::C_Doc::S_Fn_Write = &N_Biz::N_Proj::C_Mgr_Doc::S_Fn_File_Write;
    }

    const N_Biz::N_DB::C_Info_Table* M_Fn_Table(unsigned i_Format, const char* i_Keyword)
    {
        const N_Biz::N_DB::C_Info_Table* p_table = G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(i_Format, i_Keyword);
        EXPECT_NE(p_table, nullptr) << i_Keyword;
        return p_table;
    }
    // A standard material card named i_Name with the colour i_Color.
    lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material> M_Fn_Material(const std::wstring& i_Name,
                                                                   std::array<float, 4> i_Color = {1, 0, 0, 1})
    {
        lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material> sp(new N_Biz::N_DB::C_Row_C_Material(M_Fn_Table(1, "Material")));
        M_Fn_Name_Set(*sp, i_Name);
        sp->m_Display.M_Fn_Color_Set(i_Color);
        return sp;
    }
    // A property card of the standard table, or of the Dyna PART table (which has a section key).
    lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property> M_Fn_Property(const std::wstring& i_Name, bool i_Dyna = false,
                                                                   std::array<float, 4> i_Color = {0, 0, 1, 1})
    {
        lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property> sp(
            new N_Biz::N_DB::C_Row_C_Property(i_Dyna ? M_Fn_Table(2, "PART") : M_Fn_Table(1, "Property")));
        if (!i_Dyna)
            M_Fn_Name_Set(*sp, i_Name);
        sp->m_Display.M_Fn_Color_Set(i_Color);
        return sp;
    }
    static void M_Fn_Name_Set(N_Biz::N_DB::C_Row& ro_Row, const std::wstring& i_Name)
    {
        ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Name).M_Fn_Ref<std::wstring>() = i_Name;
    }
    static std::wstring M_Fn_Name_Get(N_Biz::N_DB::C_Row& ro_Row)
    {
        return ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Name).M_Fn_Get<std::wstring>();
    }
    std::vector<int> M_Fn_Codes_Take()
    {
        std::vector<int> codes;
        codes.swap(m_Codes);
        return codes;
    }
    std::size_t M_Fn_History_Size() const { return m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().size(); }

    C_Test_App m_App;
    std::unique_ptr<N_Biz::N_Proj::C_Proj> m_up_Proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
    N_Biz::N_Proj::C_Proj& m_Proj = *m_up_Proj;
    std::vector<int> m_Codes;
};

} // namespace N_Test_Proj
