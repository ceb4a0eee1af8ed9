#include "camerapage.h"

#include "cameras/camerakeys.h"
#include "cameras/capturerate.h"
#include "cameras/gencamprop.h"
#include "propsheet.h"
#include "defines.h"
#include "dlgctl.h"
#include "numtext.h"
#include "profile.h"
#include "resource.h"
#include "unit.h"

#include <prsht.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The recorder reads its texts into 80-byte buffers, so 79 characters is all it ever sees.
constexpr size_t kTextMax = 79;
constexpr size_t kTextBuf = kTextMax + 1;
// The recorder keeps an IP camera's address in a 30-byte buffer.
constexpr size_t kAddressMax = 29;
// Enough digits for every port and value the recorder accepts, with room to type a wrong one.
constexpr int kPortDigits = 5;
constexpr int kValueDigits = 3;

// Camera pages of recorders from these versions on offer selectable capture rates, and IP
// cameras.
constexpr int kRateVersion = 11;
constexpr int kIPVersion = 12;
// Cameras whose on/off state the remote viewer reads from SiteDef.DAT.
constexpr int kMirroredCameras = 31;

constexpr char kGenericType[] = "Generic";

// Page state, kept in the page window's DWLP_USER: all camera pages live side by side.
constexpr LONG_PTR kPaceMotion = 0x1; // [OrvaVideo] "Pace Motion Detect" as read on opening
constexpr LONG_PTR kLoaded = 0x2;     // controls filled; before that, their notices are not edits
// The rate display was just computed on opening, and the page's first activation follows at once:
// reading every camera's state again for it would double the cost of opening a page.
constexpr LONG_PTR kRateFresh = 0x4;

// A value of the page that the recorder accepts only within a range.
struct RangedValue {
    CameraKey key;
    int editId;
    ValueRule rule;
    const Refusal& refusal; // %d the camera number
};

const RangedValue kMotionAmount{CameraKey::MotionAmount, IDC_CAM_MOTION_PERCENT, kMotionAmountRule,
                                DeclareRefusal("Error", "Motion percentage out of range for port %d!\n"
                                                        "Range - Min 0 Max 100.\nValue was not saved!", MB_ICONSTOP | MB_OK)};
const RangedValue kIlluminationAlarm{CameraKey::IlluminationAlarm, IDC_CAM_ILLUM_LEVEL, kIlluminationAlarmRule,
                                     DeclareRefusal("Error", "Illumination alarm level for port %d out of range!\n"
                                                             "Range - Min 0 Max 256.\nValue was not saved!", MB_ICONSTOP | MB_OK)};

// The camera's flag, the port only an analog camera in use has (the recorder reads an empty port
// as none), and the on/off mirror the remote viewer reads from SiteDef.DAT.
std::vector<CameraValue> OnOffValues(int camera, bool on, bool ip, int port)
{
    const auto value = [camera](CameraKey key, std::string text) {
        return CameraValue{CameraKeyFile(key), SpellingOf(key).section, CameraKeyName(key, camera), std::move(text)};
    };
    return {value(CameraKey::On, on ? "YES" : "NO"), value(CameraKey::Port, on && !ip ? std::to_string(port) : std::string()),
            value(CameraKey::Enabled, on ? "ON" : "OFF")};
}

// A key of the [IP Camera] section that belongs to no one camera ("Types Supported").
std::string ReadIPCamera(const std::string& key, const char* def)
{
    return ReadString(SystemIni(), kSecIPCamera, key.c_str(), def, kTextBuf);
}

bool HasFlag(HWND page, LONG_PTR flag) { return (GetWindowLongPtrA(page, DWLP_USER) & flag) != 0; }

void SetFlag(HWND page, LONG_PTR flag)
{
    SetWindowLongPtrA(page, DWLP_USER, GetWindowLongPtrA(page, DWLP_USER) | flag);
}

void ClearFlag(HWND page, LONG_PTR flag)
{
    SetWindowLongPtrA(page, DWLP_USER, GetWindowLongPtrA(page, DWLP_USER) & ~flag);
}

// The recorder's list of camera types, "A,B,C": blanks are part of a name, and empty items
// between commas are no types. A name is kept whole, however long, so that it still matches the
// camera's stored type and names its own URL key.
std::vector<std::string> SplitTypes(std::string_view list)
{
    std::vector<std::string> types;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start)
            types.emplace_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return types;
}

// ---- Rate display ---------------------------------------------------------------------------

