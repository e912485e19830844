// Helpers of the tests on section groups: picks as free positions, the section selection, the
// sections of a group by slot, plane axes and origins, the groups' bytes in the project stream, and
// a group made along picked positions.
#pragma once

#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj_Handle_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "common/Common_Stream_Serialize.h"
#include "tests/proj/Test_Proj_Support_Model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace N_Test_Proj {

using C_Vector3f = N_Common::N_Math::C_Vector3<float>;

inline ::testing::AssertionResult G_Fn_Near(const C_Vector3f& ro_Got, const C_Vector3f& ro_Want, float i_Tol = 1e-4f)
{
    if (std::fabs(ro_Got.x - ro_Want.x) <= i_Tol && std::fabs(ro_Got.y - ro_Want.y) <= i_Tol &&
        std::fabs(ro_Got.z - ro_Want.z) <= i_Tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << ro_Got.x << ", " << ro_Got.y << ", " << ro_Got.z << ") != ("
                                         << ro_Want.x << ", " << ro_Want.y << ", " << ro_Want.z << ")";
}

// Column i_Column (0 local x, 1 local y, 2 local z, 3 origin) of a plane matrix.
inline C_Vector3f G_Fn_Column(const N_Common::N_Math::C_Matrix4<float>& ro_Matrix, int i_Column)
{
    const float* m = ro_Matrix.m_Data + 4 * i_Column;
    return C_Vector3f(m[0], m[1], m[2]);
}

// A section's document as the framework makes one without a window: it links itself to the
// section being created and goes when the section closes it. A frame it is asked for is only
// noted in io_Frames.
class C_Sect_Doc_Headless : public N_Biz::N_Sect::C_Doc {
public:
    explicit C_Sect_Doc_Headless(std::vector<const N_Biz::N_Sect::C_Sect*>* io_p_Frames)
        : m_p_Sect(N_Biz::N_Sect::C_Mgr_Doc::S_Fn_Sect_Creating_Get()), m_p_Frames(io_p_Frames)
    {
        m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Construct(this);
    }
    ~C_Sect_Doc_Headless() override { m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Destruct(); }

    const std::wstring& M_Fn_Get_Title() const override { return m_Title; }
    void M_Fn_Set_Title(const std::wstring& i_Title) override
    {
        m_Title = i_Title;
        m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Set_Title();
    }
    int M_Fn_On_New_Document() override { return 1; }
    void M_Fn_On_Close_Document() override { delete this; }
    int M_Fn_Frame_Create() override
    {
        m_p_Frames->push_back(m_p_Sect);
        return 1;
    }
    int M_Fn_Frame_Close() override { return 0; }

private:
    N_Biz::N_Sect::C_Sect* m_p_Sect;
    std::vector<const N_Biz::N_Sect::C_Sect*>* m_p_Frames;
    std::wstring m_Title;
};

class C_Proj_Sect_Test : public C_Proj_Model_Test {
protected:
    using C_Mgr_D_Sect = N_Biz::N_Proj::C_Mgr_D_Sect;
    using C_D_Group_Sect = N_Biz::N_Proj::C_D_Group_Sect;
    using C_Sect = N_Biz::N_Sect::C_Sect;

    C_Proj_Sect_Test()
    {
        m_App.app().m_sp_Sect_Info = std::make_shared<N_Biz::N_Sect::C_Info>();
        m_App.port().m_Fn_Doc_Sect_Create = [this] {
            new C_Sect_Doc_Headless(&m_Frames); // owned by the section's link until the section closes it
            return 1;
        };
        m_Proj.M_Fn_Tree_Add();
    }
    ~C_Proj_Sect_Test() override { m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Clear(); }

    C_Mgr_D_Sect& mgr() { return m_Proj.M_Fn_Get_Mgr_D_Sect(); }
    // The sections whose frames were opened, in order.
    std::vector<const C_Sect*> m_Frames;
    N_Biz::N_Config::C_Config_Data& config() { return m_App.app().m_sp_Config->M_Fn_Data(); }
    N_Biz::N_Cmd::C_Mgr& history() { return m_Proj.M_Fn_Get_Mgr_Cmd(); }

    // The positions become the node selection set (free positions, in this order).
    void M_Fn_Picks(const std::vector<C_Vector3f>& i_Positions)
    {
        std::vector<N_Biz::N_Proj::C_Handle_D_DB_N> handles;
        for (const C_Vector3f& p : i_Positions)
            handles.push_back({0, 0, p});
        M_Fn_Select_N(handles);
    }
    // The position becomes the node pick alone (what the previews read).
    void M_Fn_Pick_P0(const C_Vector3f& i_Position)
    {
        auto& sel = m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
        sel.M_Fn_Sel_P1_Clear();
        sel.M_Fn_Sel_P0_Clear();
        sel.M_Fn_Sel_P0_Add({0, 0, i_Position});
    }
    // The sections become the section selection set, in this order.
    void M_Fn_Select(const std::vector<C_Sect*>& i_Sects)
    {
        mgr().M_Fn_Sel_P1_Clear();
        mgr().M_Fn_Sel_P0_Clear();
        for (C_Sect* p : i_Sects)
            mgr().M_Fn_Sel_P0_Add(p);
        mgr().M_Fn_Sel_P1_Update_Yes();
        mgr().M_Fn_Sel_P0_Clear();
    }

    C_D_Group_Sect& M_Fn_Group(std::uint32_t i_Group) { return *mgr().M_Fn_Get_Group_At(i_Group); }
    C_Sect* M_Fn_Sect(std::uint32_t i_Group, std::uint32_t i_Slot)
    {
        return M_Fn_Group(i_Group).m_Sects.at(i_Slot).get();
    }
    // The occupied section slots of a group, from 1 upward.
    std::vector<std::uint32_t> M_Fn_Slots(std::uint32_t i_Group)
    {
        std::vector<std::uint32_t> slots;
        const auto& sects = M_Fn_Group(i_Group).m_Sects;
        for (std::uint32_t i = 1; i < sects.size(); ++i)
            if (sects.is_used_at(i))
                slots.push_back(i);
        return slots;
    }
    // The occupied group slots, from 1 upward.
    std::vector<std::uint32_t> M_Fn_Group_Slots()
    {
        std::vector<std::uint32_t> slots;
        const auto& groups = mgr().M_Fn_Get_Groups();
        for (std::uint32_t i = 1; i < groups.size(); ++i)
            if (groups.is_used_at(i))
                slots.push_back(i);
        return slots;
    }
    static const N_Common::N_Math::C_Matrix4<float>& S_Fn_Matrix(const C_Sect& ro_Sect)
    {
        return ro_Sect.M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix();
    }
    static C_Vector3f S_Fn_Origin(const C_Sect& ro_Sect) { return G_Fn_Column(S_Fn_Matrix(ro_Sect), 3); }
    static C_Vector3f S_Fn_Normal(const C_Sect& ro_Sect) { return G_Fn_Column(S_Fn_Matrix(ro_Sect), 2); }

    // The groups as the project stream holds them: the group table, each group's index, flip, up
    // vector and heading, then its section table with each section's piece.
    std::string M_Fn_Groups_Bytes()
    {
        using namespace N_Common::N_Stream;
        std::ostringstream out;
        const E_Result result = G_Fn_Serialize_slotvec_O<C_Mgr_D_Sect::T_sp_Group>(
            out, mgr().M_Fn_Get_Groups(), [](std::ostream& s, const C_Mgr_D_Sect::T_sp_Group& sp) -> E_Result {
                G_Fn_Serialize_O(s, sp->m_Index);
                G_Fn_Serialize_O(s, sp->m_Flip);
                for (float f : {sp->m_Up.x, sp->m_Up.y, sp->m_Up.z, sp->m_Heading.x, sp->m_Heading.y, sp->m_Heading.z})
                    G_Fn_Serialize_O(s, f);
                return G_Fn_Serialize_slotvec_O<C_Mgr_D_Sect::T_sp_Sect>(
                    s, sp->m_Sects, [](std::ostream& s2, const C_Mgr_D_Sect::T_sp_Sect& sp_sect) -> E_Result {
                        return sp_sect->M_Fn_Stream_Serialize_o_O(s2);
                    });
            });
        EXPECT_EQ(result, E_Result_Success);
        return out.str();
    }

    // After the command just run: undo and redo give the same groups byte for byte, and a second
    // undo gives what the first gave.
    void M_Fn_Round_Trip()
    {
        const std::string done = M_Fn_Groups_Bytes();
        history().M_Fn_Undo();
        const std::string undone = M_Fn_Groups_Bytes();
        EXPECT_NE(done, undone);
        history().M_Fn_Redo();
        EXPECT_EQ(M_Fn_Groups_Bytes(), done);
        history().M_Fn_Undo();
        EXPECT_EQ(M_Fn_Groups_Bytes(), undone);
        history().M_Fn_Redo();
        EXPECT_EQ(M_Fn_Groups_Bytes(), done);
    }

    // A group along i_Positions (one section at each, no extra sections, no cut) by the create
    // command; its slot.
    std::uint32_t M_Fn_Group_Along(const std::vector<C_Vector3f>& i_Positions)
    {
        const std::int32_t cut = config().m_Cut_Models;
        config().m_Cut_Models = 0;
        config().m_Extra_Sections = 0;
        M_Fn_Picks(i_Positions);
        const std::uint32_t g = mgr().M_Fn_Get_Groups().next_index();
        EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), 1u);
        config().m_Cut_Models = cut;
        return g;
    }
};

} // namespace N_Test_Proj
