#include "biz/iges/Biz_IGES_Entity.h"

#include "biz/iges/Biz_IGES_Entity_0_Null.h"
#include "biz/iges/Biz_IGES_Entity_100_Arc_Circular.h"
#include "biz/iges/Biz_IGES_Entity_102_Curve_Composite.h"
#include "biz/iges/Biz_IGES_Entity_110_Line.h"
#include "biz/iges/Biz_IGES_Entity_124_Matrix.h"
#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"
#include "biz/iges/Biz_IGES_Entity_314_Color.h"
#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

namespace N_Biz::N_IGES {

namespace {

// Base colours of the colour numbers 0..8 (red, green, blue).
const float S_Color_Number[9][3] = {
    {0.5f, 0.5f, 0.5f}, {0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f},
    {1.0f, 1.0f, 0.0f}, {1.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 1.0f},
};

// Slot of a directory pointer read from a pointer-or-value field: slot (1-v)/2 for the fields
// whose pointers are negative, (v+1)/2 for those whose pointers are positive.
std::int32_t S_Fn_Slot_Negative(std::int32_t i_Value) { return (1 - i_Value) / 2; }
std::int32_t S_Fn_Slot_Positive(std::int32_t i_Value) { return (i_Value + 1) / 2; }

// The directory pointer of slot s.
std::int64_t S_Fn_Pointer(std::int32_t i_Slot) { return 2 * std::int64_t(i_Slot) - 1; }

} // namespace

C_Entity::~C_Entity() = default;

std::unique_ptr<C_Entity> C_Entity::Clone_apo_Entity() const { return nullptr; }

std::int32_t C_Entity::M_Fn_Get_Type() const { return 0; }

const wchar_t* C_Entity::M_Fn_Get_Name_Type() const { return L"Null"; }

int C_Entity::M_Fn_Get_o_Color_f(const C_Table_Entity& ro_Table, bool i_Selected, bool i_Highlighted,
                                 float o_RGBA[4]) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity::M_Fn_Get_o_Color_f";
    if (M_Fn_If_Color_Pointer()) {
        if (M_Fn_Get_ro_Color(ro_Table).M_Fn_Get_o_Color_f(ro_Table, i_Selected, i_Highlighted, o_RGBA) != 1)
            VT_THROW(s_Function);
        return 1;
    }
    if (m_Color < 0 || m_Color > 8)
        VT_THROW(s_Function);
    for (int i = 0; i < 3; ++i) {
        const float c = S_Color_Number[m_Color][i];
        if (i_Selected) {
            const float inverse = 1.0f - c;
            o_RGBA[i] = inverse + (1.0f - inverse) * 0.75f;
        } else if (i_Highlighted) {
            o_RGBA[i] = c + (1.0f - c) * 0.875f;
        } else {
            o_RGBA[i] = c;
        }
    }
    o_RGBA[3] = 1.0f;
    return 1;
}

int C_Entity::M_Fn_Get_o_Vector3_f_Start(C_Vector3_f&, const C_Table_Entity&) const
{
    VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Get_o_Vector3_f_Start");
}

int C_Entity::M_Fn_Get_o_Vector3_f_Finish(C_Vector3_f&, const C_Table_Entity&) const
{
    VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Get_o_Vector3_f_Finish");
}

int C_Entity::M_Fn_Get_list_o_Vector3_f_Without_Start(std::vector<C_Vector3_f>&, const C_Table_Entity&) const
{
    VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Get_list_o_Vector3_f_Without_Start");
}

int C_Entity::M_Fn_Get_list_o_Vector3_f_Transformed(std::vector<C_Vector3_f>&, const C_Table_Entity&) const
{
    return 1;
}

int C_Entity::M_Fn_Get_o_Vector3_f_Transformed(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table,
                                               const C_Vector3_f& ro_Point) const
{
    if (!M_Fn_If_Matrix()) {
        o_Point = ro_Point;
        return 1;
    }
    M_Fn_Get_ro_Matrix(ro_Table).M_Fn_Transform_Point(o_Point, ro_Point);
    return 1;
}

