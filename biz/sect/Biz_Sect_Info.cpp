#include "biz/sect/Biz_Sect_Info.h"

namespace N_Biz::N_Sect {

C_Info::C_Info()
{
    m_Label_Kind[E_Style_Short] = {L"Geom", L"Eqv."};
    m_Label_Kind[E_Style_Medium] = {L"Geometric: ", L"Standard Eqv: "};
    m_Label_Kind[E_Style_Long] = {L"Geometric: ", L"Equivalent if using standard material: "};

    m_Label_Case[E_Style_Short] = {L"Fz+", L"Fz-", L"Mx+", L"Mx-", L"My+", L"My-", L""};
    m_Label_Case[E_Style_Medium] = {L"Axial Force z+:", L"Axial Force z-:", L"Bending Mx+:", L"Bending Mx-:",
                                    L"Bending My+:",    L"Bending My-:",    L""};
    m_Label_Case[E_Style_Long] = {L"Axial force z+: ",     L"Axial force z-: ",     L"Bending moment x+: ",
                                  L"Bending moment x-: ",  L"Bending moment y+: ",  L"Bending moment y-: ",
                                  L""};

    m_Label_Bound[E_Style_Short] = {L"L", L"U"};
    m_Label_Bound[E_Style_Medium] = {L"lower bound ", L"upper bound "};
    m_Label_Bound[E_Style_Long] = {L"(lower bound) ", L"(upper bound) "};

    m_Label_Stat[E_Style_Short] = {L"Max", L"Cri", L"Cor", L"Avg", L"Min"};
    m_Label_Stat[E_Style_Medium] = {L"maximum", L"critical", L"corner (periodic peak)", L"average (periodic mean)",
                                    L"minimum (periodic valley)"};
    m_Label_Stat[E_Style_Long] = m_Label_Stat[E_Style_Medium];

    for (std::size_t c = 0; c < m_Flags.size(); ++c)
        for (auto& stats : m_Flags[c])
            for (std::size_t s = 0; s < stats.size(); ++s)
                stats[s] = (s == 2 || s == 3) ? (c == 1 ? 1 : 0) : 1;
}

C_Info::~C_Info() = default;

} // namespace N_Biz::N_Sect
