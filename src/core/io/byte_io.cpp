#include "core/io/byte_io.h"

#include <bit>

namespace tintora {

bool ByteReader::Seek(std::size_t position) {
  if (position > bytes_.size()) return false;
  pos_ = position;
  return true;
}

bool ByteReader::Skip(std::size_t count) {
  if (count > Remaining()) return false;
  pos_ += count;
  return true;
}

bool ByteReader::U8(std::uint8_t& out) {
  if (Remaining() < 1) return false;
  out = static_cast<std::uint8_t>(bytes_[pos_++]);
  return true;
}

bool ByteReader::U16(std::uint16_t& out) {
  if (Remaining() < 2) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
  out = static_cast<std::uint16_t>((p[0] << 8) | p[1]);
  pos_ += 2;
  return true;
}

bool ByteReader::U32(std::uint32_t& out) {
  if (Remaining() < 4) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
  out = (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
  pos_ += 4;
  return true;
}

bool ByteReader::F32(float& out) {
  std::uint32_t bits;
  if (!U32(bits)) return false;
  out = std::bit_cast<float>(bits);
  return true;
}

bool ByteReader::Bytes(std::size_t count, std::string_view& out) {
  if (count > Remaining()) return false;
  out = bytes_.substr(pos_, count);
  pos_ += count;
  return true;
}

void ByteWriter::U16s(std::u16string_view units) {
  const std::size_t at = bytes_.size();
  bytes_.resize(at + 2 * units.size());
  char* out = bytes_.data() + at;
  for (char16_t u : units) {
    *out++ = static_cast<char>(u >> 8);
    *out++ = static_cast<char>(u & 0xFF);
  }
}

void ByteWriter::F32(float v) { U32(std::bit_cast<std::uint32_t>(v)); }

void ByteWriter::PatchU32(std::size_t position, std::uint32_t v) {
  for (int k = 0; k < 4; ++k)
    bytes_[position + static_cast<std::size_t>(k)] = static_cast<char>(v >> (24 - 8 * k));
}

}  // namespace tintora