int C_Entity::M_Fn_Transform(const C_Matrix4_f&) { return 1; }

int C_Entity::M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build&) const { return 1; }

int C_Entity::M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build&, C_Vector3_f&, C_Vector3_f&) const { return 0; }

void C_Entity::M_Fn_Draw_Render_Geometry(C_Context_Draw_Render&) const {}

void C_Entity::M_Fn_Draw_Select_Geometry(C_Context_Draw_Select&) const {}

void C_Entity::M_Fn_Describe(const std::wstring& i_Prefix, std::vector<std::wstring>& io_Lines) const
{
    io_Lines.push_back(i_Prefix + L"Entity Type: " + M_Fn_Get_Name_Type());
    io_Lines.push_back(i_Prefix + L"Entity Id: " + std::to_wstring(m_Id));
}

void C_Entity::M_Fn_Remap_Id(const std::map<std::int32_t, std::int32_t>& ro_Map)
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity::M_Fn_Remap_Id";
    // Every lookup is made before the first change, so a missing id leaves the entity as it was.
    auto mapped = [&](std::int32_t i_Old) {
        const auto it = ro_Map.find(i_Old);
        if (it == ro_Map.end())
            VT_THROW(s_Function);
        return it->second;
    };
    auto field = [&](E_Flag i_Flag, std::int32_t i_Value) { return M_Fn_Flag_Get(i_Flag) ? mapped(i_Value) : i_Value; };
    const std::int32_t id = mapped(m_Id);
    const std::int32_t label_display = field(E_Flag_Pointer_Label_Display, m_Label_Display);
    const std::int32_t view = field(E_Flag_Pointer_View, m_View);
    const std::int32_t level = field(E_Flag_Pointer_Level, m_Level);
    const std::int32_t color = field(E_Flag_Pointer_Color, m_Color);
    const std::int32_t line_font = field(E_Flag_Pointer_Line_Font, m_Line_Font);
    const std::int32_t matrix = field(E_Flag_Matrix, m_Matrix);
    const std::int32_t structure = field(E_Flag_Pointer_Structure, m_Structure);
    m_Id = id;
    m_Label_Display = label_display;
    m_View = view;
    m_Level = level;
    m_Color = color;
    m_Line_Font = line_font;
    m_Matrix = matrix;
    m_Structure = structure;
}

int C_Entity::M_Fn_Import_Param(bool&, std::string_view&, char, char)
{
    VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Import_Param");
}

int C_Entity::M_Fn_Export_Param(std::vector<std::string>&, char, char) const
{
    VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Export_Param");
}

std::shared_ptr<C_Entity> C_Entity::S_Fn_Factory_spo_Entity(std::int32_t i_Type)
{
    switch (i_Type) {
    case 100: return std::make_shared<C_Entity_100_Arc_Circular>();
    case 102: return std::make_shared<C_Entity_102_Curve_Composite>();
    case 110: return std::make_shared<C_Entity_110_Line>();
    case 124: return std::make_shared<C_Entity_124_Matrix>();
    case 126: return std::make_shared<C_Entity_126_Curve_B_Spline_Rational>();
    case 314: return std::make_shared<C_Entity_314_Color>();
    default: return std::make_shared<C_Entity_0_Null>();
    }
}

