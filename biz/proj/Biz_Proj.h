// The project: the one object that holds everything an engineer works on at project level. It
// owns the undo history, the card managers, the model manager, the section groups, the selection,
// the editing state machine, the link to its document and its three-dimensional view manager, and
// announces every change on its change signal (E_Signal codes, Biz_Proj_Signal.h).
//
// The application creates at most one project at a time and holds it through a shared pointer.
// Every manager keeps a back pointer to the project and finds its siblings through it. The members
// are created in a fixed order and released in the reverse order; the project's destructor first
// announces the end (code 1) while every member still lives, and never lets an exception out.
//
// The project runs without a window: whatever needs one goes through the application's port.
#pragma once

#include "app/UI_Tree_Signal.h"
#include "biz/proj/Biz_Proj_Signal.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"
#include "common/Common_Stream_Serialize.h"

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace N_Biz::N_DB {
class C_Row_C_Material;
class C_Row_C_Property;
} // namespace N_Biz::N_DB

namespace N_Biz::N_Proj {

class C_Mgr_Cmd;
class C_Mgr_D_DB_C;
class C_Mgr_D_DB_C_M;
class C_Mgr_D_DB_C_P;
class C_Mgr_D_DB_N;
class C_Mgr_D_DB_E;
class C_Mgr_D_Model;
class C_Mgr_D_Sect;
class C_Mgr_Sel;
class C_Mgr_State;
class C_Mgr_Doc;
class C_Mgr_Frame;
class C_Context_Stream_Format_BEA_I;

class C_Proj {
public:
    // Builds the members in order (tree hook, change signal, undo history, generic, material and
    // property card managers, node and element card managers, model manager, section-group
    // manager, selection, state holder, document link, view manager), then sets the select & edit
    // mode for importing models (mode 7, "Import model."), which already fires code 5.
    C_Proj();
    C_Proj(const C_Proj&) = delete;
    C_Proj& operator=(const C_Proj&) = delete;
    // Fires code 1 once, with every member alive; then reverts an unfinished command and releases
    // the members in reverse order (the view's frame and the document are closed first). A failure
    // on the way is reported and the release goes on: nothing is thrown.
    virtual ~C_Proj();

    // The project's item in the project explorer and the items of its material, property and model
    // managers below it; and their removal (models, properties, materials, project). Called by the
    // application after creating the project and before releasing it.
    void M_Fn_Tree_Add();
    void M_Fn_Tree_Remove();

    // The colour that the material (property) palette hands out next; nothing changes.
    void M_Fn_Palette_Pick_C_M(std::array<float, 4>& o_Color) const;
    void M_Fn_Palette_Pick_C_P(std::array<float, 4>& o_Color) const;

    // Puts a material (property) card into its manager's current pick, unless it is already picked.
    // A null card throws C_Exception.
    void M_Fn_Sel_Check_in_C_M(const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Material>& ro_Card);
    void M_Fn_Sel_Check_in_C_P(const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Property>& ro_Card);

    // Makes the property card in slot i_Index the current palette property: nothing when it already
    // is; a free or out-of-range slot throws C_Exception (nothing changes); otherwise code 3 fires.
    void M_Fn_D_DB_C_P_Notify(std::uint32_t i_Index);

    // After a model was added or removed (and after the models were read from a project file):
    // the view's model box becomes the box around every model's box (zero without models), the
    // view's rotation centre its centre, the view is reset, the project marked modified and the
    // view invalidated. An occupied slot without a model throws C_Exception; the box then keeps
    // what was gathered and nothing else happens.
    void M_Fn_D_Model_On_Updated_Post();

    // Display toggles of the project document: each toggles its configuration switch (0 gives 1,
    // anything else 0), fires the configuration's signal and invalidates the main view: edges in
    // shaded mode (code 6), coordinate system (code 2), print mode (code 2). Without an application
    // configuration they throw C_Exception.
    void M_Fn_Doc_On_Cmd_Proj_Disp_S_Edge();
    void M_Fn_Doc_On_Cmd_Proj_Disp_S_Sys_Coord();
    void M_Fn_Doc_On_Cmd_Proj_Disp_Print_Mode();

