// HEIC/HEIF (HEVC) and AVIF (AV1) photos through libheif, from memory: the primary
// image, 8 bits a channel, with its alpha where it has one. libheif reports errors by
// return value (no longjmp), so its handles are owned by ordinary C++ objects here.
#include <libheif/heif.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <type_traits>
#include <vector>

#include "image/CxImage.h"
#include "image/codecs/ByteReader.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/ColorProfile.h"
#include "image/codecs/DecodeSession.h"
#include "image/codecs/HeaderSize.h"
#include "image/codecs/HeifBoxes.h"
#include "image/codecs/LibCodecSupport.h"

namespace {

constexpr const char* kNotHeif = "Not a HEIF file";
constexpr const char* kCorrupt = "Corrupted HEIF file";
constexpr const char* kTooLarge = "CXIMAGE_MAX_MEMORY exceeded";

std::uint32_t fourcc(const char* s) {
    return std::uint32_t(std::uint8_t(s[0])) << 24 | std::uint32_t(std::uint8_t(s[1])) << 16 |
           std::uint32_t(std::uint8_t(s[2])) << 8 | std::uint32_t(std::uint8_t(s[3]));
}

// What a brand of the file type box says the file holds.
int brandFormat(std::uint32_t brand) {
    for (const char* b : {"heic", "heix", "hevc", "hevx", "heim", "heis", "hevm", "hevs"})
        if (brand == fourcc(b)) return CXIMAGE_FORMAT_HEIF;
    for (const char* b : {"avif", "avis"})
        if (brand == fourcc(b)) return CXIMAGE_FORMAT_AVIF;
    return CXIMAGE_FORMAT_UNKNOWN;
}

struct ContextFree {
    void operator()(heif_context* c) const { heif_context_free(c); }
};
struct HandleRelease {
    void operator()(heif_image_handle* h) const { heif_image_handle_release(h); }
};
struct ImageRelease {
    void operator()(heif_image* i) const { heif_image_release(i); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};
struct NclxFree {
    void operator()(heif_color_profile_nclx* n) const { heif_nclx_color_profile_free(n); }
};

// The value of an enumeration field filled from the file, read as its plain number: a
// code outside the enumeration must not be loaded as the enumeration type.
template <class E>
int fieldValue(const E& field) {
    std::underlying_type_t<E> v;
    std::memcpy(&v, &field, sizeof v);
    return int(v);
}

void initLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { heif_init(nullptr); });
}

// libheif's own ceiling on a side, for every item it reads (tiles and thumbnails too):
// our pixel ceiling (room for a 16:1 panorama), within libheif's default. Canvases
// are checked against the picture's stated size apart from this.
int sideLimit(std::uint64_t maxPixels) {
    const double side = std::sqrt(16.0 * double(maxPixels));
    return int(std::clamp(side, 1024.0, 32768.0));
}

// Whether a decoded picture has the size its boxes state: after the file's crop and
// turns as the handle tells it, or, left as stored, its ispe size either way round
// (this libheif tells ispe already turned).
bool sizeAsStated(const heif_image_handle* handle, int width, int height, bool transformed) {
    if (transformed)
        return width == heif_image_handle_get_width(handle) && height == heif_image_handle_get_height(handle);
    const int w = heif_image_handle_get_ispe_width(handle), h = heif_image_handle_get_ispe_height(handle);
    return (width == w && height == h) || (width == h && height == w);
}

// The embedded colour description: an ICC profile if there is one, else the nclx
// primaries and transfer.
void prepareColour(const heif_image_handle* handle, codecs::SrgbConverter& colour) {
    const std::size_t iccSize = heif_image_handle_get_raw_color_profile_size(handle);
    if (iccSize > 0) {
        std::vector<std::uint8_t> icc;
        try {
            icc.resize(iccSize);
        } catch (...) {
            return;
        }
        if (heif_image_handle_get_raw_color_profile(handle, icc.data()).code == heif_error_Ok)
            colour.setIccProfile(icc.data(), icc.size());
        return;
    }
    heif_color_profile_nclx* raw = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &raw).code != heif_error_Ok || !raw) return;
    const std::unique_ptr<heif_color_profile_nclx, NclxFree> nclx(raw);
    colour.setColourDescription(fieldValue(nclx->color_primaries),
                                fieldValue(nclx->transfer_characteristics));
}

