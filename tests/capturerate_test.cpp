// The frame-rate display of the camera pages, worked out from whole system INI files as the
// recorder left them, and the camera-state queries the pages share.
#include "cameras/capturerate.h"
#include "site_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <string>
#include <vector>

namespace {

class CaptureRateFixture : public SiteFixture {};

// One card of each kind with cameras spread over both halves of a sixteen-port card pair.
const std::string kS617TwoCards = "[Global]\nImage Card=S617\nNbr Image Card=2\n"
                                  "[OrvaBank]\n"
                                  "Lobby Camera 1 On=YES\nLobby Camera 1=3\n"
                                  "Lobby Camera 2 On=YES\nLobby Camera 2=5\n"
                                  "Lobby Camera 3 On=YES\nLobby Camera 3=10\n"
                                  "Lobby Camera 4 On=yes\nLobby Camera 4=16\n"
                                  // on the other card
                                  "Lobby Camera 5 On=YES\nLobby Camera 5=17\n"
                                  // an IP camera and a switched-off camera on the same ports
                                  "Lobby Camera 6 On=YES\nLobby Camera 6 IP=YES\nLobby Camera 6=2\n"
                                  "Lobby Camera 7 On=NO\nLobby Camera 7=4\n";

const std::string kS617OneCard = "[Global]\nImage Card=S617\nNbr Image Card=1\n"
                                 "[OrvaBank]\n"
                                 "Lobby Camera 20 On=YES\nLobby Camera 20=20\n"
                                 "Lobby Camera 21 On=YES\nLobby Camera 21=17\n"
                                 "Lobby Camera 22 On=YES\nLobby Camera 22=32\n"
                                 "Lobby Camera 1 On=YES\nLobby Camera 1=5\n";

// Ten analog cameras, most on their default ports, plus cameras that must not count.
const std::string kTenAnalog = "[OrvaBank]\n"
                               "Lobby Camera 1 On=YES\nLobby Camera 2 On=YES\n"
                               "Lobby Camera 3 On=YES\nLobby Camera 4 On=YES\n"
                               "Lobby Camera 9 On=YES\nLobby Camera 10 On=YES\n"
                               "Lobby Camera 17 On=YES\nLobby Camera 25 On=YES\n"
                               "Lobby Camera 32 On=YES\n"
                               "Lobby Camera 31 On=YES\nLobby Camera 31=99\n"
                               "Lobby Camera 11 On=YES\nLobby Camera 11 IP=YES\n"
                               "Lobby Camera 12 On=NO\nLobby Camera 13 On=\n";

const std::string kSixAnalog = "[OrvaBank]\n"
                               "Lobby Camera 1 On=YES\nLobby Camera 2 On=YES\n"
                               "Lobby Camera 3 On=YES\nLobby Camera 9 On=YES\n"
                               "Lobby Camera 17 On=YES\nLobby Camera 30 On=YES\n"
                               "Lobby Camera 31 On=YES\nLobby Camera 31 IP=YES\n";

// Cameras whose ports are absent (or left empty by a page that applied them off) sit on their
// default ports: on a plain unit 9 -> 11, 16 -> 18, 17 -> 21, 25 -> 31; one to one on Wendrel
// and Halden units.
const std::string kDefaultPorts = "[OrvaBank]\n"
                                  "Lobby Camera 1 On=YES\nLobby Camera 1=5\n"
                                  "Lobby Camera 2 On=YES\nLobby Camera 2=40\n"
                                  "Lobby Camera 9 On=YES\nLobby Camera 9=\n"
                                  "Lobby Camera 16 On=YES\n"
                                  "Lobby Camera 17 On=YES\n"
                                  "Lobby Camera 25 On=YES\n"
                                  "[Global]\nImage Card=S617\nNbr Image Card=1\n";

// Four fast cards; camera 15's default port on a plain unit (17) is on none of them.
const std::string kFourCards = "[OrvaBank]\n"
                               "Lobby Camera 1 On=YES\nLobby Camera 1=13\n"
                               "Lobby Camera 13 On=YES\nLobby Camera 14 On=YES\n"
                               "Lobby Camera 15 On=YES\n"
                               "[Global]\nImage Card=S617\nNbr Image Card=4\n";

const std::string kIPCamera = "[Global]\nImage Card=MV1000\nNbr Image Card=1\n"
                              "[OrvaBank]\nLobby Camera 8 On=Yes\nLobby Camera 8 IP=yes\n"
                              "Lobby Camera 8=1\nLobby Camera 1 On=YES\nLobby Camera 2 On=YES\n";

const std::string kOwnCameraOff = "[Global]\nImage Card=S617\nNbr Image Card=1\n"
                                  "[OrvaBank]\n"
                                  "Lobby Camera 3 On=NO\nLobby Camera 3=3\n"
                                  "Lobby Camera 20 On=YES\nLobby Camera 20=20\n"
                                  "Lobby Camera 21 On=YES\nLobby Camera 21=21\n";

std::string LongCardName()
{
    return "S617" + std::string(10000 - 4, 'x');
}

} // namespace

