// The map view: picture size, camera icons from the stored positions, placement by clicking,
// closing and reopening at the same place, and pictures that are missing or damaged.
#include "app/orva_config.h"
#include "defines.h"
#include "harness.h"
#include "resource.h"
#include "site.h"
#include "sitemap/mapview.h"
#include "sitemap/wicpicture.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace {

class MapView : public SiteFixture {
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        RegisterMapView(hInst); // as start-up does, unless the main window was made already
        WNDCLASSA wc;
        ASSERT_TRUE(GetClassInfoA(hInst, "MapMgrWinClass", &wc));
    }
    void TearDown() override { CloseMapTool(nullptr); }
    // An 8-bit grey PCX picture, every byte given literally; cut drops that many data bytes.
    void WritePicture(const std::string& name, int width, int height, size_t cut = 0) const
    {
        std::string file(128, '\0');
        file[0] = 0x0A, file[1] = 5, file[2] = 1, file[3] = 8, file[65] = 1;
        file[8] = static_cast<char>(width - 1), file[10] = static_cast<char>(height - 1);
        file[66] = static_cast<char>(width);
        file.append(static_cast<size_t>(width * height) - cut, '\x10');
        std::ofstream(siteDir + name, std::ios::binary) << file;
    }
    // Child windows by identifier: caption and top-left corner in the map's client area.
    static std::string Icon(HWND map, int id)
    {
        const HWND button = GetDlgItem(map, id);
        if (!button)
            return "none";
        RECT r;
        GetWindowRect(button, &r);
        MapWindowPoints(nullptr, map, reinterpret_cast<POINT*>(&r), 2);
        return WindowText(button) + "@" + std::to_string(r.left) + "," + std::to_string(r.top);
    }
    static int Children(HWND map)
    {
        int n = 0;
        for (HWND c = GetWindow(map, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            ++n;
        return n;
    }
};

class SiteMap : public SiteFixture {};

TEST_F(SiteMap, Dialog)
{
    const Box missing{"BRANCH.PCX", "File not found", "none"};
    RunScenarios(*this, IDM_SITE_MAP, "", {
        {"no keys: the name reads none, camera 1 and \"+\" stays there; OK stores both values", "",
         "see @caption = Site Map; see Display Site Map = off; see 161 = none; see 194 = 1; see 162 = none; "
         "disabled Place; disabled Update; disabled Delete; click 276; see 194 = 1; ok",
         "D [Map] Name=none; File=0"},
        {"cameras within 1 and the last remote-view one; Update waits for a click on the map; Delete stays written after Cancel",
         "S [OrvaBank] Last Remote View Lobby Camera=3\nD [Camera Names] 2=Teller Line\n"
         "D [Map] Name=BRANCH.PCX; File=1; 2=5,5",
         "see Display Site Map = on; see 161 = BRANCH.PCX; click 276; see 194 = 2; see 162 = Teller Line; "
         "click 276; click 276; see 194 = 3; see 162 = none; click 103; click 103; click 103; see 194 = 1; click 276; "
         "click Show Map; enabled Place; enabled Delete; disabled Update; click Delete; click Place; disabled Update; cancel",
         "D [Map] 2=", {missing, missing}},
        {"an empty name opens the blank map; Delete keeps the camera's key, empty", "D [Map] Name=BRANCH.PCX; 1=5,5",
         "type 161 = ; click Show Map; click Delete; see 161 = ; ok", "D [Map] 1=; Name=; File=0",
         {{"BLANK.FRM", "File not found", "none"}, missing}},
        {"a name with a folder part is refused, so a browsed picture is never copied out of the site", "",
         "type 161 = ..\\BRANCH.PCX; ok; type 161 = C:BRANCH.PCX; ok; type 161 = maps/BRANCH.PCX; ok; "
         "type 161 = BRANCH.PCX; ok", "D [Map] Name=BRANCH.PCX; File=0",
         {{"Site Map", "The site map filename must be a plain file name, without a folder.", "stop"},
          {"Site Map", "The site map filename must be a plain file name, without a folder.", "stop"},
          {"Site Map", "The site map filename must be a plain file name, without a folder.", "stop"}}},
        {"two dots inside a name are no folder; a stored name is checked only once changed", "D [Map] Name=..\\Plan.pcx",
         "click Display Site Map; ok", "D [Map] File=1"},
        {"a name changed to two dots inside it is stored", "D [Map] Name=..\\Plan.pcx", "type 161 = Plan..pcx; ok",
         "D [Map] Name=Plan..pcx; File=0"},
    });
}

// "Update" stores the spot of the last click on the map after "Place", and is offered only then.
TEST_F(SiteMap, UpdateStoresTheClickAfterPlace)
{
    CopyFileA(ORVA_SAMPLE_DIR "BRANCH.PCX", (siteDir + "BRANCH.PCX").c_str(), FALSE);
    Seed("S [OrvaBank] Last Remote View Lobby Camera=3\nD [Map] Name=BRANCH.PCX; 2=5,5");
    MarkClean();
    const HWND wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
    const ModalRun run = DriveModal([&] { DispatchCommand(wnd, IDM_SITE_MAP); return INT_PTR{0}; },
                                    StepsOf("click 276; click Show Map; click Place; disabled Update; press #MapMgrWinClass = 7,9; "
                                            "press #MapMgrWinClass = 17,19; enabled Update; click Update; disabled Update; cancel"));
    CloseMainWindow(wnd);
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{"D [Map] 2=17,19"});
}

