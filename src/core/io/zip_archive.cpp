#include "core/io/zip_archive.h"

#include <zlib.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <limits>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tintora {

namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50, kEnd64Signature = 0x06064b50,
                        kEnd64LocatorSignature = 0x07064b50, kCentralSignature = 0x02014b50,
                        kLocalSignature = 0x04034b50;
constexpr std::size_t kEndBytes = 22, kEnd64Bytes = 56, kEnd64LocatorBytes = 20, kCentralBytes = 46,
                      kLocalBytes = 30;
constexpr std::uint64_t kSee64 = 0xFFFFFFFF;  // a size or place too big for its field: see the zip64 one
constexpr std::uint16_t kStored = 0, kDeflated = 8, kEncrypted = 1;

// The little-endian number of `size` bytes at `at`, which the caller has seen lie within `b`.
std::uint64_t Le(std::string_view b, std::size_t at, int size) {
  std::uint64_t v = 0;
  for (int k = size - 1; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(b[at + k]);
  return v;
}

// The zip64 sizes and place among an entry's extra fields, for those whose own field says to
// look there. A field that runs past the others ends the search, as a writer's padding would.
void TakeZip64Fields(std::string_view extra, std::uint64_t& size, std::uint64_t& packed,
                     std::uint64_t& local) {
  for (std::size_t at = 0; extra.size() - at >= 4;) {
    const std::size_t length = Le(extra, at + 2, 2);
    if (length > extra.size() - at - 4) return;
    if (Le(extra, at, 2) == 1) {
      std::size_t field = at + 4;
      for (std::uint64_t* v : {&size, &packed, &local}) {
        if (*v != kSee64) continue;
        if (at + 4 + length - field < 8) return;
        *v = Le(extra, field, 8);
        field += 8;
      }
      return;
    }
    at += 4 + length;
  }
}

// An entry's bytes as they are unpacked, a piece at a time, held to its size and CRC at its end.
class EntryUnpacker {
 public:
  EntryUnpacker(std::string_view packed, bool deflated, std::uint32_t crc, std::uint64_t size)
      : packed_(packed), deflated_(deflated), expectedCrc_(crc), expectedSize_(size) {
    if (deflated_) ok_ = inflating_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK;
  }
  ~EntryUnpacker() {
    if (inflating_) inflateEnd(&stream_);
  }
  EntryUnpacker(const EntryUnpacker&) = delete;
  EntryUnpacker& operator=(const EntryUnpacker&) = delete;

  // Up to `room` bytes into `out`: how many, 0 at the entry's end, -1 when it is damaged.
  std::ptrdiff_t Next(char* out, std::size_t room) {
    if (!ok_) return -1;
    std::size_t made = 0;
    if (!deflated_) {
      made = std::min(room, packed_.size() - used_);
      std::copy_n(packed_.data() + used_, made, out);
      used_ += made;
      ended_ = used_ == packed_.size();
    } else {
      room = std::min<std::size_t>(room, std::numeric_limits<uInt>::max());
      while (made == 0 && !ended_) {
        if (stream_.avail_in == 0 && used_ < packed_.size()) {
          const std::size_t feed =
              std::min<std::size_t>(packed_.size() - used_, std::numeric_limits<uInt>::max());
          stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed_.data() + used_));
          stream_.avail_in = static_cast<uInt>(feed);
          used_ += feed;
        }
        stream_.next_out = reinterpret_cast<Bytef*>(out);
        stream_.avail_out = static_cast<uInt>(room);
        const int result = inflate(&stream_, Z_NO_FLUSH);
        made = room - stream_.avail_out;
        if (result == Z_STREAM_END) {
          ended_ = true;
        } else if (result != Z_OK && !(result == Z_BUF_ERROR && made > 0)) {
          return Fail();  // damaged, or its packed bytes end before its stream does
        }
      }
    }
    crc_ = crc32_z(crc_, reinterpret_cast<const Bytef*>(out), made);
    total_ += made;
    if (made == 0 && ended_ && (crc_ != expectedCrc_ || total_ != expectedSize_)) return Fail();
    return static_cast<std::ptrdiff_t>(made);
  }

 private:
  std::ptrdiff_t Fail() {
    ok_ = false;
    return -1;
  }

  z_stream stream_{};
  std::string_view packed_;
  bool deflated_, inflating_ = false, ok_ = true, ended_ = false;
  std::size_t used_ = 0;
  std::uint32_t crc_ = 0, expectedCrc_;
  std::uint64_t total_ = 0, expectedSize_;
};

// An entry this big is unpacked on a thread of its own, a piece ahead of its reader: with a
// second core the reader never waits for zlib.
constexpr std::size_t kInflateAheadFrom = 1u << 20;

