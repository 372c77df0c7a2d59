#pragma once
// Prints an examination or watch: section by section, each section's kept marks as items of two
// columns (a class column and the mark's text), optionally followed by the criteria of the
// section's searches on pages of their own, under a page heading made from the user's template.
// A page holds the marks of one section only. An item that does not fit moves to the next page
// or, when it is taller than a page, is split between its parts: device images (part 0, whole
// rows), word-mark lines (part 1) and detail lines (part 2); its next page reads "(Continued)".
//
// Pages are laid out in order as they are asked for, each from where the one before stopped.
// Every page takes at least one row or line of the item it starts with, so that printing ends
// on any paper and in any font. Sizes are the surface's device units; the margins of the user
// settings are taken as device units too.

#include "app/document/ZrDocData.h"
#include "core/DrawSurface.h"
#include "core/Mark.h"
#include "core/TermMapper.h"
#include "core/UserOptions.h"
#include "core/ZrDate.h"
#include "report/print/DeviceLayout.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CSearch;
class CWordWrapper;
class IProgress;
class IPrintDb;
class IPrintRegisters;

// Where layout stands.
struct CZrPrintPosn {
    int section = 0;
    // The next mark within the section's marks.
    int markIndex = 0;
    // The part of that mark, and the row or line within it, where it continues.
    int part = 0;
    int position = 0;
    bool marksDone = false;
    // The next search within the section's searches.
    int searchIndex = 0;

    void NextSection() { *this = {section + 1}; }
    bool AtSectionStart() const {
        return markIndex == 0 && part == 0 && position == 0 && !marksDone;
    }

    bool operator==(const CZrPrintPosn&) const = default;
};

// The parts of an item.
enum EPrintPart : int { kPartDevices = 0, kPartWordMark = 1, kPartDetails = 2, kPartWhole = 3 };

// One mark, or the slice of it that one page holds.
struct CZrPrintItem {
    static constexpr int kEndOfPart = 2000000;

    CMark mark;
    int height = 0;
    int top = 0;
    bool printClass = true;
    // From (startPart, startPosition) up to, not including, (endPart, endPosition); an end
    // position of kEndOfPart takes the part to its end.
    int startPart = kPartDevices;
    int startPosition = 0;
    int endPart = kPartWhole;
    int endPosition = 0;
    // Lines of the class column: "Class" and the classes on one, or more when they are long.
    int classLines = 1;
    CDeviceLayout devices;
    // Lines of the image-style text that stands for the images in part 0, when the display
    // form asks for the text only.
    int styleLines = 0;
    int textLines = 0;
    int detailLines = 0;

    bool IsContinued() const { return startPart != kPartDevices || startPosition != 0; }
    // The first and the end row or line of a part on this page.
    int First(int part) const { return part == startPart ? startPosition : 0; }
    int End(int part) const { return part == endPart ? endPosition : kEndOfPart; }
    bool Holds(int part) const { return part >= startPart && part <= endPart; }
};

struct CZrPrintPage {
    CZrPrintPosn start;
    bool criteria = false;
    std::vector<CZrPrintItem> items;
    // A criteria page's searches, and where each block starts.
    std::vector<int> searchIds;
    std::vector<int> searchTops;
    // Below the last item or block.
    int bottom = 0;
};

class CZrPrintJob {
public:
    static constexpr int kFontWordmark = 1;
    static constexpr int kFontBold = 2;
    static constexpr int kFontItalic = 4;
    static constexpr int kFontGreek = 8;

    // today gives the date that "&d" prints.
    CZrPrintJob(IPrintRegisters& registers, const CUserOptions& options,
                std::function<CZrDate()> today);
    CZrPrintJob(const CZrPrintJob&) = delete;
    CZrPrintJob& operator=(const CZrPrintJob&) = delete;
    virtual ~CZrPrintJob() = default;

