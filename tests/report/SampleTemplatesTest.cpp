// The report templates that scripts/start_client.sh puts in the try-out's templates folder, run
// over the local service's marks: the README's example as text, and the kept marks with their
// images as RTF read back by LibreOffice.

#include "LibreOffice.h"
#include "ServiceReport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string SampleTemplate(const std::string& name) {
    return ReadFile(ZR_SOURCE_DIR "/testsvc/sample/templates/" + name);
}

// The text block of the README's Reports section.
std::string ReadmeExample() {
    const std::string readme = ReadFile(ZR_SOURCE_DIR "/README.md");
    const std::size_t block = readme.find("```text\n", readme.find("\n## Reports"));
    if (block == std::string::npos)
        return "";
    const std::size_t from = block + 8;
    return readme.substr(from, readme.find("```", from) - from);
}

class SampleTemplates : public ServiceReport {
protected:
    void SetUp() override {
        ServiceReport::SetUp();
        document_.SetAgency("Agency & Co");
        document_.SetExaminer("Examiner");
        document_.SetExamId("EX-{7}");
        device_ = AddMark('u', "ACME ZENITH", 0, 1, CMark::kPermanentKeep);
        word_ = AddMark('c', "ACME", 1, 2, CMark::kPermanentKeep);
        // Not kept: left out.
        AddMark('u', "NOVA", 0, 1, 0);
    }

    CMark device_;
    CMark word_;
};

TEST_F(SampleTemplates, TheReadmesExampleListsTheKeptMarksOfEachSectionAsText) {
    const std::string example = SampleTemplate("example.txt");
    EXPECT_EQ(example, ReadmeExample());
    EXPECT_EQ(Report("example.txt", example), "Client: Client {1}\nSection 1\n  " + ShortName('u') +
                                                  " " + AppNum(device_) +
                                                  " ACME ZENITH\nSection 2\n  " + ShortName('c') +
                                                  " " + AppNum(word_) + " ACME\n\n");
}

TEST_F(SampleTemplates, TheKeptMarksTemplateWritesEachKeptMarkWithItsImages) {
    const std::string soffice = FindSoffice();
    if (soffice.empty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: RTF reports not read back";
    const std::string rtf = Report("kept-marks.rtf", SampleTemplate("kept-marks.rtf"));

    std::vector<std::string> lines =
        TextLines(ConvertRtf(soffice, rtf, "txt:Text (encoded):UTF8")["sample.txt"]);
    std::erase(lines, "");
    std::vector<std::string> expected = {"Kept marks",          "Client: Client {1}",
                                         "Examination: EX-{7}", "Agency: Agency & Co",
                                         "Examiner: Examiner",  "Date: " + today_.Format(),
                                         "Marks kept: 2"};
    for (const auto& [section, mark] : {std::pair{1, device_}, std::pair{2, word_}}) {
        PairList owners;
        ParsePairList(Field(mark, "PROPS"), owners);
        const std::vector<std::string> markLines = {
            "Section " + std::to_string(section) + ": 1 kept", Field(mark, "WORDMARK"),
            ShortName(static_cast<char>(mark.GetRegisterCode())) + " " + AppNum(mark) +
                ", Registered",
            "Classes: " + Field(mark, "CLASSES"),
            "Owner: " + owners.at(0).first + ", " + owners[0].second};
        expected.insert(expected.end(), markLines.begin(), markLines.end());
    }
    EXPECT_EQ(lines, expected);

    // The device mark's three images, the word mark none.
    const std::string page = ConvertRtf(soffice, rtf, "html")["sample.html"];
    std::size_t images = 0;
    for (std::size_t at = page.find("<img "); at != std::string::npos;
         at = page.find("<img ", at + 1))
        ++images;
    EXPECT_EQ(images, static_cast<std::size_t>(table_.GetDb('u')->GetImageInfo(device_)));
    EXPECT_EQ(table_.GetDb('u')->GetImageInfo(device_), 3);
}

} // namespace
