// Report runs over the local search service's registers: the blocks over a real examination's
// sections, searches, databases and watched marks, the report file, and what a failed or
// cancelled run leaves behind.

#include "ServiceReport.h"
#include "app/document/TextException.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

CSearch MakeSearch(int section, const std::string& databases, const std::string& mark = "") {
    CSearch search(section);
    search.GetCriteria().ResetWithDbIds(databases);
    if (!mark.empty())
        search.GetCriteria().AddWordTerm(mark, kValidateSearchDialog, nullptr, kTermMarkMatch);
    return search;
}

std::string Replace(std::string text, char from, const std::string& to) {
    std::string replaced;
    for (const char c : text)
        replaced += c == from ? to : std::string(1, c);
    return replaced;
}

class ReportRun : public ServiceReport {
protected:
    // Section 1 has kept and unkept UK marks of search 1, section 2 only a search, section 3 an
    // EU, a design and an international UK mark of search 3, section 4 nothing.
    void AddExamination() {
        document_.AddSearch(MakeSearch(0, "u", "ACME"));
        document_.AddSearch(MakeSearch(1, "c"));
        document_.AddSearch(MakeSearch(2, "co"));
        acme_ = AddMark('u', "ACME", 0, 1, CMark::kPermanentKeep);
        acmeZenith_ = AddMark('u', "ACME ZENITH", 0, 1, CMark::kPermanentKeep);
        starBright_ = AddMark('u', "STAR BRIGHT", 0, 1, 0);
        euAcme_ = AddMark('c', "ACME", 2, 3, CMark::kPermanentKeep);
        design_ = AddMark('o', "ACME", 2, 3, CMark::kPermanentKeep);
        // Every 25th UK number is an international registration's, numbered from M1000.
        international_ = AddMark('u', "", 2, 3, CMark::kPermanentKeep, "APPNO=\"1025-1025\"");
    }

    CMark acme_, acmeZenith_, starBright_, euAcme_, design_, international_;
};

TEST_F(ReportRun, OneTemplateAsTextAndAsRtf) {
    AddExamination();
    ASSERT_NE(AppNum(design_).find('-'), std::string::npos);
    ASSERT_EQ(AppNum(international_).front(), 'M');
    const std::string text = "[[CLIENT]] kept [[TOTAL_KEPT]]\n"
                             "[[STARTSECTION]]Section [[SECTION]] ([[SECTION_KEPT]])\n"
                             "[[STARTCRITERIA]] [[CRITDBS]]: [[CRITWORDSA]]\n"
                             "[[STARTMARK]]  [[DATABASE2]] [[TMNUM2]] [[WORDMARK]] [[QSTATUS]] "
                             "[[STARTVECTOR][FIELD=PROPS][LAST=0]][[2]][[ENDVECTOR]]\n"
                             "[[ENDMARK]][[ENDCRITERIA]][[ENDSECTION]]";
    const auto expected = [&](const std::string& backslash, const std::string& open,
                              const std::string& close) {
        const auto line = [&](const CMark& mark, const std::string& database) {
            PairList owners;
            ParsePairList(Field(mark, "PROPS"), owners);
            return "  " + database + " " + Replace(AppNum(mark), '-', "_") + " " +
                   Field(mark, "WORDMARK") + " " + Field(mark, "STATUS") + " " +
                   Replace(owners.at(0).second, '\\', backslash) + "\n";
        };
        return "Client " + open + "1" + close + " kept 5\n" + "Section 1 (2)\n" + " " +
               ShortName('u') + ": \"ACME\"\n" + line(acme_, ShortName('u')) +
               line(acmeZenith_, ShortName('u')) + "Section 2 (0)\n" + " " + ShortName('c') +
               ": \n" + "Section 3 (3)\n" + " " + table_.GetDbShortNames("co") + ": \n" +
               line(euAcme_, ShortName('c')) + line(design_, ShortName('o')) +
               line(international_, "INT");
    };
    EXPECT_EQ(Report("three.txt", text), expected("\\", "{", "}"));
    EXPECT_EQ(Report("three.RTF", text), expected("\\line ", "\\{", "\\}"));
    EXPECT_EQ(host_.progressCaptions, std::vector<std::string>(2, "Report Progress"));
    EXPECT_EQ(host_.progressSteps.at(1), "range 5 0-100");
    EXPECT_EQ(host_.progressSteps.back(), "Reporting mark 5 of 5 @5");
}

