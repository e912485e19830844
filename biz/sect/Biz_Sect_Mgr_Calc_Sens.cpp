// Sensitivities: how the section's results move when one card value changes. Each material's
// yield and ultimate stress, then each property's wall thickness, is raised a little, the whole
// calculation rerun (quickly, without the bending directions), and the change divided by the
// change of the value.
//
// The card values are changed in place, outside the undo history, and always written back: on
// every path out of the perturbation, an exception included. Only stored columns are changed: a
// computed (virtual) column has no storage of its own and follows the stored ones by itself.
#include "biz/sect/Biz_Sect_Mgr_Calc.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/sect/Biz_Sect.h"
#include "common/Common_Exception.h"

#include <cmath>
#include <utility>
#include <vector>

namespace N_Biz::N_Sect {

namespace {

using N_Common::N_Math::G_Tolerance;

// The stored single-precision field of column i_Id that the row reaches (through its relations
// when i_Follow_Relations), or null when there is none or the column is computed.
float* G_Fn_Field_Stored(N_DB::C_Row& ro_Row, N_DB::E_Id_Column i_Id, bool i_Follow_Relations)
{
    N_DB::C_Route_Request request;
    request.m_Id = i_Id;
    ro_Row.M_Fn_Route_Walk(request, nullptr, !i_Follow_Relations);
    const N_DB::C_Visitor_Field& field = request.m_Visitor;
    if (field.M_Fn_Is_Empty() || field.M_Fn_Is_Virtual() || field.M_Fn_Type() != N_DB::E_Type_Obj_FLOAT32)
        return nullptr;
    return &field.M_Fn_Ref<float>();
}

// Card values changed for one rerun; the destructor writes every one back, last changed first.
class C_Perturbation {
public:
    C_Perturbation() = default;
    C_Perturbation(const C_Perturbation&) = delete;
    C_Perturbation& operator=(const C_Perturbation&) = delete;
    ~C_Perturbation() { M_Fn_Restore(); }

    // Multiplies the field by i_Factor; returns its earlier value.
    float M_Fn_Scale(float* i_p_Field, float i_Factor)
    {
        m_Saved.emplace_back(i_p_Field, *i_p_Field);
        *i_p_Field *= i_Factor;
        return m_Saved.back().second;
    }
    void M_Fn_Restore() noexcept
    {
        for (auto it = m_Saved.rbegin(); it != m_Saved.rend(); ++it)
            *it->first = it->second;
        m_Saved.clear();
    }

private:
    std::vector<std::pair<float*, float>> m_Saved;
};

// The frame of a sensitivity operation: the unperturbed result is kept aside while the manager
// fills a new one; on leaving, by any path, the results are marked stale so that the next reader
// recomputes the unperturbed ones.
class C_Sen_Frame {
public:
    explicit C_Sen_Frame(C_Mgr_Calc& ro_Mgr, std::shared_ptr<C_Result>& ro_sp_Result)
        : m_Mgr(ro_Mgr), m_sp_Unperturbed(ro_sp_Result)
    {
        ro_sp_Result = std::make_shared<C_Result>();
        m_Mgr.M_Fn_Stale_Set();
    }
    C_Sen_Frame(const C_Sen_Frame&) = delete;
    C_Sen_Frame& operator=(const C_Sen_Frame&) = delete;
    ~C_Sen_Frame() { m_Mgr.M_Fn_Stale_Set(); }

