// Pictures decoded from memory and canvases copied to their area, checked by the pixels they leave.
#include "iDC.h"
#include "iPicture.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

class OleEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ::OleInitialize(nullptr); }
    void TearDown() override { ::OleUninitialize(); }
};
::testing::Environment* const oleEnvironment = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

// A 24-bit BMP file whose upper half is red and lower half blue.
std::vector<unsigned char> TwoBandBmp(int width, int height)
{
    int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height; // bottom-up rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(stride * height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<unsigned char> bytes(file.bfSize, 0);
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
    for (int row = 0; row < height; ++row) {
        bool upper = row >= height / 2; // stored from the bottom
        unsigned char* p = bytes.data() + file.bfOffBits + row * stride;
        for (int x = 0; x < width; ++x) {
            p[x * 3 + 0] = upper ? 0 : 255; // blue
            p[x * 3 + 1] = 0; // green
            p[x * 3 + 2] = upper ? 255 : 0; // red
        }
    }
    return bytes;
}

HGLOBAL Block(const std::vector<unsigned char>& bytes)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(::GlobalLock(block), bytes.data(), bytes.size());
    ::GlobalUnlock(block);
    return block;
}

struct LoadedPicture : iPicture {
    LoadedPicture(int width, int height) : iPicture(nullptr, "no such picture")
    {
        auto bytes = TwoBandBmp(width, height);
        loaded = LoadFromMemory(Block(bytes), static_cast<DWORD>(bytes.size()));
    }
    int loaded = 0;
};

// A white memory canvas to draw on.
struct Canvas {
    iCDC dc;
    Canvas(int width, int height) : dc(nullptr, width, height) { dc.FillSolidRect(0, 0, width, height, kWhite); }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    // The smallest rectangle holding every pixel that is not white.
    CRect Painted() const
    {
        CRect r(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = 0; y < dc.area.Height(); ++y)
            for (int x = 0; x < dc.area.Width(); ++x)
                if (At(x, y) != kWhite) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        return r.left == INT_MAX ? CRect() : r;
    }
};

TEST(iPicture, MissingResourceIsNotLoadedAndDrawsNothing)
{
    iPicture picture(nullptr, "NO SUCH PICTURE");
    EXPECT_FALSE(picture.IsLoaded());
    Canvas canvas(40, 40);
    EXPECT_FALSE(picture.Draw(canvas.dc));
    EXPECT_FALSE(picture.Draw(canvas.dc, CPoint(5, 5)));
    EXPECT_FALSE(picture.Draw(canvas.dc, CRect(0, 0, 40, 40)));
    EXPECT_TRUE(canvas.Painted().IsRectEmpty());
}

TEST(iPicture, UndecodableBytesAndNullBlockLeaveItEmpty)
{
    iPicture picture(nullptr, "none");
    EXPECT_EQ(picture.LoadFromMemory(nullptr, 0), 0);
    std::vector<unsigned char> junk(64, 0x5A);
    EXPECT_EQ(picture.LoadFromMemory(Block(junk), static_cast<DWORD>(junk.size())), 0);
    EXPECT_FALSE(picture.IsLoaded());
}

TEST(iPicture, HimetricSizeBecomesNaturalPixelsAt96Dpi)
{
    LoadedPicture picture(30, 22);
    ASSERT_EQ(picture.loaded, 1);
    ASSERT_TRUE(picture.IsLoaded());
    EXPECT_EQ(picture.GetWidth(), 794);
    EXPECT_EQ(picture.GetHeight(), 582);

    Canvas canvas(60, 60);
    ASSERT_EQ(canvas.dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_TRUE(picture.Draw(canvas.dc));
    EXPECT_EQ(canvas.Painted(), CRect(0, 0, 30, 22));
    // Upright: the red band is on top.
    EXPECT_EQ(canvas.At(15, 2), kRed);
    EXPECT_EQ(canvas.At(15, 19), kBlue);
}

TEST(iPicture, PointDrawKeepsNaturalSizeAtThePoint)
{
    LoadedPicture picture(30, 22);
    Canvas canvas(60, 60);
    EXPECT_TRUE(picture.Draw(canvas.dc, CPoint(7, 9)));
    EXPECT_EQ(canvas.Painted(), CRect(7, 9, 37, 31));
    EXPECT_EQ(canvas.At(8, 10), kRed);
    EXPECT_EQ(canvas.At(36, 30), kBlue);
}

TEST(iPicture, StretchedDrawFillsItsRectangleExactly)
{
    LoadedPicture picture(30, 22);
    Canvas canvas(120, 120);
    CRect target(10, 5, 110, 25); // another aspect ratio
    EXPECT_TRUE(picture.Draw(canvas.dc, target));
    EXPECT_EQ(canvas.Painted(), target);
    EXPECT_EQ(canvas.At(10, 5), kRed);
    EXPECT_EQ(canvas.At(109, 24), kBlue);
}

// A 24-bit BMP whose every pixel differs from its neighbours, so a stretch shows in every pixel.
std::vector<unsigned char> PatternBmp(int width, int height)
{
    std::vector<unsigned char> bytes = TwoBandBmp(width, height);
    const int stride = (width * 3 + 3) & ~3;
    unsigned char* bits = bytes.data() + sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    for (int row = 0; row < height; ++row)
        for (int x = 0; x < width; ++x) {
            unsigned char* p = bits + row * stride + x * 3;
            p[0] = static_cast<unsigned char>(x * 37 + row * 11);
            p[1] = static_cast<unsigned char>(x * 5 ^ row * 29);
            p[2] = static_cast<unsigned char>((x + row) * 13);
        }
    return bytes;
}

// Pixels where the two contexts differ inside the rectangle.
int Differences(HDC a, HDC b, const RECT& r)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += ::GetPixel(a, x, y) != ::GetPixel(b, x, y);
    return n;
}

