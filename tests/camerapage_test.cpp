// One camera page: what it shows for the stored keys, what apply writes and refuses, the rate
// display, the writes made on opening, and the IP camera settings of version 12 units.
#include "cameras/cameraprop.h"
#include "defines.h"
#include "modal_driver.h"
#include "resource.h"
#include "sheet_driver.h"
#include "site_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>

namespace {

using PageAction = std::function<void(HWND page)>;

// ---- Acting on a page as the user would --------------------------------------------------

// A real click: the check box or radio button changes state and tells the page.
void ClickButton(HWND page, int id) { SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0); }

void ChooseItem(HWND page, int id, int index)
{
    const HWND combo = GetDlgItem(page, id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::vector<std::string> ComboItems(HWND page, int id)
{
    std::vector<std::string> items;
    const int count = static_cast<int>(SendDlgItemMessageA(page, id, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto len = SendDlgItemMessageA(page, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string text(static_cast<size_t>(len > 0 ? len : 0) + 1, '\0');
        SendDlgItemMessageA(page, id, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.find('\0'));
        items.push_back(text);
    }
    return items;
}

int ComboSel(HWND page, int id) { return static_cast<int>(SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0)); }

std::string ComboSelText(HWND page, int id)
{
    const int sel = ComboSel(page, id);
    return sel < 0 ? "<none>" : ComboItems(page, id)[static_cast<size_t>(sel)];
}

bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }

// ---- The keys one page owns, as ChangesSinceMark names them -------------------------------

struct KeyName {
    const char* file;
    const char* section;
    std::string key;
};

KeyName PageKey(int camera, const std::string& what)
{
    const std::string n = std::to_string(camera);
    if (what == "On")
        return {"ORVANT.INI", "OrvaBank", "Lobby Camera " + n + " On"};
    if (what == "IP")
        return {"ORVANT.INI", "OrvaBank", "Lobby Camera " + n + " IP"};
    if (what == "Port")
        return {"ORVANT.INI", "OrvaBank", "Lobby Camera " + n};
    if (what == "Name")
        return {"SITEDEF.DAT", "Camera Names", n};
    if (what == "Enabled")
        return {"SITEDEF.DAT", "Cameras Enabled", n};
    if (what == "Type" || what == "Address" || what == "Access" || what == "Username" || what == "PW")
        return {"ORVANT.INI", "IP Camera", "Camera " + n + " " + what};
    return {"ORVANT.INI", "OrvaBank", "Ch " + n + " " + what}; // "Capture Rate", "Motion Detection" ...
}

using PageValues = std::map<std::string, std::string>; // what -> value written

// What apply writes for an untouched page of a camera without keys.
PageValues UntouchedPage(bool ipKeys = true)
{
    PageValues v{{"On", "NO"},
                 {"IP", "NO"},
                 {"Port", ""},
                 {"Name", "none"},
                 {"Enabled", "OFF"},
                 {"Capture Rate", "0"},
                 {"Motion Detection", "1"},
                 {"Motion Amount", "5"},
                 {"Illumination Detection", "0"},
                 {"Illumination Cal", "0"},
                 {"Illumination Alarm", "0"}};
    if (ipKeys)
        v.insert({{"Type", "Generic"}, {"Address", ""}, {"Access", ""}, {"Username", ""}, {"PW", ""}});
    return v;
}

PageValues With(PageValues v, const PageValues& changed)
{
    for (const auto& [what, value] : changed)
        v[what] = value;
    return v;
}

PageValues Without(PageValues v, const std::string& what)
{
    v.erase(what);
    return v;
}

std::vector<std::string> Sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// The changes a page makes on a site where none of its keys existed.
std::vector<std::string> NewKeys(int camera, const PageValues& values)
{
    std::vector<std::string> changes;
    for (const auto& [what, value] : values) {
        const KeyName k = PageKey(camera, what);
        changes.push_back(Change(k.file, k.section, k.key, std::nullopt, value));
    }
    return Sorted(changes);
}

const std::string kMotionRefusal1 =
    "Motion percentage out of range for port 1!\nRange - Min 0 Max 100.\nValue was not saved!";
const std::string kAlarmRefusal1 =
    "Illumination alarm level for port 1 out of range!\nRange - Min 0 Max 256.\nValue was not saved!";

// ---- Fixture -------------------------------------------------------------------------------

// Advanced mode (32 pages, nothing written on opening, the last view camera left alone) on a
// version 12 unit whose SiteDef.DAT was already filled once: every change a test sees is the page's.
class CameraPage : public SiteFixture {
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        SeedConfig("Config", "Advanced Menu", "1");
        SeedSystem("Global", "QUELT Version", "QUELT V12.01");
        SeedSiteDef("Cameras Enabled", "Initilized", "1");
        MarkClean();
    }

    std::string SiteDefPath() const { return SiteFile("SiteDef.DAT"); }
    void SeedSiteDef(const std::string& section, const std::string& key, const std::string& value)
    {
        Seed(SiteDefPath(), section, key, value);
    }

    // Opens the camera sheet and runs the steps, the sheet's window given to each.
    static ModalRun RunSheet(const std::vector<Step>& steps, std::deque<int> answers = {})
    {
        return DriveModal([] { DisplayCameraProperties(hInst, nullptr); return INT_PTR{0}; }, steps,
                          std::move(answers));
    }
    static Step OnPage(int camera, PageAction act)
    {
        return [camera, act](HWND sheet) { act(ShowSheetPage(sheet, camera - 1)); };
    }
    static Step Press(int button)
    {
        return [button](HWND sheet) { PressSheetButton(sheet, button); };
    }
    // The last step of every run: a sheet still open is cancelled, since only its own buttons end
    // it. When it runs, the sheet had stayed open.
    static Step StillOpen()
    {
        return [](HWND sheet) { PressSheetButton(sheet, PSBTN_CANCEL); };
    }
    // Opens one camera's page, acts on it and presses the button; a step after it shows whether
    // the sheet stayed open.
    static ModalRun OnPageThen(int camera, PageAction act, int button)
    {
        return RunSheet({OnPage(camera, act), Press(button), StillOpen()});
    }
    // What a page shows right after opening.
    template <typename T>
    static T Shown(int camera, std::function<T(HWND)> read)
    {
        T value{};
        OnPageThen(camera, [&](HWND page) { value = read(page); }, PSBTN_CANCEL);
        return value;
    }
};

// Everything a camera page shows, read from its controls.
struct PageView {
    bool enabled, analog, ip, analogEnabled;
    std::string port, name;
    bool portEnabled;
    bool monitor, calibrate, levelEnabled;
    std::string level;
    bool motion, percentEnabled;
    std::string percent;
    std::vector<std::string> rates;
    std::string rate;
    bool rateListEnabled;
    std::string rateDisplay;
};

PageView ViewOf(HWND page)
{
    return PageView{Checked(page, IDC_CAM_ENABLED),
                    Checked(page, IDC_CAM_ANALOG),
                    Checked(page, IDC_CAM_IP),
                    Enabled(page, IDC_CAM_ANALOG),
                    TextOf(page, IDC_CAM_PORT),
                    TextOf(page, IDC_CAM_NAME),
                    Enabled(page, IDC_CAM_PORT),
                    Checked(page, IDC_CAM_ILLUM_MONITOR),
                    Checked(page, IDC_CAM_ILLUM_CAL),
                    Enabled(page, IDC_CAM_ILLUM_LEVEL),
                    TextOf(page, IDC_CAM_ILLUM_LEVEL),
                    Checked(page, IDC_CAM_MOTION),
                    Enabled(page, IDC_CAM_MOTION_PERCENT),
                    TextOf(page, IDC_CAM_MOTION_PERCENT),
                    ComboItems(page, IDC_CAM_RATE_LIST),
                    ComboSelText(page, IDC_CAM_RATE_LIST),
                    Enabled(page, IDC_CAM_RATE_LIST),
                    TextOf(page, IDC_CAM_RATE_DISPLAY)};
}

// The IP camera settings a version 12 page shows.
struct IPView {
    std::vector<std::string> types;
    int typeSel;
    std::string address, access, user, password;
    bool typeEnabled, addressEnabled, accessEnabled, userEnabled, passwordEnabled;
};

IPView IPViewOf(HWND page)
{
    return IPView{ComboItems(page, IDC_CAM_IP_TYPE),       ComboSel(page, IDC_CAM_IP_TYPE),
                  TextOf(page, IDC_CAM_IP_ADDRESS),        TextOf(page, IDC_CAM_IP_ACCESS),
                  TextOf(page, IDC_CAM_IP_USER),           TextOf(page, IDC_CAM_IP_PASSWORD),
                  Enabled(page, IDC_CAM_IP_TYPE),          Enabled(page, IDC_CAM_IP_ADDRESS),
                  Enabled(page, IDC_CAM_IP_ACCESS),        Enabled(page, IDC_CAM_IP_USER),
                  Enabled(page, IDC_CAM_IP_PASSWORD)};
}

const std::vector<std::string> kRateTexts{"Full Speed", "1/2 Speed", "1/4 Speed", "1/8 Speed", "1/16 Speed", "1/32 Speed"};

} // namespace

