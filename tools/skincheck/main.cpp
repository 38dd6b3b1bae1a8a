// skincheck: checks skins for skin authors. Runs the keyboard's own readers and loader on
// each skin for every supported screen size and both hands, and says in plain words, with
// file and entry, what would go wrong on a device.
//
//   skincheck [--dpi N] [--here] [--no-warnings] [--render FOLDER] [NAME.xml ...]
//
// The skins are the index files in the "skins" folder next to this program, as they sit
// next to Keyboard.dll on a device; with no names, every installed skin is checked.
// Exit code: 0 no errors, 1 errors found, 2 bad command line.
#include "IndexAudit.h"
#include "device/harness/TextUtf.h"
#include "LayoutAudit.h"
#include "LoadRuns.h"
#include "ScreenRuns.h"
#include "SkinReading.h"

#include "settings/ModulePath.h"
#include "support/RecordList.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinPaths.h"

#include <filesystem>
#include <cstdio>
#include <cwchar>
#include <map>
#include <memory>

namespace {

struct Options
{
    int nDpi = 0;
    bool bHere = false;
    bool bWarnings = true;
    std::vector<std::wstring> skins;
    bool bChild = false;
    std::wstring childReport;
    std::wstring renderFolder;
};

// One skin as read from its files, with what the checks found.
struct CheckedSkin
{
    std::wstring indexFile;
    std::wstring folder;                             // MODULE_DIR\skins\NAME
    IndexModel index;
    std::vector<int> chosen;                         // per screen: index into index.entries, -1 none
    std::map<std::wstring, LayoutModel> layouts;     // by layout file name
    BitmapTable bitmaps;
    CFindings findings;
};

void Print(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void PrintUsage()
{
    Print("usage: skincheck [--dpi N] [--here] [--no-warnings] [--render FOLDER] [NAME.xml ...]\n"
          "  Checks the skins in the \"skins\" folder next to this program (all of them when no name is given)\n"
          "  on every supported screen size and for both hands.\n"
          "  --dpi N        judge key sizes at N DPI instead of 96 (QVGA) and 192 (VGA)\n"
          "  --here         run the loader on the current screen only\n"
          "  --no-warnings  print errors only\n"
          "  --render DIR   also draw every view, plain and with shift and caps lock latched, on every\n"
          "                 screen size and for each hand, as the keyboard shows them, into PNG files\n"
          "Exit code: 0 no errors, 1 errors found, 2 bad command line.\n");
}

bool ParseOptions(int argc, wchar_t** argv, Options& options)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::wstring arg = argv[i];
        if (arg == L"--dpi" && i + 1 < argc)
        {
            options.nDpi = _wtoi(argv[++i]);
            if (options.nDpi <= 0)
                return false;
        }
        else if (arg == L"--here")
            options.bHere = true;
        else if (arg == L"--no-warnings")
            options.bWarnings = false;
        else if (arg == L"--render" && i + 1 < argc)
        {
            WCHAR szFull[MAX_PATH];
            const DWORD n = GetFullPathNameW(argv[++i], MAX_PATH, szFull, nullptr);
            if (n == 0 || n >= MAX_PATH)
                return false;
            options.renderFolder = szFull;
        }
        else if (arg == L"--child" && i + 1 < argc)
        {
            options.bChild = true;
            options.childReport = argv[++i];
        }
        else if (!arg.empty() && arg[0] == L'-')
            return false;
        else
            options.skins.push_back(arg);
    }
    return true;
}

std::vector<std::wstring> InstalledSkins()
{
    CRecordList list;
    EnumerateSkins(&list, GetModuleHandleW(nullptr));
    std::vector<std::wstring> skins;
    for (int i = 0; i < list.Count(); ++i)
    {
        SkinListEntry entry{};
        if (list.Get(i, &entry, sizeof entry))
            skins.push_back(entry.szFileName);
    }
    return skins;
}

void ReadSkin(LPCWSTR pszSkinsFolder, CheckedSkin& skin, const std::vector<CheckedScreen>& screens)
{
    skin.index = ReadIndexModel(pszSkinsFolder, skin.indexFile.c_str());
    skin.chosen = AuditIndex(skin.index, screens, skin.findings);

    WCHAR szName[MAX_PATH];
    WCHAR szFolder[MAX_PATH];
    if (!CopySkinName(szName, MAX_PATH, skin.indexFile.c_str()) ||
        !JoinSkinPath(szFolder, MAX_PATH, pszSkinsFolder, szName))
    {
        skin.findings.Error(skin.index.file, "", "its name is too long for a skin folder path");
        return;
    }
    skin.folder = szFolder;

    // Each layout file once, checked for the screens that use it.
    std::map<std::wstring, std::vector<CheckedScreen>> users;
    for (std::size_t s = 0; s < screens.size(); ++s)
    {
        if (skin.chosen[s] >= 0)
            users[skin.index.entries[static_cast<std::size_t>(skin.chosen[s])].entry.LayoutFileName].push_back(
                screens[s]);
    }
    for (const auto& user : users)
    {
        const std::string label = Narrow(std::wstring(szName) + L"\\" + user.first);
        LayoutModel& layout = skin.layouts[user.first] = ReadLayoutModel(szFolder, user.first.c_str(), label);
        ReadBitmapFacts(szFolder, layout, skin.bitmaps);
        ReadGlyphFacts(layout);
        AuditLayout(layout, skin.bitmaps, user.second, skin.findings);
    }
}

