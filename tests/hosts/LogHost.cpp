// Traces a few lines and exits, leaving LogHost_log.txt beside itself.
//   LogHost.exe <word>     logs "first line <word>" and "second line 100% done %s %n"
//   LogHost.exe counters   also registers two timing counters
//   LogHost.exe race       first, eight threads make their first trace call at once
#include "support/LogFile.h"

#include <string>
#include <thread>
#include <vector>

int main(int argc, char** argv)
{
    const std::string word = argc > 1 ? argv[1] : "";
    if (word == "race")
    {
        HANDLE hStart = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::vector<std::thread> threads;
        for (int i = 0; i < 8; ++i)
            threads.emplace_back([hStart] {
                WaitForSingleObject(hStart, INFINITE);
                LOG_MSG("racer");
            });
        Sleep(50);
        SetEvent(hStart);
        for (std::thread& thread : threads)
            thread.join();
        CloseHandle(hStart);
    }
    LOG_MSG(("first line " + word).c_str());
    CLogCounter* pFirst = word == "counters" ? CLogFile::Instance().AddCounter(3) : nullptr;
    if (pFirst != nullptr && CLogFile::Instance().AddCounter(4) != nullptr)
    {
        for (int nMs : {10, 3, 4})
            pFirst->AddTime(nMs);
    }
    LOG_MSG("second line 100% done %s %n");
    return 0;
}
