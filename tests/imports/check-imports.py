#!/usr/bin/env python3
"""Fails when a program we ship imports a DLL that is not one of the system's known DLLs.

Windows maps a known DLL from its own section object, never from a folder, so such an
import cannot be planted beside the program or in the current folder. Any other DLL is
looked for in the program's folder first (a download folder, for an installer) and must
be loaded on demand from System32 instead.

usage: check-imports.py OBJDUMP PROGRAM.exe...
"""
import subprocess
import sys

# HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs on Windows 10 22H2 and
# Windows 11 23H2 (the same list on both), plus ntdll.dll, which every process has
# mapped before anything else and which that key leaves out. Lower case; the
# architecture-specific wow64/xtajit entries are left out, no x64 program imports them.
KNOWN_DLLS = {
    "advapi32.dll", "clbcatq.dll", "combase.dll", "comdlg32.dll", "coml2.dll",
    "difxapi.dll", "gdi32.dll", "gdiplus.dll", "imagehlp.dll", "imm32.dll",
    "kernel32.dll", "msctf.dll", "msvcrt.dll", "normaliz.dll", "nsi.dll", "ole32.dll",
    "oleaut32.dll", "psapi.dll", "rpcrt4.dll", "sechost.dll", "setupapi.dll",
    "shcore.dll", "shell32.dll", "shlwapi.dll", "user32.dll", "wldap32.dll",
    "ws2_32.dll", "ntdll.dll",
}


def imported_dlls(objdump, program):
    out = subprocess.run([objdump, "-p", program], check=True, capture_output=True,
                         text=True).stdout
    return [line.split("DLL Name:", 1)[1].strip() for line in out.splitlines()
            if "DLL Name:" in line]


def main():
    objdump, programs = sys.argv[1], sys.argv[2:]
    failed = False
    for program in programs:
        dlls = imported_dlls(objdump, program)
        if not dlls:
            print(f"{program}: no import table found")
            failed = True
        for dll in dlls:
            if dll.lower() not in KNOWN_DLLS:
                print(f"{program}: imports {dll}, which is not a known DLL")
                failed = True
        print(f"{program}: {', '.join(dlls)}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
