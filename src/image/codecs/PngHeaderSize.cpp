// PNG sizes from the chunks before the image data, through libpng like the decoder,
// with the decoder's limits and transformations so that libpng refuses the same
// files. As in the decoder, everything that can longjmp lives in a C-style function.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "image/CxImage.h"
#include "image/codecs/HeaderSize.h"

namespace {

// The decoder's limits.
constexpr png_uint_32 kMaxSide = 1000000;
constexpr png_alloc_size_t kMaxChunk = 8u * 1024 * 1024;

struct PngJob {
    SourceCursor* in;
    bool asDecoder;
    PngHeaderInfo info;
    int rasterBits;
};

void onRead(png_structp png, png_bytep out, png_size_t n) {
    PngJob* job = static_cast<PngJob*>(png_get_io_ptr(png));
    if (!job->in->read(out, n)) png_error(png, "Read Error");
}
void onError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void onWarning(png_structp, png_const_charp) {}

// Holds no C++ object with a destructor: libpng may longjmp out of any call here.
bool readChunks(PngJob* job) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, job, onError, onWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, job, onRead);
    png_set_user_limits(png, kMaxSide, kMaxSide);
    png_set_chunk_malloc_max(png, kMaxChunk);
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
    job->info.width = width;
    job->info.height = height;
    job->info.xPixelsPerMetre = png_get_x_pixels_per_meter(png, info);
    job->info.yPixelsPerMetre = png_get_y_pixels_per_meter(png, info);
    if (job->asDecoder) {
        if (std::uint64_t(width) * height > CxImage::kMaxPixels) {
            png_destroy_read_struct(&png, &info, nullptr);
            return false;
        }
        // The decoder's transformations, so that libpng sets up the same rows.
        const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
        int bits = 24;
        if (colorType == PNG_COLOR_TYPE_PALETTE) {
            bits = bitDepth == 1 ? 1 : bitDepth <= 4 ? 4 : 8;
            png_bytep trans = nullptr;
            int numTrans = 0;
            if (hasTrns) png_get_tRNS(png, info, &trans, &numTrans, nullptr);
            if (bitDepth == 2 || (trans && numTrans > 0)) png_set_packing(png);
        } else if (colorType == PNG_COLOR_TYPE_GRAY && !hasTrns) {
            bits = bitDepth == 1 ? 1 : 8;
            if (bitDepth > 1 && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
            if (bitDepth == 16) png_set_strip_16(png);
        } else {
            if (bitDepth == 16) png_set_strip_16(png);
            if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
                if (bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
                png_set_gray_to_rgb(png);
            }
            if (hasTrns) png_set_tRNS_to_alpha(png);
            png_set_bgr(png);
        }
        png_set_interlace_handling(png);
        png_read_update_info(png, info);
        job->rasterBits = bits;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

bool runChunks(HeaderSource& source, bool asDecoder, PngJob& job) {
    std::uint8_t signature[8];
    if (source.size() < 8 || source.readAt(0, signature, 8) != 8 || png_sig_cmp(signature, 0, 8) != 0)
        return false;
    SourceCursor in(source);
    job = PngJob{};
    job.in = &in;
    job.asDecoder = asDecoder;
    return readChunks(&job);
}

}  // namespace

bool ReadPngHeaderInfo(HeaderSource& source, PngHeaderInfo& info) {
    PngJob job;
    if (!runChunks(source, false, job)) return false;
    info = job.info;
    return true;
}

bool ReadPngHeaderSize(HeaderSource& source, int& width, int& height) {
    PngJob job;
    if (!runChunks(source, true, job)) return false;
    if (!CxImage::FitsCeiling(job.info.width, job.info.height, job.rasterBits)) return false;
    width = int(job.info.width);
    height = int(job.info.height);
    return true;
}
