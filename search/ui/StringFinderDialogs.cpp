#include "search/ui/StringFinderDialogs.h"

#include <memory>
#include <wx/utils.h>

namespace {

using EDialog = CFinderRequest::EDialog;

std::unique_ptr<CStringFinder> MakeFinder(IRemoteFinderFactory& finders,
                                          const CFinderRequest& request) {
    // The engines answer while the finders are made and their first pages fetched.
    const wxBusyCursor wait;
    if (request.dialog == EDialog::Vienna || request.dialog == EDialog::Locarno)
        return std::make_unique<CStringFinderCode>(finders, request.text, request.mode,
                                                   request.databases, request.pageSize);
    return std::make_unique<CStringFinder>(finders, request.text, request.mode, request.databases,
                                           request.pageSize);
}

std::unique_ptr<CStringFinderDlgBase> MakeDialog(wxWindow* parent, CStringFinder& finder,
                                                 const CFinderRequest& request,
                                                 const CFinderDlgServices& services) {
    switch (request.dialog) {
    case EDialog::Narrow:
        return std::make_unique<CStringFinderNarrowDlg>(parent, finder, request.values,
                                                        request.caption, request.maximum, services);
    case EDialog::Vienna:
        return std::make_unique<CStringFinderViennaDlg>(parent, finder, request.values,
                                                        request.caption, request.maximum, services);
    case EDialog::Locarno:
        return std::make_unique<CStringFinderLocarnoDlg>(
            parent, finder, request.values, request.caption, request.maximum, services);
    case EDialog::Strings:
        break;
    }
    return std::make_unique<CStringFinderDlg>(parent, finder, request.values, request.caption,
                                              request.alignment, request.maximum, services);
}

} // namespace

bool CStringFinderDialogs::Choose(wxWindow* parent, const CFinderRequest& request,
                                  std::vector<std::string>& chosen) {
    const std::unique_ptr<CStringFinder> finder = MakeFinder(finders_, request);
    const std::unique_ptr<CStringFinderDlgBase> dialog =
        MakeDialog(parent, *finder, request, services_);
    if (dialog->ShowModal() != wxID_OK)
        return false;
    chosen = dialog->GetSelected();
    return true;
}