    const C_Result& M_Fn_Unperturbed() const { return *m_sp_Unperturbed; }

private:
    C_Mgr_Calc& m_Mgr;
    std::shared_ptr<C_Result> m_sp_Unperturbed;
};

// (perturbed - unperturbed) x i_Factor for the second moments and every bound of every case.
void G_Fn_Entry_Fill(C_Result_Str_Sen& ro_Entry, const C_Result& ro_New, const C_Result& ro_Old, float i_Factor)
{
    for (std::size_t k = 0; k < 2; ++k) {
        ro_Entry.m_Ixx[k] = (ro_New.m_Prop[k].m_Ixx - ro_Old.m_Prop[k].m_Ixx) * i_Factor;
        ro_Entry.m_Iyy[k] = (ro_New.m_Prop[k].m_Iyy - ro_Old.m_Prop[k].m_Iyy) * i_Factor;
    }
    for (std::size_t c = 0; c < C_Result::S_Num_Case; ++c)
        for (std::size_t b = 0; b < 2; ++b)
            for (std::size_t s = 0; s < 5; ++s)
                ro_Entry.m_Case[c][b][s] = (ro_New.m_Case[c].m_Bound[b][s] - ro_Old.m_Case[c].m_Bound[b][s]) * i_Factor;
}

// The unperturbed results: computed now when stale. 1 when they are valid.
int G_Fn_Sen_Base(C_Mgr_Calc& ro_Mgr)
{
    if (ro_Mgr.M_Fn_Is_Stale()) {
        ro_Mgr.M_Fn_Stale_Clear();
        C_Context_Calc context;
        const int status = ro_Mgr.M_Fn_Update(context);
        if (status != 1)
            return status;
    }
    // Differences against a failed run would be meaningless.
    return ro_Mgr.M_Fn_Get_Result()->m_Valid == 1 ? 1 : 0;
}

// Calls i_Fn(card) for every stored card of a project's card table, slots from 1; a slot without
// a card or a card without data throws in the name of i_Function.
template <class Store, class F>
void G_Fn_For_Card(const Store& ro_Store, const char* i_Function, F&& i_Fn)
{
    for (std::uint32_t slot = 1; slot < ro_Store.size(); ++slot) {
        if (!ro_Store.is_used_at(slot))
            continue;
        const auto& sp_row = ro_Store.elements()[slot];
        if (!sp_row || sp_row->M_Fn_Is_Empty())
            throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
        i_Fn(sp_row);
    }
}

// The section's project; a section without one throws in the name of i_Function.
N_Proj::C_Proj& G_Fn_Proj(C_Sect* i_p_Sect, const char* i_Function)
{
    N_Proj::C_Proj* p_proj = i_p_Sect ? i_p_Sect->M_Fn_Get_Proj() : nullptr;
    if (!p_proj)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *p_proj;
}

// The four corner thicknesses of a property.
constexpr N_DB::E_Id_Column G_Corners[4] = {N_DB::E_Id_Column_Thk_1, N_DB::E_Id_Column_Thk_2, N_DB::E_Id_Column_Thk_3,
                                            N_DB::E_Id_Column_Thk_4};

// One rerun with the perturbed cards: the whole calculation without the bending directions.
int G_Fn_Rerun_Quick(C_Mgr_Calc& ro_Mgr)
{
    C_Context_Calc context;
    context.m_Quick = 1;
    return ro_Mgr.M_Fn_Update(context);
}

} // namespace

int C_Mgr_Calc::M_Fn_Calc_Sen_Limit_Stress_Y(C_Result_Str_Sen_List& o_List)
{
    o_List.m_List.clear();
    const int base = G_Fn_Sen_Base(*this);
    if (base != 1)
        return base;
    static constexpr const char* s_Function = "N_Biz::N_Sect::C_Mgr_Calc::M_Fn_Calc_Sen_Limit_Stress_Y";
    N_Proj::C_Proj& proj = G_Fn_Proj(m_p_Sect, s_Function);
    const C_Sen_Frame frame(*this, m_sp_Result);
    G_Fn_For_Card(proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store(), s_Function, [&](const auto& sp_row) {
        float* p_yield = G_Fn_Field_Stored(*sp_row, N_DB::E_Id_Column_Limit_Stress_Y, false);
        if (!p_yield)
            return;
        const float step = 0.05f * *p_yield;
        if (!(std::fabs(step) >= G_Tolerance))
            return;
        int status;
        {
            C_Perturbation perturbation;
            perturbation.M_Fn_Scale(p_yield, 1.05f);
            if (float* p_ultimate = G_Fn_Field_Stored(*sp_row, N_DB::E_Id_Column_Limit_Stress_U, false))
                perturbation.M_Fn_Scale(p_ultimate, 1.05f);
            status = G_Fn_Rerun_Quick(*this);
        }
        if (status != 1)
            return;
        auto sp_entry = std::make_shared<C_Result_Str_Sen>();
        sp_entry->m_sp_Material = sp_row;
        G_Fn_Entry_Fill(*sp_entry, *m_sp_Result, frame.M_Fn_Unperturbed(), 1.0f / step);
        o_List.m_List.push_back(std::move(sp_entry));
    });
    return 1;
}

int C_Mgr_Calc::M_Fn_Calc_Sen_Thk_Area(C_Result_Str_Sen_List& o_List_By_Area, C_Result_Str_Sen_List& o_List_By_Thk)
{
    o_List_By_Area.m_List.clear();
    o_List_By_Thk.m_List.clear();
    const int base = G_Fn_Sen_Base(*this);
    if (base != 1)
        return base;
    static constexpr const char* s_Function = "N_Biz::N_Sect::C_Mgr_Calc::M_Fn_Calc_Sen_Thk_Area";
    N_Proj::C_Proj& proj = G_Fn_Proj(m_p_Sect, s_Function);
    const C_Sen_Frame frame(*this, m_sp_Result);
    G_Fn_For_Card(proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store(), s_Function, [&](const auto& sp_row) {
        // The thickness as the segments read it: the general one, else the four corner ones
        // (a Dyna part keeps them in its section card).
        std::vector<float*> fields;
        if (float* p_thk = G_Fn_Field_Stored(*sp_row, N_DB::E_Id_Column_Thk, true)) {
            fields.push_back(p_thk);
        } else {
            for (N_DB::E_Id_Column id : G_Corners)
                if (float* p_corner = G_Fn_Field_Stored(*sp_row, id, true))
                    fields.push_back(p_corner);
            if (fields.size() != 4)
                return;
        }
        int status;
        float base_thk = 0.0f;
        {
            C_Perturbation perturbation;
            for (float* p_field : fields)
                base_thk += perturbation.M_Fn_Scale(p_field, 1.1f);
            base_thk /= static_cast<float>(fields.size());
            status = G_Fn_Rerun_Quick(*this);
        }
        if (status != 1)
            return;
        const float d_area = m_sp_Result->m_Prop[0].m_Area - frame.M_Fn_Unperturbed().m_Prop[0].m_Area;
        const float d_thk = 0.1f * base_thk;
        if (!(std::fabs(d_area) >= G_Tolerance) || !(std::fabs(d_thk) >= G_Tolerance))
            return;
        for (auto [p_list, factor] : {std::pair{&o_List_By_Area, 1.0f / d_area}, std::pair{&o_List_By_Thk, 1.0f / d_thk}}) {
            auto sp_entry = std::make_shared<C_Result_Str_Sen>();
            sp_entry->m_sp_Property = sp_row;
            G_Fn_Entry_Fill(*sp_entry, *m_sp_Result, frame.M_Fn_Unperturbed(), factor);
            p_list->m_List.push_back(std::move(sp_entry));
        }
    });
    return 1;
}

} // namespace N_Biz::N_Sect
