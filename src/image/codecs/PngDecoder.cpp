// PNG through libpng. Like libjpeg, libpng reports errors by longjmp, so the work is
// done in decodeFrame(), which owns no object with a destructor.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/ColorProfile.h"
#include "image/codecs/LibCodecSupport.h"

namespace {

// libpng's own guard against absurd headers; the pixel count is checked separately.
constexpr png_uint_32 kMaxSide = 1000000;
constexpr png_alloc_size_t kMaxChunk = 8u * 1024 * 1024;

struct PngContext {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos;
    std::uint64_t maxPixels;
    CxImage* out;
    const CxImage* control;
    CxImage* progress;
    std::uint8_t* temp;  // freed by the caller, so a longjmp cannot leak it
    bool colorManage;
    std::uint8_t* icc;  // a copy of the iCCP profile, freed by the caller as well
    std::size_t iccSize;
    bool colourSource;  // colour (or palette) data rather than grey
    int xdpi, ydpi;
    bool rasterFailed;
    char error[256];
};

void setError(PngContext* ctx, const char* text) {
    std::snprintf(ctx->error, sizeof ctx->error, "%s", text);
}

void onRead(png_structp png, png_bytep out, png_size_t n) {
    PngContext* ctx = static_cast<PngContext*>(png_get_io_ptr(png));
    if (n > ctx->size - ctx->pos) png_error(png, "Read Error");
    std::memcpy(out, ctx->data + ctx->pos, n);
    ctx->pos += n;
}

void onError(png_structp png, png_const_charp) {
    PngContext* ctx = static_cast<PngContext*>(png_get_error_ptr(png));
    setError(ctx, "Read Error");
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

enum class Layout {
    Direct,       // libpng's rows go straight into the DIB rows
    Indexed,      // one palette index a byte, packed into the DIB and the alpha plane
    ColourAlpha,  // blue, green, red, alpha: colour to the DIB, alpha to its plane
};

// Writes one row of libpng output into DIB row `dibRow`.
void convertRow(PngContext* ctx, Layout layout, const std::uint8_t* src, int dibRow, unsigned width,
                const png_byte* trans, int numTrans) {
    std::uint8_t* dst = ctx->out->GetBits(dibRow);
    std::uint8_t* alpha = ctx->out->AlphaRow(dibRow);
    if (layout == Layout::ColourAlpha) {
        for (unsigned x = 0; x < width; ++x, src += 4, dst += 3) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
            if (alpha) alpha[x] = src[3];
        }
        return;
    }
    const int bits = ctx->out->GetBpp();
    if (bits == 8)
        std::memcpy(dst, src, width);
    else if (bits == 4) {
        for (unsigned x = 0; x < width; x += 2)
            dst[x / 2] = std::uint8_t((src[x] << 4) | (x + 1 < width ? (src[x + 1] & 0x0f) : 0));
    } else {
        std::memset(dst, 0, (width + 7) / 8);
        for (unsigned x = 0; x < width; ++x)
            if (src[x] & 1) dst[x / 8] |= std::uint8_t(0x80 >> (x & 7));
    }
    if (alpha)
        for (unsigned x = 0; x < width; ++x) alpha[x] = src[x] < numTrans ? trans[src[x]] : 255;
}

// Holds no C++ object with a destructor: libpng may longjmp out of any call here.
bool decodeFrame(PngContext* ctx) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, ctx, onError, onWarning);
    if (!png) {
        setError(ctx, "Failed to create PNG structure");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        setError(ctx, "Failed to initialize PNG info structure");
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, ctx, onRead);
    png_set_user_limits(png, kMaxSide, kMaxSide);
    png_set_chunk_malloc_max(png, kMaxChunk);
    png_read_info(png, info);

    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, &interlace, nullptr, nullptr);
    if (std::uint64_t(width) * height > ctx->maxPixels) {
        setError(ctx, "CXIMAGE_MAX_MEMORY exceeded");
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    ctx->colourSource = (colorType & PNG_COLOR_MASK_COLOR) != 0;
    int srgbIntent = 0;
    png_charp iccName = nullptr;
    int iccCompression = 0;
    png_bytep iccData = nullptr;
    png_uint_32 iccLength = 0;
    // A picture that says it is sRGB needs nothing, whatever else it carries.
    if (ctx->colorManage && !png_get_sRGB(png, info, &srgbIntent) &&
        png_get_iCCP(png, info, &iccName, &iccCompression, &iccData, &iccLength) && iccData &&
        iccLength > 0 && (ctx->icc = static_cast<std::uint8_t*>(std::malloc(iccLength)))) {
        std::memcpy(ctx->icc, iccData, iccLength);
        ctx->iccSize = iccLength;
    }
    png_uint_32 resX = 0, resY = 0;
    int unit = 0;
    if (png_get_pHYs(png, info, &resX, &resY, &unit) && unit == PNG_RESOLUTION_METER) {
        ctx->xdpi = codecs::densityToDpi(resX, 3);
        ctx->ydpi = codecs::densityToDpi(resY, 3);
    }

    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_bytep trans = nullptr;
    int numTrans = 0;
    Layout layout = Layout::Direct;
    int dibBits = 24;
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        dibBits = bitDepth == 1 ? 1 : bitDepth <= 4 ? 4 : 8;
        if (hasTrns) png_get_tRNS(png, info, &trans, &numTrans, nullptr);
        // 2-bit indices have no DIB depth of their own; they widen to 4 bits.
        if (bitDepth == 2 || (trans && numTrans > 0)) {
            png_set_packing(png);
            layout = Layout::Indexed;
        }
    } else if (colorType == PNG_COLOR_TYPE_GRAY && !hasTrns) {
        dibBits = bitDepth == 1 ? 1 : 8;
        if (bitDepth > 1 && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
        if (bitDepth == 16) png_set_strip_16(png);
    } else {
        // Everything else becomes 24-bit colour, with an alpha plane where there is alpha.
        if (bitDepth == 16) png_set_strip_16(png);
        if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
            if (bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
            png_set_gray_to_rgb(png);
        }
        if (hasTrns) png_set_tRNS_to_alpha(png);
        png_set_bgr(png);
        if (hasTrns || (colorType & PNG_COLOR_MASK_ALPHA)) layout = Layout::ColourAlpha;
    }
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_size_t rowBytes = png_get_rowbytes(png, info);

    if (!ctx->out->CreateRaster(width, height, dibBits, CXIMAGE_FORMAT_PNG)) {
        ctx->rasterFailed = true;
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    if (layout == Layout::Direct && rowBytes > ctx->out->GetEffWidth()) png_error(png, "row too long");
    if (dibBits < 24) {
        png_colorp palette = nullptr;
        int numPalette = 0;
        if (colorType == PNG_COLOR_TYPE_PALETTE && png_get_PLTE(png, info, &palette, &numPalette)) {
            // Indexes past the palette's end show black.
            for (int i = 0; i < numPalette && i < ctx->out->GetNumColors(); ++i)
                ctx->out->SetPaletteColor(i, makeRgb(palette[i].red, palette[i].green, palette[i].blue));
        } else {
            ctx->out->SetGrayPalette();
        }
    }
    if ((layout == Layout::ColourAlpha || (layout == Layout::Indexed && numTrans > 0)) &&
        !codecs::createAlpha(*ctx->out)) {
        setError(ctx, "Can't allocate memory");
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }

    // Interlaced pictures arrive in passes, so converted layouts need the whole picture
    // at hand; other pictures go a row at a time.
    const bool wholePicture = layout != Layout::Direct && passes > 1;
    if (layout != Layout::Direct) {
        const std::uint64_t bytes = std::uint64_t(rowBytes) * (wholePicture ? height : 1);
        if (bytes > (std::uint64_t(4) << 30) ||
            !(ctx->temp = static_cast<std::uint8_t*>(std::malloc(bytes)))) {
            setError(ctx, "Can't allocate memory");
            png_destroy_read_struct(&png, &info, nullptr);
            return false;
        }
    }
    const std::uint64_t totalRows = std::uint64_t(height) * unsigned(passes);
    std::uint64_t done = 0;
    int lastPercent = -1;
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = 0; y < height; ++y, ++done) {
            if (ctx->control->GetEscape()) {
                setError(ctx, "Cancelled");
                png_destroy_read_struct(&png, &info, nullptr);
                return false;
            }
            const int dibRow = int(height - 1 - y);
            png_bytep row = layout == Layout::Direct ? ctx->out->GetBits(dibRow)
                            : wholePicture           ? ctx->temp + std::size_t(y) * rowBytes
                                                     : ctx->temp;
            png_read_row(png, row, nullptr);
            if (layout != Layout::Direct && !wholePicture)
                convertRow(ctx, layout, row, dibRow, width, trans, numTrans);
            const int percent = int(done * 100 / totalRows);
            if (percent != lastPercent) ctx->progress->SetProgress(lastPercent = percent);
        }
    }
    if (wholePicture)
        for (png_uint_32 y = 0; y < height; ++y)
            convertRow(ctx, layout, ctx->temp + std::size_t(y) * rowBytes, int(height - 1 - y), width, trans,
                       numTrans);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace

