// Renders a section to PNG images without a window: the section is imported from an IGES file into
// a new project, calculated, and its main view and result graph are drawn in an off-screen Mesa
// context exactly as the windows draw them. The views' labels are not drawn (there is no window
// system font here).
//
//   vt_sect_render FILE.igs PREFIX [--mesh] [--thickness] [--inertia] [--size WxH]
//
// writes PREFIX_main.png and PREFIX_graph.png. --mesh shows the mesh instead of the geometry,
// --thickness the walls' thickness (with --mesh), --inertia the 360 degree moment of inertia.
#include "bench/Bench_Port_Quiet.h"

#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Cmd_Entry_C.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "common/Common_String.h"

#include <GL/gl.h>
#include <GL/osmesa.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

// Mesa keeps a few driver allocations for the life of the process after the context is destroyed.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }

namespace {

using namespace N_Biz::N_Sect;

// --- PNG -----------------------------------------------------------------------------------------

void G_Fn_Put_U32(std::string& io_Out, std::uint32_t i_Value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        io_Out.push_back(char((i_Value >> shift) & 0xFF));
}

void G_Fn_Put_Chunk(std::string& io_Out, const char* i_Type, const std::string& i_Data)
{
    G_Fn_Put_U32(io_Out, std::uint32_t(i_Data.size()));
    const std::string body = std::string(i_Type, 4) + i_Data;
    io_Out += body;
    G_Fn_Put_U32(io_Out, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()))));
}

