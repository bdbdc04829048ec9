// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/xml_memory.h"

#include <libxml/xmlmemory.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace books {

namespace {

// Enough for libxml2 to finish the piece it is parsing; address space only, never touched.
constexpr std::size_t kReserveBytes = std::size_t{16} << 20;

std::atomic<TRawReallocate> rawReallocate{std::realloc};
std::atomic<void*> reserve{nullptr};
std::atomic<std::uint64_t> failures{0};

void* Reallocate(void* block, std::size_t size) {
  if (size == 0) size = 1;  // realloc would free the block
  void* moved = rawReallocate.load()(block, size);
  if (moved) return moved;
  ++failures;
  std::free(reserve.exchange(nullptr));
  return rawReallocate.load()(block, size);
}

void* Allocate(std::size_t size) { return Reallocate(nullptr, size); }

char* Duplicate(const char* text) {
  const std::size_t size = std::strlen(text) + 1;
  char* copy = static_cast<char*>(Allocate(size));
  if (copy) std::memcpy(copy, text, size);
  return copy;
}

}  // namespace

void InstallXmlMemory() {
  xmlMemSetup(std::free, Allocate, Reallocate, Duplicate);
  RenewXmlMemoryReserve();
}

void RenewXmlMemoryReserve() {
  if (reserve.load()) return;
  void* block = std::malloc(kReserveBytes);
  std::free(reserve.exchange(block));  // another thread may have renewed it meanwhile
}

std::uint64_t XmlMemoryFailures() { return failures.load(); }

void SetRawXmlReallocate(TRawReallocate reallocate) {
  rawReallocate = reallocate ? reallocate : std::realloc;
}

}  // namespace books
