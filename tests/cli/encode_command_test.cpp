// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/encode_command.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QColor>
#include <QImage>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <sstream>
#include <thread>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/picture_file.h"
#include "platform/stream.h"
#include "support/gif_decode.h"
#include "support/temp_dir.h"

using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Allocations above this size fail, as they would on a machine out of memory. Every form
// of new and delete is replaced, so that the sanitizers see them paired.
std::atomic<std::size_t> failAllocationsAbove = SIZE_MAX;

void* operator new(std::size_t size) {
  if (size > failAllocationsAbove.load()) throw std::bad_alloc();
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return ::operator new(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return ::operator new(size, tag);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace {

// The arguments after "encode", as the command line parses them.
TEncodeOptions EncodeCommandLine(std::vector<std::string> args) {
  args.insert(args.begin(), "encode");
  return ParseCommandLine(args).encode;
}

struct TResult {
  int exitCode;
  std::string out, err;
};

class EncodeCommandTest : public testing::Test {
protected:
  TResult Encode(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunEncode(EncodeCommandLine(args), out, err);
    return {code, out.str(), err.str()};
  }
  std::string Output() const { return dir_.File("out.gif"); }

  TempDir dir_;
};

QImage Gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
  return image;
}

TEST_F(EncodeCommandTest, TrueColourPictureIsReducedToTheWebCubeByDefault) {
  const std::string png = dir_.File("in.png");
  ASSERT_TRUE(Gradient(17, 9).save(QString::fromStdString(png)));
  const TResult result = Encode({png, Output()});
  ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
  EXPECT_THAT(result.out, HasSubstr("17 x 9, 256 colours"));

  const DecodedGif gif = DecodeGifFile(Output());
  ASSERT_EQ(gif.frames.size(), 1u);
  EXPECT_EQ(gif.version, "87a");
  const DecodedFrame& frame = gif.frames[0];
  // Pixel (16, 8) is (240, 226, 128): cube levels 4, 4, 2.
  EXPECT_EQ(frame.pixels[8 * 17 + 16], 36 * 4 + 6 * 4 + 2);
  EXPECT_EQ(frame.localColors[215], (DecodedColor{255, 255, 255}));
}

TEST_F(EncodeCommandTest, SettingsReachTheImage) {
  const std::string png = dir_.File("in.png");
  ASSERT_TRUE(Gradient(30, 20).save(QString::fromStdString(png)));
  const TResult result = Encode({png, Output(), "--reduction", "optimized", "--palette-bits", "3", "--dither",
                                 "floyd-steinberg", "--compression", "rle"});
  ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
  const DecodedGif gif = DecodeGifFile(Output());
  // The reduced raster's table always has 256 entries; only the first 8 are used.
  for (const std::uint8_t p : gif.frames[0].pixels) EXPECT_LT(p, 8);
}

TEST_F(EncodeCommandTest, IndexedPicturesAreTakenOverWithTheirColours) {
  // An 8-bit BMP of our own writer: colours and indices must arrive unchanged.
  TBitmap bitmap(3, 2, pf8bit);
  bitmap.SetColorTable({{10, 20, 30, 0}, {40, 50, 60, 0}, {70, 80, 90, 0}});
  bitmap.ScanLine(0)[1] = 2;
  bitmap.ScanLine(1)[2] = 1;
  {
    TFileStream file(dir_.File("in.bmp"), TFileStream::Mode::Create);
    bitmap.SaveToStream(file);
  }
  ASSERT_EQ(Encode({dir_.File("in.bmp"), Output()}).exitCode, kExitSuccess);
  const DecodedFrame frame = DecodeGifFile(Output()).frames[0];
  EXPECT_EQ(frame.pixels, (std::vector<std::uint8_t>{0, 2, 0, 0, 0, 1}));
  EXPECT_EQ(frame.localColors[2], (DecodedColor{90, 80, 70}));
  EXPECT_EQ(frame.localColors.size(), 4u);

  // A palette PNG likewise.
  QImage indexed(2, 1, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
  indexed.setPixel(0, 0, 1);
  indexed.setPixel(1, 0, 0);
  ASSERT_TRUE(indexed.save(QString::fromStdString(dir_.File("in.png"))));
  ASSERT_EQ(Encode({dir_.File("in.png"), Output()}).exitCode, kExitSuccess);
  const DecodedFrame pngFrame = DecodeGifFile(Output()).frames[0];
  EXPECT_EQ(pngFrame.localColors[pngFrame.pixels[0]], (DecodedColor{0, 0, 255}));
  EXPECT_EQ(pngFrame.localColors[pngFrame.pixels[1]], (DecodedColor{255, 0, 0}));
}

TEST_F(EncodeCommandTest, TransparentPixelsBecomeTheTransparentColour) {
  QImage image(4, 1, QImage::Format_ARGB32);
  image.fill(qRgba(255, 0, 0, 255));
  image.setPixel(2, 0, qRgba(0, 0, 0, 0));
  const std::string png = dir_.File("in.png");
  ASSERT_TRUE(image.save(QString::fromStdString(png)));
  ASSERT_EQ(Encode({png, Output()}).exitCode, kExitSuccess);
  const DecodedGif gif = DecodeGifFile(Output());
  EXPECT_EQ(gif.version, "89a");
  const std::vector<std::uint8_t>& pixels = gif.frames[0].pixels;
  EXPECT_NE(pixels[2], pixels[0]);
  EXPECT_EQ(pixels[0], pixels[1]);
}

TEST_F(EncodeCommandTest, BadInputIsReportedAndWritesNothing) {
  const TResult missing = Encode({dir_.File("missing.png"), Output()});
  EXPECT_EQ(missing.exitCode, kExitFailure);
  EXPECT_EQ(missing.err,
            "stronix-cli: Cannot open file " + dir_.File("missing.png") + ": No such file or directory\n");

  std::ofstream(dir_.File("text.png")) << "not a picture";
  const TResult garbage = Encode({dir_.File("text.png"), Output()});
  EXPECT_EQ(garbage.exitCode, kExitFailure);
  EXPECT_THAT(garbage.err, HasSubstr("Cannot read a picture from " + dir_.File("text.png")));

  std::ofstream(dir_.File("broken.bmp")) << "BM but nothing else";
  EXPECT_EQ(Encode({dir_.File("broken.bmp"), Output()}).exitCode, kExitFailure);

  ASSERT_TRUE(Gradient(2, 2).save(QString::fromStdString(dir_.File("in.png"))));
  const TResult noFolder = Encode({dir_.File("in.png"), dir_.File("no/such/out.gif")});
  EXPECT_EQ(noFolder.exitCode, kExitFailure);
  EXPECT_EQ(noFolder.err, "stronix-cli: Cannot create file " + dir_.File("no/such/out.gif") +
                              ": No such file or directory\n");

  EXPECT_FALSE(std::ifstream(Output()).good());
}

TEST_F(EncodeCommandTest, FifosAndDevicesAreRefusedWithoutWaiting) {
  const std::string fifo = dir_.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // A writer that comes whenever someone opens the FIFO to read and leaves at once: an
  // encode that waited on the FIFO would get its end and fail otherwise, never hang.
  std::atomic<bool> done = false;
  std::thread writer([&] {
    while (!done) ::close(::open(fifo.c_str(), O_WRONLY | O_CLOEXEC));
  });
  const TResult refused = Encode({fifo, Output()});
  done = true;
  // Frees the writer from the open it waits in; held until it has gone.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  writer.join();
  ::close(reader);
  EXPECT_EQ(refused.exitCode, kExitFailure);
  EXPECT_EQ(refused.err, "stronix-cli: " + fifo + " is a FIFO, not a regular file\n");
  EXPECT_EQ(Encode({"/dev/null", Output()}).err, "stronix-cli: /dev/null is a device, not a regular file\n");
  EXPECT_EQ(Encode({dir_.Path().string(), Output()}).err,
            "stronix-cli: Cannot open file " + dir_.Path().string() + ": Is a directory\n");
}

TEST_F(EncodeCommandTest, WhatAGifCannotHoldOrMemoryCannotTakeLeavesTheOldFile) {
  const auto saveBmp = [&](const TBitmap& bitmap, const std::string& name, std::size_t cut = 0) {
    TMemoryStream bytes;
    bitmap.SaveToStream(bytes);
    std::ofstream(dir_.File(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.Bytes().data()),
               static_cast<std::streamsize>(bytes.Size() - cut));
    return dir_.File(name);
  };
  std::ofstream(Output()) << "old";
  for (const auto& [width, height] : {std::pair{65536, 1}, std::pair{1, 65536}}) {
    const TResult result = Encode({saveBmp(TBitmap(width, height, pf24bit), "huge.bmp"), Output()});
    EXPECT_EQ(result.exitCode, kExitFailure);
    EXPECT_EQ(result.err, "stronix-cli: A GIF picture is at most 65535 pixels wide and high, not " +
                              std::to_string(width) + " x " + std::to_string(height) + "\n");
  }
  // A BMP cut off in its rows is refused rather than padded.
  EXPECT_THAT(Encode({saveBmp(TBitmap(16, 16, pf24bit), "cut.bmp", 40), Output()}).err,
              HasSubstr("the file is cut short"));

  ASSERT_TRUE(Gradient(600, 600).save(QString::fromStdString(dir_.File("big.png"))));
  failAllocationsAbove = 1 << 20;  // the 600 x 600 true-colour bitmap needs more
  const TResult starved = Encode({dir_.File("big.png"), Output()});
  failAllocationsAbove = SIZE_MAX;
  EXPECT_EQ(starved.exitCode, kExitFailure);
  EXPECT_EQ(starved.err, "stronix-cli: Out of memory\n");
  std::ifstream old(Output());
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old");
}

TEST(EncodeCommandLineTest, RefusesValuesOutsideTheLists) {
  EXPECT_THROW(EncodeCommandLine({"a.png", "b.gif", "--reduction", "best"}), EUsageError);
  EXPECT_THROW(EncodeCommandLine({"a.png", "b.gif", "--dither", "ordered"}), EUsageError);
  EXPECT_THROW(EncodeCommandLine({"a.png", "b.gif", "--palette-bits", "9"}), EUsageError);
  EXPECT_THROW(EncodeCommandLine({"a.png", "b.gif", "--palette-bits", "-1"}), EUsageError);
  EXPECT_THROW(EncodeCommandLine({"a.png", "b.gif", "--compression", "zip"}), EUsageError);
  EXPECT_THROW(EncodeCommandLine({"a.png", "b.gif", "--palette-bits"}), EUsageError);
  EXPECT_THROW(EncodeCommandLine({"a.png"}), EUsageError);
  EXPECT_THROW(EncodeCommandLine({"a.png", "b.gif", "--colours", "2"}), EUsageError);

  const TEncodeOptions options = EncodeCommandLine({"--reduction", "optimized-system", "a.png", "--dither",
                                                    "steve-arche", "b.gif", "--compression", "rle"});
  EXPECT_EQ(options.input, "a.png");
  EXPECT_EQ(options.output, "b.gif");
  EXPECT_EQ(options.reduction, TReductionMethod::OptimizedSystem);
  EXPECT_EQ(options.dither, TDitherMethod::SteveArche);
  EXPECT_EQ(options.compression, 1);
  EXPECT_EQ(options.paletteBits, 8);

  // "--" ends the options: a file may then begin with dashes.
  const TEncodeOptions ended = EncodeCommandLine({"--palette-bits", "4", "--", "--in.png", "out.gif"});
  EXPECT_EQ(ended.input, "--in.png");
  EXPECT_EQ(ended.paletteBits, 4);
}

}  // namespace
