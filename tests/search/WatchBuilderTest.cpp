// The searches that watch a kept mark, made from the pieces of its word mark, its device
// categories, its register and its classes with their cross classes.

#include "search/WatchBuilder.h"

#include "core/ZrData.h"
#include "tests/core/RecordBytes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

// Records by record number; a number without one has no record.
class CRecords : public IWatchRecords {
public:
    void Add(std::uint32_t recordNumber, const std::string& wordMark, const std::string& classes,
             const std::vector<std::string>& deviceCategories = {}) {
        using namespace record_bytes;
        std::vector<Bytes> fields = {Text("WORDMARK", wordMark), Text("CLASSES", classes)};
        if (!deviceCategories.empty())
            fields.push_back(Text("DEVCATS", FormatStringList(deviceCategories)));
        const Bytes bytes = RecordBytes(fields);
        auto record = std::make_shared<CZrData>();
        record->Assign(bytes.data(), bytes.size());
        records_[recordNumber] = record;
    }
    std::shared_ptr<const CZrData> GetTextRecord(const CMark& mark) override {
        const auto found = records_.find(mark.GetRecordNumber());
        return found == records_.end() ? nullptr : found->second;
    }

private:
    std::map<std::uint32_t, std::shared_ptr<const CZrData>> records_;
};

class WatchBuilderTest : public ::testing::Test {
protected:
    CWatchBuilder Builder(bool substring = true, bool devices = true, bool crossClasses = true) {
        CWatchOptions options;
        options.substringMatch = substring;
        options.devices = devices;
        options.includeCrossClasses = crossClasses;
        return CWatchBuilder(options, records_, [this](const std::string& classText) {
            const auto found = crossClasses_.find(classText);
            return found == crossClasses_.end() ? std::string() : found->second;
        });
    }
    // Every search: section, databases, status, classes, terms and device categories.
    static std::vector<std::string> Describe(const CWatchBuilder& builder) {
        std::vector<std::string> described;
        const CSearchList& searches = builder.GetSearches();
        for (int i = 0; i < searches.GetCount(); ++i) {
            const CCriteria& criteria = searches.GetAt(i).GetCriteria();
            std::string text = std::to_string(searches.GetAt(i).GetSection()) + "|" +
                               criteria.GetDbIds() + "|" + criteria.GetStatus() + "|" +
                               criteria.GetClassesText() + "|";
            for (const std::string& term : criteria.GetWordTerms())
                text += term + ";";
            for (const std::string& category : criteria.GetImageCats())
                text += "|" + category;
            described.push_back(text);
        }
        return described;
    }
    // The one word term of each search.
    std::vector<std::string> TermsOf(const std::string& wordMark, bool substring = true) {
        CWatchBuilder builder = Builder(substring);
        builder.AddWordSearches(1, 'u', "9", wordMark);
        std::vector<std::string> terms;
        for (int i = 0; i < builder.GetSearches().GetCount(); ++i)
            terms.push_back(builder.GetSearches().GetAt(i).GetCriteria().GetWordTerms().at(0));
        return terms;
    }

    CRecords records_;
    std::map<std::string, std::string> crossClasses_;
};

} // namespace

TEST_F(WatchBuilderTest, SingleLettersAreSearchedJoined) {
    EXPECT_THAT(TermsOf("A"), ElementsAre("A"));
    EXPECT_THAT(TermsOf("A B C", false), ElementsAre("ABC"));
    EXPECT_THAT(TermsOf("A B C"), ElementsAre("-ABC-"));
    // The dots are searched alone but cannot be: IB and IBM.
    EXPECT_THAT(TermsOf("I.B.M.", false), ElementsAre("IB", "IBM"));
    // A word ends a run; a new kind of character starts one.
    EXPECT_THAT(TermsOf("X Y STAR 1 2 Z", false), ElementsAre("STAR", "XY", "1", "2", "12"));
}

TEST_F(WatchBuilderTest, WordsAreSearchedAsSubstringsUpTo14Letters) {
    EXPECT_THAT(TermsOf("4 YOU"), ElementsAre("4", "-YOU-"));
    EXPECT_THAT(TermsOf("4 YOU", false), ElementsAre("4", "YOU"));
    EXPECT_THAT(TermsOf("ABCDEFGHIJKLMN"), ElementsAre("-ABCDEFGHIJKLMN-"));
    EXPECT_THAT(TermsOf("ABCDEFGHIJKLMNO"), ElementsAre("-ABCDEFGHIJKLMN-"));
    EXPECT_THAT(TermsOf("ABCDEFGHIJKLMNO", false), ElementsAre("ABCDEFGHIJKLMNO"));
    // Sixteen letters do not pass the validation of word terms.
    EXPECT_THAT(TermsOf("ABCDEFGHIJKLMNOP"), IsEmpty());
    EXPECT_THAT(TermsOf("ABCDEFGHIJKLMNOP GO"), ElementsAre("-GO-"));
    EXPECT_THAT(TermsOf("2000"), ElementsAre("-2000-"));
}

