// The global-section record: defaults, the 26 parameters read and written.
#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Global.h"
#include "common/Common_Exception.h"

#include <gtest/gtest.h>

using N_Biz::N_IGES::C_Global;
using N_Common::N_Exception::C_Exception;

namespace {

void S_Expect_Defaults_From_16(const C_Global& g)
{
    EXPECT_EQ(g.m_Line_Weight_Gradations_Max, 1);
    EXPECT_EQ(g.m_Width_Line_Weight_Max, 0.0f);
    EXPECT_EQ(g.m_Date_Generation, "");
    EXPECT_EQ(g.m_Resolution_Min, 0.0f);
    EXPECT_EQ(g.m_Coord_Max, 0.0f);
    EXPECT_EQ(g.m_Author, "");
    EXPECT_EQ(g.m_Organization, "");
    EXPECT_EQ(g.m_Version_Flag, 3);
    EXPECT_EQ(g.m_Drafting_Standard_Flag, 0);
    EXPECT_EQ(g.m_Date_Modification, "");
    EXPECT_EQ(g.m_Application_Protocol, "");
}

} // namespace

TEST(C_Global, Defaults)
{
    C_Global g;
    EXPECT_EQ(g.m_Delimiter_Param, ',');
    EXPECT_EQ(g.m_Delimiter_Record, ';');
    EXPECT_EQ(g.m_Product_Id_Sender, "");
    EXPECT_EQ(g.m_Name_File, "");
    EXPECT_EQ(g.m_System_Id_Native, "");
    EXPECT_EQ(g.m_Version_Preprocessor, "");
    EXPECT_EQ(g.m_Bits_Integer, 0);
    EXPECT_EQ(g.m_Single_Power_Max, 0);
    EXPECT_EQ(g.m_Single_Digits, 0);
    EXPECT_EQ(g.m_Double_Power_Max, 0);
    EXPECT_EQ(g.m_Double_Digits, 0);
    EXPECT_EQ(g.m_Product_Id_Receiver, "");
    EXPECT_EQ(g.m_Scale_Model_Space, 1.0f);
    EXPECT_EQ(g.m_Units_Flag, 1);
    EXPECT_EQ(g.m_Units_Name, "Inches");
    S_Expect_Defaults_From_16(g);
}

TEST(C_Global, ReadsAllParameters)
{
    const std::string text = "4HSend,8Hfile.igs,6HNative,3HPre,32,38,6,308,15,4HRecv,2.5,2,2HMM,1000,0.5,"
                             "15H20201207.130542,1.0D-3,1.5E4,6HAuthor,3HOrg,11,4,15H20201208.000000,3HAP1;";
    std::string_view rest(text);
    bool end = false;
    C_Global g;
    EXPECT_EQ(g.M_Fn_Import(rest, ',', ';', end), 1);
    EXPECT_TRUE(end);
    EXPECT_EQ(g.m_Product_Id_Sender, "Send");
    EXPECT_EQ(g.m_Name_File, "file.igs");
    EXPECT_EQ(g.m_System_Id_Native, "Native");
    EXPECT_EQ(g.m_Version_Preprocessor, "Pre");
    EXPECT_EQ(g.m_Bits_Integer, 32);
    EXPECT_EQ(g.m_Single_Power_Max, 38);
    EXPECT_EQ(g.m_Single_Digits, 6);
    EXPECT_EQ(g.m_Double_Power_Max, 308);
    EXPECT_EQ(g.m_Double_Digits, 15);
    EXPECT_EQ(g.m_Product_Id_Receiver, "Recv");
    EXPECT_EQ(g.m_Scale_Model_Space, 2.5f);
    EXPECT_EQ(g.m_Units_Flag, 2);
    EXPECT_EQ(g.m_Units_Name, "MM");
    EXPECT_EQ(g.m_Line_Weight_Gradations_Max, 1000);
    EXPECT_EQ(g.m_Width_Line_Weight_Max, 0.5f);
    EXPECT_EQ(g.m_Date_Generation, "20201207.130542");
    EXPECT_FLOAT_EQ(g.m_Resolution_Min, 0.001f);
    EXPECT_EQ(g.m_Coord_Max, 15000.0f);
    EXPECT_EQ(g.m_Author, "Author");
    EXPECT_EQ(g.m_Organization, "Org");
    EXPECT_EQ(g.m_Version_Flag, 11);
    EXPECT_EQ(g.m_Drafting_Standard_Flag, 4);
    EXPECT_EQ(g.m_Date_Modification, "20201208.000000");
    EXPECT_EQ(g.m_Application_Protocol, "AP1");
}

TEST(C_Global, RecordEndAfterParameter15KeepsDefaults)
{
    const std::string text = ",,,,32,38,6,308,15,,1.,2,2HMM;" + std::string(30, ' ');
    std::string_view rest(text);
    bool end = false;
    C_Global g;
    g.M_Fn_Import(rest, ',', ';', end);
    EXPECT_EQ(g.m_Units_Name, "MM");
    EXPECT_EQ(g.m_Units_Flag, 2);
    EXPECT_EQ(g.m_Product_Id_Sender, "");
    S_Expect_Defaults_From_16(g);
}

