#include "sip/Zarn.h"

#include "sip/TypeLibrary.h"
#include "support/ComPointer.h"
#include "support/ModuleInstance.h"

// IZarn has no methods of its own: the type library describes it, and these
// calls answer from there.

namespace {

// The type information that names and invocations are answered from; only the
// default interface (IID_NULL) is asked about.
HRESULT DispatchTypeInfo(REFIID riid, CComPointer<ITypeInfo>& pTypeInfo)
{
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    return LoadZarnTypeInfo(g_hInstance, pTypeInfo.Put());
}

}  // namespace

HRESULT Zarn::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = 1;
    return S_OK;
}

HRESULT Zarn::GetTypeInfo(UINT iTInfo, LCID /*lcid*/, ITypeInfo** ppTInfo)
{
    if (ppTInfo == nullptr)
        return E_POINTER;
    *ppTInfo = nullptr;
    if (iTInfo != 0)
        return DISP_E_BADINDEX;
    return LoadZarnTypeInfo(g_hInstance, ppTInfo);
}

HRESULT Zarn::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID /*lcid*/,
                            DISPID* rgDispId)
{
    CComPointer<ITypeInfo> pTypeInfo;
    const HRESULT hr = DispatchTypeInfo(riid, pTypeInfo);
    if (FAILED(hr))
        return hr;
    return DispGetIDsOfNames(pTypeInfo.Get(), rgszNames, cNames, rgDispId);
}

HRESULT Zarn::Invoke(DISPID dispIdMember, REFIID riid, LCID /*lcid*/, WORD wFlags,
                     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                     UINT* puArgErr)
{
    CComPointer<ITypeInfo> pTypeInfo;
    const HRESULT hr = DispatchTypeInfo(riid, pTypeInfo);
    if (FAILED(hr))
        return hr;
    return DispInvoke(static_cast<IZarn*>(this), pTypeInfo.Get(), dispIdMember, wFlags, pDispParams,
                      pVarResult, pExcepInfo, puArgErr);
}