// ---- What the page shows -------------------------------------------------------------------

TEST_F(CameraPage, CameraWithoutKeysShowsTheDefaults)
{
    const struct {
        const char* name;
        const char* version;
        const char* halden;
        int camera;
        const char* port;
    } cases[] = {
        {"version 12, camera 9 on port 11", "QUELT V12.01", nullptr, 9, "11"},
        {"version 11 page, camera 1", "QUELT V11.02", nullptr, 1, "1"},
        {"version 12, camera 32 on port 38", "QUELT V12.01", nullptr, 32, "38"},
        {"Halden unit numbers ports one to one", "QUELT V12.01", "1", 9, "9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteRaw(SystemIniPath(), std::string("[Global]\r\nQUELT Version=") + c.version + "\r\n");
        if (c.halden)
            SeedSystem("Global", "Halden", c.halden);
        const PageView v = Shown<PageView>(c.camera, ViewOf);
        EXPECT_FALSE(v.enabled);
        EXPECT_EQ(v.port, c.port);
        EXPECT_EQ(v.name, "none");
        EXPECT_TRUE(v.motion);
        EXPECT_TRUE(v.percentEnabled);
        EXPECT_EQ(v.percent, "5");
        EXPECT_EQ(v.rates, kRateTexts);
        EXPECT_EQ(v.rate, "Full Speed");
        EXPECT_TRUE(v.rateListEnabled) << "pacing is on by default";
        EXPECT_FALSE(v.monitor);
        EXPECT_FALSE(v.calibrate);
        EXPECT_FALSE(v.levelEnabled);
        EXPECT_EQ(v.level, "0");
        EXPECT_EQ(v.rateDisplay, "") << "a camera not enabled shows no rate";
        if (c.halden) {
            EXPECT_TRUE(v.ip);
            EXPECT_FALSE(v.analog);
            EXPECT_FALSE(v.analogEnabled);
            EXPECT_FALSE(v.portEnabled);
        } else {
            EXPECT_EQ(v.analog, std::string(c.version) != "QUELT V11.02") << "the radios exist from version 12";
            EXPECT_FALSE(v.ip);
            EXPECT_TRUE(v.portEnabled);
        }
    }
}

TEST_F(CameraPage, StoredValuesAreShown)
{
    SeedSystem("OrvaBank", "Lobby Camera 4 On", "yes");
    SeedSystem("OrvaBank", "Lobby Camera 4 IP", "Yes");
    SeedSystem("OrvaBank", "Lobby Camera 4", "6");
    SeedSystem("OrvaBank", "Ch 4 Motion Detection", "0");
    SeedSystem("OrvaBank", "Ch 4 Motion Amount", "35");
    SeedSystem("OrvaBank", "Ch 4 Capture Rate", "3");
    SeedSystem("OrvaBank", "Ch 4 Illumination Detection", "2");
    SeedSystem("OrvaBank", "Ch 4 Illumination Cal", "1");
    SeedSystem("OrvaBank", "Ch 4 Illumination Alarm", "200");
    SeedSiteDef("Camera Names", "4", "Drive-up lane");
    const PageView v = Shown<PageView>(4, ViewOf);
    EXPECT_TRUE(v.enabled);
    EXPECT_TRUE(v.ip);
    EXPECT_FALSE(v.analog);
    EXPECT_EQ(v.port, "6");
    EXPECT_FALSE(v.portEnabled) << "an IP camera has no port";
    EXPECT_EQ(v.name, "Drive-up lane");
    EXPECT_FALSE(v.motion);
    EXPECT_FALSE(v.percentEnabled);
    EXPECT_EQ(v.percent, "35");
    EXPECT_EQ(v.rate, "1/8 Speed");
    EXPECT_TRUE(v.rateListEnabled);
    EXPECT_EQ(v.rateDisplay, " 4 FPS") << "an IP camera gets 30 frames, divided by 8";
    EXPECT_TRUE(v.monitor);
    EXPECT_TRUE(v.levelEnabled);
    EXPECT_TRUE(v.calibrate);
    EXPECT_EQ(v.level, "200");
}

// ---- What apply writes ---------------------------------------------------------------------

TEST_F(CameraPage, ApplyWritesExactlyThePageKeys)
{
    const struct {
        const char* name;
        const char* version;
        int camera;
        PageAction act;
        PageValues written;
    } cases[] = {
        {"camera off", "QUELT V12.01", 3, [](HWND) {}, UntouchedPage()},
        {"IP camera on", "QUELT V12.01", 3,
         [](HWND page) {
             ClickButton(page, IDC_CAM_ENABLED);
             ClickButton(page, IDC_CAM_IP);
             ChooseItem(page, IDC_CAM_IP_TYPE, 0);
             TypeText(page, IDC_CAM_IP_ADDRESS, "10.1.2.3");
             TypeText(page, IDC_CAM_IP_USER, "admin");
             TypeText(page, IDC_CAM_IP_PASSWORD, "s3cret");
         },
         With(UntouchedPage(), {{"On", "YES"},
                                {"IP", "YES"},
                                {"Enabled", "ON"},
                                {"Type", "Axis"},
                                {"Address", "10.1.2.3"},
                                {"Access", "http://10.1.2.3/axis-cgi/jpg/image.cgi"},
                                {"Username", "admin"},
                                {"PW", "s3cret"}})},
        {"analog camera on, every field changed", "QUELT V12.01", 3,
         [](HWND page) {
             ClickButton(page, IDC_CAM_ENABLED);
             TypeText(page, IDC_CAM_PORT, "7");
             TypeText(page, IDC_CAM_NAME, "Lobby door");
             ClickButton(page, IDC_CAM_ILLUM_MONITOR);
             ClickButton(page, IDC_CAM_ILLUM_CAL);
             TypeText(page, IDC_CAM_ILLUM_LEVEL, "256");
             TypeText(page, IDC_CAM_MOTION_PERCENT, "100");
             ChooseItem(page, IDC_CAM_RATE_LIST, 2);
             ClickButton(page, IDC_CAM_MOTION);
         },
         With(UntouchedPage(), {{"On", "YES"},
                                {"Port", "7"},
                                {"Name", "Lobby door"},
                                {"Enabled", "ON"},
                                {"Capture Rate", "2"},
                                {"Motion Detection", "0"},
                                {"Motion Amount", "100"},
                                {"Illumination Detection", "1"},
                                {"Illumination Cal", "1"},
                                {"Illumination Alarm", "256"}})},
        {"IP camera not in use has no port", "QUELT V12.01", 5,
         [](HWND page) {
             ClickButton(page, IDC_CAM_IP);
             TypeText(page, IDC_CAM_NAME, "");
         },
         With(UntouchedPage(), {{"IP", "YES"}, {"Name", ""}})},
        {"version 11: analog only, no IP keys", "QUELT V11.02", 3,
         [](HWND page) {
             ClickButton(page, IDC_CAM_ENABLED);
             TypeText(page, IDC_CAM_PORT, "12");
         },
         With(UntouchedPage(false), {{"On", "YES"}, {"Port", "12"}, {"Enabled", "ON"}})},
        {"port and name are not validated", "QUELT V11.02", 2,
         [](HWND page) {
             ClickButton(page, IDC_CAM_ENABLED);
             TypeText(page, IDC_CAM_PORT, "-40");
             TypeText(page, IDC_CAM_NAME, "a=b;[c]");
         },
         With(UntouchedPage(false), {{"On", "YES"}, {"Port", "-40"}, {"Name", "a=b;[c]"}, {"Enabled", "ON"}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteRaw(SystemIniPath(), std::string("[Global]\r\nQUELT Version=") + c.version +
                                      "\r\n[IP Camera]\r\nTypes Supported=Axis,Sony\r\n"
                                      "Axis URL=axis-cgi/jpg/image.cgi\r\n");
        WriteRaw(SiteDefPath(), "[Cameras Enabled]\r\nInitilized=1\r\n");
        MarkClean();
        const ModalRun run = OnPageThen(c.camera, c.act, PSBTN_OK);
        EXPECT_EQ(run.stepsRun, 2) << "OK closes the sheet";
        EXPECT_TRUE(run.boxes.empty());
        // The sheet opens on camera 1, so that page is applied as it stands too.
        std::vector<std::string> expected = NewKeys(c.camera, c.written);
        for (const std::string& change : NewKeys(1, UntouchedPage(c.written.count("Type") != 0)))
            expected.push_back(change);
        EXPECT_EQ(Sorted(ChangesSinceMark()), Sorted(expected));
    }
}

TEST_F(CameraPage, RangeRefusalsLeaveOnlyTheirKeyUnwritten)
{
    const struct {
        int id;
        const char* typed;
        const char* refusedKey; // null: accepted
        const std::string* message;
    } cases[] = {
        {IDC_CAM_MOTION_PERCENT, "0", nullptr, nullptr},
        {IDC_CAM_MOTION_PERCENT, "100", nullptr, nullptr},
        {IDC_CAM_MOTION_PERCENT, "101", "Motion Amount", &kMotionRefusal1},
        {IDC_CAM_MOTION_PERCENT, "150", "Motion Amount", &kMotionRefusal1},
        {IDC_CAM_MOTION_PERCENT, "-1", "Motion Amount", &kMotionRefusal1},
        {IDC_CAM_MOTION_PERCENT, "", nullptr, nullptr}, // an empty box reads as 0
        {IDC_CAM_ILLUM_LEVEL, "256", nullptr, nullptr},
        {IDC_CAM_ILLUM_LEVEL, "257", "Illumination Alarm", &kAlarmRefusal1},
        {IDC_CAM_ILLUM_LEVEL, "-3", "Illumination Alarm", &kAlarmRefusal1},
        {IDC_CAM_ILLUM_LEVEL, "99999", "Illumination Alarm", &kAlarmRefusal1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        WriteRaw(SystemIniPath(), "[Global]\r\nQUELT Version=QUELT V12.01\r\n");
        WriteRaw(SiteDefPath(), "[Cameras Enabled]\r\nInitilized=1\r\n");
        MarkClean();
        // Camera 2's page is opened too: the refusal on camera 1 must not stop it.
        const ModalRun run = RunSheet({OnPage(2, [](HWND) {}), OnPage(1, [&](HWND page) { TypeText(page, c.id, c.typed); }),
                                       Press(PSBTN_OK), StillOpen()});
        EXPECT_EQ(run.stepsRun, 3) << "the sheet closes on OK even after a refusal";
        PageValues page1 = UntouchedPage();
        if (c.refusedKey) {
            page1 = Without(page1, c.refusedKey);
            ASSERT_EQ(run.boxes.size(), 1u);
            EXPECT_EQ(run.boxes[0].text, *c.message);
            EXPECT_EQ(run.boxes[0].title, "Error");
            EXPECT_EQ(run.boxes[0].icon, static_cast<UINT>(MB_ICONSTOP));
            EXPECT_EQ(run.boxes[0].buttons, static_cast<UINT>(MB_OK));
        } else {
            page1 = With(page1, {{c.id == IDC_CAM_MOTION_PERCENT ? "Motion Amount" : "Illumination Alarm",
                                  *c.typed ? c.typed : "0"}});
            EXPECT_TRUE(run.boxes.empty());
        }
        std::vector<std::string> expected = NewKeys(1, page1);
        for (const std::string& change : NewKeys(2, UntouchedPage()))
            expected.push_back(change);
        EXPECT_EQ(Sorted(ChangesSinceMark()), Sorted(expected));
    }
}

TEST_F(CameraPage, BothRefusalsNameTheCameraAndKeepTheOldValues)
{
    SeedSystem("OrvaBank", "Ch 17 Motion Amount", "20");
    SeedSystem("OrvaBank", "Ch 17 Illumination Alarm", "30");
    MarkClean();
    // Apply keeps the sheet open: the page goes on being edited after its refusals.
    const ModalRun run = RunSheet({OnPage(17,
                                          [](HWND page) {
                                              TypeText(page, IDC_CAM_MOTION_PERCENT, "150");
                                              TypeText(page, IDC_CAM_ILLUM_LEVEL, "300");
                                              TypeText(page, IDC_CAM_NAME, "Vault");
                                          }),
                                   Press(PSBTN_APPLYNOW), StillOpen()});
    EXPECT_EQ(run.stepsRun, 3) << "Apply leaves the sheet open";
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[0].text,
              "Motion percentage out of range for port 17!\nRange - Min 0 Max 100.\nValue was not saved!");
    EXPECT_EQ(run.boxes[1].text,
              "Illumination alarm level for port 17 out of range!\nRange - Min 0 Max 256.\nValue was not saved!");
    EXPECT_EQ(SystemKey("OrvaBank", "Ch 17 Motion Amount"), "20");
    EXPECT_EQ(SystemKey("OrvaBank", "Ch 17 Illumination Alarm"), "30");
    EXPECT_EQ(Key(SiteDefPath(), "Camera Names", "17"), "Vault");
    EXPECT_EQ(SystemKey("OrvaBank", "Lobby Camera 17 On"), "NO");
}

// ---- Capture rate and motion pacing --------------------------------------------------------

TEST_F(CameraPage, RateListAndDisplayFollowMotionPacing)
{
    // An IP camera stored as on gets 30 frames per second divided by its rate divisor, so the
    // display tells which rate index the page used.
    const struct {
        const char* name;
        const char* pace; // null: absent (on)
        const char* motion;
        PageAction act;
        bool listEnabled;
        const char* display;
        const char* storedRate;
    } cases[] = {
        {"pacing off, on opening the stored rate shows", "0", "1", [](HWND) {}, false, " 8 FPS", "2"},
        {"pacing off, Enabled clicked twice: full speed", "0", "1",
         [](HWND page) {
             ClickButton(page, IDC_CAM_ENABLED);
             ClickButton(page, IDC_CAM_ENABLED);
         },
         false, "30 FPS", "2"},
        {"pacing off, Motion Detect unchecked: the list is back", "0", "1",
         [](HWND page) { ClickButton(page, IDC_CAM_MOTION); }, true, " 8 FPS", "2"},
        {"pacing off, Motion Detect checked again: full speed", "0", "1",
         [](HWND page) {
             ClickButton(page, IDC_CAM_MOTION);
             ClickButton(page, IDC_CAM_MOTION);
         },
         false, "30 FPS", "2"},
        {"pacing off, motion off: the list decides", "0", "0",
         [](HWND page) { ChooseItem(page, IDC_CAM_RATE_LIST, 1); }, true, "15 FPS", "1"},
        {"pacing on: the list decides", nullptr, "1",
         [](HWND page) {
             ClickButton(page, IDC_CAM_ENABLED);
             ClickButton(page, IDC_CAM_ENABLED);
         },
         true, " 8 FPS", "2"},
        {"pacing on, another rate chosen", "1", "1", [](HWND page) { ChooseItem(page, IDC_CAM_RATE_LIST, 5); },
         true, " 1 SPF", "5"},
        {"camera switched off shows no rate", "1", "1", [](HWND page) { ClickButton(page, IDC_CAM_ENABLED); },
         true, "", "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteRaw(SystemIniPath(), "[Global]\r\nQUELT Version=QUELT V12.01\r\n[OrvaBank]\r\n"
                                  "Lobby Camera 6 On=YES\r\nLobby Camera 6 IP=YES\r\nCh 6 Capture Rate=2\r\n");
        SeedSystem("OrvaBank", "Ch 6 Motion Detection", c.motion);
        if (c.pace)
            SeedSystem("OrvaVideo", "Pace Motion Detect", c.pace);
        bool listEnabled = false;
        std::string display;
        OnPageThen(6,
                   [&](HWND page) {
                       c.act(page);
                       listEnabled = Enabled(page, IDC_CAM_RATE_LIST);
                       display = TextOf(page, IDC_CAM_RATE_DISPLAY);
                   },
                   PSBTN_OK);
        EXPECT_EQ(listEnabled, c.listEnabled);
        EXPECT_EQ(display, c.display);
        EXPECT_EQ(SystemKey("OrvaBank", "Ch 6 Capture Rate"), c.storedRate) << "the list's own selection is stored";
    }
}

TEST_F(CameraPage, BeforeVersion11EveryCameraRunsAtFullSpeed)
{
    for (const char* version : {"QUELT V10.3", ""}) {
        SCOPED_TRACE(version);
        WriteRaw(SystemIniPath(), std::string("[Global]\r\nQUELT Version=") + version +
                                      "\r\n[OrvaBank]\r\nCh 1 Capture Rate=4\r\nCh 1 Motion Detection=0\r\n");
        PageView view{};
        OnPageThen(1,
                   [&](HWND page) {
                       ClickButton(page, IDC_CAM_MOTION); // checking and unchecking never enables the list
                       ClickButton(page, IDC_CAM_MOTION);
                       view = ViewOf(page);
                   },
                   PSBTN_OK);
        EXPECT_FALSE(view.rateListEnabled);
        EXPECT_EQ(view.rate, "Full Speed");
        EXPECT_EQ(SystemKey("OrvaBank", "Ch 1 Capture Rate"), "0");
    }
}

TEST_F(CameraPage, StoredRateOutsideTheListLeavesNoSelection)
{
    for (const char* stored : {"6", "-1", "99999999999", "-2147483648", "junk"}) {
        SCOPED_TRACE(stored);
        WriteRaw(SystemIniPath(), "[Global]\r\nQUELT Version=QUELT V12.01\r\n[OrvaBank]\r\n"
                                  "Lobby Camera 2 On=YES\r\nLobby Camera 2 IP=YES\r\n");
        SeedSystem("OrvaBank", "Ch 2 Capture Rate", stored);
        PageView view{};
        OnPageThen(2, [&](HWND page) { view = ViewOf(page); }, PSBTN_OK);
        const bool junk = std::string(stored) == "junk"; // no number reads as 0
        EXPECT_EQ(view.rate, junk ? "Full Speed" : "<none>");
        EXPECT_EQ(view.rateDisplay, junk ? "30 FPS" : "");
        EXPECT_EQ(SystemKey("OrvaBank", "Ch 2 Capture Rate"), junk ? "0" : "-1");
    }
}

TEST_F(CameraPage, ReturningToAPageRecomputesItsRateFromTheAppliedState)
{
    SeedSystem("OrvaBank", "Lobby Camera 1 On", "YES");
    SeedSystem("OrvaBank", "Lobby Camera 1 IP", "YES");
    MarkClean();
    std::string before, after;
    RunSheet({OnPage(1,
                     [&](HWND page) {
                         before = TextOf(page, IDC_CAM_RATE_DISPLAY);
                         ClickButton(page, IDC_CAM_ANALOG);
                     }),
              Press(PSBTN_APPLYNOW), OnPage(2, [](HWND) {}),
              OnPage(1, [&](HWND page) { after = TextOf(page, IDC_CAM_RATE_DISPLAY); }), StillOpen()});
    EXPECT_EQ(before, "30 FPS");
    EXPECT_EQ(after, "12 FPS") << "now an analog camera alone on a 12-frame card";
}

// ---- Writes made on opening ----------------------------------------------------------------

TEST_F(CameraPage, FirstPageOnASiteFillsTheCameraMirrorOnce)
{
    WriteRaw(SiteDefPath(), "[Camera Names]\r\n1=Door\r\n");
    for (const char* on : {"2", "31", "32"})
        SeedSystem("OrvaBank", std::string("Lobby Camera ") + on + " On", "yes");
    MarkClean();
    OnPageThen(4, [](HWND) {}, PSBTN_CANCEL);
    std::vector<std::string> expected;
    for (int n = 1; n <= 31; ++n)
        expected.push_back(Change("SITEDEF.DAT", "Cameras Enabled", std::to_string(n), std::nullopt,
                                  n == 2 || n == 31 ? "ON" : "OFF"));
    expected.push_back(Change("SITEDEF.DAT", "Cameras Enabled", "Initilized", std::nullopt, "1"));
    EXPECT_EQ(Sorted(ChangesSinceMark()), Sorted(expected)) << "camera 32 waits for its own page";

    // Done once: later openings leave the mirror to the pages' own applies.
    SeedSystem("OrvaBank", "Lobby Camera 5 On", "YES");
    MarkClean();
    OnPageThen(1, [](HWND) {}, PSBTN_CANCEL);
    EXPECT_TRUE(ChangesSinceMark().empty());
}

TEST_F(CameraPage, MirrorFlagDecidesWhetherToFill)
{
    const struct {
        const char* stored; // null: absent
        bool fills;
    } cases[] = {{nullptr, true}, {"0", true}, {"", true}, {"junk", true}, {"1", false}, {"-1", false}, {"7", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "<absent>");
        WriteRaw(SiteDefPath(), "");
        if (c.stored)
            SeedSiteDef("Cameras Enabled", "Initilized", c.stored);
        OnPageThen(1, [](HWND) {}, PSBTN_CANCEL);
        EXPECT_EQ(Key(SiteDefPath(), "Cameras Enabled", "31").has_value(), c.fills);
    }
}

TEST_F(CameraPage, PagesNeverOpenedWriteNothing)
{
    // The sheet shows camera 1 on opening; camera 3 is opened by hand, camera 2 never.
    const ModalRun run = OnPageThen(3, [](HWND) {}, PSBTN_OK);
    EXPECT_EQ(run.stepsRun, 2);
    std::vector<std::string> expected = NewKeys(1, UntouchedPage());
    for (const std::string& change : NewKeys(3, UntouchedPage()))
        expected.push_back(change);
    EXPECT_EQ(Sorted(ChangesSinceMark()), Sorted(expected));
}

TEST_F(CameraPage, CancelWritesOnlyTheHaldenTypeFlag)
{
    const struct {
        const char* halden;
        std::vector<std::string> changes;
    } cases[] = {
        {nullptr, {}},
        {"0", {}},
        {"1", {Change("ORVANT.INI", "OrvaBank", "Lobby Camera 1 IP", "NO", "YES"),
               Change("ORVANT.INI", "OrvaBank", "Lobby Camera 7 IP", "NO", "YES")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.halden ? c.halden : "<absent>");
        WriteRaw(SystemIniPath(), "[Global]\r\nQUELT Version=QUELT V12.01\r\n[OrvaBank]\r\nLobby Camera 1 IP=NO\r\n"
                                  "Lobby Camera 7 IP=NO\r\n");
        if (c.halden)
            SeedSystem("Global", "Halden", c.halden);
        MarkClean();
        bool analogEnabled = true, ipChecked = false;
        const ModalRun run = OnPageThen(7,
                                        [&](HWND page) {
                                            TypeText(page, IDC_CAM_NAME, "typed, then cancelled");
                                            analogEnabled = Enabled(page, IDC_CAM_ANALOG);
                                            ipChecked = Checked(page, IDC_CAM_IP);
                                        },
                                        PSBTN_CANCEL);
        EXPECT_EQ(run.stepsRun, 2) << "Cancel closes the sheet";
        EXPECT_EQ(Sorted(ChangesSinceMark()), Sorted(c.changes));
        EXPECT_EQ(analogEnabled, c.halden == nullptr || std::string(c.halden) == "0");
        EXPECT_EQ(ipChecked, !analogEnabled);
    }
}

TEST_F(CameraPage, ApplyButtonFollowsTheUsersEdits)
{
    bool afterOpening = true, afterTyping = false, afterApply = true, cancelEnabled = true;
    std::string okText;
    RunSheet({OnPage(2,
                     [&](HWND page) {
                         afterOpening = SheetApplyEnabled(GetParent(page));
                         TypeText(page, IDC_CAM_IP_USER, "operator");
                         afterTyping = SheetApplyEnabled(GetParent(page));
                     }),
              Press(PSBTN_APPLYNOW),
              [&](HWND sheet) {
                  afterApply = SheetApplyEnabled(sheet);
                  // After an apply that cannot be undone, OK reads "Close" and Cancel is disabled.
                  okText = TextOf(sheet, IDOK);
                  cancelEnabled = IsWindowEnabled(GetDlgItem(sheet, IDCANCEL)) != FALSE;
              },
              StillOpen()});
    EXPECT_FALSE(afterOpening) << "filling the page is not a change";
    EXPECT_TRUE(afterTyping);
    EXPECT_FALSE(afterApply);
    EXPECT_EQ(okText, "Close");
    EXPECT_FALSE(cancelEnabled);
}

TEST_F(CameraPage, BasicMenuApplyFollowsTheHighestCameraInUse)
{
    WriteRaw(ConfigIniPath(), "");
    SeedSystem("OrvaBank", "Last Remote View Lobby Camera", "3");
    SeedSystem("OrvaBank", "Lobby Camera 1 On", "YES");
    SeedSystem("OrvaVideo", "Color", "NO");
    OnPageThen(2, [](HWND page) { ClickButton(page, IDC_CAM_ENABLED); }, PSBTN_OK);
    EXPECT_EQ(SystemKey("OrvaBank", "Last Remote View Lobby Camera"), "2");
    EXPECT_EQ(SystemKey("OrvaVideo", "Color"), "YES");
}

// ---- IP camera settings --------------------------------------------------------------------

TEST_F(CameraPage, CameraTypeListFromTheRecordersTypes)
{
    const std::string name40(40, 'N');
    const std::string other40(40, 'M');
    const struct {
        const char* name;
        std::optional<std::string> supported;
        std::optional<std::string> stored;
        std::vector<std::string> items;
        int selected;
    } cases[] = {
        {"no list, no type", std::nullopt, std::nullopt, {"Generic"}, 0},
        {"two types, stored second in other case", "Axis,Sony", "sONY", {"Axis", "Sony", "Generic"}, 1},
        {"runs of commas give no empty items", ",,Axis,,,Sony,,", "Axis", {"Axis", "Sony", "Generic"}, 0},
        {"stored Generic in any case", "Axis", "GENERIC", {"Axis", "Generic"}, 1},
        {"a listed Generic gives way to the last item", "Generic,Axis", "generic", {"Generic", "Axis", "Generic"}, 2},
        {"type not in the list", "Axis,Sony", "Panasonic", {"Axis", "Sony", "Generic"}, -1},
        {"stored type empty", "Axis", "", {"Axis", "Generic"}, -1},
        {"only commas", std::string(500, ','), std::nullopt, {"Generic"}, 0},
        // The list is read up to 79 characters; long names are kept whole.
        {"40-character names", name40 + "," + other40 + std::string(500, ','), name40,
         {name40, std::string(38, 'M'), "Generic"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteRaw(SystemIniPath(), "[Global]\r\nQUELT Version=QUELT V12.01\r\n");
        if (c.supported)
            SeedSystem("IP Camera", "Types Supported", *c.supported);
        if (c.stored)
            SeedSystem("IP Camera", "Camera 1 Type", *c.stored);
        const IPView v = Shown<IPView>(1, IPViewOf);
        EXPECT_EQ(v.types, c.items);
        EXPECT_EQ(v.typeSel, c.selected);
    }
}

TEST_F(CameraPage, AccessStringIsBuiltFromAddressAndTypeUrl)
{
    const std::string address29 = "cam-0001.branch-17.bank.local"; // 29 characters
    const std::string url79(79, 'u');
    const struct {
        const char* name;
        const char* type; // stored camera type
        std::optional<std::string> url; // [IP Camera] "Axis URL"
        std::string address;
        std::optional<std::string> storedAccess;
        std::string shown;
    } cases[] = {
        {"address and URL", "Axis", "mjpg/video.mjpg", "10.0.0.9", std::nullopt, "http://10.0.0.9/mjpg/video.mjpg"},
        {"no address", "Axis", "mjpg/video.mjpg", "", std::nullopt, ""},
        {"type without URL", "Axis", std::nullopt, "10.0.0.9", std::nullopt, ""},
        {"type with empty URL", "Axis", "", "10.0.0.9", std::nullopt, ""},
        {"no type selected ends at the slash", "Panasonic", "x", "10.0.0.9", std::nullopt, "http://10.0.0.9/"},
        {"a stored access string is shown", "Axis", "mjpg/video.mjpg", "10.0.0.9", "rtsp://cam/stream",
         "rtsp://cam/stream"},
        {"an empty stored one is built", "Axis", "a", "10.0.0.9", "", "http://10.0.0.9/a"},
        {"longest build is held whole", "Axis", url79, address29, std::nullopt, "http://" + address29 + "/" + url79},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteRaw(SystemIniPath(), "[Global]\r\nQUELT Version=QUELT V12.01\r\n[IP Camera]\r\nTypes Supported=Axis\r\n");
        SeedSystem("IP Camera", "Camera 1 Type", c.type);
        SeedSystem("IP Camera", "Camera 1 Address", c.address);
        if (c.url)
            SeedSystem("IP Camera", "Axis URL", *c.url);
        if (c.storedAccess)
            SeedSystem("IP Camera", "Camera 1 Access", *c.storedAccess);
        EXPECT_EQ(Shown<IPView>(1, IPViewOf).access, c.shown);
    }
    // On apply the access string is stored as the recorder reads it, 79 characters.
    OnPageThen(1, [](HWND) {}, PSBTN_OK);
    EXPECT_EQ(SystemKey("IP Camera", "Camera 1 Access"), ("http://" + address29 + "/" + url79).substr(0, 79));
}

TEST_F(CameraPage, AddressOrTypeChangesReplaceAHandEditedAccessString)
{
    SeedSystem("IP Camera", "Types Supported", "Axis,Sony");
    SeedSystem("IP Camera", "Axis URL", "axis.cgi");
    SeedSystem("IP Camera", "Sony URL", "sony.cgi");
    SeedSystem("IP Camera", "Camera 8 Type", "Axis");
    SeedSystem("IP Camera", "Camera 8 Access", "rtsp://stored");
    SeedSystem("OrvaBank", "Lobby Camera 8 IP", "YES");
    std::vector<std::string> seen;
    const ModalRun run = OnPageThen(8,
                                    [&](HWND page) {
                                        seen.push_back(TextOf(page, IDC_CAM_IP_ACCESS));
                                        TypeText(page, IDC_CAM_IP_ADDRESS, "10.9.8.7");
                                        seen.push_back(TextOf(page, IDC_CAM_IP_ACCESS));
                                        TypeText(page, IDC_CAM_IP_ACCESS, "hand edit");
                                        ChooseItem(page, IDC_CAM_IP_TYPE, 1);
                                        seen.push_back(TextOf(page, IDC_CAM_IP_ACCESS));
                                        TypeText(page, IDC_CAM_IP_ACCESS, "rtsp://10.9.8.7/live");
                                    },
                                    PSBTN_OK);
    EXPECT_EQ(seen, (std::vector<std::string>{"rtsp://stored", "http://10.9.8.7/axis.cgi", "http://10.9.8.7/sony.cgi"}));
    EXPECT_EQ(SystemKey("IP Camera", "Camera 8 Access"), "rtsp://10.9.8.7/live");
    EXPECT_EQ(SystemKey("IP Camera", "Camera 8 Type"), "Sony");
    EXPECT_EQ(SystemKey("IP Camera", "Camera 8 Address"), "10.9.8.7");
}

TEST_F(CameraPage, CameraTypeSwitchesBetweenPortAndNetworkSettings)
{
    const struct {
        const char* name;
        const char* storedIP;
        int click; // 0: none
        bool ip;
        const char* port; // written on OK (the camera is on)
    } cases[] = {
        {"analog stays analog", "NO", 0, false, "4"},
        {"analog switched to IP", "NO", IDC_CAM_IP, true, ""},
        {"IP switched to analog", "YES", IDC_CAM_ANALOG, false, "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteRaw(SystemIniPath(), "[Global]\r\nQUELT Version=QUELT V12.01\r\n[OrvaBank]\r\nLobby Camera 4 On=YES\r\n");
        SeedSystem("OrvaBank", "Lobby Camera 4 IP", c.storedIP);
        IPView ipView{};
        bool portEnabled = false;
        OnPageThen(4,
                   [&](HWND page) {
                       if (c.click)
                           ClickButton(page, c.click);
                       ipView = IPViewOf(page);
                       portEnabled = Enabled(page, IDC_CAM_PORT);
                   },
                   PSBTN_OK);
        EXPECT_EQ(portEnabled, !c.ip);
        for (const bool e : {ipView.typeEnabled, ipView.addressEnabled, ipView.accessEnabled, ipView.userEnabled,
                             ipView.passwordEnabled})
            EXPECT_EQ(e, c.ip);
        EXPECT_EQ(SystemKey("OrvaBank", "Lobby Camera 4 IP"), c.ip ? "YES" : "NO");
        EXPECT_EQ(SystemKey("OrvaBank", "Lobby Camera 4"), c.port);
    }
}

TEST_F(CameraPage, UnlistedTypeAndDisabledSettingsKeepTheirStoredValues)
{
    SeedSystem("IP Camera", "Types Supported", "Axis");
    SeedSystem("IP Camera", "Camera 3 Type", "Panasonic");
    SeedSystem("IP Camera", "Camera 3 Address", "10.0.0.3");
    SeedSystem("IP Camera", "Camera 3 Access", "rtsp://10.0.0.3/");
    SeedSystem("IP Camera", "Camera 3 Username", "viewer");
    SeedSystem("IP Camera", "Camera 3 PW", "pw");
    MarkClean();
    OnPageThen(3, [](HWND page) { ClickButton(page, IDC_CAM_ENABLED); }, PSBTN_OK);
    // The disabled settings are written back as shown; the unlisted type is not rewritten.
    for (const auto& [key, value] : std::map<std::string, std::string>{{"Camera 3 Type", "Panasonic"},
                                                                       {"Camera 3 Address", "10.0.0.3"},
                                                                       {"Camera 3 Access", "rtsp://10.0.0.3/"},
                                                                       {"Camera 3 Username", "viewer"},
                                                                       {"Camera 3 PW", "pw"}})
        EXPECT_EQ(SystemKey("IP Camera", key), value) << key;
    for (const std::string& change : ChangesSinceMark())
        EXPECT_EQ(change.find("[IP Camera] Camera 3"), std::string::npos) << change;
}

// ---- Damaged and hostile files -------------------------------------------------------------

TEST_F(CameraPage, BothTemplatesCarryTheLabelsAndKeepTheSheetSize)
{
    struct Seen {
        std::vector<std::string> texts;
        RECT rect{};
    };
    auto open = [&](const char* version) {
        WriteRaw(SystemIniPath(), std::string("[Global]\r\nQUELT Version=") + version + "\r\n");
        Seen seen;
        OnPageThen(1,
                   [&](HWND page) {
                       GetClientRect(page, &seen.rect);
                       for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                           char cls[16] = "", text[128] = "";
                           GetClassNameA(child, cls, sizeof cls);
                           GetWindowTextA(child, text, sizeof text);
                           const std::string kind = cls;
                           if (*text && (kind == "Static" || kind == "Button"))
                               seen.texts.push_back(text);
                       }
                   },
                   PSBTN_CANCEL);
        return seen;
    };
    const std::vector<std::string> common{"&Enabled",          "&Port Number",        "Camera &Name",
                                          "M&onitor Illumination", "Alarm &Level  (0-255)", "&Calibrate Illumination",
                                          "&Motion Detect",    "Percenta&ge\nChange", "Captu&re\nRate"};
    const Seen v11 = open("QUELT V11.0");
    const Seen v12 = open("QUELT V12.0");
    EXPECT_EQ(v11.texts, common);
    std::vector<std::string> withIP{"Type", "&Analog Camera", "&IP Camera"};
    withIP.insert(withIP.end(), common.begin(), common.end());
    for (const char* label : {"IP Camera Settings", "Camera T&ype", "IP A&ddress", "&User Name", "Pass&word",
                              "Acce&ss String"})
        withIP.push_back(label);
    EXPECT_EQ(v12.texts, withIP);
    EXPECT_EQ(v11.rect.right, v12.rect.right);
    EXPECT_EQ(v11.rect.bottom, v12.rect.bottom);
}
