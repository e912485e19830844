// The project's link to its document: the document of the multi-document interface that shows the
// project. The project owns its data; the document carries the title, the path and the modified
// flag, and runs the save questions and dialogs. The link creates the document, lets it attach and
// detach itself, keeps the project's name in step with the document's title and forwards the
// modified state.
//
// Every operation checks that the link is in the state it expects and throws C_Exception
// otherwise (misuse).
#pragma once

#include <cstdint>
#include <string>

namespace N_Biz::N_Proj {

class C_Proj;
class C_Doc;

class C_Mgr_Doc {
public:
    enum : std::uint32_t {
        E_Flag_Modified = 0x1, // set when the link is created and at every change; never cleared
    };

    explicit C_Mgr_Doc(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    C_Mgr_Doc(const C_Mgr_Doc&) = delete;
    C_Mgr_Doc& operator=(const C_Mgr_Doc&) = delete;

    // The project whose document is being created (set by M_Fn_Create for the document's
    // constructor), or null.
    static C_Proj* S_Fn_Proj_Creating_Get() { return S_p_Proj_Creating; }

    // Creates the project's document: opens the project file i_Path, or, with an empty path, a new
    // and empty document. 1 when the document was created and attached itself; 0 when the open or
    // the creation failed (the document is gone again). Throws when a document is already attached.
    int M_Fn_Create(const std::wstring& i_Path);
    // By the document's constructor: attaches it. Throws when one is attached or i_p_Doc is null.
    void M_Fn_On_Construct(C_Doc* i_p_Doc);
    // By the document's destructor: detaches it. Throws when none is attached.
    void M_Fn_On_Destruct();
    // By the document after its title was set: the title becomes the project's name and the
    // project's tree item is renamed. Throws when no document is attached.
    void M_Fn_On_Set_Title();
    // Before the project goes: closes an attached document (which detaches itself). 1; throws when
    // a document is still attached after the close.
    int M_Fn_Destroy();
    // Hands the modified bit to the attached document. Throws when none is attached.
    void M_Fn_Set_Modified();
    // Sets the modified bit and, with a document attached, the document's modified flag.
    void M_Fn_Mark_Modified();
    // The save-if-modified question: 1 when the user saved or discarded the changes or nothing was
    // modified, 0 when the user cancelled. Throws when no document is attached.
    int M_Fn_Save_Modified();
    // Saves under the document's path, or asks for one. Throws when no document is attached.
    int M_Fn_Save();
    // Asks for a file name and saves there. Throws when no document is attached.
    int M_Fn_Save_As();

    // --- project files (what the document's open and save run) -----------------------------------
    // The format is chosen by the file name's extension, from its last "." on, compared as it
    // stands: ".qmxb" the project file, ".bea" the deprecated text model (open only), ".qmxt" the
    // text project format, which is refused with "This feature is under development." before any
    // file is opened, created or changed. A name without "." gives "Error: No file extension.",
    // another extension "Unacceptable file extension: " followed by it. Every refusal and failure
    // is shown to the user; an exception is caught and reported through the exception report.
    //
    // Reads the file at i_Path into ro_Proj, a project just created for it (its document is being
    // made). "Error: Failed to open file." when the file cannot be opened. 1 when the project was
    // read; otherwise the project is half read and must be dropped.
    static int S_Fn_File_Read(C_Proj& ro_Proj, const std::wstring& i_Path);
    // Writes ro_Proj to the file at i_Path. A project file is written into a new file in the same
    // directory, which is flushed and checked and only then renamed over i_Path (a symbolic link
    // is followed; the new file takes the old one's permissions). Any failure removes the new file
    // and leaves i_Path as it was: "Error: Failed to open file." when the new file cannot be
    // created, "Error: Failed to write file." when writing, flushing or renaming fails. Saving as
    // ".bea" is refused with: Deprecated format: ".bea", please save as format: ".qmxb" instead.
    // 1 when the file was written.
    static int S_Fn_File_Write(C_Proj& ro_Proj, const std::wstring& i_Path);

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    std::uint32_t M_Fn_Get_Flags() const { return m_Flags; }
    C_Doc* M_Fn_Get_Doc() const { return m_p_Doc; }

private:
    static C_Proj* S_p_Proj_Creating;

    C_Proj* m_p_Proj;
    std::uint32_t m_Flags = E_Flag_Modified;
    C_Doc* m_p_Doc = nullptr;
};

} // namespace N_Biz::N_Proj
