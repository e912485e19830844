#include "biz/iges/Biz_IGES_Entity_102_Curve_Composite.h"
#include "biz/iges/Biz_IGES_Context_Sect_Geom_Build.h"

#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"
#include "app/App.h"
#include "common/Common_Exception.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace N_Biz::N_IGES {

// Marks a composite as on the current path for the length of one walk over its members.
class C_Guard_Composite {
public:
    C_Guard_Composite(const C_Entity_102_Curve_Composite& ro_Composite, const char* i_Function)
        : m_Composite(ro_Composite)
    {
        if (m_Composite.m_Busy || S_Depth >= C_Entity_102_Curve_Composite::S_Depth_Max)
            throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
        m_Composite.m_Busy = true;
        ++S_Depth;
    }
    ~C_Guard_Composite()
    {
        m_Composite.m_Busy = false;
        --S_Depth;
    }
    C_Guard_Composite(const C_Guard_Composite&) = delete;
    C_Guard_Composite& operator=(const C_Guard_Composite&) = delete;

private:
    const C_Entity_102_Curve_Composite& m_Composite;
    static thread_local int S_Depth;
};

thread_local int C_Guard_Composite::S_Depth = 0;

C_Entity_102_Curve_Composite::C_Entity_102_Curve_Composite(const C_Entity_102_Curve_Composite& ro_Other)
    : C_Entity(ro_Other), m_Members(ro_Other.m_Members)
{
}

C_Entity_102_Curve_Composite& C_Entity_102_Curve_Composite::operator=(const C_Entity_102_Curve_Composite& ro_Other)
{
    C_Entity::operator=(ro_Other);
    m_Members = ro_Other.m_Members;
    return *this;
}

std::unique_ptr<C_Entity> C_Entity_102_Curve_Composite::Clone_apo_Entity() const
{
    return std::make_unique<C_Entity_102_Curve_Composite>(*this);
}

const C_Entity& C_Entity_102_Curve_Composite::M_Fn_Get_ro_Member(const C_Table_Entity& ro_Table, std::size_t i_Index,
                                                                 const char* i_Function) const
{
    if (i_Index >= m_Members.size())
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    const C_Entity& member = S_Fn_Get_ro_Entity(ro_Table, m_Members[i_Index], i_Function);
    if (!S_Fn_If_Curve_Type(member.M_Fn_Get_Type()))
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return member;
}

int C_Entity_102_Curve_Composite::M_Fn_Get_o_Vector3_f_Start(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Get_o_Vector3_f_Start";
    C_Guard_Composite guard(*this, s_Function);
    return M_Fn_Get_ro_Member(ro_Table, 0, s_Function).M_Fn_Get_o_Vector3_f_Start(o_Point, ro_Table);
}

int C_Entity_102_Curve_Composite::M_Fn_Get_o_Vector3_f_Finish(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Get_o_Vector3_f_Finish";
    C_Guard_Composite guard(*this, s_Function);
    if (m_Members.empty())
        VT_THROW(s_Function);
    return M_Fn_Get_ro_Member(ro_Table, m_Members.size() - 1, s_Function).M_Fn_Get_o_Vector3_f_Finish(o_Point, ro_Table);
}

int C_Entity_102_Curve_Composite::M_Fn_Get_list_o_Vector3_f_Without_Start(std::vector<C_Vector3_f>& io_List,
                                                                          const C_Table_Entity& ro_Table) const
{
    static const char* const s_Function =
        "N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Get_list_o_Vector3_f_Without_Start";
    C_Guard_Composite guard(*this, s_Function);
    if (m_Members.empty())
        VT_THROW(s_Function);
    for (std::size_t i = 0; i < m_Members.size(); ++i)
        M_Fn_Get_ro_Member(ro_Table, i, s_Function).M_Fn_Get_list_o_Vector3_f_Without_Start(io_List, ro_Table);
    return 1;
}

int C_Entity_102_Curve_Composite::M_Fn_Get_list_o_Vector3_f_Transformed(std::vector<C_Vector3_f>& io_List,
                                                                        const C_Table_Entity& ro_Table) const
{
    static const char* const s_Function =
        "N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Get_list_o_Vector3_f_Transformed";
    C_Guard_Composite guard(*this, s_Function);
    for (std::size_t i = 0; i < m_Members.size(); ++i)
        M_Fn_Get_ro_Member(ro_Table, i, s_Function).M_Fn_Get_list_o_Vector3_f_Transformed(io_List, ro_Table);
    return 1;
}

