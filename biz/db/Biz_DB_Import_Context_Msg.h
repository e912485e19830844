// Where the messages of one deck import go.
//
// Design note. A broken or hostile deck can raise a warning on every line, and every user message
// raised on the import worker is logged and queued for the interface thread. So the warnings of
// one import are rationed: the first S_Shown_Max are user messages as usual, the next ones up to
// S_Logged_Max are only written to the log, and the rest are only counted; M_Fn_Finish then tells
// the user how many were not shown. Progress and result messages of the readers (start, finish,
// failures, totals) are never rationed.
#pragma once

#include <cstdint>
#include <string>

namespace N_Biz::N_DB::N_Import {

class C_Context_Msg {
public:
    static constexpr std::uint64_t S_Shown_Max = 1000;
    static constexpr std::uint64_t S_Logged_Max = 10000;

    // A user message (C_App::G_Fn_Msg), always shown.
    void M_Fn_Msg(const std::wstring& i_Text);
    // A warning about the deck: shown, logged only or counted, as above.
    void M_Fn_Warn(const std::wstring& i_Text);
    // The same, with the text made by i_Fn_Text only when it is shown or logged: past the limits
    // a warning costs a count.
    template <class F>
    void M_Fn_Warn_Lazy(F&& i_Fn_Text)
    {
        if (m_Warn_Count >= S_Shown_Max + S_Logged_Max)
            ++m_Warn_Count;
        else
            M_Fn_Warn(i_Fn_Text());
    }
    // A log line (C_App::M_Fn_Log); nothing without an application object.
    void M_Fn_Log(const std::wstring& i_Text);
    // When warnings were held back: "Warning: " + count + " more warnings were not shown." once.
    void M_Fn_Finish();

    std::uint64_t M_Fn_Warn_Count() const { return m_Warn_Count; }

    // "Line: " + line + ", " (the prefix of every import warning that knows its line).
    static std::wstring S_Fn_Line(std::uint64_t i_Line);
    // "Line: " + line + ", Char: " + (position + 1) + ", ".
    static std::wstring S_Fn_Line_Char(std::uint64_t i_Line, std::uint64_t i_Pos);

private:
    std::uint64_t m_Warn_Count = 0;
    std::uint32_t m_Finished = 0;
};

} // namespace N_Biz::N_DB::N_Import
