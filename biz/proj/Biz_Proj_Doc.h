// The project document as the core keeps it: what the framework's document holds for the project
// (its title, its path and the framework's modified flag) and the framework's behaviour around
// them (the default title of a new project, save-if-modified, save, save as, close). The window
// only shows it, through the application's port: the modified mark, the title and the save
// question.
//
// A document belongs to the framework side: it is created by the project's document link
// (C_Mgr_Doc::M_Fn_Create), attaches itself to that project when constructed, detaches itself when
// destroyed, and is destroyed by its own close.
//
// Reading and writing the project file go through S_Fn_Read and S_Fn_Write, which are the project
// files' own (C_Mgr_Doc::S_Fn_File_Read and S_Fn_File_Write) unless replaced. While they are empty,
// opening and saving fail and change nothing.
#pragma once

#include <functional>
#include <string>

namespace N_Biz::N_Proj {

class C_Proj;

class C_Doc {
public:
    // Reads (writes) the project from (to) the file at the path; 1 on success.
    using T_Fn_File = std::function<int(C_Proj&, const std::wstring&)>;
    static T_Fn_File S_Fn_Read;
    static T_Fn_File S_Fn_Write;

    // Takes the project whose document is being created (none: C_Exception) and attaches itself.
    C_Doc();
    C_Doc(const C_Doc&) = delete;
    C_Doc& operator=(const C_Doc&) = delete;
    // Detaches itself; a failure is reported, never thrown.
    ~C_Doc();

    // A new, empty document: the default title "Project " followed by the running number of new
    // documents (from 1). 1.
    int M_Fn_On_New_Document();
    // Reads the project file; on success the modified flag is cleared, the path and the title (the
    // file's name) taken and "Opened project: " + path shown; 1. 0 when reading failed.
    int M_Fn_On_Open_Document(const std::wstring& i_Path);
    // Writes the project file; on success the modified flag is cleared and "Project saved: " + path
    // shown; 1. 0 when writing failed.
    int M_Fn_On_Save_Document(const std::wstring& i_Path);

    // Stores the title, shows it, then lets the link copy it into the project.
    void M_Fn_Set_Title(const std::wstring& i_Title);
    const std::wstring& M_Fn_Get_Title() const { return m_Title; }
    const std::wstring& M_Fn_Get_Path() const { return m_Path; }
    // The framework's modified flag, shown through the port.
    void M_Fn_Set_Modified_Flag(bool i_Modified);
    bool M_Fn_Is_Modified() const { return m_Modified; }

    // Unmodified: 1 without a question. Otherwise asks: Yes saves (its result), No gives 1, Cancel 0.
    int M_Fn_Save_Modified();
    // Saves under the current path, or asks for one when there is none.
    int M_Fn_Do_File_Save();
    // Saves under i_Path; an empty path asks for one ("Save File As"; cancelled: 0), and a chosen
    // file that exists is written only after a Yes to "<path> already exists.\nDo you want to
    // overwrite it?". With a new path saved, the document takes it and its file's name as title.
    int M_Fn_Do_Save(const std::wstring& i_Path);
    // Closes the document: destroys it (which detaches it from the project).
    void M_Fn_On_Close_Document();

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }

private:
    static int S_Count_Untitled;

    C_Proj* m_p_Proj;
    std::wstring m_Title;
    std::wstring m_Path;
    bool m_Modified = false;
};

} // namespace N_Biz::N_Proj
