#!/usr/bin/env python3
"""The download holds what a user needs and nothing else: quelvan.exe, one
self-contained file that imports only system DLLs and stays within 256 KB,
and a read-me that Notepad on a Japanese system shows right (code page 932,
CRLF), Japanese first, then English, for this version.

    contents.py ZIP VERSION OBJDUMP
"""
import subprocess
import sys
import tempfile
import zipfile

SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "gdi32.dll", "imm32.dll", "kernel32.dll", "msvcrt.dll", "ole32.dll",
               "oleaut32.dll", "shell32.dll", "user32.dll", "usp10.dll"}
MAX_EXE_BYTES = 256 * 1024


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def main(zip_path, version, objdump):
    with zipfile.ZipFile(zip_path) as z:
        names = sorted(z.namelist())
        if names != ["quelvan.exe", "readme.txt"]:
            fail("the zip holds %s" % names)
        exe = z.read("quelvan.exe")
        readme = z.read("readme.txt")

    if len(exe) > MAX_EXE_BYTES:
        fail("quelvan.exe is %d bytes, over %d" % (len(exe), MAX_EXE_BYTES))
    with tempfile.NamedTemporaryFile(suffix=".exe") as f:
        f.write(exe)
        f.flush()
        dump = subprocess.run([objdump, "-p", f.name], capture_output=True, text=True, check=True).stdout
    dlls = {line.split()[-1].lower() for line in dump.splitlines() if "DLL Name:" in line}
    if not dlls or not dlls <= SYSTEM_DLLS:
        fail("quelvan.exe imports %s" % sorted(dlls - SYSTEM_DLLS or dlls))
    # Uniscribe's calls from usp10.dll: gdi32.dll has them only from Windows 10 on.
    dll = None
    for line in dump.splitlines():
        words = line.split()
        if "DLL Name:" in line:
            dll = words[-1].lower()
        elif len(words) == 3 and words[2].startswith("Script") and dll != "usp10.dll":
            fail("quelvan.exe imports %s from %s" % (words[2], dll))

    try:
        text = readme.decode("cp932")
    except UnicodeDecodeError as e:
        fail("readme.txt is not code page 932: %s" % e)
    if readme.count(b"\n") != readme.count(b"\r\n") or b"\r\n" not in readme:
        fail("readme.txt has line ends other than CRLF")
    if text.count("quelvan " + version) != 2 or "@VERSION@" in text:
        fail("readme.txt does not name version %s in both languages" % version)
    japanese, english = text.find("■ キー"), text.find("Keys")
    if not 0 <= japanese < english:
        fail("readme.txt is not Japanese first, then English")
    print("ok: quelvan.exe %d bytes, imports %s; readme.txt %d bytes" % (len(exe), ", ".join(sorted(dlls)),
                                                                          len(readme)))


if __name__ == "__main__":
    main(*sys.argv[1:4])
