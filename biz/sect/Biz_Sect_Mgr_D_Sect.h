// The section's exchange manager: a new section filled from an IGES file, a section written to an
// IGES file, and the scaling of a section. It holds its section.
//
// Import. The project has read the file; the section takes its title from the file, a plane that
// fits the file's top-level curves (their defining points' mean as origin, the mean of the
// normals of consecutive point pairs about that mean as normal), and its geometry from the
// entities, built through the undoable add operations in the caller's command group.
//   - Units: coordinates are converted into mm from the file's units flag (or units name) and
//     model space scale, with a message; the program's own files (mm, scale 1) are taken as they
//     stand.
//   - Top-level curves: entity use geometry and not physically dependent (subordinate switch 0 or
//     2), and not listed as a member by a composite, which builds its members itself.
//   - Composites: members are joined end to end, each turned round when its finish, not its start,
//     meets the curve before it; a composite whose member meets neither end is not imported, with
//     a message naming both.
//   - Off the plane: an arc that does not lie in the section plane is not imported (its projection
//     is no circular arc), with a message naming it; lines and B-splines are projected onto the
//     plane, with one warning counting them.
//
// Export. Weld lines stay out. The other entities are grouped by property: one colour definition
// per property (its name and display colour), white (colour number 8) for entities without one.
// Within a group, entities joined end to end form chains; a chain of one entity is written as that
// entity, a longer chain as one composite curve of the entities in chain order.
//
// Scaling. The factor comes from the text-entry dialog (0.1 to 10.0); every point moves through
// the undoable point modify in one history entry "Scale section". Scaling one axis first turns
// arcs into lines, since a stretched arc is no circle.
#pragma once

#include "common/Common_Math_Vector.h"

#include <cstdint>
#include <memory>
#include <string>

namespace N_Biz::N_Cmd {
class C_Elem_Group;
}
namespace N_Biz::N_IGES::N_Import {
class C_Context_File;
}
namespace N_Biz::N_IGES::N_Export {
class C_Context_File;
}

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_D_Sect {
public:
    using T_sp_Group = std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>;
    using C_Vector3f = N_Common::N_Math::C_Vector3<float>;

    // What a scaling changes: both coordinates, x only or y only.
    enum E_Scale : std::int32_t { E_Scale_XY = 0, E_Scale_X = 1, E_Scale_Y = 2 };

    explicit C_Mgr_D_Sect(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect) {}
    C_Mgr_D_Sect(const C_Mgr_D_Sect&) = delete;
    C_Mgr_D_Sect& operator=(const C_Mgr_D_Sect&) = delete;

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }

    // --- import ---------------------------------------------------------------------------------
    // Fills this new, empty section from the read file: the title "Section n1-n2 " + the file's
    // receiver product identification, the plane, then the geometry in ro_sp_Group. Returns 1 or
    // the first failing step's result; the partial geometry stays in the group.
    int M_Fn_Proc_Sub_IGES_Import(const T_sp_Group& ro_sp_Group, N_Biz::N_IGES::N_Import::C_Context_File& ro_Context);
    // Converts the file's coordinates into mm (see the class comment).
    void M_Fn_Proc_Sub_IGES_Import_Units(N_Biz::N_IGES::N_Import::C_Context_File& ro_Context);
    // Sets the plane of the file's top-level curves directly (no undo step: the section is new)
    // and carries every entity into section coordinates. No global record throws C_Exception;
    // fewer than two points, or points all in line with their mean, keep the identity plane.
    int M_Fn_Proc_Sub_IGES_Import_Determine_Plane(N_Biz::N_IGES::N_Import::C_Context_File& ro_Context);
    // Builds every top-level entity's geometry in ro_sp_Group, with one build record for all.
    int M_Fn_Proc_Sub_IGES_Import_Process_Data(N_Biz::N_IGES::N_Import::C_Context_File& ro_Context,
                                               const T_sp_Group& ro_sp_Group);

    // --- export ---------------------------------------------------------------------------------
    // The document's export command: ends the running task, then M_Fn_Proc_Sub_IGES_Export.
    int M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Export();
    // The save dialog "Export File As" ("IGES (*.igs)", "All (*)"); cancelled: 1 and nothing
    // written. Otherwise global record, data and file; the first result other than 1 is returned.
    int M_Fn_Proc_Sub_IGES_Export();
    // The global record of an exported file (millimetres, fixed dates, the product's name).
    int M_Fn_Proc_Sub_IGES_Export_Global(N_Biz::N_IGES::N_Export::C_Context_File& ro_Context);
    // The entities (see the class comment). Returns 1; inconsistent section data throw C_Exception.
    int M_Fn_Proc_Sub_IGES_Export_Process_Data(N_Biz::N_IGES::N_Export::C_Context_File& ro_Context);

    // --- scaling --------------------------------------------------------------------------------
    // Ask for the factor (again after the message "Invalid value. valid range is 0.1 - 10.0."
    // until it is valid or the dialog is cancelled), then one entry "Scale section". Return 1.
    int M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale();
    int M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale_X();
    int M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale_Y();
    // The scaling itself, without a dialog: one entry "Scale section" (curves to lines first for
    // one axis). Returns 1.
    int M_Fn_Proc_Cmd_Top_Scale(float i_Factor, E_Scale i_Mode);
    // Whether the text is a factor the scaling accepts (a float, 0.1 to 10.0 both included).
    static bool S_Fn_Scale_Parse(const std::wstring& i_Text, float& o_Value);

private:
    int M_Fn_Scale_Cmd(E_Scale i_Mode);

    C_Sect* m_p_Sect;
};

} // namespace N_Biz::N_Sect
