// A mesh node: a position of the section's wall mesh where segments end.
//
// Design note. Nodes are stored by value in the node manager's slot table, so a node is a plain
// record with a virtual interface. Every element that uses a node is linked into the node's chain
// of referring elements: the node holds the head link, and each element's node-reference record
// for this node holds the link to the next element. The chain is kept in descending order of
// (element id, position), a null link counting as element id 0, so the merge pass and the joint
// drawing see the elements meeting at a node in a fixed order without any allocation.
#pragma once

#include "biz/sect/Biz_Sect_D_Tess.h"

#include <cstdint>
#include <memory>
#include <string>

namespace N_Biz::N_Sect {

class C_D_Tess_Element;
struct C_Ref_Tess_N;

// One link of a node's chain: an element and the index of its node reference that names the node.
// A null element ends the chain.
struct C_Link_Tess_E {
    C_D_Tess_Element* m_p_Element = nullptr;
    std::uint32_t m_Pos = 0;
    bool operator==(const C_Link_Tess_E&) const = default;
};

class C_D_Tess_Node : public C_D_Tess {
public:
    C_D_Tess_Node() = default;
    // Copying copies every field, the chain head included.
    C_D_Tess_Node(const C_D_Tess_Node&) = default;
    C_D_Tess_Node& operator=(const C_D_Tess_Node&) = default;
    ~C_D_Tess_Node() override;

    std::unique_ptr<C_D_Tess> Clone_apo_D_Tess() const override { return Clone_apo_D_Tess_Node(); }
    std::uint32_t M_Fn_Type_Get() const override { return E_Type_Node; }
    std::wstring M_Fn_Type_Name_Get() const override { return L"Node"; }
    // The joint patch: with show-thickness on and at least two segment ends here, one 8-vertex
    // polygon of radius half the thinnest meeting thickness, coloured like the meeting segments.
    void M_Fn_Draw(C_Context_Draw_Tess& ro_Context) const override;
    // Rows "Node Id: ", "Referred: ", "X: ", "Y: ", "Stress: ".
    void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                          C_Context_Desc_Output& ro_Output) const override;
    // A heap copy of every field.
    virtual std::unique_ptr<C_D_Tess_Node> Clone_apo_D_Tess_Node() const;

    // Exchanges every field with ro_Other.
    void M_Fn_Swap(C_D_Tess_Node& ro_Other) noexcept;

    // The node reference that continues the chain after ro_Link (its m_Next is the next link), or
    // null for a link without element. Throws C_Exception when that reference does not name this
    // node.
    C_Ref_Tess_N* M_Fn_Ref_Element_Get_Next(const C_Link_Tess_E& ro_Link) const;

    // Links node reference i_Pos of ip_Element into the chain at its place in descending (element
    // id, position) order and counts it (and, when the element says the position is an end point,
    // counts the end point). Throws C_Exception, nothing changed, when that reference does not name
    // this node or the link is already in the chain.
    void M_Fn_Ref_Element_Add(C_D_Tess_Element* ip_Element, std::uint32_t i_Pos);
    // Unlinks node reference i_Pos of ip_Element and uncounts it. Throws C_Exception, nothing
    // changed, when a count is already 0 or the link is not in the chain.
    void M_Fn_Ref_Element_Remove(C_D_Tess_Element* ip_Element, std::uint32_t i_Pos);

    // Head of the chain of referring elements.
    C_Link_Tess_E m_Head;
    // Element references in the chain.
    std::uint32_t m_Count_Ref = 0;
    // Those of them that are end points of their element.
    std::uint32_t m_Count_Endpoint = 0;
    // The geometry point this node stands on, 0 for an interior node of an entity.
    std::uint32_t m_Id_Point = 0;
    float m_X = 0;
    float m_Y = 0;
    // Written by the calculation.
    float m_Stress = 0;
};

} // namespace N_Biz::N_Sect
