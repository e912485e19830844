// Helpers of the tests on model rows: a project with models imported from small Nastran decks
// written by the test, the element and node rows by (model slot, row index), and the element rows
// whose selection bit is set.
#pragma once

#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj_Handle_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "tests/proj/Test_Proj_Support.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>

namespace N_Test_Proj {

// Three elements (quadrilaterals 10 and 11 on property 1, triangle 12 on property 2) over six nodes,
// the first at (1, 2, 3).
inline const char* const G_Deck_3 = "BEGIN BULK\n"
                                    "GRID,1,,1.,2.,3.\nGRID,2,,1.,0.,0.\nGRID,3,,1.,1.,0.\n"
                                    "GRID,4,,0.,1.,0.\nGRID,5,,2.,0.,0.\nGRID,6,,2.,1.,0.\n"
                                    "CQUAD4,10,1,1,2,3,4\nCQUAD4,11,1,2,5,6,3\nCTRIA3,12,2,5,6,3\n"
                                    "PSHELL,1,1,0.5\nPSHELL,2,1,0.8\nMAT1,1,2.+5,,.3\nENDDATA\n";
// Two triangles (20 and 21) on property 7 over four nodes.
inline const char* const G_Deck_2 = "BEGIN BULK\n"
                                    "GRID,1,,0.,0.,5.\nGRID,2,,1.,0.,5.\nGRID,3,,1.,1.,5.\nGRID,4,,0.,1.,5.\n"
                                    "CTRIA3,20,7,1,2,3\nCTRIA3,21,7,1,3,4\n"
                                    "PSHELL,7,3,1.5\nMAT1,3,7.+4,,.33\nENDDATA\n";

// Six nodes numbered from 1001 with gaps and written out of id order, and three elements on
// property 1: quadrilaterals 501 (nodes 1001, 1002, 1005, 1010) and 502 (2001, 2003, 1005, 1002)
// and triangle 503 (2001, 2003, 1005). In the model's node array (deck order) the nodes stand at
// positions 0 (2003), 1 (1001), 2 (1002), 3 (1005), 4 (1010) and 5 (2001).
inline const char* const G_Deck_Gaps = "BEGIN BULK\n"
                                       "GRID,2003,,2.,1.,0.\nGRID,1001,,0.,0.,0.\nGRID,1002,,1.,0.,0.\n"
                                       "GRID,1005,,1.,1.,0.\nGRID,1010,,0.,1.,0.\nGRID,2001,,2.,0.,0.\n"
                                       "CQUAD4,501,1,1001,1002,1005,1010\nCQUAD4,502,1,2001,2003,1005,1002\n"
                                       "CTRIA3,503,1,2001,2003,1005\n"
                                       "PSHELL,1,1,0.5\nMAT1,1,2.+5,,.3\nENDDATA\n";
// The same nodes and elements as a Dyna keyword file (part 1; the triangle repeats its third node).
inline const char* const G_Deck_Gaps_Dyna = "*KEYWORD\n"
                                            "*SECTION_SHELL\n7,,,,,,,\n0.5,0.5,0.5,0.5\n"
                                            "*MAT_ELASTIC\n3,7.8E-9,2.1+5,0.3\n"
                                            "*PART\np\n1,7,3\n"
                                            "*NODE\n2003,2.,1.,0.\n1001,0.,0.,0.\n1002,1.,0.,0.\n"
                                            "1005,1.,1.,0.\n1010,0.,1.,0.\n2001,2.,0.,0.\n"
                                            "*ELEMENT_SHELL\n501,1,1001,1002,1005,1010\n502,1,2001,2003,1005,1002\n"
                                            "503,1,2001,2003,1005,1005\n"
                                            "*END\n";

using T_Handles = std::set<std::pair<std::uint32_t, std::uint32_t>>;

class C_Proj_Model_Test : public C_Proj_Test {
protected:
    // Imports i_Deck (Nastran, or Dyna) as a new model (one history entry) and returns its slot.
    std::uint32_t M_Fn_Import(const char* i_Deck, bool i_Dyna = false)
    {
        const std::filesystem::path path = m_App.dir() / ("deck" + std::to_string(++m_Decks) + (i_Dyna ? ".k" : ".bdf"));
        std::ofstream(path, std::ios::binary) << i_Deck;
        N_Biz::N_Proj::C_Mgr_D_Model& models = m_Proj.M_Fn_Get_Mgr_D_Model();
        const std::uint32_t slot = models.M_Fn_Get_Models().next_index();
        if (i_Dyna)
            models.M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Dyna(path.wstring(), path.filename().wstring());
        else
            models.M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(path.wstring(), path.filename().wstring());
        EXPECT_TRUE(models.M_Fn_Get_Models().is_used_at(slot));
        return slot;
    }
    N_Biz::N_Model::C_Model& M_Fn_Model(std::uint32_t i_Slot)
    {
        return *m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().at(i_Slot);
    }
    N_Biz::N_DB::C_Row_Element_2D& M_Fn_Element(std::uint32_t i_Slot, std::uint32_t i_Index)
    {
        return M_Fn_Model(i_Slot).M_Fn_Data().m_Elements.at(i_Index);
    }
    N_Biz::N_DB::C_Row_Node& M_Fn_Node(std::uint32_t i_Slot, std::uint32_t i_Index)
    {
        return M_Fn_Model(i_Slot).M_Fn_Data().m_Nodes.at(i_Index);
    }
    // The element rows of every model in the project that carry flag bit i_Bit.
    T_Handles M_Fn_Flagged(std::uint32_t i_Bit)
    {
        T_Handles handles;
        const auto& table = m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
        for (std::uint32_t slot = 1; slot < table.size(); ++slot) {
            if (!table.is_used_at(slot))
                continue;
            const auto& rows = table.at(slot)->M_Fn_Data().m_Elements;
            for (std::uint32_t i = 0; i < rows.size(); ++i)
                if (rows[i].m_u32_Flag & i_Bit)
                    handles.emplace(slot, i);
        }
        return handles;
    }
    // The property card that an element row is connected to.
    const N_Biz::N_DB::C_Row_C_Property* M_Fn_Property_Of(std::uint32_t i_Slot, std::uint32_t i_Index)
    {
        return M_Fn_Element(i_Slot, i_Index).M_Fn_Key_C_Property().M_Fn_Lock().get();
    }
    // The elements become the selection set, with nothing left picked.
    void M_Fn_Select_E(const T_Handles& i_Handles)
    {
        N_Biz::N_Proj::C_Mgr_D_DB_E& mgr = m_Proj.M_Fn_Get_Mgr_D_DB_E();
        mgr.M_Fn_Sel_P0_Clear();
        for (const auto& [slot, index] : i_Handles)
            mgr.M_Fn_Sel_P0_Add({slot, index});
        mgr.M_Fn_Sel_P1_Yes();
        mgr.M_Fn_Sel_P0_Clear();
    }
    // The node handles become the selection set, with nothing left picked.
    void M_Fn_Select_N(const std::vector<N_Biz::N_Proj::C_Handle_D_DB_N>& i_Handles)
    {
        auto& sel = m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
        sel.M_Fn_Sel_P0_Clear();
        for (const auto& handle : i_Handles)
            sel.M_Fn_Sel_P0_Add(handle);
        sel.M_Fn_Sel_P1_Update_Yes();
        sel.M_Fn_Sel_P0_Clear();
    }

    int m_Decks = 0;
};

} // namespace N_Test_Proj
