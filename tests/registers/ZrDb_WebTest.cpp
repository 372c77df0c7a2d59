// Web-defined registers made from a layout record: templates, row definitions, the register's
// answers, its details and its flag image, without an engine (records come from the cache).

#include "registers/ZrDb_Web.h"

#include "registers/FlagImage.h"
#include "registers/PresentationFlags.h"
#include "registers/WebTemplate.h"
#include "registers/ZrDbs.h"
#include "tests/registers/TestRecords.h"
#include "tests/support/RecordingPresenter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The worked example of a layout.
CZrData ExampleLayout() {
    return MakeRecord(
        {{"shortName", "XY"},
         {"longName", "Example Trade Marks"},
         {"regionName", "Example region"},
         {"associatedCountryCodes", "XA, XB"},
         {"appNumFormat", "2"},
         {"tmNumFormat", "\\d+"},
         {"sum1", "[[WORDMARK]]"},
         {"sum2", "[[APPNUM]], [[STATUS]][[?CLASSES]], class [[CLASSES]][[]]"},
         {"detSum1Left", "[[APPNUM]]"},
         {"detSum1Right", "[[?REGDATE]]Reg:[[REGDATE]][[]][[!REGDATE]]App:[[APPDATE]][[]]"},
         {"detSum2Left", "Class [[CLASSES]]"},
         {"detSum2Right", "[[STATUS]]"},
         {"detSum3Left", "[[?STATUS=registered]]on the register[[]]"},
         {"details",
          FormatStringList({"WORDMARK|BMark|B[[WORDMARK]]", "force-break", "16|BOwner|-"})},
         {"selection", FormatStringList({"XYTM|x|Example marks||Y"})}});
}

CZrData ExampleRecord() {
    return MakeRecord({{"WORDMARK", "Acme"},
                       {"APPNUM", "1234"},
                       {"STATUS", "Registered"},
                       {"CLASSES", "9"},
                       {"APPDATE", "5 Jan 2004"},
                       {"PROPS", FormatPairList({{"Acme Ltd", "1 High St"}, {"Beta", "2 Low"}})}});
}

class WebDb : public ::testing::Test {
protected:
    WebDb() { table_.GetTextCache().SetLimits(1, 40, 2048); }

    // The details of the example record under the layout, with the flags.
    std::vector<std::string> Present(CZrDb_Web& db, std::uint32_t flags,
                                     const CZrData& record = ExampleRecord()) {
        const CMark mark(0x20, 'x', 0, 0);
        table_.GetTextCache().Add(mark, record);
        CRecordingPresenter output;
        db.PresentRecord(mark, output, flags, 0, 0);
        return output.Calls();
    }

    CZrDbs table_;
};

TEST(ExpandTemplate, FieldsAndTests) {
    const CZrData record = ExampleRecord();
    EXPECT_EQ(ExpandTemplate("[[APPNUM]], [[STATUS]][[?CLASSES]], class [[CLASSES]][[]]", record),
              "1234, Registered, class 9");
    EXPECT_EQ(
        ExpandTemplate("[[?REGDATE]]Reg:[[REGDATE]][[]][[!REGDATE]]App:[[APPDATE]][[]]", record),
        "App:5 Jan 2004");
    EXPECT_EQ(ExpandTemplate("[[?STATUS=registered]]on the register[[]]", record),
              "on the register");
    EXPECT_EQ(ExpandTemplate("[[!STATUS=registered]]off[[]]", record), "");
    // Names match exactly; tests nest; a stray closing tag writes nothing.
    EXPECT_EQ(ExpandTemplate("[[wordmark]]|[[?APPNUM]]a[[!REGDATE]]b[[]]c[[]]d[[]]", record),
              "|abcd");
    EXPECT_EQ(ExpandTemplate("[[?REGDATE]]x[[?APPNUM]]y[[]]z[[]]", record), "");
    EXPECT_EQ(ExpandTemplate("[[?APPNUM]]never closed", record), "never closed");
    // However deep the tests nest, the stack holds.
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "[[?APPNUM]]";
    EXPECT_EQ(ExpandTemplate(deep + "x", record), "x");
}