// The open-file dialog's name box (1148) takes the sample picture; the copy lands in the site
// folder under the name in the box at OK time, and nowhere when the dialog is cancelled.
TEST_F(SiteMap, BrowsedPictureCopiedOnlyOnOk)
{
    std::string sample = ORVA_SAMPLE_DIR;
    std::replace(sample.begin(), sample.end(), '/', '\\');
    const std::string pick = "click Browse; type 1148 = " + sample + "BRANCH.PCX; ok; see 161 = BRANCH.PCX; ";
    RunScenarios(*this, IDM_SITE_MAP, "", {{"browse, then Cancel: nothing copied, nothing written", "", pick + "cancel", ""}});
    EXPECT_EQ(GetFileAttributesA((siteDir + "BRANCH.PCX").c_str()), INVALID_FILE_ATTRIBUTES);
    RunScenarios(*this, IDM_SITE_MAP, "", {{"browse, rename, OK: copied under the new name", "",
                                            pick + "type 161 = PLAN.PCX; ok", "D [Map] Name=PLAN.PCX; File=0"}});
    EXPECT_NE(GetFileAttributesA((siteDir + "PLAN.PCX").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((siteDir + "BRANCH.PCX").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MapView, OpensAtPictureSizeWithTheStoredCameraIcons)
{
    Seed("S [OrvaBank] Last Remote View Lobby Camera=4\n"
         "D [Map] 1=10,20\nD [Map] 2=x,y\nD [Map] 3=,30,40\nD [Map] 4=5,\nD [Map] 5=1,1");
    WritePicture("MAP.PCX", 200, 150);
    RECT place{50, 60, 0, 0};
    ASSERT_EQ(CreateMapWin(hInst, nullptr, "MAP.PCX", &place), 1);
    const HWND map = MapWindow();
    RECT r;
    GetWindowRect(map, &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 150 + 26);
    EXPECT_EQ(WindowText(map), "Map Image");
    // Cameras past the last remote view camera, and positions without two fields, get no icon;
    // fields that are no numbers read as 0.
    EXPECT_EQ(Icon(map, 1000), "1@10,20");
    EXPECT_EQ(Icon(map, 1001), "2@0,0");
    EXPECT_EQ(Icon(map, 1002), "3@30,40");
    EXPECT_EQ(Children(map), 3);
    EXPECT_EQ(CreateMapWin(hInst, nullptr, "MAP.PCX", nullptr), 0) << "one map window at most";
    EXPECT_EQ(MapWindow(), map);

    // Clicks mark the map only while placement is armed, with the left button alone.
    SendMessageA(map, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    PlaceMapIcon();
    SendMessageA(map, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 6));
    EXPECT_EQ(Children(map), 3);
    SendMessageA(map, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 8));
    SendMessageA(map, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 14));
    EXPECT_EQ(Children(map), 5);
    POINT at{};
    GetSelMapPos(at);
    EXPECT_EQ(at.x, 12);
    EXPECT_EQ(at.y, 14);
    SendMessageA(map, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(Children(map), 5) << "placement disarmed";

    RECT kept{};
    CloseMapTool(&kept);
    EXPECT_EQ(MapWindow(), nullptr);
    EXPECT_FALSE(IsWindow(map));
    EXPECT_EQ(kept.left, 50);
    EXPECT_EQ(kept.top, 60);
    EXPECT_EQ(CreateMapWin(hInst, nullptr, "MAP.PCX", &kept), 1);
}

TEST_F(MapView, MissingOrDamagedPictures)
{
    Seed("S [OrvaBank] Last Remote View Lobby Camera=2147483647\nD [Map] 1=1,2");
    ModalRun run = DriveModal([] { return static_cast<INT_PTR>(CreateMapWin(hInst, nullptr, "NONE.PCX", nullptr)); }, {});
    EXPECT_EQ(run.result, 0);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].title + "|" + run.boxes[0].text, "NONE.PCX|File not found");
    EXPECT_EQ(MapWindow(), nullptr);

    std::ofstream(siteDir + "MAP.JPG", std::ios::binary) << "\xFF\xD8\xFF\xE0 not a PCX";
    run = DriveModal([] { return static_cast<INT_PTR>(CreateMapWin(hInst, nullptr, "MAP.JPG", nullptr)); }, {});
    EXPECT_EQ(run.result, 0);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, "Invalid file format");

    // A picture cut short still opens the window, grey, with its icons, so they can be placed.
    WritePicture("CUT.PCX", 40, 30, 100);
    run = DriveModal([] { return static_cast<INT_PTR>(CreateMapWin(hInst, nullptr, "CUT.PCX", nullptr)); }, {});
    EXPECT_EQ(run.result, 1);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].title + "|" + run.boxes[0].text, (GetSystemOS() >= 7 ? siteDir : "") + "CUT.PCX|Error -51 Decompressing File");
    ASSERT_NE(MapWindow(), nullptr);
    EXPECT_EQ(Icon(MapWindow(), 1000), "1@1,2");
    EXPECT_EQ(Children(MapWindow()), 1);
}

} // namespace

