// Printing of "print.bmp": the bitmap file check, the whole bitmap stretched into the square, and
// the command that reports a missing file before any dialog.
#include "tests/gui/Test_GUI_Support.h"

#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Print.h"

#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <cstdint>
#include <fstream>
#include <random>
#include <sstream>

using namespace N_Test_GUI;

namespace {

// A 24-bit BMP of 2 x 2 pixels written out byte by byte: rows bottom-up, blue-green-red, each row
// padded to 8 bytes. Top-left red, top-right green, bottom-left blue, bottom-right yellow.
std::vector<unsigned char> G_Fn_Bmp_2x2()
{
    return {
        'B', 'M', 70,  0, 0,   0, 0, 0, 0,    0,    54, 0, 0,    0,           // file header: size 70, pixels at 54
        40,  0,   0,   0, 2,   0, 0, 0, 2,    0,    0,  0, 1,    0,    24, 0, // info header: 2 x 2, 1 plane, 24 bits
        0,   0,   0,   0, 16,  0, 0, 0, 0x13, 0x0B, 0,  0, 0x13, 0x0B, 0,  0,
        0,   0,   0,   0, 0,   0, 0, 0, 255,  0,    0,  0, 255,  255,  0,  0, // bottom row: blue, yellow, padding
        0,   0,   255, 0, 255, 0, 0, 0,                                       // top row: red, green, padding
    };
}

void G_Fn_Write(const std::filesystem::path& i_Path, const std::vector<unsigned char>& i_Bytes)
{
    std::ofstream out(i_Path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(i_Bytes.data()), static_cast<std::streamsize>(i_Bytes.size()));
}

// Runs in i_Dir as the current directory and goes back afterwards.
class C_Cwd {
public:
    explicit C_Cwd(const std::filesystem::path& i_Dir) : m_Saved(std::filesystem::current_path())
    {
        std::filesystem::current_path(i_Dir);
    }
    ~C_Cwd() { std::filesystem::current_path(m_Saved); }

private:
    std::filesystem::path m_Saved;
};

} // namespace

TEST(C_Printout, WholeBitmapIsStretchedIntoTheSquare)
{
    C_Shell shell;
    const auto path = shell.dir() / "print.bmp";
    G_Fn_Write(path, G_Fn_Bmp_2x2());
    wxBitmap bitmap;
    ASSERT_TRUE(N_UI::C_Printout::S_Fn_Bitmap_Load(path.wstring(), bitmap));

    wxBitmap page(200, 160, 24);
    {
        wxMemoryDC dc(page);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        N_UI::C_Printout::S_Fn_Draw(dc, bitmap, 100);
    }
    const wxImage image = page.ConvertToImage();
    struct C_Probe {
        int m_X, m_Y;
        unsigned char m_R, m_G, m_B;
    } const probes[] = {
        {25, 25, 255, 0, 0},   {75, 25, 0, 255, 0},      {25, 75, 0, 0, 255},
        {75, 75, 255, 255, 0}, {150, 50, 255, 255, 255}, {50, 130, 255, 255, 255}, // outside the square: untouched
    };
    for (const C_Probe& p : probes) {
        EXPECT_EQ(image.GetRed(p.m_X, p.m_Y), p.m_R) << p.m_X << "," << p.m_Y;
        EXPECT_EQ(image.GetGreen(p.m_X, p.m_Y), p.m_G) << p.m_X << "," << p.m_Y;
        EXPECT_EQ(image.GetBlue(p.m_X, p.m_Y), p.m_B) << p.m_X << "," << p.m_Y;
    }
}