// Drawing copies a picture rendered once: every later draw must leave what the render call
// itself leaves, at any place and after a change of size.
TEST(iPicture, RepeatedDrawsLeaveThePixelsOfThePlatformsRender)
{
    iPicture picture(nullptr, "no such picture");
    auto bytes = PatternBmp(107, 170);
    ASSERT_EQ(picture.LoadFromMemory(Block(bytes), static_cast<DWORD>(bytes.size())), 1);
    const long hw = picture.GetWidth();
    const long hh = picture.GetHeight();
    Canvas drawn(300, 300);
    Canvas rendered(300, 300);
    const RECT places[] = { { 10, 10, 122, 186 }, { 150, 60, 262, 236 }, { 20, 200, 132, 376 } };
    for (const RECT& r : places) {
        EXPECT_TRUE(picture.Draw(drawn.dc, r));
        picture.picture->Render(rendered.dc, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, hh, hw, -hh,
                                nullptr);
    }
    EXPECT_EQ(Differences(drawn.dc, rendered.dc, CRect(0, 0, 300, 300)), 0);

    // Another size: natural, at a point.
    EXPECT_TRUE(picture.Draw(drawn.dc, CPoint(180, 110)));
    picture.picture->Render(rendered.dc, 180, 110, 107, 170, 0, hh, hw, -hh, nullptr);
    EXPECT_EQ(Differences(drawn.dc, rendered.dc, CRect(0, 0, 300, 300)), 0);
    // And back to the stretched size.
    EXPECT_TRUE(picture.Draw(drawn.dc, places[0]));
    picture.picture->Render(rendered.dc, 10, 10, 112, 176, 0, hh, hw, -hh, nullptr);
    EXPECT_EQ(Differences(drawn.dc, rendered.dc, CRect(0, 0, 300, 300)), 0);
}

TEST(iPicture, ANewPictureReplacesWhatWasDrawnBefore)
{
    LoadedPicture picture(30, 22);
    Canvas canvas(60, 60);
    const CRect target(5, 5, 45, 35);
    EXPECT_TRUE(picture.Draw(canvas.dc, target));
    EXPECT_EQ(canvas.At(20, 8), kRed);
    // Same size, other pixels: the earlier rendering must not come back.
    auto bytes = PatternBmp(30, 22);
    ASSERT_EQ(picture.LoadFromMemory(Block(bytes), static_cast<DWORD>(bytes.size())), 1);
    Canvas fresh(60, 60);
    EXPECT_TRUE(picture.Draw(canvas.dc, target));
    picture.picture->Render(fresh.dc, 5, 5, 40, 30, 0, picture.GetHeight(), picture.GetWidth(), -picture.GetHeight(),
                            nullptr);
    EXPECT_EQ(Differences(canvas.dc, fresh.dc, target), 0);
}

// The program's own art, read from the source tree (the build names its folder) through
// Wine's drive for the root.
std::vector<unsigned char> ArtFile(const char* name)
{
    const std::string path = std::string("Z:") + VOTAROO_ART_DIR + "/" + name;
    std::vector<unsigned char> bytes;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    DWORD size = ::GetFileSize(file, nullptr), read = 0;
    bytes.resize(size);
    if (!::ReadFile(file, bytes.data(), size, &read, nullptr) || read != size) bytes.clear();
    ::CloseHandle(file);
    return bytes;
}

TEST(iPicture, TheProgramsJpegAndBmpArtDecodeAtTheirSizes)
{
    auto jpeg = ArtFile("whitehouse.jpg");
    auto flag = ArtFile("flag.bmp");
    ASSERT_FALSE(jpeg.empty()) << "no " << VOTAROO_ART_DIR << "/whitehouse.jpg";
    ASSERT_FALSE(flag.empty()) << "no " << VOTAROO_ART_DIR << "/flag.bmp";
    iPicture background(nullptr, "none");
    ASSERT_EQ(background.LoadFromMemory(Block(jpeg), static_cast<DWORD>(jpeg.size())), 1);
    Canvas scene(700, 520);
    EXPECT_TRUE(background.Draw(scene.dc));
    CRect painted = scene.Painted();
    EXPECT_LE(painted.right, 640);
    EXPECT_LE(painted.bottom, 480);
    EXPECT_GT(painted.right, 600);
    EXPECT_GT(painted.bottom, 440);

    iPicture picture(nullptr, "none");
    ASSERT_EQ(picture.LoadFromMemory(Block(flag), static_cast<DWORD>(flag.size())), 1);
    EXPECT_EQ(picture.GetWidth(), 794);
    EXPECT_EQ(picture.GetHeight(), 582);
}

