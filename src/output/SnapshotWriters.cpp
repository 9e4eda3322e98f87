#include "output/SnapshotWriters.h"

#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// libjpeg's headers need FILE and size_t declared before them.
#include <jerror.h>
#include <jpeglib.h>

#include "core/FileOutput.h"
#include "image/CxImage.h"
#include "layout/Canvas.h"

namespace {

void putLe16(QByteArray& out, std::uint16_t v) {
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}
void putLe32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xff));
}

std::uint32_t le32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t le16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

// Entries of the colour table: the header's count, else 2^bits up to 8 bits.
std::uint64_t colourEntries(const std::uint8_t* dib) {
    const std::uint32_t used = le32(dib + 32);
    const int bits = le16(dib + 14);
    if (used) return used;
    return bits <= 8 ? (std::uint64_t(1) << bits) : 0;
}

bool saveBytes(const QString& path, const QByteArray& head, const char* data, qint64 size, QString* error) {
    FileOutput file(path);
    const bool ok = file.open() && file.write(head) && file.write(data, size) && file.commit();
    if (!ok && error) *error = file.errorText();
    return ok;
}

// 5-bit channel of a 16-bit pixel to 8 bits, as the snapshot writer always has.
std::uint8_t expand5(unsigned v) {
    if (v == 0) return 0;
    if (v == 1) return 16;
    if (v == 31) return 255;
    return std::uint8_t(8 * v + 8);
}

