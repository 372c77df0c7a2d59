#pragma once
// The image block: one pass per image of the enclosing mark, fetched at WIDTH by HEIGHT. FMT
// says what becomes of each image: RTFEMPNG and RTFEMDIB embed it in RTF output (the IMAGE and
// IMAGE2 fields), FILEPNG writes it as a PNG file beside the report (named in IMFILE), and
// FILEICONPNG writes the mark's icon after the images.

#include "core/Ping.h"
#include "report/job/ReportItem.h"

#include <cstdint>
#include <string>
#include <vector>

class CReportImage : public CReportContainer {
public:
    explicit CReportImage(const ReportAttributes& attributes);
    std::string LookupField(std::string_view name) override;
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;

protected:
    std::string Describe() const override;

private:
    // The image file's name: register, number, the suffix, ".png"; never a path.
    std::string MakeFileName(const std::string& suffix);
    // The current image as a packed bitmap, made on first use.
    const std::vector<std::uint8_t>& Dib();
    int BitsPerPixel();
    int WidthBytes();
    // The image in the block's format as hexadecimal text.
    std::string ImageHex();
    std::string RtfPicture();
    std::string UnknownFormat() const { return "Unknown image format: " + format_; }

    CPing image_;
    int width_ = 300;
    int height_ = 300;
    std::string format_;
    std::string imageFile_;
    int index_ = 0;
    int count_ = 0;
    bool paragraphOpen_ = false;
    std::vector<std::uint8_t> dib_;
    bool dibMade_ = false;
};

// Each byte as two upper-case hexadecimal digits, a line feed and a carriage return before the
// first byte and every 32nd after it.
std::string FormatHexBytes(const std::uint8_t* bytes, std::size_t length);
