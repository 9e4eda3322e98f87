#include "image/codecs/HeifBoxes.h"

#include <algorithm>
#include <map>

#include "image/codecs/ByteReader.h"

namespace codecs {
namespace {

// A meta box larger than this is not a photo's; it is refused rather than read.
constexpr std::uint64_t kMaxMetaBytes = 16u << 20;

constexpr std::uint32_t type(const char (&s)[5]) {
    return std::uint32_t(std::uint8_t(s[0])) << 24 | std::uint32_t(std::uint8_t(s[1])) << 16 |
           std::uint32_t(std::uint8_t(s[2])) << 8 | std::uint32_t(std::uint8_t(s[3]));
}

struct Box {
    std::uint32_t type = 0;
    std::uint64_t start = 0;  // of the payload, after the size and type
    std::uint64_t size = 0;   // of the payload
};

// The next box header in [at, end) of a source; false at the end or on a box that does
// not fit.
bool nextBox(HeaderSource& source, std::uint64_t& at, std::uint64_t end, Box& box) {
    std::uint8_t head[16];
    if (end < at || end - at < 8 || source.readAt(at, head, 8) != 8) return false;
    ByteReader r(head, 16);
    std::uint64_t size = r.u32be();
    box.type = r.u32be();
    std::uint64_t headerBytes = 8;
    if (size == 1) {
        if (end - at < 16 || source.readAt(at + 8, head + 8, 8) != 8) return false;
        size = std::uint64_t(r.u32be()) << 32;
        size |= r.u32be();
        headerBytes = 16;
    } else if (size == 0) {
        size = end - at;  // to the end of what holds it
    }
    if (size < headerBytes || size > end - at) return false;
    box.start = at + headerBytes;
    box.size = size - headerBytes;
    at += size;
    return true;
}

// Reads the integer of n bytes (0, 2, 4 or 8) that iloc's size fields announce.
std::uint64_t sized(ByteReader& r, int n) {
    switch (n) {
        case 0:
            return 0;
        case 2:
            return r.u16be();
        case 4:
            return r.u32be();
        case 8: {
            const std::uint64_t high = r.u32be();
            return high << 32 | r.u32be();
        }
        default:
            r.skip(r.remaining() + 1);  // a size iloc may not use: fail the read
            return 0;
    }
}

struct Extent {
    std::uint64_t offset, length;
};
struct Location {
    int method = 0;  // 0: file offset, 1: in idat
    std::uint64_t base = 0;
    std::vector<Extent> extents;
};

bool parseIloc(ByteReader r, std::map<std::uint32_t, Location>& out) {
    const std::uint8_t version = r.u8();
    r.skip(3);
    const std::uint8_t sizes = r.u8(), moreSizes = r.u8();
    const int offsetSize = sizes >> 4, lengthSize = sizes & 15, baseSize = moreSizes >> 4;
    const int indexSize = (version == 1 || version == 2) ? moreSizes & 15 : 0;
    if (version > 2) return false;
    const std::uint32_t count = version < 2 ? r.u16be() : r.u32be();
    for (std::uint32_t i = 0; i < count && !r.overrun(); ++i) {
        const std::uint32_t id = version < 2 ? r.u16be() : r.u32be();
        Location loc;
        if (version >= 1) loc.method = r.u16be() & 15;
        r.u16be();  // data reference index
        loc.base = sized(r, baseSize);
        const std::uint16_t extents = r.u16be();
        // Every extent takes at least its offset and length bytes: a count the box
        // cannot hold is refused before anything is reserved for it.
        if (std::uint64_t(extents) * std::uint64_t(offsetSize + lengthSize + indexSize) > r.remaining())
            return false;
        for (std::uint16_t e = 0; e < extents && !r.overrun(); ++e) {
            sized(r, indexSize);
            const std::uint64_t offset = sized(r, offsetSize);
            const std::uint64_t length = sized(r, lengthSize);
            loc.extents.push_back({offset, length});
        }
        out[id] = std::move(loc);
    }
    return !r.overrun();
}

// Item types from iinf's infe entries (version 2 and 3 only name a type).
bool parseIinf(HeaderSource& source, const Box& iinf, std::map<std::uint32_t, std::uint32_t>& types) {
    std::uint8_t head[8];
    if (iinf.size < 6 || source.readAt(iinf.start, head, 8) < 6) return false;
    ByteReader h(head, 8);
    const std::uint8_t version = h.u8();
    h.skip(3);
    std::uint64_t at = iinf.start + 4 + (version == 0 ? 2 : 4);
    const std::uint64_t end = iinf.start + iinf.size;
    Box infe;
    while (nextBox(source, at, end, infe)) {
        if (infe.type != type("infe")) continue;
        std::uint8_t b[16] = {};
        const std::size_t got =
            source.readAt(infe.start, b, std::size_t(std::min<std::uint64_t>(16, infe.size)));
        ByteReader r(b, got);
        const std::uint8_t v = r.u8();
        r.skip(3);
        if (v < 2) continue;
        const std::uint32_t id = v == 2 ? r.u16be() : r.u32be();
        r.u16be();  // protection index
        const std::uint32_t itemType = r.u32be();
        if (r.overrun()) return false;
        types[id] = itemType;
    }
    return true;
}

// Each item's ispe, through ipco's property list and ipma's associations.
bool parseIprp(HeaderSource& source, const Box& iprp,
               std::map<std::uint32_t, std::pair<std::uint32_t, std::uint32_t>>& ispe) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ispeByIndex;  // 1-based; {0, 0}: not an ispe
    std::vector<std::uint8_t> ipma;
    bool haveIpco = false;
    std::uint64_t at = iprp.start;
    const std::uint64_t end = iprp.start + iprp.size;
    Box b;
    while (nextBox(source, at, end, b)) {
        if (b.type == type("ipco") && !haveIpco) {
            haveIpco = true;
            std::uint64_t p = b.start;
            Box prop;
            while (nextBox(source, p, b.start + b.size, prop)) {
                std::pair<std::uint32_t, std::uint32_t> size{0, 0};
                if (prop.type == type("ispe") && prop.size >= 12) {
                    std::uint8_t v[12];
                    if (source.readAt(prop.start, v, 12) != 12) return false;
                    ByteReader r(v, 12);
                    r.skip(4);
                    size.first = r.u32be();
                    size.second = r.u32be();
                }
                ispeByIndex.push_back(size);
            }
        } else if (b.type == type("ipma")) {
            if (b.size > kMaxMetaBytes) return false;
            const std::size_t n = ipma.size();
            ipma.resize(n + std::size_t(b.size));
            if (source.readAt(b.start, ipma.data() + n, std::size_t(b.size)) != b.size) return false;
            ByteReader r(ipma.data() + n, std::size_t(b.size));
            const std::uint8_t version = r.u8();
            r.skip(2);
            const bool wideIndex = r.u8() & 1;
            const std::uint32_t entries = r.u32be();
            for (std::uint32_t i = 0; i < entries && !r.overrun(); ++i) {
                const std::uint32_t id = version < 1 ? r.u16be() : r.u32be();
                const std::uint8_t count = r.u8();
                for (int k = 0; k < count && !r.overrun(); ++k) {
                    const std::uint32_t index = wideIndex ? (r.u16be() & 0x7fff) : (r.u8() & 0x7f);
                    if (index >= 1 && index <= ispeByIndex.size() && ispeByIndex[index - 1].first != 0 &&
                        !ispe.count(id))
                        ispe[id] = ispeByIndex[index - 1];
                }
            }
            if (r.overrun()) return false;
        }
    }
    return haveIpco;
}

// The first `n` bytes of an item's data.
bool itemBytes(HeaderSource& source, const Location& loc, std::uint64_t idatStart, std::uint64_t idatSize,
               std::uint8_t* out, std::size_t n) {
    std::size_t have = 0;
    for (const Extent& e : loc.extents) {
        if (have == n) break;
        std::uint64_t offset = loc.base;
        if (e.offset > UINT64_MAX - offset) return false;
        offset += e.offset;
        // A length of 0 means the rest of the file (or of idat).
        std::uint64_t limit = loc.method == 1 ? idatSize : source.size();
        if (offset > limit) return false;
        const std::uint64_t length = e.length ? std::min(e.length, limit - offset) : limit - offset;
        if (loc.method == 1) offset += idatStart;
        const std::size_t want = std::size_t(std::min<std::uint64_t>(length, n - have));
        if (source.readAt(offset, out + have, want) != want) return false;
        have += want;
    }
    return have == n;
}

// The canvas a grid or overlay description states.
bool readCanvas(HeaderSource& source, std::uint32_t itemType, const Location& loc, std::uint64_t idatStart,
                std::uint64_t idatSize, std::uint32_t& width, std::uint32_t& height) {
    if (loc.method > 1) return false;
    std::uint8_t head[2];
    if (!itemBytes(source, loc, idatStart, idatSize, head, 2) || head[0] != 0) return false;
    const int field = (head[1] & 1) ? 4 : 2;
    // grid: version, flags, rows - 1, columns - 1; overlay: version, flags, four fill values.
    const std::size_t before = itemType == type("grid") ? 4 : 2 + 4 * 2;
    std::uint8_t d[2 + 8 + 8] = {};
    const std::size_t n = before + 2 * std::size_t(field);
    if (!itemBytes(source, loc, idatStart, idatSize, d, n)) return false;
    ByteReader r(d + before, n - before);
    width = field == 4 ? r.u32be() : r.u16be();
    height = field == 4 ? r.u32be() : r.u16be();
    return !r.overrun();
}

}  // namespace

