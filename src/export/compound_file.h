#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quvolo {

// Version 3 compound documents keep a stream's size in 32 bits and readers treat it as signed.
inline constexpr std::uint64_t kCompoundFileMaxStreamSize = 0x7FFFFFFF;

// A compound document (version 3, 512-byte sectors) whose root storage holds one stream.
// Streams under the 4096-byte cutoff would belong in the mini stream; this writer has none and
// pads a short stream with zero bytes up to the cutoff instead. A workbook stream tolerates
// that: readers stop at the EOF record of its last sheet.
// The stream name is at most 31 UTF-16 units; the stream at most kCompoundFileMaxStreamSize.
std::string compound_file_with_stream(std::u16string_view stream_name, std::string_view stream);

}  // namespace quvolo
