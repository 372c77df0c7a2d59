#pragma once
// The Device tab: the mark's image centred in the pane and, for several images, the strip of
// thumbnails with its scroll bar (app/details/ImagePane.h).

#include "app/details/ImagePane.h"

#include <optional>
#include <vector>
#include <wx/bitmap.h>
#include <wx/window.h>

class wxScrollBar;
class wxScrollEvent;

class CDetailsImageView : public wxWindow {
public:
    static constexpr int kScrollBarId = 259;

    CDetailsImageView(wxWindow* parent, wxWindowID id, IMarkImages& images);

    void ShowMark(const CMark& mark);
    const CImagePane& GetPane() const { return pane_; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnScroll(wxScrollEvent& event);
    // The bitmaps of the images the pane holds now.
    void TakeImages();
    void LayOutScrollBar();

    CImagePane pane_;
    wxScrollBar* scrollBar_;
    unsigned generation_ = 0;
    std::vector<std::optional<wxBitmap>> thumbnails_;
    std::optional<wxBitmap> image_;
};
