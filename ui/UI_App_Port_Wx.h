// The window port of the desktop program: message boxes, the output pane, the file and text-entry
// dialogs, the project document's title and save question, the main frame's panes and progress
// dialog, and the wake-up of the interface thread.
//
// Test-only switch: when the environment variable VT_TEST_BOX_ANSWER is set ("ok", "cancel",
// "yes", "no" or the answer's number) when the port is made, no box is shown: its caption and text
// go to the standard error stream and the box returns that answer, as far as its buttons offer
// it (an OK box always answers OK; a Yes/No box answers No unless told yes). User messages are
// logged with "Msg: " as usual. Unattended runs of the whole program use it.
#pragma once

#include "app/App_Port.h"

#include <deque>
#include <functional>
#include <string>

class wxWindow;

namespace N_UI::N_Property {
class C_Dlg_Model;
}

namespace N_UI {

class C_App_UI;

class C_App_Port_Wx : public C_App_Port {
public:
    // i_p_App: the window side of the application, which knows the main frame; must outlive the port.
    explicit C_App_Port_Wx(C_App_UI* i_p_App);

    bool M_Fn_Frame_Exists() const override;
    bool M_Fn_Output_Exists() const override;
    int M_Fn_Box(const std::wstring& i_text, const std::wstring& i_caption, unsigned i_type, bool i_owned) override;
    void M_Fn_Output_Add_Line(const std::wstring& i_text) override;
    int M_Fn_File_Dialog(const std::vector<std::wstring>& i_filters, std::wstring& io_path, int i_save,
                         const std::wstring& i_title, std::wstring& io_file_title) override;
    int M_Fn_Enter_Text(const std::wstring& i_Prompt, std::wstring& io_Text) override;
    void M_Fn_Doc_Proj_Modified(bool i_Modified) override;
    void M_Fn_Doc_Proj_Title(const std::wstring& i_Title) override;
    int M_Fn_Doc_Proj_Save_Prompt(const std::wstring& i_Title) override;
    void M_Fn_UI_Queue_Wake() override;
    void M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj) override;
    int M_Fn_Progress_Run() override;

    // --- text in the OpenGL views: the view whose context is current (none: nothing) ---
    void M_Fn_GL_Draw_Text(const std::wstring& i_Text) override;
    void M_Fn_GL_Get_Text_Extent(const std::wstring& i_Text, int& o_Width, int& o_Height) override;

    // --- section documents: a new window-side document for the section being created ---
    int M_Fn_Doc_Sect_Create() override;

    // --- the project window (the window-side project document's frame and main view) ---
    void M_Fn_View_Proj_Main_Invalidate() override;
    int M_Fn_Frame_Proj_Open() override;
    bool M_Fn_Frame_Proj_Close() override;

    // --- clipboard ---
    // The text as wxTextDataObject on the system clipboard (the clipboard is held open only for
    // the hand-over).
    int M_Fn_Clipboard_Set_Text(const std::string& i_Utf8) override;

    // --- the property and list dialogs (UI_App_Port_Wx_Dlg.cpp) ---
    // The list dialog over a section (kind 5: its sensitivities).
    void M_Fn_Dlg_List_Sect(std::uint32_t i_Kind, N_Biz::N_Sect::C_Sect& ro_Sect) override;
    // Installs the dialogs where the project's card commands, the section's geometry commands and
    // the property grid's key buttons open them.
    static void S_Fn_Dlg_Install();
    // The property dialog over any object it shows (the explorer's models and sections among
    // them): i_Fn_Fill sets the dialog's fields (mode, kind, object, project) before it opens.
    // What the dialog refuses is thrown to the caller.
    static void S_Fn_Dlg_Property(const std::function<void(N_Property::C_Dlg_Model&)>& i_Fn_Fill);

    // A modal message box of i_Type (E_Box_OK, 1 OK/Cancel, 3 Yes/No/Cancel, E_Box_Yes_No; the
    // icon bits 0x10, 0x20, 0x30, 0x40 pick the icon) owned by i_p_Owner (null: without owner).
    // Returns the E_Box_Answer of the button pressed. Honours the test-only switch.
    static int S_Fn_Box(wxWindow* i_p_Owner, const std::wstring& i_Text, const std::wstring& i_Caption,
                        unsigned i_Type);

    // --- file dialog: case and test answers ---
    // The pattern of an open dialog's filter as GTK matches it: each letter stands for both cases
    // ("*.nas*" becomes "*.[nN][aA][sS]*", which also finds "PLATE.NAS").
    static std::wstring S_Fn_Pattern_No_Case(const std::wstring& i_Pattern);
    // Test-only: while this holds answers, a file dialog shows nothing and takes the first (an
    // empty text cancels); the wildcard it would have shown is kept in S_Test_File_Wildcard.
    static std::deque<std::wstring> S_Test_File_Answers;
    static std::wstring S_Test_File_Wildcard;

    // The test-only switch's answer; 0 when boxes are shown.
    static int S_Test_Box_Answer;
    // Reads the switch from the environment (at construction); an unreadable value counts as "ok".
    static void S_Fn_Test_Box_Answer_Read();

private:
    C_App_UI* m_p_App;
};

} // namespace N_UI
