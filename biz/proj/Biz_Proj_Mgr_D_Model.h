// The model manager of the project: the imported finite-element models, and the only way a model
// enters or leaves the project.
//
// Models live in a slot table whose slot 0 holds an empty pointer for the manager's whole life; a
// model's slot is also its id (0: not in a project). Two raw operations put a model into a slot and
// take it out again (the undo element C_Elem_D_Model_Add_At and the project readers use them); the
// two import commands turn a Nastran bulk-data file or a Dyna keyword file into a new model, as one
// undo entry ("Input Nastran", "Input Dyna") whose group holds the card adds in processing order
// and the model add last.
//
// The manager is also the project's side of its models (N_Biz::N_Model::C_Proj_Port): the card
// tables, palette colours and undoable card adds that the models and the import reach.
//
// Threads. The import commands run on the import worker thread (M_Fn_Import_Start), while the
// interface thread only shows the progress record; the worker reaches the window only through the
// application's queue. Everything else runs on the interface thread.
#pragma once

#include "app/UI_Tree_Signal.h"
#include "biz/model/Biz_Model_Proj_Port.h"
#include "common/Common_Container_slotvec.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <thread>

namespace N_Biz::N_Model {
class C_Model;
}
namespace N_Biz::N_DB {
class C_Row_Element_2D;
}

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_D_Model : public N_Model::C_Proj_Port {
public:
    using T_sp_Model = std::shared_ptr<N_Model::C_Model>;
    using T_Table = N_Common::N_Container::slotvec<T_sp_Model>;

    // The deck formats of the import.
    enum E_Format : std::uint32_t { E_Format_Dyna = 2, E_Format_Nastran = 3 };

    // Stores the owner and puts the empty pointer into slot 0 (C_Exception when that is not slot 0).
    explicit C_Mgr_D_Model(C_Proj* i_p_Proj);
    C_Mgr_D_Model(const C_Mgr_D_Model&) = delete;
    C_Mgr_D_Model& operator=(const C_Mgr_D_Model&) = delete;
    ~C_Mgr_D_Model() override;

    // A new empty model owned by this project (the owner statics of C_Model set and cleared around
    // its construction).
    T_sp_Model M_Fn_Model_New();

    // Puts ro_sp_Model into slot i_Index: refused (C_Exception, nothing changed) for an empty
    // pointer, a model that has an id, index 0 or a slot in use. Then the model's id is the index,
    // its relations with its cards and its tree item are made (a refusal there takes it out again
    // and passes on), the project is marked modified and its view invalidated.
    void M_Fn_D_Add_At(const T_sp_Model& ro_sp_Model, std::uint32_t i_Index);
    // Takes the model out of slot i_Index into o_sp_Model: refused for index 0, a free slot or an
    // empty pointer. Its nodes and elements first leave the node and element selections (so that no
    // handle is left naming the freed slot), then its relations and tree item are undone, its id
    // becomes 0, the slot is freed, the project is marked modified and its view invalidated.
    void M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Model& o_sp_Model);

    // The model in slot i_Index: a free or out-of-range slot throws C_Exception from the table, a
    // slot without a model (slot 0 among them) C_Exception naming i_Function.
    N_Model::C_Model& M_Fn_Get_Model_At(std::uint32_t i_Index, const char* i_Function) const;
    // The model whose element rows hold ro_Row (a row reached by a pointer, as the property
    // windows reach it), null when no model of the project holds it.
    N_Model::C_Model* M_Fn_Get_Model_Of(const N_DB::C_Row_Element_2D& ro_Row) const;

    // The import commands (worker thread): the file at i_Path becomes a new model named i_Name, as
    // the entry "Input Dyna" ("Input Nastran"). A failed import keeps only the cards it added (an
    // entry of its own, undoable) or nothing at all. An exception cancels the open entry (what was
    // added is taken back) and passes on.
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Dyna(const std::wstring& i_Path, const std::wstring& i_Name);
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(const std::wstring& i_Path, const std::wstring& i_Name);

    // What the import worker thread runs: the import command of i_Format; every exception is
    // caught and reported through the application's exception report (a bad deck never ends the
    // program); then the progress record's running flag is cleared. Never throws.
    void M_Fn_Import_Worker(E_Format i_Format, const std::wstring& i_Path, const std::wstring& i_Name) noexcept;
    // Resets the progress record (running, detail and bar hidden, texts empty, current 0) and
    // starts the worker thread with M_Fn_Import_Worker. The caller shows the progress while the
    // running flag is set, runs the application's queue (C_App::M_Fn_UI_Queue_Run) meanwhile and
    // afterwards, and joins the thread.
    std::thread M_Fn_Import_Start(E_Format i_Format, const std::wstring& i_Path, const std::wstring& i_Name);

    // --- project file ----------------------------------------------------------------------------
    // The model piece of the project file: the slot table, each model as its presence byte, u32
    // its slot, its source path and its name as wide strings, and its data.
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;
    // Reads that piece into this manager, which must hold no model (else C_Exception), once the
    // cards are read (the elements' property keys are resolved against them). The table is read
    // whole, each model a new one of this project; then from slot 1 upward each model enters its
    // slot through M_Fn_D_Add_At (its cards record it, its tree item is added). 1; 0 on a short read
    // or refused input, nothing added; C_Exception for an occupied slot without a model, a model
    // whose stored slot is not its slot, or what the add refuses (a card of its maps missing or
    // owned by another model).
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream);

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    N_UI::N_Tree::C_Signal& M_Fn_Get_Tree() { return m_Tree; }
    const T_Table& M_Fn_Get_Models() const { return m_Models; }

    // The project's side of its models (N_Model::C_Proj_Port).
    const T_Table_C& M_Fn_Table_C() const override;
    const T_Table_C_M& M_Fn_Table_C_M() const override;
    const T_Table_C_P& M_Fn_Table_C_P() const override;
    T_Color M_Fn_Palette_Pick_C_M() const override;
    T_Color M_Fn_Palette_Pick_C_P() const override;
    void M_Fn_C_Add_At(std::uint32_t i_Slot, const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_Common>& ro_sp_Card,
                       const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group) override;
    void M_Fn_C_M_Add_At(std::uint32_t i_Slot, const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Material>& ro_sp_Card,
                         const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group) override;
    void M_Fn_C_P_Add_At(std::uint32_t i_Slot, const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Property>& ro_sp_Card,
                         const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group) override;

private:
    void M_Fn_Import(E_Format i_Format, const std::wstring& i_Path, const std::wstring& i_Name);
    // After the table changed: the models' box, the view's centre and camera are renewed, the
    // project is marked modified and its view invalidated.
    void M_Fn_Changed();

    C_Proj* m_p_Proj;
    N_UI::N_Tree::C_Signal m_Tree;
    T_Table m_Models;
};

} // namespace N_Biz::N_Proj
