#include "export/biff8_workbook.h"

#include <algorithm>

#include "export/biff_record_stream.h"
#include "export/little_endian.h"

namespace quvolo {
namespace {

enum RecordType : std::uint16_t {
    kEof = 0x000A,
    kWindow1 = 0x003D,
    kContinue = 0x003C,
    kCodePage = 0x0042,
    kFont = 0x0031,
    kBoundSheet = 0x0085,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kExtSst = 0x00FF,
    kXf = 0x00E0,
    kDimensions = 0x0200,
    kWindow2 = 0x023E,
    kStyle = 0x0293,
    kBof = 0x0809,
};

constexpr std::uint16_t kBiff8Version = 0x0600;
constexpr std::uint16_t kGlobalsSubstream = 0x0005;
constexpr std::uint16_t kWorksheetSubstream = 0x0010;
constexpr std::uint16_t kCodePageUtf16 = 1200;
// Every string is stored as UTF-16: the flags byte of an uncompressed string.
constexpr std::uint8_t kUtf16Flags = 0x01;
// Style XFs 0-14 are the built-in styles; XF 15 is the cell format every cell uses.
constexpr int kStyleXfCount = 15;
constexpr std::uint16_t kCellXf = kStyleXfCount;
// Font index 4 does not exist in BIFF, so five records give fonts 0-3 and 5.
constexpr int kFontCount = 5;

void put_utf16(std::string& out, std::u16string_view text) {
    for (char16_t unit : text) {
        put_u16(out, unit);
    }
}

void write_bof(BiffRecordStream& out, std::uint16_t substream) {
    out.begin(kBof);
    std::string& b = out.bytes();
    put_u16(b, kBiff8Version);
    put_u16(b, substream);
    put_u16(b, 0x0DBB);  // build
    put_u16(b, 0x07CC);  // build year
    put_u32(b, 0);       // file history
    put_u32(b, 0x0006);  // lowest version that can read the file: BIFF8
    out.end();
}

void write_empty_record(BiffRecordStream& out, std::uint16_t type) {
    out.begin(type);
    out.end();
}

void write_window1(BiffRecordStream& out) {
    out.begin(kWindow1);
    std::string& b = out.bytes();
    put_u16(b, 0x0168);  // left, top, width, height in twips
    put_u16(b, 0x001E);
    put_u16(b, 0x4000);
    put_u16(b, 0x2000);
    put_u16(b, 0x0038);  // scroll bars and sheet tabs shown
    put_u16(b, 0);       // active sheet
    put_u16(b, 0);       // first visible tab
    put_u16(b, 1);       // selected tabs
    put_u16(b, 600);     // tab bar width, per mille
    out.end();
}

void write_font(BiffRecordStream& out) {
    static constexpr std::u16string_view kName = u"宋体";
    out.begin(kFont);
    std::string& b = out.bytes();
    put_u16(b, 240);     // 12 points in twips
    put_u16(b, 0);       // not italic, not struck out
    put_u16(b, 0x7FFF);  // automatic colour
    put_u16(b, 400);     // normal weight
    put_u16(b, 0);       // no super- or subscript
    put_u8(b, 0);        // no underline
    put_u8(b, 0);        // family unknown
    put_u8(b, 134);      // GB2312 character set
    put_u8(b, 0);
    put_u8(b, static_cast<std::uint8_t>(kName.size()));
    put_u8(b, kUtf16Flags);
    put_utf16(b, kName);
    out.end();
}

void write_xf(BiffRecordStream& out, bool style) {
    out.begin(kXf);
    std::string& b = out.bytes();
    put_u16(b, 0);  // font
    put_u16(b, 0);  // number format: General
    // Locked; a style XF has no parent (0xFFF), a cell XF inherits from the Normal style.
    put_u16(b, style ? 0xFFF5 : 0x0001);
    put_u8(b, 0x20);  // aligned to the bottom
    put_u8(b, 0);     // no rotation
    put_u8(b, 0);     // no indent
    put_u8(b, 0);     // every attribute taken as given
    put_u32(b, 0);    // no borders
    put_u32(b, 0);
    put_u16(b, 0x20C0);  // pattern colours: system foreground and background
    out.end();
}

void write_normal_style(BiffRecordStream& out) {
    out.begin(kStyle);
    std::string& b = out.bytes();
    put_u16(b, 0x8000);  // built-in style on XF 0
    put_u8(b, 0);        // Normal
    put_u8(b, 0xFF);     // no outline level
    out.end();
}

// Returns where the sheet's stream offset goes, to be filled in once the globals are written.
std::size_t write_bound_sheet(BiffRecordStream& out, std::u16string_view name) {
    out.begin(kBoundSheet);
    std::string& b = out.bytes();
    const std::size_t offset_at = b.size();
    put_u32(b, 0);
    put_u8(b, 0);  // visible
    put_u8(b, 0);  // worksheet
    put_u8(b, static_cast<std::uint8_t>(name.size()));
    put_u8(b, kUtf16Flags);
    put_utf16(b, name);
    out.end();
    return offset_at;
}

struct SetStart {
    std::uint32_t stream_position;
    std::uint16_t record_offset;
};

// The shared strings, split over CONTINUE records: a string's header never splits, a
// character never splits, and a string continued in a new record starts it with its flags.
// Returns where every dsst-th string starts, for EXTSST.
std::vector<SetStart> write_shared_strings(BiffRecordStream& out, const TextWorkbook& book,
                                           std::size_t strings_per_set) {
    constexpr std::size_t kStringHeader = 3;
    std::vector<SetStart> sets;
    out.begin(kSst);
    put_u32(out.bytes(), static_cast<std::uint32_t>(book.cells.size()));
    put_u32(out.bytes(), static_cast<std::uint32_t>(book.strings.size()));
    for (std::size_t i = 0; i < book.strings.size(); ++i) {
        std::u16string_view text = book.strings[i];
        if (out.room() < kStringHeader + (text.empty() ? 0 : 2)) {
            out.end();
            out.begin(kContinue);
        }
        if (i % strings_per_set == 0) {
            sets.push_back({static_cast<std::uint32_t>(out.position()),
                            static_cast<std::uint16_t>(out.position() - out.record_start())});
        }
        put_u16(out.bytes(), static_cast<std::uint16_t>(text.size()));
        put_u8(out.bytes(), kUtf16Flags);
        for (;;) {
            const std::size_t fits = std::min(text.size(), out.room() / 2);
            put_utf16(out.bytes(), text.substr(0, fits));
            text.remove_prefix(fits);
            if (text.empty()) {
                break;
            }
            out.end();
            out.begin(kContinue);
            put_u8(out.bytes(), kUtf16Flags);
        }
    }
    out.end();
    return sets;
}

void write_extended_shared_strings(BiffRecordStream& out, std::size_t strings_per_set,
                                   const std::vector<SetStart>& sets) {
    out.begin(kExtSst);
    put_u16(out.bytes(), static_cast<std::uint16_t>(strings_per_set));
    for (const SetStart& set : sets) {
        put_u32(out.bytes(), set.stream_position);
        put_u16(out.bytes(), set.record_offset);
        put_u16(out.bytes(), 0);
    }
    out.end();
}

void write_globals(BiffRecordStream& out, const TextWorkbook& book) {
    write_bof(out, kGlobalsSubstream);
    out.begin(kCodePage);
    put_u16(out.bytes(), kCodePageUtf16);
    out.end();
    write_window1(out);
    for (int i = 0; i < kFontCount; ++i) {
        write_font(out);
    }
    for (int i = 0; i < kStyleXfCount; ++i) {
        write_xf(out, true);
    }
    write_xf(out, false);
    write_normal_style(out);
    const std::size_t sheet_offset_at = write_bound_sheet(out, book.sheet_name);
    // Sets of strings for quick lookup, at most 128 of them.
    const std::size_t strings_per_set = std::max<std::size_t>(book.strings.size() / 128 + 1, 8);
    const std::vector<SetStart> sets = write_shared_strings(out, book, strings_per_set);
    write_extended_shared_strings(out, strings_per_set, sets);
    write_empty_record(out, kEof);
    patch_u32(out.bytes(), sheet_offset_at, static_cast<std::uint32_t>(out.position()));
}

void write_sheet(BiffRecordStream& out, const TextWorkbook& book) {
    const auto columns = static_cast<std::size_t>(book.column_count);
    const std::size_t rows = book.cells.size() / columns;
    write_bof(out, kWorksheetSubstream);

    out.begin(kDimensions);
    put_u32(out.bytes(), 0);                                    // first row
    put_u32(out.bytes(), static_cast<std::uint32_t>(rows));     // last row + 1
    put_u16(out.bytes(), 0);                                    // first column
    put_u16(out.bytes(), static_cast<std::uint16_t>(columns));  // last column + 1
    put_u16(out.bytes(), 0);
    out.end();

    out.begin(kWindow2);
    put_u16(out.bytes(), 0x06B6);  // grid, headers, zeros, outline; selected and shown
    put_u16(out.bytes(), 0);       // top row
    put_u16(out.bytes(), 0);       // left column
    put_u16(out.bytes(), 0x40);    // grid colour: automatic
    put_u16(out.bytes(), 0);
    put_u16(out.bytes(), 0);  // zoom of the page break preview: default
    put_u16(out.bytes(), 0);  // zoom of the normal view: default
    put_u32(out.bytes(), 0);
    out.end();

    for (std::size_t i = 0; i < book.cells.size(); ++i) {
        out.begin(kLabelSst);
        put_u16(out.bytes(), static_cast<std::uint16_t>(i / columns));
        put_u16(out.bytes(), static_cast<std::uint16_t>(i % columns));
        put_u16(out.bytes(), kCellXf);
        put_u32(out.bytes(), book.cells[i]);
        out.end();
    }
    write_empty_record(out, kEof);
}

}  // namespace

std::string biff8_workbook_stream(const TextWorkbook& book) {
    BiffRecordStream out;
    write_globals(out, book);
    write_sheet(out, book);
    return std::move(out.bytes());
}

}  // namespace quvolo
