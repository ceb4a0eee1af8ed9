// Many sites at once: a generated fleet of units of mixed kinds, settings rolled out from a
// reference (checked against each unit, stored as one confirmation a site, undone site by site),
// a site that cannot be written left as it was, folders that name no site, the menu's roll-out
// dialog, and the fleet page with its links.
#include "defines.h"
#include "harness.h"
#include "history.h"
#include "listview.h"
#include "resource.h"
#include "site/fleet.h"
#include "site/rollout.h"
#include "site/sitefiles.h"
#include "site/sitewalk.h"

#include <filesystem>

namespace {

// The [Global] keys of the kinds of unit a bank runs side by side.
const char* const kKinds[] = {
    "",                                                             // the sample: S617, 16 channels, 12.1
    "Video Channels=32",                                            // S617, 32 channels
    "Image Card=Osprey 100; QUELT Version=QUELT V10.02; Wendrel=0", // an old unit: 8 TCP/IP devices, no e-mail
    "Image Card=Osprey 100; QUELT Version=QUELT V11.00; Wendrel=4",
    "Halden=1; Image Card=Osprey 100",
    "QUELT Version=QUELT V12.00",
};

class Fleet : public SiteFixture {
protected:
    // Sites fleet\Region <r>\Branch <n>, of the kinds in turn; returns their system INI files.
    std::vector<std::string> MakeFleet(int count)
    {
        std::vector<std::string> sites;
        const std::string home = siteDir;
        for (int n = 0; n < count; ++n) {
            const std::string folder = home + "fleet\\Region " + std::to_string(n % 3) + "\\Branch " + std::to_string(n);
            std::filesystem::create_directories(folder);
            siteDir = folder + "\\";
            CopySample();
            const std::string kind = kKinds[n % std::size(kKinds)];
            for (const std::string& key : SplitText(kind, "; "))
                WritePrivateProfileStringA("Global", key.substr(0, key.find('=')).c_str(), key.substr(key.find('=') + 1).c_str(),
                                           (folder + "\\ORVANT.INI").c_str());
            sites.push_back(folder + "\\ORVANT.INI");
        }
        siteDir = home;
        return sites;
    }

    // The reference: the sample with a new mail server, a motion amount for camera 20, a TCP/IP
    // device beyond an old unit's eight, Sunday 3 to 4 AM ON, and a name of its own.
    std::string MakeReference()
    {
        const std::string home = siteDir;
        siteDir = home + "reference\\";
        CreateDirectoryA(siteDir.c_str(), nullptr);
        CopySample();
        const std::string ini = siteDir + "ORVANT.INI";
        for (const auto& [section, key, value] : std::vector<std::tuple<const char*, const char*, const char*>>{
                 {"Email", "Host", "mail.bank.example"}, {"OrvaBank", "Ch 20 Motion Amount", "33"}, {"TCPIP", "Device 12 Port", "3"},
                 {"Schedule", "SUN3", "1"}, {"OrvaBank", "Bank Name", "Head Office"}, {"Global", "Video Channels", "32"}})
            WritePrivateProfileStringA(section, key, value, ini.c_str());
        siteDir = home;
        return ini;
    }

    // Every byte of every file below a folder, by path.
    static std::map<std::string, std::string> Files(const std::string& folder)
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
            if (entry.is_regular_file())
                files[entry.path().string()] = ReadRaw(entry.path().string());
        return files;
    }

    static const TakenValue* Find(const SitePlan& plan, const std::string& key)
    {
        for (const TakenValue& v : plan.values)
            if (v.key == key)
                return &v;
        return nullptr;
    }
};

} // namespace

