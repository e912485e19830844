// The progress record shared by a long task on the worker thread and the progress display on the
// interface thread. Every read and write of the fields holds the lock for the whole access; a reader
// copies what it needs under the lock and uses the copy afterwards.
#pragma once

#include <mutex>
#include <string>

namespace N_UI::N_Progress {

struct C_Status {
    std::mutex m_Lock;
    unsigned m_Running = 0;      // nonzero while the work runs; 0 tells the display to close
    unsigned m_Detail_Shown = 0; // nonzero: the detail text is shown
    unsigned m_Bar_Shown = 0;    // nonzero: the bar is shown
    std::wstring m_Text;         // the main line
    std::wstring m_Detail;       // the second line
    float m_Current = 0.0f;      // work done
    float m_Total = 1.0f;        // work to do

    // A copy of the fields taken under the lock.
    struct C_Snapshot {
        unsigned m_Running, m_Detail_Shown, m_Bar_Shown;
        std::wstring m_Text, m_Detail;
        float m_Current, m_Total;
    };
    C_Snapshot M_Fn_Snapshot()
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        return {m_Running, m_Detail_Shown, m_Bar_Shown, m_Text, m_Detail, m_Current, m_Total};
    }

    // A new task begins: running, detail and bar hidden, texts empty, nothing done; the total keeps
    // its value (the task sets it before it shows a bar).
    void M_Fn_Start()
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Running = 1;
        m_Detail_Shown = 0;
        m_Bar_Shown = 0;
        m_Text.clear();
        m_Detail.clear();
        m_Current = 0.0f;
    }
    // The task is done (or never started): the display closes.
    void M_Fn_Stop()
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Running = 0;
    }

    // Whether the work runs (read under the lock).
    bool M_Fn_Is_Running()
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        return m_Running != 0;
    }

    // Bar position 0..1000 for a snapshot: current / total in single precision, below 0 or NaN
    // counts as 0, above 1 as 1, truncated towards zero.
    static int S_Fn_Bar_Position(float i_current, float i_total)
    {
        float r = i_current / i_total;
        if (!(r >= 0.0f))
            r = 0.0f;
        if (r > 1.0f)
            r = 1.0f;
        return static_cast<int>(1000.0f * r);
    }
};

} // namespace N_UI::N_Progress