int C_Entity::M_Fn_Import(const std::vector<std::string>& ro_Lines_D, std::uint32_t i_Line_D,
                          const std::vector<std::string>& ro_Lines_P, char i_Delimiter_Param,
                          char i_Delimiter_Record)
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity::M_Fn_Import";
    using N_Import::Fn_Read_Fixed_Integer;
    if (i_Line_D == 0 || std::size_t(i_Line_D) + 1 >= ro_Lines_D.size())
        VT_THROW(s_Function);
    const std::string& line_1 = ro_Lines_D[i_Line_D];
    const std::string& line_2 = ro_Lines_D[i_Line_D + 1];

    // Second line first: its type must be this entity's, or the entity is of an unsupported type.
    if (Fn_Read_Fixed_Integer(line_2, 1, 8) != M_Fn_Get_Type())
        VT_THROW(s_Function);
    const std::int32_t subordinate = Fn_Read_Fixed_Integer(line_1, 67, 2);
    if (subordinate < 0 || subordinate > 3)
        VT_THROW(s_Function);

    m_Flags = 0;
    const std::int32_t pointer_param = Fn_Read_Fixed_Integer(line_1, 9, 8);
    auto negative_pointer = [&](std::size_t i_Column, E_Flag i_Flag, std::int32_t& o_Field) {
        const std::int32_t v = Fn_Read_Fixed_Integer(line_1, i_Column, 8);
        M_Fn_Flag_Set(i_Flag, v < 0);
        o_Field = v < 0 ? S_Fn_Slot_Negative(v) : v;
    };
    auto positive_pointer = [&](std::size_t i_Column, E_Flag i_Flag, std::int32_t& o_Field) {
        const std::int32_t v = Fn_Read_Fixed_Integer(line_1, i_Column, 8);
        M_Fn_Flag_Set(i_Flag, v > 0);
        o_Field = v > 0 ? S_Fn_Slot_Positive(v) : v;
    };
    negative_pointer(17, E_Flag_Pointer_Structure, m_Structure);
    negative_pointer(25, E_Flag_Pointer_Line_Font, m_Line_Font);
    negative_pointer(33, E_Flag_Pointer_Level, m_Level);
    positive_pointer(41, E_Flag_Pointer_View, m_View);
    positive_pointer(49, E_Flag_Matrix, m_Matrix);
    positive_pointer(57, E_Flag_Pointer_Label_Display, m_Label_Display);
    M_Fn_Set_Blanked((std::uint32_t(Fn_Read_Fixed_Integer(line_1, 65, 2)) & 1u) != 0);
    M_Fn_Set_Subordinate(std::uint32_t(subordinate));
    M_Fn_Set_Entity_Use(std::uint32_t(Fn_Read_Fixed_Integer(line_1, 69, 2)) & 0xFu);
    M_Fn_Set_Hierarchy(std::uint32_t(Fn_Read_Fixed_Integer(line_1, 71, 2)) & 0x7u);

    m_Line_Weight = Fn_Read_Fixed_Integer(line_2, 9, 8);
    const std::int32_t color = Fn_Read_Fixed_Integer(line_2, 17, 8);
    M_Fn_Flag_Set(E_Flag_Pointer_Color, color < 0);
    m_Color = color < 0 ? S_Fn_Slot_Negative(color) : color;
    const std::int32_t count_param = Fn_Read_Fixed_Integer(line_2, 25, 8);
    m_Form = Fn_Read_Fixed_Integer(line_2, 33, 8);
    m_Label = N_Import::Fn_Read_Fixed_Word(line_2, 57, 8);
    m_Subscript = Fn_Read_Fixed_Integer(line_2, 65, 8);

    // The parameter lines named must exist (entry 0 of the array is unused) and every one of them
    // must point back at this entity.
    if (pointer_param < 1 || count_param < 1 ||
        std::int64_t(pointer_param) + count_param - 1 >= std::int64_t(ro_Lines_P.size()))
        VT_THROW(s_Function);
    std::string text;
    text.reserve(std::size_t(count_param) * 64);
    for (std::int32_t i = 0; i < count_param; ++i) {
        const std::string& line = ro_Lines_P[std::size_t(pointer_param) + std::size_t(i)];
        if (Fn_Read_Fixed_Integer(line, 66, 7) != std::int32_t(i_Line_D))
            VT_THROW(s_Function);
        text.append(line, 0, 64);
    }

    bool end = false;
    std::string_view rest(text);
    std::int32_t type = -1;
    N_Import::Fn_Read_Free_Field_Integer(end, rest, i_Delimiter_Param, i_Delimiter_Record, type);
    if (type != M_Fn_Get_Type())
        VT_THROW(s_Function);
    M_Fn_Import_Param(end, rest, i_Delimiter_Param, i_Delimiter_Record);
    return 1;
}