void RefreshRateDisplay(HWND page, int camera, int rateIndex)
{
    SetItemText(page, IDC_CAM_RATE_DISPLAY,
                IsItemChecked(page, IDC_CAM_ENABLED) ? ComputeFPS(camera, rateIndex) : std::string());
}

// Without motion pacing the recorder captures a motion-detecting camera at full speed, whatever
// its list says.
int EffectiveRateIndex(HWND page)
{
    if (!HasFlag(page, kPaceMotion) && IsItemChecked(page, IDC_CAM_MOTION))
        return 0;
    return GetComboSel(page, IDC_CAM_RATE_LIST);
}

// ---- Opening the page -----------------------------------------------------------------------

void LimitCameraEdits(HWND page)
{
    LimitItemText(page, IDC_CAM_PORT, kPortDigits);
    LimitItemText(page, IDC_CAM_NAME, kTextMax);
    LimitItemText(page, IDC_CAM_ILLUM_LEVEL, kValueDigits);
    LimitItemText(page, IDC_CAM_MOTION_PERCENT, kValueDigits);
    LimitItemText(page, IDC_CAM_IP_ADDRESS, kAddressMax);
    LimitItemText(page, IDC_CAM_IP_USER, kTextMax);
    LimitItemText(page, IDC_CAM_IP_PASSWORD, kTextMax);
    LimitItemText(page, IDC_CAM_IP_ACCESS, kTextMax);
}

// Every camera of a Halden unit is an IP camera: the flag is stored as soon as the page opens.
void ShowCameraType(HWND page, int camera)
{
    bool ip = ReadCameraYes(CameraKey::IP, camera);
    if (IsHaldenUnit()) {
        WriteCameraYesNo(CameraKey::IP, camera, true);
        ip = true;
        EnableItem(page, IDC_CAM_ANALOG, false);
    }
    SetItemCheck(page, IDC_CAM_IP, ip);
    SetItemCheck(page, IDC_CAM_ANALOG, !ip);
}

void ShowCameraName(HWND page, int camera)
{
    SetItemText(page, IDC_CAM_NAME, ShownCameraName(camera, kTextMax));
}

// The capture-rate list position a page opens with: recorders before version 11 capture every
// camera at full speed; a stored position outside the list selects nothing (-1).
int ShownRateIndex(int camera, int version)
{
    const int rate = version < kRateVersion ? 0 : ReadCameraInt(CameraKey::CaptureRate, camera, 0);
    return rate >= 0 && rate < static_cast<int>(CAPTURE_RATE_TEXT.size()) ? rate : -1;
}

constexpr int kMotionDefault = 1;
constexpr int kMotionAmountDefault = 5;

void ShowMotionAndRate(HWND page, int camera, int version)
{
    if (ReadCameraInt(CameraKey::MotionDetection, camera, kMotionDefault) != 0) {
        SetItemCheck(page, IDC_CAM_MOTION, true);
        EnableItem(page, IDC_CAM_RATE_LIST, HasFlag(page, kPaceMotion));
    } else {
        EnableItem(page, IDC_CAM_MOTION_PERCENT, false);
    }
    if (version < kRateVersion)
        EnableItem(page, IDC_CAM_RATE_LIST, false);
    SetItemInt(page, IDC_CAM_MOTION_PERCENT, ReadCameraInt(CameraKey::MotionAmount, camera, kMotionAmountDefault));

    FillCombo(page, IDC_CAM_RATE_LIST, CAPTURE_RATE_TEXT);
    const int rate = ShownRateIndex(camera, version);
    if (rate >= 0)
        SetComboSel(page, IDC_CAM_RATE_LIST, rate);
    RefreshRateDisplay(page, camera, GetComboSel(page, IDC_CAM_RATE_LIST));
}

void ShowIllumination(HWND page, int camera)
{
    if (ReadCameraInt(CameraKey::IlluminationDetection, camera, 0) != 0)
        SetItemCheck(page, IDC_CAM_ILLUM_MONITOR, true);
    else
        EnableItem(page, IDC_CAM_ILLUM_LEVEL, false);
    SetItemCheck(page, IDC_CAM_ILLUM_CAL, ReadCameraInt(CameraKey::IlluminationCal, camera, 0) != 0);
    SetItemInt(page, IDC_CAM_ILLUM_LEVEL, ReadCameraInt(CameraKey::IlluminationAlarm, camera, 0));
}

