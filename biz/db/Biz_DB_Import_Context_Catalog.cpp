#include "biz/db/Biz_DB_Import_Context_Catalog.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Import_Context_Row.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "biz/model/Biz_Model_Data.h"
#include "biz/model/Biz_Model_Proj_Port.h"
#include "common/Common_Exception.h"

#include <algorithm>
#include <iterator>
#include <mutex>
#include <utility>

namespace N_Biz::N_DB::N_Import {

namespace {

// Progress items are added to the record in batches: the display polls every 20 ms, and a lock per
// node of a million-node deck would cost more than the node.
constexpr std::size_t G_Progress_Batch = 1024;

std::wstring G_Fn_Duplicate(std::uint64_t i_Line, const wchar_t* i_Label, std::int32_t i_Id, const wchar_t* i_Tail)
{
    std::wstring text = i_Line > 0 ? C_Context_Msg::S_Fn_Line(i_Line) : std::wstring();
    return text + i_Label + std::to_wstring(i_Id) + i_Tail;
}

// Counts progress items and hands them to the record in batches.
class C_Progress_Count {
public:
    ~C_Progress_Count() { M_Fn_Flush(); }
    void M_Fn_Add()
    {
        if (++m_Pending >= G_Progress_Batch)
            M_Fn_Flush();
    }
    void M_Fn_Flush()
    {
        if (m_Pending == 0)
            return;
        if (C_App* app = C_App::S_Fn_Get()) {
            N_UI::N_Progress::C_Status& status = app->M_Fn_UI_Progress_Get_ro_Status();
            std::lock_guard<std::mutex> lock(status.m_Lock);
            status.m_Current += static_cast<float>(m_Pending);
        }
        m_Pending = 0;
    }

private:
    std::size_t m_Pending = 0;
};

} // namespace

C_Context_Catalog::C_Context_Catalog(N_Model::C_Model_Data& ro_Data, N_Model::C_Proj_Port* i_p_Port,
                                     std::shared_ptr<N_Cmd::C_Elem_Group> i_sp_Group)
    : m_ro_Data(ro_Data), m_p_Port(i_p_Port), m_sp_Group(std::move(i_sp_Group))
{
}

C_Context_Catalog::~C_Context_Catalog() = default;

void C_Context_Catalog::S_Fn_Progress_Step(const wchar_t* i_Title, std::size_t i_Total)
{
    C_App* app = C_App::S_Fn_Get();
    if (!app)
        return;
    N_UI::N_Progress::C_Status& status = app->M_Fn_UI_Progress_Get_ro_Status();
    std::lock_guard<std::mutex> lock(status.m_Lock);
    status.m_Text = i_Title;
    status.m_Detail_Shown = 0;
    status.m_Bar_Shown = 1;
    status.m_Current = 0.0f;
    status.m_Total = static_cast<float>(i_Total);
}

std::uint32_t C_Context_Catalog::M_Fn_Import_Conclude(std::uint32_t i_Read, std::uint64_t i_Lines,
                                                      const std::function<std::uint32_t()>& i_Fn_Check)
{
    if (i_Read == 1 && m_Count_Row == 0) {
        m_Msg.M_Fn_Msg(L"Error: Failed to find any card to import.");
        i_Read = 0;
    }
    if (i_Read != 1) {
        m_Msg.M_Fn_Msg(L"File reading failed.");
        m_Msg.M_Fn_Finish();
        return i_Read;
    }
    m_Msg.M_Fn_Msg(L"File reading finished.");
    m_Msg.M_Fn_Msg(L"  Total number of line: " + std::to_wstring(i_Lines));
    if (i_Fn_Check) {
        const std::uint32_t result = i_Fn_Check();
        if (result != 1) {
            m_Msg.M_Fn_Finish();
            return result;
        }
    }
    m_Msg.M_Fn_Msg(L"Data processing start...");
    const std::uint32_t result = M_Fn_Import_Process();
    m_Msg.M_Fn_Finish();
    m_Msg.M_Fn_Msg(result == 1 ? L"Data processing finished." : L"Data processing failed.");
    return result;
}

void C_Context_Catalog::S_Fn_Progress_Reading()
{
    C_App* app = C_App::S_Fn_Get();
    if (!app)
        return;
    N_UI::N_Progress::C_Status& status = app->M_Fn_UI_Progress_Get_ro_Status();
    std::lock_guard<std::mutex> lock(status.m_Lock);
    status.m_Text = L"Reading file:";
    status.m_Detail.clear();
    status.m_Detail_Shown = 1;
    status.m_Bar_Shown = 0;
}

void C_Context_Catalog::S_Fn_Progress_Line(std::uint64_t i_Count)
{
    if (i_Count % 1024 != 512)
        return;
    if (C_App* app = C_App::S_Fn_Get()) {
        N_UI::N_Progress::C_Status& status = app->M_Fn_UI_Progress_Get_ro_Status();
        std::lock_guard<std::mutex> lock(status.m_Lock);
        status.m_Detail = std::to_wstring(i_Count) + L" lines has been read.";
    }
}

bool C_Context_Catalog::M_Fn_Keyword_Unconcerned_Add(const std::string& i_Keyword)
{
    if (m_Unconcerned.size() >= S_Unconcerned_Max)
        return false;
    return m_Unconcerned.insert(i_Keyword).second;
}

std::uint32_t C_Context_Catalog::M_Fn_Import_Row_Adopt(C_Context_Row& ro_Context, std::uint64_t i_Line)
{
    if (ro_Context.M_Fn_Is_Error())
        return 1;
    std::unique_ptr<C_Row> row = ro_Context.M_Fn_Row_Hand_over();
    if (!row || !row->M_Fn_Info_Table())
        VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Row_Adopt");
    switch (row->M_Fn_Info_Table()->M_Fn_Type_Relation()) {
    case E_Type_Relation_None: {
        if (!dynamic_cast<C_Row_Etc*>(row.get()))
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Row_Adopt");
        m_ro_Data.m_Rows.push_back(N_Common::N_Pointer::lesser_shared_ptr<C_Row>(row.release()));
        return 1;
    }
    case E_Type_Relation_Node: {
        C_Row_Node* node = dynamic_cast<C_Row_Node*>(row.get());
        if (!node || m_Nodes.size() >= 0xFFFFFFF0u)
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Row_Adopt");
        const std::int32_t id = node->M_Fn_Id_Get();
        if (!m_Map_NID.M_Fn_Insert(id, static_cast<std::uint32_t>(m_Nodes.size()))) {
            m_Msg.M_Fn_Warn_Lazy([&] { return G_Fn_Duplicate(i_Line, L"Warning: NID:", id, L" duplicates, node ignored."); });
            return 1;
        }
        M_Fn_Count_Coordinate_System(*node);
        m_Nodes.push_back(std::move(*node));
        ro_Context.M_Fn_Row_Recycle(std::move(row));
        return 1;
    }
    case E_Type_Relation_C_Section: {
        if (!dynamic_cast<C_Row_Common*>(row.get()))
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Row_Adopt");
        const std::int32_t id = row->M_Fn_Id_Get();
        if (m_Map_SECID.count(id)) {
            m_Msg.M_Fn_Warn_Lazy([&] { return G_Fn_Duplicate(i_Line, L"Warning: SECID:", id, L" duplicates, section ignored."); });
            return 1;
        }
        m_Map_SECID.emplace(id, N_Common::N_Pointer::lesser_shared_ptr<C_Row_Common>(static_cast<C_Row_Common*>(row.release())));
        return 1;
    }
    case E_Type_Relation_C_Material: {
        if (!dynamic_cast<C_Row_C_Material*>(row.get()))
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Row_Adopt");
        const std::int32_t id = row->M_Fn_Id_Get();
        if (m_Map_MID.count(id)) {
            m_Msg.M_Fn_Warn_Lazy([&] { return G_Fn_Duplicate(i_Line, L"Warning: MID:", id, L" duplicates, material ignored."); });
            return 1;
        }
        m_Map_MID.emplace(id, N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Material>(static_cast<C_Row_C_Material*>(row.release())));
        return 1;
    }
    case E_Type_Relation_C_Property: {
        if (!dynamic_cast<C_Row_C_Property*>(row.get()))
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Row_Adopt");
        const std::int32_t id = row->M_Fn_Id_Get();
        if (m_Map_PID.count(id)) {
            m_Msg.M_Fn_Warn_Lazy([&] { return G_Fn_Duplicate(i_Line, L"Warning: PID:", id, L" duplicates, property ignored."); });
            return 1;
        }
        m_Map_PID.emplace(id, N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Property>(static_cast<C_Row_C_Property*>(row.release())));
        return 1;
    }
    case E_Type_Relation_Element_2D: {
        C_Row_Element_2D* element = dynamic_cast<C_Row_Element_2D*>(row.get());
        if (!element)
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Row_Adopt");
        m_Elements.push_back(std::move(*element));
        m_Element_Lines.push_back(i_Line);
        ro_Context.M_Fn_Row_Recycle(std::move(row));
        return 1;
    }
    }
    VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Row_Adopt");
}

std::uint32_t C_Context_Catalog::M_Fn_Import_Process()
{
    using T_Step = std::uint32_t (C_Context_Catalog::*)();
    for (T_Step step : {&C_Context_Catalog::M_Fn_Import_Process_Remap, &C_Context_Catalog::M_Fn_Import_Process_Node,
                        &C_Context_Catalog::M_Fn_Import_Process_C_Section, &C_Context_Catalog::M_Fn_Import_Process_C_Material,
                        &C_Context_Catalog::M_Fn_Import_Process_C_Property, &C_Context_Catalog::M_Fn_Import_Process_Element_2D}) {
        const std::uint32_t result = (this->*step)();
        if (result != 1)
            return result;
    }
    return 1;
}

template <class Row>
void C_Context_Catalog::M_Fn_Import_Process_Remap_Key(C_Row& ro_Row, E_Id_Column i_Id,
                                                      const std::map<std::int32_t, N_Common::N_Pointer::lesser_shared_ptr<Row>>& ro_Map,
                                                      const wchar_t* i_Warning)
{
    C_Route_Request request{i_Id, {}};
    ro_Row.M_Fn_Route_Walk_Default(request);
    if (request.m_Visitor.M_Fn_Is_Empty() || request.m_Visitor.M_Fn_Is_Virtual())
        return;
    auto& key = request.m_Visitor.M_Fn_Ref<N_Impl::C_Key<int, Row>>();
    // An empty key is a blank field; a reference is already resolved.
    if (key.M_Fn_Type_Get_E_Type() != N_Impl::E_Type_Key_Id)
        return;
    const std::int32_t id = key.M_Fn_Get_o_T_Key_Any();
    if (id < 0) {
        key = N_Impl::C_Key<int, Row>();
        return;
    }
    const auto found = ro_Map.find(id);
    if (found == ro_Map.end()) {
        key = N_Impl::C_Key<int, Row>();
        m_Msg.M_Fn_Warn_Lazy([&] { return i_Warning + std::to_wstring(id); });
        return;
    }
    if (!found->second)
        VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Process_Remap_Key");
    key = N_Impl::C_Key<int, Row>(found->second);
}

bool C_Context_Catalog::M_Fn_Import_Process_Remap_Key_Node(C_Row_Element_2D& ro_Element, E_Id_Column i_Id, std::int32_t& o_Missing)
{
    const std::uint32_t index = static_cast<std::uint32_t>(i_Id - E_Id_Column_Key_foreign_Node_1);
    if (index >= ro_Element.M_Fn_Node_Num())
        return true;
    // The node references are fixed members of an element row (Biz_DB_Info_Table.h), which is
    // where the route of these columns leads.
    const std::int32_t id = ro_Element.M_Fn_Node_Get(index);
    const std::uint32_t* position = m_Map_NID.M_Fn_Find(id);
    if (!position) {
        o_Missing = id;
        return false;
    }
    if (*position >= m_Nodes.size())
        VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Process_Remap_Key_Node");
    ro_Element.M_Fn_Node_Set(index, static_cast<std::int32_t>(*position));
    return true;
}

std::uint32_t C_Context_Catalog::M_Fn_Import_Process_Remap()
{
    S_Fn_Progress_Step(L"Remapping:", m_Map_PID.size() + m_Elements.size());
    C_Progress_Count progress;
    for (auto& [pid, property] : m_Map_PID) {
        if (!property)
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Process_Remap");
        M_Fn_Import_Process_Remap_Key(*property, E_Id_Column_Key_foreign_C_Section, m_Map_SECID,
                                      L"Warning: Can not find section with SECID:");
        for (E_Id_Column id : {E_Id_Column_Key_foreign_C_Material, E_Id_Column_Key_foreign_C_Material_1,
                               E_Id_Column_Key_foreign_C_Material_2, E_Id_Column_Key_foreign_C_Material_3,
                               E_Id_Column_Key_foreign_C_Material_4})
            M_Fn_Import_Process_Remap_Key(*property, id, m_Map_MID, L"Warning: Can not find material with MID:");
        progress.M_Fn_Add();
    }
    // Elements that name a node the deck lacks are dropped; the others close up in their order.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_Elements.size(); ++i) {
        C_Row_Element_2D& element = m_Elements[i];
        bool complete = true;
        std::int32_t missing = 0;
        for (E_Id_Column id : {E_Id_Column_Key_foreign_Node_1, E_Id_Column_Key_foreign_Node_2, E_Id_Column_Key_foreign_Node_3,
                               E_Id_Column_Key_foreign_Node_4})
            if (!M_Fn_Import_Process_Remap_Key_Node(element, id, missing)) {
                complete = false;
                break;
            }
        if (!complete) {
            m_Msg.M_Fn_Warn_Lazy([&] {
                const std::uint64_t line = i < m_Element_Lines.size() ? m_Element_Lines[i] : 0;
                return (line > 0 ? C_Context_Msg::S_Fn_Line(line) : std::wstring()) + L"Warning: Can not find node with NID:" +
                       std::to_wstring(missing) + L", element EID:" + std::to_wstring(element.M_Fn_Id_Get()) + L" ignored.";
            });
            progress.M_Fn_Add();
            continue;
        }
        M_Fn_Import_Process_Remap_Key(element, E_Id_Column_Key_foreign_C_Property, m_Map_PID,
                                      L"Warning: Can not find property with PID:");
        if (kept != i)
            m_Elements[kept] = std::move(element);
        ++kept;
        progress.M_Fn_Add();
    }
    m_Elements.erase(m_Elements.begin() + static_cast<std::ptrdiff_t>(kept), m_Elements.end());
    m_Element_Lines = std::vector<std::uint64_t>();
    return 1;
}

