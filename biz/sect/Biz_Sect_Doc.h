// What the section's document link and view manager need of the section's document, the window
// side's document of one section (never a file). The window side implements it; its constructor
// takes the section from C_Mgr_Doc::S_Fn_Sect_Creating_Get() and calls the link's
// M_Fn_On_Construct, its destructor the link's M_Fn_On_Destruct, and its title setter the link's
// M_Fn_On_Set_Title once the title is stored.
#pragma once

#include <string>

namespace N_Biz::N_Sect {

class C_Doc {
public:
    virtual ~C_Doc() = default;

    // The document's title, and its setter (which ends by calling the link's M_Fn_On_Set_Title).
    virtual const std::wstring& M_Fn_Get_Title() const = 0;
    virtual void M_Fn_Set_Title(const std::wstring& i_Title) = 0;
    // The framework's initialisation of a new document; 1 on success.
    virtual int M_Fn_On_New_Document() = 0;
    // Closes the document: its frames go, then the document itself (which unlinks it).
    virtual void M_Fn_On_Close_Document() = 0;
    // A new child frame for the document with its three views, created hidden, with its initial
    // update run; the document is not deleted when its last frame goes. 1, or 0 when the framework
    // made no frame.
    virtual int M_Fn_Frame_Create() = 0;
    // Sends the close request to the child frame that holds the section's main view. 1, or 0 when
    // the main view has no frame.
    virtual int M_Fn_Frame_Close() = 0;
};

} // namespace N_Biz::N_Sect