TEST_F(Fleet, SettingsTakenAsEachUnitAllowsAndUndoneSiteBySite)
{
    const std::vector<std::string> sites = MakeFleet(12);
    const std::string referencePath = MakeReference();
    std::vector<std::string> unknown;
    const std::vector<TakeGroup> groups = GroupsNamed("E-mail, port configuration,TCPIP Monitoring,Schedule,Site Identification", unknown);
    EXPECT_TRUE(unknown.empty());
    const Reference reference = ReadReference(referencePath, groups).value();
    for (const ReferenceValue& v : reference.values)
        EXPECT_NE(v.key, "Bank Name") << "a site's own name is never taken";

    // Planned only, nothing is written.
    const auto before = Files(siteDir + "fleet");
    std::vector<SitePlan> plans;
    for (const std::string& site : sites)
        plans.push_back(PlanSite(reference, site));
    EXPECT_EQ(Files(siteDir + "fleet"), before);

    const auto rule = [&](size_t site, const char* key) {
        const TakenValue* v = Find(plans[site], key);
        return v ? (v->skipped.empty() ? "taken" : v->skipped) : "level";
    };
    EXPECT_EQ(rule(0, "Ch 20 Motion Amount"), "camera 20 is beyond the 16 video channels of this unit");
    EXPECT_EQ(rule(1, "Ch 20 Motion Amount"), "taken");
    EXPECT_EQ(rule(2, "Host"), "e-mail notification needs recorder version 12.1 or later");
    EXPECT_EQ(rule(0, "Host"), "taken");
    EXPECT_EQ(rule(2, "Device 12 Port"), "device 12 is beyond the 8 TCP/IP devices of this unit");
    EXPECT_EQ(rule(3, "Device 12 Port"), "taken");
    EXPECT_EQ(rule(4, "SUN3"), "taken");

    // Taken: each site one confirmation of its history; one undo takes the second site back whole.
    const std::string second = sites[1].substr(0, sites[1].rfind('\\') + 1);
    const std::string home = siteDir, ini = IniFile;
    siteDir = second;
    IniFile = Lower(sites[1]);
    MarkClean();
    for (SitePlan& plan : plans) {
        ApplyPlan(plan, reference.path);
        EXPECT_TRUE(plan.written) << plan.site;
    }
    EXPECT_EQ(GetPrivateProfileIntA("OrvaBank", "Ch 20 Motion Amount", 0, sites[1].c_str()), 33);
    EXPECT_EQ(GetPrivateProfileIntA("OrvaBank", "Ch 20 Motion Amount", 0, sites[0].c_str()), 5) << "skipped on 16 channels";
    const std::vector<Confirmation> log = ReadHistory(second + kHistoryFile).value();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].command, "Taken from " + referencePath);
    EXPECT_EQ(log[0].values.size(), plans[1].Taken());
    const HWND wnd = OpenMainWindow("orva_config.exe " + sites[1]);
    DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, IDM_HISTORY, 0); }, StepsOf("click Undo This Change; cancel"));
    CloseMainWindow(wnd);
    EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{});
    siteDir = home;
    IniFile = ini;
}

// A site whose SiteDef.DAT another program holds open: what was stored of it is written back, the
// site reported as not changed, and the other sites done.
TEST_F(Fleet, ASiteThatCannotBeWrittenIsLeftAsItWas)
{
    const std::vector<std::string> sites = MakeFleet(3);
    const std::string referencePath = MakeReference();
    WritePrivateProfileStringA("Camera Names", "3", "Reference door", (siteDir + "reference\\SiteDef.DAT").c_str());
    std::vector<std::string> unknown;
    const Reference reference = ReadReference(referencePath, GroupsNamed("Port Configuration", unknown)).value();
    const std::string folder = sites[1].substr(0, sites[1].rfind('\\') + 1), home = siteDir;
    siteDir = folder;
    IniFile = Lower(sites[1]);
    MarkClean();
    const HANDLE lock = CreateFileA((folder + "SiteDef.DAT").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<SitePlan> plans;
    for (const std::string& site : sites) {
        plans.push_back(PlanSite(reference, site));
        ApplyPlan(plans.back(), reference.path);
    }
    CloseHandle(lock);
    EXPECT_TRUE(plans[0].written);
    EXPECT_TRUE(plans[2].written);
    EXPECT_FALSE(plans[1].written);
    EXPECT_NE(FormatSitePlan(plans[1], false).find(": not changed: "), std::string::npos) << FormatSitePlan(plans[1], false);
    IniFile = Lower(sites[1]);
    EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{});
    EXPECT_EQ(ReadHistory(folder + kHistoryFile).value().back().command, "Roll-out written back");
    siteDir = home;
}

