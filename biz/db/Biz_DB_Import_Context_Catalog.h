// The import catalog: collects the rows a deck reader finishes, keyed by the ids the deck uses,
// and then, in one processing pass, turns deck ids into references and moves everything into the
// finite-element model (nodes and 2-D elements) and into the project's card tables (sections,
// materials and properties, as undoable adds inside the import's command group).
//
// Policy for what a deck gets wrong (the import goes on in every case):
//   - a second node, section, material or property with an id already filed is dropped with
//     "Warning: NID:<id> duplicates, node ignored." (SECID, MID, PID likewise); the first one wins;
//   - a reference to a section, material or property that the deck does not define is cleared with
//     "Warning: Can not find material with MID:<id>" (section, property likewise); a negative id is
//     cleared silently;
//   - an element that names a node the deck does not define is dropped with "Line: <line>, Warning:
//     Can not find node with NID:<id>, element EID:<id> ignored.", as there is nothing to draw it from;
//   - node coordinate systems are not applied: once per deck "Warning: <n> nodes are located in a
//     coordinate system other than the basic one (CP), their coordinates are taken as they stand."
//     (and "Warning: <n> nodes have a displacement coordinate system (CD), it is not applied.");
//   - a deck from which no card of the schema was read fails: "Error: Failed to find any card to
//     import." (an empty file, a text file, a deck of the other format), and nothing is added.
// Each processing step reports its title and progress in the application's progress record (under
// its lock): "Remapping:", "Processing nodes:", "Processing sections:", "Processing materials:",
// "Processing properties:", "Processing 2d elements:".
#pragma once

#include "biz/db/Biz_DB_Enum.h"
#include "biz/db/Biz_DB_Import_Context_Msg.h"
#include "biz/db/Biz_DB_Import_Map_Id.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Common.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace N_Biz::N_Cmd {
class C_Elem_Group;
}
namespace N_Biz::N_Model {
class C_Model_Data;
class C_Proj_Port;
} // namespace N_Biz::N_Model

namespace N_Biz::N_DB::N_Import {

class C_Context_Row;

class C_Context_Catalog {
public:
    // Distinct unknown keywords remembered (and logged once each); a deck of garbage heads must
    // not grow the set without end.
    static constexpr std::size_t S_Unconcerned_Max = 4096;

    // The model data receives nodes, elements, the id maps and the bounding box; the project port
    // (may be null while no card is to be added) receives the cards inside the command group.
    C_Context_Catalog(N_Model::C_Model_Data& ro_Data, N_Model::C_Proj_Port* i_p_Port,
                      std::shared_ptr<N_Cmd::C_Elem_Group> i_sp_Group);
    C_Context_Catalog(const C_Context_Catalog&) = delete;
    C_Context_Catalog& operator=(const C_Context_Catalog&) = delete;
    virtual ~C_Context_Catalog();

    // Files the finished row of ro_Context (nothing when its error bit is set: the row stays in
    // the context). i_Line > 0 prefixes a duplicate warning with "Line: <line>, ". Always 1.
    // C_Exception for a null row or a row of the wrong class.
    std::uint32_t M_Fn_Import_Row_Adopt(C_Context_Row& ro_Context, std::uint64_t i_Line);

    // Runs Remap, Node, C_Section, C_Material, C_Property, Element_2D in this order, stopping at
    // the first result other than 1; 1 when all succeed. Processing moves rows out of the catalog:
    // call it once.
    std::uint32_t M_Fn_Import_Process();
    std::uint32_t M_Fn_Import_Process_Remap();
    std::uint32_t M_Fn_Import_Process_Node();
    std::uint32_t M_Fn_Import_Process_C_Section();
    std::uint32_t M_Fn_Import_Process_C_Material();
    std::uint32_t M_Fn_Import_Process_C_Property();
    std::uint32_t M_Fn_Import_Process_Element_2D();

    // Adds an unknown keyword to the set; true when it was not there (the caller logs it then).
    bool M_Fn_Keyword_Unconcerned_Add(const std::string& i_Keyword);
    bool M_Fn_Keyword_Is_Unconcerned(const std::string& i_Keyword) const { return m_Unconcerned.count(i_Keyword) != 0; }

