#include "Corvell.h"
#include "sip/ServerModule.h"
#include "sip/Zarn.h"

#include <memory>
#include <new>

// The class factory of Zarn and the two exports through which COM reaches it.

namespace
{

// Created once per process on first use and kept until the module unloads;
// its reference count only tells whether a client still holds it.
class CZarnClassFactory : public IClassFactory
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory))
        {
            *ppv = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }

    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return static_cast<ULONG>(InterlockedIncrement(&m_cRef));
    }

    ULONG STDMETHODCALLTYPE Release() override
    {
        return static_cast<ULONG>(InterlockedDecrement(&m_cRef));
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        return Zarn::CreateInstance(pOuter, riid, ppv);
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) override
    {
        if (fLock)
            ModuleLockServer();
        else
            ModuleUnlockServer();
        return S_OK;
    }

    bool IsHeld() const { return InterlockedCompareExchange(const_cast<LONG*>(&m_cRef), 0, 0) != 0; }

private:
    LONG m_cRef = 0;
};

// Owned here so that unloading the module frees it (the process may load the module again).
std::unique_ptr<CZarnClassFactory> g_pClassFactory;

} // namespace

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (!IsEqualCLSID(rclsid, CLSID_Zarn))
        return CLASS_E_CLASSNOTAVAILABLE;
    {
        CModuleLock lock;
        if (g_pClassFactory == nullptr)
            g_pClassFactory.reset(new (std::nothrow) CZarnClassFactory());
    }
    if (g_pClassFactory == nullptr)
        return E_OUTOFMEMORY;
    return g_pClassFactory->QueryInterface(riid, ppv);
}

STDAPI DllCanUnloadNow()
{
    if (ModuleObjectCount() != 0 || ModuleLockCount() != 0)
        return S_FALSE;
    if (g_pClassFactory != nullptr && g_pClassFactory->IsHeld())
        return S_FALSE;
    return S_OK;
}
