// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every constant of the GIF stream, named once.
#include <cstdint>

namespace gif {

inline constexpr char kSignature[] = "GIF";
inline constexpr char kVersionText[3][4] = {"", "87a", "89a"};  // indexed by version number
inline constexpr int kVersionNone = 0;
inline constexpr int kVersion87a = 1;
inline constexpr int kVersion89a = 2;

inline constexpr std::uint8_t kExtensionIntroducer = 0x21;
inline constexpr std::uint8_t kImageSeparator = 0x2C;
inline constexpr std::uint8_t kTrailer = 0x3B;
inline constexpr std::uint8_t kBlockTerminator = 0x00;

inline constexpr std::uint8_t kLabelPlainText = 0x01;
inline constexpr std::uint8_t kLabelGraphicControl = 0xF9;
inline constexpr std::uint8_t kLabelComment = 0xFE;
inline constexpr std::uint8_t kLabelApplication = 0xFF;

// Packed fields of the logical screen descriptor.
inline constexpr std::uint8_t kScreenGlobalTable = 0x80;
inline constexpr std::uint8_t kScreenResolutionMask = 0x70;
inline constexpr std::uint8_t kScreenSorted = 0x08;
inline constexpr std::uint8_t kScreenSizeMask = 0x07;

// Packed fields of the image descriptor.
inline constexpr std::uint8_t kImageLocalTable = 0x80;
inline constexpr std::uint8_t kImageInterlaced = 0x40;
inline constexpr std::uint8_t kImageSorted = 0x20;
inline constexpr std::uint8_t kImageReserved = 0x18;
inline constexpr std::uint8_t kImageSizeMask = 0x07;

inline constexpr int kMaxColors = 256;
inline constexpr int kMaxDimension = 65535;  // widths, heights and positions are 16-bit words
inline constexpr int kMaxSubBlock = 255;
inline constexpr int kBlockBufferSize = kMaxSubBlock + 1;  // the length byte, then the data

// LZW.
inline constexpr int kMinCodeSize = 2;  // the smallest minimum code size a stream may carry
inline constexpr int kMaxCodeBits = 12;
inline constexpr int kMaxCode = 4095;  // first code that is never assigned
inline constexpr int kLastDictionaryCode = 4094;
inline constexpr int kHashTableSize = 8009;  // prime

}  // namespace gif