    // --- select & edit modes and the Edit commands (Biz_Proj_Edit.cpp) ---
    // The mode switches: each ends the running task, then sets its select & edit mode with the
    // picks cleared: materials (1), properties (2), nodes (5), elements (6), model (7), sections
    // (8). Nodes and model take single picks that replace the selection; the others take several,
    // Shift adding and Ctrl toggling.
    void M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M();
    void M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_P();
    void M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_N();
    void M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_E();
    void M_Fn_Doc_On_Cmd_Proj_Edit_T_D_M();
    void M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S();
    // The Edit commands: each ends the running task, then acts by the select & edit mode: runs the
    // manager's command or starts the matching task; in a mode the command does not suit it shows
    // the refusal message and changes nothing. In a mode that no switch sets (a task's pick kind)
    // it throws C_Exception naming itself.
    void M_Fn_Doc_On_Cmd_Proj_Edit_C_Create();
    void M_Fn_Doc_On_Cmd_Proj_Edit_C_Delete();
    void M_Fn_Doc_On_Cmd_Proj_Edit_C_Modify();
    void M_Fn_Doc_On_Cmd_Proj_Edit_C_Move();
    void M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_Sel();
    void M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_List();
    void M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Sel();
    void M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Unsel();
    void M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Reverse();
    void M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Cancel_All();
    // Start a task of the project's machine: the running task is cancelled, then the start event
    // is posted (group creation, section move, element palette pick).
    void M_Fn_Event_Post_D_Sect_Group_Create();
    void M_Fn_Event_Post_D_Sect_Individual_Move();
    void M_Fn_Event_Post_D_DB_E_P_Palette_Sel();

    // The change signal: connect to it; fire through M_Fn_Signal_Fire.
    C_Proj_Signal::T_Signal& M_Fn_Get_Signal() { return m_up_Signal->m_Signal; }
    void M_Fn_Signal_Fire(E_Signal i_Code) { m_up_Signal->M_Fn_Fire(i_Code); }
    // While a worker changes the project: its codes are kept and fired at the end (C_Proj_Signal).
    void M_Fn_Signal_Defer_Begin() { m_up_Signal->M_Fn_Defer_Begin(); }
    void M_Fn_Signal_Defer_End() { m_up_Signal->M_Fn_Defer_End(); }

    const std::wstring& M_Fn_Name_Get() const { return m_Name; }
    void M_Fn_Name_Set(const std::wstring& i_Name) { m_Name = i_Name; }
    N_UI::N_Tree::C_Signal& M_Fn_Get_Tree() { return m_Tree; }

    C_Mgr_Cmd& M_Fn_Get_Mgr_Cmd() const { return *m_up_Mgr_Cmd; }
    C_Mgr_D_DB_C& M_Fn_Get_Mgr_D_DB_C() const { return *m_up_Mgr_D_DB_C; }
    C_Mgr_D_DB_C_M& M_Fn_Get_Mgr_D_DB_C_M() const { return *m_up_Mgr_D_DB_C_M; }
    C_Mgr_D_DB_C_P& M_Fn_Get_Mgr_D_DB_C_P() const { return *m_up_Mgr_D_DB_C_P; }
    C_Mgr_D_DB_N& M_Fn_Get_Mgr_D_DB_N() const { return *m_up_Mgr_D_DB_N; }
    C_Mgr_D_DB_E& M_Fn_Get_Mgr_D_DB_E() const { return *m_up_Mgr_D_DB_E; }
    C_Mgr_D_Model& M_Fn_Get_Mgr_D_Model() const { return *m_up_Mgr_D_Model; }
    C_Mgr_D_Sect& M_Fn_Get_Mgr_D_Sect() const { return *m_up_Mgr_D_Sect; }
    C_Mgr_Sel& M_Fn_Get_Mgr_Sel() const { return *m_up_Mgr_Sel; }
    C_Mgr_State& M_Fn_Get_Mgr_State() const { return *m_up_Mgr_State; }
    C_Mgr_Doc& M_Fn_Get_Mgr_Doc() const { return *m_up_Mgr_Doc; }
    C_Mgr_Frame& M_Fn_Get_Mgr_Frame() const { return *m_up_Mgr_Frame; }