struct JpegError {
    jpeg_error_mgr pub;  // first, so the manager's address is ours
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr cinfo) {
    JpegError* err = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

struct DibRows;
void convertRow(const DibRows& dib, int i, std::uint8_t* out);

struct JpegJob {
    const DibRows* dib;  // rows are converted one at a time into `row`
    std::uint8_t* row;   // width x 3 bytes
    int width;
    int height;
    int quality;
    int dpiX;  // written as the JFIF density
    int dpiY;
    unsigned char* out;  // malloc'ed by libjpeg; the caller frees it
    unsigned long outSize;
    char error[JMSG_LENGTH_MAX];
};

// Holds no C++ object with a destructor: libjpeg may longjmp out of any call here.
bool compressRows(JpegJob* job) {
    jpeg_compress_struct cinfo;
    JpegError jerr;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&jerr.pub);
    jerr.pub.error_exit = onError;
    jerr.message[0] = 0;
    if (setjmp(jerr.jump)) {
        std::snprintf(job->error, sizeof job->error, "%s", jerr.message);
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &job->out, &job->outSize);
    cinfo.image_width = JDIMENSION(job->width);
    cinfo.image_height = JDIMENSION(job->height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, job->quality, TRUE);
    // The page's resolution, so the file opens elsewhere at the size it prints at.
    if (job->dpiX > 0 && job->dpiY > 0 && job->dpiX <= 65535 && job->dpiY <= 65535) {
        cinfo.density_unit = 1;
        cinfo.X_density = UINT16(job->dpiX);
        cinfo.Y_density = UINT16(job->dpiY);
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        convertRow(*job->dib, int(cinfo.next_scanline), job->row);
        JSAMPROW row = job->row;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

QByteArray bmpFileHeader(const std::uint8_t* dib, std::size_t dibSize) {
    QByteArray head;
    if (!dib || dibSize < 40) return head;
    putLe16(head, 19778);  // "BM"
    putLe32(head, std::uint32_t(dibSize + 14));
    putLe16(head, 0);
    putLe16(head, 0);
    putLe32(head, std::uint32_t(54 + 4 * colourEntries(dib)));
    return head;
}

bool WritePng(const CxImage& page, const QString& path, QString* error) {
    if (!page.IsValid() || path.isEmpty()) {
        if (error) *error = QStringLiteral("Invalid input data");
        return false;
    }
    FileOutput file(path);
    bool ok = file.open();
    if (ok) {
        QImageWriter writer(file.device(), "png");
        // A device error (a full disk) outranks the encoder's own account of it.
        ok = writer.write(page.ToBitmap()) && file.commit();
        if (!ok && error) *error = file.errorText().isEmpty() ? writer.errorString() : file.errorText();
        return ok;
    }
    if (error) *error = file.errorText();
    return false;
}

PdfPages::PdfPages() = default;

PdfPages::~PdfPages() {
    // Not closed: the painter ends before its writer, and the target stays untouched.
    if (painter_) painter_->end();
    painter_.reset();
    writer_.reset();
    if (file_) file_->cancel();
}

bool PdfPages::open(const QString& path, const QSizeF& pageInches, int resolution, const QString& title) {
    file_ = std::make_unique<FileOutput>(path);
    if (!file_->open()) {
        error_ = file_->errorText();
        return false;
    }
    writer_ = std::make_unique<QPdfWriter>(file_->device());
    writer_->setCreator(QStringLiteral("Snapvale"));
    writer_->setTitle(title);
    writer_->setResolution(resolution);
    writer_->setPageSize(QPageSize(pageInches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    writer_->setPageMargins(QMarginsF(0, 0, 0, 0));
    return true;
}

bool PdfPages::addPage(const QImage& page) {
    if (!writer_) return false;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(writer_.get())) return false;
    } else if (!writer_->newPage()) {
        return false;
    }
    // At the writer's resolution one page pixel is one device pixel.
    painter_->drawImage(QRect(0, 0, page.width(), page.height()), page);
    ++pages_;
    return true;
}

bool PdfPages::close() {
    if (!file_) return false;
    const bool painted = painter_ && painter_->end();
    painter_.reset();
    writer_.reset();
    if (!painted || pages_ == 0) {
        file_->cancel();
        file_.reset();
        return false;
    }
    const bool ok = file_->commit();
    if (!ok) error_ = file_->errorText();
    file_.reset();
    return ok;
}

bool WritePdf(const KeptPage& page, const QString& path, const QString& title, QString* error) {
    if (!page.isValid() || path.isEmpty() || page.resolution <= 0) {
        if (error) *error = QStringLiteral("Invalid input data");
        return false;
    }
    PdfPages pdf;
    const bool ok =
        pdf.open(path, QSizeF(page.sizes.templateWidth, page.sizes.templateHeight), page.resolution, title) &&
        pdf.addPage(page.image.ToBitmap()) && pdf.close();
    if (!ok && error) *error = pdf.errorText().isEmpty() ? QStringLiteral("Write error") : pdf.errorText();
    return ok;
}

bool WriteBmp(const CxImage& page, const QString& path, QString* error) {
    const QByteArray head = page.IsValid() ? bmpFileHeader(page.GetDIB(), page.GetDIBSize()) : QByteArray();
    if (head.isEmpty() || path.isEmpty()) {
        if (error) *error = QStringLiteral("Invalid input data");
        return false;
    }
    return saveBytes(path, head, reinterpret_cast<const char*>(page.GetDIB()), qint64(page.GetDIBSize()),
                     error);
}

namespace {

// A checked view of a DIB block's rows.
struct DibRows {
    const std::uint8_t* dib = nullptr;
    const std::uint8_t* palette = nullptr;
    std::uint64_t entries = 0;
    std::uint64_t offset = 0;
    std::uint64_t stride = 0;
    int width = 0;
    int height = 0;
    int bits = 0;
};

bool parseDib(const std::uint8_t* dib, std::size_t dibSize, DibRows& out, QString& errorText) {
    if (!dib || dibSize < 40 || le32(dib) < 40 || le32(dib) > dibSize) {
        errorText = QStringLiteral("Invalid input data");
        return false;
    }
    const std::int32_t w = std::int32_t(le32(dib + 4));
    const std::int32_t h = std::int32_t(le32(dib + 8));
    const int bits = le16(dib + 14);
    const std::uint32_t compression = le32(dib + 16);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        errorText = QStringLiteral("Invalid bitmap bit count");
        return false;
    }
    // Kept pages are bottom-up and of a sane size; anything else is not ours.
    if (w <= 0 || h <= 0 || std::uint64_t(w) * std::uint64_t(h) > CxImage::kMaxPixels) {
        errorText = QStringLiteral("Invalid input data");
        return false;
    }
    const std::uint64_t entries = bits <= 8 ? colourEntries(dib) : 0;
    if (bits <= 8 && entries > (std::uint64_t(1) << bits)) {
        errorText = QStringLiteral("Invalid input data");
        return false;
    }
    std::uint64_t offset = le32(dib) + 4 * entries;
    if (compression == 3 && bits > 8) offset += 12;  // bit-field masks
    // 32-bit rows need no padding; the others are padded to four bytes.
    const std::uint64_t stride = ((std::uint64_t(w) * std::uint64_t(bits) + 31) / 32) * 4;
    if (offset + stride * std::uint64_t(h) > dibSize) {
        errorText = QStringLiteral("Invalid input data");
        return false;
    }
    out = DibRows{dib, dib + le32(dib), entries, offset, stride, w, h, bits};
    return true;
}

// Output row i (top-down) as red, green, blue bytes.
void convertRow(const DibRows& r, int i, std::uint8_t* d) {
    const std::uint8_t* s = r.dib + r.offset + r.stride * std::uint64_t(r.height - 1 - i);
    auto fromTable = [&](unsigned index, std::uint8_t* p) {
        if (index >= r.entries) index = 0;
        const std::uint8_t* q = r.palette + 4 * std::size_t(index);
        p[0] = q[2];
        p[1] = q[1];
        p[2] = q[0];
    };
    const int w = r.width;
    switch (r.bits) {
        case 1:
            for (int x = 0; x < w; ++x, d += 3) fromTable((s[x >> 3] >> (7 - (x & 7))) & 1, d);
            break;
        case 4:
            for (int x = 0; x < w; ++x, d += 3) fromTable((x & 1) ? (s[x >> 1] & 0x0f) : (s[x >> 1] >> 4), d);
            break;
        case 8:
            for (int x = 0; x < w; ++x, d += 3) fromTable(s[x], d);
            break;
        case 16:
            for (int x = 0; x < w; ++x, d += 3) {
                const unsigned v = le16(s + 2 * x);
                d[0] = expand5((v >> 10) & 31);
                d[1] = expand5((v >> 5) & 31);
                d[2] = expand5(v & 31);
            }
            break;
        case 24:
            for (int x = 0; x < w; ++x, d += 3, s += 3) {
                d[0] = s[2];
                d[1] = s[1];
                d[2] = s[0];
            }
            break;
        default:
            for (int x = 0; x < w; ++x, d += 3, s += 4) {
                d[0] = s[2];
                d[1] = s[1];
                d[2] = s[0];
            }
            break;
    }
}

}  // namespace

QByteArray dibToRgbRows(const std::uint8_t* dib, std::size_t dibSize, int& width, int& height,
                        QString& errorText) {
    width = height = 0;
    DibRows rows;
    if (!parseDib(dib, dibSize, rows, errorText)) return {};
    QByteArray rgb;
    rgb.resize(qsizetype(std::uint64_t(rows.width) * std::uint64_t(rows.height) * 3));
    const std::size_t line = std::size_t(rows.width) * 3;
    for (int i = 0; i < rows.height; ++i)
        convertRow(rows, i, reinterpret_cast<std::uint8_t*>(rgb.data()) + std::size_t(i) * line);
    width = rows.width;
    height = rows.height;
    return rgb;
}

bool WriteJpeg(const CxImage& page, int quality, const QString& path, QString& errorText) {
    errorText.clear();
    if (quality < 0 || quality > 100 || !page.IsValid() || path.isEmpty()) {
        errorText = QStringLiteral("Invalid input data");
        return false;
    }
    DibRows rows;
    if (!parseDib(page.GetDIB(), page.GetDIBSize(), rows, errorText)) return false;
    // One row at a time: a page never needs a second full-size copy to be compressed.
    std::vector<std::uint8_t> row(std::size_t(rows.width) * 3);

    JpegJob job{};
    job.dib = &rows;
    job.row = row.data();
    job.width = rows.width;
    job.height = rows.height;
    job.quality = quality;
    job.dpiX = page.GetXDPI();
    job.dpiY = page.GetYDPI();
    const bool ok = compressRows(&job);
    if (!ok) {
        std::free(job.out);
        errorText = QString::fromUtf8(job.error);
        return false;
    }
    const bool saved = saveBytes(path, QByteArray(), reinterpret_cast<const char*>(job.out),
                                 qint64(job.outSize), &errorText);
    std::free(job.out);
    return saved && errorText.isEmpty();
}