// An 8-bit RGBA image, rows given bottom-up (as OpenGL reads them), as a PNG file. False on failure.
bool G_Fn_PNG_Write(const std::string& i_Path, int i_Width, int i_Height, const std::vector<unsigned char>& ro_RGBA)
{
    // Each row top-down behind the filter byte 0.
    std::string raw;
    raw.reserve(std::size_t(i_Height) * (std::size_t(i_Width) * 4 + 1));
    for (int row = i_Height - 1; row >= 0; --row) {
        raw.push_back(0);
        raw.append(reinterpret_cast<const char*>(ro_RGBA.data()) + std::size_t(row) * std::size_t(i_Width) * 4,
                   std::size_t(i_Width) * 4);
    }
    uLongf packed_size = compressBound(uLong(raw.size()));
    std::string packed(packed_size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size, reinterpret_cast<const Bytef*>(raw.data()),
                  uLong(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        return false;
    packed.resize(packed_size);

    std::string header;
    G_Fn_Put_U32(header, std::uint32_t(i_Width));
    G_Fn_Put_U32(header, std::uint32_t(i_Height));
    header += std::string("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, no filter choice, no interlace
    std::string file("\x89PNG\r\n\x1a\n", 8);
    G_Fn_Put_Chunk(file, "IHDR", header);
    G_Fn_Put_Chunk(file, "IDAT", packed);
    G_Fn_Put_Chunk(file, "IEND", std::string());
    std::ofstream out(i_Path, std::ios::binary);
    out.write(file.data(), std::streamsize(file.size()));
    return bool(out);
}

// --- drawing -------------------------------------------------------------------------------------

// A view of the section that nobody repaints: the images are drawn once.
class C_View_Off : public C_Mgr_Frame::C_View {
public:
    void M_Fn_Invalidate() override {}
};

// Draws with i_Fn_Draw into a fresh off-screen context of the size and writes the picture.
template <class F>
bool G_Fn_Render(const std::string& i_Path, int i_Width, int i_Height, F&& i_Fn_Draw)
{
    std::vector<unsigned char> pixels(std::size_t(i_Width) * std::size_t(i_Height) * 4);
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (!context || !OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, i_Width, i_Height)) {
        std::fprintf(stderr, "No off-screen OpenGL context.\n");
        return false;
    }
    i_Fn_Draw();
    glFinish();
    OSMesaDestroyContext(context);
    if (!G_Fn_PNG_Write(i_Path, i_Width, i_Height, pixels)) {
        std::fprintf(stderr, "Cannot write %s\n", i_Path.c_str());
        return false;
    }
    std::printf("%s\n", i_Path.c_str());
    return true;
}

int G_Fn_Usage()
{
    std::fprintf(stderr, "usage: vt_sect_render FILE.igs PREFIX [--mesh] [--thickness] [--inertia] [--size WxH]\n");
    return 2;
}

int G_Fn_Run(int argc, char** argv)
{
    if (argc < 3)
        return G_Fn_Usage();
    const std::string input = argv[1], prefix = argv[2];
    bool mesh = false, thickness = false, inertia = false;
    int width = 800, height = 600;
    for (int i = 3; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--mesh"))
            mesh = true;
        else if (!std::strcmp(argv[i], "--thickness"))
            thickness = true;
        else if (!std::strcmp(argv[i], "--inertia"))
            inertia = true;
        else if (!std::strcmp(argv[i], "--size") && i + 1 < argc &&
                 std::sscanf(argv[++i], "%dx%d", &width, &height) == 2 && width > 0 && height > 0 && width <= 8192 &&
                 height <= 8192)
            continue;
        else
            return G_Fn_Usage();
    }

    C_App app(std::make_shared<C_Port_Quiet>());
    auto schema = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
    schema->M_Fn_Init(N_Common::N_String::G_Fn_To_Wide_UTF8(G_Fn_Bench_Build_Dir().string() + "/"));
    app.m_sp_Schema = schema;
    app.m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
    app.m_sp_Sect_Info = std::make_shared<C_Info>();
    N_Biz::N_Config::C_Config_Data& config = app.m_sp_Config->M_Fn_Data();
    config.m_Show_Thickness = thickness ? 1 : 0;
    config.m_Show_Inertia_360 = inertia ? 1 : 0;

    N_Biz::N_IGES::N_Import::C_Context_File file(N_Common::N_String::G_Fn_To_Wide_UTF8(input), L"input.igs");
    if (file.M_Fn_Import() != 1) {
        std::fprintf(stderr, "Cannot read %s\n", input.c_str());
        return 1;
    }
    auto up_proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
    C_Sect::S_p_Proj = up_proj.get();
    auto up_sect = std::make_unique<C_Sect>();
    C_Sect::S_p_Proj = nullptr;
    int imported = 0;
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Import section", up_sect->M_Fn_Get_Mgr_State());
    up_proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
        sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
        imported = up_sect->M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Import(sp_group, file);
    });
    if (imported != 1) {
        std::fprintf(stderr, "Cannot import %s\n", input.c_str());
        return 1;
    }
    if (mesh)
        up_sect->M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Element();

    C_Mgr_Frame& frame = up_sect->M_Fn_Get_Mgr_Frame();
    C_View_Off main, graph;
    bool ok = G_Fn_Render(prefix + "_main.png", width, height, [&] {
        frame.M_Fn_View_Main_On_Create(&main);
        frame.M_Fn_View_Main_On_Size(width, height);
        frame.M_Fn_View_Main_Reset();
        frame.M_Fn_View_Main_Draw();
        frame.M_Fn_View_Main_On_Destroy();
    });
    const C_Result& result = *up_sect->M_Fn_Get_Mgr_Calc().M_Fn_Get_Result();
    std::printf("calculation %s\n", result.m_Valid ? "valid" : "failed");
    for (const std::wstring& reason : result.m_Msg_Problem)
        std::printf("  %s\n", N_Common::N_String::G_Fn_To_Narrow_UTF8(reason).c_str());
    const int graph_width = std::max(width / 2, 64), graph_height = std::max(height / 2, 64);
    ok = G_Fn_Render(prefix + "_graph.png", graph_width, graph_height, [&] {
             frame.M_Fn_View_R_Graph_On_Create(&graph);
             frame.M_Fn_View_R_Graph_On_Size(graph_width, graph_height);
             frame.M_Fn_View_R_Graph_Draw();
             frame.M_Fn_View_R_Graph_On_Destroy();
         }) && ok;
    up_proj->M_Fn_Get_Mgr_Cmd().M_Fn_Clear();
    up_sect.reset();
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return G_Fn_Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
