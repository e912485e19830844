// The project file: its header and the order of its pieces. Each piece is its manager's.
#include "biz/proj/Biz_Proj.h"

#include "app/App.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace N_Biz::N_Proj {

namespace {

// Most free slots that the slot tables of one project file may create between and after their
// objects, all tables together. A gap costs a file no bytes, so without a bound a few hundred bytes
// could claim gigabytes; a real project frees far fewer slots than this.
constexpr std::uint64_t G_Slot_Gap_Budget = std::uint64_t(1) << 20;

// The question asked before a file of another version is read.
std::wstring G_Fn_Version_Question(const std::wstring& i_File_Version)
{
    return std::wstring(L"The file version and app version may not be compatible.\n\n  File version : ") + i_File_Version +
           L"\n  App version : " + C_App::S_Version +
           L"\n\nWe recommend to open this file with matched app version. You may still try to open it but it is not "
           L"recommended and may cause problem.\n\nDo you want to open it anyway?";
}

// Whether a file of version i_File_Version is read without asking: the application's oldest
// compatible version <= i_File_Version <= its version, compared unit by unit as UTF-16 text (a
// proper prefix sorts first).
bool G_Fn_Version_Accepted(const std::wstring& i_File_Version)
{
    using N_Common::N_String::G_Fn_To_UTF16;
    const std::u16string file = G_Fn_To_UTF16(i_File_Version);
    return G_Fn_To_UTF16(C_App::S_Version_Compatible) <= file && file <= G_Fn_To_UTF16(C_App::S_Version);
}

// The application's message box (none without an application: the answer is then No).
int G_Fn_Msg(const std::wstring& i_Text, unsigned i_Type)
{
    C_App* p_app = C_App::S_Fn_Get();
    return p_app ? p_app->M_Fn_Msg(i_Text, i_Type) : E_Box_Answer_No;
}

// How many messages the application has given so far (0 without one).
unsigned long long G_Fn_Msg_Count()
{
    const C_App* p_app = C_App::S_Fn_Get();
    return p_app ? p_app->M_Fn_Msg_Count() : 0;
}

// Reads one piece of the file through i_Read. A refusal always says why, once: when the piece
// gave no message of its own, "Error: Failed to read file." follows with where the file ended or
// which piece is damaged. An exception from the piece is such a refusal too (its place goes to the
// log for the developer); the result is then E_Result_Stream_Failure.
E_Result G_Fn_Read_Piece(std::istream& ro_Stream, const wchar_t* i_Name, const std::function<E_Result()>& i_Read)
{
    const unsigned long long before = G_Fn_Msg_Count();
    E_Result result = E_Result_Stream_Failure;
    try {
        result = i_Read();
    } catch (const N_Common::N_Exception::C_Exception& ro_Exception) {
        if (C_App* p_app = C_App::S_Fn_Get())
            p_app->M_Fn_Log(N_Common::N_String::G_Fn_To_Wide_UTF8(
                std::string("Reading the project file stopped in ") +
                (ro_Exception.M_Fn_Function() ? ro_Exception.M_Fn_Function() : "") + " (" +
                N_Common::N_Exception::C_Exception::S_Fn_File_Name(ro_Exception.M_Fn_File()) + " line " +
                std::to_string(ro_Exception.M_Fn_Line()) + ")."));
        result = E_Result_Stream_Failure;
    } catch (const std::exception&) {
        // A count within the bounds may still ask for more memory than there is.
        result = E_Result_Stream_Failure;
    }
    if (result == E_Result_Success || G_Fn_Msg_Count() != before)
        return result;
    const std::wstring why = ro_Stream.eof() ? std::wstring(L"The file ends early, in its ") + i_Name + L"."
                                             : std::wstring(L"The file is damaged in its ") + i_Name + L".";
    G_Fn_Msg(L"Error: Failed to read file. " + why, E_Box_OK);
    return result;
}

} // namespace

