// The results of every section of the project as one tab-separated table on the clipboard: one
// row per result quantity, one column per section.
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"

#include "app/App.h"
#include "app/App_Port.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

namespace N_Biz::N_Proj {

std::uint32_t C_Mgr_D_Sect::M_Fn_Calc_Result_For_Clipboard_Copy_All()
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Calc_Result_For_Clipboard_Copy_All";
    T_Table_Text table;
    N_Biz::N_Sect::C_Result_Rows_Switch rows;
    for (std::uint32_t g = 1; g < m_Groups.size(); ++g) {
        if (!m_Groups.is_used_at(g))
            continue;
        const T_sp_Group& sp_group = m_Groups.at(g);
        if (!sp_group)
            VT_THROW(S_Name);
        for (std::uint32_t s = 1; s < sp_group->m_Sects.size(); ++s) {
            if (!sp_group->m_Sects.is_used_at(s))
                continue;
            const T_sp_Sect& sp_sect = sp_group->m_Sects.at(s);
            if (!sp_sect)
                VT_THROW(S_Name);
            // The first section's titles and row choice serve every column.
            if (table.empty()) {
                table.emplace_back();
                sp_sect->M_Fn_Property_Rows_Build(table.back(), rows);
            }
            table.emplace_back();
            table.back().push_back(sp_sect->M_Fn_Title_Get());
            sp_sect->M_Fn_Get_Mgr_Calc().M_Fn_Report_Output(rows, table.back());
        }
    }
    M_Fn_Clipboard_Set_Text(table);
    return 1;
}

std::string C_Mgr_D_Sect::S_Fn_Clipboard_Text(const T_Table_Text& ro_Table)
{
    std::wstring text;
    const std::size_t count = ro_Table.empty() ? 0 : ro_Table.front().size();
    for (std::size_t r = 0; r < count; ++r) {
        for (const std::vector<std::wstring>& column : ro_Table) {
            if (r < column.size())
                text += column[r];
            text += L'\t';
        }
        text += L'\n';
    }
    return N_Common::N_String::G_Fn_To_Narrow_UTF8(text);
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Clipboard_Set_Text(const T_Table_Text& ro_Table)
{
    if (ro_Table.empty())
        return 0;
    const std::string text = S_Fn_Clipboard_Text(ro_Table);
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app)
        return 0;
    switch (p_app->M_Fn_Port().M_Fn_Clipboard_Set_Text(text)) {
    case C_App_Port::E_Clipboard_Set: p_app->M_Fn_Msg(L"Copy complete, you can paste the result to excel or text."); return 1;
    case C_App_Port::E_Clipboard_Set_Failed: p_app->M_Fn_Msg(L"Empty clipboard failed."); return 1;
    default: p_app->M_Fn_Msg(L"Open clipboard failed."); return 0;
    }
}

} // namespace N_Biz::N_Proj