// Unpacks an entry a piece ahead of `take` (at most a few pieces ahead); the reason it stopped
// early, or nothing.
std::string InflateAhead(EntryUnpacker& unpacker, const std::function<bool(std::string_view)>& take,
                         std::size_t maxBytes, const std::function<std::string()>& tooBig,
                         const std::function<std::string()>& damaged) {
  constexpr std::size_t kPiece = 256u << 10, kAhead = 4;
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<std::string> ready;
  std::vector<std::string> spare;
  bool inflated = false, wanted = true;
  std::string why;
  std::thread inflater([&] {
    std::string reason;
    try {
      std::size_t total = 0;
      while (true) {
        std::string piece;
        {
          const std::lock_guard lock(mutex);
          if (!spare.empty()) piece = std::move(spare.back()), spare.pop_back();
        }
        piece.resize(kPiece);
        const std::ptrdiff_t n = unpacker.Next(piece.data(), piece.size());
        if (n <= 0) {
          if (n < 0) reason = damaged();
          break;
        }
        total += static_cast<std::size_t>(n);
        if (total > maxBytes) {
          reason = tooBig();
          break;
        }
        piece.resize(static_cast<std::size_t>(n));
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return ready.size() < kAhead || !wanted; });
        if (!wanted) break;
        ready.push_back(std::move(piece));
        changed.notify_all();
      }
    } catch (const std::bad_alloc&) {
      reason = damaged();
    }
    const std::lock_guard lock(mutex);
    why = std::move(reason);
    inflated = true;
    changed.notify_all();
  });
  // However the reading ends (a reader's refusal, or a throw), the inflater is stopped first.
  struct Join {
    std::thread& thread;
    std::mutex& mutex;
    std::condition_variable& changed;
    bool& wanted;
    ~Join() {
      {
        const std::lock_guard lock(mutex);
        wanted = false;
        changed.notify_all();
      }
      thread.join();
    }
  } join{inflater, mutex, changed, wanted};
  while (true) {
    std::string piece;
    {
      std::unique_lock lock(mutex);
      changed.wait(lock, [&] { return !ready.empty() || inflated; });
      if (ready.empty()) return why;
      piece = std::move(ready.front());
      ready.pop_front();
      changed.notify_all();
    }
    if (!take(piece)) return {};
    const std::lock_guard lock(mutex);
    spare.push_back(std::move(piece));
  }
}

}  // namespace

ZipReader::ZipReader(std::string_view bytes) : bytes_(bytes) {
  why_ = ReadListing();
  if (!why_.empty()) entries_.clear();
}

std::string ZipReader::ReadListing() {
  const std::string_view bytes = bytes_;
  const auto notZip = [] { return "is not a zip archive, or a damaged one."; };
  // The end record is the archive's last, but for a comment of up to 64 KB.
  if (bytes.size() < kEndBytes) return notZip();
  const std::size_t last = bytes.size() - kEndBytes, first = last > 0xFFFF ? last - 0xFFFF : 0;
  std::size_t end = last + 1;
  for (std::size_t at = last + 1; at-- > first;)
    if (Le(bytes, at, 4) == kEndSignature && Le(bytes, at + 20, 2) <= last - at) {
      end = at;
      break;
    }
  if (end > last || Le(bytes, end + 4, 2) != 0 || Le(bytes, end + 6, 2) != 0)
    return notZip();  // none, or split
  std::uint64_t count = Le(bytes, end + 10, 2), directorySize = Le(bytes, end + 12, 4),
                directory = Le(bytes, end + 16, 4);
  if (count == 0xFFFF || directorySize == kSee64 || directory == kSee64) {
    // Zip64: the real figures are in a record of their own, which a locator before this one finds.
    if (end < kEnd64LocatorBytes || Le(bytes, end - kEnd64LocatorBytes, 4) != kEnd64LocatorSignature)
      return notZip();
    const std::uint64_t record = Le(bytes, end - kEnd64LocatorBytes + 8, 8);
    if (record > end || end - record < kEnd64Bytes || Le(bytes, record, 4) != kEnd64Signature)
      return notZip();
    count = Le(bytes, record + 32, 8), directorySize = Le(bytes, record + 40, 8),
    directory = Le(bytes, record + 48, 8);
  }
  if (count > kZipMaxEntries) return "is a zip archive of more files than any palette holds.";
  if (directory > bytes.size() || directorySize > bytes.size() - directory) return notZip();
  const std::string_view listing = bytes.substr(directory, directorySize);
  entries_.reserve(count);
  for (std::size_t at = 0; entries_.size() < count;) {
    if (listing.size() - at < kCentralBytes || Le(listing, at, 4) != kCentralSignature) return notZip();
    const std::size_t nameBytes = Le(listing, at + 28, 2), extraBytes = Le(listing, at + 30, 2),
                      commentBytes = Le(listing, at + 32, 2);
    if (listing.size() - at - kCentralBytes < nameBytes + extraBytes + commentBytes) return notZip();
    Entry& e = entries_.emplace_back();
    e.flags = static_cast<std::uint16_t>(Le(listing, at + 8, 2));
    e.method = static_cast<std::uint16_t>(Le(listing, at + 10, 2));
    e.crc = static_cast<std::uint32_t>(Le(listing, at + 16, 4));
    e.packed = Le(listing, at + 20, 4), e.size = Le(listing, at + 24, 4), e.local = Le(listing, at + 42, 4);
    e.name = listing.substr(at + kCentralBytes, nameBytes);
    TakeZip64Fields(listing.substr(at + kCentralBytes + nameBytes, extraBytes), e.size, e.packed, e.local);
    at += kCentralBytes + nameBytes + extraBytes + commentBytes;
  }
  return {};
}

