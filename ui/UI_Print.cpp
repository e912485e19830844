#include "ui/UI_Print.h"

#include "app/App.h"

#include <wx/dc.h>
#include <wx/log.h>
#include <wx/printdlg.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace N_UI {

namespace {

constexpr std::int32_t G_Bitmap_Side_Max = 30000;

// Little-endian 32-bit value at i_Offset of i_Bytes.
std::int32_t G_Fn_Le_32(const unsigned char* i_Bytes, std::size_t i_Offset)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(i_Bytes[i_Offset]) |
                                     static_cast<std::uint32_t>(i_Bytes[i_Offset + 1]) << 8 |
                                     static_cast<std::uint32_t>(i_Bytes[i_Offset + 2]) << 16 |
                                     static_cast<std::uint32_t>(i_Bytes[i_Offset + 3]) << 24);
}

} // namespace

C_Printout::C_Printout(const wxBitmap& ro_Bitmap) : wxPrintout("Doc"), m_Bitmap(ro_Bitmap) {}

bool C_Printout::S_Fn_Bitmap_Load(const std::wstring& i_Path, wxBitmap& o_Bitmap)
{
    // The header is checked first: the image reader would otherwise try to allocate whatever size
    // a damaged file claims. File header (14 bytes), then the info header's size, width, height.
    std::ifstream in(wxString(i_Path).fn_str(), std::ios::binary);
    unsigned char head[26] = {};
    if (!in.read(reinterpret_cast<char*>(head), sizeof head) || head[0] != 'B' || head[1] != 'M')
        return false;
    const std::int32_t width = G_Fn_Le_32(head, 18);
    const std::int32_t height = G_Fn_Le_32(head, 22);
    if (width < 1 || width > G_Bitmap_Side_Max || height == 0 || height < -G_Bitmap_Side_Max ||
        height > G_Bitmap_Side_Max)
        return false;
    wxLogNull quiet; // a failure is reported by the caller, not by a box of wx's own
    wxBitmap bitmap;
    if (!bitmap.LoadFile(wxString(i_Path), wxBITMAP_TYPE_BMP) || !bitmap.IsOk())
        return false;
    o_Bitmap = bitmap;
    return true;
}

void C_Printout::S_Fn_Draw(wxDC& ro_DC, const wxBitmap& ro_Bitmap, int i_Side)
{
    if (i_Side <= 0 || !ro_Bitmap.IsOk())
        return;
    double scale_x = 1.0, scale_y = 1.0;
    ro_DC.GetUserScale(&scale_x, &scale_y);
    ro_DC.SetUserScale(scale_x * i_Side / ro_Bitmap.GetWidth(), scale_y * i_Side / ro_Bitmap.GetHeight());
    ro_DC.DrawBitmap(ro_Bitmap, 0, 0);
    ro_DC.SetUserScale(scale_x, scale_y);
}

void C_Printout::GetPageInfo(int* o_p_Min, int* o_p_Max, int* o_p_From, int* o_p_To)
{
    *o_p_Min = *o_p_Max = *o_p_From = *o_p_To = 1;
}

bool C_Printout::OnPrintPage(int i_Page)
{
    wxDC* p_dc = GetDC();
    if (i_Page != 1 || !p_dc)
        return false;
    // The square's side: the shorter side of the paper in printer pixels.
    const wxRect paper = GetPaperRectPixels();
    S_Fn_Draw(*p_dc, m_Bitmap, std::min(paper.width, paper.height));
    return true;
}

void C_Printout::S_Fn_Print(wxWindow* i_p_Owner, const std::wstring& i_Path)
{
    wxBitmap bitmap;
    if (!S_Fn_Bitmap_Load(i_Path, bitmap)) {
        C_App::G_Fn_Msg(L"Failed to load the bitmap file " + i_Path + L".");
        return;
    }
    wxPrintDialogData print_data;
    wxPrintDialog print_dlg(i_p_Owner, &print_data);
    if (print_dlg.ShowModal() != wxID_OK)
        return;
    wxPageSetupDialogData setup_data(print_dlg.GetPrintDialogData().GetPrintData());
    wxPageSetupDialog setup_dlg(i_p_Owner, &setup_data);
    if (setup_dlg.ShowModal() != wxID_OK)
        return;
    wxPrintDialogData final_data(setup_dlg.GetPageSetupDialogData().GetPrintData());
    wxPrinter printer(&final_data);
    C_Printout printout(bitmap);
    printer.Print(i_p_Owner, &printout, false);
}

} // namespace N_UI
