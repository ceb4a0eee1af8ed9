#include "sitemap/wicpicture.h"

#include <windows.h>
#include <wincodec.h>

namespace {

// Defined here rather than taken from the uuid library.
constexpr GUID kClsidWicFactory = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID kIidWicFactory = {0xec5ec8a9, 0xc395, 0x4314, {0x9c, 0x77, 0x54, 0xd7, 0xa9, 0x35, 0xff, 0x70}};
constexpr GUID kPixelFormat32bppBGR = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0e}};
constexpr GUID kPixelFormat24bppBGR = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0c}};
constexpr GUID kContainerFormatPng = {0x1b7cfaf4, 0x713f, 0x473c, {0xbb, 0xcd, 0x61, 0x37, 0x42, 0x5f, 0xae, 0xaf}};
constexpr UINT kLargestSide = 16384;

// Releases a COM interface when it goes out of scope.
template <typename T>
struct Com {
    T* p = nullptr;
    ~Com()
    {
        if (p)
            p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

// COM is loaded only when a picture needs it, like the common dialogs: linking it would make
// every start of the program pay for it.
IWICImagingFactory* Factory()
{
    static IWICImagingFactory* factory = [] {
        IWICImagingFactory* made = nullptr;
        const HMODULE ole = LoadLibraryA("ole32.dll");
        const auto init = reinterpret_cast<HRESULT(WINAPI*)(void*, DWORD)>(
            reinterpret_cast<void*>(ole ? GetProcAddress(ole, "CoInitializeEx") : nullptr));
        const auto create = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**)>(
            reinterpret_cast<void*>(ole ? GetProcAddress(ole, "CoCreateInstance") : nullptr));
        if (init && create) {
            init(nullptr, COINIT_APARTMENTTHREADED); // already initialised in another mode is fine
            create(kClsidWicFactory, nullptr, CLSCTX_INPROC_SERVER, kIidWicFactory, reinterpret_cast<void**>(&made));
        }
        return made;
    }();
    return factory;
}

} // namespace

int DecodeWithSystem(std::span<const uint8_t> bytes, Picture& picture)
{
    picture = {};
    IWICImagingFactory* factory = Factory();
    if (!factory)
        return kImageSubTypeNotSupported;
    Com<IWICStream> stream;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICFormatConverter> converter;
    if (FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))))
        return kImageNoMemory;
    if (FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)))
        return kImageBadFormat;
    UINT width = 0, height = 0;
    if (FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)))
        return kImageTruncated;
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide)
        return kImageBadSize;
    if (FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.p, kPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return kImageSubTypeNotSupported;
    std::vector<uint32_t> pixels;
    try {
        pixels.resize(static_cast<size_t>(width) * height);
    } catch (const std::bad_alloc&) {
        return kImageNoMemory;
    }
    // 32bpp BGR in memory is the 0x00RRGGBB of a little-endian word, as the painter expects.
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size() * 4),
                                     reinterpret_cast<BYTE*>(pixels.data()))))
        return kImageTruncated;
    picture = {static_cast<int>(width), static_cast<int>(height), std::move(pixels)};
    return 0;
}

std::vector<uint8_t> EncodePng(const Picture& picture)
{
    IWICImagingFactory* factory = Factory();
    const size_t width = static_cast<size_t>(picture.width), height = static_cast<size_t>(picture.height);
    if (!factory || width < 1 || height < 1 || width > kLargestSide || height > kLargestSide ||
        picture.pixels.size() != width * height)
        return {};
    // 24-bit rows, blue first, as the encoder takes them.
    const size_t stride = width * 3;
    std::vector<uint8_t> rows(stride * height);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const uint32_t pixel = picture.pixels[i];
        rows[i * 3] = static_cast<uint8_t>(pixel);
        rows[i * 3 + 1] = static_cast<uint8_t>(pixel >> 8);
        rows[i * 3 + 2] = static_cast<uint8_t>(pixel >> 16);
    }
    // Room for the pixels stored without any compression, a filter byte per row and the headers:
    // a PNG is never larger.
    std::vector<uint8_t> out(rows.size() + height + rows.size() / 1000 + 65536);
    Com<IWICStream> stream;
    Com<IWICBitmapEncoder> encoder;
    Com<IWICBitmapFrameEncode> frame;
    GUID format = kPixelFormat24bppBGR;
    ULARGE_INTEGER written{};
    if (FAILED(factory->CreateStream(&stream)) || FAILED(stream->InitializeFromMemory(out.data(), static_cast<DWORD>(out.size()))) ||
        FAILED(factory->CreateEncoder(kContainerFormatPng, nullptr, &encoder)) ||
        FAILED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) || FAILED(encoder->CreateNewFrame(&frame, nullptr)) ||
        FAILED(frame->Initialize(nullptr)) || FAILED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) ||
        FAILED(frame->SetPixelFormat(&format)) || format != kPixelFormat24bppBGR ||
        FAILED(frame->WritePixels(static_cast<UINT>(height), static_cast<UINT>(stride), static_cast<UINT>(rows.size()), rows.data())) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit()) || FAILED(stream->Seek({}, STREAM_SEEK_CUR, &written)))
        return {};
    out.resize(static_cast<size_t>(written.QuadPart));
    return out;
}
