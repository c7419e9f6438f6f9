#include "base/cp1252.h"

#include <gtest/gtest.h>

// The window and vexlor-cli read report texts through this one function.
TEST(Cp1252, ReportBytesBecomeUnicodeAndTypedTextComesBack) {
    EXPECT_EQ(Cp1252ToUtf8("Caf\xE9 \x80 \x93quoted\x94"), "Café € “quoted”");
    EXPECT_EQ(Cp1252CodePoint(0x81), U'\x81'); // unassigned: the C1 control
    EXPECT_EQ(Utf8ToCp1252("Café € “quoted”"), "Caf\xE9 \x80 \x93quoted\x94");
    EXPECT_EQ(Utf8ToCp1252("日"), "?");
}
