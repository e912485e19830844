// The section's link to its document (the window that shows the section; a section is never a
// file). The link creates the document through the application's port, lets it link and unlink
// itself, keeps the section's title in step with the document's and closes the document before the
// section goes. Until a document exists the title the section is given is kept by the section, so
// that a document opened later can show it.
//
// Every operation checks that the link is in the state it expects and throws C_Exception
// otherwise (misuse).
#pragma once

#include <cstdint>
#include <string>

namespace N_Biz::N_Sect {

class C_Sect;
class C_Doc;

class C_Mgr_Doc {
public:
    explicit C_Mgr_Doc(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect) {}
    C_Mgr_Doc(const C_Mgr_Doc&) = delete;
    C_Mgr_Doc& operator=(const C_Mgr_Doc&) = delete;

    // The section whose document is being created (set by M_Fn_Create for the document's
    // constructor for the duration of the creation), or null.
    static C_Sect* S_Fn_Sect_Creating_Get() { return S_p_Sect_Creating; }

    // Creates the section's document: asks the port for a new section document, which links itself
    // while it is constructed; then its title becomes "Untitled" and its new-document
    // initialisation runs. Throws when a document is already linked, when none linked itself, or
    // when the initialisation fails.
    void M_Fn_Create();
    // By the document's constructor: links it. Throws when one is linked or i_p_Doc is null.
    void M_Fn_On_Construct(C_Doc* i_p_Doc);
    // By the document's destructor: unlinks it. Throws when none is linked.
    void M_Fn_On_Destruct();
    // By the document after its title was set: the title becomes the section's and the section's
    // tree item is renamed. Throws when no document is linked.
    void M_Fn_On_Set_Title();
    // Before the section goes: closes a linked document (which unlinks itself); throws when it is
    // still linked after the close. Nothing without a document.
    void M_Fn_Destroy();

    // The title of the section's document: with a document, the document's title is set (which
    // comes back through M_Fn_On_Set_Title); without one, the section keeps it.
    void M_Fn_Title_Set(const std::wstring& i_Title);

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    // The linked document, or null.
    C_Doc* M_Fn_Get_Doc() const { return m_p_Doc; }

private:
    static C_Sect* S_p_Sect_Creating;

    C_Sect* m_p_Sect;
    C_Doc* m_p_Doc = nullptr;
};

} // namespace N_Biz::N_Sect