bool decodeHeif(const std::uint8_t* data, std::size_t size, DecodeSession& s, const DecodeOptions& options) {
    initLibrary();
    const std::uint64_t limit = codecs::pixelLimit(options);
    const std::unique_ptr<heif_context, ContextFree> ctx(heif_context_alloc());
    if (!ctx) return s.fail("Can't allocate memory");
    heif_context_set_maximum_image_size_limit(ctx.get(), sideLimit(limit));
    if (heif_context_read_from_memory_without_copy(ctx.get(), data, size, nullptr).code != heif_error_Ok)
        return s.fail(kCorrupt);
    heif_image_handle* rawHandle = nullptr;
    if (heif_context_get_primary_image_handle(ctx.get(), &rawHandle).code != heif_error_Ok || !rawHandle)
        return s.fail(kCorrupt);
    const std::unique_ptr<heif_image_handle, HandleRelease> handle(rawHandle);

    // The size the file states, before and after its crop and turns; the larger
    // counts, since the whole stored picture is decoded before it is cropped.
    const std::uint64_t shown = std::uint64_t(std::max(0, heif_image_handle_get_width(handle.get()))) *
                                std::uint64_t(std::max(0, heif_image_handle_get_height(handle.get())));
    const std::uint64_t stored = std::uint64_t(std::max(0, heif_image_handle_get_ispe_width(handle.get()))) *
                                 std::uint64_t(std::max(0, heif_image_handle_get_ispe_height(handle.get())));
    if (shown == 0) return s.fail(kCorrupt);
    if (std::max(shown, stored) > limit) return s.fail(kTooLarge);
    // Grids and overlays are put together on a canvas of the size their own
    // description states; it must be the size just checked.
    MemoryHeaderSource boxes(data, size);
    switch (codecs::JudgeHeifCanvases(codecs::ReadHeifLayout(boxes), limit)) {
        case codecs::HeifCanvasVerdict::Sound:
            break;
        case codecs::HeifCanvasVerdict::TooLarge:
            return s.fail(kTooLarge);
        case codecs::HeifCanvasVerdict::Corrupt:
            return s.fail(kCorrupt);
    }
    if (s.cancelled()) return s.failCancelled();

    const bool alpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
    const bool premultiplied = alpha && heif_image_handle_is_premultiplied_alpha(handle.get()) != 0;
    const std::unique_ptr<heif_decoding_options, OptionsFree> decoding(heif_decoding_options_alloc());
    if (!decoding) return s.fail("Can't allocate memory");
    // libheif applies the file's crop, turns and mirrors unless told not to; with the
    // orientation switch off the pixels stay as stored, as a JPEG's do.
    decoding->ignore_transformations = options.applyExifOrientation ? 0 : 1;
    decoding->convert_hdr_to_8bit = 1;
    heif_image* rawImage = nullptr;
    const heif_error decoded =
        heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, decoding.get());
    const std::unique_ptr<heif_image, ImageRelease> image(rawImage);
    if (decoded.code != heif_error_Ok || !image) return s.fail(kCorrupt);
    if (s.cancelled()) return s.failCancelled();

    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    const int channels = alpha ? 4 : 3;
    int stride = 0;
    const std::uint8_t* plane = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (!plane || width <= 0 || height <= 0 ||
        heif_image_get_bits_per_pixel(image.get(), heif_channel_interleaved) != 8 * channels ||
        stride < width * channels)
        return s.fail(kCorrupt);
    if (std::uint64_t(width) * std::uint64_t(height) > limit) return s.fail(kTooLarge);
    // The coded data must give the picture the size the boxes state (which the header
    // reader reports); one that does not is as damaged as a short file.
    if (!sizeAsStated(handle.get(), width, height, options.applyExifOrientation)) return s.fail(kCorrupt);

    if (!s.create(width, height, 24, "Can't allocate memory")) return false;
    CxImage& out = s.work();
    if (alpha && !codecs::createAlpha(out)) return s.fail("Can't allocate memory");
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* src = plane + std::size_t(y) * std::size_t(stride);
        const int dibRow = height - 1 - y;
        std::uint8_t* dst = out.GetBits(dibRow);
        std::uint8_t* a = alpha ? out.AlphaRow(dibRow) : nullptr;
        for (int x = 0; x < width; ++x, src += channels, dst += 3) {
            std::uint8_t red = src[0], green = src[1], blue = src[2];
            if (a) {
                const std::uint8_t av = src[3];
                a[x] = av;
                // The alpha plane holds straight colour.
                if (premultiplied && av != 0 && av != 255) {
                    red = std::uint8_t(std::min(255, (red * 255 + av / 2) / av));
                    green = std::uint8_t(std::min(255, (green * 255 + av / 2) / av));
                    blue = std::uint8_t(std::min(255, (blue * 255 + av / 2) / av));
                }
            }
            dst[0] = blue;
            dst[1] = green;
            dst[2] = red;
        }
        if (!s.rowDone(y + 1, height)) return s.failCancelled();
    }
    if (options.colorManage) {
        codecs::SrgbConverter colour;
        prepareColour(handle.get(), colour);
        if (colour.appliesTo(true)) colour.convertImage(out);
    }
    return true;
}

}  // namespace

