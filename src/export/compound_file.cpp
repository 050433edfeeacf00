#include "export/compound_file.h"

#include <algorithm>
#include <stdexcept>

#include "export/little_endian.h"

namespace quvolo {
namespace {

constexpr std::uint32_t kSectorSize = 512;
constexpr std::uint32_t kEntriesPerFatSector = kSectorSize / 4;
constexpr std::uint32_t kFatSectorsInHeader = 109;
constexpr std::uint32_t kFatSectorsPerDifatSector = kEntriesPerFatSector - 1;
constexpr std::uint32_t kMiniStreamCutoff = 4096;
constexpr std::uint32_t kDirectoryEntrySize = 128;

constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSectorMark = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSectorMark = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

constexpr std::uint8_t kStorageRoot = 5;
constexpr std::uint8_t kStreamObject = 2;
constexpr std::uint8_t kBlack = 1;

std::uint32_t sectors_for(std::uint64_t bytes, std::uint32_t per_sector) {
    return static_cast<std::uint32_t>((bytes + per_sector - 1) / per_sector);
}

// Sector numbers in file order: the stream, one directory sector, the FAT, then the DIFAT.
struct Layout {
    std::uint32_t stream_sectors = 0;
    std::uint32_t fat_sectors = 0;
    std::uint32_t difat_sectors = 0;

    std::uint32_t directory_sector() const { return stream_sectors; }
    std::uint32_t first_fat_sector() const { return stream_sectors + 1; }
    std::uint32_t first_difat_sector() const { return first_fat_sector() + fat_sectors; }
    std::uint32_t total_sectors() const { return first_difat_sector() + difat_sectors; }
};

Layout layout_for(std::uint64_t stream_size) {
    Layout layout;
    layout.stream_sectors = sectors_for(stream_size, kSectorSize);
    // The FAT also maps its own sectors and the DIFAT's, so grow both until they cover it all.
    for (;;) {
        const std::uint32_t fat = sectors_for(layout.total_sectors(), kEntriesPerFatSector);
        const std::uint32_t difat =
            fat > kFatSectorsInHeader
                ? sectors_for(fat - kFatSectorsInHeader, kFatSectorsPerDifatSector)
                : 0;
        if (fat == layout.fat_sectors && difat == layout.difat_sectors) {
            return layout;
        }
        layout.fat_sectors = fat;
        layout.difat_sectors = difat;
    }
}

void write_header(std::string& out, const Layout& layout) {
    out.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    out.append(16, '\0');  // class id
    put_u16(out, 0x003E);  // minor version
    put_u16(out, 0x0003);  // major version: 512-byte sectors
    put_u16(out, 0xFFFE);  // byte order mark: little-endian
    put_u16(out, 9);       // sector size 2^9
    put_u16(out, 6);       // mini sector size 2^6
    out.append(6, '\0');
    put_u32(out, 0);  // directory sectors: always 0 in version 3
    put_u32(out, layout.fat_sectors);
    put_u32(out, layout.directory_sector());
    put_u32(out, 0);  // transaction signature
    put_u32(out, kMiniStreamCutoff);
    put_u32(out, kEndOfChain);  // no mini FAT
    put_u32(out, 0);
    put_u32(out, layout.difat_sectors > 0 ? layout.first_difat_sector() : kEndOfChain);
    put_u32(out, layout.difat_sectors);
    for (std::uint32_t i = 0; i < kFatSectorsInHeader; ++i) {
        put_u32(out, i < layout.fat_sectors ? layout.first_fat_sector() + i : kFreeSector);
    }
}

void write_directory_entry(std::string& out, std::u16string_view name, std::uint8_t type,
                           std::uint32_t child, std::uint32_t start_sector, std::uint32_t size) {
    const std::size_t start = out.size();
    for (char16_t unit : name) {
        put_u16(out, unit);
    }
    out.resize(start + 64, '\0');
    put_u16(out, static_cast<std::uint16_t>((name.size() + 1) * 2));
    out.push_back(static_cast<char>(type));
    out.push_back(static_cast<char>(kBlack));
    put_u32(out, kNoStream);  // left sibling
    put_u32(out, kNoStream);  // right sibling
    put_u32(out, child);
    out.append(16 + 4 + 8 + 8, '\0');  // class id, state bits, creation and modification times
    put_u32(out, start_sector);
    put_u32(out, size);
    put_u32(out, 0);  // high half of the size, zero in version 3
}

void write_unused_directory_entry(std::string& out) {
    out.append(68, '\0');
    put_u32(out, kNoStream);
    put_u32(out, kNoStream);
    put_u32(out, kNoStream);
    out.append(kDirectoryEntrySize - 80, '\0');
}

void write_directory(std::string& out, std::u16string_view stream_name, std::uint32_t size) {
    write_directory_entry(out, u"Root Entry", kStorageRoot, 1, kEndOfChain, 0);
    write_directory_entry(out, stream_name, kStreamObject, kNoStream, 0, size);
    while (out.size() % kSectorSize != 0) {
        write_unused_directory_entry(out);
    }
}

void write_fat(std::string& out, const Layout& layout) {
    for (std::uint32_t sector = 0; sector + 1 < layout.stream_sectors; ++sector) {
        put_u32(out, sector + 1);
    }
    put_u32(out, kEndOfChain);  // last stream sector
    put_u32(out, kEndOfChain);  // the directory's only sector
    for (std::uint32_t i = 0; i < layout.fat_sectors; ++i) {
        put_u32(out, kFatSectorMark);
    }
    for (std::uint32_t i = 0; i < layout.difat_sectors; ++i) {
        put_u32(out, kDifatSectorMark);
    }
    for (std::uint64_t i = layout.total_sectors();
         i < std::uint64_t{layout.fat_sectors} * kEntriesPerFatSector; ++i) {
        put_u32(out, kFreeSector);
    }
}

// Each DIFAT sector lists the FAT sectors past the header's 109, then links to the next one.
void write_difat(std::string& out, const Layout& layout) {
    std::uint32_t fat_index = kFatSectorsInHeader;
    for (std::uint32_t d = 0; d < layout.difat_sectors; ++d) {
        for (std::uint32_t slot = 0; slot < kFatSectorsPerDifatSector; ++slot, ++fat_index) {
            put_u32(out, fat_index < layout.fat_sectors ? layout.first_fat_sector() + fat_index
                                                        : kFreeSector);
        }
        put_u32(out,
                d + 1 < layout.difat_sectors ? layout.first_difat_sector() + d + 1 : kEndOfChain);
    }
}

}  // namespace

std::string compound_file_with_stream(std::u16string_view stream_name, std::string_view stream) {
    if (stream_name.empty() || stream_name.size() > 31) {
        throw std::invalid_argument("compound file stream name must have 1 to 31 characters");
    }
    if (stream.size() > kCompoundFileMaxStreamSize) {
        throw std::length_error("stream too large for a version 3 compound file");
    }
    const std::uint32_t stored_size =
        std::max<std::uint32_t>(static_cast<std::uint32_t>(stream.size()), kMiniStreamCutoff);
    const Layout layout = layout_for(stored_size);

    std::string out;
    out.reserve(std::uint64_t{layout.total_sectors() + 1} * kSectorSize);
    write_header(out, layout);
    out.append(stream);
    out.resize(kSectorSize + std::uint64_t{layout.stream_sectors} * kSectorSize, '\0');
    write_directory(out, stream_name, stored_size);
    write_fat(out, layout);
    write_difat(out, layout);
    return out;
}

}  // namespace quvolo
