// The window port: the one narrow interface through which the application core reaches whatever
// needs the window system. The wx application implements it; the tests implement it with recorded
// calls and scripted answers. Every call is made on the interface thread only: the core queues what
// another thread raises and replays it there (C_App::M_Fn_UI_Queue_Run).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_Biz::N_Proj { class C_Proj; }

// Message box types and answers as the callers pass and compare them.
enum E_Box : unsigned {
    E_Box_OK = 0,     // OK button only
    E_Box_Yes_No = 4, // Yes and No buttons
};
enum E_Box_Answer : int {
    E_Box_Answer_OK = 1,
    E_Box_Answer_Cancel = 2,
    E_Box_Answer_Yes = 6,
    E_Box_Answer_No = 7,
};

class C_App_Port {
public:
    virtual ~C_App_Port() = default;

    // True while the main frame exists (messages then go to its output pane or to a box it owns).
    virtual bool M_Fn_Frame_Exists() const = 0;
    // True while the main frame has its output pane.
    virtual bool M_Fn_Output_Exists() const = 0;

    // A modal message box; i_owned: owned by the main frame, else without owner. Returns the answer.
    virtual int M_Fn_Box(const std::wstring& i_text, const std::wstring& i_caption, unsigned i_type,
                         bool i_owned) = 0;
    // Appends one line to the output pane.
    virtual void M_Fn_Output_Add_Line(const std::wstring& i_text) = 0;

    // The system's open or save dialog. i_filters are (description, pattern) pairs in order.
    // Confirmed: io_path and io_file_title receive the chosen path and file name, result 1.
    // Cancelled: both unchanged, result 0.
    virtual int M_Fn_File_Dialog(const std::vector<std::wstring>& i_filters, std::wstring& io_path, int i_save,
                                 const std::wstring& i_title, std::wstring& io_file_title) = 0;

    // The modal text-entry dialog: shows i_Prompt with io_Text as the initial edit text. Confirmed:
    // io_Text receives the edited text, result 1. Cancelled: io_Text unchanged, result 0.
    virtual int M_Fn_Enter_Text(const std::wstring& i_Prompt, std::wstring& io_Text) { return 0; }

    // The project document (the framework's document of the open project). The project keeps its
    // data; the window shows the document's state. i_Modified: the document has unsaved changes.
    virtual void M_Fn_Doc_Proj_Modified(bool i_Modified) {}
    // The document's title changed.
    virtual void M_Fn_Doc_Proj_Title(const std::wstring& i_Title) {}
    // Asks whether to save the changes of the document titled i_Title: E_Box_Answer_Yes saves,
    // E_Box_Answer_No discards them, E_Box_Answer_Cancel keeps the project open.
    virtual int M_Fn_Doc_Proj_Save_Prompt(const std::wstring& i_Title) { return E_Box_Answer_Cancel; }

    // Something was queued for the interface thread; the port arranges for C_App::M_Fn_UI_Queue_Run
    // to be called there soon. May be called from any thread.
    virtual void M_Fn_UI_Queue_Wake() {}

    // --- section list dialog ---------------------------------------------------------------------
    // The modal list dialog of list kind i_Kind over one section (kind 5: the section's
    // sensitivities, the section document's sensitivity command). Without a window: nothing.
    virtual void M_Fn_Dlg_List_Sect(std::uint32_t i_Kind, N_Biz::N_Sect::C_Sect& ro_Sect) {}

    // --- text in the OpenGL views ------------------------------------------------------------------
    // The drawing code's text, in the view whose rendering context is current and in that view's
    // font (the window side's N_Common::N_Graphic::N_OpenGL::C_View). Interface thread only.
    // Draws i_Text up to its first zero character at the current raster position in the current
    // raster colour, the baseline on the raster position; the raster position moves on by the
    // text's width. No current view: nothing.
    virtual void M_Fn_GL_Draw_Text(const std::wstring& i_Text) {}
    // The width and height in pixels of i_Text (up to its first zero character) in that font; (0, 0)
    // without a current view or for an empty text.
    virtual void M_Fn_GL_Get_Text_Extent(const std::wstring& i_Text, int& o_Width, int& o_Height)
    {
        o_Width = 0;
        o_Height = 0;
    }

    // --- section documents --------------------------------------------------------------------------
    // Asks the section document template for a new document. The document's constructor takes the
    // section from N_Biz::N_Sect::C_Mgr_Doc::S_Fn_Sect_Creating_Get() and links itself to it. 1 when
    // the framework made a document, 0 when it could not (also without a window system).
    virtual int M_Fn_Doc_Sect_Create() { return 0; }

    // --- The main frame's side of a project and of a long task ---
    // A new project, before its document is created: the main frame connects its panes to the
    // project's change signal.
    virtual void M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj) {}
    // Runs the modal progress dialog over the application's progress record until a tick finds
    // the running flag cleared; 1 when it closed that way. Without a dialog: 0 at once.
    virtual int M_Fn_Progress_Run() { return 0; }

    // --- the project's main view -------------------------------------------------------------------
    // The project's three-dimensional view (one per project, in the project's child frame). Interface
    // thread only; the core queues calls raised on another thread.
    // Invalidates the whole client area of the project's main view without erasing it, so that it
    // is painted at the next paint. No view: nothing.
    virtual void M_Fn_View_Proj_Main_Invalidate() {}
    // Creates the project's child frame with its main view for the open project's document (the
    // document is kept when the frame goes), makes its initial update without showing it. 1 when a
    // frame was made, 0 when none could be (also without a window system).
    virtual int M_Fn_Frame_Proj_Open() { return 0; }
    // Closes the child frame that holds the project's main view. False when the view has no parent
    // frame.
    virtual bool M_Fn_Frame_Proj_Close() { return true; }

    // --- clipboard ---------------------------------------------------------------------------------
    // Puts i_Utf8 (UTF-8 text, no terminating zero) on the system clipboard as plain text, replacing
    // what it held. E_Clipboard_Set when the text is there, E_Clipboard_Open_Failed when the
    // clipboard could not be opened (also without a window system; nothing changed),
    // E_Clipboard_Set_Failed when it was opened but would not take the text.
    enum E_Clipboard : int { E_Clipboard_Open_Failed = 0, E_Clipboard_Set = 1, E_Clipboard_Set_Failed = 2 };
    virtual int M_Fn_Clipboard_Set_Text(const std::string& i_Utf8) { return E_Clipboard_Open_Failed; }
};
