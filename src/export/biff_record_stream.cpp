#include "export/biff_record_stream.h"

#include <cassert>

#include "export/little_endian.h"

namespace quvolo {

void BiffRecordStream::begin(std::uint16_t type) {
    record_start_ = bytes_.size();
    put_u16(bytes_, type);
    put_u16(bytes_, 0);
}

void BiffRecordStream::end() {
    const std::size_t length = bytes_.size() - record_start_ - 4;
    assert(length <= kMaxRecordData);
    patch_u16(bytes_, record_start_ + 2, static_cast<std::uint16_t>(length));
}

std::size_t BiffRecordStream::room() const {
    return kMaxRecordData - (bytes_.size() - record_start_ - 4);
}

}  // namespace quvolo
