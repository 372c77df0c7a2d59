#include "app/details/ui/WxSoundBackend.h"

#include "core/ui/WxText.h"

#include <wx/mediactrl.h>

CWxSoundBackend::~CWxSoundBackend() {
    Stop();
    if (control_)
        control_->Destroy();
}

bool CWxSoundBackend::Play(const std::string& path, std::function<void()> ended) {
    Stop();
    if (!MakeControl() || !control_->Load(ToWx(path)))
        return false;
    ended_ = std::move(ended);
    loading_ = true;
    return true;
}

void CWxSoundBackend::Stop() {
    ended_ = {};
    loading_ = false;
    if (control_)
        control_->Stop();
}

bool CWxSoundBackend::MakeControl() {
    if (control_)
        return true;
    wxWindow* parent = parent_();
    if (!parent)
        return false;
    auto* control = new wxMediaCtrl;
    if (!control->Create(parent, wxID_ANY)) {
        delete control;
        return false;
    }
    control->Hide();
    control->Bind(wxEVT_MEDIA_LOADED, &CWxSoundBackend::OnLoaded, this);
    // A file that cannot be decoded stops without finishing.
    control->Bind(wxEVT_MEDIA_STOP, &CWxSoundBackend::OnStopped, this);
    control->Bind(wxEVT_MEDIA_FINISHED, &CWxSoundBackend::OnStopped, this);
    control_ = control;
    return true;
}

void CWxSoundBackend::OnLoaded(wxMediaEvent& event) {
    event.Skip();
    if (!loading_)
        return;
    loading_ = false;
    if (!control_->Play())
        End();
}

void CWxSoundBackend::OnStopped(wxMediaEvent& event) {
    event.Skip();
    End();
}

void CWxSoundBackend::End() {
    loading_ = false;
    if (std::function<void()> ended = std::exchange(ended_, {}))
        ended();
}
