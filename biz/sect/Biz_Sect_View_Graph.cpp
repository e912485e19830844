// The result graph: its curve, its paint and its buttons.
#include "biz/sect/Biz_Sect_View_Graph.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "biz/sect/Biz_Sect_View_Draw.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace N_Biz::N_Sect {

namespace {

bool G_Fn_Finite(std::initializer_list<double> i_Values)
{
    return std::all_of(i_Values.begin(), i_Values.end(), [](double v) { return std::isfinite(v); });
}

// A value as the graph writes it: fixed notation with one decimal, in the "C" locale.
std::wstring G_Fn_Label(double i_Value)
{
    char text[64];
    std::snprintf(text, sizeof(text), "%.1f", i_Value);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

N_Biz::N_Config::C_Config& G_Fn_Config_Mutable(const char* i_Function)
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *p_app->m_sp_Config;
}

} // namespace

C_Graph_Curve G_Fn_Graph_Curve_Build(const C_Result& ro_Result, std::int32_t i_Case, std::int32_t i_Bound,
                                     float i_Modulus)
{
    if (i_Case < 0 || i_Case > 5 || i_Bound < 0 || i_Bound > 1)
        VT_THROW("N_Biz::N_Sect::G_Fn_Graph_Curve_Build");
    C_Graph_Curve curve;
    const C_Result_Case& record = ro_Result.m_Case[std::size_t(i_Case)];
    const auto& stat = record.m_Bound[std::size_t(i_Bound)];
    curve.m_M = stat[0];
    curve.m_C = stat[1];
    curve.m_P = stat[2];
    curve.m_V = stat[4];
    curve.m_W = record.m_Ref;
    const double c = curve.m_C, M = curve.m_M, P = curve.m_P, V = curve.m_V, w = curve.m_W;

    // Displacement per load: a length of 20 section sizes over the stiffness of the case.
    const double size = std::max(double(ro_Result.m_Box[2]) - ro_Result.m_Box[0], double(ro_Result.m_Box[3]) - ro_Result.m_Box[1]);
    double ref = ro_Result.m_Area_Eff;
    if (i_Case == 2 || i_Case == 3)
        ref = 3.0 * double(ro_Result.m_Ixx_Eff);
    else if (i_Case == 4 || i_Case == 5)
        ref = 3.0 * double(ro_Result.m_Iyy_Eff);
    curve.m_S = 20.0 * size / (double(i_Modulus) * ref);
    const double s = curve.m_S;
    curve.m_Xc = s * c;
    curve.m_Xe = s * (c + 3.0 * (M - c));

    const bool decay = i_Case != 1;
    if (!G_Fn_Finite({c, M, P, V, w, s}) || !(s > 0.0) || !(c >= 0.0) || !(c <= M) || !(M > 0.0) || !(M > V) ||
        !(w > 0.0) || (decay && !(V > 0.0)))
        return curve;

    std::vector<std::array<double, 2>> points;
    points.push_back({0.0, 0.0});
    points.push_back({curve.m_Xc, c});
    // The transition: the cubic through (Xc, c) with slope 1 / s and (Xe, M) with slope 0.
    const double h = curve.m_Xe - curve.m_Xc;
    for (int i = 1; i <= 8; ++i) {
        const double t = double(i) / 8.0;
        double y = M;
        if (h > 0.0) {
            const double t2 = t * t, t3 = t2 * t;
            y = (2 * t3 - 3 * t2 + 1) * c + (t3 - 2 * t2 + t) * h / s + (-2 * t3 + 3 * t2) * M;
        }
        points.push_back({curve.m_Xc + t * h, std::clamp(y, c, M)});
    }
    const double dx = w / 20.0;
    const double deg = 3.14159265358979323846 / 180.0;
    if (!decay) {
        for (int i = 1; i <= 80; ++i) {
            const double angle = 9.0 * double(i) * deg;
            const double y = i <= 20 ? (M + V) / 2 + (M - V) / 2 * std::cos(angle) : (P + V) / 2 + (P - V) / 2 * std::cos(angle);
            points.push_back({curve.m_Xe + double(i) * dx, y});
        }
    } else {
        const double rate = std::log(0.05 * V / (M - V));
        for (int i = 1; i <= 30; ++i) {
            const double x = curve.m_Xe + double(i) * dx;
            points.push_back({x, V + (M - V) * std::exp(rate * (x - curve.m_Xe) / w)});
        }
    }
    for (const auto& point : points)
        if (!G_Fn_Finite({point[0], point[1]}))
            return curve;
    curve.m_X = points.back()[0];
    curve.m_Points = std::move(points);
    return curve;
}