    C_Context_Msg& M_Fn_Msg() { return m_Msg; }
    std::size_t M_Fn_Node_Count() const { return m_Nodes.size(); }
    std::size_t M_Fn_Element_Count() const { return m_Elements.size(); }

protected:
    // Progress record: a new step with its title and total (the items done are counted in batches).
    static void S_Fn_Progress_Step(const wchar_t* i_Title, std::size_t i_Total);
    // The key of column i_Id of ro_Row (found without following relations) made a reference to the
    // row of that deck id in ro_Map; see the file comment.
    template <class Row>
    void M_Fn_Import_Process_Remap_Key(C_Row& ro_Row, E_Id_Column i_Id,
                                       const std::map<std::int32_t, N_Common::N_Pointer::lesser_shared_ptr<Row>>& ro_Map,
                                       const wchar_t* i_Warning);
    // The node id in column i_Id of the element replaced by the node's position; false when the
    // deck has no node of that id (the field is then left alone). A column the element lacks: true.
    bool M_Fn_Import_Process_Remap_Key_Node(C_Row_Element_2D& ro_Element, E_Id_Column i_Id, std::int32_t& o_Missing);
    // One card step: every card of ro_Map in ascending id order gets its colour (i_Fn_Color), is
    // added at the next slot of its table (i_Fn_Table) through i_Fn_Add, and the model maps its
    // deck id to that slot (ro_Map_Model).
    template <class Row, class F_Table, class F_Color, class F_Add>
    std::uint32_t M_Fn_Import_Process_Card(const wchar_t* i_Title,
                                           const std::map<std::int32_t, N_Common::N_Pointer::lesser_shared_ptr<Row>>& ro_Map,
                                           std::map<std::uint32_t, std::uint32_t>& ro_Map_Model, F_Table&& i_Fn_Table,
                                           F_Color&& i_Fn_Color, F_Add&& i_Fn_Add);
    // How a reader's import ends after reading (i_Read its result, i_Lines the lines read): "File
    // reading failed." and i_Read, or "File reading finished." with "  Total number of line: ",
    // then i_Fn_Check when given (its own messages; a result other than 1 ends there), then "Data
    // processing start...", M_Fn_Import_Process and "Data processing finished." (or "... failed.").
    std::uint32_t M_Fn_Import_Conclude(std::uint32_t i_Read, std::uint64_t i_Lines,
                                       const std::function<std::uint32_t()>& i_Fn_Check);
    // The progress record while a deck is read: "Reading file:", the detail shown, no bar; and the
    // detail "<n> lines has been read." for every 1024th line from the 512th.
    static void S_Fn_Progress_Reading();
    static void S_Fn_Progress_Line(std::uint64_t i_Count);
    // Counts the nodes of ro_Node's table whose CP, or CD, column is not 0.
    void M_Fn_Count_Coordinate_System(const C_Row_Node& ro_Node);

    N_Model::C_Model_Data& m_ro_Data;
    N_Model::C_Proj_Port* m_p_Port;
    std::shared_ptr<N_Cmd::C_Elem_Group> m_sp_Group;
    std::set<std::string> m_Unconcerned;
    std::map<std::int32_t, N_Common::N_Pointer::lesser_shared_ptr<C_Row_Common>> m_Map_SECID;
    std::map<std::int32_t, N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Material>> m_Map_MID;
    std::map<std::int32_t, N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Property>> m_Map_PID;
    C_Map_Id m_Map_NID;
    // Vectors, handed to the model whole when its own are empty (as after a new import), so that
    // a million rows are never held twice.
    std::vector<C_Row_Node> m_Nodes;
    std::vector<C_Row_Element_2D> m_Elements;
    std::vector<std::uint64_t> m_Element_Lines; // the line each element was read from
    C_Context_Msg m_Msg;
    // Rows the readers began for cards the schema knows.
    std::uint64_t m_Count_Row = 0;
    // Nodes with a CP, or CD, other than 0; the table whose CP and CD positions are cached.
    std::uint64_t m_Count_CP = 0;
    std::uint64_t m_Count_CD = 0;
    const C_Info_Table* m_p_Table_Node = nullptr;
    std::uint32_t m_Pos_CP = 0;
    std::uint32_t m_Pos_CD = 0;
};

} // namespace N_Biz::N_DB::N_Import