TEST_F(Fleet, FoldersThatNameNoSite)
{
    std::filesystem::create_directories(siteDir + "empty\\inner");
    WriteRaw(siteDir + "empty\\inner\\NOTES.TXT", "no recorder here");
    const SiteList none = SitesOf({siteDir + "empty"});
    EXPECT_TRUE(none.sites.empty());
    ASSERT_EQ(none.problems.size(), 1u);
    EXPECT_NE(none.problems[0].find("no site below this folder"), std::string::npos);
    EXPECT_FALSE(UseSite(siteDir + "empty")) << "a folder is no system INI file";
    // A site's file named in any case, in path order; a file named outright is a site whatever its folder holds.
    MakeFleet(4);
    CreateDirectoryA((siteDir + "fleet\\Region 0\\Branch 0\\old").c_str(), nullptr);
    WriteRaw(siteDir + "fleet\\Region 0\\Branch 0\\old\\orvant.ini", "[Global]\r\n");
    const SiteList found = SitesOf({siteDir + "fleet\\Region 0", siteDir + "empty\\inner\\NOTES.TXT"});
    EXPECT_EQ(found.sites, (std::vector<std::string>{siteDir + "fleet\\Region 0\\Branch 0\\old\\orvant.ini",
                                                     siteDir + "fleet\\Region 0\\Branch 0\\ORVANT.INI",
                                                     siteDir + "fleet\\Region 0\\Branch 3\\ORVANT.INI", siteDir + "empty\\inner\\NOTES.TXT"}));
    EXPECT_TRUE(found.problems.empty());
}

// The menu's dialog: the preview lists what would change and writes nothing; the roll-out asks,
// stores, and ends with the totals.
TEST_F(Fleet, RollOutFromTheMenu)
{
    const std::vector<std::string> sites = MakeFleet(3);
    const std::string referencePath = MakeReference();
    const auto before = Files(siteDir + "fleet");
    const HWND wnd = OpenMainWindow("orva_config.exe " + referencePath);
    // Pressed and waited for: the dialog works through the sites inside the press.
    const auto press = [](int button) { return [button](HWND dlg) { SendMessageA(GetDlgItem(dlg, button), BM_CLICK, 0, 0); }; };
    const auto steps = [&](int button, const std::string& after) {
        std::vector<Step> all = StepsOf("tick Settings to take = E-mail; type Target sites' folder = " + siteDir + "fleet");
        all.push_back(press(button));
        for (const Step& step : StepsOf(after))
            all.push_back(step);
        return all;
    };
    const ModalRun preview = DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, IDM_ROLL_OUT, 0); },
                                        steps(IDC_RO_PREVIEW, "see 1067 = 3 of 3 sites previewed: 2 level, 1 with values skipped, "
                                                              "0 not changed. 2 values to take, 1 skipped.; cancel"));
    EXPECT_TRUE(preview.boxes.empty());
    EXPECT_EQ(Files(siteDir + "fleet"), before);
    // The second site's system INI file held open by another program: that site is not changed.
    const HANDLE lock = CreateFileA(sites[1].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const ModalRun run = DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, IDM_ROLL_OUT, 0); }, steps(IDC_RO_RUN, "cancel"), {IDYES, IDOK});
    CloseHandle(lock);
    // Previewed again, the site that took the value is level already, the one that could not still
    // has it to take, and the old unit still skips it.
    std::vector<Step> again = steps(IDC_RO_PREVIEW, "cancel");
    again.insert(again.end() - 1, [&](HWND dlg) {
        const HWND list = GetDlgItem(dlg, IDC_RO_RESULTS);
        std::map<std::string, std::string> notes;
        for (int row = 0; row < ListRowCount(list); ++row)
            notes[ListCell(list, row, 0)] += ListCell(list, row, 4);
        EXPECT_EQ(notes.size(), 3u);
        EXPECT_EQ(notes[sites[0]] + "; " + notes[sites[1]], "already level; ");
        EXPECT_TRUE(notes[sites[2]].starts_with("skipped: ")) << notes[sites[2]];
    });
    EXPECT_EQ(DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, IDM_ROLL_OUT, 0); }, again).stepsRun, static_cast<int>(again.size()));
    CloseMainWindow(wnd);
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[0].kind, "question yesno");
    EXPECT_EQ(run.boxes[1].text, "3 of 3 sites done: 1 level, 1 with values skipped, 1 not changed. 1 value taken, 1 skipped.");
    char host[64] = "";
    GetPrivateProfileStringA("Email", "Host", "", host, sizeof host, sites[0].c_str());
    EXPECT_STREQ(host, "mail.bank.example");
    EXPECT_EQ(IniFile, Lower(referencePath)) << "the program edits the reference still";
}

