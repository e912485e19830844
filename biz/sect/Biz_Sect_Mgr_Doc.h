// The section's link to its document (the window that shows the section; a section is never a
// file). Until the document side exists the link holds no document, and the title it is given is
// kept by the section, so that a document opened later shows it.
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

    // Creates the section's document, which shows the section once its frame opens; no window opens
    // here. Throws when a document is already linked.
    void M_Fn_Create();
    // The title of the section's document; it becomes the section's title and its tree item's text.
    void M_Fn_Title_Set(const std::wstring& i_Title);
    // Before the section goes: closes its document when one is open.
    void M_Fn_Destroy() {}

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    // The open document, or null.
    C_Doc* M_Fn_Get_Doc() const { return m_p_Doc; }

private:
    C_Sect* m_p_Sect;
    C_Doc* m_p_Doc = nullptr;
};

} // namespace N_Biz::N_Sect