void C_Context_Catalog::M_Fn_Count_Coordinate_System(const C_Row_Node& ro_Node)
{
    const C_Info_Table* table = ro_Node.M_Fn_Info_Table();
    if (!table)
        return;
    if (table != m_p_Table_Node) {
        // The deck's systems are columns of the node card without a column identity of their own.
        m_p_Table_Node = table;
        m_Pos_CP = m_Pos_CD = 0;
        const auto& columns = table->M_Fn_Columns_Practical();
        for (std::uint32_t i = 0; i < columns.size(); ++i) {
            if (!columns[i] || columns[i]->M_Fn_Type() != E_Type_Obj_INT32)
                continue;
            if (columns[i]->M_Fn_Name() == L"CP")
                m_Pos_CP = i + 1;
            else if (columns[i]->M_Fn_Name() == L"CD")
                m_Pos_CD = i + 1;
        }
    }
    C_Row_Node& node = const_cast<C_Row_Node&>(ro_Node);
    if (m_Pos_CP && node.M_Fn_Column_Practical_Get_o_Visitor_Field_At(m_Pos_CP - 1).M_Fn_Get<std::int32_t>() != 0)
        ++m_Count_CP;
    if (m_Pos_CD && node.M_Fn_Column_Practical_Get_o_Visitor_Field_At(m_Pos_CD - 1).M_Fn_Get<std::int32_t>() != 0)
        ++m_Count_CD;
}

