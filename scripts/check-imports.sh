#!/bin/sh
# Fails when a program imports a DLL that does not come with Windows itself.
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
bad=$("$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' |
      grep -vxE 'kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|comdlg32.dll|msvcrt.dll|ole32.dll|oleaut32.dll|advapi32.dll|shell32.dll|windowscodecs.dll')
if [ -n "$bad" ]; then
    echo "$1 imports DLLs that Windows does not provide: $bad"
    exit 1
fi
echo "$1 imports only Windows DLLs"
