// Zip archives written in memory, for the palette formats that are zips (Krita, Procreate).
// An entry is given whole, or a piece at a time as its writer makes it: each piece is deflated
// on a thread of its own while the next is made, so a palette of 100,000 colours costs the
// longer of the two rather than both. Plain zip (no zip64, entries within kZipMaxEntryBytes),
// UTF-8 names and a fixed date, so the same list gives the same bytes.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tintora {

class ZipWriter {
 public:
  ZipWriter();
  ~ZipWriter();
  ZipWriter(const ZipWriter&) = delete;
  ZipWriter& operator=(const ZipWriter&) = delete;

  // An entry given whole, of any size up to the format's (callers ask TooLargeToReadBack first);
  // `stored` leaves it uncompressed (a "mimetype" entry must be, and first).
  void Add(std::string_view name, std::string_view bytes, bool stored = false);
  // An entry made a piece at a time: Begin, Put each piece in order, End.
  void Begin(std::string_view name);
  // False once the entry has passed kZipMaxEntryBytes (it would not open again): stop making it.
  bool Put(std::string piece);
  void End();
  // The entry made last passed the bound, at this many bytes (0 when none did).
  std::size_t TooLargeAt() const { return tooLargeAt_; }
  // The archive; empty when zlib failed or an entry passed the bound.
  std::string Finish();

 private:
  struct Deflated;
  void Place(std::string_view name, const Deflated& entry, std::string_view data, bool stored);

  struct Placed {
    std::string name;
    std::uint32_t crc;
    std::uint32_t packed, size;
    std::uint32_t offset;
    bool stored;
  };
  std::string archive_;
  std::vector<Placed> placed_;
  bool failed_ = false;
  std::size_t tooLargeAt_ = 0;

  // The entry being made, and the thread deflating it.
  std::string making_;
  std::unique_ptr<Deflated> deflated_;
  std::thread deflater_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> pieces_;
  bool ended_ = false, deflaterGone_ = false;
  std::size_t madeBytes_ = 0;
};

struct ZipEntryToWrite {
  std::string_view name;
  std::string_view bytes;
  bool stored = false;  // not compressed (a "mimetype" entry must be so, and first)
};

// What Tintora writes it reads back: why an archive of these entries would be refused (an
// entry past kZipMaxEntryBytes), in words that follow "A Krita palette of this list ";
// nullopt when every entry fits.
std::optional<std::string> TooLargeToReadBack(std::span<const ZipEntryToWrite> entries);

// The archive of the entries in their order, with a fixed date so the same list gives the same
// bytes. Empty when the zip library fails (which it does not for data in memory).
std::string WriteZip(std::span<const ZipEntryToWrite> entries);

// The same for an entry named `name` that was made a piece at a time and passed the bound.
std::string TooLargeToReadBack(std::string_view name);

}  // namespace tintora
