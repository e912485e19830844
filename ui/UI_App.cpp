#include "ui/UI_App.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "common/Common_Exception.h"
#include "ui/UI_About_Dlg.h"
#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Frame_Main.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"
#include "ui/UI_Print.h"

#include <wx/fileconf.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

#include <new>

namespace N_UI {

C_App_UI* C_App_UI::S_p_App = nullptr;

namespace {

const wchar_t* const G_Settings_File = L"Veltrane";
const wchar_t* const G_Key_Look = L"ApplicationLook";
const wchar_t* const G_Key_Layout = L"PaneLayout";
const wchar_t* const G_Group_Recent = L"Recent File List";

// The settings group: the product name, a blank and the version.
wxString G_Fn_Settings_Group()
{
    return wxString("/") + C_App::S_Product_Name + " " + C_App::S_Version;
}

// The directory of the running program file, ending in '/'.
std::wstring G_Fn_Program_Dir()
{
    const wxFileName exe(wxStandardPaths::Get().GetExecutablePath());
    return (exe.GetPath() + "/").ToStdWstring();
}

} // namespace

C_App_UI::C_App_UI()
{
    if (S_p_App)
        VT_THROW("N_UI::C_App_UI::C_App_UI");
    S_p_App = this;
}

C_App_UI::~C_App_UI()
{
    M_Fn_Frame_Delete();
    try {
        m_up_Core.reset();
    } catch (...) {
        // nothing leaves the destructor
    }
    if (m_up_Recent) {
        // The menus that showed the list are gone with their windows.
        while (!m_up_Recent->GetMenus().empty())
            m_up_Recent->RemoveMenu(static_cast<wxMenu*>(m_up_Recent->GetMenus().front()));
    }
    S_p_App = nullptr;
}

C_App_UI* C_App_UI::S_Fn_Get()
{
    return S_p_App;
}

void C_App_UI::M_Fn_Frame_Delete()
{
    // Deleted at once (not delayed to the next idle time), so that it goes while the application
    // it reports to still exists; it was never shown or is already closing.
    if (N_MDI::C_Wnd_Frame_Main* p_frame = m_p_Frame_Main) {
        m_p_Frame_Main = nullptr;
        delete p_frame;
    }
}

bool C_App_UI::M_Fn_Init_Instance(const C_Init& i_Init)
{
    const std::wstring dir = i_Init.m_Dir.empty() ? G_Fn_Program_Dir() : i_Init.m_Dir;

    m_sp_Port = std::make_shared<C_App_Port_Wx>(this);
    m_up_Core = std::make_unique<C_App>(m_sp_Port);
    // Unattended runs have nobody to close wx's own error boxes.
    if (C_App_Port_Wx::S_Test_Box_Answer != 0)
        delete wxLog::SetActiveTarget(new wxLogStderr);

    // The log; without it nothing is logged, so the box is shown directly.
    if (!m_up_Core->M_Fn_Log_Open(dir)) {
        C_App_Port_Wx::S_Fn_Box(nullptr, L"Failed to open log file.", C_App::S_Product_Name, E_Box_OK);
        return false;
    }

    M_Fn_Settings_Open(i_Init.m_Config_Path);

    // The schema from the fourteen schema files beside the program (it shows its own message).
    if (!N_Biz::N_DB::C_Info_Schema::S_Fn_Init_App(*m_up_Core))
        return false;
    try {
        m_up_Core->m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
    } catch (const std::bad_alloc&) {
    }
    if (!m_up_Core->m_sp_Config) {
        C_App::G_Fn_Msg(L"Failed to create config");
        return false;
    }
    try {
        m_up_Core->m_sp_Sect_Info = std::make_shared<N_Biz::N_Sect::C_Info>();
    } catch (const std::bad_alloc&) {
    }
    if (!m_up_Core->m_sp_Sect_Info) {
        C_App::G_Fn_Msg(L"Failed to create section info");
        return false;
    }

    N_MDI::C_Wnd_Frame_Main* p_frame = nullptr;
    try {
        p_frame = new N_MDI::C_Wnd_Frame_Main();
    } catch (const std::bad_alloc&) {
    }
    if (!p_frame) {
        C_App::G_Fn_Msg(L"Failed to create main MDI frame window.");
        return false;
    }
    m_p_Frame_Main = p_frame;
    if (!p_frame->M_Fn_Load_Frame()) {
        M_Fn_Frame_Delete();
        C_App::G_Fn_Msg(L"Failed to load main MDI frame window.");
        return false;
    }
    M_Fn_Cmd_Bind();

    if (!M_Fn_Process_Shell_Command(i_Init.m_Args)) {
        // The frame has not been shown: a message in its output pane would never be seen, so the
        // frame goes first and the message gets a box of its own.
        m_up_Core->m_sp_Proj.reset();
        M_Fn_Frame_Delete();
        C_App::G_Fn_Msg(L"Failed to process shell command.");
        return false;
    }

    p_frame->M_Fn_Config_Connect(*m_up_Core->m_sp_Config);

    // Maximised; a display without a window manager does not maximise, so the frame covers the
    // work area by itself as well.
    p_frame->SetSize(wxGetClientDisplayRect());
    p_frame->Maximize();
    p_frame->Show();
    p_frame->Update();
    return true;
}

int C_App_UI::M_Fn_Exit_Instance()
{
    if (m_up_Core)
        m_up_Core->m_sp_Proj.reset();
    return 0;
}

bool C_App_UI::M_Fn_Process_Shell_Command(const std::vector<std::wstring>& i_Args)
{
    // No argument: no project (no empty project is created at start). Otherwise the first
    // argument names a project file, opened as a recent file is.
    if (i_Args.empty())
        return true;
    wxFileName name(i_Args.front());
    name.MakeAbsolute();
    const std::wstring path = i_Args.front().empty() ? std::wstring() : name.GetFullPath().ToStdWstring();
    int result = 0;
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_Process_Shell_Command", __FILE__, __LINE__,
                   [&] { result = m_up_Core->M_Fn_Biz_Proj_D_Create(&path); });
    if (result != 1)
        return false;
    M_Fn_Recent_Add(path);
    return true;
}

