// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing through a file descriptor, where a signal may cut a call short: the
// one place that tries such a call again.
#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

// ::read, tried again while a signal interrupts it; `onSignal`, when given, runs before each
// new try and may throw to end the wait. The count read, 0 at the end, -1 with errno.
ssize_t ReadRetrying(int fd, void* buffer, std::size_t size, void (*onSignal)() = nullptr);

// Writes all of `bytes`. EFWriteError naming `shownPath` when it cannot (ENOSPC when the
// system takes nothing and gives no reason).
void WriteAll(int fd, std::string_view bytes, const std::string& shownPath);
