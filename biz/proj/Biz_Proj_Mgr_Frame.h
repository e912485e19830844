// The view manager of the project: its three-dimensional view. Until the view window is built the
// manager holds its project, the frozen flag and the rotation centre, and every invalidation finds
// no window to reach.
#pragma once

#include "common/Common_Math_Vector.h"

#include <cstdint>

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_Frame {
public:
    explicit C_Mgr_Frame(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    C_Mgr_Frame(const C_Mgr_Frame&) = delete;
    C_Mgr_Frame& operator=(const C_Mgr_Frame&) = delete;

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }

    // Invalidates the main view's whole client area without erasing, unless drawing is frozen;
    // nothing when the main view does not exist.
    void M_Fn_View_Main_Invalidate() {}
    // What the data changes call: the project view is invalidated, nothing is drawn at once.
    void M_Fn_View_Main_Redraw() { M_Fn_View_Main_Invalidate(); }
    // Resolves the display modes of models and sections from the configuration and invalidates
    // the view.
    void M_Fn_Config_Disp_Update() { M_Fn_View_Main_Invalidate(); }
    // The viewing direction of the main view in model coordinates (into the screen; its length is
    // 1 / zoom). Without a view: straight down the model's z axis.
    N_Common::N_Math::C_Vector3<float> M_Fn_View_Main_Get_Dir_View() const { return {0.0f, 0.0f, -1.0f}; }
    // Closes the project's child frame when it is open (before the project goes).
    void M_Fn_Frame_Close() {}
    // Makes the model point ro_Point the centre about which the view rotates, and invalidates.
    void M_Fn_View_Main_Set_Center_Rotate(const N_Common::N_Math::C_Vector3<float>& ro_Point)
    {
        m_Center_Rotate = ro_Point;
        M_Fn_View_Main_Invalidate();
    }
    const N_Common::N_Math::C_Vector3<float>& M_Fn_Get_Center_Rotate() const { return m_Center_Rotate; }

    // Bit 0: drawing frozen (no invalidation reaches the view).
    std::uint32_t m_Flags = 0;

private:
    C_Proj* m_p_Proj;
    N_Common::N_Math::C_Vector3<float> m_Center_Rotate;
};

} // namespace N_Biz::N_Proj