    // --- project file (Biz_Proj_Stream.cpp) ---------------------------------------------------------
    // Magic number at the start of a project file.
    static constexpr std::uint32_t S_Stream_Magic = 0xFEDCBA90u;
    // Writes the project file: u32 magic, the product name, the application's version and its
    // oldest compatible version as wide strings, then the generic, material and property cards,
    // the models and the section groups, each piece by its manager. 1, or the first other result
    // of a piece, after which nothing more is written (0 also when the stream failed).
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;
    // Reads a project file into this project, which must be new (no card, model or group; else
    // C_Exception): a wrong magic number (also a file too short for the header) shows "Failed to
    // read file. The file is not a project file of this application." and gives 0; a file version
    // outside the application's compatible range asks whether to open it anyway (any answer but
    // Yes gives 0); then the pieces in order, the first result other than 1 being returned. Free
    // slots that a file needs between its objects are bounded for the whole read, so a hostile
    // file cannot make the tables take memory its bytes do not pay for. 1 when all was read; the
    // project view is then invalidated. A result other than 1 or an exception leaves a half-read
    // project, which the caller drops.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream);
    // The text project format, which is not implemented: shows "This feature is under
    // development." and returns 0. No file is opened, read or written.
    int M_Fn_Stream_Format_Text();

    // --- ".bea" model (Biz_Proj_Stream_Format_BEA_I.cpp) ------------------------------------------
    // Reads a ".bea" model (narrow text) into this new project: its nodes, elements, material and
    // property cards as one model, and its sections as one group, all without undo records. 1 when
    // the project is complete; 0 when the file was refused (a message naming the line was shown);
    // C_Exception when a line or count cannot be read (a message naming the line first), a schema
    // table is missing, or an add refuses. What was added before a failure stays: the caller drops
    // the project.
    std::uint32_t M_Fn_Stream_Format_BEA_I(std::istream& ro_Stream);
    // The readers of its parts: the node lines, the counted records (skipped), the material lines,
    // the property lines and the element lines (block 8). Each returns 1, or 0 when it refused the
    // file, and throws as above.
    static std::uint32_t M_Fn_Stream_Format_BEA_I_NODE(C_Context_Stream_Format_BEA_I& ro_Context);
    static std::uint32_t M_Fn_Stream_Format_BEA_I_SKIP(C_Context_Stream_Format_BEA_I& ro_Context);
    static std::uint32_t M_Fn_Stream_Format_BEA_I_MATERIAL(C_Context_Stream_Format_BEA_I& ro_Context, C_Proj& ro_Proj);
    static std::uint32_t M_Fn_Stream_Format_BEA_I_P_SHELL(C_Context_Stream_Format_BEA_I& ro_Context, C_Proj& ro_Proj);
    static std::uint32_t M_Fn_Stream_Format_BEA_I_E_SHELL(C_Context_Stream_Format_BEA_I& ro_Context, C_Proj& ro_Proj);

    // Reports the exception being handled (inside a catch block) through the application's
    // exception report, in the name of i_Function; never throws. Used where nothing may pass on.
    static void S_Fn_Report_Exception_Current(const char* i_Function, const char* i_File, int i_Line) noexcept;

private:
    std::wstring m_Name;
    N_UI::N_Tree::C_Signal m_Tree;
    std::unique_ptr<C_Proj_Signal> m_up_Signal;
    std::unique_ptr<C_Mgr_Cmd> m_up_Mgr_Cmd;
    std::unique_ptr<C_Mgr_D_DB_C> m_up_Mgr_D_DB_C;
    std::unique_ptr<C_Mgr_D_DB_C_M> m_up_Mgr_D_DB_C_M;
    std::unique_ptr<C_Mgr_D_DB_C_P> m_up_Mgr_D_DB_C_P;
    std::unique_ptr<C_Mgr_D_DB_N> m_up_Mgr_D_DB_N;
    std::unique_ptr<C_Mgr_D_DB_E> m_up_Mgr_D_DB_E;
    std::unique_ptr<C_Mgr_D_Model> m_up_Mgr_D_Model;
    std::unique_ptr<C_Mgr_D_Sect> m_up_Mgr_D_Sect;
    std::unique_ptr<C_Mgr_Sel> m_up_Mgr_Sel;
    std::unique_ptr<C_Mgr_State> m_up_Mgr_State;
    std::unique_ptr<C_Mgr_Doc> m_up_Mgr_Doc;
    std::unique_ptr<C_Mgr_Frame> m_up_Mgr_Frame;
};

} // namespace N_Biz::N_Proj
