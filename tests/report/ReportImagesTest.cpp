// Image blocks over registers held in memory: the image texts embedded in RTF, the names of the
// image files written beside the report, and where the block stops.

#include "MemoryReport.h"
#include "core/Ping.h"
#include "platform/AtomicFile.h"
#include "report/job/ReportImage.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

std::vector<std::uint8_t> TestPng(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(platform::ReadWholeFile(std::string(ZR_TEST_DATA_DIR) + "/png/" + name, bytes));
    return Bytes(bytes);
}

class ReportImages : public ::testing::Test {
protected:
    // A device mark of the web register, whose engine names it with a "/", with these images.
    void AddMark(std::uint32_t record, std::vector<std::vector<std::uint8_t>> images) {
        web_.SetRecord(record, {{"APPNUM", "12/3,4\\5"}});
        web_.images[record] = std::move(images);
        web_.icons[record] = Bytes("icon");
        report_.document.AddMark(record, 'w', 0, 0, 0, CMark::kKept);
    }
    std::string Write(std::string_view body, bool rtf = false) {
        return report_.Write("[[STARTMARK]]" + std::string(body) + "[[ENDMARK]]", rtf);
    }

    CMemoryReport report_;
    CMemoryReportDb& web_ = report_.registers.Add('w', "W/../T", "Web");
};

TEST_F(ReportImages, HexTextBreaksItsLinesEvery32Bytes) {
    const std::string png(33, '\xAB');
    AddMark(1, {Bytes(png)});
    EXPECT_EQ(Write("[[STARTIMAGE][FMT=RTFEMPNG][WIDTH=40][HEIGHT=30]][[IMAGE]]|[[WIDTH]]x"
                    "[[HEIGHT]][[ENDIMAGE]]"),
              "\n\r" + Repeat("AB", 32) + "\n\rAB|40x30");
    EXPECT_EQ(web_.imageRequests, std::vector<std::string>{"1:0 40x30"});
}

TEST_F(ReportImages, PicturesOpenOneParagraphAndOnlyImage2IsUnescaped) {
    const std::vector<std::uint8_t> png = TestPng("rgb8_3x2.png");
    AddMark(1, {png, png});
    CPing ping;
    ping.SetPngData(png.data(), png.size(), 3, 2);
    const std::vector<std::uint8_t> dib = ping.ToDib();
    const std::string dibHex = FormatHexBytes(dib.data(), dib.size());
    const std::string dibPicture =
        "{\\pict\\dibitmap0 \\picw3\\pich2\\wmbitspixel24\\wbmplanes1\\wbmwidthbytes12" + dibHex +
        "}";
    EXPECT_EQ(Write("[[STARTIMAGE][FMT=RTFEMDIB][WIDTH=3][HEIGHT=2]][[IMAGE2]]"
                    "[[DEPTH]]/[[WIDTHBYTES]];[[ENDIMAGE]]",
                    true),
              "{\\pard\\plain \\fi0\\li0\\widctlpar\\adjustright \\par" + dibPicture + "24/12;" +
                  dibPicture + "24/12;\\fi0\\li0\\par}");
    // Looked up in lower case, the picture goes through the RTF escapes and is spoilt.
    const std::string picture = Write("[[STARTIMAGE][FMT=RTFEMPNG][WIDTH=3][HEIGHT=2]][[image2]]"
                                      "[[ENDIMAGE]]",
                                      true);
    const std::string spoilt = "\\{\\line pard\\line plain \\line fi0\\line li0";
    EXPECT_EQ(picture.substr(0, spoilt.size()), spoilt);
    EXPECT_EQ(Write("[[STARTIMAGE][FMT=GIF]][[IMAGE]]|[[IMAGE2]][[ENDIMAGE]]"),
              "Unknown image format: GIF|"
              "{\\pard\\plain \\fi0\\li0\\widctlpar\\adjustright \\parUnknown image format: GIF"
              "Unknown image format: GIF|Unknown image format: GIF\\fi0\\li0\\par}");
}

TEST_F(ReportImages, ImageFilesStayInTheReportsFolder) {
    AddMark(1, {Bytes("p0"), Bytes("p1")});
    AddMark(2, {Bytes("single")});
    EXPECT_EQ(Write("[[STARTIMAGE][FMT=FILEPNG]][[IMFILE]];[[ENDIMAGE]]"
                    "[[STARTIMAGE][FMT=FILEICONPNG][WIDTH=8]][[IMFILE]][[ENDIMAGE]]"),
              "W_.._T12_34_5_0.png;W_.._T12_34_5_1.png;W_.._T12_34_5.png;");
    EXPECT_EQ(report_.output.sideFiles,
              (std::map<std::string, std::string>{{"W_.._T12_34_5_0.png", "p0"},
                                                  {"W_.._T12_34_5_1.png", "p1"},
                                                  {"W_.._T12_34_5_icon_2.png", "icon"},
                                                  {"W_.._T12_34_5.png", "single"},
                                                  {"W_.._T12_34_5_icon.png", "icon"}}));
}

TEST_F(ReportImages, CancelEndsTheBlockAtItsFirstImage) {
    AddMark(1, {Bytes("p0"), Bytes("p1"), Bytes("p2")});
    report_.host.cancelAt = "Reporting mark 1 of 1";
    EXPECT_EQ(Write("[[STARTIMAGE][FMT=FILEPNG]]a[[IMFILE]][[ENDIMAGE]]"), "a");
    EXPECT_EQ(report_.output.sideFiles,
              (std::map<std::string, std::string>{{"W_.._T12_34_5_0.png", "p0"}}));
}

} // namespace