void AuditRuns(const std::vector<ScreenRun>& runs, const std::vector<CheckedScreen>& screens,
               std::vector<std::unique_ptr<CheckedSkin>>& skins)
{
    for (const ScreenRun& screenRun : runs)
    {
        std::size_t nScreen = 0;
        while (nScreen < screens.size() && (screens[nScreen].size.nWidth != screenRun.screen.size.nWidth ||
                                            screens[nScreen].size.nHeight != screenRun.screen.size.nHeight))
            ++nScreen;
        if (!screenRun.bRan)
        {
            for (auto& skin : skins)
                skin->findings.Warning(skin->index.file, "",
                                       Printf("the loader could not be run on a %dx%d screen, so it was not checked "
                                              "there",
                                              screenRun.screen.size.nWidth, screenRun.screen.size.nHeight));
            continue;
        }
        for (const LoadRun& run : screenRun.runs)
        {
            if (run.nSkin < 0 || static_cast<std::size_t>(run.nSkin) >= skins.size() || nScreen >= screens.size())
                continue;
            CheckedSkin& skin = *skins[static_cast<std::size_t>(run.nSkin)];
            ExpectedLoad expected;
            expected.pIndexFile = &skin.index.file;
            expected.pBitmaps = &skin.bitmaps;
            const int nChosen = skin.chosen.empty() ? -1 : skin.chosen[nScreen];
            if (nChosen >= 0)
            {
                const auto found =
                    skin.layouts.find(skin.index.entries[static_cast<std::size_t>(nChosen)].entry.LayoutFileName);
                if (found != skin.layouts.end())
                    expected.pLayout = &found->second;
            }
            AuditLoadRun(screenRun, run, expected, skin.findings);
        }
    }
}

LPCWSTR RenderFolder(const Options& options)
{
    return options.renderFolder.empty() ? nullptr : options.renderFolder.c_str();
}

std::vector<ScreenRun> RunHereOnly(const std::vector<CheckedScreen>& screens, const std::vector<std::wstring>& names,
                                   LPCWSTR pszRenderFolder)
{
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    for (const CheckedScreen& screen : screens)
    {
        if (screen.size.nWidth != w || screen.size.nHeight != h)
            continue;
        WCHAR szTemp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, szTemp);
        const std::wstring report = std::wstring(szTemp) + L"skincheck_here.txt";
        RunLoaderHere(report.c_str(), names, pszRenderFolder);
        std::string bytes;
        if (FILE* pFile = _wfopen(report.c_str(), L"rb"))
        {
            char buffer[4096];
            std::size_t n = 0;
            while ((n = std::fread(buffer, 1, sizeof buffer, pFile)) != 0)
                bytes.append(buffer, n);
            std::fclose(pFile);
        }
        DeleteFileW(report.c_str());
        return {ParseScreenReport(screen, bytes)};
    }
    Print(Printf("note: this %dx%d screen is not a supported size; the loader was not run\n", w, h));
    return {};
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
    {
        PrintUsage();
        return 2;
    }
    if (options.bChild)
        return RunLoaderHere(options.childReport.c_str(), options.skins, RenderFolder(options));

    WCHAR szSkinsFolder[MAX_PATH];
    if (!BuildModulePath(GetModuleHandleW(nullptr), L"\\skins", szSkinsFolder))
    {
        Print("error: the program's folder path is too long\n");
        return 1;
    }
    std::vector<std::wstring> names = options.skins.empty() ? InstalledSkins() : options.skins;
    if (names.empty())
    {
        Print("error: no skins to check: the skins folder next to this program holds no NAME.xml\n");
        return 1;
    }

    const std::vector<CheckedScreen> screens = SupportedScreens(options.nDpi);
    std::vector<std::unique_ptr<CheckedSkin>> skins;
    for (const std::wstring& name : names)
    {
        skins.push_back(std::make_unique<CheckedSkin>());
        skins.back()->indexFile = name;
        ReadSkin(szSkinsFolder, *skins.back(), screens);
    }

    const bool bOtherScreens = !options.bHere && CanRunOnOtherScreens();
    if (!options.renderFolder.empty())
    {
        std::error_code error;
        std::filesystem::create_directories(options.renderFolder, error);
    }
    AuditRuns(bOtherScreens ? RunLoaderOnScreens(screens, names, RenderFolder(options))
                            : RunHereOnly(screens, names, RenderFolder(options)),
              screens, skins);

    int nErrors = 0;
    for (const auto& skin : skins)
    {
        CFindings shown;
        for (const Finding& finding : skin->findings.All())
        {
            if (options.bWarnings || finding.severity == Severity::Error)
                shown.Add(finding);
        }
        Print(shown.Format());
        Print(Printf("%s: %d error(s), %d warning(s)\n", skin->index.file.c_str(), skin->findings.ErrorCount(),
                     skin->findings.WarningCount()));
        nErrors += skin->findings.ErrorCount();
    }
    std::fflush(stdout);
    return nErrors == 0 ? 0 : 1;
}
