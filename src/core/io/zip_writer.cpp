#include "core/io/zip_writer.h"

#include <zlib.h>

#include <limits>

#include "core/io/zip_archive.h"

namespace tintora {

namespace {

constexpr std::size_t kAhead = 4;  // pieces made before the deflater has taken them
constexpr std::uint16_t kUtf8Names = 0x0800, kVersion = 20;
constexpr std::uint16_t kDate = (0 << 9) | (1 << 5) | 2;  // 2 January 1980, the first zip date

void Put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
  Put16(out, static_cast<std::uint16_t>(v >> 16));
}

constexpr const char* kNotAgain = ", so it would not open again. Save fewer colours, or in another format.";

}  // namespace

// One entry's raw deflate stream as it grows, with its CRC and size.
struct ZipWriter::Deflated {
  z_stream stream{};
  bool ok = false;
  std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, nullptr, 0));
  std::size_t size = 0, used = 0;
  std::string packed;

  Deflated() { ok = deflateInit2(&stream, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK; }
  ~Deflated() {
    if (ok) deflateEnd(&stream);
  }
  Deflated(const Deflated&) = delete;
  Deflated& operator=(const Deflated&) = delete;

  // Deflates the next bytes; `last` ends the stream.
  void Take(std::string_view in, bool last) {
    if (!ok) return;
    // (zlib's CRC of no buffer at all is its starting value, not the CRC so far.)
    if (!in.empty())
      crc = static_cast<std::uint32_t>(
          crc32(crc, reinterpret_cast<const Bytef*>(in.data()), static_cast<uInt>(in.size())));
    size += in.size();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    stream.avail_in = static_cast<uInt>(in.size());
    while (true) {
      if (packed.size() - used < 65536) packed.resize(std::max(packed.size() * 2, used + 65536));
      stream.next_out = reinterpret_cast<Bytef*>(packed.data() + used);
      stream.avail_out = static_cast<uInt>(packed.size() - used);
      const int result = deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
      used = packed.size() - stream.avail_out;
      if (result == Z_STREAM_ERROR) {
        ok = false;
        return;
      }
      if (last ? result == Z_STREAM_END : stream.avail_in == 0 && stream.avail_out > 0) break;
    }
    if (last) packed.resize(used);
  }
};

ZipWriter::ZipWriter() = default;

ZipWriter::~ZipWriter() {
  if (deflater_.joinable()) End();
}

void ZipWriter::Add(std::string_view name, std::string_view bytes, bool stored) {
  Deflated entry;
  if (stored) {
    entry.crc = static_cast<std::uint32_t>(
        crc32(entry.crc, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
    entry.size = bytes.size();
    Place(name, entry, bytes, true);
  } else {
    entry.Take(bytes, true);
    Place(name, entry, entry.packed, false);
  }
}

void ZipWriter::Begin(std::string_view name) {
  making_ = name;
  deflated_ = std::make_unique<Deflated>();
  ended_ = deflaterGone_ = false;
  madeBytes_ = 0;
  deflater_ = std::thread([this] {
    try {
      while (true) {
        std::string piece;
        {
          std::unique_lock lock(mutex_);
          changed_.wait(lock, [this] { return !pieces_.empty() || ended_; });
          if (pieces_.empty()) break;
          piece = std::move(pieces_.front());
          pieces_.pop_front();
          changed_.notify_all();
        }
        deflated_->Take(piece, false);
      }
      deflated_->Take({}, true);
    } catch (const std::bad_alloc&) {
      // The entry fails at End; the maker is not left waiting for room meanwhile.
      const std::lock_guard lock(mutex_);
      deflated_->ok = false;
      deflaterGone_ = true;
      pieces_.clear();
      changed_.notify_all();
    }
  });
}

bool ZipWriter::Put(std::string piece) {
  madeBytes_ += piece.size();
  if (madeBytes_ > kZipMaxEntryBytes) {
    tooLargeAt_ = madeBytes_;
    return false;
  }
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return pieces_.size() < kAhead || deflaterGone_; });
  if (!deflaterGone_) pieces_.push_back(std::move(piece));
  changed_.notify_all();
  return true;
}

