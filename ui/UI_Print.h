// Printing of the project: one page with the bitmap file "print.bmp" of the current directory,
// drawn as a square whose side is the paper's shorter side in printer pixels, at the page's
// top-left corner. The whole bitmap is stretched into the square.
#pragma once

#include <wx/bitmap.h>
#include <wx/print.h>

#include <string>

namespace N_UI {

class C_Printout : public wxPrintout {
public:
    // The document is named "Doc".
    explicit C_Printout(const wxBitmap& ro_Bitmap);

    // The print command: loads the bitmap at i_Path first (a missing or unreadable file is
    // reported as a user message and nothing is printed), then the print dialog and the page-setup
    // dialog for the same printer (owned by i_p_Owner; a cancel ends the command), then one page.
    static void S_Fn_Print(wxWindow* i_p_Owner, const std::wstring& i_Path);
    // Reads a BMP file; false for a missing, truncated or unreadable file, or one whose header
    // gives a width or height outside 1 to 30000 pixels or uncompressed rows the file lacks.
    static bool S_Fn_Bitmap_Load(const std::wstring& i_Path, wxBitmap& o_Bitmap);
    // Draws the whole bitmap stretched into the square (0, 0)-(i_Side, i_Side) of ro_DC.
    static void S_Fn_Draw(wxDC& ro_DC, const wxBitmap& ro_Bitmap, int i_Side);

    bool HasPage(int i_Page) override { return i_Page == 1; }
    void GetPageInfo(int* o_p_Min, int* o_p_Max, int* o_p_From, int* o_p_To) override;
    bool OnPrintPage(int i_Page) override;

private:
    wxBitmap m_Bitmap;
};

} // namespace N_UI
