#include "biz/proj/Biz_Proj_Mgr_Doc.h"

#include "app/App.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Doc.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace N_Biz::N_Proj {

C_Proj* C_Mgr_Doc::S_p_Proj_Creating = nullptr;

int C_Mgr_Doc::M_Fn_Create(const std::wstring& i_Path)
{
    if (m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Create");
    // The document's constructor finds its project here; the record lasts only as long as the
    // creation, so no later document can pick up a project that may be gone.
    struct C_Creating {
        explicit C_Creating(C_Proj* i_p_Proj) { S_p_Proj_Creating = i_p_Proj; }
        ~C_Creating() { S_p_Proj_Creating = nullptr; }
    } creating(m_p_Proj);

    auto* p_doc = new C_Doc();
    int result = 0;
    try {
        result = i_Path.empty() ? p_doc->M_Fn_On_New_Document() : p_doc->M_Fn_On_Open_Document(i_Path);
    } catch (...) {
        delete p_doc;
        throw;
    }
    if (result != 1) {
        // The framework drops a document it could not open.
        delete p_doc;
        return 0;
    }
    if (m_p_Doc != p_doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Create");
    return 1;
}

void C_Mgr_Doc::M_Fn_On_Construct(C_Doc* i_p_Doc)
{
    if (m_p_Doc || !i_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_On_Construct");
    m_p_Doc = i_p_Doc;
}

void C_Mgr_Doc::M_Fn_On_Destruct()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_On_Destruct");
    m_p_Doc = nullptr;
}

void C_Mgr_Doc::M_Fn_On_Set_Title()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_On_Set_Title");
    m_p_Proj->M_Fn_Name_Set(m_p_Doc->M_Fn_Get_Title());
    // The tree item exists once the application has put the project into the tree.
    if (m_p_Proj->M_Fn_Get_Tree().M_Fn_Is_Connected())
        m_p_Proj->M_Fn_Get_Tree().M_Fn_On_Rename();
}

int C_Mgr_Doc::M_Fn_Destroy()
{
    if (m_p_Doc)
        m_p_Doc->M_Fn_On_Close_Document();
    if (m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Destroy");
    return 1;
}

void C_Mgr_Doc::M_Fn_Set_Modified()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Set_Modified");
    m_p_Doc->M_Fn_Set_Modified_Flag((m_Flags & E_Flag_Modified) != 0);
}

void C_Mgr_Doc::M_Fn_Mark_Modified()
{
    m_Flags |= E_Flag_Modified;
    if (m_p_Doc)
        m_p_Doc->M_Fn_Set_Modified_Flag(true);
}

int C_Mgr_Doc::M_Fn_Save_Modified()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Save_Modified");
    return m_p_Doc->M_Fn_Save_Modified();
}

int C_Mgr_Doc::M_Fn_Save()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Save");
    return m_p_Doc->M_Fn_Do_File_Save();
}

int C_Mgr_Doc::M_Fn_Save_As()
{
    if (!m_p_Doc)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Doc::M_Fn_Save_As");
    return m_p_Doc->M_Fn_Do_Save(std::wstring());
}

// --- project files -------------------------------------------------------------------------------

