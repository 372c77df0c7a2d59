// A report written as RTF over the local service's marks, read back by LibreOffice: the text
// says what the records say, and the pictures embedded as PNG and as bitmaps are the register's
// images at their sizes.

#include "LibreOffice.h"
#include "ServiceReport.h"

#include <gtest/gtest.h>

namespace {

// The width and height a PNG or bitmap file states.
std::pair<std::uint32_t, std::uint32_t> PictureSize(const std::string& bytes) {
    const auto number = [&](std::size_t at, int size) {
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            const auto byte = static_cast<std::uint8_t>(bytes.at(at + static_cast<std::size_t>(i)));
            value = size == 4 && bytes[0] != 'B' ? value << 8 | byte
                                                 : value | std::uint32_t{byte} << (8 * i);
        }
        return value;
    };
    if (bytes.rfind("\x89PNG", 0) == 0)
        return {number(16, 4), number(20, 4)};
    return {number(18, 4), number(22, 4)};
}

TEST_F(ServiceReport, LibreOfficeReadsTheReportsTextAndPictures) {
    const std::string soffice = FindSoffice();
    if (soffice.empty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: RTF reports not read back";
    const CMark mark = AddMark('u', "ACME ZENITH", 0, 0, CMark::kPermanentKeep);
    document_.SetClient("Client {1}\\Leeds");
    const std::string rtf = Report(
        "r.rtf", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard Report for [[CLIENT]]\\par "
                 "[[STARTMARK]]Mark: [[WORDMARK]] ([[TMNUM]])\\par "
                 "[[STARTVECTOR][FIELD=PROPS][LAST=0]]Owner: [[1]], [[2]]\\par [[ENDVECTOR]]"
                 "[[STARTIMAGE][FMT=RTFEMPNG][WIDTH=64][HEIGHT=48]][[IMAGE2]][[ENDIMAGE]]"
                 "[[STARTIMAGE][FMT=RTFEMDIB][WIDTH=40][HEIGHT=30]][[IMAGE2]][[ENDIMAGE]]"
                 "[[ENDMARK]]End\\par}");

    std::vector<std::string> lines =
        TextLines(ConvertRtf(soffice, rtf, "txt:Text (encoded):UTF8")["sample.txt"]);
    std::erase(lines, "");
    PairList owners;
    ParsePairList(Field(mark, "PROPS"), owners);
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "Report for Client {1}", "Leeds", "Mark: ACME ZENITH (" + AppNum(mark) + ")",
                  "Owner: " + owners.at(0).first + ", " + owners[0].second, "End"}));

    // Each picture as LibreOffice shows it and as it stores it.
    std::map<std::string, std::string> html = ConvertRtf(soffice, rtf, "html");
    const std::string page = html["sample.html"];
    std::vector<std::string> shown;
    for (std::size_t at = page.find("<img "); at != std::string::npos;
         at = page.find("<img ", at + 1)) {
        const std::string tag = page.substr(at, page.find('>', at) - at);
        const auto attribute = [&](const std::string& name) {
            const std::size_t value = tag.find(" " + name + "=\"") + name.size() + 3;
            return tag.substr(value, tag.find('"', value) - value);
        };
        const auto [width, height] = PictureSize(html[attribute("src")]);
        shown.push_back(attribute("width") + "x" + attribute("height") + " " +
                        std::to_string(width) + "x" + std::to_string(height));
    }
    std::vector<std::string> expected;
    CZrDb& uk = *table_.GetDb('u');
    for (const CImageSize box : {CImageSize{64, 48}, CImageSize{40, 30}}) {
        for (int i = 0; i < 3; ++i) {
            CPing image;
            ASSERT_TRUE(uk.GetImageEx(mark, i, box, image));
            const std::string size =
                std::to_string(image.GetWidth()) + "x" + std::to_string(image.GetHeight());
            expected.push_back(size + " " + size);
        }
    }
    EXPECT_EQ(shown, expected) << page;
}

} // namespace