int C_Entity::M_Fn_Export(std::vector<std::string>& io_Lines_D, std::vector<std::string>& io_Lines_P,
                          char i_Delimiter_Param, char i_Delimiter_Record) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity::M_Fn_Export";
    using N_Export::Fn_Format_Fixed_Integer;
    using N_Export::G_Width_Param;
    if (m_Id < 1)
        VT_THROW(s_Function);
    const std::int32_t type = M_Fn_Get_Type();
    const std::int64_t pointer_param = std::int64_t(io_Lines_P.size()) + 1;

    // Composed aside and appended at the end, so a failure leaves both sections as they were.
    std::vector<std::string> lines;
    N_Export::Fn_Write_Field_Integer(lines, type, i_Delimiter_Param, i_Delimiter_Record, false, G_Width_Param);
    M_Fn_Export_Param(lines, i_Delimiter_Param, i_Delimiter_Record);
    N_Export::Fn_Write_Field_Integer(lines, 0, i_Delimiter_Param, i_Delimiter_Record, false, G_Width_Param);
    N_Export::Fn_Write_Field_Integer(lines, 0, i_Delimiter_Param, i_Delimiter_Record, true, G_Width_Param);
    const std::string back_pointer = " " + Fn_Format_Fixed_Integer(S_Fn_Pointer(m_Id), 7);
    for (std::string& line : lines) {
        if (line.size() != G_Width_Param)
            VT_THROW(s_Function);
        line += back_pointer;
    }

    auto negative_pointer = [&](E_Flag i_Flag, std::int32_t i_Field) {
        return Fn_Format_Fixed_Integer(M_Fn_Flag_Get(i_Flag) ? -S_Fn_Pointer(i_Field) : i_Field, 8);
    };
    auto positive_pointer = [&](E_Flag i_Flag, std::int32_t i_Field) {
        return Fn_Format_Fixed_Integer(M_Fn_Flag_Get(i_Flag) ? S_Fn_Pointer(i_Field) : i_Field, 8);
    };
    std::string line_1 = Fn_Format_Fixed_Integer(type, 8);
    line_1 += Fn_Format_Fixed_Integer(pointer_param, 8);
    line_1 += negative_pointer(E_Flag_Pointer_Structure, m_Structure);
    line_1 += negative_pointer(E_Flag_Pointer_Line_Font, m_Line_Font);
    line_1 += negative_pointer(E_Flag_Pointer_Level, m_Level);
    line_1 += positive_pointer(E_Flag_Pointer_View, m_View);
    line_1 += positive_pointer(E_Flag_Matrix, m_Matrix);
    line_1 += positive_pointer(E_Flag_Pointer_Label_Display, m_Label_Display);
    // Status number: four two-column fields. The entity use keeps both of its columns, so a use
    // above 9 read from a file still fits its field.
    line_1 += '0';
    line_1 += char('0' + (M_Fn_If_Blanked() ? 1 : 0));
    line_1 += '0';
    line_1 += char('0' + M_Fn_Get_Subordinate());
    line_1 += char('0' + M_Fn_Get_Entity_Use() / 10);
    line_1 += char('0' + M_Fn_Get_Entity_Use() % 10);
    line_1 += '0';
    line_1 += char('0' + M_Fn_Get_Hierarchy());

    std::string line_2 = Fn_Format_Fixed_Integer(type, 8);
    line_2 += Fn_Format_Fixed_Integer(m_Line_Weight, 8);
    line_2 += Fn_Format_Fixed_Integer(M_Fn_If_Color_Pointer() ? -S_Fn_Pointer(m_Color) : m_Color, 8);
    line_2 += Fn_Format_Fixed_Integer(std::int64_t(lines.size()), 8);
    line_2 += Fn_Format_Fixed_Integer(m_Form, 8);
    line_2.append(16, ' ');
    std::string label = m_Label.substr(0, 8);
    label.resize(8, ' ');
    line_2 += label;
    line_2 += Fn_Format_Fixed_Integer(m_Subscript, 8);

    io_Lines_D.push_back(std::move(line_1));
    io_Lines_D.push_back(std::move(line_2));
    for (std::string& line : lines)
        io_Lines_P.push_back(std::move(line));
    return 1;
}