// --- paint ---------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_R_Graph_Draw()
{
    if (!m_p_View_Graph)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Graph_Draw");
    const N_Biz::N_Config::C_Config_Data& config = N_View_Draw::G_Fn_Config();
    const std::int32_t k = config.m_Load_Case, b = config.m_Stress_Bound;
    if (k < 0 || k > 5 || b < 0 || b > 1)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Graph_Draw");
    if (config.m_Print_Mode)
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    else
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLineWidth(1.0f);

    C_Mgr_Calc& calc = m_p_Sect->M_Fn_Get_Mgr_Calc();
    calc.M_Fn_Update_If_Stale();
    const C_Result& result = *calc.M_Fn_Get_Result();
    const float gw = float(m_Size_Graph[0]), gh = float(m_Size_Graph[1]);
    if (!result.m_Valid) {
        if (config.m_Print_Mode)
            glColor3f(0.0f, 0.0f, 0.0f);
        else
            glColor3f(1.0f, 1.0f, 1.0f);
        float y = gh - 20.0f;
        N_View_Draw::G_Fn_Text(10.0f, y, L"Analysis failed because :");
        for (const std::wstring& reason : result.m_Msg_Problem) {
            y -= 16.0f;
            N_View_Draw::G_Fn_Text(16.0f, y, reason);
        }
        return;
    }

    const C_Graph_Curve curve = G_Fn_Graph_Curve_Build(result, k, b, calc.m_Modulus_Std);
    const auto& stat = result.m_Case[std::size_t(k)].m_Bound[std::size_t(b)];
    int tw = 0, th = 0;
    for (float value : stat) {
        const std::array<int, 2> extent = N_View_Draw::G_Fn_Text_Extent(G_Fn_Label(value));
        tw = std::max(tw, extent[0]);
        th = std::max(th, extent[1]);
    }
    const float ox = float(tw) + 9.0f, oy = float(th) + 5.0f;
    const float W = gw - float(tw) - 14.0f, H = gh - float(th) - 10.0f;
    if (W <= 0.0f || H <= 0.0f)
        return;

    static const wchar_t* const s_Title[6] = {L"Fz+ (Depends on material's tension curve)", L"Fz-", L"Mx+", L"Mx-",
                                              L"My+", L"My-"};
    glColor3f(1.0f, 1.0f, 1.0f);
    N_View_Draw::G_Fn_Text(5.0f, 5.0f, std::wstring(b == 0 ? L"(L) " : L"(U) ") + s_Title[k]);
    if (k == 0)
        return;

    glColor3f(0.9f, 0.9f, 0.9f);
    glBegin(GL_LINES);
    glVertex2f(ox, oy);
    glVertex2f(ox + W, oy);
    glVertex2f(ox, oy);
    glVertex2f(ox, oy + H);
    glEnd();
    // Without a finite curve only the title, the axes and the labels that have a place are drawn.
    const bool x_scaled = std::isfinite(curve.m_X) && curve.m_X > 1e-6;
    if (curve.M_Fn_Drawable() && !x_scaled)
        return;
    const double sx = x_scaled ? 0.9 * W / curve.m_X : 0.0;
    const bool y_scaled = std::isfinite(curve.m_M) && curve.m_M > 0.0f;
    const double sy = y_scaled ? 0.9 * H / curve.m_M : 0.0;
    const double c = curve.m_C, M = curve.m_M, P = curve.m_P, V = curve.m_V, w = curve.m_W;
    const double Xc = curve.m_Xc, Xe = curve.m_Xe, X = curve.m_X;

    // Value labels of at least 0.1: at their heights on the left, and their displacements below
    // the x axis.
    struct C_Label {
        double m_Value;
        float m_Color[3];
    };
    const C_Label heights[4] = {{c, {0.5f, 1.0f, 0.2f}}, {M, {1.0f, 0.9f, 0.5f}}, {k == 1 ? P : -1.0, {0.5f, 1.0f, 0.8f}},
                                {V, {0.5f, 0.9f, 0.9f}}};
    if (y_scaled)
        for (const C_Label& label : heights)
            if (label.m_Value >= 0.1) {
                glColor3fv(label.m_Color);
                N_View_Draw::G_Fn_Text(5.0f, float(oy + label.m_Value * sy), G_Fn_Label(label.m_Value));
            }
    const C_Label widths[3] = {{Xe, {1.0f, 0.9f, 0.5f}}, {k == 1 ? Xe + 2 * w : -1.0, {0.5f, 1.0f, 0.8f}},
                               {k == 1 ? Xe + w : -1.0, {0.5f, 0.9f, 0.9f}}};
    if (x_scaled)
        for (const C_Label& label : widths)
            if (label.m_Value >= 0.1 && std::isfinite(label.m_Value)) {
                glColor3fv(label.m_Color);
                N_View_Draw::G_Fn_Text(float(ox + label.m_Value * sx), oy - float(th), G_Fn_Label(label.m_Value));
            }
    if (!curve.M_Fn_Drawable())
        return;

    auto vertex = [&](double i_X, double i_Y) { glVertex2d(ox + i_X * sx, oy + i_Y * sy); };
    glColor3f(0.5f, 0.5f, 0.5f);
    glBegin(GL_LINES);
    vertex(Xc, c), vertex(0, c);
    vertex(Xe, M), vertex(Xe, 0);
    vertex(Xe, M), vertex(0, M);
    if (k == 1) {
        vertex(Xe + 2 * w, P), vertex(Xe + 2 * w, 0);
        vertex(X, P), vertex(0, P);
        vertex(Xe + w, V), vertex(Xe + w, 0);
    }
    vertex(X, V), vertex(0, V);
    glEnd();
    glColor3f(0.0f, 1.0f, 0.0f);
    glBegin(GL_LINE_STRIP);
    for (const auto& point : curve.m_Points)
        vertex(point[0], point[1]);
    glEnd();
}