HeifLayout ReadHeifLayout(HeaderSource& source) {
    HeifLayout layout;
    std::uint64_t at = 0;
    Box meta;
    bool found = false;
    while (nextBox(source, at, source.size(), meta))
        if (meta.type == type("meta")) {
            found = true;
            break;
        }
    if (!found || meta.size < 4 || meta.size > kMaxMetaBytes) return layout;

    std::uint32_t primary = 0;
    bool havePrimary = false, haveIinf = false;
    std::map<std::uint32_t, Location> locations;
    std::map<std::uint32_t, std::uint32_t> types;
    std::map<std::uint32_t, std::pair<std::uint32_t, std::uint32_t>> ispe;
    std::uint64_t idatStart = 0, idatSize = 0;
    std::uint64_t p = meta.start + 4;  // meta is a full box
    Box b;
    while (nextBox(source, p, meta.start + meta.size, b)) {
        if (b.type == type("pitm") && !havePrimary) {
            std::uint8_t v[8] = {};
            const std::size_t got =
                source.readAt(b.start, v, std::size_t(std::min<std::uint64_t>(8, b.size)));
            ByteReader r(v, got);
            const std::uint8_t version = r.u8();
            r.skip(3);
            primary = version == 0 ? r.u16be() : r.u32be();
            if (r.overrun()) return layout;
            havePrimary = true;
        } else if (b.type == type("iloc") && locations.empty()) {
            std::vector<std::uint8_t> bytes(std::size_t(b.size));
            if (source.readAt(b.start, bytes.data(), bytes.size()) != bytes.size() ||
                !parseIloc(ByteReader(bytes.data(), bytes.size()), locations))
                return layout;
        } else if (b.type == type("iinf") && !haveIinf) {
            if (!parseIinf(source, b, types)) return layout;
            haveIinf = true;
        } else if (b.type == type("iprp") && ispe.empty()) {
            if (!parseIprp(source, b, ispe)) return layout;
        } else if (b.type == type("idat") && idatSize == 0) {
            idatStart = b.start;
            idatSize = b.size;
        }
    }
    if (!havePrimary || !haveIinf) return layout;
    layout.readable = true;
    for (const auto& [id, itemType] : types) {
        if (itemType != type("grid") && itemType != type("iovl")) continue;
        HeifCanvasItem item;
        item.id = id;
        item.primary = id == primary;
        if (const auto loc = locations.find(id); loc != locations.end())
            item.described = readCanvas(source, itemType, loc->second, idatStart, idatSize, item.canvasWidth,
                                        item.canvasHeight);
        if (const auto size = ispe.find(id); size != ispe.end()) {
            item.hasIspe = true;
            item.ispeWidth = size->second.first;
            item.ispeHeight = size->second.second;
        }
        layout.canvases.push_back(item);
    }
    return layout;
}

HeifCanvasVerdict JudgeHeifCanvases(const HeifLayout& layout, std::uint64_t maxPixels) {
    if (!layout.readable) return HeifCanvasVerdict::Corrupt;
    HeifCanvasVerdict verdict = HeifCanvasVerdict::Sound;
    for (const HeifCanvasItem& c : layout.canvases) {
        if (!c.described) return HeifCanvasVerdict::Corrupt;
        if (std::uint64_t(c.canvasWidth) * c.canvasHeight > maxPixels) return HeifCanvasVerdict::TooLarge;
        // Some writers store a turned picture's ispe turned; the pixels are the same.
        const bool asStated = (c.canvasWidth == c.ispeWidth && c.canvasHeight == c.ispeHeight) ||
                              (c.canvasWidth == c.ispeHeight && c.canvasHeight == c.ispeWidth);
        if (!c.hasIspe || !asStated) verdict = HeifCanvasVerdict::Corrupt;
    }
    return verdict;
}

}  // namespace codecs
