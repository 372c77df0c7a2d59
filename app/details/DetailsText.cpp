#include "app/details/DetailsText.h"

#include "app/details/DetailsController.h"
#include "core/ImgButton.h"
#include "registers/DisplayInfo.h"
#include "registers/HighlightSplitter.h"
#include "registers/TextFitting.h"
#include "registers/ZrDbs.h"
#include "report/presenter/HtmlPresenter.h"

CDetailsText::~CDetailsText() {
    player_.OnNotify(*this);
}

void CDetailsText::ShowMark(const CMark& mark, int mode) {
    StopSound();
    mode_ = mode;
    mark_ = mark;
    FillText();
}

void CDetailsText::FillText() {
    CHtmlPresenter output;
    output.SetHighlighting(frame_.GetHighlightTerms(), MakeHighlightSplitter());
    if (CZrDb* db = Register())
        db->PresentRecord(mark_, output, kPresentationFlags, 0, 0);
    window_.SetText(output.GetHtml());
}

void CDetailsText::DrawHeader(IDrawSurface& surface, const CRect& band, const CDisplayInfo& info) {
    CZrDb* db = Register();
    if (db) {
        db->DrawFullRecord(mark_, surface, band, mode_, info);
        if (db->HasSound(mark_))
            CImgButton(db->GetSoundIconRect(mark_, band, info),
                       playing_ ? CImgButton::kStop : CImgButton::kPlay, playing_ ? 1 : 0)
                .Draw(surface);
    } else {
        const CDrawStateSaver saver(surface);
        surface.SetFont(info.GetFont(CDisplayInfo::kMain));
        const std::string letter = frame_.GetRegisters().GetDbShortName(mark_.GetRegisterCode());
        DrawErrorText(surface, band, letter + " Mark not found in current database");
    }
    if (!mark_.HasFlag(kViewedInDetails)) {
        mark_.SetFlags(mark_.GetFlags() | kViewedInDetails);
        frame_.StoreViewedMark(mark_);
    }
}

bool CDetailsText::Click(CPoint point, const CRect& band, const CDisplayInfo& info) {
    CZrDb* db = Register();
    if (!db)
        return false;
    if (CZrDb::HitTestAltBox(band, point, info)) {
        CMark toggled = mark_;
        if (frame_.CanKeep()) {
            toggled.ToggleKeep();
            frame_.StoreMark(toggled, CDetailsController::kHintKeptChanged);
        } else {
            toggled.ToggleLong();
            frame_.StoreMark(toggled, CDetailsController::kHintLongChanged);
        }
        return true;
    }
    if (!db->HasSound(mark_) || !db->GetSoundIconRect(mark_, band, info).Contains(point))
        return false;
    if (playing_)
        StopSound();
    else
        PlaySound(*db);
    return true;
}

void CDetailsText::OnUpdate(int hint) {
    // Whatever changed, the mark is looked for again by its record before it is read.
    if (!frame_.RelocateMark())
        return;
    if (hint & kHintFonts) {
        window_.RemakeFonts();
        FillText();
        return;
    }
    CMark stored;
    if (frame_.ReloadMark(stored) && stored.GetFlags() != mark_.GetFlags()) {
        mark_ = stored;
        window_.RedrawHeader();
    }
}

void CDetailsText::OnSoundEnded() {
    playing_ = false;
    window_.RedrawHeader();
}

CZrDb* CDetailsText::Register() const {
    return frame_.GetRegisters().GetDbOfMark(mark_);
}

void CDetailsText::PlaySound(CZrDb& db) {
    std::string error;
    const RecordPtr record = db.GetTextRecord(mark_, error);
    if (!record)
        return;
    const std::span<const std::uint8_t> sound = record->GetFieldBytes("SOUND");
    if (sound.empty() || !player_.Play(sound, *this))
        return;
    playing_ = true;
    window_.RedrawHeader();
}

void CDetailsText::StopSound() {
    if (!playing_)
        return;
    player_.OnNotify(*this);
    playing_ = false;
    window_.RedrawHeader();
}