const C_Entity_314_Color& C_Entity::M_Fn_Get_ro_Color(const C_Table_Entity& ro_Table) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity::M_Fn_Get_ro_Color";
    if (!M_Fn_If_Color_Pointer())
        VT_THROW(s_Function);
    const auto* color = dynamic_cast<const C_Entity_314_Color*>(&S_Fn_Get_ro_Entity(ro_Table, m_Color, s_Function));
    if (!color)
        VT_THROW(s_Function);
    return *color;
}

const C_Entity_124_Matrix& C_Entity::M_Fn_Get_ro_Matrix(const C_Table_Entity& ro_Table) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity::M_Fn_Get_ro_Matrix";
    if (!M_Fn_If_Matrix())
        VT_THROW(s_Function);
    const auto* matrix = dynamic_cast<const C_Entity_124_Matrix*>(&S_Fn_Get_ro_Entity(ro_Table, m_Matrix, s_Function));
    if (!matrix)
        VT_THROW(s_Function);
    return *matrix;
}

void C_Entity::M_Fn_Check_References(const C_Table_Entity& ro_Table) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity::M_Fn_Check_References";
    const E_Flag flags[] = {E_Flag_Pointer_Label_Display, E_Flag_Pointer_View, E_Flag_Pointer_Level,
                            E_Flag_Pointer_Line_Font, E_Flag_Pointer_Structure};
    const std::int32_t fields[] = {m_Label_Display, m_View, m_Level, m_Line_Font, m_Structure};
    for (std::size_t i = 0; i < 5; ++i)
        if (M_Fn_Flag_Get(flags[i]))
            S_Fn_Get_ro_Entity(ro_Table, fields[i], s_Function);
    if (M_Fn_If_Color_Pointer())
        M_Fn_Get_ro_Color(ro_Table);
    if (M_Fn_If_Matrix())
        M_Fn_Get_ro_Matrix(ro_Table);
    if (const auto* composite = dynamic_cast<const C_Entity_102_Curve_Composite*>(this))
        for (std::int32_t member : composite->m_Members)
            if (!S_Fn_If_Curve_Type(S_Fn_Get_ro_Entity(ro_Table, member, s_Function).M_Fn_Get_Type()))
                VT_THROW(s_Function);
}

void C_Entity::M_Fn_Draw_Render_Attribute(const C_Context_Draw_Render& ro_Context) const
{
    glLineWidth((ro_Context.m_Selected || ro_Context.m_Highlighted) ? 3.0f : 1.0f);
    float rgba[4];
    if (M_Fn_Get_o_Color_f(*ro_Context.m_p_Table, ro_Context.m_Selected, ro_Context.m_Highlighted, rgba) == 1)
        glColor3f(rgba[0], rgba[1], rgba[2]);
}

namespace {

// The rules shared by drawing for display and for picking: entity use, blanking, the subordinate
// switch at the top level and the hierarchy inside a composite. i_Attribute sets what the entity
// itself decides (line width and colour, or nothing); i_Geometry draws. The context's top-level
// flag and hierarchy mode are restored on every way out.
template <class T_Context, class T_Attribute, class T_Geometry>
void S_Fn_Draw(const C_Entity& ro_Entity, T_Context& io_Context, const char* i_Function, T_Attribute i_Attribute,
               T_Geometry i_Geometry)
{
    if (!io_Context.m_p_Table)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    if (ro_Entity.M_Fn_Get_Entity_Use() != C_Entity::E_Use_Geometry)
        return;
    const std::int32_t top_level = io_Context.m_Top_Level;
    const std::int32_t mode = io_Context.m_Mode_Hierarchy;
    if (top_level == 1) {
        if (ro_Entity.M_Fn_If_Blanked() || ro_Entity.M_Fn_If_Physically_Dependent())
            return;
    } else {
        if (!ro_Entity.M_Fn_If_Physically_Dependent())
            throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
        if (mode == 0) {
            // Global top-down: the member is drawn with its parent's attributes.
            i_Geometry();
            return;
        }
        if (mode != 1 && mode != 2)
            throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
        if (ro_Entity.M_Fn_If_Blanked())
            return;
    }
    io_Context.m_Top_Level = 0;
    io_Context.m_Mode_Hierarchy = std::int32_t(ro_Entity.M_Fn_Get_Hierarchy());
    try {
        i_Attribute();
        i_Geometry();
    } catch (...) {
        io_Context.m_Mode_Hierarchy = mode;
        io_Context.m_Top_Level = top_level;
        throw;
    }
    io_Context.m_Mode_Hierarchy = mode;
    io_Context.m_Top_Level = top_level;
}

} // namespace

