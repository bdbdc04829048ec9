// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// libxml2's memory. Its 2.9 parsers loop for ever or crash when an allocation fails, so
// libxml2 never sees one: a failed allocation spends a reserve kept for the purpose and is
// tried again, and the parse in progress stops at its next piece with std::bad_alloc.
#include <cstddef>
#include <cstdint>

namespace books {

// Routes libxml2's allocations through the reserve; once, before any parse.
void InstallXmlMemory();
// Keeps a reserve again when the last one was spent and memory allows.
void RenewXmlMemoryReserve();
// How many of libxml2's allocations have failed so far: a parse that sees it grow stops.
std::uint64_t XmlMemoryFailures();

// What libxml2's allocations come from: realloc, or a test's stand-in that fails.
using TRawReallocate = void* (*)(void* block, std::size_t size);
void SetRawXmlReallocate(TRawReallocate reallocate);

}  // namespace books