// The fleet page: a row a site, those with problems first, each linked to its report, a page that
// stands on its own.
TEST_F(Fleet, PageOfEverySite)
{
    const std::vector<std::string> sites = MakeFleet(6);
    WritePrivateProfileStringA("OrvaFile", "Status Log Size", "0", sites[4].c_str());
    WritePrivateProfileStringA("OrvaBank", "Lobby Camera 3 On", "no", sites[5].c_str());
    // Change histories: the last confirmation's values running past the first 64 KB read from the
    // log's end; a log whose last header is cut short (it reads as none); no log.
    const auto logOf = [](const std::string& ini) { return ini.substr(0, ini.rfind('\\') + 1) + kHistoryFile; };
    const auto header = [](const char* time, const char* command) { return "H\t" + std::string(time) + "\t" + command + "\tORVANT.INI\r\n"; };
    std::string copied;
    for (int n = 0; n < 1500; ++n)
        copied += "V\tORVANT.INI\tOrvaBank\tCh " + std::to_string(n % 32 + 1) + " Motion Amount\t10\t20\r\n";
    WriteRaw(logOf(sites[1]), header("2026-11-30 09:00:00", "Site Identification") + header("2026-12-01 10:30:00", "Camera Overview") + copied);
    WriteRaw(logOf(sites[2]), header("2026-12-02 08:00:00", "Schedule") + "V\tORVANT.INI\tSchedule\tSUN3\t0\t1\r\nH\t2026-12-03\r\n");
    const std::string referencePath = MakeReference();
    const std::string page = siteDir + "fleet.html";
    const FleetResult result = WriteFleetPage(siteDir + "fleet", page, referencePath);
    EXPECT_EQ(result.ExitCode(), 1);
    ASSERT_EQ(result.rows.size(), 6u);
    std::map<std::string, std::string> lastChange;
    std::map<std::string, int> cameras;
    for (const FleetRow& row : result.rows) {
        lastChange[row.path] = row.lastChange;
        cameras[row.path] = row.camerasInUse;
    }
    EXPECT_EQ(cameras[sites[0]], 9) << "the sample's";
    EXPECT_EQ(cameras[sites[5]], 8);
    EXPECT_EQ(lastChange[sites[1]], "2026-12-01 10:30:00 Camera Overview");
    EXPECT_EQ(lastChange[sites[2]], "2026-12-02 08:00:00 Schedule");
    EXPECT_EQ(lastChange[sites[3]], "");
    EXPECT_EQ(result.rows[0].path, sites[4]) << "the site with a problem first";
    EXPECT_EQ(result.rows[1].path, sites[0]) << "then path order";
    EXPECT_EQ(result.rows[0].problems, 1u);
    const std::string html = ReadRaw(page);
    EXPECT_EQ(HtmlProblem(html, siteDir), "") << "each report linked is there";
    size_t links = 0;
    for (size_t at = html.find("href=\""); at != std::string::npos; at = html.find("href=\"", at + 1), ++links) {
    }
    EXPECT_EQ(links, 6u);
    const std::string report = ReadRaw(siteDir + "fleet sites\\0001 Region 0-Branch 0.html");
    EXPECT_EQ(HtmlProblem(report), "");
    EXPECT_NE(report.find("Site report"), std::string::npos);
}