TEST_F(CaptureRateFixture, DisplayFollowsTheStoredCamerasAndCards)
{
    const struct {
        const char* what;
        std::string ini;
        int camera;
        int rateIndex;
        const char* want;
    } cases[] = {
        // IP camera: 30 frames divided by the list's divisor, whatever card and neighbours.
        {"IP full", kIPCamera, 8, 0, "30 FPS"},
        {"IP 1/2", kIPCamera, 8, 1, "15 FPS"},
        {"IP 1/4", kIPCamera, 8, 2, " 8 FPS"},
        {"IP 1/8", kIPCamera, 8, 3, " 4 FPS"},
        {"IP 1/16", kIPCamera, 8, 4, " 2 FPS"},
        {"IP 1/32", kIPCamera, 8, 5, " 1 SPF"},
        {"IP flag on a camera that is off: analog on the 12-frame card",
         "[OrvaBank]\nLobby Camera 8 On=NO\nLobby Camera 8 IP=YES\nLobby Camera 1 On=YES\n"
         "Lobby Camera 2 On=YES\n",
         8, 0, " 6 FPS"},

        // S617, two cards: port 3 shares ports 1-16 with three other analog cameras.
        {"S617 x2, 1/4", kS617TwoCards, 1, 2, " 2 FPS"},
        {"S617 x2, full", kS617TwoCards, 1, 0, " 8 FPS"},
        {"S617 x2, alone on the second card", kS617TwoCards, 5, 0, "30 FPS"},
        {"S617 x2, the IP camera ignores the card", kS617TwoCards, 6, 1, "15 FPS"},
        {"S617 x2, a camera stored off counts only the others", kS617TwoCards, 7, 0, " 8 FPS"},
        // S617, one card: port 20 shares ports 17-32 with two others.
        {"S617 x1, 1/8", kS617OneCard, 20, 3, " 1 FPS"},
        {"S617 x1, full", kS617OneCard, 20, 0, "10 FPS"},
        {"S617 x1, first half alone", kS617OneCard, 1, 0, "30 FPS"},
        // S617, four cards: four ports a card.
        {"S617 x4, camera 15 on default port 17 is on no card", kFourCards, 15, 0, "30 FPS"},
        {"S617 x4, camera 13 on default port 15 shares 13-16", kFourCards, 13, 0, "10 FPS"},
        {"S617 x4 on Wendrel: camera 15 on port 15 shares 13-16",
         kFourCards + "Wendrel=4\n", 15, 0, " 8 FPS"},

        // Any other card: 12 frames shared by all enabled analog cameras.
        {"12-frame card, six cameras", "[Global]\nImage Card=MV1000\n" + kSixAnalog, 1, 0,
         " 2 FPS"},
        {"12-frame card, ten cameras, 1/32", "[Global]\nNbr Image Card=2\n" + kTenAnalog, 2, 5,
         "27 SPF"},
        {"12-frame card, four cards: always the full card rate",
         "[Global]\nImage Card=MV1000\nNbr Image Card=4\n" + kTenAnalog, 2, 0, "12 FPS"},
        {"lower-case s617 is a 12-frame card",
         "[Global]\nImage Card=s617\nNbr Image Card=1\n" + kSixAnalog, 1, 0, " 2 FPS"},
        {"the same cameras on an S617 card", "[Global]\nImage Card=S617\nNbr Image Card=1\n" +
         kSixAnalog, 1, 1, " 4 FPS"},

        // Default ports on a plain unit: 16 (18), 17 (21) and 25 (31) share ports 17-32;
        // 1 (5) and 9 (11) share 1-16; port 40 shares with all six.
        {"plain, camera 17", kDefaultPorts, 17, 0, "10 FPS"},
        {"plain, camera 25", kDefaultPorts, 25, 0, "10 FPS"},
        {"plain, camera 9", kDefaultPorts, 9, 0, "15 FPS"},
        {"plain, port 40", kDefaultPorts, 2, 0, " 5 FPS"},
        // One to one: 16 moves to the first card.
        {"Wendrel, camera 17", kDefaultPorts + "Wendrel=16\n", 17, 0, "15 FPS"},
        {"Wendrel, camera 9", kDefaultPorts + "Wendrel=16\n", 9, 0, "10 FPS"},
        {"Halden, camera 25", kDefaultPorts + "Halden=1\n", 25, 0, "15 FPS"},
        {"Halden, camera 9", kDefaultPorts + "Halden=1\n", 9, 0, "10 FPS"},
        {"negative Wendrel is still one to one", kDefaultPorts + "Wendrel=-1\n", 17, 0,
         "15 FPS"},
        {"Wendrel and Halden 0 is plain", kDefaultPorts + "Wendrel=0\nHalden=0\n", 17,
         0, "10 FPS"},

        // Nobody stored on the camera's card, itself included: the count falls back to 1.
        {"own camera off, nobody else on 1-16", kOwnCameraOff, 3, 1, "15 FPS"},
        {"own camera off, S617 full", kOwnCameraOff, 3, 0, "30 FPS"},
        {"empty file", "", 1, 0, "12 FPS"},
        {"camera without keys on a 12-frame card", "[Global]\nImage Card=MV1000\n", 12, 3,
         " 2 FPS"},

        // No selection, a damaged stored position, no such camera.
        {"no selection", kS617OneCard, 20, -1, ""},
        {"past the list", kS617OneCard, 20, 6, ""},
        {"IP no selection", kIPCamera, 8, -1, ""},
        {"IP past the list", kIPCamera, 8, 6, ""},
        {"huge position", kS617OneCard, 20, INT_MAX, ""},
        {"lowest position", kS617OneCard, 20, INT_MIN, ""},
        {"camera 0", kS617OneCard, 0, 0, ""},
        {"camera 33", kS617OneCard, 33, 0, ""},
        {"camera INT_MIN", kS617OneCard, INT_MIN, 0, ""},
    };
    for (const auto& c : cases) {
        WriteRaw(SystemIniPath(), c.ini);
        MarkClean();
        EXPECT_EQ(ComputeFPS(c.camera, c.rateIndex), c.want) << c.what;
        // The display only reads: nothing is written or created.
        EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{}) << c.what;
    }
}

