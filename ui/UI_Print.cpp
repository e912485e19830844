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
    // The header is checked first: the image reader would otherwise allocate whatever size a
    // damaged file claims, and it takes a file whose pixels are cut short for a whole one.
    std::ifstream in(wxString(i_Path).fn_str(), std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff file_size = in.tellg();
    in.seekg(0, std::ios::beg);
    unsigned char head[34] = {};
    if (file_size < 26 || !in.read(reinterpret_cast<char*>(head), std::min<std::streamoff>(file_size, sizeof head)) ||
        head[0] != 'B' || head[1] != 'M')
        return false;
    const std::int64_t pixels_at = static_cast<std::uint32_t>(G_Fn_Le_32(head, 10));
    const std::int32_t info_size = G_Fn_Le_32(head, 14);
    std::int64_t width = 0, height = 0, bits = 0, compression = 0;
    if (info_size == 12) { // the old core header: 16-bit sizes
        width = head[18] | head[19] << 8;
        height = head[20] | head[21] << 8;
        bits = head[24] | head[25] << 8;
    } else if (info_size >= 40 && file_size >= 34) {
        width = G_Fn_Le_32(head, 18);
        height = G_Fn_Le_32(head, 22);
        bits = head[28] | head[29] << 8;
        compression = G_Fn_Le_32(head, 30);
    } else
        return false;
    if (height < 0) // rows stored top-down
        height = -height;
    if (width < 1 || width > G_Bitmap_Side_Max || height < 1 || height > G_Bitmap_Side_Max)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    // Uncompressed rows (plain or with bit fields) must all be there.
    if ((compression == 0 || compression == 3) && file_size < pixels_at + height * ((width * bits + 31) / 32 * 4))
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