std::uint32_t C_Context_Catalog::M_Fn_Import_Process_Node()
{
    if (m_Count_CP > 0)
        m_Msg.M_Fn_Msg(L"Warning: " + std::to_wstring(m_Count_CP) +
                       L" nodes are located in a coordinate system other than the basic one (CP), their coordinates are "
                       L"taken as they stand.");
    if (m_Count_CD > 0)
        m_Msg.M_Fn_Msg(L"Warning: " + std::to_wstring(m_Count_CD) +
                       L" nodes have a displacement coordinate system (CD), it is not applied.");
    S_Fn_Progress_Step(L"Processing nodes:", m_Nodes.size());
    C_Progress_Count progress;
    std::vector<C_Row_Node>& nodes = m_ro_Data.m_Nodes;
    const std::size_t first = nodes.size();
    if (nodes.empty())
        nodes.swap(m_Nodes);
    else
        nodes.insert(nodes.end(), std::make_move_iterator(m_Nodes.begin()), std::make_move_iterator(m_Nodes.end()));
    m_Nodes = std::vector<C_Row_Node>();
    for (std::size_t i = first; i < nodes.size(); ++i) {
        const C_Row_Node& node = nodes[i];
        if (!node.M_Fn_Info_Table())
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Process_Node");
        const N_Common::N_Math::C_Vector3<float> point = node.M_ro_Vector3_f32();
        if (i == 0) {
            m_ro_Data.m_Bound_Min = point;
            m_ro_Data.m_Bound_Max = point;
        } else {
            N_Common::N_Math::C_Vector3<float>& low = m_ro_Data.m_Bound_Min;
            N_Common::N_Math::C_Vector3<float>& high = m_ro_Data.m_Bound_Max;
            low = {std::min(low.x, point.x), std::min(low.y, point.y), std::min(low.z, point.z)};
            high = {std::max(high.x, point.x), std::max(high.y, point.y), std::max(high.z, point.z)};
        }
        progress.M_Fn_Add();
    }
    return 1;
}