TEST_F(CaptureRateFixture, HandEditedNumbersAndNamesGiveASaneDisplay)
{
    const std::string threeCameras = "[OrvaBank]\n"
                                     "Lobby Camera 1 On=YES\nLobby Camera 1=1\n"
                                     "Lobby Camera 2 On=YES\nLobby Camera 2=2\n"
                                     "Lobby Camera 3 On=YES\nLobby Camera 3=-2147483648\n"
                                     "Lobby Camera 4 On=YES\nLobby Camera 4=99999999999\n";
    const std::string s617 = "[Global]\nImage Card=S617\nNbr Image Card=1\n";
    const struct {
        const char* what;
        std::string ini;
        int camera;
        int rateIndex;
        const char* want;
    } cases[] = {
        // A port on no card of a sixteen-port pair shares with every analog camera.
        {"port INT_MIN", s617 + threeCameras, 3, 0, " 8 FPS"},
        {"port held at INT_MAX", s617 + threeCameras, 4, 0, " 8 FPS"},
        {"ports 1 and 2 unaffected", s617 + threeCameras, 1, 0, "15 FPS"},
        // With four cards such a port is on no card.
        {"port INT_MIN, four cards", "[Global]\nImage Card=S617\nNbr Image Card=4\n" + threeCameras,
         3, 0, "30 FPS"},
        {"card count held at INT_MAX",
         "[Global]\nImage Card=S617\nNbr Image Card=99999999999\n" + threeCameras, 1, 0, "15 FPS"},
        {"card count negative",
         "[Global]\nImage Card=S617\nNbr Image Card=-2147483648\n" + threeCameras, 1, 0, "15 FPS"},
        {"card count -4", "[Global]\nImage Card=S617\nNbr Image Card=-4\n" + threeCameras, 1, 0,
         "15 FPS"},
        // Only the start of a very long card name is read, and it names the fast card.
        {"10,000-character S617 card", "[Global]\nImage Card=" + LongCardName() +
         "\nNbr Image Card=1\n" + threeCameras, 1, 1, " 8 FPS"},
        {"control bytes in the card name", "[Global]\nImage Card=\x01S617\n" + threeCameras, 1, 0,
         " 3 FPS"},
        {"no trailing newline", s617 + "[OrvaBank]\nLobby Camera 1 On=YES\nLobby Camera 1=1", 1, 0,
         "30 FPS"},
        {"line without '='", s617 + "[OrvaBank]\nLobby Camera 1 On\nLobby Camera 2 On=YES\n", 2, 0,
         "30 FPS"},
    };
    for (const auto& c : cases) {
        WriteRaw(SystemIniPath(), c.ini);
        EXPECT_EQ(ComputeFPS(c.camera, c.rateIndex), c.want) << c.what;
    }
}