// A copy of this program with a raw-data picture added, loaded as data.
struct ModuleWithPicture {
    char path[MAX_PATH] = "";
    HMODULE module = nullptr;
    ModuleWithPicture(LPCSTR name, const std::vector<unsigned char>& bytes)
    {
        char self[MAX_PATH] = "", dir[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, self, MAX_PATH);
        ::GetTempPathA(MAX_PATH, dir);
        ::GetTempFileNameA(dir, "pic", 0, path);
        if (!::CopyFileA(self, path, FALSE)) return;
        HANDLE update = ::BeginUpdateResourceA(path, FALSE);
        if (!update) return;
        ::UpdateResourceA(update, RT_RCDATA, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                          const_cast<unsigned char*>(bytes.data()), static_cast<DWORD>(bytes.size()));
        if (!::EndUpdateResourceA(update, FALSE)) return;
        module = ::LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~ModuleWithPicture()
    {
        if (module) ::FreeLibrary(module);
        ::DeleteFileA(path);
    }
};

TEST(iPicture, LoadsARawResourceByNameWithoutRegardToCase)
{
    ModuleWithPicture file("FLAG", TwoBandBmp(30, 22));
    ASSERT_NE(file.module, nullptr) << "a copy of the program with the picture added";
    iPicture flag(file.module, "Flag");
    ASSERT_TRUE(flag.IsLoaded());
    Canvas canvas(40, 40);
    EXPECT_TRUE(flag.Draw(canvas.dc, CPoint(2, 3)));
    EXPECT_EQ(canvas.Painted(), CRect(2, 3, 32, 25));

    // Raw data only: the same name under another type is not found.
    iPicture wrongType(file.module, "Flag", RT_BITMAP);
    EXPECT_FALSE(wrongType.IsLoaded());
}

TEST(iCDC, CopyLandsAtTheAreaCorner)
{
    Canvas target(200, 120);
    {
        iCDC canvas(&target.dc, CRect(10, 20, 110, 70));
        EXPECT_EQ(canvas.bitmap->GetSize(), CSize(100, 50));
        canvas.FillSolidRect(0, 0, 100, 50, kBlue);
        EXPECT_TRUE(canvas.Copy(SRCCOPY));
    }
    EXPECT_EQ(target.Painted(), CRect(10, 20, 110, 70));
    EXPECT_EQ(target.At(10, 20), kBlue);
    EXPECT_EQ(target.At(109, 69), kBlue);
}

TEST(iCDC, SizedCanvasCopiesToOriginAndNullTargetsDrawNothing)
{
    Canvas target(80, 80);
    iCDC canvas(&target.dc, 30, 40);
    canvas.FillSolidRect(0, 0, 30, 40, kRed);
    EXPECT_FALSE(canvas.CopyTo(nullptr, SRCCOPY));
    EXPECT_TRUE(target.Painted().IsRectEmpty());
    EXPECT_TRUE(canvas.CopyTo(&target.dc, SRCCOPY));
    EXPECT_EQ(target.Painted(), CRect(0, 0, 30, 40));

    iCDC orphan(nullptr, 10, 10);
    EXPECT_FALSE(orphan.Copy(SRCCOPY));
}

TEST(iCDC, AnOrphanCanvasHoldsColour)
{
    // Without a reference the canvas must still keep colours, not fall to black and white.
    iCDC canvas(nullptr, 8, 8);
    canvas.FillSolidRect(0, 0, 8, 8, kRed);
    EXPECT_EQ(canvas.GetPixel(3, 3), kRed);
}

TEST(iCDC, DestructionDeletesItsBitmapAndContext)
{
    HBITMAP bitmap;
    HDC dc;
    {
        iCDC canvas(nullptr, 16, 16);
        bitmap = *canvas.bitmap;
        dc = canvas.m_hDC;
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BITMAP), bitmap);
    }
    EXPECT_EQ(::GetObjectType(bitmap), 0u);
    EXPECT_EQ(::GetObjectType(dc), 0u);
}

TEST(iBitmap, SizeOfAnEmptyBitmapIsZero)
{
    iBitmap none;
    EXPECT_EQ(none.GetSize(), CSize(0, 0));
    HDC screen = ::GetDC(nullptr);
    iBitmap made(screen, 12, 7);
    ::ReleaseDC(nullptr, screen);
    EXPECT_NE(made.created, 0);
    EXPECT_EQ(made.GetSize(), CSize(12, 7));
}

} // namespace