template <class Row, class F_Table, class F_Color, class F_Add>
std::uint32_t C_Context_Catalog::M_Fn_Import_Process_Card(const wchar_t* i_Title,
                                                          const std::map<std::int32_t, N_Common::N_Pointer::lesser_shared_ptr<Row>>& ro_Map,
                                                          std::map<std::uint32_t, std::uint32_t>& ro_Map_Model, F_Table&& i_Fn_Table,
                                                          F_Color&& i_Fn_Color, F_Add&& i_Fn_Add)
{
    S_Fn_Progress_Step(i_Title, ro_Map.size());
    C_Progress_Count progress;
    for (const auto& [id, card] : ro_Map) {
        if (!card || !m_p_Port)
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Catalog::M_Fn_Import_Process");
        i_Fn_Color(*card);
        // The slot the table's next plain add would take: the most recently freed one, else the end.
        const std::uint32_t slot = i_Fn_Table().next_index();
        i_Fn_Add(slot, card);
        ro_Map_Model[static_cast<std::uint32_t>(id)] = slot;
        progress.M_Fn_Add();
    }
    return 1;
}

std::uint32_t C_Context_Catalog::M_Fn_Import_Process_C_Section()
{
    return M_Fn_Import_Process_Card(
        L"Processing sections:", m_Map_SECID, m_ro_Data.m_Map_C_S, [this]() -> auto& { return m_p_Port->M_Fn_Table_C(); },
        [](C_Row_Common&) {}, [this](std::uint32_t i_Slot, const auto& ro_Card) { m_p_Port->M_Fn_C_Add_At(i_Slot, ro_Card, m_sp_Group); });
}

