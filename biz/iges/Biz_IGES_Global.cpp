#include "biz/iges/Biz_IGES_Global.h"

#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"

namespace N_Biz::N_IGES {

int C_Global::M_Fn_Import(std::string_view& io_Text, char i_Delimiter_Param, char i_Delimiter_Record, bool& io_End)
{
    using namespace N_Import;
    const char p = i_Delimiter_Param;
    const char r = i_Delimiter_Record;
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_Product_Id_Sender);        // 3
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_Name_File);                // 4
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_System_Id_Native);         // 5
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_Version_Preprocessor);     // 6
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, m_Bits_Integer);           // 7
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, m_Single_Power_Max);       // 8
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, m_Single_Digits);          // 9
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, m_Double_Power_Max);       // 10
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, m_Double_Digits);          // 11
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_Product_Id_Receiver);     // 12
    Fn_Read_Free_Field_Real(io_End, io_Text, p, r, m_Scale_Model_Space);         // 13
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, m_Units_Flag);             // 14
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_Units_Name);              // 15
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, m_Line_Weight_Gradations_Max); // 16
    Fn_Read_Free_Field_Real(io_End, io_Text, p, r, m_Width_Line_Weight_Max);     // 17
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_Date_Generation);         // 18
    Fn_Read_Free_Field_Real(io_End, io_Text, p, r, m_Resolution_Min);            // 19
    Fn_Read_Free_Field_Real(io_End, io_Text, p, r, m_Coord_Max);                 // 20
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_Author);                  // 21
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_Organization);            // 22
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, m_Version_Flag);           // 23
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, m_Drafting_Standard_Flag); // 24
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_Date_Modification);       // 25
    Fn_Read_Free_Field_String(io_End, io_Text, p, r, m_Application_Protocol);    // 26
    return 1;
}

int C_Global::M_Fn_Export(std::vector<std::string>& io_Lines) const
{
    using namespace N_Export;
    const char p = m_Delimiter_Param;
    const char r = m_Delimiter_Record;
    const std::size_t w = G_Width_Global;
    Fn_Write_Field_String(io_Lines, m_Product_Id_Sender, p, r, false, w);
    Fn_Write_Field_String(io_Lines, m_Name_File, p, r, false, w);
    Fn_Write_Field_String(io_Lines, m_System_Id_Native, p, r, false, w);
    Fn_Write_Field_String(io_Lines, m_Version_Preprocessor, p, r, false, w);
    Fn_Write_Field_Integer(io_Lines, m_Bits_Integer, p, r, false, w);
    Fn_Write_Field_Integer(io_Lines, m_Single_Power_Max, p, r, false, w);
    Fn_Write_Field_Integer(io_Lines, m_Single_Digits, p, r, false, w);
    Fn_Write_Field_Integer(io_Lines, m_Double_Power_Max, p, r, false, w);
    Fn_Write_Field_Integer(io_Lines, m_Double_Digits, p, r, false, w);
    Fn_Write_Field_String(io_Lines, m_Product_Id_Receiver, p, r, false, w);
    Fn_Write_Field_Real(io_Lines, m_Scale_Model_Space, p, w);
    Fn_Write_Field_Integer(io_Lines, m_Units_Flag, p, r, false, w);
    Fn_Write_Field_String(io_Lines, m_Units_Name, p, r, false, w);
    Fn_Write_Field_Integer(io_Lines, m_Line_Weight_Gradations_Max, p, r, false, w);
    Fn_Write_Field_Real(io_Lines, m_Width_Line_Weight_Max, p, w);
    Fn_Write_Field_String(io_Lines, m_Date_Generation, p, r, false, w);
    Fn_Write_Field_Real(io_Lines, m_Resolution_Min, p, w);
    Fn_Write_Field_Real(io_Lines, m_Coord_Max, p, w);
    Fn_Write_Field_String(io_Lines, m_Author, p, r, false, w);
    Fn_Write_Field_String(io_Lines, m_Organization, p, r, false, w);
    Fn_Write_Field_Integer(io_Lines, m_Version_Flag, p, r, false, w);
    Fn_Write_Field_Integer(io_Lines, m_Drafting_Standard_Flag, p, r, false, w);
    Fn_Write_Field_String(io_Lines, m_Date_Modification, p, r, false, w);
    Fn_Write_Field_String(io_Lines, m_Application_Protocol, p, r, true, w);
    return 1;
}

} // namespace N_Biz::N_IGES
