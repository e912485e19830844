// A mesh element: the abstract part of every element of a section's wall mesh (the only concrete
// element is the wall segment, C_D_Tess_E_Segment).
//
// An element names its nodes through node-reference records, one per end; each record also carries
// the link to the next element in that node's chain (C_D_Tess_Node). The element manager connects
// an element into the chains of its nodes when it stores it and disconnects it when it removes it.
#pragma once

#include "biz/db/Biz_DB_Key.h"
#include "biz/sect/Biz_Sect_D_Tess.h"
#include "biz/sect/Biz_Sect_D_Tess_Node.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace N_Biz::N_Sect {

// Node reference i of an element: the link to the next element of the node's chain, and the node.
struct C_Ref_Tess_N {
    C_Link_Tess_E m_Next;
    std::uint32_t m_Id_Node = 0;
};

class C_D_Tess_Element : public C_D_Tess {
public:
    using T_Key_C_P = N_Biz::N_DB::C_Key_C_Property;

    C_D_Tess_Element() = default;
    C_D_Tess_Element(const C_D_Tess_Element&) = default;
    C_D_Tess_Element& operator=(const C_D_Tess_Element&) = default;
    ~C_D_Tess_Element() override;

    std::unique_ptr<C_D_Tess> Clone_apo_D_Tess() const override { return Clone_apo_D_Tess_Element(); }
    std::uint32_t M_Fn_Type_Get() const override { return E_Type_Element; }
    std::wstring M_Fn_Type_Name_Get() const override { return L"Element"; }
    // Colour (by the property's or material's card, else the settings' colours) and line width,
    // each set only when it differs from the cached one, then M_Fn_Draw_Geom.
    void M_Fn_Draw(C_Context_Draw_Tess& ro_Context) const override;
    void M_Fn_Draw_Select(C_Context_Draw_Tess& ro_Context) const override { M_Fn_Draw_Geom(ro_Context); }
    // Rows "Element Type: ", "Element Id: ", then M_Fn_Desc_Output_Body, then an empty row and
    // "Weld" for a weld element.
    void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                          C_Context_Desc_Output& ro_Output) const override;

    // An owning copy; the abstract element throws C_Exception.
    virtual std::unique_ptr<C_D_Tess_Element> Clone_apo_D_Tess_Element() const;
    // Whether node reference i_Pos is an end point of the element; the abstract element throws.
    virtual bool M_Fn_Ref_Node_Is_Endpoint(std::uint32_t i_Pos) const;
    // The position of the other end; the abstract element throws.
    virtual std::uint32_t M_Fn_Ref_Node_Get_i_Pos_Node_Ctrl_The_Other_Endpoint(std::uint32_t i_Pos) const;
    // The bare geometry; the abstract element draws nothing.
    virtual void M_Fn_Draw_Geom(C_Context_Draw_Tess& ro_Context) const {}

    // Links every node reference, in order, into its node's chain (the node manager's slot table:
    // a free slot throws). On a failure the references already linked are unlinked again and the
    // exception passes on.
    void M_Fn_Ref_Node_Connect(C_Sect& ro_Sect);
    // Unlinks every node reference, in order.
    void M_Fn_Ref_Node_Disconnect(C_Sect& ro_Sect);
    // The node of end i_Pos (below the number of node references, else C_Exception).
    C_D_Tess_Node& M_Fn_Node_Pos_Get(std::uint32_t i_Pos, C_Sect& ro_Sect) const;
    const C_D_Tess_Node& M_Fn_Node_Pos_Get(std::uint32_t i_Pos, const C_Sect& ro_Sect) const;

    // Drawing helpers shared with the node's joint patch:
    // ORs the picked and selected bits of the property card that ro_Key names (when it lives) and
    // of that card's material card into io_Picked and io_Selected.
    static void S_Fn_Draw_Flags_Or_Cards(const T_Key_C_P& ro_Key, bool& io_Picked, bool& io_Selected);
    // The colour: the card chosen by the colour-by-material switch (material or property of
    // ro_Key), when it lives, in its picked, selected or normal shade; else the settings' picked
    // colour when bit 0 of i_Flag_Own is set, selected when bit 1, else normal.
    static const float* S_Fn_Draw_Color_Choose(const C_Context_Draw_Tess& ro_Context, const T_Key_C_P& ro_Key,
                                               bool i_Picked, bool i_Selected, std::uint32_t i_Flag_Own);
    // glColor4fv / glLineWidth only when the value differs from the one the settings cache.
    static void S_Fn_Draw_Color_Set(C_Context_Draw_Tess& ro_Context, const float* ip_Color);
    static void S_Fn_Draw_Width_Set(C_Context_Draw_Tess& ro_Context, float i_Width);

    // The C_D_Relation_Geom_E_Tess_E record that lists this element, 0 = none.
    std::uint32_t m_Id_Relation = 0;
    // The shell property whose thicknesses and material the element takes; may be empty.
    T_Key_C_P m_Key_C_P;
    std::vector<C_Ref_Tess_N> m_Ref_Nodes;

protected:
    // The rows between the header and the closing part; the abstract element has none.
    virtual void M_Fn_Desc_Output_Body(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                       C_Context_Desc_Output& ro_Output) const
    {
    }
};

} // namespace N_Biz::N_Sect