void C_Entity_102_Curve_Composite::M_Fn_Draw_Render_Geometry(C_Context_Draw_Render& io_Context) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Draw_Render_Geometry";
    C_Guard_Composite guard(*this, s_Function);
    for (std::size_t i = 0; i < m_Members.size(); ++i)
        M_Fn_Get_ro_Member(*io_Context.m_p_Table, i, s_Function).M_Fn_Draw_Render(io_Context);
}

void C_Entity_102_Curve_Composite::M_Fn_Draw_Select_Geometry(C_Context_Draw_Select& io_Context) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Draw_Select_Geometry";
    C_Guard_Composite guard(*this, s_Function);
    for (std::size_t i = 0; i < m_Members.size(); ++i)
        M_Fn_Get_ro_Member(*io_Context.m_p_Table, i, s_Function).M_Fn_Draw_Select(io_Context);
}

void C_Entity_102_Curve_Composite::M_Fn_Remap_Id(const std::map<std::int32_t, std::int32_t>& ro_Map)
{
    std::vector<std::int32_t> members;
    members.reserve(m_Members.size());
    for (std::int32_t member : m_Members) {
        const auto it = ro_Map.find(member);
        if (it == ro_Map.end())
            VT_THROW("N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Remap_Id");
        members.push_back(it->second);
    }
    C_Entity::M_Fn_Remap_Id(ro_Map);
    m_Members = std::move(members);
}

int C_Entity_102_Curve_Composite::M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                                                    char i_Delimiter_Record)
{
    // Every pointer present takes at least one character of the text, so a count beyond the text
    // is a count the file cannot mean; refusing it keeps a hostile count from sizing the list.
    const std::size_t room = io_Text.size();
    std::int32_t count = 0;
    N_Import::Fn_Read_Free_Field_Integer(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, count);
    m_Members.clear();
    if (count < 1)
        return 1;
    if (std::size_t(count) > room)
        VT_THROW("N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Import_Param");
    m_Members.reserve(std::size_t(count));
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t pointer = 0;
        N_Import::Fn_Read_Free_Field_Integer(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, pointer);
        m_Members.push_back(std::int32_t((std::int64_t(pointer) + 1) / 2));
    }
    return 1;
}

int C_Entity_102_Curve_Composite::M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                                                    char i_Delimiter_Record) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Export_Param";
    if (m_Members.size() > std::size_t(INT32_MAX))
        VT_THROW(s_Function);
    N_Export::Fn_Write_Field_Integer(io_Lines, std::int32_t(m_Members.size()), i_Delimiter_Param,
                                     i_Delimiter_Record, false, N_Export::G_Width_Param);
    for (std::int32_t member : m_Members) {
        const std::int64_t pointer = 2 * std::int64_t(member) - 1;
        if (pointer < INT32_MIN || pointer > INT32_MAX)
            VT_THROW(s_Function);
        N_Export::Fn_Write_Field_Integer(io_Lines, std::int32_t(pointer), i_Delimiter_Param, i_Delimiter_Record,
                                         false, N_Export::G_Width_Param);
    }
    return 1;
}

} // namespace N_Biz::N_IGES