// --- settings -----------------------------------------------------------------------------------

void C_App_UI::M_Fn_Settings_Open(const std::wstring& i_Path)
{
    wxString path = i_Path;
    if (path.empty()) {
        wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
        path = wxFileConfig::GetLocalFileName(G_Settings_File);
    }
    // The directory may not exist yet on a fresh account; the file is written at the first change.
    wxFileName::Mkdir(wxFileName(path).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    m_up_Config =
        std::make_unique<wxFileConfig>(G_Settings_File, wxEmptyString, path, wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
    m_up_Recent = std::make_unique<wxFileHistory>(S_Recent_Max, N_Cmd::E_Id_File_MRU_First);
    m_up_Config->SetPath(G_Fn_Settings_Group() + "/" + G_Group_Recent);
    m_up_Recent->Load(*m_up_Config);
    m_up_Config->SetPath(G_Fn_Settings_Group());
}

void C_App_UI::M_Fn_Look_Read()
{
    long look = S_Look_Default;
    if (m_up_Config)
        look = m_up_Config->ReadLong(G_Key_Look, S_Look_Default);
    // A stored value is untrusted: only the nine looks exist.
    if (look < 131 || look > 139)
        look = S_Look_Default;
    m_Look = static_cast<unsigned>(look);
}

void C_App_UI::M_Fn_Look_Store(unsigned i_Look)
{
    m_Look = i_Look;
    if (!m_up_Config)
        return;
    m_up_Config->Write(G_Key_Look, static_cast<long>(i_Look));
    m_up_Config->Flush();
}

std::wstring C_App_UI::M_Fn_Layout_Read() const
{
    return m_up_Config ? m_up_Config->Read(G_Key_Layout, wxString()).ToStdWstring() : std::wstring();
}

void C_App_UI::M_Fn_Layout_Store(const std::wstring& i_Layout)
{
    if (!m_up_Config)
        return;
    m_up_Config->Write(G_Key_Layout, wxString(i_Layout));
    m_up_Config->Flush();
}

void C_App_UI::M_Fn_Recent_Menu_Use(wxMenu* i_p_Menu)
{
    m_up_Recent->UseMenu(i_p_Menu);
    m_up_Recent->AddFilesToMenu(i_p_Menu);
}

void C_App_UI::M_Fn_Recent_Menu_Remove(wxMenu* i_p_Menu)
{
    if (m_up_Recent)
        m_up_Recent->RemoveMenu(i_p_Menu);
}

void C_App_UI::M_Fn_Recent_Add(const std::wstring& i_Path)
{
    if (i_Path.empty())
        return;
    m_up_Recent->AddFileToHistory(i_Path);
    M_Fn_Recent_Save();
}

void C_App_UI::M_Fn_Recent_Save()
{
    if (!m_up_Config)
        return;
    const wxString group = G_Fn_Settings_Group() + "/" + G_Group_Recent;
    m_up_Config->DeleteGroup(group);
    m_up_Config->SetPath(group);
    m_up_Recent->Save(*m_up_Config);
    m_up_Config->SetPath(G_Fn_Settings_Group());
    m_up_Config->Flush();
}

// --- commands -----------------------------------------------------------------------------------

void C_App_UI::M_Fn_Cmd_Bind()
{
    // The frame hands its commands to the active document window first; what that leaves reaches
    // these handlers.
    N_MDI::C_Wnd_Frame_Main& frame = *m_p_Frame_Main;
    const auto bind = [&](int i_Id, void (C_App_UI::*i_Fn)()) {
        frame.Bind(
            wxEVT_MENU, [this, i_Fn](wxCommandEvent&) { (this->*i_Fn)(); }, i_Id);
    };
    bind(N_Cmd::E_Id_File_Proj_New, &C_App_UI::M_Fn_On_Cmd_File_Proj_New);
    bind(N_Cmd::E_Id_File_Proj_Open, &C_App_UI::M_Fn_On_Cmd_File_Proj_Open);
    bind(N_Cmd::E_Id_File_Proj_Close, &C_App_UI::M_Fn_On_Cmd_File_Proj_Close);
    bind(N_Cmd::E_Id_File_Proj_Save, &C_App_UI::M_Fn_On_Cmd_File_Proj_Save);
    bind(N_Cmd::E_Id_File_Proj_Save_As, &C_App_UI::M_Fn_On_Cmd_File_Proj_Save_As);
    bind(N_Cmd::E_Id_File_Proj_Print, &C_App_UI::M_Fn_On_Cmd_File_Proj_Print);
    bind(N_Cmd::E_Id_File_Proj_View_Open, &C_App_UI::M_Fn_On_Cmd_File_Proj_View_Open);
    bind(N_Cmd::E_Id_File_Proj_View_Close, &C_App_UI::M_Fn_On_Cmd_File_Proj_View_Close);
    bind(N_Cmd::E_Id_App_About, &C_App_UI::M_Fn_On_Cmd_App_About);
    frame.Bind(
        wxEVT_MENU, [this](wxCommandEvent& ro_Event) { M_Fn_On_Cmd_File_MRU_File(ro_Event.GetId()); },
        N_Cmd::E_Id_File_MRU_First, N_Cmd::E_Id_File_MRU_Last);
}

int C_App_UI::M_Fn_Proj_Close()
{
    const int result = m_up_Core->M_Fn_Biz_Proj_D_Close();
    if (result == 1 && m_p_Frame_Main)
        m_p_Frame_Main->M_Fn_Title_Doc_Set(std::wstring());
    return result;
}

void C_App_UI::M_Fn_On_Cmd_File_MRU_File(int i_Id)
{
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_On_Cmd_File_MRU_File", __FILE__, __LINE__, [&] {
        // The entry is checked before the open project is closed: a wrong id must not cost it.
        const int index = i_Id - N_Cmd::E_Id_File_MRU_First;
        if (index < 0 || static_cast<std::size_t>(index) >= m_up_Recent->GetCount())
            VT_THROW("N_UI::C_App_UI::M_Fn_On_Cmd_File_MRU_File");
        const std::wstring path = m_up_Recent->GetHistoryFile(static_cast<std::size_t>(index)).ToStdWstring();
        if (M_Fn_Proj_Close() != 1)
            return;
        if (m_up_Core->M_Fn_Biz_Proj_D_Create(&path) == 1) {
            M_Fn_Recent_Add(path);
            return;
        }
        for (std::size_t i = 0; i < m_up_Recent->GetCount(); ++i)
            if (m_up_Recent->GetHistoryFile(i).ToStdWstring() == path) {
                m_up_Recent->RemoveFileFromHistory(i);
                break;
            }
        M_Fn_Recent_Save();
    });
}