TEST(WebField, Definitions) {
    const CZrDb_WebField mark("WORDMARK|BMark|B[[WORDMARK]]");
    EXPECT_EQ(mark.GetKind(), kPresentWordMark);
    EXPECT_EQ(mark.GetStyle(), 0x12u);
    EXPECT_EQ(mark.GetLabel(), "Mark");
    EXPECT_EQ(mark.GetTemplate(), "[[WORDMARK]]");

    const CZrDb_WebField owner("\t 16|IOwner|i[[X]]|ignored");
    EXPECT_EQ(owner.GetKind(), 16u);
    EXPECT_EQ(owner.GetStyle(), 0x24u);
    EXPECT_EQ(owner.GetLabel(), "Owner");

    EXPECT_TRUE(CZrDb_WebField("FORCE-BREAK").IsForceBreak());
    EXPECT_EQ(CZrDb_WebField("WORDMARK |-Mark|-x").GetKind(), 0u); // the blank is kept
    EXPECT_EQ(CZrDb_WebField("appnum|-N").GetKind(), kPresentHeading);
    EXPECT_EQ(CZrDb_WebField("unknown|-N|-x").GetKind(), 0u);
    const CZrDb_WebField bare("2||");
    EXPECT_EQ(bare.GetKind(), kPresentDetails);
    EXPECT_EQ(bare.GetStyle(), 0u);
    EXPECT_EQ(bare.GetLabel(), "");
}

TEST_F(WebDb, TheWorkedExample) {
    CZrDb_Web db(table_, 'x');
    db.SetLayout(ExampleLayout());
    EXPECT_EQ(db.GetShortName(), "XY");
    EXPECT_EQ(db.GetLongName(), "Example Trade Marks");
    EXPECT_THAT(db.GetCountryCodes(), ElementsAre("XA", "XB"));
    EXPECT_EQ(db.GetAppNumPattern(), "\\d+");
    EXPECT_EQ(db.GetSummaryText(ExampleRecord()), "1234, Registered, class 9");
    bool wide = true;
    EXPECT_EQ(db.GetWordMarkText(ExampleRecord(), wide), "Acme");
    EXPECT_FALSE(wide);
    EXPECT_EQ(db.GetFlagImage().GetWidth(), 0u); // none in the layout

    const CDbGroup* group = db.GetDbGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->code, "XY");
    EXPECT_EQ(group->name, "Example region");
    EXPECT_TRUE(group->secondKind);
    EXPECT_FALSE(group->training);
    EXPECT_THAT(group->databases, ElementsAre(CDbEntry{"XYTM", 'x', "Example marks", "", true}));

    const CMark mark(0x20, 'x', 0, 0);
    table_.GetTextCache().Add(mark, ExampleRecord());
    CHeaderTexts header;
    std::string error;
    ASSERT_TRUE(db.GetHeaderTexts(mark, header, error));
    EXPECT_EQ(header.line1Left, "1234");
    EXPECT_EQ(header.line1Right, "App:5 Jan 2004");
    EXPECT_EQ(header.line2Left, "Class 9");
    EXPECT_EQ(header.line2Right, "Registered");
    EXPECT_EQ(header.line3Left, "on the register");
    EXPECT_EQ(header.wordMark, "Acme");
    EXPECT_THAT(db.GetSummaryLines(mark), ElementsAre("XY 1234", "App: 5 Jan 2004", "Registered"));

    EXPECT_THAT(Present(db, kPresentWordMark | kPresentOwnerName),
                ElementsAre("AddField(0, \"Mark\", \"Acme\", 0x12, 1, 0, 0)", "RequestParagraph()",
                            "AddField(0, \"Owner\", \"Acme Ltd\", 0x10, 1, 0, 0)"));
}

TEST_F(WebDb, NumbersSortKeysAndDevices) {
    CZrDb_Web db(table_, 'x');
    db.SetLayout(ExampleLayout());
    const CMark mark(0x60000003, 'x', 0, 0, 12345 << 8);
    EXPECT_EQ(db.FormatMarkAppNum(mark), "12345");
    EXPECT_TRUE(db.IsDeviceMark(mark));
    EXPECT_FALSE(db.IsDeviceMark(CMark(2, 'x', 0, 0)));
    EXPECT_EQ(db.GetSortKey(mark), (std::uint64_t{0x80C0000E} << 32) | 0x00000001);

    CZrDb_Web other(table_, 'y');
    other.SetLayout(MakeRecord({{"appNumFormat", "1"}}));
    EXPECT_EQ(other.FormatMarkAppNum(mark), "3160320");
    EXPECT_THAT(other.GetCountryCodes(), IsEmpty());
}

TEST_F(WebDb, BreaksNeverMakeEmptyParagraphs) {
    CZrDb_Web db(table_, 'x');
    db.SetLayout(MakeRecord(
        {{"details", FormatStringList({"force-break", "force-break", "NOTICES|BEmpty|-[[NOSUCH]]",
                                       "force-break", "2|-Number|-[[APPNUM]]", "force-break",
                                       "force-break", "2|IClasses|I[[CLASSES]]", "0|-No|x"})}}));
    EXPECT_THAT(Present(db, kPresentDetails),
                ElementsAre("AddField(0, \"Number\", \"1234\", 0x0, 1, 0, 0)", "RequestParagraph()",
                            "AddField(0, \"Classes\", \"9\", 0x24, 1, 0, 0)"));
    EXPECT_THAT(Present(db, kPresentWordMark), IsEmpty());
}

