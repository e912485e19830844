// The program's small images, drawn in code: the main toolbar's buttons and the panes' icons.
#pragma once

#include <wx/bitmap.h>

namespace N_UI::N_Art {

// A 16 x 16 image for a command id of the main toolbar or a pane's control id; an unknown id
// gives a plain square.
wxBitmap G_Fn_Bitmap(int i_Id);

} // namespace N_UI::N_Art
