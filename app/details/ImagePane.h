#pragma once
// The Device tab of a details window without its window: the mark's image as large as the
// register delivers it for the pane, and for a mark of several images a strip of thumbnails
// above it with its own scroll bar, where a click picks the image shown. The window draws what
// this says and hands it its size, clicks and scrolling.

#include "core/DrawSurface.h"
#include "core/Mark.h"
#include "core/Ping.h"
#include "registers/ImageCache.h"

#include <optional>
#include <vector>

class CZrDbs;

// Where a mark's images come from.
class IMarkImages {
public:
    virtual ~IMarkImages() = default;
    // 0 for a mark without device; then no image is ever asked for.
    virtual int CountImages(const CMark& mark) = 0;
    // Image `index` of the mark scaled to fit the size; false when it cannot be had.
    virtual bool GetImage(const CMark& mark, int index, CImageSize size, CPing& image) = 0;
};

// The images of the mark's register: none for a mark whose letter names no register.
class CRegisterImages : public IMarkImages {
public:
    explicit CRegisterImages(CZrDbs& registers) : registers_(registers) {}
    int CountImages(const CMark& mark) override;
    bool GetImage(const CMark& mark, int index, CImageSize size, CPing& image) override;

private:
    CZrDbs& registers_;
};

enum class EStripScroll { LineLeft, LineRight, PageLeft, PageRight, Thumb, LeftEdge, RightEdge };

class CImagePane {
public:
    static constexpr int kStripHeight = 106;
    static constexpr int kCellWidth = 102;
    static constexpr int kCellStep = 104;
    static constexpr int kThumbnailSize = 96;

    struct CStripCell {
        int index = 0;
        // The cell shrunk by 2 pixels: where its outline goes.
        CRect outline;
        bool selected = false;
    };

    explicit CImagePane(IMarkImages& images) : images_(images) {}

    // The mark's thumbnails (with two images or more) and its first image.
    void ShowMark(const CMark& mark);
    // The client area and the height of a horizontal scroll bar; the image is fetched again for
    // the new size.
    void SetClientSize(CSize client, int scrollBarHeight);

    int GetImageCount() const { return count_; }
    int GetSelected() const { return selected_; }
    int GetFirstVisible() const { return first_; }
    bool HasStrip() const { return count_ >= 2; }
    // Thumbnail cells that fit the width, at least one.
    int GetVisibleCells() const;
    // Below the strip; no height when every thumbnail fits.
    CRect GetScrollBarRect() const;
    // The client area below the strip and the scroll bar.
    CRect GetImageRect() const;
    // The cells from the first visible thumbnail that start within the width.
    std::vector<CStripCell> GetStripCells() const;

    // Moves the strip; the position is used by Thumb. True when the first visible thumbnail
    // changed.
    bool Scroll(EStripScroll code, int position = 0);
    // A click on a thumbnail other than the selected one shows its image; true when it did.
    bool Click(CPoint point);

    // Null where an image could not be had.
    const CPing* GetThumbnail(int index) const;
    const CPing* GetImage() const { return image_ ? &*image_ : nullptr; }
    // Changes whenever a thumbnail or the image changes.
    unsigned GetGeneration() const { return generation_; }

private:
    void LoadImage();
    int GetStripHeight() const { return HasStrip() ? kStripHeight : 0; }

    IMarkImages& images_;
    CMark mark_;
    int count_ = 0;
    int selected_ = 0;
    int first_ = 0;
    CSize client_;
    int scrollBarHeight_ = 0;
    std::vector<std::optional<CPing>> thumbnails_;
    std::optional<CPing> image_;
    unsigned generation_ = 0;
};
