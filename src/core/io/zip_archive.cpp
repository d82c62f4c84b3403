#include "core/io/zip_archive.h"

#include <zip.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tintora {

namespace {

// An entry this big is inflated on a thread of its own, a piece ahead of its reader: with a
// second core the reader never waits for zlib.
constexpr std::size_t kInflateAheadFrom = 1u << 20;

// Inflates `file` a piece ahead of `take` (at most a few pieces ahead); the reason it stopped
// early, or nothing.
std::string InflateAhead(zip_file_t* file, const std::function<bool(std::string_view)>& take,
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
        const zip_int64_t n = zip_fread(file, piece.data(), piece.size());
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

ZipReader::ZipReader(std::string_view bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source) {
    archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive_) zip_source_free(source);
  }
  zip_error_fini(&error);
  if (!archive_) {
    why_ = "is not a zip archive, or a damaged one.";
    return;
  }
  const zip_int64_t entries = zip_get_num_entries(archive_, 0);
  if (entries < 0 || static_cast<std::size_t>(entries) > kZipMaxEntries) {
    zip_discard(archive_);
    archive_ = nullptr;
    why_ = "is a zip archive of more files than any palette holds.";
  }
}

ZipReader::~ZipReader() {
  if (archive_) zip_discard(archive_);
}

ZipEntryRead ZipReader::Stream(std::string_view name, const std::function<bool(std::string_view)>& take,
                               std::size_t* sizeHint, std::size_t maxBytes) const {
  return Inflate(name, take, sizeHint, maxBytes, true);
}

ZipEntryRead ZipReader::Inflate(std::string_view name, const std::function<bool(std::string_view)>& take,
                                std::size_t* sizeHint, std::size_t maxBytes, bool ahead) const {
  ZipEntryRead out;
  if (!archive_) {
    out.why = why_;
    return out;
  }
  const std::string wanted(name);
  zip_int64_t index = zip_name_locate(archive_, wanted.c_str(), 0);
  if (index < 0) index = zip_name_locate(archive_, wanted.c_str(), ZIP_FL_NOCASE);
  if (index < 0) {
    out.missing = true;
    out.why = "holds no " + wanted + ".";
    return out;
  }
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
    out.why = "is a damaged zip archive.";
    return out;
  }
  // The size the archive claims is checked first; what really comes out is counted as well,
  // for an archive may claim less than it holds.
  if ((stat.valid & ZIP_STAT_SIZE) && stat.size > maxBytes) {
    out.why = "would unpack its " + wanted + " to " + Megabytes(static_cast<std::size_t>(stat.size)) +
              ", more than a palette can hold (at most " + Megabytes(maxBytes) + "): it is refused.";
    return out;
  }
  if (sizeHint) *sizeHint = (stat.valid & ZIP_STAT_SIZE) ? static_cast<std::size_t>(stat.size) : 0;
  zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
  if (!file) {
    out.why = "is a zip archive whose " + wanted + " cannot be unpacked (encrypted or damaged).";
    return out;
  }
  const auto tooBig = [&] {
    return "would unpack its " + wanted + " to more than " + Megabytes(maxBytes) +
           ", more than a palette can hold: it is refused.";
  };
  const auto damaged = [&] { return "is a damaged zip archive: its " + wanted + " cannot be unpacked."; };
  if (ahead && (stat.valid & ZIP_STAT_SIZE) && stat.size > kInflateAheadFrom) {
    out.why = InflateAhead(file, take, maxBytes, tooBig, damaged);
  } else {
    char buffer[65536];
    std::size_t total = 0;
    while (true) {
      const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
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
  }
  zip_fclose(file);
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
