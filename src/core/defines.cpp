#include "defines.h"

HINSTANCE hInst = nullptr;
HWND hWndMain = nullptr;
HWND hStatusWnd = nullptr;
int iDlgResult = 0;

const char lpszAppName[] = "ORVA_Configuration";
const char lpszTitle[] = "ORVA Configurator Application";

std::string IniFile;
std::string cFileDir;
std::string WinSysDir;
