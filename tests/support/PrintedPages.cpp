#include "PrintedPages.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

CPrintedPages::CPrintedPages(const std::string& postScript) {
    std::string pattern = (fs::temp_directory_path() / "zr_print_XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return;
    folder_ = pattern;
    pdf_ = (fs::path(folder_) / "printed.pdf").string();
    const std::string command =
        "timeout 120 ps2pdf '" + postScript + "' '" + pdf_ + "' >/dev/null 2>&1";
    ok_ = std::system(command.c_str()) == 0 && fs::exists(pdf_);
}

CPrintedPages::~CPrintedPages() {
    if (!folder_.empty())
        fs::remove_all(folder_);
}

std::string CPrintedPages::Run(const std::string& command) const {
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(
        popen(("timeout 60 " + command + " 2>/dev/null").c_str(), "r"), pclose);
    std::string output;
    if (!pipe)
        return output;
    std::array<char, 4096> buffer{};
    while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe.get()))
        output.append(buffer.data(), read);
    return output;
}

int CPrintedPages::PageCount() const {
    std::istringstream info(Run("pdfinfo '" + pdf_ + "'"));
    for (std::string line; std::getline(info, line);)
        if (line.rfind("Pages:", 0) == 0)
            return std::stoi(line.substr(6));
    return -1;
}

std::string CPrintedPages::Text(int page) const {
    const std::string number = std::to_string(page);
    return Run("pdftotext -layout -enc UTF-8 -f " + number + " -l " + number + " '" + pdf_ + "' -");
}

int CPrintedPages::RightmostInk(int page) const {
    // One pixel a point, grey, as a binary PGM: "P5 <width> <height> 255" and the pixels.
    const std::string number = std::to_string(page);
    const std::string image =
        Run("pdftoppm -r 72 -gray -f " + number + " -l " + number + " '" + pdf_ + "'");
    std::istringstream stream(image);
    std::string magic;
    int width = 0;
    int height = 0;
    int maximum = 0;
    stream >> magic >> width >> height >> maximum;
    stream.get();
    if (magic != "P5" || width <= 0 || height <= 0)
        return -2;
    std::string pixels(static_cast<std::size_t>(width) * height, '\0');
    stream.read(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    int rightmost = -1;
    for (int y = 0; y < height; ++y)
        for (int x = width - 1; x > rightmost; --x)
            if (static_cast<unsigned char>(pixels[static_cast<std::size_t>(y) * width + x]) < 128)
                rightmost = x;
    return rightmost;
}