TEST(C_Printout, MissingTruncatedAndHostileBitmapFilesAreRefused)
{
    C_Shell shell;
    const auto path = shell.dir() / "print.bmp";
    const std::vector<unsigned char> good = G_Fn_Bmp_2x2();
    const auto with = [&](std::size_t i_Offset, std::vector<unsigned char> i_Bytes) {
        std::vector<unsigned char> out = good;
        std::copy(i_Bytes.begin(), i_Bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(i_Offset));
        return out;
    };
    struct C_Case {
        const char* m_Name;
        std::vector<unsigned char> m_Bytes;
    } const cases[] = {
        {"empty", {}},
        {"magic only", {'B', 'M'}},
        {"not a bitmap", {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"header cut", std::vector<unsigned char>(good.begin(), good.begin() + 20)},
        {"pixels cut", std::vector<unsigned char>(good.begin(), good.begin() + 60)},
        {"width 0", with(18, {0, 0, 0, 0})},
        {"width huge", with(18, {0xFF, 0xFF, 0xFF, 0x7F})},
        {"height huge", with(22, {0x00, 0x00, 0x01, 0x00})},
        {"width negative", with(18, {0xFE, 0xFF, 0xFF, 0xFF})},
    };
    wxBitmap bitmap;
    EXPECT_FALSE(N_UI::C_Printout::S_Fn_Bitmap_Load((shell.dir() / "missing.bmp").wstring(), bitmap));
    for (const C_Case& c : cases) {
        G_Fn_Write(path, c.m_Bytes);
        EXPECT_FALSE(N_UI::C_Printout::S_Fn_Bitmap_Load(path.wstring(), bitmap)) << c.m_Name;
    }
    // Random damage: never a crash; what loads is a real bitmap of at most the header's size.
    std::mt19937 random(23);
    for (int round = 0; round < 200; ++round) {
        std::vector<unsigned char> bytes = good;
        bytes.resize(random() % (good.size() + 8));
        for (int k = random() % 6; k > 0 && !bytes.empty(); --k)
            bytes[random() % bytes.size()] = static_cast<unsigned char>(random());
        G_Fn_Write(path, bytes);
        wxBitmap loaded;
        if (N_UI::C_Printout::S_Fn_Bitmap_Load(path.wstring(), loaded)) {
            EXPECT_TRUE(loaded.IsOk());
            EXPECT_LE(loaded.GetWidth(), 30000);
        }
    }
}

TEST(C_Printout, PrintWithoutTheBitmapFileSaysSoBeforeAnyDialog)
{
    C_Shell shell(0);
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.M_Fn_Command(N_UI::N_Cmd::E_Id_File_Proj_New);
    C_Cwd cwd(shell.dir());
    G_Fn_No_Dialog([&] { shell.M_Fn_Command(N_UI::N_Cmd::E_Id_File_Proj_Print); });
    EXPECT_EQ(shell.log_lines().back(), "Msg: Failed to load the bitmap file print.bmp.");
}

TEST(C_Printout, OnePageOfTheBitmapPrintsToAFile)
{
    C_Shell shell;
    const auto bmp = shell.dir() / "print.bmp";
    G_Fn_Write(bmp, G_Fn_Bmp_2x2());
    wxBitmap bitmap;
    ASSERT_TRUE(N_UI::C_Printout::S_Fn_Bitmap_Load(bmp.wstring(), bitmap));
    // GTK's own printing needs a print service to print even to a file; the library's PostScript
    // printer writes the file by itself. (The GTK printer cannot be put back: this process prints
    // with PostScript from here on, and no later test prints.)
    wxPrintFactory::SetPrintFactory(new wxNativePrintFactory);
    const auto ps = shell.dir() / "printed.ps";
    wxPrintData data;
    data.SetPrintMode(wxPRINT_MODE_FILE);
    data.SetFilename(ps.string());
    wxPrintDialogData dialog_data(data);
    wxPrinter printer(&dialog_data);
    N_UI::C_Printout printout(bitmap);
    const bool printed = printer.Print(nullptr, &printout, false);
    EXPECT_TRUE(printed) << wxPrinter::GetLastError();
    std::ifstream in(ps, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string out = text.str();
    EXPECT_EQ(out.rfind("%!PS", 0), 0u);
    // One page; the whole 2 x 2 bitmap (top row red, green; bottom row blue, yellow) drawn as a
    // square whose side is the A4 paper's shorter side, 210 mm = 595.3 points.
    const std::size_t page = out.find("%%Page: 1\n");
    ASSERT_NE(page, std::string::npos);
    EXPECT_EQ(out.find("%%Page: 2"), std::string::npos);
    EXPECT_NE(out.find("2 2 8\n"), std::string::npos);
    EXPECT_NE(out.find("FF000000FF00\n0000FFFFFF00\n"), std::string::npos);
    const std::size_t scale = out.find(" scale\n", page);
    ASSERT_NE(scale, std::string::npos);
    std::istringstream numbers(out.substr(out.rfind('\n', scale) + 1, scale - out.rfind('\n', scale) - 1));
    double x = 0.0, y = 0.0;
    numbers >> x >> y;
    EXPECT_EQ(x, y);
    EXPECT_NEAR(x, 210.0 / 25.4 * 72.0, 1.0);
}