void C_App_UI::M_Fn_On_Cmd_File_Proj_New()
{
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_On_Cmd_File_Proj_New", __FILE__, __LINE__, [&] {
        if (M_Fn_Proj_Close() == 1)
            m_up_Core->M_Fn_Biz_Proj_D_Create(nullptr);
    });
}

void C_App_UI::M_Fn_On_Cmd_File_Proj_Open()
{
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_On_Cmd_File_Proj_Open", __FILE__, __LINE__, [&] {
        if (M_Fn_Proj_Close() != 1)
            return;
        std::wstring path, file_title;
        if (m_up_Core->M_Fn_UI_File_Dialog({L"Project (*.qmxb;*.qmxt;*.bea)", L"*.qmxb;*.qmxt;*.bea"}, path, 0,
                                           std::wstring(), file_title) != 1)
            return;
        if (m_up_Core->M_Fn_Biz_Proj_D_Create(&path) == 1)
            M_Fn_Recent_Add(path);
    });
}

void C_App_UI::M_Fn_On_Cmd_File_Proj_Close()
{
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_On_Cmd_File_Proj_Close", __FILE__, __LINE__, [&] { M_Fn_Proj_Close(); });
}

void C_App_UI::M_Fn_On_Cmd_File_Proj_Save()
{
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_On_Cmd_File_Proj_Save", __FILE__, __LINE__, [&] {
        auto& sp_proj = m_up_Core->m_sp_Proj;
        if (!sp_proj)
            return;
        N_Biz::N_Proj::C_Mgr_Doc& doc = sp_proj->M_Fn_Get_Mgr_Doc();
        if (doc.M_Fn_Save() == 1 && doc.M_Fn_Get_Doc())
            M_Fn_Recent_Add(doc.M_Fn_Get_Doc()->M_Fn_Get_Path());
    });
}

