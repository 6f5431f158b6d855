#include <gtest/gtest.h>

#include <string>

#include "AutoLimitsTestSupport.h"
#include "autolimits/AutoLimitRecord.h"

namespace pellory {
namespace {

std::string AsString(const AutoLimitRecord::Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(AutoLimitRecord, FieldsArePaddedWithBlanksOrCutToTheirWidth) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"", "     "},        {"3060", "3060 "},   {"12345", "12345"},
        {"12345.5", "12345"}, {"100000", "10000"}, {".5", ".5   "},
    };
    for (const auto& c : cases) {
        FixedText<5> field;
        field.Assign(c.typed);
        EXPECT_EQ(std::string(field.Bytes().begin(), field.Bytes().end()), c.stored) << c.typed;
    }
}

TEST(AutoLimitRecord, LaysTheFieldsOutInTwentyFourBytes) {
    AutoLimitRecord record;
    record.Year.Assign("2002");
    record.FirstYearMax.Assign("3060");
    record.SecondYearMax.Assign("4900");
    record.ThirdYearMax.Assign("2950");
    record.FourthYearMax.Assign("1775");
    EXPECT_EQ(AsString(record.ToBytes()), "20023060 4900 2950 1775 ");
    EXPECT_EQ(AutoLimitRecord::FromBytes(record.ToBytes()), record);
}

TEST(AutoLimitRecord, ANewRecordIsAllBlanks) {
    EXPECT_EQ(AsString(AutoLimitRecord{}.ToBytes()), std::string(24, ' '));
}

TEST(AutoLimitRecord, AShortReadFillsTheRestWithZeroBytes) {
    const std::string head = "2002306";
    const AutoLimitRecord record = AutoLimitRecord::FromBytes(head);
    EXPECT_EQ(record.Year.Text(), "2002");
    EXPECT_EQ(record.FirstYearMax.Text(), std::string("306\0\0", 5));
    EXPECT_EQ(record.FirstYearMax.Trimmed(), "306");
    EXPECT_EQ(record.FourthYearMax.Text(), std::string(5, '\0'));
}

TEST(AutoLimitRecord, TrimmedShowsWhatABoxShows) {
    struct Case {
        std::string bytes;
        const char* shown;
    };
    const Case cases[] = {
        {"3060 ", "3060"},
        {"  12 ", "12"},
        {"     ", ""},
        {std::string(5, '\0'), ""},
        {std::string("12\0 9", 5), "12"},
    };
    for (const auto& c : cases) {
        FixedText<5> field;
        std::copy(c.bytes.begin(), c.bytes.end(), field.Bytes().begin());
        EXPECT_EQ(field.Trimmed(), c.shown);
    }
}

TEST(AutoLimitRecord, TextGoesToTheFileInTheWindowsCodePage) {
    FixedText<5> field;
    field.Assign("\xe2\x82\xac\xc3\xa9\xe4\xb8\xad");  // euro sign, e acute, a CJK character
    EXPECT_EQ(std::string(field.Bytes().begin(), field.Bytes().end()), "\x80\xe9?  ");
    EXPECT_EQ(field.Trimmed(), "\xe2\x82\xac\xc3\xa9?");
}

TEST(AutoLimitRecord, TheCutCountsCharactersNotUtf8Bytes) {
    FixedText<4> year;
    year.Assign("\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9");
    EXPECT_EQ(std::string(year.Bytes().begin(), year.Bytes().end()), "\xe9\xe9\xe9\xe9");
}

}  // namespace
}  // namespace pellory