    // Starts a run over the document on a page of the surface: reads the settings, makes the
    // fonts, measures; no page is laid out yet. The document must stay while the run lasts.
    void OnBeginPrinting(IDrawSurface& surface, const CZrDocData& document);
    // Page n (from 1), with the pages before it laid out first; null when there is no page n.
    // Page 1 always exists, if only with its heading.
    const CZrPrintPage* LayoutPage(IDrawSurface& surface, int n);
    // Lays out every page; answers their count. A progress, when given, learns after each page
    // how many of the marks are laid out, and stops layout early when it is cancelled.
    int LayoutAllPages(IDrawSurface& surface, IProgress* progress = nullptr);
    // Draws page n, laid out before.
    void OnPrint(IDrawSurface& surface, int n);

    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    const CZrPrintPage& GetPage(int n) const { return pages_.at(n - 1); }
    // The printable rectangle: the page less the margins.
    const CRect& GetRect() const { return rect_; }

private:
    // Layout.
    bool LayoutNextPage(IDrawSurface& surface);
    // The marks and searches of the section where layout stands.
    void CollectSection();
    bool SearchesRemain() const;
    // Places marks of the section from where layout stands until the page is full; marks the
    // section's marks done when they ran out.
    void LayoutMarks(IDrawSurface& surface, CZrPrintPage& page, int& y);
    void LayoutCriteria(IDrawSurface& surface, CZrPrintPage& page, int& y);
    CZrPrintItem MeasureItem(IDrawSurface& surface, const CMark& mark, int part, int position);
    // The slice of the item that fits in the space below y; false when nothing of it fits and
    // it may wait for the next page.
    bool SplitItem(CZrPrintItem& item, int y, bool mayWait) const;
    int ItemHeight(const CZrPrintItem& item) const;
    int PartRowCount(const CZrPrintItem& item, int part) const;
    int PartRowHeight(const CZrPrintItem& item, int part, int row) const;
    bool StartsNewPage(const CMark& mark) const;

    // Measures of the parts.
    const CFormatBlock& FormatOf(const CMark& mark) const;
    int DeviceBox(const CMark& mark, IPrintDb& db, int deviceSetting) const;
    void BuildDevices(IPrintDb& db, CZrPrintItem& item) const;
    int WordMarkLineHeight(const CMark& mark) const;

    // Drawing, or with draw off measuring.
    // Answers the y below the heading.
    int PrintHeading(IDrawSurface& surface, bool draw, int page, int section);
    void PrintItem(IDrawSurface& surface, const CZrPrintItem& item);
    // These answer the number of lines.
    int PrintClassColumn(IDrawSurface& surface, bool draw, const CMark& mark, int y);
    void PrintTitle(IDrawSurface& surface, const CZrPrintItem& item, int y);
    // Answers the y below the images.
    int PrintDevices(IDrawSurface& surface, const CZrPrintItem& item, int y);
    int PrintImageStyle(IDrawSurface& surface, bool draw, int y, const CMark& mark, int firstLine,
                        int lastLine);
    int PrintWordMark(IDrawSurface& surface, bool draw, int y, const CMark& mark, int firstLine,
                      int lastLine);
    // The details of an item's mark (part 2) from line firstLine to lastLine; answers the
    // number of lines.
    int PrintMarkDetails(IDrawSurface& surface, bool draw, int y, const CZrPrintItem& item,
                         int firstLine, int lastLine);
    // Answers the y below the block.
    int PrintCriteria(IDrawSurface& surface, bool draw, const CSearch& search, int y);
    void PrintRules(IDrawSurface& surface, const CZrPrintPage& page, int headingBottom);
    void HorizontalRule(IDrawSurface& surface, int y);
    void VerticalRule(IDrawSurface& surface, int x, int top, int bottom);
    // Text broken into words at blanks and new lines, in the font of that index.
    void AddText(CWordWrapper& wrapper, std::string_view text, int font, bool greek) const;
    // The same, finished: answers the wrapper's lines.
    int SetText(CWordWrapper& wrapper, std::string_view text, int font, bool greek) const;

    // The text column.
    int TextLeft() const { return rect_.left + classColumnWidth_ + halfLine_; }
    int TextRight() const { return rect_.right - halfLine_; }
    IPrintDb* DbOf(const CMark& mark) const;

    IPrintRegisters& registers_;
    const CUserOptions& options_;
    std::function<CZrDate()> today_;

    const CZrDocData* document_ = nullptr;
    std::string heading_;
    std::array<CFontSpec, 16> fonts_;
    bool horizontalLines_ = true;
    bool verticalLines_ = true;
    bool printCriteria_ = false;
    bool hideDuplicates_ = false;
    CTermMapper displayMapper_;
    CRect rect_;
    int dotsPerInch_ = 0;
    int lineHeight_ = 0;
    int halfLine_ = 0;
    int classColumnWidth_ = 0;
    int textLineHeight_ = 0;
    int labelColumnWidth_ = 0;
    // Where the marks of a page after the first start.
    int laterHeadingBottom_ = 0;

    std::vector<CZrPrintPage> pages_;
    CZrPrintPosn next_;
    bool layoutDone_ = false;
    int collectedSection_ = -1;
    std::vector<CMark> sectionMarks_;
    // Indexes of the document's searches.
    std::vector<int> sectionSearches_;
};
