#include "report/print/ui/Printing.h"

#include "app/document/Progress.h"
#include "platform/MessageBox.h"
#include "report/print/PrintData.h"
#include "report/print/ui/PrintRangeDlg.h"
#include "report/print/ui/ZrPrintout.h"

#include <wx/printdlg.h>

namespace {

class CWxPrintRunner : public IPrintRunner {
public:
    EPrintResult Print(wxWindow* parent, wxPrintDialogData& data, wxPrintout& printout,
                       bool prompt) override {
        wxPrinter printer(&data);
        if (printer.Print(parent, &printout, prompt)) {
            data = printer.GetPrintDialogData();
            return EPrintResult::Printed;
        }
        return wxPrinter::GetLastError() == wxPRINTER_CANCELLED ? EPrintResult::Cancelled
                                                                : EPrintResult::Failed;
    }
};

constexpr const char* kTitle = "ZRPro";
constexpr const char* kProgressCaption = "Print";

} // namespace

CZrPrinting::CZrPrinting(IPrintRegisters& registers, const CUserOptions& options,
                         std::function<CZrDate()> today, ProgressOpener openProgress,
                         IPrintRunner* runner)
    : registers_(registers), options_(options), today_(std::move(today)),
      openProgress_(std::move(openProgress)),
      ownRunner_(runner ? nullptr : std::make_unique<CWxPrintRunner>()),
      runner_(runner ? *runner : *ownRunner_) {}

CZrPrinting::~CZrPrinting() = default;

void CZrPrinting::PrintSetup(wxWindow* parent) {
    wxPageSetupDialogData data(printData_);
    wxPageSetupDialog dialog(parent, &data);
    if (dialog.ShowModal() == wxID_OK)
        printData_ = dialog.GetPageSetupDialogData().GetPrintData();
}

void CZrPrinting::PrintExamination(wxWindow* parent, const CZrDocData& document,
                                   const CZrDocData* selection, EPrintAction action) {
    if (selection && action == EPrintAction::Dialog) {
        CPrintRangeDlg dialog(parent, true);
        if (dialog.ShowModal() != wxID_OK)
            return;
        if (!dialog.IsSelectionOnly())
            selection = nullptr;
    }
    Run(parent, selection ? *selection : document, action);
}

void CZrPrinting::PrintMark(wxWindow* parent, const CMark& mark, bool longForm) {
    Run(parent, MakeMarkPrintData(mark, longForm), EPrintAction::Dialog);
}

void CZrPrinting::Run(wxWindow* parent, CZrDocData data, EPrintAction action) {
    if (action == EPrintAction::Preview) {
        Preview(parent, std::move(data));
        return;
    }
    if (!ReadPrintedRecords(data, registers_, *openProgress_(kProgressCaption)))
        return;
    wxPrintDialogData dialogData(printData_);
    const std::unique_ptr<CZrPrintout> printout = MakePrintout(std::move(data));
    switch (runner_.Print(parent, dialogData, *printout, action == EPrintAction::Dialog)) {
    case EPrintResult::Printed:
        printData_ = dialogData.GetPrintData();
        break;
    case EPrintResult::Cancelled:
        break;
    case EPrintResult::Failed:
        platform::ShowMessageBox({"The pages could not be printed.", kTitle,
                                  platform::MessageButtons::Ok, platform::MessageIcon::Warning});
        break;
    }
}

void CZrPrinting::Preview(wxWindow* parent, CZrDocData data) {
    // The preview, and its frame, own both printouts: one to show, one to print from it.
    std::unique_ptr<CZrPrintout> shown = MakePrintout(data);
    CZrPrintout& laidOut = *shown;
    auto* preview =
        new wxPrintPreview(shown.release(), MakePrintout(std::move(data)).release(), &printData_);
    if (!preview->IsOk()) {
        delete preview;
        platform::ShowMessageBox({"There is no printer to preview for.", kTitle,
                                  platform::MessageButtons::Ok, platform::MessageIcon::Warning});
        return;
    }
    auto* frame = new wxPreviewFrame(preview, parent, "Print Preview");
    frame->Initialize();
    // The first page is drawn here rather than when the window first paints: drawing it lays
    // every page out, which fetches every record and device image, under the progress window.
    // The window shows once that is done, beneath the progress window while it stays up.
    const std::unique_ptr<IProgress> progress = openProgress_(kProgressCaption);
    FetchPrintedSummaries(laidOut.GetData(), registers_);
    laidOut.SetLayoutProgress(progress.get());
    preview->UpdatePageRendering();
    laidOut.SetLayoutProgress(nullptr);
    if (progress->IsCancelled()) {
        // Closed, not destroyed: closing gives the other windows back their input.
        frame->Close(true);
        return;
    }
    frame->Show();
}

std::unique_ptr<CZrPrintout> CZrPrinting::MakePrintout(CZrDocData data) const {
    return std::make_unique<CZrPrintout>(std::move(data), registers_, options_, today_, kTitle);
}