// The types the recorder supports, "Generic" last, with the camera's stored type selected; a type
// the recorder no longer lists leaves the list without a selection.
void ShowCameraTypes(HWND page, int camera)
{
    const std::string stored = ReadCameraText(CameraKey::Type, camera, kGenericType);
    std::vector<std::string> types = SplitTypes(ReadIPCamera("Types Supported", ""));
    types.emplace_back(kGenericType);

    std::vector<const char*> names;
    int match = CB_ERR;
    for (const std::string& type : types) {
        if (EqualNoCase(type, stored))
            match = static_cast<int>(names.size());
        names.push_back(type.c_str());
    }
    FillCombo(page, IDC_CAM_IP_TYPE, names);
    if (match != CB_ERR)
        SetComboSel(page, IDC_CAM_IP_TYPE, match);
}

void ShowIPSettings(HWND page, int camera)
{
    ShowCameraTypes(page, camera);
    SetItemText(page, IDC_CAM_IP_ADDRESS, ReadCameraText(CameraKey::Address, camera, ""));
    const std::string access = ReadCameraText(CameraKey::Access, camera, "");
    if (access.empty())
        BuildAccessString(page);
    else
        SetItemText(page, IDC_CAM_IP_ACCESS, access);
    SetItemText(page, IDC_CAM_IP_USER, ReadCameraText(CameraKey::Username, camera, ""));
    SetItemText(page, IDC_CAM_IP_PASSWORD, ReadCameraText(CameraKey::Password, camera, ""));
    EnableIPFields(page);
}

bool SaveCameraPage(HWND page, int camera);

// Opening a page stores what its Part stores at once (a Halden camera's IP flag, the remote
// viewer's on/off mirror when it was never filled), and reports it like any other write.
void OnInitCameraPage(HWND page, int camera)
{
    const ReadSession session; // what the page shows, and every camera its rate depends on
    BeginWrites();
    SetWindowLongPtrA(page, DWLP_USER,
                      ReadInt(SystemIni(), kSecOrvaVideo, "Pace Motion Detect", 1) != 0 ? kPaceMotion : 0);
    const int version = QUELT_MajorVersion();
    LimitCameraEdits(page);

    SetItemCheck(page, IDC_CAM_ENABLED, CameraOn(camera));
    ShowCameraType(page, camera);
    SetItemInt(page, IDC_CAM_PORT,
               ReadCameraInt(CameraKey::Port, camera, DefaultPort(camera - 1)));
    FillCamerasEnabledOnce();
    ShowCameraName(page, camera);
    ShowMotionAndRate(page, camera, version);
    ShowIllumination(page, camera);
    if (version >= kIPVersion)
        ShowIPSettings(page, camera);
    CommitWrites();
    ReportFailedWrite(page);
    Rehearse(page, [&](HWND) { return SaveCameraPage(page, camera); });
    SetFlag(page, kLoaded | kRateFresh);
}

// ---- Commands -------------------------------------------------------------------------------

void OnMotionClicked(HWND page, int camera)
{
    if (IsItemChecked(page, IDC_CAM_MOTION)) {
        if (!HasFlag(page, kPaceMotion))
            EnableItem(page, IDC_CAM_RATE_LIST, false);
        EnableItem(page, IDC_CAM_MOTION_PERCENT, true);
    } else {
        if (QUELT_MajorVersion() >= kRateVersion)
            EnableItem(page, IDC_CAM_RATE_LIST, true);
        EnableItem(page, IDC_CAM_MOTION_PERCENT, false);
    }
    RefreshRateDisplay(page, camera, EffectiveRateIndex(page));
}

// Returns whether the notice is one the page reacts to; the sheet is then told of a change.
bool OnCameraCommand(HWND page, int camera, int id, int code)
{
    switch (id) {
    case IDC_CAM_MOTION:
        OnMotionClicked(page, camera);
        return true;
    case IDC_CAM_RATE_LIST:
    case IDC_CAM_ENABLED:
        RefreshRateDisplay(page, camera, EffectiveRateIndex(page));
        return true;
    case IDC_CAM_ILLUM_MONITOR:
        EnableItem(page, IDC_CAM_ILLUM_LEVEL, IsItemChecked(page, IDC_CAM_ILLUM_MONITOR));
        return true;
    case IDC_CAM_ANALOG:
    case IDC_CAM_IP:
        EnableIPFields(page);
        return true;
    // A new address or another type rebuilds the access string; focus passing through them does
    // not, so a custom string the technician did not touch is kept.
    case IDC_CAM_IP_TYPE:
    case IDC_CAM_IP_ADDRESS:
        if (code != (id == IDC_CAM_IP_TYPE ? CBN_SELCHANGE : EN_CHANGE))
            return false;
        BuildAccessString(page);
        return true;
    case IDC_CAM_NAME:
    case IDC_CAM_PORT:
    case IDC_CAM_ILLUM_LEVEL:
    case IDC_CAM_MOTION_PERCENT:
    case IDC_CAM_ILLUM_CAL:
    case IDC_CAM_IP_USER:
    case IDC_CAM_IP_ACCESS:
    case IDC_CAM_IP_PASSWORD:
        return true;
    default:
        return false;
    }
}