bool DecodePng(const std::uint8_t* data, std::size_t size, CxImage& image, const DecodeOptions& options) {
    if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) {
        image.SetLastError(QStringLiteral("Read Error"));
        return false;
    }
    CxImage decoded(CXIMAGE_FORMAT_PNG);
    PngContext ctx{};
    ctx.data = data;
    ctx.size = size;
    ctx.maxPixels = codecs::pixelLimit(options);
    ctx.out = &decoded;
    ctx.control = &image;
    ctx.progress = &image;
    ctx.colorManage = options.colorManage;
    const bool ok = decodeFrame(&ctx);
    std::free(ctx.temp);
    codecs::SrgbConverter colour;
    if (ok && ctx.icc) colour.setIccProfile(ctx.icc, ctx.iccSize);
    std::free(ctx.icc);
    if (!ok) {
        image.SetLastError(ctx.rasterFailed ? decoded.GetLastError() : QString::fromUtf8(ctx.error));
        return false;
    }
    if (colour.appliesTo(ctx.colourSource)) colour.convertImage(decoded);
    image.TakeOver(decoded);
    image.SetType(CXIMAGE_FORMAT_PNG);
    image.SetXDPI(ctx.xdpi > 0 ? ctx.xdpi : image.GetXDPI());
    image.SetYDPI(ctx.ydpi > 0 ? ctx.ydpi : image.GetYDPI());
    image.SetProgress(100);
    image.SetLastError(QString());
    return true;
}