// --- buttons -------------------------------------------------------------------------------------

namespace {

// After a load-case step. The load case is the whole application's: every section of the project
// recalculates and shows it, as the load-case menu commands do.
void G_Fn_Load_Case_Changed(C_Mgr_Frame& ro_Frame)
{
    C_Sect& sect = *ro_Frame.M_Fn_Get_Sect();
    sect.M_Fn_Get_Mgr_Calc().M_Fn_Stale_Set();
    ro_Frame.M_Fn_View_Invalidate(true, true, true, false);
    if (N_Biz::N_Proj::C_Proj* p_proj = sect.M_Fn_Get_Proj())
        p_proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Invalidate_All(1, 1, 1, 1, 0);
}

} // namespace

void C_Mgr_Frame::M_Fn_View_R_Graph_On_LButton_Up()
{
    G_Fn_Config_Mutable("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Graph_On_LButton_Up").M_Fn_Load_Case_Step_Prev();
    G_Fn_Load_Case_Changed(*this);
}

void C_Mgr_Frame::M_Fn_View_R_Graph_On_RButton_Up()
{
    G_Fn_Config_Mutable("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Graph_On_RButton_Up").M_Fn_Load_Case_Step_Next();
    G_Fn_Load_Case_Changed(*this);
}

void C_Mgr_Frame::M_Fn_View_R_Graph_On_MButton_Up()
{
    G_Fn_Config_Mutable("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Graph_On_MButton_Up").M_Fn_Stress_Bound_Toggle();
    // The bound is the whole application's: every section's graph and sheet (rows rebuilt).
    M_Fn_View_Invalidate(false, true, true, true);
    if (N_Biz::N_Proj::C_Proj* p_proj = m_p_Sect->M_Fn_Get_Proj())
        p_proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Invalidate_All(0, 0, 1, 1, 1);
}

} // namespace N_Biz::N_Sect