E_Result C_Proj::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    using namespace N_Common::N_Stream;
    G_Fn_Serialize_O(ro_Stream, S_Stream_Magic);
    G_Fn_Serialize_wstring_O(ro_Stream, C_App::S_Product_Name);
    G_Fn_Serialize_wstring_O(ro_Stream, C_App::S_Version);
    E_Result result = G_Fn_Serialize_wstring_O(ro_Stream, C_App::S_Version_Compatible);
    if (result == E_Result_Success)
        result = m_up_Mgr_D_DB_C->M_Fn_Stream_Serialize_o_O(ro_Stream);
    if (result == E_Result_Success)
        result = m_up_Mgr_D_DB_C_M->M_Fn_Stream_Serialize_o_O(ro_Stream);
    if (result == E_Result_Success)
        result = m_up_Mgr_D_DB_C_P->M_Fn_Stream_Serialize_o_O(ro_Stream);
    if (result == E_Result_Success)
        result = m_up_Mgr_D_Model->M_Fn_Stream_Serialize_o_O(ro_Stream);
    if (result == E_Result_Success)
        result = m_up_Mgr_D_Sect->M_Fn_Stream_Serialize_o_O(ro_Stream);
    return result;
}

E_Result C_Proj::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream)
{
    using namespace N_Common::N_Stream;
    std::uint32_t magic = 0;
    std::wstring product, version, compatible;
    // A file too short for its header is no project file either.
    if (G_Fn_Serialize_I(ro_Stream, magic) != E_Result_Success || magic != S_Stream_Magic ||
        G_Fn_Serialize_wstring_I(ro_Stream, product) != E_Result_Success ||
        G_Fn_Serialize_wstring_I(ro_Stream, version) != E_Result_Success ||
        G_Fn_Serialize_wstring_I(ro_Stream, compatible) != E_Result_Success) {
        G_Fn_Msg(L"Failed to read file. The file is not a project file of this application.", E_Box_OK);
        return E_Result_Stream_Failure;
    }
    // Only the file's own version is looked at; its product name and oldest compatible version
    // are read past.
    if (!G_Fn_Version_Accepted(version) && G_Fn_Msg(G_Fn_Version_Question(version), E_Box_Yes_No) != E_Box_Answer_Yes)
        return E_Result_Stream_Failure;

    const C_Slot_Gap_Budget budget(G_Slot_Gap_Budget);
    // The pieces in file order, each with the name a refusal gives it.
    const std::pair<const wchar_t*, std::function<E_Result()>> pieces[] = {
        {L"section cards", [&] { return m_up_Mgr_D_DB_C->M_Fn_Stream_Serialize_o_I(ro_Stream); }},
        {L"material cards", [&] { return m_up_Mgr_D_DB_C_M->M_Fn_Stream_Serialize_o_I(ro_Stream); }},
        {L"property cards", [&] { return m_up_Mgr_D_DB_C_P->M_Fn_Stream_Serialize_o_I(ro_Stream); }},
        {L"model",
         [&] {
             const E_Result result = m_up_Mgr_D_Model->M_Fn_Stream_Serialize_o_I(ro_Stream);
             if (result == E_Result_Success)
                 M_Fn_D_Model_On_Updated_Post();
             return result;
         }},
        {L"sections", [&] { return m_up_Mgr_D_Sect->M_Fn_Stream_Serialize_o_I(ro_Stream); }}};
    for (const auto& [name, read] : pieces) {
        const E_Result result = G_Fn_Read_Piece(ro_Stream, name, read);
        if (result != E_Result_Success)
            return result;
    }
    m_up_Mgr_Frame->M_Fn_View_Main_Invalidate();
    return E_Result_Success;
}

int C_Proj::M_Fn_Stream_Format_Text()
{
    G_Fn_Msg(L"This feature is under development.", E_Box_OK);
    return 0;
}

} // namespace N_Biz::N_Proj