namespace N_Biz::N_IGES {

namespace {

float G_Fn_Distance(const C_Vector3_f& ro_A, const C_Vector3_f& ro_B)
{
    const float dx = ro_A.x - ro_B.x, dy = ro_A.y - ro_B.y, dz = ro_A.z - ro_B.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

} // namespace

int C_Entity_102_Curve_Composite::M_Fn_Sect_Geom_Chain(const C_Context_Sect_Geom_Build& ro_Context,
                                                       std::vector<char>& o_Reversed, C_Vector3_f& o_Start,
                                                       C_Vector3_f& o_Finish, std::size_t& o_Failed) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Sect_Geom_Chain";
    C_Guard_Composite guard(*this, s_Function);
    const float tolerance = ro_Context.m_Tolerance;
    o_Reversed.assign(m_Members.size(), 0);
    o_Failed = 0;
    if (m_Members.empty())
        return 0;
    std::vector<std::pair<C_Vector3_f, C_Vector3_f>> ends(m_Members.size());
    for (std::size_t i = 0; i < m_Members.size(); ++i)
        if (M_Fn_Get_ro_Member(*ro_Context.m_p_Table, i, s_Function)
                .M_Fn_Sect_Geom_Ends(ro_Context, ends[i].first, ends[i].second) != 1) {
            o_Failed = i;
            return 0;
        }
    // The first member runs towards the second one.
    if (ends.size() > 1) {
        const auto meets = [&](const C_Vector3_f& ro_P) {
            return G_Fn_Distance(ends[1].first, ro_P) <= tolerance || G_Fn_Distance(ends[1].second, ro_P) <= tolerance;
        };
        if (!meets(ends[0].second)) {
            if (!meets(ends[0].first)) {
                o_Failed = 1;
                return 0;
            }
            o_Reversed[0] = 1;
        }
    }
    o_Start = o_Reversed[0] ? ends[0].second : ends[0].first;
    C_Vector3_f tail = o_Reversed[0] ? ends[0].first : ends[0].second;
    for (std::size_t i = 1; i < ends.size(); ++i) {
        const float at_start = G_Fn_Distance(ends[i].first, tail);
        const float at_finish = G_Fn_Distance(ends[i].second, tail);
        if (at_start <= tolerance && at_start <= at_finish) {
            tail = ends[i].second;
        } else if (at_finish <= tolerance) {
            o_Reversed[i] = 1;
            tail = ends[i].first;
        } else {
            o_Failed = i;
            return 0;
        }
    }
    o_Finish = tail;
    return 1;
}

int C_Entity_102_Curve_Composite::M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build& ro_Context, C_Vector3_f& o_Start,
                                                      C_Vector3_f& o_Finish) const
{
    std::vector<char> reversed;
    std::size_t failed = 0;
    return M_Fn_Sect_Geom_Chain(ro_Context, reversed, o_Start, o_Finish, failed);
}

int C_Entity_102_Curve_Composite::M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build& io_Context) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity_102_Curve_Composite::M_Fn_Sect_Geom_Build_Geometry";
    if (m_Members.empty()) {
        io_Context.m_Id_Point_End = 0;
        return 1;
    }
    std::vector<char> reversed;
    C_Vector3_f start, finish;
    std::size_t failed = 0;
    if (M_Fn_Sect_Geom_Chain(io_Context, reversed, start, finish, failed) != 1) {
        C_App::G_Fn_Msg(L"Warning: Composite curve entity " + std::to_wstring(io_Context.M_Fn_DE_Curr()) +
                        L" is not imported: its member entity " +
                        std::to_wstring(2 * static_cast<std::int64_t>(m_Members[failed]) - 1) +
                        L" does not join the curve before it.");
        io_Context.m_Id_Point_End = 0;
        return 1;
    }
    C_Guard_Composite guard(*this, s_Function);
    const std::int32_t start_entry = io_Context.m_Id_Point_Start;
    const std::int32_t reversed_entry = io_Context.m_Reversed;
    const std::uint32_t slot_entry = io_Context.m_Slot_Curr;
    auto restore = [&] {
        io_Context.m_Id_Point_Start = start_entry;
        io_Context.m_Reversed = reversed_entry;
        io_Context.m_Slot_Curr = slot_entry;
    };
    try {
        // Each member starts where the one before ended, at whichever of its ends meets it; the
        // composite built in reverse takes its members last to first, each turned round.
        const std::size_t count = m_Members.size();
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t i = reversed_entry ? count - 1 - k : k;
            io_Context.m_Reversed = (reversed[i] != 0) != (reversed_entry != 0) ? 1 : 0;
            io_Context.m_Slot_Curr = static_cast<std::uint32_t>(m_Members[i]);
            io_Context.m_Id_Point_End = 0;
            const int result = M_Fn_Get_ro_Member(*io_Context.m_p_Table, i, s_Function).M_Fn_Sect_Geom_Build(io_Context);
            if (result != 1) {
                restore();
                return result;
            }
            // A member that built nothing (blanked, refused) leaves a gap: the next one starts anew.
            io_Context.m_Id_Point_Start = io_Context.m_Id_Point_End;
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return 1;
}

} // namespace N_Biz::N_IGES