std::uint32_t C_Context_Catalog::M_Fn_Import_Process_C_Material()
{
    return M_Fn_Import_Process_Card(
        L"Processing materials:", m_Map_MID, m_ro_Data.m_Map_C_M, [this]() -> auto& { return m_p_Port->M_Fn_Table_C_M(); },
        [this](C_Row_C_Material& ro_Card) { ro_Card.m_Display.M_Fn_Color_Set(m_p_Port->M_Fn_Palette_Pick_C_M()); },
        [this](std::uint32_t i_Slot, const auto& ro_Card) { m_p_Port->M_Fn_C_M_Add_At(i_Slot, ro_Card, m_sp_Group); });
}

std::uint32_t C_Context_Catalog::M_Fn_Import_Process_C_Property()
{
    return M_Fn_Import_Process_Card(
        L"Processing properties:", m_Map_PID, m_ro_Data.m_Map_C_P, [this]() -> auto& { return m_p_Port->M_Fn_Table_C_P(); },
        [this](C_Row_C_Property& ro_Card) { ro_Card.m_Display.M_Fn_Color_Set(m_p_Port->M_Fn_Palette_Pick_C_P()); },
        [this](std::uint32_t i_Slot, const auto& ro_Card) { m_p_Port->M_Fn_C_P_Add_At(i_Slot, ro_Card, m_sp_Group); });
}

std::uint32_t C_Context_Catalog::M_Fn_Import_Process_Element_2D()
{
    S_Fn_Progress_Step(L"Processing 2d elements:", m_Elements.size());
    C_Progress_Count progress;
    for (C_Row_Element_2D& element : m_Elements) {
        element.M_Fn_Get_o_Vector3_f32_From_Nodes(m_ro_Data.m_Nodes);
        progress.M_Fn_Add();
    }
    std::vector<C_Row_Element_2D>& elements = m_ro_Data.m_Elements;
    if (elements.empty())
        elements.swap(m_Elements);
    else
        elements.insert(elements.end(), std::make_move_iterator(m_Elements.begin()), std::make_move_iterator(m_Elements.end()));
    m_Elements = std::vector<C_Row_Element_2D>();
    return 1;
}

} // namespace N_Biz::N_DB::N_Import
