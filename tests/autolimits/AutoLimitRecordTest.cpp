#include <gtest/gtest.h>

#include <string>

#include "autolimits/AutoLimitRecord.h"

namespace pellory {
namespace {

template <std::size_t N>
std::string Stored(const FixedText<N>& field) {
    return std::string(field.Bytes().begin(), field.Bytes().end());
}

// A typed text goes to the file in the Windows code page, padded with blanks or cut to the
// field's width in characters; a box shows it up to a zero byte, without blanks around it.
TEST(AutoLimitRecord, FieldsArePaddedOrCutAndShownTrimmed) {
    const struct {
        const char* typed;
        std::string stored;
        const char* shown;
    } cases[] = {
        {"", "     ", ""},
        {"3060", "3060 ", "3060"},
        {"12345.5", "12345", "12345"},
        {" 12", " 12  ", "12"},
        {"\xe2\x82\xac\xc3\xa9\xe4\xb8\xad", "\x80\xe9?  ", "\xe2\x82\xac\xc3\xa9?"},
        {"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", "\xe9\xe9\xe9\xe9\xe9",
         "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"},
    };
    for (const auto& c : cases) {
        FixedText<5> field;
        field.Assign(c.typed);
        EXPECT_EQ(Stored(field), c.stored) << c.typed;
        EXPECT_EQ(field.Trimmed(), c.shown) << c.typed;
    }
    FixedText<5> zeros;
    std::string("12\0 9", 5).copy(zeros.Bytes().data(), 5);
    EXPECT_EQ(zeros.Trimmed(), "12");
}

TEST(AutoLimitRecord, LaysTheFieldsOutInTwentyFourBytes) {
    AutoLimitRecord record;
    EXPECT_EQ(std::string(record.ToBytes().data(), 24), std::string(24, ' '));
    record.Year.Assign("2002");
    record.FirstYearMax.Assign("3060");
    record.SecondYearMax.Assign("4900");
    record.ThirdYearMax.Assign("2950");
    record.FourthYearMax.Assign("1775");
    EXPECT_EQ(std::string(record.ToBytes().data(), 24), "20023060 4900 2950 1775 ");
    EXPECT_EQ(AutoLimitRecord::FromBytes(record.ToBytes()), record);
}

// The end of a file: what a short read lacks reads as zero bytes, never as what lies beyond.
TEST(AutoLimitRecord, AShortReadFillsTheRestWithZeroBytes) {
    const std::string file = "2002306" + std::string(17, '9');
    const AutoLimitRecord record = AutoLimitRecord::FromBytes(std::span(file).first(7));
    EXPECT_EQ(record.Year.Text(), "2002");
    EXPECT_EQ(record.FirstYearMax.Text(), std::string("306\0\0", 5));
    EXPECT_EQ(record.FirstYearMax.Trimmed(), "306");
    EXPECT_EQ(record.FourthYearMax.Text(), std::string(5, '\0'));
}

}  // namespace
}  // namespace pellory
