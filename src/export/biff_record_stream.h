#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quvolo {

// BIFF records appended to one stream; each record's length is filled in when it ends.
class BiffRecordStream {
  public:
    // The most data one record may carry; longer contents go on in CONTINUE records.
    static constexpr std::size_t kMaxRecordData = 8224;

    void begin(std::uint16_t type);
    void end();
    // Data bytes the open record can still take.
    std::size_t room() const;
    // Stream position of the open record's header.
    std::size_t record_start() const { return record_start_; }
    std::size_t position() const { return bytes_.size(); }

    // The stream itself, for appending the open record's data and for patching.
    std::string& bytes() { return bytes_; }

  private:
    std::string bytes_;
    std::size_t record_start_ = 0;
};

}  // namespace quvolo