ZipReader::~ZipReader() = default;

const ZipReader::Entry* ZipReader::Find(std::string_view name) const {
  for (const Entry& e : entries_)
    if (e.name == name) return &e;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (const Entry& e : entries_)
    if (std::equal(e.name.begin(), e.name.end(), name.begin(), name.end(),
                   [&](char a, char b) { return lower(a) == lower(b); }))
      return &e;
  return nullptr;
}

ZipEntryRead ZipReader::Stream(std::string_view name, const std::function<bool(std::string_view)>& take,
                               std::size_t* sizeHint, std::size_t maxBytes) const {
  return Inflate(name, take, sizeHint, maxBytes, true);
}

ZipEntryRead ZipReader::Inflate(std::string_view name, const std::function<bool(std::string_view)>& take,
                                std::size_t* sizeHint, std::size_t maxBytes, bool ahead) const {
  ZipEntryRead out;
  if (!Ok()) {
    out.why = why_;
    return out;
  }
  const std::string wanted(name);
  const Entry* e = Find(name);
  if (!e) {
    out.missing = true;
    out.why = "holds no " + wanted + ".";
    return out;
  }
  // The size the archive claims is checked first; what really comes out is counted as well,
  // for an archive may claim less than it holds.
  if (e->size > maxBytes) {
    out.why = "would unpack its " + wanted + " to " + Megabytes(static_cast<std::size_t>(e->size)) +
              ", more than a palette can hold (at most " + Megabytes(maxBytes) + "): it is refused.";
    return out;
  }
  if (sizeHint) *sizeHint = static_cast<std::size_t>(e->size);
  if ((e->flags & kEncrypted) || (e->method != kStored && e->method != kDeflated)) {
    out.why =
        "is a zip archive whose " + wanted + " cannot be unpacked (" +
        ((e->flags & kEncrypted) ? "it is encrypted)." : "it is compressed in a way palettes are not).");
    return out;
  }
  const auto damaged = [&] { return "is a damaged zip archive: its " + wanted + " cannot be unpacked."; };
  // The entry's packed bytes follow its local header, whose name and extra fields may differ
  // in length from the listing's.
  const std::uint64_t local = e->local;
  if (local > bytes_.size() || bytes_.size() - local < kLocalBytes ||
      Le(bytes_, local, 4) != kLocalSignature) {
    out.why = damaged();
    return out;
  }
  const std::uint64_t start = local + kLocalBytes + Le(bytes_, local + 26, 2) + Le(bytes_, local + 28, 2);
  if (start > bytes_.size() || e->packed > bytes_.size() - start ||
      (e->method == kStored && e->packed != e->size)) {
    out.why = damaged();
    return out;
  }
  EntryUnpacker unpacker(bytes_.substr(start, e->packed), e->method == kDeflated, e->crc, e->size);
  const auto tooBig = [&] {
    return "would unpack its " + wanted + " to more than " + Megabytes(maxBytes) +
           ", more than a palette can hold: it is refused.";
  };
  if (ahead && e->size > kInflateAheadFrom) {
    out.why = InflateAhead(unpacker, take, maxBytes, tooBig, damaged);
    return out;
  }
  char buffer[65536];
  std::size_t total = 0;
  while (true) {
    const std::ptrdiff_t n = unpacker.Next(buffer, sizeof buffer);
    if (n < 0) {
      out.why = damaged();
      break;
    }
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
    if (total > maxBytes) {
      out.why = tooBig();
      break;
    }
    if (!take(std::string_view(buffer, static_cast<std::size_t>(n)))) break;
  }
  return out;
}

ZipEntryRead ZipReader::Read(std::string_view name, std::size_t maxBytes) const {
  std::string bytes;
  std::size_t size = 0;
  // Held whole, there is nothing to do beside the inflating.
  ZipEntryRead out = Inflate(
      name,
      [&](std::string_view piece) {
        if (bytes.empty()) bytes.reserve(size);
        bytes += piece;
        return true;
      },
      &size, maxBytes, false);
  if (out.why.empty()) out.bytes = std::move(bytes);
  return out;
}

}  // namespace tintora