namespace {

enum E_Format { E_Format_None, E_Format_Binary, E_Format_Text, E_Format_BEA, E_Format_Other };

// The format named by the extension of the file name (from its last "."; a "." in a directory
// name is no extension), compared as it stands; o_Extension receives the extension.
E_Format G_Fn_Format(const std::wstring& i_Path, std::wstring& o_Extension)
{
    const std::size_t slash = i_Path.find_last_of(L"/\\");
    const std::size_t dot = i_Path.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        return E_Format_None;
    o_Extension = i_Path.substr(dot);
    if (o_Extension == L".qmxb")
        return E_Format_Binary;
    if (o_Extension == L".qmxt")
        return E_Format_Text;
    if (o_Extension == L".bea")
        return E_Format_BEA;
    return E_Format_Other;
}

void G_Fn_Msg(const std::wstring& i_Text)
{
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_Msg(i_Text);
}

// The refusals common to reading and writing: 0 after the message, or 1 when the format is one
// that the caller handles.
int G_Fn_Format_Check(E_Format i_Format, const std::wstring& i_Extension)
{
    switch (i_Format) {
    case E_Format_None: G_Fn_Msg(L"Error: No file extension."); return 0;
    case E_Format_Other: G_Fn_Msg(L"Unacceptable file extension: " + i_Extension); return 0;
    default: return 1;
    }
}

// An output buffer over a file descriptor that notices every failed write (a full disk, a file
// size limit, an I/O error): a failed write makes the stream bad and stays failed.
class C_Buf_File_Out : public std::streambuf {
public:
    explicit C_Buf_File_Out(int i_Fd) : m_Fd(i_Fd), m_Buffer(std::size_t(1) << 20)
    {
        setp(m_Buffer.data(), m_Buffer.data() + m_Buffer.size());
    }
    // Everything buffered written out: false when a write failed (now or before).
    bool M_Fn_Flush()
    {
        const char* p = pbase();
        std::size_t left = static_cast<std::size_t>(pptr() - pbase());
        while (left > 0 && !m_Failed) {
            const ssize_t written = ::write(m_Fd, p, left);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                m_Failed = true;
                break;
            }
            p += written;
            left -= static_cast<std::size_t>(written);
        }
        setp(m_Buffer.data(), m_Buffer.data() + m_Buffer.size());
        return !m_Failed;
    }

protected:
    int_type overflow(int_type i_Char) override
    {
        if (!M_Fn_Flush())
            return traits_type::eof();
        if (!traits_type::eq_int_type(i_Char, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(i_Char);
            pbump(1);
        }
        return traits_type::not_eof(i_Char);
    }
    std::streamsize xsputn(const char* i_Bytes, std::streamsize i_Count) override
    {
        std::streamsize done = 0;
        while (done < i_Count) {
            const std::streamsize room = epptr() - pptr();
            if (room == 0) {
                if (!M_Fn_Flush())
                    return done;
                continue;
            }
            const std::streamsize piece = std::min(room, i_Count - done);
            std::memcpy(pptr(), i_Bytes + done, static_cast<std::size_t>(piece));
            pbump(static_cast<int>(piece));
            done += piece;
        }
        return done;
    }
    int sync() override { return M_Fn_Flush() ? 0 : -1; }

private:
    int m_Fd;
    std::vector<char> m_Buffer;
    bool m_Failed = false;
};

// The mode a new file gets here: an existing file's mode, else what the process's mask allows.
mode_t G_Fn_File_Mode(const std::string& i_Path)
{
    struct stat status {};
    if (::stat(i_Path.c_str(), &status) == 0)
        return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes a project file through a new file beside i_Path, renamed over it on success. The new file
// is removed on every other path, exceptions included.
int G_Fn_File_Write_Binary(C_Proj& ro_Proj, std::filesystem::path i_Path)
{
    std::error_code error;
    if (std::filesystem::is_symlink(i_Path, error))
        i_Path = std::filesystem::weakly_canonical(i_Path, error);
    const std::string target = i_Path.string();
    std::string temp = (i_Path.parent_path() / ("." + i_Path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        G_Fn_Msg(L"Error: Failed to open file.");
        return 0;
    }
    struct C_Temp {
        int m_Fd;
        const std::string& m_Path;
        bool m_Keep = false;
        ~C_Temp()
        {
            if (m_Fd >= 0)
                ::close(m_Fd);
            if (!m_Keep)
                ::unlink(m_Path.c_str());
        }
    } guard{fd, temp};

    ::fchmod(fd, G_Fn_File_Mode(target));
    bool written = false;
    {
        C_Buf_File_Out buffer(fd);
        std::ostream out(&buffer);
        written = ro_Proj.M_Fn_Stream_Serialize_o_O(out) == E_Result_Success && out.good() && buffer.M_Fn_Flush();
    }
    written = written && ::fsync(fd) == 0;
    const int closed = ::close(fd);
    guard.m_Fd = -1;
    written = written && closed == 0 && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!written) {
        G_Fn_Msg(L"Error: Failed to write file.");
        return 0;
    }
    guard.m_Keep = true;
    // The rename itself reaches the disk with the directory.
    const std::string dir = i_Path.parent_path().empty() ? std::string(".") : i_Path.parent_path().string();
    const int dir_fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir_fd >= 0) {
        ::fsync(dir_fd);
        ::close(dir_fd);
    }
    return 1;
}

} // namespace

int C_Mgr_Doc::S_Fn_File_Read(C_Proj& ro_Proj, const std::wstring& i_Path)
{
    std::wstring extension;
    const E_Format format = G_Fn_Format(i_Path, extension);
    if (G_Fn_Format_Check(format, extension) != 1)
        return 0;
    if (format == E_Format_Text)
        return ro_Proj.M_Fn_Stream_Format_Text();
    try {
        const std::string path = N_Common::N_String::G_Fn_To_Narrow_UTF8(i_Path);
        std::ifstream file(path, std::ios::in | std::ios::binary);
        if (!file.is_open()) {
            G_Fn_Msg(L"Error: Failed to open file.");
            return 0;
        }
        if (format == E_Format_BEA)
            return ro_Proj.M_Fn_Stream_Format_BEA_I(file) == 1 ? 1 : 0;
        return ro_Proj.M_Fn_Stream_Serialize_o_I(file) == E_Result_Success ? 1 : 0;
    } catch (...) {
        C_Proj::S_Fn_Report_Exception_Current("N_Biz::N_Proj::C_Mgr_Doc::S_Fn_File_Read", __FILE__, __LINE__);
        return 0;
    }
}

int C_Mgr_Doc::S_Fn_File_Write(C_Proj& ro_Proj, const std::wstring& i_Path)
{
    std::wstring extension;
    const E_Format format = G_Fn_Format(i_Path, extension);
    if (G_Fn_Format_Check(format, extension) != 1)
        return 0;
    if (format == E_Format_BEA) {
        G_Fn_Msg(L"Deprecated format: \".bea\", please save as format: \".qmxb\" instead.");
        return 0;
    }
    if (format == E_Format_Text)
        return ro_Proj.M_Fn_Stream_Format_Text();
    try {
        return G_Fn_File_Write_Binary(ro_Proj, std::filesystem::path(N_Common::N_String::G_Fn_To_Narrow_UTF8(i_Path)));
    } catch (...) {
        C_Proj::S_Fn_Report_Exception_Current("N_Biz::N_Proj::C_Mgr_Doc::S_Fn_File_Write", __FILE__, __LINE__);
        return 0;
    }
}

} // namespace N_Biz::N_Proj
