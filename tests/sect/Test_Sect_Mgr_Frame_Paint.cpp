// The section view manager's window side: hooks, sizes and projections, the frame through the
// section's document, the redraw, and the document link.
#include "tests/sect/Test_Sect_View_Support.h"

#include "biz/sect/Biz_Sect_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "common/Common_Exception.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace N_Test_Sect_View;
using N_Common::N_Exception::C_Exception;

namespace {

// The window side's section document as the link and the view manager see it. It links itself to
// the section being created, as the framework's document does, and records what it is asked.
class C_Doc_Fake : public C_Doc {
public:
    C_Doc_Fake() : m_p_Sect(C_Mgr_Doc::S_Fn_Sect_Creating_Get())
    {
        m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Construct(this);
    }
    ~C_Doc_Fake() override { m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Destruct(); }

    const std::wstring& M_Fn_Get_Title() const override { return m_Title; }
    void M_Fn_Set_Title(const std::wstring& i_Title) override
    {
        m_Title = i_Title;
        m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Set_Title();
    }
    int M_Fn_On_New_Document() override
    {
        m_Calls.push_back(L"new");
        return m_New_Result;
    }
    void M_Fn_On_Close_Document() override
    {
        m_Calls.push_back(L"close");
        if (m_Fn_Close)
            m_Fn_Close();
    }
    // The frame's views register with the view manager as the windows do.
    int M_Fn_Frame_Create() override
    {
        m_Calls.push_back(L"frame");
        if (!m_p_Main)
            return 0;
        C_Mgr_Frame& frame = m_p_Sect->M_Fn_Get_Mgr_Frame();
        frame.M_Fn_View_Main_On_Create(m_p_Main);
        frame.M_Fn_View_Main_On_Size(64, 48);
        return 1;
    }
    int M_Fn_Frame_Close() override
    {
        m_Calls.push_back(L"frame close");
        return m_Frame_Close_Result;
    }

    C_Sect* m_p_Sect;
    std::wstring m_Title;
    std::vector<std::wstring> m_Calls;
    int m_New_Result = 1;
    int m_Frame_Close_Result = 1;
    C_Mgr_Frame::C_View* m_p_Main = nullptr;
    std::function<void()> m_Fn_Close;
};

class C_Frame_Paint : public C_View_Test {
protected:
    void SetUp() override
    {
        C_View_Test::SetUp();
        port().m_Fn_Doc_Sect_Create = [this] {
            m_up_Doc = std::make_unique<C_Doc_Fake>();
            return 1;
        };
    }
    void TearDown() override
    {
        frame().m_p_View_Main = nullptr;
        m_up_Doc.reset();
        C_View_Test::TearDown();
    }
    C_Mgr_Doc& link() { return sect().M_Fn_Get_Mgr_Doc(); }

    std::unique_ptr<C_Doc_Fake> m_up_Doc;
};

} // namespace

TEST_F(C_Frame_Paint, WindowHooksRefuseMisuse)
{
    C_View_Count view;
    const std::vector<std::pair<const char*, std::function<void()>>> misuse = {
        {"main null", [&] { frame().M_Fn_View_Main_On_Create(nullptr); }},
        {"graph null", [&] { frame().M_Fn_View_R_Graph_On_Create(nullptr); }},
        {"sheet null", [&] { frame().M_Fn_View_R_Sheet_On_Create(nullptr); }},
        {"main destroyed unborn", [&] { frame().M_Fn_View_Main_On_Destroy(); }},
        {"graph destroyed unborn", [&] { frame().M_Fn_View_R_Graph_On_Destroy(); }},
        {"sheet destroyed unborn", [&] { frame().M_Fn_View_R_Sheet_On_Destroy(); }},
    };
    for (const auto& [name, fn] : misuse)
        EXPECT_THROW(fn(), C_Exception) << name;
    frame().M_Fn_View_Main_On_Create(&view);
    frame().M_Fn_View_R_Graph_On_Create(&view);
    frame().M_Fn_View_R_Sheet_On_Create(&view);
    EXPECT_THROW(frame().M_Fn_View_Main_On_Create(&view), C_Exception);
    EXPECT_THROW(frame().M_Fn_View_R_Graph_On_Create(&view), C_Exception);
    EXPECT_THROW(frame().M_Fn_View_R_Sheet_On_Create(&view), C_Exception);
    frame().M_Fn_View_Main_On_Destroy();
    frame().M_Fn_View_R_Graph_On_Destroy();
    frame().M_Fn_View_R_Sheet_On_Destroy();
    EXPECT_EQ(frame().m_p_View_Main, nullptr);
    EXPECT_EQ(frame().m_p_View_Graph, nullptr);
    EXPECT_EQ(frame().m_p_View_Sheet, nullptr);
}

