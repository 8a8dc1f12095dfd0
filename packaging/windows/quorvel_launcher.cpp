// SPDX-License-Identifier: MIT
// quorvel-launcher.exe: starts quorvel.exe inside the user's data folder,
// %APPDATA%\Quorvel, as the Linux launcher does in ~/.local/share/quorvel. The program
// opens "tamlo.dat" and "tamlo.pdf" by bare name in its working folder, so that folder
// must exist and hold the manual before the program starts. The Start-menu entry of
// the installer runs this; the zip's quorvel.exe runs in its own folder instead.

#include <string>
#include <windows.h>
// After windows.h, whose types they use.
#include <shlobj.h>

namespace {

std::wstring programFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring dataFolder()
{
    PWSTR roaming = nullptr;
    std::wstring folder;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming) == S_OK)
        folder = std::wstring(roaming) + L"\\Quorvel";
    CoTaskMemFree(roaming);
    return folder;
}

bool newer(const std::wstring &file, const std::wstring &than)
{
    WIN32_FILE_ATTRIBUTE_DATA a;
    WIN32_FILE_ATTRIBUTE_DATA b;
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &a))
        return false;
    if (!GetFileAttributesExW(than.c_str(), GetFileExInfoStandard, &b))
        return true;
    return CompareFileTime(&a.ftLastWriteTime, &b.ftLastWriteTime) > 0;
}

/// The command line after the launcher's own name, to hand on unchanged.
std::wstring arguments()
{
    const wchar_t *line = GetCommandLineW();
    bool quoted = false;
    for (; *line && (quoted || (*line != L' ' && *line != L'\t')); ++line)
        quoted ^= *line == L'"';
    return line;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring folder = programFolder();
    const std::wstring data = dataFolder();
    if (data.empty()
        || (!CreateDirectoryW(data.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)) {
        MessageBoxW(nullptr, L"%APPDATA%\\Quorvel", L"Quorvel", MB_ICONERROR);
        return 1;
    }
    // CopyFileW keeps the installed file's time, so that an updated manual is newer than
    // the copy. An old manual, or none, is no reason not to start the program.
    const std::wstring manual = folder + L"\\tamlo.pdf";
    const std::wstring copy = data + L"\\tamlo.pdf";
    if (newer(manual, copy))
        CopyFileW(manual.c_str(), copy.c_str(), FALSE);

    const std::wstring program = folder + L"\\quorvel.exe";
    std::wstring command = L"\"" + program + L"\"" + arguments();
    STARTUPINFOW startup {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
            data.c_str(), &startup, &process)) {
        MessageBoxW(nullptr, program.c_str(), L"Quorvel", MB_ICONERROR);
        return 1;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