TEST_F(ReportRun, SectionsDatabasesAndSearchesNarrowTheirMarks) {
    AddExamination();
    const auto words = [](const char* block) {
        return "[[" + std::string(block) + "]][[WORDMARK]],[[ENDMARK]]";
    };
    // Without MARKSONLY section 2 counts for its search; ALL takes the unkept mark in; a mark
    // block at top level reports every mark.
    EXPECT_EQ(Report("s.txt", "[[STARTSECTION][MARKSONLY]][[SECTION]];[[ENDSECTION]]|"
                              "[[STARTSECTION][ALL][FIRST=1][LAST=1]]" +
                                  words("STARTMARK") + "[[ENDSECTION]]|[[STARTMARK]]x[[ENDMARK]]"),
              "1;3;|ACME,ACME ZENITH,STAR BRIGHT,|xxxxxx");
    // Only registers with an engine are visited, in the block's order.
    EXPECT_EQ(Report("d.txt", "[[STARTSECTION][FIRST=3]][[STARTDB][DB=cux]][[DBNAME]]:" +
                                  words("STARTMARK") + ";[[ENDDB]][[ENDSECTION]]"),
              ShortName('c') + ":ACME,;" + ShortName('u') + ":" +
                  Field(international_, "WORDMARK") + ",;");
    // A search's marks are those it found.
    document_.AddSearch(MakeSearch(2, "u"));
    document_.MergeMark(
        CMark(acme_.GetRecordNumber(), 'u', 2, 4, acme_.GetAppNumber(), CMark::kPermanentKeep));
    EXPECT_EQ(Report("c.txt", "[[STARTSECTION][FIRST=3]][[STARTCRITERIA]]<[[CRITDBS]]:" +
                                  words("STARTMARK") + ">[[ENDCRITERIA]][[ENDSECTION]]"),
              "<" + table_.GetDbShortNames("co") + ":ACME,ACME," +
                  Field(international_, "WORDMARK") + ",><" + ShortName('u') + ":ACME,>");
}

TEST_F(ReportRun, WatchBlocksGoThroughTheWatchedMarksWithHits) {
    document_.SetType(CExamInfo::kWatch);
    const CMark watched = AddMark('u', "ACME", 1, 0, 0);
    AddMark('u', "STAR BRIGHT", 2, 0, 0);
    AddMark('u', "ACME ZENITH", 1, 1, CMark::kPermanentKeep);
    AddMark('c', "ACME", 1, 1, 0);
    EXPECT_EQ(Report("w.txt", "[[STARTWATCH]][[WATCH_WORDMARK]] [[WATCH_TMNUM]] [[WATCH_KEPT]]"
                              "[[WATCH_NOPE]]{[[STARTMARK]][[WORDMARK]] [[WATCH_CLASSES]];"
                              "[[ENDMARK]]}[[ENDWATCH]]|[[STARTWATCH][ALL]][[WATCH_WORDMARK]];"
                              "[[ENDWATCH]]"),
              "ACME " + AppNum(watched) + " KEPT{ACME ZENITH " + Field(watched, "CLASSES") +
                  ";}|ACME;STAR BRIGHT;");
    // Each watched mark and each hit is one step of the bar.
    EXPECT_EQ(host_.progressSteps.at(1), "range 4 0-100");
    EXPECT_EQ(host_.progressSteps.back(), "Reporting mark 4 of 4 @4");
}

