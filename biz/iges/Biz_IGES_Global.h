// The global-section record of an IGES file: its 26 parameters.
//
// The file reader fills one from the file (every parameter the file leaves empty, or that follows
// the record delimiter, keeps its default); the section export creates one, sets its values and
// hands it to the file writer. Texts are narrow (8-bit), as everything inside an IGES file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace N_Biz::N_IGES {

class C_Global {
public:
    // The defaults of every field (delimiters "," and ";", version flag 3, scale 1.0, units flag 1,
    // units name "Inches", one line weight gradation, everything else 0 or empty).
    C_Global() = default;

    // Reads parameters 3 to 26 in file order from the front of io_Text (the global section after
    // parameter 2) with the file's delimiters; io_End is the end-of-record flag shared with the
    // reads of parameters 1 and 2. Throws C_Exception when a field is malformed. Returns 1.
    int M_Fn_Import(std::string_view& io_Text, char i_Delimiter_Param, char i_Delimiter_Record, bool& io_End);

    // Appends parameters 3 to 26 in file order to the global-section lines (72 columns) with this
    // record's delimiters; parameter 26 closes the record and its line is padded. Parameters 1 and
    // 2 are the writer's. Returns 1.
    int M_Fn_Export(std::vector<std::string>& io_Lines) const;

    char m_Delimiter_Param = ',';
    char m_Delimiter_Record = ';';
    std::int32_t m_Version_Flag = 3;
    std::int32_t m_Drafting_Standard_Flag = 0;
    std::string m_Name_File;
    std::string m_Date_Generation;
    std::string m_Date_Modification;
    std::string m_Product_Id_Sender;
    std::string m_Product_Id_Receiver;
    std::string m_System_Id_Native;
    std::string m_Version_Preprocessor;
    std::string m_Author;
    std::string m_Organization;
    std::string m_Application_Protocol;
    float m_Scale_Model_Space = 1.0f;
    float m_Resolution_Min = 0.0f;
    float m_Coord_Max = 0.0f;
    float m_Width_Line_Weight_Max = 0.0f;
    std::int32_t m_Line_Weight_Gradations_Max = 1;
    std::int32_t m_Bits_Integer = 0;
    std::int32_t m_Single_Power_Max = 0;
    std::int32_t m_Single_Digits = 0;
    std::int32_t m_Double_Power_Max = 0;
    std::int32_t m_Double_Digits = 0;
    std::int32_t m_Units_Flag = 1;
    std::string m_Units_Name = "Inches";
};

} // namespace N_Biz::N_IGES
