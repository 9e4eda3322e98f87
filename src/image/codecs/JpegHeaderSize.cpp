// JPEG sizes from the headers, through libjpeg like the decoder: the markers up to
// the first scan are read, and the decoder's set-up is run up to the point where it
// would start reading the image data. libjpeg reports errors by longjmp, so that work
// lives in readFrame(), which owns no object with a destructor.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

// libjpeg's headers need FILE and size_t declared before them.
#include <jerror.h>
#include <jpeglib.h>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/HeaderSize.h"

namespace {

// The decoder's memory ceiling: a multi-scan file claims its whole coefficient
// buffer while being set up, so an oversized one fails here as it would there.
constexpr long kMaxJpegMemory = 1536L * 1024 * 1024;
constexpr std::size_t kChunkBytes = 16 * 1024;
// What an EXIF search reads first; enough for nearly every camera's EXIF block.
constexpr std::size_t kExifFirstRead = 64 * 1024;

struct HeaderError {
    jpeg_error_mgr pub;  // first, so the manager's address is ours
    std::jmp_buf jump;
};

// A libjpeg data source over a HeaderSource, a chunk at a time.
struct ChunkSource {
    jpeg_source_mgr pub;  // first, so the manager's address is ours
    HeaderSource* source;
    std::uint64_t next;    // file offset of the next chunk
    std::uint8_t* buffer;  // kChunkBytes, owned by the caller
};

const JOCTET kFakeEnd[2] = {0xFF, JPEG_EOI};

void onError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<HeaderError*>(cinfo->err)->jump, 1);
}
void onMessage(j_common_ptr, int) {}

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillInput(j_decompress_ptr cinfo) {
    ChunkSource* s = reinterpret_cast<ChunkSource*>(cinfo->src);
    const std::size_t got =
        s->next < s->source->size() ? s->source->readAt(s->next, s->buffer, kChunkBytes) : 0;
    if (got == 0) {
        // At the end of the data libjpeg's memory source (the decoder's) hands out an
        // end-of-image marker, again and again; so does this one.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        s->pub.next_input_byte = kFakeEnd;
        s->pub.bytes_in_buffer = 2;
        return TRUE;
    }
    s->next += got;
    s->pub.next_input_byte = s->buffer;
    s->pub.bytes_in_buffer = got;
    return TRUE;
}

// Skipped markers (EXIF blocks, thumbnails, colour profiles) are jumped over, not read.
// Past the end this consumes end markers exactly as the memory source does.
void skipInput(j_decompress_ptr cinfo, long count) {
    ChunkSource* s = reinterpret_cast<ChunkSource*>(cinfo->src);
    if (count <= 0) return;
    while (count > long(s->pub.bytes_in_buffer)) {
        count -= long(s->pub.bytes_in_buffer);
        s->pub.bytes_in_buffer = 0;
        const std::uint64_t size = s->source->size();
        const std::uint64_t left = s->next < size ? size - s->next : 0;
        const std::uint64_t jump = left < std::uint64_t(count) ? left : std::uint64_t(count);
        s->next += jump;
        count -= long(jump);
        if (count == 0) return;
        fillInput(cinfo);
    }
    s->pub.next_input_byte += count;
    s->pub.bytes_in_buffer -= std::size_t(count);
}

struct FrameJob {
    HeaderSource* source;
    std::uint8_t* buffer;
    bool asDecoder;  // also run the decoder's set-up
    JpegFrameInfo info;
    int rasterWidth, rasterHeight, rasterBits;
    std::uint64_t consumed;  // bytes up to the end of the first scan header
};

