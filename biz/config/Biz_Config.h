// The configuration: one object for the whole run, created by the application's start-up and held
// in C_App::m_sp_Config. It holds the settings block (Biz_Config_Data.h) and the change signal.
//
// Whoever changes a setting writes the field and then fires the signal with the E_Signal code of
// its group (M_Fn_Notify); the tool dialogs listen and refresh their controls, and the command
// that made the change redraws the views it affects. Used on the interface thread only; the
// signal guards its own connection list.
//
// The tool dialogs check typed values with the G_Fn_Check_* functions below: each returns the
// message to show (through C_App) for a refused value, or nothing for a valid one.
#pragma once

#include "biz/config/Biz_Config_Data.h"

#include <boost/signals2/signal.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace N_Biz::N_Config {

// Group of settings that changed, as fired on the configuration's signal.
enum E_Signal : std::int32_t {
    E_Signal_View = 2,            // card colouring, coordinate system, print mode (words 10-12)
    E_Signal_Sect_Grid = 3,       // section view nodes, grid guides and grid scale (13-15)
    E_Signal_Analysis = 4,        // result sheet values, marks, load case, stress bound (16-27)
    E_Signal_Sect_Mesh = 5,       // section mesh display and tessellation settings (28-31)
    E_Signal_Proj_Disp = 6,       // project view display modes and edges (32-36)
    E_Signal_Sect_Edit = 7,       // section creation and editing options (37-43)
    E_Signal_Extra_Sections = 8,  // extra sections per axis (44)
};

class C_Config;

// The signal holder: the configuration and its change signal.
class C_Config_Signal {
public:
    using T_Signal = boost::signals2::signal<void(C_Config&, E_Signal)>;

    explicit C_Config_Signal(C_Config* i_p_Config) : m_p_Config(i_p_Config) {}

    C_Config* m_p_Config;
    T_Signal m_Signal;
};

class C_Config {
public:
    // The settings block with its defaults and an empty signal.
    C_Config();
    ~C_Config();
    C_Config(const C_Config&) = delete;
    C_Config& operator=(const C_Config&) = delete;

    C_Config_Data& M_Fn_Data() { return *m_up_Data; }
    const C_Config_Data& M_Fn_Data() const { return *m_up_Data; }
    C_Config_Signal::T_Signal& M_Fn_Signal() { return m_up_Signal->m_Signal; }

    // Fires the signal once with this configuration and the code.
    void M_Fn_Notify(E_Signal i_Code);

    // Toggles a flag word (0 gives 1, anything else 0) and fires the code once.
    void M_Fn_Toggle(std::int32_t C_Config_Data::*i_Word, E_Signal i_Code);

    // "Toggle show thickness" / "Toggle show loop": toggles word 28 / 29 and fires code 5; when both
    // are then on, clears the other one and fires code 5 again. The caller redraws the views.
    void M_Fn_Toggle_Show_Thickness();
    void M_Fn_Toggle_Show_Loop();

    // Result graph clicks, each firing code 4: left click steps the load case (word 26) back with 0
    // wrapping to 5, right click forward with 5 wrapping to 0; middle click toggles the stress bound
    // (word 27).
    void M_Fn_Load_Case_Step_Prev();
    void M_Fn_Load_Case_Step_Next();
    void M_Fn_Stress_Bound_Toggle();

private:
    void M_Fn_Toggle_Exclusive(std::int32_t C_Config_Data::*i_Word, std::int32_t C_Config_Data::*i_Other);
    void M_Fn_Load_Case_Step(std::int32_t i_Step);

    std::unique_ptr<C_Config_Signal> m_up_Signal;
    std::unique_ptr<C_Config_Data> m_up_Data;
};

// The tessellation angle (word 30) is stored in radians and shown in degrees.
float G_Fn_Tess_Angle_Deg_From_Rad(float i_Rad); // times 57.29578
float G_Fn_Tess_Angle_Rad_From_Deg(float i_Deg); // times 0.0174533

// Value checks of the tool dialogs: the message for a refused value, nothing for a valid one.
// Bounds are inclusive; NaN is refused.
// Tessellation angle in degrees, 0.0 to 6.0: "Invalid value, valid range: 0.0 - 6.0."
std::optional<std::wstring> G_Fn_Check_Tess_Angle_Deg(float i_Deg);
// Length over thickness (word 31), 0.0 to 4.0: "Invalid value, valid range: 0.0 - 4.0."
std::optional<std::wstring> G_Fn_Check_Tess_Length_Over_Thk(float i_Value);
// Grid scale (word 15), at least 1.0: "Invalid value, the value must not be less than 1.0 ."
std::optional<std::wstring> G_Fn_Check_Grid_Scale(float i_Value);
// Extra sections per axis (word 44), 0 to 20: "Invalid value, valid range: 0 ~ 20."
std::optional<std::wstring> G_Fn_Check_Extra_Sections(std::int64_t i_Value);

// Labels of the project display tool for what Auto currently means: word 34 gives "Auto",
// "Auto (Hide)", "Auto (Grid)", "Auto (Mesh)", "Auto (Shade)" for 0, 2, 3, 4, 5; word 36 gives
// "Auto", "Auto (Hide)", "Auto (Plane)", "Auto (Geometry)", "Auto (Element)". Any other value
// throws C_Exception.
std::wstring G_Fn_Label_Model_Disp_Auto(std::int32_t i_Word_34);
std::wstring G_Fn_Label_Sect_Disp_Auto(std::int32_t i_Word_36);

} // namespace N_Biz::N_Config