TEST_F(WatchBuilderTest, SymbolsBringTheirOtherSpellings) {
    EXPECT_THAT(TermsOf("$"), ElementsAre("$", "dollar", "#"));
    EXPECT_THAT(TermsOf("\xA3 5"), ElementsAre("\xA3", "pound", "#", "5"));
    EXPECT_THAT(TermsOf("NO # 1", false),
                ElementsAre("NO", "#", "\xA3", "$", "pound", "dollar", "1"));
    // "@" between letters: its own search, the letters joined, and the "at" and "a" spellings.
    EXPECT_THAT(TermsOf("M@X"), ElementsAre("@", "at", "-MX-", "-MatX-", "-MaX-"));
    EXPECT_THAT(TermsOf("SHOP@HOME"),
                ElementsAre("-SHOP-", "@", "at", "-HOME-", "-SHOPatHOME-", "-SHOPaHOME-"));
    // Too short for the spellings.
    EXPECT_THAT(TermsOf("@"), ElementsAre("@", "at"));
    // Wildcard characters are searched escaped where that is a valid term.
    EXPECT_THAT(TermsOf("WHY?"), ElementsAre("-WHY-", "\\?"));
}

TEST_F(WatchBuilderTest, EachKeptMarkIsItsOwnSectionOfItsRegisterAndClasses) {
    records_.Add(101, "ACME ACME", "9");
    records_.Add(102, "ACME", "9, 42", {"26.4.1", "1.1"});
    crossClasses_["9"] = "38";
    crossClasses_["42"] = "9, 35";
    CWatchBuilder builder = Builder();
    builder.AddMark(1, CMark(101, 'u', 7, 3));
    builder.AddMark(2, CMark(102, 'c', 7, 4));
    // A mark without a record keeps its section.
    builder.AddMark(3, CMark(103, 'u', 7, 4));

    EXPECT_THAT(Describe(builder),
                ElementsAre("1|u|rpla|9,38|-ACME-;", "2|c|rpla|9,35,38,42|-ACME-;",
                            "2|c|rpla|9,35,38,42||26.4.1|1.1"));
    std::vector<std::string> marks;
    for (int i = 0; i < builder.GetMarks().GetCount(); ++i) {
        const CMark& mark = builder.GetMarks().GetAt(i);
        marks.push_back(std::to_string(mark.GetRecordNumber()) + "|" +
                        static_cast<char>(mark.GetRegisterCode()) + "|" +
                        std::to_string(mark.GetSection()) + "|" +
                        std::to_string(mark.GetSearchId()));
    }
    EXPECT_THAT(marks, UnorderedElementsAre("101|u|1|0", "102|c|2|0", "103|u|3|0"));
}

TEST_F(WatchBuilderTest, DevicesAndCrossClassesOnlyWhenAsked) {
    records_.Add(102, "ACME", "9", {"26.4.1"});
    crossClasses_["9"] = "38";
    CWatchBuilder builder = Builder(true, false, false);
    builder.AddMark(1, CMark(102, 'c', 0, 0));
    EXPECT_THAT(Describe(builder), ElementsAre("1|c|rpla|9|-ACME-;"));
    EXPECT_EQ(builder.CrossClasses("9, 10"), "9,10,38");
}

TEST_F(WatchBuilderTest, ASearchCoveredInItsSectionIsNotAddedTwice) {
    CWatchBuilder builder = Builder();
    CCriteria narrow;
    narrow.ResetWithDbIds("u");
    narrow.SetClasses("9");
    narrow.AddWord("ACME");
    CCriteria wide = narrow;
    wide.SetClasses("9, 42");
    builder.AddSearch(1, wide);
    builder.AddSearch(1, wide);
    // Narrower than one there: not added; wider: added.
    builder.AddSearch(1, narrow);
    builder.AddSearch(2, narrow);
    builder.AddSearch(2, wide);
    EXPECT_THAT(Describe(builder),
                ElementsAre("1|u|rpla|9,42|ACME;", "2|u|rpla|9|ACME;", "2|u|rpla|9,42|ACME;"));
}
