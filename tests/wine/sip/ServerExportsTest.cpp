#include "Corvell.h"
#include "platform/SipInterfaces.h"
#include "sip/DialogWatcher.h"
#include "sip/ServerTestSupport.h"
#include "support/ComPointer.h"

#include <gtest/gtest.h>

namespace
{

using PfnDllGetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using PfnDllCanUnloadNow = HRESULT(STDAPICALLTYPE*)();

// An aggregating object: counts its references and the queries the inner
// object passes on to it. Anything but IUnknown and IInputMethod fails.
class COuterObject : public IUnknown
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        ++m_nQueries;
        *ppv = nullptr;
        if (IsEqualIID(riid, IID_IInputMethod) && m_pInner != nullptr)
            return m_pInner->QueryInterface(riid, ppv);
        if (!IsEqualIID(riid, IID_IUnknown))
        {
            ADD_FAILURE() << "unexpected interface asked of the outer object";
            return E_NOINTERFACE;
        }
        *ppv = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++m_cRef); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        EXPECT_GT(m_cRef, 1) << "the outer object was released below its own reference";
        return static_cast<ULONG>(--m_cRef);
    }

    LONG m_cRef = 1;
    int m_nQueries = 0;
    IUnknown* m_pInner = nullptr;
};

class ServerExports : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hModule = LoadLibraryW(KeyboardDllPath().c_str());
        ASSERT_NE(nullptr, m_hModule);
        m_pfnGetClassObject = reinterpret_cast<PfnDllGetClassObject>(Export("DllGetClassObject"));
        m_pfnCanUnloadNow = reinterpret_cast<PfnDllCanUnloadNow>(Export("DllCanUnloadNow"));
        ASSERT_TRUE(m_pfnGetClassObject && m_pfnCanUnloadNow);
    }
    void TearDown() override
    {
        if (m_hModule != nullptr)
            FreeLibrary(m_hModule);
    }

    void* Export(const char* pszName) { return reinterpret_cast<void*>(GetProcAddress(m_hModule, pszName)); }

    CComPointer<IClassFactory> Factory()
    {
        CComPointer<IClassFactory> pFactory;
        EXPECT_EQ(S_OK, m_pfnGetClassObject(CLSID_Zarn, IID_IClassFactory, pFactory.PutVoid()));
        return pFactory;
    }

    HMODULE m_hModule = nullptr;
    PfnDllGetClassObject m_pfnGetClassObject = nullptr;
    PfnDllCanUnloadNow m_pfnCanUnloadNow = nullptr;
    CDialogWatcher m_watcher{[](const SeenDialog& dialog) { DismissMessageBox(dialog); }};
};

TEST_F(ServerExports, GetClassObjectAnswers)
{
    struct Case { const char* pszWhat; const CLSID* pClsid; const IID* pIid; bool bOut; HRESULT hr; };
    const Case aCases[] = {
        {"the factory's IUnknown", &CLSID_Zarn, &IID_IUnknown, true, S_OK},
        {"an interface the factory lacks", &CLSID_Zarn, &IID_IInputMethod, true, E_NOINTERFACE},
        {"a foreign class", &IID_IInputMethod, &IID_IClassFactory, true, static_cast<HRESULT>(0x80040111)},
        {"no out pointer", &CLSID_Zarn, &IID_IClassFactory, false, E_POINTER},
    };
    for (const Case& c : aCases)
    {
        SCOPED_TRACE(c.pszWhat);
        void* pv = reinterpret_cast<void*>(0x1);
        const HRESULT hr = m_pfnGetClassObject(*c.pClsid, *c.pIid, c.bOut ? &pv : nullptr);
        EXPECT_EQ(c.hr, hr);
        if (c.bOut && SUCCEEDED(hr))
        {
            ASSERT_NE(nullptr, pv);
            static_cast<IUnknown*>(pv)->Release();
        }
        else if (c.bOut)
        {
            EXPECT_EQ(nullptr, pv);
        }
    }
    EXPECT_EQ(S_OK, m_pfnCanUnloadNow());
}

// One factory; the module stays while a factory, an object or a lock is held,
// and an object whose first query failed is not left behind.
TEST_F(ServerExports, CanUnloadOnlyWhenNothingIsHeld)
{
    CComPointer<IClassFactory> pFactory = Factory();
    ASSERT_TRUE(pFactory);
    EXPECT_EQ(S_FALSE, m_pfnCanUnloadNow()) << "factory held";
    EXPECT_EQ(pFactory.Get(), Factory().Get()) << "the same factory every time";

    CComPointer<IClassFactory> pWrong;
    EXPECT_EQ(E_NOINTERFACE, pFactory->CreateInstance(nullptr, IID_IClassFactory, pWrong.PutVoid()));
    EXPECT_EQ(nullptr, pWrong.Get());
    CComPointer<IInputMethod> pInputMethod;
    ASSERT_EQ(S_OK, pFactory->CreateInstance(nullptr, IID_IInputMethod, pInputMethod.PutVoid()));
    ASSERT_EQ(S_OK, pFactory->LockServer(TRUE));
    pFactory.Reset();
    EXPECT_EQ(S_FALSE, m_pfnCanUnloadNow()) << "object alive and server locked";
    pInputMethod.Reset();
    EXPECT_EQ(S_FALSE, m_pfnCanUnloadNow()) << "server locked";

    pFactory = Factory();
    ASSERT_EQ(S_OK, pFactory->LockServer(FALSE));
    pFactory.Reset();
    EXPECT_EQ(S_OK, m_pfnCanUnloadNow()) << "nothing held, the object of the failed query gone too";
}

TEST_F(ServerExports, ZarnCanBeAggregated)
{
    CComPointer<IClassFactory> pFactory = Factory();
    ASSERT_TRUE(pFactory);
    COuterObject outer;

    // An aggregating client must ask for the inner IUnknown.
    CComPointer<IInputMethod> pRefused;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, pFactory->CreateInstance(&outer, IID_IInputMethod, pRefused.PutVoid()));
    EXPECT_EQ(1, outer.m_cRef);

    IUnknown* pInner = nullptr;
    ASSERT_EQ(S_OK, pFactory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&pInner)));
    ASSERT_NE(nullptr, pInner);
    EXPECT_EQ(1, outer.m_cRef) << "creating the inner object takes no reference on the outer";
    outer.m_pInner = pInner;

    // Interfaces of the inner object count their references on the outer one.
    IInputMethod* pInputMethod = nullptr;
    ASSERT_EQ(S_OK, pInner->QueryInterface(IID_IInputMethod, reinterpret_cast<void**>(&pInputMethod)));
    EXPECT_EQ(2, outer.m_cRef);
    pInputMethod->AddRef();
    EXPECT_EQ(3, outer.m_cRef);
    pInputMethod->Release();
    EXPECT_EQ(2, outer.m_cRef);

    // And their QueryInterface goes to the outer object.
    const int nQueries = outer.m_nQueries;
    IUnknown* pIdentity = nullptr;
    ASSERT_EQ(S_OK, pInputMethod->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pIdentity)));
    EXPECT_EQ(static_cast<IUnknown*>(&outer), pIdentity);
    EXPECT_EQ(nQueries + 1, outer.m_nQueries);
    pIdentity->Release();
    pInputMethod->Release();
    EXPECT_EQ(1, outer.m_cRef);

    pFactory.Reset();
    EXPECT_EQ(S_FALSE, m_pfnCanUnloadNow()) << "the inner object is alive";
    EXPECT_EQ(0u, pInner->Release());
    EXPECT_EQ(S_OK, m_pfnCanUnloadNow());
}

} // namespace
