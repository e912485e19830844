// Runs one text through both deck readers as a Nastran deck and as a Dyna deck, each into a fresh
// model of a stand-in project. Shared by the randomized test and the fuzz target: a hostile deck
// must end in success, in a refusal (result other than 1), or in C_Exception, never in anything
// else; and after a success every element must name nodes that are in the model, and the model's
// data must go through its binary form and back.
#pragma once

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Common.h"
#include "biz/model/Biz_Model.h"
#include "biz/model/Biz_Model_Proj_Port.h"
#include "common/Common_Exception.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace N_Test_DB {

// The project's side of a model: card tables and palette; cards are added directly.
class C_Test_Proj_Port : public N_Biz::N_Model::C_Proj_Port {
public:
    C_Test_Proj_Port()
    {
        m_C.add({});
        m_C_M.add({});
        m_C_P.add({});
    }
    const T_Table_C& M_Fn_Table_C() const override { return m_C; }
    const T_Table_C_M& M_Fn_Table_C_M() const override { return m_C_M; }
    const T_Table_C_P& M_Fn_Table_C_P() const override { return m_C_P; }
    // Colours that tell the cards apart: (n / 100, 0.5, 0.25, 1) with n the card's slot.
    T_Color M_Fn_Palette_Pick_C_M() const override { return {float(m_C_M.size()) / 100.0f, 0.5f, 0.25f, 1.0f}; }
    T_Color M_Fn_Palette_Pick_C_P() const override { return {float(m_C_P.size()) / 100.0f, 0.5f, 0.25f, 1.0f}; }
    void M_Fn_C_Add_At(std::uint32_t i_Slot, const N_Common::N_Pointer::lesser_shared_ptr<N_Biz::N_DB::C_Row_Common>& ro_sp_Card,
                       const std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>&) override
    {
        m_C.add_at(i_Slot, ro_sp_Card);
        ro_sp_Card->M_Fn_Pos_Set(i_Slot);
    }
    void M_Fn_C_M_Add_At(std::uint32_t i_Slot, const N_Common::N_Pointer::lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material>& ro_sp_Card,
                         const std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>&) override
    {
        m_C_M.add_at(i_Slot, ro_sp_Card);
        ro_sp_Card->M_Fn_Pos_Set(i_Slot);
    }
    void M_Fn_C_P_Add_At(std::uint32_t i_Slot, const N_Common::N_Pointer::lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property>& ro_sp_Card,
                         const std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>&) override
    {
        m_C_P.add_at(i_Slot, ro_sp_Card);
        ro_sp_Card->M_Fn_Pos_Set(i_Slot);
    }

    T_Table_C m_C;
    T_Table_C_M m_C_M;
    T_Table_C_P m_C_P;
};

// A model owned by a stand-in project. The model's project pointer is only an owner mark in this
// layer and is never followed, so the port's address serves as one.
inline std::unique_ptr<N_Biz::N_Model::C_Model> G_Fn_Model_New(C_Test_Proj_Port& ro_Port)
{
    N_Biz::N_Model::C_Model::S_Fn_Owner_Set(reinterpret_cast<N_Biz::N_Proj::C_Proj*>(&ro_Port), &ro_Port);
    auto model = std::make_unique<N_Biz::N_Model::C_Model>();
    N_Biz::N_Model::C_Model::S_Fn_Owner_Set(nullptr, nullptr);
    return model;
}

// Imports the deck at i_Path with one reader; returns the result (0 also for C_Exception). Throws
// std::logic_error when a successful import left a model that is not sound.
inline std::uint32_t G_Fn_Exercise_File(const std::wstring& i_Path, bool i_Dyna)
{
    C_Test_Proj_Port port;
    std::unique_ptr<N_Biz::N_Model::C_Model> model = G_Fn_Model_New(port);
    std::uint32_t result = 0;
    try {
        result = i_Dyna ? model->M_Fn_Import_Dyna(i_Path, L"fuzz", nullptr) : model->M_Fn_Import_Nastran(i_Path, L"fuzz", nullptr);
    } catch (const N_Common::N_Exception::C_Exception&) {
        return 0;
    }
    if (result != 1)
        return result;
    const N_Biz::N_Model::C_Model_Data& data = model->M_Fn_Data();
    if (!data.M_Fn_Check_Node_Refs())
        throw std::logic_error("an element names a node outside the model");
    std::stringstream stream;
    if (data.M_Fn_Serialize_O(stream) != 1)
        throw std::logic_error("the model's data could not be written");
    std::unique_ptr<N_Biz::N_Model::C_Model> copy = G_Fn_Model_New(port);
    if (copy->M_Fn_Data().M_Fn_Serialize_I(stream) != 1 || copy->M_Fn_Data().m_Nodes.size() != data.m_Nodes.size() ||
        copy->M_Fn_Data().m_Elements.size() != data.m_Elements.size())
        throw std::logic_error("the model's data did not read back");
    return result;
}

// Writes i_Text to a deck file in i_Dir and runs both readers over it; returns how many of the
// two imports succeeded.
inline int G_Fn_Exercise(std::string_view i_Text, const std::filesystem::path& i_Dir)
{
    const std::filesystem::path path = i_Dir / "exercise_deck.dat";
    if (std::FILE* file = std::fopen(path.string().c_str(), "wb")) {
        std::fwrite(i_Text.data(), 1, i_Text.size(), file);
        std::fclose(file);
    }
    return (G_Fn_Exercise_File(path.wstring(), false) == 1) + (G_Fn_Exercise_File(path.wstring(), true) == 1);
}

} // namespace N_Test_DB