TEST_F(WebDb, PartiesGoodsAndDevices) {
    CZrDb_Web db(table_, 'x');
    db.SetLayout(
        MakeRecord({{"details", FormatStringList({"PROP_NAME|BOwner|-", "SPECIFICATION|BClass |-",
                                                  "DEVICE|-|-", "SERV_NAME|BService|-"})}}));
    CZrData record = MakeRecord({{"PROPS", FormatPairList({{"A", "a st"}, {"B", "b st"}})},
                                 {"SERVS", FormatPairList({{"S", "s st"}})},
                                 {"GOODS", FormatPairList({{"9", "Software"}})},
                                 {"DEVCATS", FormatStringList({"1.1.1", "2.2.2"})}});
    EXPECT_THAT(
        Present(db, kPresentOwnerName | kPresentFurtherOwners | kPresentFurtherAddresses, record),
        ElementsAre("AddField(0, \"Owner\", \"A\", 0x10, 1, 0, 0)",
                    "AddField(0, \"Owner\", \"B\", 0x10, 1, 0, 0)",
                    "AddField(0, \"\", \"b st\", 0x0, 1, 0, 0)"));
    EXPECT_THAT(Present(db, kPresentFurtherOwners | kPresentOwnerAddress, record), IsEmpty());
    EXPECT_THAT(
        Present(db,
                kPresentGoods | kPresentDevices | kPresentServiceNames | kPresentServiceAddresses,
                record),
        ElementsAre("AddField(4, \"Class 9: \", \"Software\", 0x10, 1, 0, 0)",
                    "AddField(0, \"Device:\", \"1.1.1\", 0x10, 1, 0, 0)",
                    "AddField(0, \"Device:\", \"2.2.2\", 0x10, 1, 0, 0)",
                    "AddField(0, \"Service\", \"S\", 0x10, 1, 0, 0)",
                    "AddField(0, \"\", \"s st\", 0x0, 1, 0, 0)"));
}

TEST(FlagImage, BitmapFilesAndPngs) {
    CPing flag;
    ASSERT_TRUE(LoadFlagImage(FlagBitmapFile(), flag));
    EXPECT_EQ(flag.GetWidth(), 18u);
    EXPECT_EQ(flag.GetHeight(), 12u);
    std::size_t length = 0;
    const std::uint8_t* png = flag.GetPngData(length);
    const Bytes pngBytes(png, png + length);

    CPing fromPng;
    ASSERT_TRUE(LoadFlagImage(pngBytes, fromPng));
    EXPECT_EQ(fromPng.GetWidth(), 18u);
    EXPECT_EQ(fromPng.GetHeight(), 12u);
}

TEST(FlagImage, AnythingElseIsRejected) {
    const Bytes bitmap = FlagBitmapFile();
    Bytes png;
    {
        CPing flag;
        ASSERT_TRUE(LoadFlagImage(bitmap, flag));
        std::size_t length = 0;
        const std::uint8_t* data = flag.GetPngData(length);
        png.assign(data, data + length);
    }
    Bytes wrongSignature = bitmap;
    wrongSignature[0] = 'X';
    Bytes tooManyColours = FlagBitmapFile(18, 300);
    const std::vector<Bytes> rejected = {
        {},
        {'B', 'M'},
        Bytes(bitmap.begin(), bitmap.end() - 1), // the last row cut short
        Bytes(bitmap.begin(), bitmap.begin() + 60),
        wrongSignature,
        tooManyColours,
        FlagBitmapFile(18, 0), // a palette image without its colours
        Bytes(png.begin(), png.end() - 1),
        Bytes(png.begin(), png.begin() + 20),
        Bytes(1000, 0xff),
    };
    for (const Bytes& bytes : rejected) {
        CPing flag;
        EXPECT_FALSE(LoadFlagImage(bytes, flag)) << bytes.size();
        EXPECT_EQ(flag.GetWidth(), 0u);
    }
}

TEST_F(WebDb, ADamagedFlagLeavesTheRestOfTheLayout) {
    CZrDb_Web db(table_, 'x');
    db.SetLayout(MakeRecord({{"shortName", "XY"}, {"flag", "not a picture"}}));
    EXPECT_EQ(db.GetShortName(), "XY");
    EXPECT_EQ(db.GetFlagImage().GetWidth(), 0u);
}

} // namespace
