// One imported shell finite-element model of a project: the nodes and 2-D elements read from a
// Nastran bulk-data file or a Dyna keyword file, the maps from the file's section, material and
// property ids to the slots of the project's cards, its name and source path, and its placement
// transform.
//
// A model is created by the project's model manager (or the project's readers), which set the
// owner statics immediately before (S_Fn_Owner_Set), filled once by an import or a project file,
// and added to and removed from the project by the model manager's undoable commands, which call
// M_Fn_Rel_Self_On_Add / _Remove: then the model's tree item comes and goes and its cards record
// it as their owning model (a card belongs to at most one model).
//
// The import runs on the import worker thread, while the model is not yet in the project.
#pragma once

#include "app/UI_Tree_Signal.h"
#include "biz/model/Biz_Model_Data.h"
#include "common/Common_Math_Matrix4.h"
#include "common/Common_Math_Vector.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace N_Biz::N_Cmd {
class C_Elem_Group;
}
namespace N_Biz::N_Proj {
class C_Proj;
class C_Mgr_D_Model;
} // namespace N_Biz::N_Proj
namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_Biz::N_Model {

class C_Proj_Port;

class C_Model {
public:
    // The owner of the next model: its project, and the project's side of the model's relations
    // (the project's model manager). Set both immediately before creating a model.
    static N_Proj::C_Proj* S_p_Proj;
    static C_Proj_Port* S_p_Proj_Port;
    static void S_Fn_Owner_Set(N_Proj::C_Proj* i_p_Proj, C_Proj_Port* i_p_Port)
    {
        S_p_Proj = i_p_Proj;
        S_p_Proj_Port = i_p_Port;
    }

    // Id 0, empty path, name "Untitled Model", empty data, identity transform, the owner from the
    // statics. C_Exception when either static is null (checked after the members are built).
    C_Model();
    C_Model(const C_Model&) = delete;
    C_Model& operator=(const C_Model&) = delete;
    virtual ~C_Model();

    // Imports a Dyna keyword file (Nastran bulk-data file) at i_Path as this model named i_Name;
    // its cards are added to the project inside the open group i_sp_Group. C_Exception when the
    // model has a source path already (a model is imported once), or when the path (checked first,
    // then stored) or the name is empty. Shows "DYNA importing start..." ("Nastran importing
    // start..."), then "... importing finished." with the totals, or "... importing failed.".
    // Returns 1 on success, else the reader's failure code.
    std::uint32_t M_Fn_Import_Dyna(const std::wstring& i_Path, const std::wstring& i_Name,
                                   const std::shared_ptr<N_Cmd::C_Elem_Group>& i_sp_Group);
    std::uint32_t M_Fn_Import_Nastran(const std::wstring& i_Path, const std::wstring& i_Name,
                                      const std::shared_ptr<N_Cmd::C_Elem_Group>& i_sp_Group);

    // The model entered the project's model manager i_p_Mgr at slot M_Fn_Id_Get(): its tree item
    // is added below the models' folder hook i_p_Parent (null: no tree) and every card of its maps (sections, then materials, then properties) records this
    // model as its owner. C_Exception, before anything changes, when a card is missing or already
    // owned.
    void M_Fn_Rel_Self_On_Add(N_Proj::C_Mgr_D_Model* i_p_Mgr, const N_UI::N_Tree::C_Signal* i_p_Parent);
    // The reverse (properties, materials, sections; then the tree item). C_Exception, before
    // anything changes, when a card is missing or not owned by this model.
    void M_Fn_Rel_Self_On_Remove();

    // The coordinates of node i_Index carried through the model's transform. C_Exception when the
    // index is not below the node count or the node row has no table.
    N_Common::N_Math::C_Vector3<float> M_Fn_Node_Vector3_Global_Get(std::uint32_t i_Index) const;

    // Section cut (Biz_Model_Cut.cpp): one section point where an element edge crosses the plane
    // of ro_Sect (one per model edge, shared by the elements on both sides), one line per visible
    // element crossed exactly twice, carrying the element's property and either its individual
    // thickness or the weights of the property's four thicknesses at the line's midpoint. Every
    // addition goes undoably into ro_sp_Group, the caller's open entry. C_Exception when an
    // element's property gives no Has_Individual_Thk or, with that switch on, no Thk_E_1..4
    // column, or an element names a node that is missing or not bound to its table; what was
    // already added stays in the group.
    void M_Fn_Sect_Cut(N_Sect::C_Sect& ro_Sect, const std::shared_ptr<N_Cmd::C_Elem_Group>& ro_sp_Group);

    // Drawing in the project's main view (Biz_Model_Draw.cpp) with the view's model display style
    // (E_Style_*; anything else draws nothing), the colour source (material cards rather than
    // property cards) and the element-edge option of the shaded style. Nothing without nodes.
    enum : std::uint32_t { E_Style_Node = 3, E_Style_Mesh = 4, E_Style_Shaded = 5 };
    void M_Fn_Draw(std::uint32_t i_Style, bool i_Color_By_Material, bool i_Edge);
    // The shaded and mesh styles draw from per-corner arrays (position, normal and colour of every
    // element corner) kept between frames: positions and normals are made again at paint time when
    // the geometry serial below moved or the node or element vectors were replaced; colours and the
    // lists of elements drawn are brought up to date from the elements' display state on every
    // frame, element by element, so only what changed is written. Highlighted elements are drawn
    // one by one after the others, as before. In the mesh style an element seen edge-on (or so
    // nearly that the offset's slope term carries it to the far end of the depth range, where it
    // fails the depth test) is outlined once more as plain lines, which take no offset. Interface
    // thread only (the import fills a model before it enters the project and is drawn).
    // Every change of node coordinates or element node references moves this serial (all models
    // then renew their positions at their next paint).
    static void S_Fn_Geometry_Changed() { ++S_Geometry_Serial; }
    struct C_Draw_Arrays {
        std::uint64_t m_Serial = ~std::uint64_t(0);
        const void* m_p_Nodes = nullptr;
        const void* m_p_Elements = nullptr;
        std::size_t m_Count_Nodes = 0;
        std::size_t m_Count_Elements = 0;
        std::vector<float> m_Positions; // 4 corners x 3 per element
        std::vector<float> m_Normals;   // 4 corners x 3 per element
        std::vector<float> m_Colors;    // 4 corners x 4 per element
        // Per element: 0 not drawn (nodes outside the node vector, or hidden), 1 drawn from the
        // arrays, 2 highlighted; 0xFF not known yet.
        std::vector<std::uint8_t> m_State;
        std::vector<std::uint8_t> m_Valid;
        std::vector<std::uint32_t> m_Quads;       // corner indices of the state-1 elements
        std::vector<std::uint32_t> m_Edges;       // corner pairs of the edges of every drawn element
        std::vector<std::uint32_t> m_Highlighted; // element indices of the state-2 elements
        float m_Box_Min[3] = {0, 0, 0};           // the corners' bounding box
        float m_Box_Max[3] = {0, 0, 0};
        // The mesh style's corner pairs of the state-1 elements that the polygon offset's slope
        // term would carry to the far end of the depth range in this frame (made every frame).
        std::vector<std::uint32_t> m_Edges_Edge_On;
    };
    const C_Draw_Arrays& M_Fn_Draw_Arrays() const { return m_Draw_Arrays; }
    // Picking: the caller has loaded a projection whose pick window is [-1, 1] x [-1, 1] in
    // normalised device coordinates. Reports visitor(depth, index) for every node inside the
    // window, or for every visible element that meets the window (point mode: the window's
    // centre, depth of the element's plane there; else the whole window, depth 0). With
    // i_Clear_Pick each element's own picked bit is cleared first. C_Exception without a visitor.
    using T_Fn_Visitor = std::function<void(float, std::uint32_t)>;
    void M_Fn_Draw_Select_D_DB_N(const T_Fn_Visitor& ro_Visitor);
    void M_Fn_Draw_Select_D_DB_E_2D(const T_Fn_Visitor& ro_Visitor, bool i_Point_Mode, bool i_Clear_Pick);

    N_Proj::C_Proj* M_Fn_Proj_Get() const { return m_p_Proj; }
    C_Proj_Port* M_Fn_Proj_Port() const { return m_p_Proj_Port; }
    // The model's slot in its project's model manager; 0 when not in a project.
    std::uint32_t M_Fn_Id_Get() const { return m_u32_Id; }
    void M_Fn_Id_Set(std::uint32_t i_Id) { m_u32_Id = i_Id; }
    N_UI::N_Tree::C_Signal& M_Fn_Tree() { return m_Tree; }
    const std::wstring& M_Fn_Path_Get() const { return m_Path; }
    // For the project file's reader, which restores a model that was imported before.
    void M_Fn_Path_Set(const std::wstring& i_Path) { m_Path = i_Path; }
    const std::wstring& M_Fn_Name_Get() const { return m_Name; }
    void M_Fn_Name_Set(const std::wstring& i_Name) { m_Name = i_Name; }
    C_Model_Data& M_Fn_Data() { return m_Data; }
    const C_Model_Data& M_Fn_Data() const { return m_Data; }
    N_Common::N_Math::C_Matrix4<float>& M_Fn_Transform() { return m_Transform; }
    const N_Common::N_Math::C_Matrix4<float>& M_Fn_Transform() const { return m_Transform; }

private:
    // Steps 1-2 of both imports: the path and name checks and their storing.
    void M_Fn_Import_Begin(const std::wstring& i_Path, const std::wstring& i_Name, const char* i_Function);
    // The result's messages and totals.
    void M_Fn_Import_End(std::uint32_t i_Result, const wchar_t* i_Format, bool i_Sections);

    N_Proj::C_Proj* m_p_Proj;
    std::uint32_t m_u32_Id = 0;
    N_UI::N_Tree::C_Signal m_Tree;
    std::wstring m_Path;
    std::wstring m_Name = L"Untitled Model";
    C_Model_Data m_Data;
    N_Common::N_Math::C_Matrix4<float> m_Transform;
    C_Proj_Port* m_p_Proj_Port;
    C_Draw_Arrays m_Draw_Arrays;
    static std::atomic<std::uint64_t> S_Geometry_Serial;

    // Brings the arrays up to date (see M_Fn_Draw_Arrays); marks the nodes of every element whose
    // nodes are valid with i_Node_Mark (0: none), as the styles need for their free nodes.
    void M_Fn_Draw_Arrays_Update(bool i_Color_By_Material, std::uint32_t i_Node_Mark);
};

} // namespace N_Biz::N_Model
