#include "biz/proj/Biz_Proj_D_Group_Sect.h"

#include "biz/sect/Biz_Sect.h"
#include "common/Common_Exception.h"

#include <utility>

namespace N_Biz::N_Proj {

C_D_Group_Sect::C_D_Group_Sect()
{
    if (m_Sects.add(T_sp_Sect()) != 0)
        VT_THROW("N_Biz::N_Proj::C_D_Group_Sect::C_D_Group_Sect");
}

C_D_Group_Sect::~C_D_Group_Sect() = default;

void C_D_Group_Sect::M_Fn_Swap(C_D_Group_Sect& ro_Other) noexcept
{
    std::swap(m_Flip, ro_Other.m_Flip);
    std::swap(m_Up, ro_Other.m_Up);
    std::swap(m_Heading, ro_Other.m_Heading);
}

// --- project file --------------------------------------------------------------------------------

E_Result C_D_Group_Sect::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    using namespace N_Common::N_Stream;
    G_Fn_Serialize_O(ro_Stream, m_Index);
    G_Fn_Serialize_O(ro_Stream, m_Flip);
    for (float value : {m_Up.x, m_Up.y, m_Up.z, m_Heading.x, m_Heading.y, m_Heading.z})
        G_Fn_Serialize_O(ro_Stream, value);
    if (ro_Stream.fail())
        return E_Result_Stream_Failure;
    return G_Fn_Serialize_slotvec_O<T_sp_Sect>(ro_Stream, m_Sects, [](std::ostream& ro_Out, const T_sp_Sect& ro_sp_Sect) {
        return G_Fn_Serialize_sp_O<N_Biz::N_Sect::C_Sect>(
            ro_Out, ro_sp_Sect, [](std::ostream& ro_Out2, const N_Biz::N_Sect::C_Sect& ro_Sect) { return ro_Sect.M_Fn_Stream_Serialize_o_O(ro_Out2); });
    });
}

E_Result C_D_Group_Sect::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const std::function<T_sp_Sect()>& i_Fn_Sect_New)
{
    using namespace N_Common::N_Stream;
    if (m_Index != 0 || m_Tree.M_Fn_Is_Connected() || !M_Fn_Is_Empty() || !i_Fn_Sect_New)
        VT_THROW("N_Biz::N_Proj::C_D_Group_Sect::M_Fn_Stream_Serialize_o_I");
    std::uint32_t words[2] = {};
    float values[6] = {};
    for (std::uint32_t& word : words)
        if (G_Fn_Serialize_I(ro_Stream, word) != E_Result_Success)
            return E_Result_Stream_Failure;
    for (float& value : values)
        if (G_Fn_Serialize_I(ro_Stream, value) != E_Result_Success)
            return E_Result_Stream_Failure;
    m_Index = words[0];
    m_Flip = words[1];
    m_Up = C_Vector3f(values[0], values[1], values[2]);
    m_Heading = C_Vector3f(values[3], values[4], values[5]);
    return G_Fn_Serialize_slotvec_I<T_sp_Sect>(ro_Stream, m_Sects, [&](std::istream& ro_In, T_sp_Sect& o_sp_Sect) {
        bool present = false;
        if (N_Common::N_Stream::N_Impl::G_Fn_Read_Present(ro_In, present) != E_Result_Success)
            return E_Result_Stream_Failure;
        if (!present)
            return E_Result_Success;
        o_sp_Sect = i_Fn_Sect_New();
        if (!o_sp_Sect)
            VT_THROW("N_Biz::N_Proj::C_D_Group_Sect::M_Fn_Stream_Serialize_o_I");
        return o_sp_Sect->M_Fn_Stream_Serialize_o_I(ro_In);
    });
}

} // namespace N_Biz::N_Proj
