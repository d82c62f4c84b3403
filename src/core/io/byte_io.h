// Big-endian numbers in and out of byte strings, for the swatch files of other programs. The
// reader never reads past its end: every read says whether the bytes were there, so a file
// that is shorter than it claims is noticed where it ends instead of being read beyond.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tintora {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::size_t Size() const { return bytes_.size(); }
  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }
  // False (and the position unchanged) beyond the end.
  [[nodiscard]] bool Seek(std::size_t position);
  [[nodiscard]] bool Skip(std::size_t count);

  // Each read is false, leaving the position and `out` as they were, when the bytes are not
  // all there. A result that is not looked at is a read that may not have happened.
  [[nodiscard]] bool U8(std::uint8_t& out);
  [[nodiscard]] bool U16(std::uint16_t& out);
  [[nodiscard]] bool U32(std::uint32_t& out);
  [[nodiscard]] bool F32(float& out);
  [[nodiscard]] bool Bytes(std::size_t count, std::string_view& out);

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

class ByteWriter {
 public:
  void Reserve(std::size_t n) { bytes_.reserve(n); }
  void U8(std::uint8_t v) { bytes_ += static_cast<char>(v); }
  void U16(std::uint16_t v) {
    const char b[2] = {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
    bytes_.append(b, 2);
  }
  void U32(std::uint32_t v) {
    const char b[4] = {static_cast<char>(v >> 24), static_cast<char>((v >> 16) & 0xFF),
                       static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
    bytes_.append(b, 4);
  }
  void F32(float v);
  // Each unit as U16 would write it.
  void U16s(std::u16string_view units);
  void Bytes(std::string_view b) { bytes_ += b; }
  // Rewrites four bytes already written, for lengths known only after their content.
  void PatchU32(std::size_t position, std::uint32_t v);
  std::size_t Size() const { return bytes_.size(); }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

}  // namespace tintora