TEST(C_Global, EmptyUnitsFieldKeepsInches)
{
    const std::string text = ",,,,,,,,,,,,,,,,,,,,,,,;";
    std::string_view rest(text);
    bool end = false;
    C_Global g;
    g.M_Fn_Import(rest, ',', ';', end);
    EXPECT_EQ(g.m_Units_Name, "Inches");
    EXPECT_EQ(g.m_Scale_Model_Space, 1.0f);
    S_Expect_Defaults_From_16(g);
}

TEST(C_Global, MissingRecordDelimiterFails)
{
    const std::string text = "4HSend,8Hfile.igs,";
    std::string_view rest(text);
    bool end = false;
    C_Global g;
    EXPECT_THROW(g.M_Fn_Import(rest, ',', ';', end), C_Exception);
}

TEST(C_Global, WritesDefaultsWrappedAt72)
{
    C_Global g;
    std::vector<std::string> lines;
    N_Biz::N_IGES::N_Export::Fn_Write_Field_String(lines, ",", ',', ';', false, 72);
    N_Biz::N_IGES::N_Export::Fn_Write_Field_String(lines, ";", ',', ';', false, 72);
    EXPECT_EQ(g.M_Fn_Export(lines), 1);
    // 64 columns fit on the first line; "0.000000," (maximum coordinate) would reach column 73.
    const std::string first = "1H,,1H;,,,,,0,0,0,0,0,,1.000000,1,6HInches,1,0.000000,,0.000000,";
    ASSERT_EQ(first.size(), 64u);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], first + std::string(8, ' '));
    EXPECT_EQ(lines[1], "0.000000,,,3,0,,;" + std::string(55, ' '));
}

TEST(C_Global, WritesTheExportValues)
{
    C_Global g;
    g.m_Product_Id_Sender = "Sect";
    g.m_Name_File = "/tmp/a.igs";
    g.m_System_Id_Native = "Veltrane Ver.1.0";
    g.m_Version_Preprocessor = "Veltrane Ver.1.0";
    g.m_Bits_Integer = 32;
    g.m_Single_Power_Max = 75;
    g.m_Single_Digits = 6;
    g.m_Double_Power_Max = 75;
    g.m_Double_Digits = 15;
    g.m_Product_Id_Receiver = "Sect";
    g.m_Scale_Model_Space = 1.0f;
    g.m_Units_Flag = 2;
    g.m_Units_Name = "mm";
    g.m_Line_Weight_Gradations_Max = 1000;
    g.m_Width_Line_Weight_Max = 1.0f;
    g.m_Date_Generation = "20150101.000000";
    g.m_Resolution_Min = 0.001f;
    g.m_Coord_Max = 10000.0f;
    g.m_Author = "Veltrane";
    g.m_Organization = "Veltrane";
    g.m_Version_Flag = 11;
    g.m_Drafting_Standard_Flag = 0;
    g.m_Date_Modification = "20150101.000000";
    std::vector<std::string> lines;
    g.M_Fn_Export(lines);
    // Numbers move whole to the next line, strings run on; every line is 72 columns.
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "4HSect,10H/tmp/a.igs,16HVeltrane Ver.1.0,16HVeltrane Ver.1.0,32,75,6,75,");
    EXPECT_EQ(lines[1], "15,4HSect,1.000000,2,2Hmm,1000,1.000000,15H20150101.000000,0.001000,    ");
    EXPECT_EQ(lines[2], "10000.000000,8HVeltrane,8HVeltrane,11,0,15H20150101.000000,;" + std::string(12, ' '));
    const std::string joined = lines[0] + lines[1] + lines[2];

    // Read back, every value is the same.
    std::string_view rest(joined);
    bool end = false;
    C_Global back;
    back.M_Fn_Import(rest, ',', ';', end);
    EXPECT_TRUE(end);
    EXPECT_EQ(back.m_Name_File, g.m_Name_File);
    EXPECT_EQ(back.m_System_Id_Native, g.m_System_Id_Native);
    EXPECT_EQ(back.m_Units_Name, "mm");
    EXPECT_EQ(back.m_Units_Flag, 2);
    EXPECT_EQ(back.m_Line_Weight_Gradations_Max, 1000);
    EXPECT_FLOAT_EQ(back.m_Resolution_Min, 0.001f);
    EXPECT_EQ(back.m_Coord_Max, 10000.0f);
    EXPECT_EQ(back.m_Author, "Veltrane");
    EXPECT_EQ(back.m_Version_Flag, 11);
    EXPECT_EQ(back.m_Date_Modification, "20150101.000000");
    EXPECT_EQ(back.m_Application_Protocol, "");
}