void C_Entity::M_Fn_Draw_Render(C_Context_Draw_Render& io_Context) const
{
    S_Fn_Draw(*this, io_Context, "N_Biz::N_IGES::C_Entity::M_Fn_Draw_Render",
              [&] { M_Fn_Draw_Render_Attribute(io_Context); }, [&] { M_Fn_Draw_Render_Geometry(io_Context); });
}

void C_Entity::M_Fn_Draw_Select(C_Context_Draw_Select& io_Context) const
{
    S_Fn_Draw(*this, io_Context, "N_Biz::N_IGES::C_Entity::M_Fn_Draw_Select", [] {},
              [&] { M_Fn_Draw_Select_Geometry(io_Context); });
}

void C_Entity::M_Fn_Set_Subordinate(std::uint32_t i_Value)
{
    if (i_Value > 3)
        VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Set_Subordinate");
    m_Flags = (m_Flags & ~(0x3u << S_Shift_Subordinate)) | (i_Value << S_Shift_Subordinate);
}

void C_Entity::M_Fn_Set_Hierarchy(std::uint32_t i_Value)
{
    if (i_Value > 7)
        VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Set_Hierarchy");
    m_Flags = (m_Flags & ~(0x7u << S_Shift_Hierarchy)) | (i_Value << S_Shift_Hierarchy);
}

void C_Entity::M_Fn_Set_Entity_Use(std::uint32_t i_Value)
{
    if (i_Value > 15)
        VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Set_Entity_Use");
    m_Flags = (m_Flags & ~(0xFu << S_Shift_Entity_Use)) | (i_Value << S_Shift_Entity_Use);
}

void C_Entity::M_Fn_Set_Color_Number(std::int32_t i_Number)
{
    if (i_Number < 0 || i_Number > 8)
        VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Set_Color_Number");
    M_Fn_Flag_Set(E_Flag_Pointer_Color, false);
    m_Color = i_Number;
}

void C_Entity::M_Fn_Set_Color_Slot(std::int32_t i_Slot)
{
    if (i_Slot < 1)
        VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Set_Color_Slot");
    M_Fn_Flag_Set(E_Flag_Pointer_Color, true);
    m_Color = i_Slot;
}

void C_Entity::M_Fn_Set_Matrix_Slot(std::int32_t i_Slot)
{
    if (i_Slot < 0)
        VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Set_Matrix_Slot");
    M_Fn_Flag_Set(E_Flag_Matrix, i_Slot > 0);
    m_Matrix = i_Slot;
}

const C_Entity& C_Entity::S_Fn_Get_ro_Entity(const C_Table_Entity& ro_Table, std::int32_t i_Slot,
                                             const char* i_Function)
{
    if (i_Slot < 1 || !ro_Table.is_used_at(std::uint32_t(i_Slot)))
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    const std::shared_ptr<C_Entity>& entity = ro_Table.at(std::uint32_t(i_Slot));
    if (!entity)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *entity;
}

bool C_Entity::S_Fn_If_Curve_Type(std::int32_t i_Type)
{
    return i_Type == 100 || i_Type == 102 || i_Type == 110 || i_Type == 126;
}

} // namespace N_Biz::N_IGES