namespace {

std::vector<uint8_t> SampleBytes(const char* name)
{
    std::ifstream in(std::string(ORVA_SAMPLE_DIR) + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Mean red, green and blue of a picture.
std::array<double, 3> MeanColour(const Picture& p)
{
    std::array<double, 3> sum{};
    for (const uint32_t px : p.pixels)
        for (int c = 0; c < 3; ++c)
            sum[static_cast<size_t>(c)] += (px >> (16 - 8 * c)) & 0xFF;
    for (double& s : sum)
        s /= static_cast<double>(p.pixels.size());
    return sum;
}

} // namespace

// The sample branch plan is drawn twice, as PCX and as JPEG: both decode to the same picture,
// colours in the same order, and the JPEG opens the map at its size.
TEST_F(MapView, JpegThroughTheSystemMatchesThePcx)
{
    Picture pcx, jpeg;
    ASSERT_EQ(DecodePcx(SampleBytes("BRANCH.PCX"), pcx), 0);
    ASSERT_EQ(DecodeWithSystem(SampleBytes("BRANCH.JPG"), jpeg), 0);
    ASSERT_EQ(jpeg.width, pcx.width);
    ASSERT_EQ(jpeg.height, pcx.height);
    const auto a = MeanColour(pcx), b = MeanColour(jpeg);
    for (size_t c = 0; c < 3; ++c)
        EXPECT_NEAR(a[c], b[c], 3.0) << "channel " << c;

    const std::vector<uint8_t> bytes = SampleBytes("BRANCH.JPG");
    std::ofstream(siteDir + "PLAN.DAT", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                                 static_cast<std::streamsize>(bytes.size()));
    ASSERT_EQ(CreateMapWin(hInst, nullptr, "PLAN.DAT", nullptr), 1) << "known by its bytes, not its name";
    RECT r;
    GetWindowRect(MapWindow(), &r);
    EXPECT_EQ(r.right - r.left, pcx.width);
    EXPECT_EQ(r.bottom - r.top, pcx.height + 26);
}

// The site check reads a map picture's size from its header alone: the size the decoders find,
// for each kind of map picture (a BMP stored with its rows from the top, as a negative height).
TEST_F(MapView, AHeaderGivesTheSizeTheDecodersFind)
{
    Picture plan;
    ASSERT_EQ(DecodePcx(SampleBytes("BRANCH.PCX"), plan), 0);
    std::vector<uint8_t> bmp(54);
    const auto put = [&](size_t at, uint32_t value) {
        for (size_t i = 0; i < 4; ++i)
            bmp[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    bmp[0] = 'B', bmp[1] = 'M';
    put(10, 54), put(14, 40), put(18, static_cast<uint32_t>(plan.width)), put(22, static_cast<uint32_t>(-plan.height));
    put(26, 1 | (32 << 16));
    put(2, static_cast<uint32_t>(54 + plan.pixels.size() * 4));
    for (const uint32_t pixel : plan.pixels)
        for (size_t i = 0; i < 4; ++i)
            bmp.push_back(static_cast<uint8_t>(pixel >> (8 * i)));
    for (const std::vector<uint8_t>& bytes : {SampleBytes("BRANCH.PCX"), SampleBytes("BRANCH.JPG"), EncodePng(plan), bmp}) {
        Picture decoded;
        ASSERT_EQ(bytes[0] == 0x0A ? DecodePcx(bytes, decoded) : DecodeWithSystem(bytes, decoded), 0) << bytes[0];
        int width = 0, height = 0;
        EXPECT_EQ(PictureFileSize(bytes, width, height), 0) << bytes[0];
        EXPECT_EQ(width, decoded.width) << bytes[0];
        EXPECT_EQ(height, decoded.height) << bytes[0];
    }
    const std::vector<uint8_t> jpeg = SampleBytes("BRANCH.JPG");
    int width = 0, height = 0;
    EXPECT_NE(PictureFileSize(std::span(jpeg).first(20), width, height), 0) << "no frame header yet";
}
