#include "unit.h"

#include "defines.h"
#include "numtext.h"
#include "profile.h"
#include "version.h"

namespace {

std::string QueltVersionText()
{
    return ReadString(SystemIni(), kSecGlobal, "QUELT Version", "", 80);
}

int GlobalInt(const char* key) { return ReadInt(SystemIni(), kSecGlobal, key, 0); }

} // namespace

int QUELT_MajorVersion() { return MajorFromVersionText(QueltVersionText()); }

bool QUELT_VersionSameOrLater(int major, int minor)
{
    return VersionTextSameOrLater(QueltVersionText(), major, minor);
}

int AppMajorVersion(const char* taskName)
{
    return LeadingInt(ReadString(SystemIni(), kSecVersion, taskName, "", 80));
}

bool IsKestoUnit() { return GlobalInt("Wendrel") >= 1 && QUELT_MajorVersion() >= 11; }

int VideoChannels() { return GlobalInt("Video Channels"); }

int NbrKestoCameras() { return VideoChannels() == 32 ? 32 : 16; }

int NbrKestoDataPorts() { return VideoChannels() == 32 ? 8 : 4; }

bool IsHaldenUnit() { return GlobalInt("Halden") != 0; }

bool HasS617Card(size_t bufSize)
{
    return ReadString(SystemIni(), kSecGlobal, "Image Card", "", bufSize).starts_with("S617");
}

std::string EqTypeTitle()
{
    std::string title = lpszAppName;
    const int wendrel = GlobalInt("Wendrel");
    if (wendrel > 0)
        title += wendrel == 4 ? " - Wendrel 4" : wendrel == 32 ? " - Wendrel 32" : " - Wendrel 16";
    else if (GlobalInt("Halden") != 0)
        title += " - ORVA Halden";
    else if (GlobalInt("ORVA QUELT") != 0)
        title += " - ORVA QUELT Unit";
    else
        return {};
    if (HasS617Card(10))
        title += GlobalInt("Nbr Image Card") == 4 ? " Vexlo" : " Kesto";
    return title;
}

void ShowEqType(HWND wnd)
{
    const std::string title = EqTypeTitle();
    if (!title.empty())
        SetWindowTextA(wnd, title.c_str());
}

bool AdvancedMenuOn() { return ReadInt(kConfigIni, kSecConfig, "Advanced Menu", 0) != 0; }
