#include "biz/sect/Biz_Sect_View_Sheet.h"

#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

namespace {

constexpr std::uint32_t S_Num_Case = 6;
constexpr std::uint32_t S_Num_Stat = 5;

// The section properties by row: symbol and name.
struct C_Prop_Text {
    const wchar_t* m_Symbol;
    const wchar_t* m_Name;
};
constexpr C_Prop_Text G_Prop_Texts[] = {
    {L"A", L"area"},
    {L"Asx", L"equivalent shear x area"},
    {L"Asy", L"equivalent shear y area"},
    {L"Ixy", L"moment of inertia xy"},
    {L"Ix", L"moment of inertia x"},
    {L"Iy", L"moment of inertia y"},
    {L"Imax", L"moment of inertia max"},
    {L"Imin", L"moment of inertia min"},
};
constexpr std::uint32_t S_Num_Prop = sizeof(G_Prop_Texts) / sizeof(G_Prop_Texts[0]);

float G_Fn_Prop_Value(const C_Result_Prop& ro_Prop, std::uint32_t i_Item)
{
    switch (i_Item) {
    case 0: return ro_Prop.m_Area;
    case 1: return ro_Prop.m_Area_Shear_X;
    case 2: return ro_Prop.m_Area_Shear_Y;
    case 3: return ro_Prop.m_Ixy;
    case 4: return ro_Prop.m_Ixx;
    case 5: return ro_Prop.m_Iyy;
    case 6: return ro_Prop.m_I1;
    case 7: return ro_Prop.m_I2;
    default: VT_THROW("N_Biz::N_Sect::G_Fn_Sheet_Row_Value");
    }
}

} // namespace

std::vector<C_Sheet_Row> G_Fn_Sheet_Rows_Build(const C_Info& ro_Info, const C_Result_Rows_Switch& ro_Switch)
{
    std::vector<C_Sheet_Row> rows;
    const auto heading = [&](const std::wstring& ro_Title) {
        C_Sheet_Row row;
        row.m_Title = ro_Title;
        rows.push_back(std::move(row));
    };

    for (std::uint32_t k = 0; k < 2; ++k) {
        heading(ro_Info.m_Label_Kind[C_Info::E_Style_Medium].at(k));
        for (std::uint32_t q = 0; q < S_Num_Prop; ++q) {
            C_Sheet_Row row;
            row.m_Kind = C_Sheet_Row::E_Kind_Prop;
            row.m_Group = k;
            row.m_Item = q;
            row.m_Title = ro_Info.m_Label_Kind[C_Info::E_Style_Short].at(k) + L" " + G_Prop_Texts[q].m_Symbol;
            row.m_Desc = ro_Info.m_Label_Kind[C_Info::E_Style_Long].at(k) + G_Prop_Texts[q].m_Name;
            rows.push_back(std::move(row));
        }
    }

    for (std::uint32_t c = 0; c < S_Num_Case; ++c) {
        heading(ro_Info.m_Label_Case[C_Info::E_Style_Medium].at(c));
        for (std::uint32_t b = 0; b < 2; ++b) {
            if (!ro_Switch.m_Bound[b])
                continue;
            for (std::uint32_t s = 0; s < S_Num_Stat; ++s) {
                if (!ro_Switch.m_Stat[s] || !ro_Info.M_Fn_Flag_Get(c, b, s))
                    continue;
                C_Sheet_Row row;
                row.m_Kind = C_Sheet_Row::E_Kind_Stress;
                row.m_Group = c;
                row.m_Bound = b;
                row.m_Item = s;
                row.m_Title = ro_Info.m_Label_Case[C_Info::E_Style_Short].at(c) + L" " +
                              ro_Info.m_Label_Stat[C_Info::E_Style_Short].at(s);
                row.m_Desc = ro_Info.m_Label_Case[C_Info::E_Style_Long].at(c) +
                             ro_Info.m_Label_Bound[C_Info::E_Style_Long].at(b) +
                             ro_Info.m_Label_Stat[C_Info::E_Style_Long].at(s);
                rows.push_back(std::move(row));
            }
        }
    }
    return rows;
}

float G_Fn_Sheet_Row_Value(const C_Sheet_Row& ro_Row, const C_Result& ro_Result)
{
    switch (ro_Row.m_Kind) {
    case C_Sheet_Row::E_Kind_Heading:
        return 0.0f;
    case C_Sheet_Row::E_Kind_Prop:
        if (ro_Row.m_Group >= ro_Result.m_Prop.size())
            VT_THROW("N_Biz::N_Sect::G_Fn_Sheet_Row_Value");
        return G_Fn_Prop_Value(ro_Result.m_Prop[ro_Row.m_Group], ro_Row.m_Item);
    case C_Sheet_Row::E_Kind_Stress:
        if (ro_Row.m_Group >= S_Num_Case || ro_Row.m_Bound >= 2 || ro_Row.m_Item >= S_Num_Stat)
            VT_THROW("N_Biz::N_Sect::G_Fn_Sheet_Row_Value");
        return ro_Result.m_Case[ro_Row.m_Group].m_Bound[ro_Row.m_Bound][ro_Row.m_Item];
    }
    VT_THROW("N_Biz::N_Sect::G_Fn_Sheet_Row_Value");
}

std::array<std::wstring, 3> G_Fn_Sheet_Row_Cells(const C_Sheet_Row& ro_Row, const C_Result& ro_Result,
                                                 const C_Result& ro_Compared, std::int32_t i_Scientific)
{
    if (ro_Row.m_Kind == C_Sheet_Row::E_Kind_Heading)
        return {};
    const float value = G_Fn_Sheet_Row_Value(ro_Row, ro_Result);
    const float compared = G_Fn_Sheet_Row_Value(ro_Row, ro_Compared);
    const float difference = value - compared;
    return {C_Mgr_Calc::S_Fn_Value_Format(value, i_Scientific), C_Mgr_Calc::S_Fn_Value_Format(compared, i_Scientific),
            C_Mgr_Calc::S_Fn_Value_Format(difference, i_Scientific)};
}

} // namespace N_Biz::N_Sect
