// Helpers of the deck import tests: a stand-in for the project's side of a model (card tables and
// palette, cards added directly), an application with the real schema, decks written to a
// temporary directory, and imports run through a model.
#pragma once

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Common.h"
#include "biz/model/Biz_Model.h"
#include "biz/model/Biz_Model_Proj_Port.h"
#include "tests/db/Test_DB_Support.h"
#include "tests/db/Test_Import_Exercise.h"
#include "tests/support/App_Port_Record.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace N_Test_DB {

// An application with the real schema, a project stand-in and a fresh model owned by it.
class C_Test_Import {
public:
    C_Test_Import()
    {
        m_App.app().m_sp_Schema = G_Fn_Schema_Real();
        m_up_Model = G_Fn_Model_New(m_Port);
    }
    ~C_Test_Import() { m_up_Model.reset(); }

    // Writes a deck into the application's temporary directory; returns its path.
    std::wstring M_Fn_Deck(const std::string& i_Name, const std::string& i_Text) const
    {
        const std::filesystem::path path = m_App.dir() / i_Name;
        std::ofstream(path, std::ios::binary) << i_Text;
        return path.wstring();
    }
    std::uint32_t M_Fn_Nastran(const std::wstring& i_Path) { return m_up_Model->M_Fn_Import_Nastran(i_Path, L"model", nullptr); }
    std::uint32_t M_Fn_Dyna(const std::wstring& i_Path) { return m_up_Model->M_Fn_Import_Dyna(i_Path, L"model", nullptr); }
    std::uint32_t M_Fn_Nastran_Text(const std::string& i_Text) { return M_Fn_Nastran(M_Fn_Deck("deck.bdf", i_Text)); }
    std::uint32_t M_Fn_Dyna_Text(const std::string& i_Text) { return M_Fn_Dyna(M_Fn_Deck("deck.k", i_Text)); }

    N_Biz::N_Model::C_Model& model() { return *m_up_Model; }
    N_Biz::N_Model::C_Model_Data& data() { return m_up_Model->M_Fn_Data(); }
    C_Test_Proj_Port& port() { return m_Port; }
    C_Test_App& app() { return m_App; }
    // Every user message shown so far (boxes, as the test application has no frame).
    std::vector<std::wstring> M_Fn_Msgs() const { return m_App.port().M_Fn_Texts(L"box"); }
    bool M_Fn_Has_Msg(const std::wstring& i_Text) const
    {
        for (const std::wstring& text : M_Fn_Msgs())
            if (text == i_Text)
                return true;
        return false;
    }
    // The node whose deck id is i_Id (null when none).
    const N_Biz::N_DB::C_Row_Node* M_Fn_Node(std::int32_t i_Id) const
    {
        for (const auto& node : m_up_Model->M_Fn_Data().m_Nodes)
            if (node.M_Fn_Id_Get() == i_Id)
                return &node;
        return nullptr;
    }
    const N_Biz::N_DB::C_Row_Element_2D* M_Fn_Element(std::int32_t i_Id) const
    {
        for (const auto& element : m_up_Model->M_Fn_Data().m_Elements)
            if (element.M_Fn_Id_Get() == i_Id)
                return &element;
        return nullptr;
    }

private:
    mutable C_Test_App m_App;
    C_Test_Proj_Port m_Port;
    std::unique_ptr<N_Biz::N_Model::C_Model> m_up_Model;
};

// A column value of a row by identity (or by position in its table) as T.
template <class T>
T G_Fn_Get(const N_Biz::N_DB::C_Row& ro_Row, N_Biz::N_DB::E_Id_Column i_Id)
{
    return const_cast<N_Biz::N_DB::C_Row&>(ro_Row).M_Fn_Column_Practical_Get_o_Visitor_Field(i_Id).M_Fn_Get<T>();
}
template <class T>
T G_Fn_Get_At(const N_Biz::N_DB::C_Row& ro_Row, std::uint32_t i_Position)
{
    return const_cast<N_Biz::N_DB::C_Row&>(ro_Row).M_Fn_Column_Practical_Get_o_Visitor_Field_At(i_Position).M_Fn_Get<T>();
}

inline std::wstring G_Fn_Testdata(const char* i_Name)
{
    return std::filesystem::path(std::string(VT_TESTDATA_DIR) + "/" + i_Name).wstring();
}

} // namespace N_Test_DB