// Holds no C++ object with a destructor: libjpeg may longjmp out of any call here.
bool readFrame(FrameJob* job) {
    jpeg_decompress_struct cinfo;
    HeaderError jerr;
    ChunkSource src;
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&src, 0, sizeof src);
    cinfo.err = jpeg_std_error(&jerr.pub);
    jerr.pub.error_exit = onError;
    jerr.pub.emit_message = onMessage;
    if (setjmp(jerr.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxJpegMemory;
    src.pub.init_source = initSource;
    src.pub.fill_input_buffer = fillInput;
    src.pub.skip_input_data = skipInput;
    src.pub.resync_to_restart = jpeg_resync_to_restart;
    src.pub.term_source = termSource;
    src.source = job->source;
    src.buffer = job->buffer;
    cinfo.src = &src.pub;
    if (jpeg_read_header(&cinfo, FALSE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    job->info.width = int(cinfo.image_width);
    job->info.height = int(cinfo.image_height);
    job->info.densityUnit = cinfo.density_unit;
    job->info.xDensity = cinfo.X_density;
    job->info.yDensity = cinfo.Y_density;
    job->consumed = src.next - src.pub.bytes_in_buffer;
    if (job->asDecoder) {
        if (std::uint64_t(cinfo.image_width) * cinfo.image_height > CxImage::kMaxPixels) {
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
        const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
        const bool grey = cinfo.num_components == 1;
        cinfo.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGR;
        // A file of several scans is read whole by jpeg_start_decompress; in buffered
        // mode it stops once the decoder is set up, having claimed the same memory.
        cinfo.buffered_image = jpeg_has_multiple_scans(&cinfo);
        jpeg_start_decompress(&cinfo);
        job->rasterWidth = int(cinfo.output_width);
        job->rasterHeight = int(cinfo.output_height);
        job->rasterBits = grey ? 8 : 24;
    }
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool runFrame(HeaderSource& source, bool asDecoder, FrameJob& job) {
    std::vector<std::uint8_t> buffer(kChunkBytes);
    job = FrameJob{};
    job.source = &source;
    job.buffer = buffer.data();
    job.asDecoder = asDecoder;
    return readFrame(&job);
}

// The orientation the decoder finds with ReadJpegExif over the whole file. Its walk
// over the sections cannot pass the first scan header once libjpeg read up to it,
// so the bytes up to there give the same answer; a shorter piece is tried first, and
// only a walk that ran into its end is repeated on more.
int exifOrientation(HeaderSource& source, std::uint64_t headerBytes) {
    std::vector<std::uint8_t> prefix;
    std::uint64_t want = kExifFirstRead;
    for (;;) {
        const std::size_t n = std::size_t(std::min<std::uint64_t>(want, headerBytes));
        const std::size_t had = prefix.size();
        prefix.resize(n);
        if (n > had && source.readAt(had, prefix.data() + had, n - had) != n - had) return 0;
        ExifInfo info;
        const char* error = nullptr;
        ReadJpegExif(prefix.data(), prefix.size(), info, &error);
        const bool ranOut = error && (std::strcmp(error, "Premature end of file?") == 0 ||
                                      std::strcmp(error, "invalid marker") == 0);
        if (!ranOut || n >= headerBytes) return info.orientation;
        want *= 2;
    }
}

}  // namespace

bool ReadJpegFrameInfo(HeaderSource& source, JpegFrameInfo& info) {
    FrameJob job;
    if (!runFrame(source, false, job)) return false;
    info = job.info;
    return true;
}

bool ReadJpegHeaderSize(HeaderSource& source, bool applyExifOrientation, int& width, int& height) {
    if (source.size() == 0) return false;
    FrameJob job;
    if (!runFrame(source, true, job)) return false;
    int w = job.rasterWidth, h = job.rasterHeight;
    if (!CxImage::FitsCeiling(w, h, job.rasterBits)) return false;
    if (applyExifOrientation) {
        const int orientation = exifOrientation(source, job.consumed);
        if (orientation >= 5 && orientation <= 8) {
            std::swap(w, h);
            // The turned copy is a raster of its own.
            if (!CxImage::FitsCeiling(w, h, job.rasterBits)) return false;
        }
    }
    width = w;
    height = h;
    return true;
}