TEST_F(C_Frame_Paint, MainViewSizeSetsPixelProjectionAndAnchors)
{
    frame().M_Fn_View_Main_On_Create(&m_Main);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_POINT_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    frame().M_Fn_View_Main_On_Size(64, 48);
    EXPECT_EQ(frame().m_Viewport, (std::array<std::int32_t, 4>{0, 0, 64, 48}));
    // glOrtho(-32, 32, -24, 24, -100, 100), column-major.
    const float ortho[16] = {1.0f / 32, 0, 0, 0, 0, 1.0f / 24, 0, 0, 0, 0, -0.01f, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(frame().m_Matrix_Proj.m_Data[i], ortho[i], 1e-7f) << i;
    EXPECT_EQ(frame().m_Radius_Fit, 24.0f);
    const auto& f = frame();
    EXPECT_EQ((std::vector<float>{f.m_Pos_Prompt.x, f.m_Pos_Prompt.y}), (std::vector<float>{-12, -6}));
    EXPECT_EQ((std::vector<float>{f.m_Pos_Triad_Global.x, f.m_Pos_Triad_Global.y, f.m_Pos_Triad_Global.z}),
              (std::vector<float>{-48, -56, 0}));
    EXPECT_EQ((std::vector<float>{f.m_Pos_Triad_Local.x, f.m_Pos_Triad_Local.y, f.m_Pos_Triad_Local.z}),
              (std::vector<float>{-208, -56, 0}));
    // A zero side leaves everything as it was.
    frame().M_Fn_View_Main_On_Size(0, 30);
    frame().M_Fn_View_Main_On_Size(30, 0);
    EXPECT_EQ(frame().m_Size_Main, (std::array<std::int32_t, 2>{64, 48}));
    EXPECT_NEAR(frame().m_Matrix_Proj.m_Data[0], 1.0f / 32, 1e-7f);
}

TEST_F(C_Frame_Paint, GraphSizeSetsAWindowProjection)
{
    frame().M_Fn_View_R_Graph_On_Size(100, 50);
    EXPECT_EQ(frame().m_Size_Graph, (std::array<std::int32_t, 2>{100, 50}));
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    // glOrtho(0, 100, 0, 50, -1, 1): x 2 / 100, y 2 / 50, z -1, moved by (-1, -1).
    const float ortho[16] = {0.02f, 0, 0, 0, 0, 0.04f, 0, 0, 0, 0, -1, 0, -1, -1, 0, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(m[i], ortho[i], 1e-7f) << i;
    frame().M_Fn_View_R_Graph_On_Size(0, 10);
    EXPECT_EQ(frame().m_Size_Graph, (std::array<std::int32_t, 2>{100, 50}));
}

TEST_F(C_Frame_Paint, RedrawRespectsTheFrozenFlag)
{
    frame().M_Fn_View_Main_Redraw(); // no view: nothing
    frame().M_Fn_View_Main_On_Create(&m_Main);
    frame().M_Fn_View_Main_Redraw();
    EXPECT_EQ(m_Main.m_Count, 1);
    frame().m_Flags |= C_Mgr_Frame::E_Flag_Frozen;
    frame().M_Fn_View_Main_Redraw();
    EXPECT_EQ(m_Main.m_Count, 1);
}

TEST_F(C_Frame_Paint, DocumentLinkCreatesTitlesAndCloses)
{
    link().M_Fn_Create();
    ASSERT_TRUE(m_up_Doc);
    EXPECT_EQ(port().M_Fn_Texts(L"doc_sect_create").size(), 1u);
    EXPECT_EQ(C_Mgr_Doc::S_Fn_Sect_Creating_Get(), nullptr);
    EXPECT_EQ(link().M_Fn_Get_Doc(), m_up_Doc.get());
    // The new document is "Untitled", which the section takes over; then its initialisation.
    EXPECT_EQ(m_up_Doc->M_Fn_Get_Title(), L"Untitled");
    EXPECT_EQ(sect().M_Fn_Title_Get(), L"Untitled");
    EXPECT_EQ(m_up_Doc->m_Calls, std::vector<std::wstring>{L"new"});
    // A title given to the section goes to its document and comes back.
    link().M_Fn_Title_Set(L"Section 1-2");
    EXPECT_EQ(m_up_Doc->M_Fn_Get_Title(), L"Section 1-2");
    EXPECT_EQ(sect().M_Fn_Title_Get(), L"Section 1-2");
    EXPECT_THROW(link().M_Fn_Create(), C_Exception);
    // Destroy closes the document, whose end unlinks it.
    m_up_Doc->m_Fn_Close = [this] { m_up_Doc.reset(); };
    link().M_Fn_Destroy();
    EXPECT_FALSE(m_up_Doc);
    EXPECT_EQ(link().M_Fn_Get_Doc(), nullptr);
    link().M_Fn_Destroy(); // nothing without a document
}

TEST_F(C_Frame_Paint, DocumentLinkRefusesMisuse)
{
    // No document made by the framework, or one whose initialisation fails.
    port().m_Fn_Doc_Sect_Create = [] { return 0; };
    EXPECT_THROW(link().M_Fn_Create(), C_Exception);
    EXPECT_EQ(C_Mgr_Doc::S_Fn_Sect_Creating_Get(), nullptr);
    port().m_Fn_Doc_Sect_Create = [this] {
        m_up_Doc = std::make_unique<C_Doc_Fake>();
        m_up_Doc->m_New_Result = 0;
        return 1;
    };
    EXPECT_THROW(link().M_Fn_Create(), C_Exception);
    // A document that stays linked after its close.
    EXPECT_THROW(link().M_Fn_Destroy(), C_Exception);
    m_up_Doc.reset();
    // Hooks in the wrong state.
    C_Doc_Fake* p_none = nullptr;
    EXPECT_THROW(link().M_Fn_On_Construct(p_none), C_Exception);
    EXPECT_THROW(link().M_Fn_On_Destruct(), C_Exception);
    EXPECT_THROW(link().M_Fn_On_Set_Title(), C_Exception);
    // Without a document the section keeps the title itself.
    link().M_Fn_Title_Set(L"Kept");
    EXPECT_EQ(sect().M_Fn_Title_Get(), L"Kept");
}

TEST_F(C_Frame_Paint, FrameOpensThroughTheDocumentAndFitsTheView)
{
    EXPECT_THROW(frame().M_Fn_Frame_Open(), C_Exception); // no document
    link().M_Fn_Create();
    EXPECT_THROW(frame().M_Fn_Frame_Open(), C_Exception); // the framework made no frame
    // Points from (10, 0) to (30, 0): the circle about the origin that holds them has the radius
    // 20 + 10, and the 64 x 48 view's fit radius is 24: zoom 0.8, no rotation, no pan.
    M_Fn_Point(10, 0);
    M_Fn_Point(30, 0);
    frame().m_Matrix_Rotate.M_Fn_Translate_Pre(5, 5, 0);
    m_up_Doc->m_p_Main = &m_Main;
    frame().M_Fn_Frame_Open();
    EXPECT_EQ(frame().m_p_View_Main, &m_Main);
    EXPECT_FLOAT_EQ(frame().m_Zoom, 0.8f);
    const float fitted[16] = {0.8f, 0, 0, 0, 0, 0.8f, 0, 0, 0, 0, 0.8f, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(frame().m_Matrix_View.m_Data[i], fitted[i]) << i;
    // Open again: the frame exists, the document is not asked.
    frame().M_Fn_Frame_Open();
    EXPECT_EQ(std::count(m_up_Doc->m_Calls.begin(), m_up_Doc->m_Calls.end(), L"frame"), 2);
    // Close asks the frame of the main view; a main view without one is a fault.
    frame().M_Fn_Frame_Close();
    EXPECT_EQ(m_up_Doc->m_Calls.back(), L"frame close");
    m_up_Doc->m_Frame_Close_Result = 0;
    EXPECT_THROW(frame().M_Fn_Frame_Close(), C_Exception);
    frame().M_Fn_View_Main_On_Destroy();
    frame().M_Fn_Frame_Close(); // no main view: nothing
    EXPECT_EQ(std::count(m_up_Doc->m_Calls.begin(), m_up_Doc->m_Calls.end(), L"frame close"), 2);
}

TEST_F(C_Frame_Paint, FitOfAnEmptySectionIsZoomOne)
{
    frame().M_Fn_View_Main_On_Size(64, 48);
    frame().M_Fn_View_Main_Reset();
    EXPECT_EQ(frame().m_Zoom, 1.0f);
    // The fit keeps the zoom within its range: a tiny section zooms at most 64 times.
    M_Fn_Point(0.01f, 0);
    frame().M_Fn_View_Main_Adjust();
    EXPECT_EQ(frame().m_Zoom, 64.0f);
}
