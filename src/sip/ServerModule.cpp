#include "sip/ServerModule.h"

namespace
{

LONG g_cObjects = 0;
LONG g_cLocks = 0;

// Set up before any client can call in (static initialisation of the module)
// and deleted after the last one has gone.
class CModuleCriticalSection
{
public:
    CModuleCriticalSection() { InitializeCriticalSection(&m_cs); }
    ~CModuleCriticalSection() { DeleteCriticalSection(&m_cs); }
    CRITICAL_SECTION m_cs;
};

CModuleCriticalSection g_moduleCs;

} // namespace

void ModuleObjectCreated()
{
    InterlockedIncrement(&g_cObjects);
}

void ModuleObjectDestroyed()
{
    InterlockedDecrement(&g_cObjects);
}

void ModuleLockServer()
{
    InterlockedIncrement(&g_cLocks);
}

void ModuleUnlockServer()
{
    InterlockedDecrement(&g_cLocks);
}

LONG ModuleObjectCount()
{
    return InterlockedCompareExchange(&g_cObjects, 0, 0);
}

LONG ModuleLockCount()
{
    return InterlockedCompareExchange(&g_cLocks, 0, 0);
}

CModuleLock::CModuleLock()
{
    EnterCriticalSection(&g_moduleCs.m_cs);
}

CModuleLock::~CModuleLock()
{
    LeaveCriticalSection(&g_moduleCs.m_cs);
}
