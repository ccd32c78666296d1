#include "Png.h"

#include "../framework/ComPtr.h"

#include <wincodec.h>

namespace picture {

namespace {

// Defined here: what an import library provides differs between toolchains.
constexpr CLSID kClsidWicImagingFactory = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr IID kIidWicImagingFactory = {0xec5ec8a9, 0xc395, 0x4314, {0x9c, 0x77, 0x54, 0xd7, 0xa9, 0x35, 0xff, 0x70}};
constexpr GUID kContainerFormatPng = {0x1b7cfaf4, 0x713f, 0x473c, {0xbb, 0xcd, 0x61, 0x37, 0x42, 0x5f, 0xae, 0xaf}};
constexpr GUID kPixelFormat24bppBgr = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0c}};

// Everything the stream holds.
bool ReadStream(IStream* stream, std::string& out)
{
    STATSTG stat{};
    HGLOBAL hBlock = nullptr;
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)) || FAILED(::GetHGlobalFromStream(stream, &hBlock)))
        return false;
    const void* p = ::GlobalLock(hBlock);
    if (!p)
        return false;
    out.assign(static_cast<const char*>(p), static_cast<size_t>(stat.cbSize.QuadPart));
    ::GlobalUnlock(hBlock);
    return true;
}

} // namespace

bool EncodePng(const unsigned char* bits, int width, int height, int stride, std::string& png)
{
    CComPtr<IWICImagingFactory> factory;
    CComPtr<IStream> stream;
    CComPtr<IWICBitmapEncoder> encoder;
    CComPtr<IWICBitmapFrameEncode> frame;
    CComPtr<IPropertyBag2> options;
    WICPixelFormatGUID format = kPixelFormat24bppBgr;
    if (FAILED(::CoCreateInstance(kClsidWicImagingFactory, nullptr, CLSCTX_INPROC_SERVER, kIidWicImagingFactory,
                                  factory.ReceiveVoid())) ||
        FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Receive())) ||
        FAILED(factory->CreateEncoder(kContainerFormatPng, nullptr, encoder.Receive())) ||
        FAILED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.Receive(), options.Receive())) || FAILED(frame->Initialize(options)) ||
        FAILED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) ||
        FAILED(frame->SetPixelFormat(&format)) || format != kPixelFormat24bppBgr)
        return false;
    // The DIB's last row is the picture's first.
    for (int y = height - 1; y >= 0; --y) {
        if (FAILED(frame->WritePixels(1, static_cast<UINT>(stride), static_cast<UINT>(stride),
                                      const_cast<BYTE*>(bits + static_cast<size_t>(y) * stride))))
            return false;
    }
    return SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit()) && ReadStream(stream, png);
}

} // namespace picture