TEST_F(CaptureRateFixture, DefaultPortByUnitKind)
{
    // Index -1 is no camera: port 1, as for 32 and above on a plain unit.
    static constexpr int indexes[] = {0, 7, 8, 15, 16, 23, 24, 31, 32, 100, -1};
    const struct {
        const char* unit;
        const char* ini;
        int ports[std::size(indexes)];
    } units[] = {
        {"plain", "", {1, 8, 11, 18, 21, 28, 31, 38, 1, 1, 1}},
        {"plain with zeros",
         "[Global]\nWendrel=0\nHalden=0\n",
         {1, 8, 11, 18, 21, 28, 31, 38, 1, 1, 1}},
        {"Wendrel", "[Global]\nWendrel=32\n", {1, 8, 9, 16, 17, 24, 25, 32, 33, 101, 1}},
        {"Halden", "[Global]\nHalden=1\n", {1, 8, 9, 16, 17, 24, 25, 32, 33, 101, 1}},
    };
    for (const auto& u : units) {
        WriteRaw(SystemIniPath(), u.ini);
        for (size_t i = 0; i < std::size(indexes); ++i)
            EXPECT_EQ(DefaultPort(indexes[i]), u.ports[i]) << u.unit << " index " << indexes[i];
    }
}

TEST_F(CaptureRateFixture, CameraKindFromTheOnAndIPFlags)
{
    const char* const absent = nullptr;
    const struct {
        const char* on;
        const char* ip;
        bool analog;
        bool ipCamera;
    } cases[] = {
        {"YES", absent, true, false},  {"yes", absent, true, false}, {"Yes ", absent, true, false},
        {"  yes", "NO", true, false},  {"YES", "NO", true, false},   {"YES", "YES", false, true},
        {"yes", "yes", false, true},   {"Yes ", "Yes ", false, true}, {"YES", "YESS", true, false},
        {"NO", "YES", false, false},   {"NO", absent, false, false}, {absent, "YES", false, false},
        {absent, absent, false, false}, {"Y", "NO", false, false},   {"", "", false, false},
    };
    for (const auto& c : cases) {
        std::string ini = "[OrvaBank]\n";
        if (c.on)
            ini += std::string("Lobby Camera 7 On=") + c.on + "\n";
        if (c.ip)
            ini += std::string("Lobby Camera 7 IP=") + c.ip + "\n";
        WriteRaw(SystemIniPath(), ini);
        const std::string trace = std::string("On=") + (c.on ? c.on : "<absent>") +
                                  " IP=" + (c.ip ? c.ip : "<absent>");
        EXPECT_EQ(AnalogCameraEnabled(7, SystemIniPath().c_str()), c.analog) << trace;
        EXPECT_EQ(IPCameraEnabled(7, SystemIniPath().c_str()), c.ipCamera) << trace;
        // Another camera's keys are not this one's.
        EXPECT_FALSE(AnalogCameraEnabled(17, SystemIniPath().c_str())) << trace;
        EXPECT_FALSE(IPCameraEnabled(17, SystemIniPath().c_str())) << trace;
    }
}