// ---- Apply ----------------------------------------------------------------------------------

// A value outside what the recorder accepts refuses the apply, which then stores nothing.
bool SaveRangedValue(HWND page, int camera, const RangedValue& value)
{
    const int number = GetItemInt(page, value.editId);
    if (!Check(page, Accepts(value.rule, number), value.refusal, camera))
        return false;
    WriteCameraInt(value.key, camera, number);
    return true;
}

// Written for analog cameras too, with the texts of the disabled controls: the recorder keeps
// them for when the camera is switched to IP.
void SaveIPSettings(HWND page, int camera)
{
    if (GetComboSel(page, IDC_CAM_IP_TYPE) != CB_ERR)
        WriteCameraText(CameraKey::Type, camera, GetComboSelText(page, IDC_CAM_IP_TYPE));
    WriteCameraText(CameraKey::Address, camera, GetItemText(page, IDC_CAM_IP_ADDRESS, kAddressMax));
    WriteCameraText(CameraKey::Access, camera, GetItemText(page, IDC_CAM_IP_ACCESS, kTextMax));
    WriteCameraText(CameraKey::Username, camera, GetItemText(page, IDC_CAM_IP_USER, kTextMax));
    // The recorder reads the camera's password in the clear.
    WriteCameraText(CameraKey::Password, camera, GetItemText(page, IDC_CAM_IP_PASSWORD, kTextMax));
}

bool SaveCameraPage(HWND page, int camera)
{
    const int version = QUELT_MajorVersion();
    const bool on = IsItemChecked(page, IDC_CAM_ENABLED);
    const bool ip = version >= kIPVersion && IsItemChecked(page, IDC_CAM_IP);
    for (const CameraValue& v : OnOffValues(camera, on, ip, GetItemInt(page, IDC_CAM_PORT)))
        WriteString(v.file.c_str(), v.section.c_str(), v.key.c_str(), v.value);
    WriteCameraYesNo(CameraKey::IP, camera, ip);
    WriteCameraText(CameraKey::Name, camera, GetItemText(page, IDC_CAM_NAME, kTextMax));

    // The list's own selection: pacing decides the real rate when the recorder runs. A stored rate
    // the list cannot show leaves it without a selection, and then the key is kept as stored.
    if (const int rate = GetComboSel(page, IDC_CAM_RATE_LIST); rate != CB_ERR)
        WriteCameraInt(CameraKey::CaptureRate, camera, rate);
    WriteCameraFlag(CameraKey::MotionDetection, camera, IsItemChecked(page, IDC_CAM_MOTION));
    if (!SaveRangedValue(page, camera, kMotionAmount))
        return false;
    WriteCameraFlag(CameraKey::IlluminationDetection, camera, IsItemChecked(page, IDC_CAM_ILLUM_MONITOR));
    WriteCameraFlag(CameraKey::IlluminationCal, camera, IsItemChecked(page, IDC_CAM_ILLUM_CAL));
    if (!SaveRangedValue(page, camera, kIlluminationAlarm))
        return false;
    if (version >= kIPVersion)
        SaveIPSettings(page, camera);
    SetLastViewCamera();
    return true;
}

void OnCameraNotify(HWND page, int camera, const NMHDR& header)
{
    switch (header.code) {
    case PSN_SETACTIVE:
        // An Apply may have changed the other cameras, and with them this one's share of its card.
        if (HasFlag(page, kRateFresh)) {
            ClearFlag(page, kRateFresh);
        } else {
            const ReadSession session;
            RefreshRateDisplay(page, camera, GetComboSel(page, IDC_CAM_RATE_LIST));
        }
        break;
    case PSN_APPLY:
        ApplyPage(page, [&] { return SaveCameraPage(page, camera); });
        break;
    default:
        break;
    }
}

} // namespace

void EnableIPFields(HWND hDlg)
{
    const bool ip = IsItemChecked(hDlg, IDC_CAM_IP);
    EnableItem(hDlg, IDC_CAM_PORT, !ip);
    for (const int id : {IDC_CAM_IP_TYPE, IDC_CAM_IP_USER, IDC_CAM_IP_PASSWORD, IDC_CAM_IP_ADDRESS, IDC_CAM_IP_ACCESS})
        EnableItem(hDlg, id, ip);
}

