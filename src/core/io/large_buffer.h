// Buffers of many megabytes: a million-colour file is well over a hundred megabytes touched
// for the first time, and on Linux each 4 KiB page of it costs a fault of its own. Backed by 2 MiB
// pages, the same buffer takes a five-hundredth of the faults (and of the processor's
// address-translation misses while it is filled and read).
#pragma once

#include <cstddef>

namespace tintora {

// The size from which a buffer is worth the advice.
inline constexpr std::size_t kLargeBufferBytes = 8u << 20;

// Asks for large pages under the whole 2 MiB stretches of a buffer of kLargeBufferBytes or
// more that is about to be filled. Advice only: where the system gives none (Windows, large
// pages switched off) nothing changes, and the bytes are never touched. In the platform's
// file layer (file_io_posix.cpp, file_io_windows.cpp).
void AdviseLargeBuffer(const void* data, std::size_t bytes);

// reserve(n), advised: for a container a reader or writer is about to fill to n elements.
template <class Container>
void ReserveLarge(Container& c, std::size_t n) {
  c.reserve(n);
  AdviseLargeBuffer(c.data(), c.capacity() * sizeof(*c.data()));
}

}  // namespace tintora
