#include "device/harness/ImageFile.h"

#include "support/ComApartment.h"
#include "support/ComPointer.h"
#include "support/GdiHandles.h"

#include <wincodec.h>

#include <vector>

namespace {

constexpr UINT kLargestSide = 16384;

// Rows of blue-green-red triples, each padded to four bytes: the platform's 24-bit format.
UINT Stride(UINT uWidth)
{
    return (uWidth * 3 + 3) & ~3u;
}

std::vector<BYTE> ToBgrRows(const RgbImage& image)
{
    const UINT cbStride = Stride(static_cast<UINT>(image.nWidth));
    std::vector<BYTE> rows(static_cast<size_t>(cbStride) * image.nHeight, 0);
    for (int y = 0; y < image.nHeight; ++y)
        for (int x = 0; x < image.nWidth; ++x)
        {
            const size_t from = (static_cast<size_t>(y) * image.nWidth + x) * 3;
            const size_t to = static_cast<size_t>(y) * cbStride + static_cast<size_t>(x) * 3;
            rows[to] = image.pixels[from + 2];
            rows[to + 1] = image.pixels[from + 1];
            rows[to + 2] = image.pixels[from];
        }
    return rows;
}

RgbImage FromBgrRows(const std::vector<BYTE>& rows, UINT uWidth, UINT uHeight)
{
    RgbImage image;
    image.nWidth = static_cast<int>(uWidth);
    image.nHeight = static_cast<int>(uHeight);
    image.pixels.resize(static_cast<size_t>(uWidth) * uHeight * 3);
    const UINT cbStride = Stride(uWidth);
    for (UINT y = 0; y < uHeight; ++y)
        for (UINT x = 0; x < uWidth; ++x)
        {
            const size_t from = static_cast<size_t>(y) * cbStride + static_cast<size_t>(x) * 3;
            const size_t to = (static_cast<size_t>(y) * uWidth + x) * 3;
            image.pixels[to] = rows[from + 2];
            image.pixels[to + 1] = rows[from + 1];
            image.pixels[to + 2] = rows[from];
        }
    return image;
}

bool IsBmpName(const std::wstring& sPath)
{
    return sPath.size() >= 4 && lstrcmpiW(sPath.c_str() + sPath.size() - 4, L".bmp") == 0;
}

bool CreateFactory(CComPointer<IWICImagingFactory>& factory)
{
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(factory.Put())));
}

}  // namespace

bool WriteImageFile(const RgbImage& image, const std::wstring& sPath)
{
    if (image.nWidth <= 0 || image.nHeight <= 0)
        return false;
    const CComApartment com;
    CComPointer<IWICImagingFactory> factory;
    CComPointer<IWICStream> stream;
    CComPointer<IWICBitmapEncoder> encoder;
    CComPointer<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (!com.Usable() || !CreateFactory(factory) || FAILED(factory->CreateStream(stream.Put())) ||
        FAILED(stream->InitializeFromFilename(sPath.c_str(), GENERIC_WRITE)) ||
        FAILED(factory->CreateEncoder(IsBmpName(sPath) ? GUID_ContainerFormatBmp : GUID_ContainerFormatPng, nullptr,
                                      encoder.Put())) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.Put(), nullptr)) || FAILED(frame->Initialize(nullptr)) ||
        FAILED(frame->SetSize(static_cast<UINT>(image.nWidth), static_cast<UINT>(image.nHeight))) ||
        FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
        return false;
    std::vector<BYTE> rows = ToBgrRows(image);
    return SUCCEEDED(frame->WritePixels(static_cast<UINT>(image.nHeight), Stride(static_cast<UINT>(image.nWidth)),
                                        static_cast<UINT>(rows.size()), rows.data())) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

bool ReadImageFile(const std::wstring& sPath, RgbImage& image)
{
    const CComApartment com;
    CComPointer<IWICImagingFactory> factory;
    CComPointer<IWICBitmapDecoder> decoder;
    CComPointer<IWICBitmapFrameDecode> frame;
    CComPointer<IWICFormatConverter> converter;
    UINT uWidth = 0, uHeight = 0;
    if (!com.Usable() || !CreateFactory(factory) ||
        FAILED(factory->CreateDecoderFromFilename(sPath.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.Put())) ||
        FAILED(decoder->GetFrame(0, frame.Put())) || FAILED(factory->CreateFormatConverter(converter.Put())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&uWidth, &uHeight)) || uWidth == 0 || uHeight == 0 || uWidth > kLargestSide ||
        uHeight > kLargestSide)
        return false;
    std::vector<BYTE> rows(static_cast<size_t>(Stride(uWidth)) * uHeight);
    if (FAILED(converter->CopyPixels(nullptr, Stride(uWidth), static_cast<UINT>(rows.size()), rows.data())))
        return false;
    image = FromBgrRows(rows, uWidth, uHeight);
    return true;
}
