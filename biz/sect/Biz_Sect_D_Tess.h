// The base of every mesh object of a section: mesh nodes, mesh elements and their one concrete
// kind, the wall segment.
//
// Design note. A section's wall is meshed into straight thin-wall segments between nodes; every
// geometry entity builds its own segments and nodes whenever the mesh is rebuilt, and the mesh is
// never stored in the project file. Mesh objects share a flag word and an id (the object's slot
// index in its manager's table, 0 = not stored) and a small virtual interface for the views
// (drawing, picking) and the property pane (description).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace N_Biz::N_Sect {

class C_Sect;
class C_Context_Draw_Tess;
class C_Context_Desc_Output;

class C_D_Tess {
public:
    // Flag word bits of every mesh object.
    enum : std::uint32_t {
        E_Flag_Picked = 0x01,         // in the current pick (P0)
        E_Flag_Selected = 0x02,       // in the selection set (P1)
        E_Flag_Invalid = 0x04,        // a geometric or material value is missing or below 1e-6
        E_Flag_Loop = 0x08,           // lies on a closed loop (clear: in a branch)
        E_Flag_Weld = 0x10,           // weld: thickness from the caller, no property values
        E_Flag_Thk_Individual = 0x20, // thickness given by the caller, not weighted from the property
    };

    // Type codes of M_Fn_Type_Get.
    enum : std::uint32_t { E_Type_Tess = 0, E_Type_Node = 1, E_Type_Element = 2, E_Type_Segment = 3 };

    C_D_Tess() = default;
    C_D_Tess(const C_D_Tess&) = default;
    C_D_Tess& operator=(const C_D_Tess&) = default;
    virtual ~C_D_Tess();

    // An owning copy. The bare base cannot be copied this way: throws C_Exception.
    virtual std::unique_ptr<C_D_Tess> Clone_apo_D_Tess() const;
    virtual std::uint32_t M_Fn_Type_Get() const { return E_Type_Tess; }
    virtual std::wstring M_Fn_Type_Name_Get() const { return L"Tessellation"; }
    // GL drawing in the section's main view with the frame's draw settings; the base draws nothing.
    virtual void M_Fn_Draw(C_Context_Draw_Tess& ro_Context) const {}
    // Drawing for GL_SELECT picking; the base draws nothing.
    virtual void M_Fn_Draw_Select(C_Context_Draw_Tess& ro_Context) const {}
    // Appends description rows (prefix + label + value) to ro_Output; the base appends nothing.
    virtual void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                  C_Context_Desc_Output& ro_Output) const
    {
    }

    // The flag word as the selection template sees it (bits 0 and 1 are the selection's).
    std::uint32_t& M_Fn_Sel_Flag() { return m_Flag; }

    std::uint32_t m_Flag = 0;
    // Slot index in the manager's table; 0 while not stored.
    std::uint32_t m_Id = 0;
};

} // namespace N_Biz::N_Sect