void C_App_UI::M_Fn_On_Cmd_File_Proj_Save_As()
{
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_On_Cmd_File_Proj_Save_As", __FILE__, __LINE__, [&] {
        auto& sp_proj = m_up_Core->m_sp_Proj;
        if (!sp_proj)
            return;
        N_Biz::N_Proj::C_Mgr_Doc& doc = sp_proj->M_Fn_Get_Mgr_Doc();
        if (doc.M_Fn_Save_As() == 1 && doc.M_Fn_Get_Doc())
            M_Fn_Recent_Add(doc.M_Fn_Get_Doc()->M_Fn_Get_Path());
    });
}

void C_App_UI::M_Fn_On_Cmd_File_Proj_Print()
{
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_On_Cmd_File_Proj_Print", __FILE__, __LINE__, [&] {
        if (!m_p_Frame_Main)
            VT_THROW("N_UI::C_App_UI::M_Fn_On_Cmd_File_Proj_Print");
        if (!m_up_Core->m_sp_Proj)
            return;
        C_Printout::S_Fn_Print(m_p_Frame_Main, L"print.bmp");
    });
}

void C_App_UI::M_Fn_On_Cmd_File_Proj_View_Open()
{
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_On_Cmd_File_Proj_View_Open", __FILE__, __LINE__, [&] {
        if (!m_up_Core->m_sp_Proj)
            return;
        m_up_Core->m_sp_Proj->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
        // A project window that was open already comes to the front.
        if (N_MDI::N_Proj::C_Doc* p_doc = m_p_Frame_Main ? m_p_Frame_Main->M_Fn_Get_Doc_Proj() : nullptr)
            if (N_MDI::N_Proj::C_Wnd_Frame_Child* p_frame = p_doc->M_Fn_Get_Frame())
                p_frame->Activate();
    });
}

void C_App_UI::M_Fn_On_Cmd_File_Proj_View_Close()
{
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_On_Cmd_File_Proj_View_Close", __FILE__, __LINE__, [&] {
        if (m_up_Core->m_sp_Proj)
            m_up_Core->m_sp_Proj->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Close();
    });
}

void C_App_UI::M_Fn_On_Cmd_App_About()
{
    G_Fn_Catch_All("N_UI::C_App_UI::M_Fn_On_Cmd_App_About", __FILE__, __LINE__, [&] {
        N_About::C_Dlg dlg;
        dlg.ShowModal();
    });
}

} // namespace N_UI
