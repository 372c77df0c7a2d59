#include "report/job/ReportImage.h"

#include "core/Dib.h"
#include "report/job/ReportPresenter.h"

#include <span>

namespace {

constexpr std::uint32_t kIconSize = 64;

std::string Number(std::uint64_t value) {
    return std::to_string(value);
}

// A file name with nothing in it that could lead out of the report's folder.
std::string CleanFileName(std::string name) {
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == '\0')
            c = '_';
    }
    return name;
}

void WritePng(CReportPresenter& presenter, const std::string& name, const CPing& image) {
    std::size_t length = 0;
    const std::uint8_t* png = image.GetPngData(length);
    presenter.WriteSideFile(name, std::span<const std::uint8_t>(png, length));
}

} // namespace

std::string FormatHexBytes(const std::uint8_t* bytes, std::size_t length) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(length * 2 + length / 16 + 2);
    for (std::size_t i = 0; i < length; ++i) {
        if (i % 32 == 0)
            hex += "\n\r";
        hex += kDigits[bytes[i] >> 4];
        hex += kDigits[bytes[i] & 0xF];
    }
    return hex;
}

CReportImage::CReportImage(const ReportAttributes& attributes) {
    for (const auto& [key, value] : attributes) {
        if (key == "WIDTH")
            width_ = ReadBlockNumber(value, 0, 0);
        else if (key == "HEIGHT")
            height_ = ReadBlockNumber(value, 0, 0);
        else if (key == "FMT")
            format_ = value;
    }
}

std::string CReportImage::MakeFileName(const std::string& suffix) {
    std::string stem = LookupField("TMNUM");
    std::erase(stem, ',');
    // Registers defined by their engines name themselves, so the whole name is cleaned.
    return CleanFileName(LookupField("DATABASE") + stem + suffix + ".png");
}

bool CReportImage::Evaluate(CReportPresenter& presenter, CReportInfo& info) {
    count_ = GetImageCount();
    paragraphOpen_ = false;
    imageFile_.clear();
    const auto width = static_cast<std::uint32_t>(width_);
    const auto height = static_cast<std::uint32_t>(height_);
    for (index_ = 0; index_ < count_; ++index_) {
        if (!GetImage(index_, width, height, image_))
            continue;
        dib_.clear();
        dibMade_ = false;
        imageFile_.clear();
        if (EqualsNoCase(format_, "FILEPNG")) {
            imageFile_ = MakeFileName(count_ > 1 ? "_" + std::to_string(index_) : "");
            WritePng(presenter, imageFile_, image_);
        }
        // A cancelled pass ends the block, as it ends every other.
        if (!EvaluateChildren(presenter, info))
            return false;
    }
    if (count_ > 0 && EqualsNoCase(format_, "FILEICONPNG")) {
        CPing icon;
        if (GetImage(-1, kIconSize, kIconSize, icon))
            WritePng(presenter,
                     MakeFileName("_icon" + (count_ > 1 ? "_" + std::to_string(count_) : "")),
                     icon);
    }
    if (paragraphOpen_)
        presenter.Write("\\fi0\\li0\\par}");
    return true;
}

const std::vector<std::uint8_t>& CReportImage::Dib() {
    if (!dibMade_) {
        dib_ = image_.ToDib();
        dibMade_ = true;
    }
    return dib_;
}

int CReportImage::BitsPerPixel() {
    const auto header = BitmapInfoHeader::Read(Dib());
    return header ? header->biBitCount : 0;
}

int CReportImage::WidthBytes() {
    return static_cast<int>(
        (std::uint64_t{static_cast<std::uint32_t>(BitsPerPixel())} * image_.GetWidth() + 31) / 32 *
        4);
}

std::string CReportImage::ImageHex() {
    if (EqualsNoCase(format_, "RTFEMPNG")) {
        std::size_t length = 0;
        const std::uint8_t* png = image_.GetPngData(length);
        return FormatHexBytes(png, length);
    }
    const std::vector<std::uint8_t>& dib = Dib();
    return FormatHexBytes(dib.data(), dib.size());
}

std::string CReportImage::RtfPicture() {
    std::string picture;
    if (!paragraphOpen_) {
        picture = "{\\pard\\plain \\fi0\\li0\\widctlpar\\adjustright \\par";
        paragraphOpen_ = true;
    }
    const std::string size =
        "\\picw" + Number(image_.GetWidth()) + "\\pich" + Number(image_.GetHeight());
    if (EqualsNoCase(format_, "RTFEMPNG"))
        return picture + "{\\pict\\pngblip " + size + " " + ImageHex() + "}";
    if (EqualsNoCase(format_, "RTFEMDIB"))
        return picture + "{\\pict\\dibitmap0 " + size + "\\wmbitspixel" + Number(BitsPerPixel()) +
               "\\wbmplanes1\\wbmwidthbytes" + Number(WidthBytes()) + ImageHex() + "}";
    return picture + UnknownFormat();
}

std::string CReportImage::LookupField(std::string_view name) {
    using Block = CReportImage;
    static constexpr CReportFieldEntry<Block> kFields[] = {
        {"WIDTH", [](Block& block) { return Number(block.image_.GetWidth()); }},
        {"HEIGHT", [](Block& block) { return Number(block.image_.GetHeight()); }},
        {"DEPTH", [](Block& block) { return Number(block.BitsPerPixel()); }},
        {"WIDTHBYTES", [](Block& block) { return Number(block.WidthBytes()); }},
        {"IMFILE", [](Block& block) { return block.imageFile_; }},
        {"IMAGE",
         [](Block& block) {
             const bool known =
                 EqualsNoCase(block.format_, "RTFEMPNG") || EqualsNoCase(block.format_, "RTFEMDIB");
             return known ? block.ImageHex() : block.UnknownFormat();
         }},
        {"IMAGE2", [](Block& block) { return block.RtfPicture(); }},
    };
    std::string value;
    return LookupIn(kFields, *this, name, value) ? value : CReportContainer::LookupField(name);
}

std::string CReportImage::Describe() const {
    return "IMAGE: " + Number(static_cast<std::uint32_t>(width_)) + "x" +
           Number(static_cast<std::uint32_t>(height_)) + " " + format_;
}
