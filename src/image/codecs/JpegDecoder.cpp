// JPEG through libjpeg. libjpeg reports errors by longjmp, so everything that can
// jump lives in decodeFrame(), a C-style function that owns no object with a
// destructor; the C++ side around it owns the buffers and the result.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

// libjpeg's headers need FILE and size_t declared before them.
#include <jerror.h>
#include <jpeglib.h>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/ColorProfile.h"
#include "image/codecs/LibCodecSupport.h"

namespace {

// libjpeg keeps memory for progressive files (the whole coefficient image); more
// than this is refused rather than swapped.
constexpr long kMaxJpegMemory = 1536L * 1024 * 1024;
// A progressive file may hold any number of scans; real ones have about ten.
constexpr int kMaxScans = 1000;

struct JpegError {
    jpeg_error_mgr pub;  // first, so the manager's address is ours
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

struct JpegContext {
    const std::uint8_t* data;
    std::size_t size;
    const DecodeOptions* options;
    std::uint64_t maxPixels;
    CxImage* out;            // the fresh raster being filled
    const CxImage* control;  // the caller's image: its escape flag and progress
    CxImage* progress;
    const codecs::SrgbConverter* colour;  // the embedded profile's conversion
    int xdpi, ydpi;
    bool rasterFailed;  // the raster's own error text applies
    char error[256];
};

void onError(j_common_ptr cinfo) {
    JpegError* err = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings (a truncated file, corrupt entropy data) are not printed: the picture is
// still delivered, as far as it goes.
void onMessage(j_common_ptr, int) {}

void onProgress(j_common_ptr cinfo) {
    if (cinfo->is_decompressor) {
        j_decompress_ptr d = reinterpret_cast<j_decompress_ptr>(cinfo);
        if (d->input_scan_number > kMaxScans) {
            JpegError* err = reinterpret_cast<JpegError*>(cinfo->err);
            std::snprintf(err->message, sizeof err->message, "Too many scans in JPEG file");
            std::longjmp(err->jump, 1);
        }
    }
}

void setError(JpegContext* ctx, const char* text) {
    std::snprintf(ctx->error, sizeof ctx->error, "%s", text);
}

inline std::uint8_t mul255(unsigned a, unsigned b) {
    return std::uint8_t((a * b + 127) / 255);
}

// Holds no C++ object with a destructor: libjpeg may longjmp out of any call here.
bool decodeFrame(JpegContext* ctx) {
    jpeg_decompress_struct cinfo;
    JpegError jerr;
    jpeg_progress_mgr progress;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&jerr.pub);
    jerr.pub.error_exit = onError;
    jerr.pub.emit_message = onMessage;
    jerr.message[0] = 0;
    if (setjmp(jerr.jump)) {
        if (jerr.pub.msg_code == JERR_NO_IMAGE || jerr.pub.msg_code == JERR_INPUT_EMPTY)
            setError(ctx, "No image in jpeg!\n");
        else
            setError(ctx, jerr.message);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxJpegMemory;
    progress.progress_monitor = onProgress;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, ctx->data, static_cast<unsigned long>(ctx->size));
    if (jpeg_read_header(&cinfo, FALSE) != JPEG_HEADER_OK) {
        setError(ctx, "No image in jpeg!\n");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (std::uint64_t(cinfo.image_width) * cinfo.image_height > ctx->maxPixels) {
        setError(ctx, "CXIMAGE_MAX_MEMORY exceeded");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    const int denom = ctx->options->jpegScaleDenominator;
    cinfo.scale_num = 1;
    cinfo.scale_denom = (denom == 2 || denom == 4 || denom == 8) ? unsigned(denom) : 1u;
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    const bool grey = cinfo.num_components == 1;
    cinfo.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGR;
    if (cinfo.density_unit == 1 || cinfo.density_unit == 2) {
        ctx->xdpi = codecs::densityToDpi(cinfo.X_density, cinfo.density_unit);
        ctx->ydpi = codecs::densityToDpi(cinfo.Y_density, cinfo.density_unit);
    }

    jpeg_start_decompress(&cinfo);
    const unsigned width = cinfo.output_width, height = cinfo.output_height;
    if (!ctx->out->CreateRaster(width, height, grey ? 8 : 24, CXIMAGE_FORMAT_JPG)) {
        ctx->rasterFailed = true;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (grey) ctx->out->SetGrayPalette();
    // Colour rows are converted as they arrive, while they are still in the cache.
    const bool convertRows = !grey && !cmyk && ctx->colour->appliesTo(true);
    JSAMPARRAY cmykRow =
        cmyk ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE, width * 4u, 1)
             : nullptr;
    int lastPercent = -1;
    while (cinfo.output_scanline < height) {
        if (ctx->control->GetEscape()) {
            setError(ctx, "Cancelled");
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
        // Rows come top first; the DIB keeps them bottom first.
        JSAMPROW rows[4];
        const unsigned first = cinfo.output_scanline;
        unsigned want = height - first < 4u ? height - first : 4u;
        for (unsigned i = 0; i < want; ++i) rows[i] = ctx->out->GetBits(int(height - 1 - (first + i)));
        unsigned got;
        if (cmyk) {
            got = jpeg_read_scanlines(&cinfo, cmykRow, 1);
            if (got == 1) {
                // libjpeg hands Adobe's inverted CMYK over as written: 255 is no ink.
                const JSAMPLE* s = cmykRow[0];
                std::uint8_t* d = rows[0];
                for (unsigned x = 0; x < width; ++x, s += 4, d += 3) {
                    d[0] = mul255(s[2], s[3]);
                    d[1] = mul255(s[1], s[3]);
                    d[2] = mul255(s[0], s[3]);
                }
            }
        } else {
            got = jpeg_read_scanlines(&cinfo, rows, want);
            if (convertRows)
                for (unsigned i = 0; i < got; ++i) ctx->colour->convertBgr(rows[i], width);
        }
        if (got == 0) break;  // suspended: cannot happen with a memory source, but never spin
        const int percent = int(std::uint64_t(cinfo.output_scanline) * 100 / height);
        if (percent != lastPercent) {
            ctx->progress->SetProgress(percent);
            lastPercent = percent;
        }
    }
    // The rest of the file (trailing markers) is not needed.
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// Header only; as decodeFrame, nothing here may own a destructor.
bool readHeaderSize(const std::uint8_t* data, std::size_t size, unsigned* width, unsigned* height) {
    jpeg_decompress_struct cinfo;
    JpegError jerr;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&jerr.pub);
    jerr.pub.error_exit = onError;
    jerr.pub.emit_message = onMessage;
    if (setjmp(jerr.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxJpegMemory;
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    const bool ok = jpeg_read_header(&cinfo, FALSE) == JPEG_HEADER_OK;
    *width = cinfo.image_width;
    *height = cinfo.image_height;
    jpeg_destroy_decompress(&cinfo);
    return ok;
}

}  // namespace

bool ReadJpegSize(const std::uint8_t* data, std::size_t size, int& width, int& height) {
    if (!data || size == 0) return false;
    unsigned w = 0, h = 0;
    if (!readHeaderSize(data, size, &w, &h) || w == 0 || h == 0 || w > 65535 || h > 65535) return false;
    width = int(w);
    height = int(h);
    return true;
}

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, CxImage& image, const DecodeOptions& options) {
    if (!data || size == 0) {
        image.SetLastError(QStringLiteral("No image in jpeg!\n"));
        return false;
    }
    CxImage decoded(CXIMAGE_FORMAT_JPG);
    codecs::SrgbConverter colour;
    if (options.colorManage) {
        std::vector<std::uint8_t> profile;
        if (codecs::ReadJpegIccProfile(data, size, profile))
            colour.setIccProfile(profile.data(), profile.size());
    }
    JpegContext ctx{};
    ctx.colour = &colour;
    ctx.data = data;
    ctx.size = size;
    ctx.options = &options;
    ctx.maxPixels = codecs::pixelLimit(options);
    ctx.out = &decoded;
    ctx.control = &image;
    ctx.progress = &image;
    if (!decodeFrame(&ctx)) {
        image.SetLastError(ctx.rasterFailed ? decoded.GetLastError() : QString::fromUtf8(ctx.error));
        return false;
    }
    // Grey pictures keep their levels in the palette.
    if (decoded.GetBpp() == 8 && colour.appliesTo(false)) colour.convertImage(decoded);
    // A damaged EXIF block costs only the camera information, never the picture.
    ExifInfo exif;
    const char* exifError = nullptr;
    ReadJpegExif(data, size, exif, &exifError);
    decoded.SetXDPI(ctx.xdpi > 0 ? ctx.xdpi : image.GetXDPI());
    decoded.SetYDPI(ctx.ydpi > 0 ? ctx.ydpi : image.GetYDPI());
    if (options.applyExifOrientation && !codecs::OrientImage(decoded, exif.orientation)) {
        image.SetLastError(decoded.GetLastError());
        return false;
    }
    image.TakeOver(decoded);
    image.SetType(CXIMAGE_FORMAT_JPG);
    image.SetXDPI(decoded.GetXDPI());
    image.SetYDPI(decoded.GetYDPI());
    image.SetExifOrientation(exif.orientation);
    image.SetProgress(100);
    image.SetLastError(QString());
    return true;
}
