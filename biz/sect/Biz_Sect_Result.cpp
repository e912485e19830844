#include "biz/sect/Biz_Sect_Result.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"

#include <utility>

namespace N_Biz::N_Sect {

C_Result::C_Result() { M_Fn_Clear(); }

C_Result::C_Result(const C_Result& ro_Other) = default;

C_Result& C_Result::operator=(const C_Result& ro_Other)
{
    if (this == &ro_Other)
        return *this;
    C_Result temp(ro_Other);
    swap(temp);
    return *this;
}

C_Result::~C_Result() = default;

void C_Result::swap(C_Result& ro_Other) noexcept
{
    using std::swap;
    swap(m_Valid, ro_Other.m_Valid);
    m_Msg_1.swap(ro_Other.m_Msg_1);
    m_Msg_Problem.swap(ro_Other.m_Msg_Problem);
    swap(m_Element_Marked, ro_Other.m_Element_Marked);
    swap(m_Box, ro_Other.m_Box);
    swap(m_Dist_Max, ro_Other.m_Dist_Max);
    swap(m_Area_Eff, ro_Other.m_Area_Eff);
    swap(m_Reserved_1, ro_Other.m_Reserved_1);
    swap(m_Ixx_Eff, ro_Other.m_Ixx_Eff);
    swap(m_Iyy_Eff, ro_Other.m_Iyy_Eff);
    swap(m_Reserved_2, ro_Other.m_Reserved_2);
    swap(m_Prop, ro_Other.m_Prop);
    swap(m_Case, ro_Other.m_Case);
    swap(m_Dir, ro_Other.m_Dir);
}

void C_Result::M_Fn_Clear()
{
    m_Valid = 0;
    m_Msg_1.clear();
    m_Msg_Problem.clear();
    m_Element_Marked = 0;
    m_Box.fill(0.0f);
    m_Dist_Max.fill(0.0f);
    m_Area_Eff = 0.0f;
    m_Reserved_1.fill(0.0f);
    m_Ixx_Eff = 0.0f;
    m_Iyy_Eff = 0.0f;
    m_Reserved_2.fill(0.0f);
    m_Prop.fill(C_Result_Prop());
    m_Case.fill(C_Result_Case());
    m_Dir.fill(C_Result_Dir());
}

C_Result_Str_Sen::C_Result_Str_Sen() = default;
C_Result_Str_Sen::C_Result_Str_Sen(const C_Result_Str_Sen& ro_Other) = default;
C_Result_Str_Sen& C_Result_Str_Sen::operator=(const C_Result_Str_Sen& ro_Other) = default;
C_Result_Str_Sen::~C_Result_Str_Sen() = default;

} // namespace N_Biz::N_Sect