void ZipWriter::End() {
  {
    const std::lock_guard lock(mutex_);
    ended_ = true;
    // An entry past the bound is not written: what is queued is dropped.
    if (tooLargeAt_) pieces_.clear();
    changed_.notify_all();
  }
  deflater_.join();
  if (tooLargeAt_)
    failed_ = true;
  else
    Place(making_, *deflated_, deflated_->packed, false);
  deflated_.reset();
}

void ZipWriter::Place(std::string_view name, const Deflated& entry, std::string_view data, bool stored) {
  constexpr std::size_t kMax = std::numeric_limits<std::uint32_t>::max();
  if (!entry.ok && !stored) failed_ = true;
  if (failed_ || archive_.size() + data.size() + name.size() + 30 > kMax) {
    failed_ = true;
    return;
  }
  const Placed p{std::string(name),
                 entry.crc,
                 static_cast<std::uint32_t>(data.size()),
                 static_cast<std::uint32_t>(entry.size),
                 static_cast<std::uint32_t>(archive_.size()),
                 stored};
  Put32(archive_, 0x04034b50);
  Put16(archive_, kVersion);
  Put16(archive_, kUtf8Names);
  Put16(archive_, stored ? 0 : 8);
  Put16(archive_, 0);  // midnight
  Put16(archive_, kDate);
  Put32(archive_, p.crc);
  Put32(archive_, p.packed);
  Put32(archive_, p.size);
  Put16(archive_, static_cast<std::uint16_t>(name.size()));
  Put16(archive_, 0);
  archive_ += name;
  archive_ += data;
  placed_.push_back(p);
}

std::string ZipWriter::Finish() {
  if (failed_ || placed_.size() > 0xFFFF) return {};
  const auto directoryAt = static_cast<std::uint32_t>(archive_.size());
  for (const Placed& p : placed_) {
    Put32(archive_, 0x02014b50);
    Put16(archive_, (3 << 8) | kVersion);  // made on Unix, so the permissions below are read
    Put16(archive_, kVersion);
    Put16(archive_, kUtf8Names);
    Put16(archive_, p.stored ? 0 : 8);
    Put16(archive_, 0);
    Put16(archive_, kDate);
    Put32(archive_, p.crc);
    Put32(archive_, p.packed);
    Put32(archive_, p.size);
    Put16(archive_, static_cast<std::uint16_t>(p.name.size()));
    Put16(archive_, 0);               // extra field
    Put16(archive_, 0);               // comment
    Put16(archive_, 0);               // disk
    Put16(archive_, 0);               // internal attributes
    Put32(archive_, 0100644u << 16);  // a plain file, rw-r--r--
    Put32(archive_, p.offset);
    archive_ += p.name;
  }
  const auto directoryBytes = static_cast<std::uint32_t>(archive_.size() - directoryAt);
  Put32(archive_, 0x06054b50);
  Put16(archive_, 0);
  Put16(archive_, 0);
  Put16(archive_, static_cast<std::uint16_t>(placed_.size()));
  Put16(archive_, static_cast<std::uint16_t>(placed_.size()));
  Put32(archive_, directoryBytes);
  Put32(archive_, directoryAt);
  Put16(archive_, 0);
  return std::move(archive_);
}

std::optional<std::string> TooLargeToReadBack(std::span<const ZipEntryToWrite> entries) {
  for (const ZipEntryToWrite& e : entries)
    if (e.bytes.size() > kZipMaxEntryBytes)
      return "would unpack its " + std::string(e.name) + " to " + Megabytes(e.bytes.size()) +
             ", more than a palette file may hold (" + Megabytes(kZipMaxEntryBytes) + ")" + kNotAgain;
  return std::nullopt;
}

std::string TooLargeToReadBack(std::string_view name) {
  return "would unpack its " + std::string(name) + " to more than " + Megabytes(kZipMaxEntryBytes) +
         ", more than a palette file may hold" + kNotAgain;
}

std::string WriteZip(std::span<const ZipEntryToWrite> entries) {
  ZipWriter zip;
  for (const ZipEntryToWrite& e : entries) zip.Add(e.name, e.bytes, e.stored);
  return zip.Finish();
}

}  // namespace tintora