void BuildAccessString(HWND hDlg)
{
    // Up to 7 + 29 + 1 + 79 characters, more than the edit takes from the user: held whole here.
    std::string access;
    const std::string address = GetItemText(hDlg, IDC_CAM_IP_ADDRESS, kAddressMax);
    if (!address.empty()) {
        std::string path;
        bool complete = true;
        if (GetComboSel(hDlg, IDC_CAM_IP_TYPE) != CB_ERR) {
            path = ReadIPCamera(GetComboSelText(hDlg, IDC_CAM_IP_TYPE) + " URL", "");
            complete = !path.empty();
        }
        if (complete)
            access = "http://" + address + "/" + path;
    }
    SetItemText(hDlg, IDC_CAM_IP_ACCESS, access);
}

void FillCamerasEnabledOnce()
{
    const std::string siteDef = CameraKeyFile(CameraKey::Enabled);
    const char* section = SpellingOf(CameraKey::Enabled).section;
    if (ReadInt(siteDef.c_str(), section, kMirrorFilledKey, 0) != 0)
        return;
    for (int camera = 1; camera <= kMirroredCameras; ++camera)
        WriteCameraText(CameraKey::Enabled, camera, CameraOn(camera) ? "ON" : "OFF");
    WriteInt(siteDef.c_str(), section, kMirrorFilledKey, 1);
}

INT_PTR CameraPropProc_IP(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int camera) noexcept
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInitCameraPage(page, camera);
        return TRUE;
    case WM_COMMAND:
        // Filling the controls makes them report changes: those are not the user's.
        if (!HasFlag(page, kLoaded) || !OnCameraCommand(page, camera, LOWORD(wParam), HIWORD(wParam)))
            return FALSE;
        NotifyChanged(page);
        return TRUE;
    case WM_NOTIFY:
        // Leaving the page is always allowed; apply gives its result (the sheet stays open when a
        // value could not be stored).
        if (!lParam)
            return FALSE;
        OnCameraNotify(page, camera, *reinterpret_cast<const NMHDR*>(lParam));
        return reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY);
    case WM_DESTROY:
        ForgetRehearsalOf(page);
        return FALSE;
    default:
        return FALSE;
    }
}

namespace {

CameraSummary Summary(int camera, const CaptureCards* cards)
{
    const int version = QUELT_MajorVersion();
    CameraSummary summary;
    summary.number = camera;
    summary.name = ShownCameraName(camera, kTextMax);
    summary.on = CameraOn(camera);
    summary.ip = IsHaldenUnit() || ReadCameraYes(CameraKey::IP, camera);
    summary.port = ReadCameraInt(CameraKey::Port, camera, DefaultPort(camera - 1));
    if (version >= kIPVersion)
        summary.address = ReadCameraText(CameraKey::Address, camera, "");
    summary.rateIndex = ShownRateIndex(camera, version);
    if (summary.on)
        summary.rate = cards ? ComputeFPS(camera, summary.rateIndex, *cards) : ComputeFPS(camera, summary.rateIndex);
    summary.motion = ReadCameraInt(CameraKey::MotionDetection, camera, kMotionDefault) != 0;
    summary.motionAmount = ReadCameraInt(CameraKey::MotionAmount, camera, kMotionAmountDefault);
    summary.illumination = ReadCameraInt(CameraKey::IlluminationDetection, camera, 0) != 0;
    summary.illuminationCal = ReadCameraInt(CameraKey::IlluminationCal, camera, 0) != 0;
    summary.illuminationAlarm = ReadCameraInt(CameraKey::IlluminationAlarm, camera, 0);
    return summary;
}

} // namespace

CameraSummary ReadCameraSummary(int camera)
{
    const ReadSession session;
    return Summary(camera, nullptr);
}

std::vector<CameraSummary> ReadCameraSummaries(int count)
{
    const ReadSession session;
    const CaptureCards cards = ReadCaptureCards();
    std::vector<CameraSummary> summaries;
    for (int camera = 1; camera <= count; ++camera)
        summaries.push_back(Summary(camera, &cards));
    return summaries;
}

std::vector<CameraValue> SwitchedCameraValues(const CameraSummary& camera, bool on)
{
    // The page stores an IP camera as such only from version 12 on; before, it is analog.
    return OnOffValues(camera.number, on, QUELT_MajorVersion() >= kIPVersion && camera.ip, camera.port);
}
