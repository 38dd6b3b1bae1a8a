#pragma once
#include <windows.h>

// What decides whether the module may be unloaded: live Zarn objects and
// server locks (IClassFactory::LockServer). Changed with interlocked operations.
void ModuleObjectCreated();
void ModuleObjectDestroyed();
void ModuleLockServer();
void ModuleUnlockServer();
LONG ModuleObjectCount();
LONG ModuleLockCount();

// The module's own lock: taken while the class factory is created.
class CModuleLock
{
public:
    CModuleLock();
    ~CModuleLock();
    CModuleLock(const CModuleLock&) = delete;
    CModuleLock& operator=(const CModuleLock&) = delete;
};
