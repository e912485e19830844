// The zoom bounds of the orthographic views, whose zoom is pixels per model unit. Fixed bounds
// would suit one size of content only (models come in millimetres, metres or inches alike), so a
// view keeps its bounds' room around the zoom at which its content fits: the fixed pair stands
// for a content that fits at zoom 1, and a content that fits at zoom f gets the same room around f,
// never less than the fixed pair. Both views compute the fit from their content and size at the
// moment they zoom, so the bounds follow content and size changes without an Adjust.
#pragma once

#include <algorithm>
#include <cmath>

namespace N_Common::N_Math {

// The zoom that makes the reach i_Reach (model units from the view's centre) fill i_Fit_Radius
// pixels; 1 for a content without reach, and for a reach that gives no usable scale (not a
// number, or so large that the scale underflows): never a degenerate scale.
inline float G_Fn_Zoom_Fit(float i_Fit_Radius, float i_Reach)
{
    if (!(i_Reach > 1e-6f))
        return 1.0f;
    const float f = i_Fit_Radius / i_Reach;
    return std::isnormal(f) ? f : 1.0f;
}

// The bounds [o_Min, o_Max] for a content that fits at zoom i_Fit: [i_Min, i_Max] widened to
// [i_Min i_Fit, i_Max i_Fit] on the side where the fit lies beyond zoom 1.
inline void G_Fn_Zoom_Bounds(float i_Fit, float i_Min, float i_Max, float& o_Min, float& o_Max)
{
    o_Min = std::min(i_Min, i_Min * i_Fit);
    o_Max = std::max(i_Max, i_Max * i_Fit);
}

// Whether the zoom i_Zoom may be multiplied by i_Factor within [i_Min, i_Max]: the new zoom is
// inside (both bounds inclusive); a step that leaves them is refused whole. A view whose content
// changed since it was zoomed may stand outside its new bounds: from there a step toward them is
// taken, one further away is not.
inline bool G_Fn_Zoom_Step_Allowed(float i_Zoom, float i_Factor, float i_Min, float i_Max)
{
    const float z = i_Zoom * i_Factor;
    if (!(std::isnormal(z) && z > 0.0f))
        return false;
    if (z < i_Min)
        return i_Factor >= 1.0f;
    if (z > i_Max)
        return i_Factor <= 1.0f;
    return true;
}

} // namespace N_Common::N_Math
