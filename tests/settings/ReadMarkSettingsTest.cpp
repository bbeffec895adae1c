// ReadMarkSettings on small files: the conversion of a line, then text mode and the
// splitting of lines, each as a table of file contents and the values they give.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "CaseName.h"
#include "SettingsFolder.h"
#include "platform/files/StdioFile.h"
#include "settings/ReadMarkSettings.h"

using namespace std::string_literals;

namespace {

constexpr std::size_t kChunk = kSettingsChunkLength;
constexpr std::size_t kBuffer = CStdioFile::kBufferSize;

std::string Repeat(char c, std::size_t count) { return std::string(count, c); }

// The text as saved by an editor in UTF-16LE with a byte-order mark.
std::string Utf16WithByteOrderMark(const std::string& text) {
    std::string bytes = "\xFF\xFE";
    for (char c : text) bytes += std::string{c, '\0'};
    return bytes;
}

// ---- Converting a line ---------------------------------------------------------------------

struct ConversionCase {
    std::string name;
    std::string line;
    std::int32_t value;
};
void PrintTo(const ConversionCase& c, std::ostream* out) { *out << c.name; }

class LineConversion : public SettingsFolder,
                       public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(LineConversion, FirstLineGivesRadius) {
    WriteSettings(GetParam().line + "\n77\n");
    const MarkSettings settings = ReadMarkSettings();
    EXPECT_EQ(settings.radius, GetParam().value);
    EXPECT_EQ(settings.red, 77);
}

const std::vector<ConversionCase> kConversions = {
    {"Empty", "", 0},
    {"BlanksOnly", " \t ", 0},
    {"Plain", "12", 12},
    {"SpacesAndPlus", "  +12", 12},
    {"TabAndMinus", "\t-5", -5},
    {"AllBlankBytes", "\t\v\f\r 42", 42},
    {"TextAfterDigits", "12abc", 12},
    {"SecondNumberIgnored", "12 5", 12},
    {"Fraction", "12.9", 12},
    {"LeadingZerosStayDecimal", "007", 7},
    {"HexPrefix", "0x1F", 0},
    {"BlankAfterSign", "- 5", 0},
    {"TwoSigns", "+-5", 0},
    {"Letters", "abc", 0},
    {"FullWidthDigits", "\xEF\xBC\x91\xEF\xBC\x92", 0},
    {"NoBreakSpaceIsNoBlank", "\xA0" "5", 0},
    {"NoRangeApplied", "300", 300},
    {"Largest", "2147483647", 2147483647},
    {"OnePastLargestWraps", "2147483648", INT32_MIN},
    {"Smallest", "-2147483648", INT32_MIN},
    {"Beyond32BitsWraps", "4294967297", 1},
    {"BelowSmallestWraps", "-2147483649", 2147483647},
    {"NegatedModulo", "-4294967295", 1},
};
INSTANTIATE_TEST_SUITE_P(Table, LineConversion, ::testing::ValuesIn(kConversions),
                         CaseName<ConversionCase>);

// ---- Text mode and lines -------------------------------------------------------------------

struct FileCase {
    std::string name;
    std::string bytes;
    MarkSettings expected;
};
void PrintTo(const FileCase& c, std::ostream* out) { *out << c.name; }

class SettingsFileContent : public SettingsFolder,
                            public ::testing::WithParamInterface<FileCase> {};

TEST_P(SettingsFileContent, GivesTheFiveValues) {
    WriteSettings(GetParam().bytes);
    EXPECT_EQ(ReadMarkSettings(), GetParam().expected);
}

const std::vector<FileCase> kFiles = {
    {"FiveLines", "10\n255\n0\n0\n4\n", {10, 255, 0, 0, 4}},
    {"CrLfLineEnds", "10\r\n255\r\n0\r\n0\r\n4\r\n", {10, 255, 0, 0, 4}},
    {"LastLineWithoutLineEnd", "10\n255\n0\n0\n4", {10, 255, 0, 0, 4}},
    {"EmptyFile", "", {0, 0, 0, 0, 0}},
    {"MissingLinesAreZero", "7\n8\n", {7, 8, 0, 0, 0}},
    {"EmptyLineShiftsLaterFields", "10\n\n255\n0\n4\n", {10, 0, 255, 0, 4}},
    {"SixthLineChangesNothing", "1\n2\n3\n4\n5\n6\nnot a number\n", {1, 2, 3, 4, 5}},
    {"CarriageReturnsOnlyMakeOneLine", "10\r255\r0\r0\r4\r", {10, 0, 0, 0, 0}},
    {"LoneCarriageReturnStaysInItsLine", "1\r2\n3\n", {1, 3, 0, 0, 0}},
    {"CarriageReturnBeforeCrLf", "1\r\r\n2\n", {1, 2, 0, 0, 0}},
    {"CtrlZEndsTheFile", "10\n255\n0\x1A\n0\n4\n", {10, 255, 0, 0, 0}},
    {"CtrlZAtTheEnd", "10\n255\n0\n0\n4\n\x1A", {10, 255, 0, 0, 4}},
    {"NothingAfterCtrlZIsRead", "10\n\x1A" + Repeat('x', kBuffer) + "\n7\n8\n9\n",
     {10, 0, 0, 0, 0}},
    {"CtrlZAfterCarriageReturn", "10\r\x1A\n255\n", {10, 0, 0, 0, 0}},
    {"Utf8ByteOrderMark", "\xEF\xBB\xBF" "10\n255\n0\n0\n4\n", {0, 255, 0, 0, 4}},
    {"Utf16WithByteOrderMark", Utf16WithByteOrderMark("10\r\n255\r\n0\r\n0\r\n4\r\n"),
     {0, 0, 0, 0, 0}},
    // 10^300 - 3 wraps to -3; stopping after one chunk would give 10^128 - 1, that is -1.
    {"LineOf300Digits", Repeat('9', 299) + "7\n42\n", {-3, 42, 0, 0, 0}},
    {"FullChunkEndingInLineFeed", "5" + Repeat('a', kChunk - 2) + "\n7\n", {5, 7, 0, 0, 0}},
    {"FullChunkThenLineFeed", "5" + Repeat('a', kChunk - 1) + "\n7\n", {5, 7, 0, 0, 0}},
    // Read untranslated, the chunk would end in CR and leave the LF for an empty next line.
    {"CrLfIsOneCharacterOfAChunk", "5" + Repeat('a', kChunk - 3) + "\0\r\n7\n"s,
     {5, 7, 0, 0, 0}},
    {"NulInShortChunkCutsTheLine", "12\0 99\n34\n"s, {12, 34, 0, 0, 0}},
    {"NulInFullChunkStartsNextLine", "12\0"s + Repeat('a', kChunk - 3) + "34\n5\n",
     {12, 34, 5, 0, 0}},
    // The digits of two chunks count: 10^130 - 188.
    {"NulInSecondChunk", Repeat('9', kChunk - 1) + "812\0"s + Repeat('a', kChunk - 3) + "34\n5\n",
     {-188, 34, 5, 0, 0}},
    // The CR is the last byte of the first read, its LF the first of the second; the NUL
    // ends the line's last chunk, so an untranslated CR would leave an empty line behind.
    {"CrLfAcrossTwoReads", "12" + Repeat('a', kBuffer - 4) + "\0\r\n34\n56\n"s,
     {12, 34, 56, 0, 0}},
    {"LoneCarriageReturnAtEndOfRead", "12" + Repeat('a', kBuffer - 3) + "\r9\n34\n",
     {12, 34, 0, 0, 0}},
};
INSTANTIATE_TEST_SUITE_P(Table, SettingsFileContent, ::testing::ValuesIn(kFiles),
                         CaseName<FileCase>);

// ---- Every call reads afresh ---------------------------------------------------------------

TEST_F(SettingsFolder, EditBetweenCallsTakesEffectAtTheNextCall) {
    WriteSettings("10\n255\n0\n0\n4\n");
    EXPECT_EQ(ReadMarkSettings(), (MarkSettings{10, 255, 0, 0, 4}));
    WriteSettings("3\n0\n0\n255\n9\n");
    EXPECT_EQ(ReadMarkSettings(), (MarkSettings{3, 0, 0, 255, 9}));
}

TEST_F(SettingsFolder, LeavesNoDescriptorOpen) {
    WriteSettings("10\n255\n0\n0\n4\n");
    const int before = OpenDescriptorCount();
    ReadMarkSettings();
    EXPECT_EQ(OpenDescriptorCount(), before);
}

}  // namespace