TEST_F(ReportRun, CancelLeavesTheOlderReport) {
    AddExamination();
    folder_.Write("report.out", "older report");
    host_.cancelAt = "Reporting mark 2 of 6";
    EXPECT_FALSE(Run("t.txt", "[[STARTMARK]][[WORDMARK]][[ENDMARK]]"));
    EXPECT_EQ(folder_.Read("report.out"), "older report");
    EXPECT_FALSE(Run("t.txt", "[[STARTMARK]][[WORDMARK]][[ENDMARK]]", "new.out"));
    EXPECT_FALSE(Exists("new.out"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 2);
}

TEST_F(ReportRun, FilesThatCannotBeReadOrWrittenFailTheRunAndWriteNothing) {
    AddExamination();
    const auto error = [&](const std::string& templateName, const std::string& output) {
        try {
            CReportJob job(document_, registers_, options_, today_);
            job.Run(Path(templateName), Path(output), host_);
        } catch (const CTextException& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(error("missing.rtf", "a.out"),
              "W305 Cannot open: " + Path("missing.rtf") + " due to: No such file or directory");
    std::filesystem::create_directory(Path("folder.rtf"));
    EXPECT_EQ(error("folder.rtf", "a.out"),
              "W305 Cannot open: " + Path("folder.rtf") + " due to: Is a directory");
    folder_.Write("t.txt", "[[STARTMARK]][[STARTIMAGE][FMT=FILEPNG]][[ENDIMAGE]][[ENDMARK]]");
    EXPECT_EQ(error("t.txt", "none/a.out"), "W306 Cannot write: " + Path("none/a.out") +
                                                " due to: Cannot create a temporary "
                                                "file for " +
                                                Path("none/a.out") + ": No such file or directory");
    EXPECT_TRUE(host_.progressCaptions.empty());
    // An image file that cannot be written fails the run before the report is complete.
    folder_.Write("a.out", "older report");
    const std::string image = ShortName('u') + AppNum(acmeZenith_) + "_1.png";
    std::filesystem::create_directories(Path(image) + "/in-the-way");
    EXPECT_EQ(error("t.txt", "a.out").rfind("W306 Cannot write: " + Path(image) + " due to: ", 0),
              0u);
    EXPECT_EQ(folder_.Read("a.out"), "older report");
    EXPECT_EQ(host_.openProgresses, 0);
}

TEST_F(ReportRun, ImageFilesAreTheRegistersImages) {
    const CMark threeImages = AddMark('u', "ACME ZENITH", 0, 0, CMark::kPermanentKeep);
    const CMark oneImage = AddMark('u', "ZENITH", 0, 0, CMark::kPermanentKeep);
    AddMark('u', "ACME", 0, 0, CMark::kPermanentKeep);
    EXPECT_EQ(Report("i.txt", "[[STARTMARK]][[STARTIMAGE][FMT=FILEPNG][WIDTH=64][HEIGHT=48]]"
                              "[[IMFILE]] [[WIDTH]]x[[HEIGHT]];[[ENDIMAGE]]"
                              "[[STARTIMAGE][FMT=FILEICONPNG]][[ENDIMAGE]][[ENDMARK]]"),
              [&] {
                  std::string lines;
                  for (int i = 0; i < 3; ++i)
                      lines += ShortName('u') + AppNum(threeImages) + "_" + std::to_string(i) +
                               ".png 64x48;";
                  return lines + ShortName('u') + AppNum(oneImage) + ".png 64x48;";
              }());
    const auto png = [](const CPing& image) {
        std::size_t length = 0;
        const std::uint8_t* bytes = image.GetPngData(length);
        return std::string(bytes, bytes + length);
    };
    CZrDb& uk = *table_.GetDb('u');
    for (int i = 0; i < 3; ++i) {
        CPing image;
        ASSERT_TRUE(uk.GetImageEx(threeImages, i, {64, 48}, image));
        EXPECT_EQ(
            folder_.Read(ShortName('u') + AppNum(threeImages) + "_" + std::to_string(i) + ".png"),
            png(image));
    }
    CPing icon;
    ASSERT_TRUE(uk.GetIcon(threeImages, icon));
    EXPECT_EQ(folder_.Read(ShortName('u') + AppNum(threeImages) + "_icon_3.png"), png(icon));
    EXPECT_TRUE(Exists(ShortName('u') + AppNum(oneImage) + "_icon.png"));
}

} // namespace
