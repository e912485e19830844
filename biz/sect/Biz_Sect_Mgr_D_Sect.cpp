#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"

#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/iges/Biz_IGES_Context_Sect_Geom_Build.h"
#include "biz/iges/Biz_IGES_Entity_102_Curve_Composite.h"
#include "biz/iges/Biz_IGES_Entity_314_Color.h"
#include "biz/iges/Biz_IGES_Export_Context_File.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Cmd_Entry_C.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"
#include "common/Common_String_Number.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <locale>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

namespace N_Biz::N_Sect {

namespace {

using C_Vector3f = C_Mgr_D_Sect::C_Vector3f;

C_Vector3f S_Fn_Sub(const C_Vector3f& a, const C_Vector3f& b) { return C_Vector3f(a.x - b.x, a.y - b.y, a.z - b.z); }
C_Vector3f S_Fn_Cross(const C_Vector3f& a, const C_Vector3f& b)
{
    return C_Vector3f(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
float S_Fn_Dot(const C_Vector3f& a, const C_Vector3f& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
bool S_Fn_If_Zero(const C_Vector3f& a)
{
    return std::fabs(a.x) < 1e-6f && std::fabs(a.y) < 1e-6f && std::fabs(a.z) < 1e-6f;
}
// Divides by the length unless the vector is (near) zero.
void S_Fn_Normalize_Nonzero(C_Vector3f& a)
{
    if (S_Fn_If_Zero(a))
        return;
    const float length = std::sqrt(S_Fn_Dot(a, a));
    a = C_Vector3f(a.x / length, a.y / length, a.z / length);
}

// Millimetres per unit of an IGES units flag (1 to 11), or of the units name with flag 3; 0 when
// neither says.
double S_Fn_Units_mm(std::int32_t i_Flag, const std::string& i_Name)
{
    static const double s_Flag[] = {0, 25.4, 1.0, 0, 304.8, 1609344.0, 1000.0, 1000000.0, 0.0254, 0.001, 10.0, 0.0000254};
    if (i_Flag >= 1 && i_Flag <= 11 && i_Flag != 3)
        return s_Flag[i_Flag];
    std::string name;
    for (char c : i_Name)
        if (c != ' ')
            name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    static const std::pair<const char*, double> s_Name[] = {{"IN", 25.4},    {"INCH", 25.4}, {"MM", 1.0},      {"FT", 304.8},
                                                            {"MI", 1609344}, {"M", 1000.0},  {"KM", 1000000}, {"MIL", 0.0254},
                                                            {"UM", 0.001},   {"CM", 10.0},   {"UIN", 0.0000254}};
    for (const auto& [text, mm] : s_Name)
        if (name == text)
            return mm;
    return 0;
}

// The IGES predicate of a curve the import builds on its own: entity use geometry and not
// physically dependent (a logically dependent curve of another system's file is its own curve),
// unless a composite lists it as a member (the composite builds it).
bool S_Fn_Is_Top_Level(const N_Biz::N_IGES::C_Entity& ro_Entity, const std::vector<char>& ro_Member, std::uint32_t i_Slot)
{
    return ro_Entity.M_Fn_Get_Entity_Use() == N_Biz::N_IGES::C_Entity::E_Use_Geometry &&
           !ro_Entity.M_Fn_If_Physically_Dependent() && !(i_Slot < ro_Member.size() && ro_Member[i_Slot]);
}

// Which slots of the table some composite lists as a member.
std::vector<char> S_Fn_Members(const N_Biz::N_IGES::C_Table_Entity& ro_Table)
{
    std::vector<char> member(ro_Table.size(), 0);
    for (std::uint32_t slot = 1; slot < ro_Table.size(); ++slot) {
        if (!ro_Table.is_used_at(slot) || !ro_Table.at(slot))
            continue;
        if (const auto* p_composite = dynamic_cast<const N_Biz::N_IGES::C_Entity_102_Curve_Composite*>(ro_Table.at(slot).get()))
            for (std::int32_t m : p_composite->m_Members)
                if (m > 0 && static_cast<std::size_t>(m) < member.size())
                    member[static_cast<std::size_t>(m)] = 1;
    }
    return member;
}

// The entity at an occupied slot of the file's table; an empty entry there throws.
const N_Biz::N_IGES::C_Entity& S_Fn_Entity_Get(const N_Biz::N_IGES::C_Table_Entity& ro_Table, std::uint32_t i_Slot,
                                              const char* i_Function)
{
    const auto& sp = ro_Table.at(i_Slot);
    if (!sp)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *sp;
}

} // namespace

// --- import --------------------------------------------------------------------------------------

int C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Import(const T_sp_Group& ro_sp_Group,
                                           N_Biz::N_IGES::N_Import::C_Context_File& ro_Context)
{
    const std::string receiver = ro_Context.m_sp_Global ? ro_Context.m_sp_Global->m_Product_Id_Receiver : std::string();
    // Through the document link: an open document (and its window) takes the title too.
    m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_Title_Set(L"Section " + std::to_wstring(m_p_Sect->m_Title_Number_1) + L"-" +
                                                std::to_wstring(m_p_Sect->m_Title_Number_2) + L" " +
                                                N_Common::N_String::G_Fn_To_Wide(receiver));
    M_Fn_Proc_Sub_IGES_Import_Units(ro_Context);
    int result = M_Fn_Proc_Sub_IGES_Import_Determine_Plane(ro_Context);
    if (result != 1)
        return result;
    return M_Fn_Proc_Sub_IGES_Import_Process_Data(ro_Context, ro_sp_Group);
}

void C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Import_Units(N_Biz::N_IGES::N_Import::C_Context_File& ro_Context)
{
    if (!ro_Context.m_sp_Global)
        return;
    const N_Biz::N_IGES::C_Global& global = *ro_Context.m_sp_Global;
    const double mm = S_Fn_Units_mm(global.m_Units_Flag, global.m_Units_Name);
    const std::wstring units = L"units flag " + std::to_wstring(global.m_Units_Flag) + L" (" +
                               N_Common::N_String::G_Fn_To_Wide(global.m_Units_Name) + L")";
    if (mm == 0) {
        C_App::G_Fn_Msg(L"Warning: Unknown " + units + L", coordinates are taken as mm.");
        return;
    }
    // Model space is the real world times the scale.
    const double scale = global.m_Scale_Model_Space > 0.0f ? global.m_Scale_Model_Space : 1.0;
    const double factor = mm / scale;
    if (factor == 1.0)
        return;
    std::wostringstream text;
    text.imbue(std::locale::classic());
    text << L"Coordinates are converted into mm: " << units << L", model space scale " << scale << L", factor " << factor
         << L".";
    C_App::G_Fn_Msg(text.str());
    C_D_Plane::C_Matrix4f to_mm;
    const auto f = static_cast<float>(factor);
    to_mm.M_Fn_Scale_Pre(f, f, f);
    N_Biz::N_IGES::C_Table_Entity& table = ro_Context.m_Table;
    for (std::uint32_t slot = 1; slot < table.size(); ++slot)
        if (table.is_used_at(slot) && table.at(slot))
            table.at(slot)->M_Fn_Transform(to_mm);
}

int C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Import_Determine_Plane(N_Biz::N_IGES::N_Import::C_Context_File& ro_Context)
{
    static const char* const s_Function = "N_Biz::N_Sect::C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Import_Determine_Plane";
    if (!ro_Context.m_sp_Global)
        VT_THROW(s_Function);
    const N_Biz::N_IGES::C_Table_Entity& table = ro_Context.m_Table;

    // The defining points of the top-level curves. A composite's members are dependent entities and
    // are passed over here, but the composite hands over its members' points
    // (C_Entity_102_Curve_Composite::M_Fn_Get_list_o_Vector3_f_Transformed): a file of composites
    // alone must not be left without points and so with the model's xy plane. Keep it so.
    std::vector<N_Biz::N_IGES::C_Vector3_f> points;
    const std::vector<char> member = S_Fn_Members(table);
    for (std::uint32_t slot = 1; slot < table.size(); ++slot) {
        if (!table.is_used_at(slot))
            continue;
        const N_Biz::N_IGES::C_Entity& entity = S_Fn_Entity_Get(table, slot, s_Function);
        if (S_Fn_Is_Top_Level(entity, member, slot))
            entity.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    }
    if (points.empty())
        return 1;

    // The mean of the points, in double to keep many far-out points from losing the small ones.
    double sum[3] = {0, 0, 0};
    for (const auto& p : points) {
        sum[0] += p.x;
        sum[1] += p.y;
        sum[2] += p.z;
    }
    const double n = static_cast<double>(points.size());
    const C_Vector3f center(static_cast<float>(sum[0] / n), static_cast<float>(sum[1] / n),
                            static_cast<float>(sum[2] / n));

    // Normals of consecutive point pairs about the mean, all turned to agree with the first.
    std::vector<C_Vector3f> normals;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const C_Vector3f p(points[i].x, points[i].y, points[i].z);
        const C_Vector3f q(points[i - 1].x, points[i - 1].y, points[i - 1].z);
        C_Vector3f normal = S_Fn_Cross(S_Fn_Sub(p, q), S_Fn_Sub(center, q));
        if (S_Fn_If_Zero(normal))
            continue;
        S_Fn_Normalize_Nonzero(normal);
        if (!normals.empty() && S_Fn_Dot(normal, normals.front()) < 0)
            normal = C_Vector3f(-normal.x, -normal.y, -normal.z);
        normals.push_back(normal);
    }
    if (normals.empty())
        return 1;
    C_Vector3f normal(0, 0, 0);
    for (const auto& v : normals)
        normal = C_Vector3f(normal.x + v.x, normal.y + v.y, normal.z + v.z);
    const float count = static_cast<float>(normals.size());
    normal = C_Vector3f(normal.x / count, normal.y / count, normal.z / count);
    S_Fn_Normalize_Nonzero(normal);
    if (S_Fn_If_Zero(normal))
        return 1;

    C_Vector3f up, heading;
    std::uint32_t flip = 0;
    // Turned as the project turns the planes of its sections ("Section Local Coordinate System").
    m_p_Sect->M_Fn_Get_Proj()->M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Aid_Calc_D_Plane_Heading(up, heading, normal, flip);
    auto sp_plane = std::make_shared<C_D_Plane>();
    C_D_Plane::M_Fn_Asgn_Rotate(sp_plane->m_Matrix, normal, flip, up, heading, center);
    C_D_Plane::C_Matrix4f inverse;
    sp_plane->m_Matrix.M_Fn_Invert(inverse);
    m_p_Sect->M_Fn_Plane_Set(nullptr, sp_plane);

    // Everything into section coordinates: z is then near 0.
    for (std::uint32_t slot = 1; slot < table.size(); ++slot) {
        if (!table.is_used_at(slot))
            continue;
        S_Fn_Entity_Get(table, slot, s_Function);
        ro_Context.m_Table.at(slot)->M_Fn_Transform(inverse);
    }
    return 1;
}

int C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Import_Process_Data(N_Biz::N_IGES::N_Import::C_Context_File& ro_Context,
                                                        const T_sp_Group& ro_sp_Group)
{
    static const char* const s_Function = "N_Biz::N_Sect::C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Import_Process_Data";
    const N_Biz::N_IGES::C_Table_Entity& table = ro_Context.m_Table;
    N_Biz::N_IGES::C_Context_Sect_Geom_Build context(*m_p_Sect, ro_sp_Group, table);
    const std::vector<char> member = S_Fn_Members(table);

    // Ends meet, and a point lies in the plane, within the file's resolution (in mm), and never
    // closer than float coordinates of the section's size and place can tell apart.
    std::vector<N_Biz::N_IGES::C_Vector3_f> points;
    for (std::uint32_t slot = 1; slot < table.size(); ++slot)
        if (table.is_used_at(slot) && S_Fn_Is_Top_Level(S_Fn_Entity_Get(table, slot, s_Function), member, slot))
            table.at(slot)->M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    float extent = 0.0f;
    if (!points.empty()) {
        N_Biz::N_IGES::C_Vector3_f lo = points.front(), hi = points.front();
        for (const auto& p : points) {
            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
            hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
        }
        extent = std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
    }
    const C_D_Plane::C_Matrix4f& plane = m_p_Sect->M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix();
    const float place = std::max({std::fabs(plane.m_Data[12]), std::fabs(plane.m_Data[13]), std::fabs(plane.m_Data[14])});
    float resolution = 0.0f;
    if (ro_Context.m_sp_Global) {
        const N_Biz::N_IGES::C_Global& global = *ro_Context.m_sp_Global;
        const double mm = S_Fn_Units_mm(global.m_Units_Flag, global.m_Units_Name);
        const double scale = global.m_Scale_Model_Space > 0.0f ? global.m_Scale_Model_Space : 1.0;
        resolution = static_cast<float>(std::fabs(global.m_Resolution_Min) * (mm > 0 ? mm : 1.0) / scale);
    }
    context.m_Tolerance = std::max({resolution, 1e-5f * extent, 1e-6f * place, 1e-6f});

    for (std::uint32_t slot = 1; slot < table.size(); ++slot) {
        if (!table.is_used_at(slot))
            continue;
        const N_Biz::N_IGES::C_Entity& entity = S_Fn_Entity_Get(table, slot, s_Function);
        if (!S_Fn_Is_Top_Level(entity, member, slot))
            continue;
        context.M_Fn_Reset_For_Entity(slot);
        const int result = entity.M_Fn_Sect_Geom_Build(context);
        if (result != 1)
            return result;
    }
    if (context.m_Count_Off_Plane > 0)
        C_App::G_Fn_Msg(L"Warning: " + std::to_wstring(context.m_Count_Off_Plane) +
                        L" entities do not lie in the section plane, they are projected onto it.");
    return 1;
}

// --- export --------------------------------------------------------------------------------------

int C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Export()
{
    m_p_Sect->M_Fn_Task_Cancel();
    return M_Fn_Proc_Sub_IGES_Export();
}

int C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Export()
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Export");
    std::wstring path = L"*.igs";
    std::wstring title;
    if (p_app->M_Fn_UI_File_Dialog({L"IGES (*.igs)", L"*.igs", L"All (*)", L"*"}, path, 1, L"Export File As", title) != 1)
        return 1;
    N_Biz::N_IGES::N_Export::C_Context_File context(path, title);
    int result = M_Fn_Proc_Sub_IGES_Export_Global(context);
    if (result == 1)
        result = M_Fn_Proc_Sub_IGES_Export_Process_Data(context);
    if (result == 1)
        result = context.M_Fn_Export();
    return result;
}

int C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Export_Global(N_Biz::N_IGES::N_Export::C_Context_File& ro_Context)
{
    auto sp_global = std::make_shared<N_Biz::N_IGES::C_Global>();
    const std::string product_id = N_Common::N_String::G_Fn_To_Narrow(m_p_Sect->m_Text_2);
    // The application's own name and version (plain ASCII, so the narrow encoding keeps them as they are).
    const std::string name_product = N_Common::N_String::G_Fn_To_Narrow(C_App::S_Product_Name);
    const std::string system_id = name_product + " Ver." + N_Common::N_String::G_Fn_To_Narrow(C_App::S_Version);
    sp_global->m_Delimiter_Param = ',';
    sp_global->m_Delimiter_Record = ';';
    sp_global->m_Product_Id_Sender = product_id;
    sp_global->m_Name_File = N_Common::N_String::G_Fn_To_Narrow(ro_Context.m_Path);
    sp_global->m_System_Id_Native = system_id;
    sp_global->m_Version_Preprocessor = system_id;
    sp_global->m_Bits_Integer = 32;
    sp_global->m_Single_Power_Max = 75;
    sp_global->m_Single_Digits = 6;
    sp_global->m_Double_Power_Max = 75;
    sp_global->m_Double_Digits = 15;
    sp_global->m_Product_Id_Receiver = product_id;
    sp_global->m_Scale_Model_Space = 1.0f;
    sp_global->m_Units_Flag = 2;
    sp_global->m_Units_Name = "mm";
    sp_global->m_Line_Weight_Gradations_Max = 1000;
    sp_global->m_Width_Line_Weight_Max = 1.0f;
    sp_global->m_Date_Generation = "20150101.000000";
    sp_global->m_Resolution_Min = 0.001f;
    sp_global->m_Coord_Max = 10000.0f;
    sp_global->m_Author = name_product;
    sp_global->m_Organization = name_product;
    sp_global->m_Version_Flag = 11;
    sp_global->m_Drafting_Standard_Flag = 0;
    sp_global->m_Date_Modification = "20150101.000000";
    sp_global->m_Application_Protocol.clear();
    ro_Context.m_sp_Global = sp_global;
    return 1;
}

int C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Export_Process_Data(N_Biz::N_IGES::N_Export::C_Context_File& ro_Context)
{
    static const char* const s_Function = "N_Biz::N_Sect::C_Mgr_D_Sect::M_Fn_Proc_Sub_IGES_Export_Process_Data";
    N_Biz::N_IGES::C_Table_Entity& table = ro_Context.m_Table;
    if (table.size() == 0 && table.add(nullptr) != 0)
        VT_THROW(s_Function);

    const C_Mgr_D_Geom_E::T_Store& store = m_p_Sect->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_Store();
    N_Biz::N_Proj::C_Mgr_D_DB_C_P& mgr_p = m_p_Sect->M_Fn_Get_Proj()->M_Fn_Get_Mgr_D_DB_C_P();

    // Entities by property slot (0: none); weld lines are not exported.
    std::map<std::int32_t, std::vector<std::uint32_t>> groups;
    for (std::uint32_t slot = 1; slot < store.size(); ++slot) {
        if (!store.is_used_at(slot))
            continue;
        const auto& sp_entity = store.at(slot);
        if (!sp_entity || sp_entity->m_Id != static_cast<std::int32_t>(slot))
            VT_THROW(s_Function);
        if (sp_entity->M_Fn_Is_Weld())
            continue;
        std::int32_t key = 0;
        if (!sp_entity->m_Key_C_P.M_Fn_Is_Empty()) {
            key = sp_entity->m_Key_C_P.M_Fn_Get_o_T_Pos_Any();
            if (key <= 0)
                VT_THROW(s_Function);
        }
        groups[key].push_back(slot);
    }

    std::vector<bool> taken(store.size(), false);
    for (const auto& [key, members] : groups) {
        std::int32_t color = 8;
        std::uint32_t color_pointer = 0;
        if (key != 0) {
            const auto index = static_cast<std::uint32_t>(key);
            if (index >= mgr_p.M_Fn_Get_Store().size() || !mgr_p.M_Fn_Get_Store().is_used_at(index) ||
                !mgr_p.M_Fn_Get_At(index))
                VT_THROW(s_Function);
            const auto& sp_card = mgr_p.M_Fn_Get_At(index);
            auto sp_color = std::make_shared<N_Biz::N_IGES::C_Entity_314_Color>();
            sp_color->m_Name = N_Common::N_String::G_Fn_To_Narrow(N_Biz::N_IGES::G_Fn_Card_Name_Get(*sp_card, s_Function));
            for (int i = 0; i < 4; ++i)
                sp_color->m_Color[i] = sp_card->m_Display.m_Color_Normal[static_cast<std::size_t>(i)];
            sp_color->M_Fn_Update_Shades();
            const std::uint32_t id = table.next_index();
            if (id == 0)
                VT_THROW(s_Function);
            sp_color->m_Id = static_cast<std::int32_t>(id);
            table.add_at(id, sp_color);
            color = static_cast<std::int32_t>(id);
            color_pointer = 1;
        }

        for (std::uint32_t first : members) {
            if (taken[first])
                continue;
            taken[first] = true;
            const C_D_Geom_Entity& ro_first = *store.at(first);
            // (entity, reversed) in chain order: each member ends where the next begins.
            std::deque<std::pair<std::uint32_t, bool>> chain{{first, false}};
            for (int side = 0; side < 2 && ro_first.M_Fn_Ref_Point_Has_Endpoint(); ++side) {
                const std::uint32_t pos = side == 0 ? ro_first.M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Start()
                                                    : ro_first.M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Terminate();
                if (pos >= ro_first.m_Ref_Points.size())
                    VT_THROW(s_Function);
                std::int32_t id_point = ro_first.m_Ref_Points[pos].m_Id_Point;
                for (;;) {
                    const C_D_Geom_Point& point =
                        m_p_Sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(static_cast<std::uint32_t>(id_point));
                    std::uint32_t found = 0, found_pos = 0;
                    C_Link_Geom_E link = point.m_Head;
                    std::uint32_t steps = 0;
                    while (link.m_Id_Entity != 0 || link.m_Pos != 0) {
                        if (++steps > point.m_Count_Ref + 1)
                            VT_THROW(s_Function);
                        const auto e = static_cast<std::uint32_t>(link.m_Id_Entity);
                        const auto e_pos = static_cast<std::uint32_t>(link.m_Pos);
                        if (e < store.size() && store.is_used_at(e) && store.at(e) && !taken[e]) {
                            const C_D_Geom_Entity& candidate = *store.at(e);
                            if (!candidate.M_Fn_Is_Weld() && candidate.m_Key_C_P == ro_first.m_Key_C_P &&
                                candidate.M_Fn_Ref_Point_Is_Endpoint(e_pos)) {
                                found = e;
                                found_pos = e_pos;
                                break;
                            }
                        }
                        const C_Ref_Geom_P* p_ref = point.M_Fn_Ref_Entity_Get_Next(link, store);
                        if (!p_ref)
                            break;
                        link = p_ref->m_Next;
                    }
                    if (found == 0)
                        break;
                    taken[found] = true;
                    const C_D_Geom_Entity& ro_next = *store.at(found);
                    const bool at_terminate = found_pos == ro_next.M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Terminate();
                    if (side == 0)
                        chain.emplace_front(found, !at_terminate); // it must end at the chain's start
                    else
                        chain.emplace_back(found, at_terminate);   // it must begin at the chain's end
                    if (!ro_next.M_Fn_Ref_Point_Has_Endpoint())
                        break;
                    const std::uint32_t other = ro_next.M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(found_pos);
                    if (other >= ro_next.m_Ref_Points.size())
                        VT_THROW(s_Function);
                    id_point = ro_next.m_Ref_Points[other].m_Id_Point;
                }
            }

            std::int32_t id = 0;
            if (chain.size() == 1) {
                ro_first.M_Fn_IGES_Export(*m_p_Sect, table, id, color, color_pointer, 1, 0);
                if (id <= 0)
                    VT_THROW(s_Function);
                continue;
            }
            auto sp_composite = std::make_shared<N_Biz::N_IGES::C_Entity_102_Curve_Composite>();
            for (const auto& [e, reversed] : chain) {
                store.at(e)->M_Fn_IGES_Export(*m_p_Sect, table, id, color, color_pointer, 0, reversed ? 1 : 0);
                if (id <= 0)
                    VT_THROW(s_Function);
                sp_composite->m_Members.push_back(id);
            }
            if (color_pointer)
                sp_composite->M_Fn_Set_Color_Slot(color);
            else
                sp_composite->M_Fn_Set_Color_Number(color);
            const std::uint32_t id_composite = table.next_index();
            if (id_composite == 0)
                VT_THROW(s_Function);
            sp_composite->m_Id = static_cast<std::int32_t>(id_composite);
            table.add_at(id_composite, sp_composite);
        }
    }
    return 1;
}

// --- scaling -------------------------------------------------------------------------------------

bool C_Mgr_D_Sect::S_Fn_Scale_Parse(const std::wstring& i_Text, float& o_Value)
{
    // The whole text must be the number ("10abc" and "5,5" are not 10 and 5).
    float value = 0;
    if (!N_Common::N_String::G_Fn_Number_Whole(i_Text, value) || !(value >= 0.1f && value <= 10.0f))
        return false;
    o_Value = value;
    return true;
}

int C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale() { return M_Fn_Scale_Cmd(E_Scale_XY); }
int C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale_X() { return M_Fn_Scale_Cmd(E_Scale_X); }
int C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale_Y() { return M_Fn_Scale_Cmd(E_Scale_Y); }

int C_Mgr_D_Sect::M_Fn_Scale_Cmd(E_Scale i_Mode)
{
    m_p_Sect->M_Fn_Task_Cancel();
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale");
    float factor = 1.0f;
    for (;;) {
        std::wstring text = L"1.0";
        if (p_app->M_Fn_UI_Enter_Text(
                L"Please enter the scaling value, 1.0 means no scaling, valid range is 0.1 - 10.0.", text) != 1)
            return 1;
        if (S_Fn_Scale_Parse(text, factor))
            break;
        p_app->M_Fn_Msg(L"Invalid value. valid range is 0.1 - 10.0.");
    }
    return M_Fn_Proc_Cmd_Top_Scale(factor, i_Mode);
}

int C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Scale(float i_Factor, E_Scale i_Mode)
{
    N_Biz::N_Proj::C_Mgr_Cmd& mgr_cmd = m_p_Sect->M_Fn_Get_Proj()->M_Fn_Get_Mgr_Cmd();
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Scale section", m_p_Sect->M_Fn_Get_Mgr_State());
    mgr_cmd.M_Fn_Entry_Run(sp_entry, [&] {
        auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
        sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
        if (i_Mode != E_Scale_XY) {
            // The entities of the section as it is now: the conversion adds lines and removes arcs.
            std::vector<std::shared_ptr<C_D_Geom_Entity>> entities;
            const auto& store = m_p_Sect->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_Store();
            for (std::uint32_t slot = 1; slot < store.size(); ++slot)
                if (store.is_used_at(slot) && store.at(slot))
                    entities.push_back(store.at(slot));
            for (const auto& sp_entity : entities)
                sp_entity->M_Fn_Curve_To_Line(*m_p_Sect, sp_group);
        }
        C_Mgr_D_Geom_P& mgr_p = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P();
        for (std::uint32_t slot = 1; slot < mgr_p.M_Fn_Get_Store().size(); ++slot) {
            if (!mgr_p.M_Fn_Get_Store().is_used_at(slot))
                continue;
            const C_D_Geom_Point& point = mgr_p.M_Fn_Get_At(slot);
            const float x = i_Mode == E_Scale_Y ? point.m_X : point.m_X * i_Factor;
            const float y = i_Mode == E_Scale_X ? point.m_Y : point.m_Y * i_Factor;
            auto up_point = std::make_unique<C_D_Geom_Point>(x, y);
            mgr_p.M_Fn_Proc_Cmd_Sub_Modify_At(slot, up_point, sp_group);
        }
    });
    return 1;
}

} // namespace N_Biz::N_Sect
