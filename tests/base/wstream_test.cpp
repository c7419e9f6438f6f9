#include "base/list.h"
#include "base/str.h"
#include "base/wio.h"
#include "base/wstream.h"
#include "tests/support/failingchannel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {


std::filesystem::path TempPath(const char* name) {
    return std::filesystem::temp_directory_path() /
           (std::string("vexlor-") + std::to_string(getpid()) + "-" + name);
}

} // namespace

TEST(WordStreams, PrimitivesAreLittleEndianAndReadBack) {
    omwstream out;
    WriteI32(out, -2);
    WriteU16(out, 0x1234);
    WriteI16(out, -3);
    WriteU8(out, 0xAB);
    WriteU32(out, 0x01020304);
    ASSERT_TRUE(out.good());
    const auto& b = out.Bytes();
    ASSERT_EQ(b.size(), 13u);
    EXPECT_EQ(b[0], 0xFE);
    EXPECT_EQ(b[3], 0xFF);
    EXPECT_EQ(b[4], 0x34);
    EXPECT_EQ(b[5], 0x12);
    EXPECT_EQ(b[9], 0x04);

    imwstream in(b.data(), b.size());
    int32_t i32 = 0;
    uint16_t u16 = 0;
    int16_t i16 = 0;
    uint8_t u8 = 0;
    uint32_t u32 = 0;
    EXPECT_TRUE(ReadI32(in, i32) && ReadU16(in, u16) && ReadI16(in, i16) && ReadU8(in, u8) &&
                ReadU32(in, u32));
    EXPECT_EQ(i32, -2);
    EXPECT_EQ(u16, 0x1234);
    EXPECT_EQ(i16, -3);
    EXPECT_EQ(u8, 0xAB);
    EXPECT_EQ(u32, 0x01020304u);
    EXPECT_TRUE(in.good());
    EXPECT_FALSE(ReadU8(in, u8));
    EXPECT_EQ(in.rdstate(), wstream::ShortTransfer);
    EXPECT_EQ(u8, 0xAB); // a failed read leaves the target alone
}

TEST(WordStreams, TextIsLengthPrefixedAndCapped) {
    omwstream out;
    Str("abc").write(out);
    Str().write(out);
    Str(std::string(70000, 'x')).write(out);
    const auto& b = out.Bytes();
    ASSERT_EQ(b.size(), 2u + 3u + 2u + 2u + kMaxStoredTextLength);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[5], 0);
    EXPECT_EQ(b[7], 0xFE);
    EXPECT_EQ(b[8], 0xFF);
    imwstream in(b.data(), b.size());
    Str a, e("not empty"), big;
    EXPECT_EQ(a.read(in), 0);
    EXPECT_EQ(e.read(in), 0);
    EXPECT_EQ(big.read(in), 0);
    EXPECT_EQ(a, "abc");
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_EQ(big.Length(), static_cast<int>(kMaxStoredTextLength));
}

TEST(WordStreams, TruncatedTextFails) {
    const unsigned char bytes[] = {5, 0, 'a', 'b'};
    imwstream in(bytes, sizeof bytes);
    Str s("kept");
    EXPECT_EQ(s.read(in), 1);
    EXPECT_EQ(s, "kept");
    EXPECT_FALSE(in.good());
}

TEST(WordStreams, RelativeSeekInsideAndOutsideTheBuffer) {
    auto path = TempPath("seek.bin");
    {
        std::ofstream f(path, std::ios::binary);
        for (int i = 0; i < 2000; ++i)
            f.put(static_cast<char>(i % 251));
    }
    ifwstream in(path.c_str());
    ASSERT_TRUE(in.good());
    for (int i = 0; i < 600; ++i)
        ASSERT_EQ(in.get(), i % 251);
    ASSERT_TRUE(in.seekrel(-3)); // inside the current 512-byte block
    EXPECT_EQ(in.get(), 597 % 251);
    ASSERT_TRUE(in.seekrel(-200)); // back into the previous block
    EXPECT_EQ(in.get(), 398 % 251);
    ASSERT_TRUE(in.seekrel(1000));
    EXPECT_EQ(in.get(), 1399 % 251);
    char rest[1000];
    EXPECT_EQ(in.read(rest, sizeof rest), 600);
    EXPECT_EQ(in.rdstate(), wstream::ShortTransfer);
    std::filesystem::remove(path);
}

TEST(WordStreams, MissingFileHasNoChannel) {
    ifwstream in(TempPath("does-not-exist").c_str());
    EXPECT_EQ(in.rdstate() & wstream::NoChannel, wstream::NoChannel);
    EXPECT_EQ(in.get(), -1);
    ifwstream dir(std::filesystem::temp_directory_path().c_str());
    EXPECT_FALSE(dir.good());
}

TEST(WordStreams, FlushReportsTheFailedLastBlock) {
    FailingChannel channel(100);
    obwstream out(channel, 64);
    char block[64] = {};
    out.write(block, 64); // fits the buffer
    EXPECT_TRUE(out.good());
    out.write(block, 30); // hands the first block to the channel
    EXPECT_TRUE(out.good());
    out.write(block, 20); // still buffered: 50 bytes waiting
    EXPECT_TRUE(out.good());
    EXPECT_FALSE(out.flush()); // 64 + 50 > 100
    EXPECT_EQ(out.rdstate() & wstream::IoError, wstream::IoError);
}

TEST(WordStreams, FileOpenFlags) {
    auto path = TempPath("flags.bin");
    std::filesystem::remove(path);
    {
        ofwstreambuf neither(path.c_str(), false, false);
        EXPECT_FALSE(neither.IsValid()); // must exist
        ofwstreambuf createOnly(path.c_str(), true, false);
        EXPECT_TRUE(createOnly.IsValid());
        EXPECT_EQ(createOnly.write("hello", 5), 5);
    }
    {
        ofwstreambuf createOnly(path.c_str(), true, false);
        EXPECT_FALSE(createOnly.IsValid()); // must not exist
        ofwstreambuf neither(path.c_str(), false, false);
        EXPECT_TRUE(neither.IsValid());
        EXPECT_EQ(neither.write("J", 1), 1); // overwrites in place
    }
    EXPECT_EQ(std::filesystem::file_size(path), 5u);
    {
        ofwstream both(path.c_str(), true, true);
        EXPECT_TRUE(both.good());
        both.write("ab", 2);
        EXPECT_TRUE(both.Close());
    }
    EXPECT_EQ(std::filesystem::file_size(path), 2u);
    std::filesystem::remove(path);
}
