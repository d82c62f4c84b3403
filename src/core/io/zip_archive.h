// Zip archives in memory, for the palette formats that are zips (Krita, Procreate, SwatchBooker).
// An entry is read whole or handed over a piece at a time as it is inflated, always within
// bounds checked before and while it is inflated, so a small file that would unpack into
// gigabytes (a zip bomb) is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tintora {

inline constexpr std::size_t kZipMaxEntries = 10000;
inline constexpr std::size_t kZipMaxEntryBytes = 64u << 20;

// "64 MB": a size as a refusal says it, rounded up.
inline std::string Megabytes(std::size_t bytes) {
  return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB";
}

// One entry of an archive being read: its bytes, or why there are none. `missing` when the
// archive has no entry of that name (the only failure a reader may pass over).
struct ZipEntryRead {
  std::optional<std::string> bytes;
  bool missing = false;
  std::string why;  // completes "... is refused: " style sentences ("holds no ...", "would unpack ...")
};

class ZipReader {
 public:
  // Opens the archive in `bytes`, which must outlive the reader. On failure Ok() is false and
  // Why() says what is wrong ("is not a zip archive.", "holds more files than a palette can.").
  explicit ZipReader(std::string_view bytes);
  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  bool Ok() const { return why_.empty(); }
  const std::string& Why() const { return why_; }
  // The named entry (case as written, or any case when none matches exactly), inflated whole.
  ZipEntryRead Read(std::string_view name, std::size_t maxBytes = kZipMaxEntryBytes) const;
  // The named entry handed to `take` a piece at a time as it is inflated, so a big entry is
  // never held whole; `take` returns false to stop early. `sizeHint` (may be null) learns the
  // size the archive claims, before the first piece. The result's `bytes` stay empty.
  // A big entry is inflated on a thread of its own, a few pieces ahead of `take`.
  ZipEntryRead Stream(std::string_view name, const std::function<bool(std::string_view piece)>& take,
                      std::size_t* sizeHint = nullptr, std::size_t maxBytes = kZipMaxEntryBytes) const;

 private:
  ZipEntryRead Inflate(std::string_view name, const std::function<bool(std::string_view piece)>& take,
                       std::size_t* sizeHint, std::size_t maxBytes, bool ahead) const;

  // One file as the archive's listing has it.
  struct Entry {
    std::string_view name;
    std::uint16_t flags = 0, method = 0;
    std::uint32_t crc = 0;
    std::uint64_t packed = 0, size = 0, local = 0;  // local: where its own header is
  };
  // Reads the archive's listing into `entries_`; why it cannot, or nothing.
  std::string ReadListing();
  // The entry of that name, or of that name in another case when none has it exactly.
  const Entry* Find(std::string_view name) const;

  std::string_view bytes_;
  std::vector<Entry> entries_;
  std::string why_;
};

}  // namespace tintora