int SniffHeif(const std::uint8_t* data, std::size_t size) {
    if (!data) return CXIMAGE_FORMAT_UNKNOWN;
    ByteReader r(data, size);
    const std::uint32_t boxSize = r.u32be();
    if (r.u32be() != fourcc("ftyp") || boxSize < 16 || boxSize > size || boxSize % 4 != 0)
        return CXIMAGE_FORMAT_UNKNOWN;
    const std::uint32_t major = r.u32be();
    r.u32be();  // minor version
    if (const int f = brandFormat(major)) return f;
    bool generic = major == fourcc("mif1") || major == fourcc("msf1");
    int found = CXIMAGE_FORMAT_UNKNOWN;
    for (std::uint32_t at = 16; at < boxSize && !found; at += 4) {
        const std::uint32_t brand = r.u32be();
        found = brandFormat(brand);
        generic = generic || brand == fourcc("mif1") || brand == fourcc("msf1");
    }
    if (r.overrun()) return CXIMAGE_FORMAT_UNKNOWN;
    // A plain image file of the family without a codec brand: libheif decides.
    return found ? found : generic ? CXIMAGE_FORMAT_HEIF : CXIMAGE_FORMAT_UNKNOWN;
}

bool DecodeHeif(const std::uint8_t* data, std::size_t size, CxImage& image, const DecodeOptions& options) {
    const int format = SniffHeif(data, size);
    DecodeSession s(image, format ? format : CXIMAGE_FORMAT_HEIF);
    if (!format) return s.fail(kNotHeif);
    if (s.cancelled()) return s.failCancelled();
    bool ok = false;
    try {
        ok = decodeHeif(data, size, s, options);
    } catch (...) {
        // libheif is C++ inside; nothing of it may escape a decoder.
        return s.fail("Can't allocate memory");
    }
    return ok && s.commit();
}

namespace {
// libheif reads the boxes it needs through this, so only the file's head is read.
struct SourceReader {
    HeaderSource* source;
    std::int64_t position = 0;
};

std::int64_t readerPosition(void* user) {
    return static_cast<SourceReader*>(user)->position;
}

int readerRead(void* data, std::size_t size, void* user) {
    auto* r = static_cast<SourceReader*>(user);
    if (r->position < 0) return 1;
    const std::size_t got =
        r->source->readAt(std::uint64_t(r->position), static_cast<std::uint8_t*>(data), size);
    r->position += std::int64_t(got);
    return got == size ? 0 : 1;
}

int readerSeek(std::int64_t position, void* user) {
    auto* r = static_cast<SourceReader*>(user);
    if (position < 0 || std::uint64_t(position) > r->source->size()) return 1;
    r->position = position;
    return 0;
}

heif_reader_grow_status readerWait(std::int64_t target, void* user) {
    const auto* r = static_cast<SourceReader*>(user);
    return target >= 0 && std::uint64_t(target) <= r->source->size()
               ? heif_reader_grow_status_size_reached
               : heif_reader_grow_status_size_beyond_eof;
}
}  // namespace

bool ReadHeifHeaderSize(HeaderSource& source, int& width, int& height) {
    initLibrary();
    const std::uint64_t limit = codecs::pixelLimit(DecodeOptions{});
    const std::unique_ptr<heif_context, ContextFree> ctx(heif_context_alloc());
    if (!ctx) return false;
    heif_context_set_maximum_image_size_limit(ctx.get(), sideLimit(limit));
    heif_reader reader{};
    reader.reader_api_version = 1;
    reader.get_position = readerPosition;
    reader.read = readerRead;
    reader.seek = readerSeek;
    reader.wait_for_file_size = readerWait;
    SourceReader user{&source};
    if (heif_context_read_from_reader(ctx.get(), &reader, &user, nullptr).code != heif_error_Ok) return false;
    heif_image_handle* rawHandle = nullptr;
    if (heif_context_get_primary_image_handle(ctx.get(), &rawHandle).code != heif_error_Ok || !rawHandle)
        return false;
    const std::unique_ptr<heif_image_handle, HandleRelease> handle(rawHandle);
    // The decoder's own checks before it decodes, then the size its picture comes out
    // at after the file's crop and turns.
    const int shownWidth = std::max(0, heif_image_handle_get_width(handle.get()));
    const int shownHeight = std::max(0, heif_image_handle_get_height(handle.get()));
    const std::uint64_t shown = std::uint64_t(shownWidth) * std::uint64_t(shownHeight);
    const std::uint64_t stored = std::uint64_t(std::max(0, heif_image_handle_get_ispe_width(handle.get()))) *
                                 std::uint64_t(std::max(0, heif_image_handle_get_ispe_height(handle.get())));
    if (shown == 0 || std::max(shown, stored) > limit) return false;
    if (codecs::JudgeHeifCanvases(codecs::ReadHeifLayout(source), limit) != codecs::HeifCanvasVerdict::Sound)
        return false;
    width = shownWidth;
    height = shownHeight;
    return true;
}
