#include "ui/UI_Art.h"

#include "ui/UI_Cmd_Id.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <algorithm>

namespace N_UI::N_Art {

namespace {

constexpr int G_Side = 16;
const wxColour G_Ink(40, 40, 40);
const wxColour G_Blue(40, 100, 190);
const wxColour G_Face(120, 170, 230);

// A box seen from the front-right: front square and back square joined at the corners; i_Face
// (0 none, 1 top, 2 bottom, 3 right, 4 left, 5 back, 6 front) is filled.
void G_Fn_Draw_Box(wxDC& ro_DC, int i_Face)
{
    const wxPoint f[4] = {{2, 6}, {10, 6}, {10, 14}, {2, 14}}; // front: top-left, clockwise
    const wxPoint b[4] = {{6, 2}, {14, 2}, {14, 10}, {6, 10}}; // back
    ro_DC.SetPen(wxPen(G_Ink));
    ro_DC.SetBrush(wxBrush(G_Face));
    const wxPoint faces[6][4] = {
        {b[0], b[1], f[1], f[0]}, {f[3], f[2], b[2], b[3]}, {f[1], b[1], b[2], f[2]},
        {b[0], f[0], f[3], b[3]}, {b[0], b[1], b[2], b[3]}, {f[0], f[1], f[2], f[3]},
    };
    if (i_Face >= 1 && i_Face <= 6)
        ro_DC.DrawPolygon(4, faces[i_Face - 1]);
    ro_DC.SetBrush(*wxTRANSPARENT_BRUSH);
    for (int i = 0; i < 4; ++i) {
        ro_DC.DrawLine(f[i], f[(i + 1) % 4]);
        ro_DC.DrawLine(b[i], b[(i + 1) % 4]);
        ro_DC.DrawLine(f[i], b[i]);
    }
}

void G_Fn_Draw(wxDC& ro_DC, int i_Id)
{
    ro_DC.SetPen(wxPen(G_Ink));
    switch (i_Id) {
    case N_Cmd::E_Id_File_Proj_New: {
        const wxPoint page[5] = {{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}};
        ro_DC.SetBrush(*wxWHITE_BRUSH);
        ro_DC.DrawPolygon(5, page);
        ro_DC.DrawLine(10, 1, 10, 4);
        ro_DC.DrawLine(10, 4, 13, 4);
        break;
    }
    case N_Cmd::E_Id_File_Proj_Open: {
        ro_DC.SetBrush(wxBrush(wxColour(230, 190, 70)));
        const wxPoint folder[6] = {{1, 3}, {6, 3}, {8, 5}, {14, 5}, {14, 14}, {1, 14}};
        ro_DC.DrawPolygon(6, folder);
        break;
    }
    case N_Cmd::E_Id_File_Proj_Save:
        ro_DC.SetBrush(wxBrush(G_Blue));
        ro_DC.DrawRectangle(1, 1, 14, 14);
        ro_DC.SetBrush(*wxWHITE_BRUSH);
        ro_DC.DrawRectangle(4, 2, 8, 5);
        ro_DC.DrawRectangle(4, 10, 8, 5);
        break;
    case N_Cmd::E_Id_File_Proj_Print:
        ro_DC.SetBrush(*wxWHITE_BRUSH);
        ro_DC.DrawRectangle(4, 1, 8, 6);
        ro_DC.SetBrush(wxBrush(wxColour(150, 150, 150)));
        ro_DC.DrawRectangle(1, 6, 14, 6);
        ro_DC.SetBrush(*wxWHITE_BRUSH);
        ro_DC.DrawRectangle(4, 10, 8, 5);
        break;
    case N_Cmd::E_Id_App_About:
        ro_DC.SetBrush(wxBrush(G_Blue));
        ro_DC.DrawEllipse(1, 1, 14, 14);
        ro_DC.SetPen(*wxWHITE_PEN);
        ro_DC.SetBrush(*wxWHITE_BRUSH);
        ro_DC.DrawRectangle(7, 4, 2, 2);
        ro_DC.DrawRectangle(7, 7, 2, 5);
        break;
    case N_Cmd::E_Id_View_Reset:
        ro_DC.DrawLine(1, 1, 5, 1);
        ro_DC.DrawLine(1, 1, 1, 5);
        ro_DC.DrawLine(14, 1, 10, 1);
        ro_DC.DrawLine(14, 1, 14, 5);
        ro_DC.DrawLine(1, 14, 5, 14);
        ro_DC.DrawLine(1, 14, 1, 10);
        ro_DC.DrawLine(14, 14, 10, 14);
        ro_DC.DrawLine(14, 14, 14, 10);
        ro_DC.SetBrush(wxBrush(G_Face));
        ro_DC.DrawRectangle(5, 5, 6, 6);
        break;
    case N_Cmd::E_Id_View_Adjust:
        ro_DC.SetBrush(wxBrush(G_Face));
        ro_DC.DrawEllipse(1, 1, 10, 10);
        ro_DC.SetPen(wxPen(G_Ink, 2));
        ro_DC.DrawLine(10, 10, 14, 14);
        break;
    case N_Cmd::E_Id_View_Center:
        ro_DC.SetBrush(*wxTRANSPARENT_BRUSH);
        ro_DC.DrawEllipse(3, 3, 10, 10);
        ro_DC.DrawLine(8, 0, 8, 16);
        ro_DC.DrawLine(0, 8, 16, 8);
        break;
    case N_Cmd::E_Id_View_XY: // the six preset views, each with its face of the box
    case N_Cmd::E_Id_View_YX:
    case N_Cmd::E_Id_View_ZX:
    case N_Cmd::E_Id_View_XZ:
    case N_Cmd::E_Id_View_YZ:
    case N_Cmd::E_Id_View_ZY:
        G_Fn_Draw_Box(ro_DC, i_Id - N_Cmd::E_Id_View_XY + 1);
        break;
    case N_Cmd::E_Id_Disp_Grid:
        for (int i = 1; i < G_Side; i += 4) {
            ro_DC.DrawLine(i, 1, i, 14);
            ro_DC.DrawLine(1, i, 14, i);
        }
        break;
    case N_Cmd::E_Id_Edit_Sel_Geometry: {
        ro_DC.SetBrush(*wxWHITE_BRUSH);
        const wxPoint arrow[7] = {{2, 1}, {2, 13}, {5, 10}, {8, 15}, {10, 14}, {7, 9}, {11, 9}};
        ro_DC.DrawPolygon(7, arrow);
        ro_DC.SetPen(wxPen(G_Blue, 2));
        ro_DC.DrawArc(15, 4, 9, 1, 15, 1);
        break;
    }
    case N_Cmd::E_Id_Pane_Tool:
        ro_DC.SetBrush(wxBrush(wxColour(150, 150, 150)));
        ro_DC.DrawRectangle(1, 2, 9, 5);
        ro_DC.SetBrush(wxBrush(wxColour(160, 110, 60)));
        ro_DC.DrawRectangle(5, 7, 3, 8);
        break;
    case N_Cmd::E_Id_Pane_Tree:
        ro_DC.SetBrush(wxBrush(G_Face));
        ro_DC.DrawRectangle(1, 1, 5, 4);
        ro_DC.DrawRectangle(8, 6, 6, 4);
        ro_DC.DrawRectangle(8, 11, 6, 4);
        ro_DC.DrawLine(3, 5, 3, 13);
        ro_DC.DrawLine(3, 8, 8, 8);
        ro_DC.DrawLine(3, 13, 8, 13);
        break;
    case N_Cmd::E_Id_Pane_Property:
        ro_DC.SetBrush(*wxWHITE_BRUSH);
        ro_DC.DrawRectangle(1, 1, 14, 14);
        for (int y = 4; y < 14; y += 3) {
            ro_DC.DrawLine(3, y, 7, y);
            ro_DC.DrawLine(9, y, 13, y);
        }
        break;
    case N_Cmd::E_Id_Pane_Output:
        ro_DC.SetBrush(*wxWHITE_BRUSH);
        ro_DC.DrawRectangle(1, 2, 14, 12);
        for (int y = 5; y < 13; y += 3)
            ro_DC.DrawLine(3, y, 12, y);
        break;
    default:
        ro_DC.SetBrush(wxBrush(G_Face));
        ro_DC.DrawRectangle(2, 2, 12, 12);
        break;
    }
}

} // namespace

wxBitmap G_Fn_Bitmap(int i_Id)
{
    // Drawn once on black and once on white: where the two differ the drawing lets the background
    // through, which gives each pixel its coverage (the edges are smoothed) and its own colour.
    const auto draw = [i_Id](const wxColour& i_Background) {
        wxBitmap bitmap(G_Side, G_Side, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(wxBrush(i_Background));
            dc.Clear();
            G_Fn_Draw(dc, i_Id);
        }
        return bitmap.ConvertToImage();
    };
    const wxImage on_black = draw(*wxBLACK);
    const wxImage on_white = draw(*wxWHITE);
    wxImage image(G_Side, G_Side);
    image.InitAlpha();
    for (int y = 0; y < G_Side; ++y)
        for (int x = 0; x < G_Side; ++x) {
            const int through = (on_white.GetRed(x, y) - on_black.GetRed(x, y) + on_white.GetGreen(x, y) -
                                 on_black.GetGreen(x, y) + on_white.GetBlue(x, y) - on_black.GetBlue(x, y)) /
                                3;
            const int alpha = std::clamp(255 - through, 0, 255);
            image.SetAlpha(x, y, static_cast<unsigned char>(alpha));
            if (alpha == 0)
                continue;
            const auto channel = [alpha](unsigned char i_Value) {
                return static_cast<unsigned char>(std::min(255, i_Value * 255 / alpha));
            };
            image.SetRGB(x, y, channel(on_black.GetRed(x, y)), channel(on_black.GetGreen(x, y)),
                         channel(on_black.GetBlue(x, y)));
        }
    return wxBitmap(image);
}

} // namespace N_UI::N_Art
