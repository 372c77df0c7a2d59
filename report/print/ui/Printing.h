#pragma once
// The program's printing: the one set of printer choices (the application's wxPrintData, which
// Print Setup... edits and every print run starts from), and the print commands of the views
// and the details window, each one call: the examination or the selected marks, through the
// print dialog, straight to the printer or in a preview window; or one mark in its long or
// short form.

#include "app/document/ZrDocData.h"
#include "core/Mark.h"
#include "core/UserOptions.h"
#include "core/ZrDate.h"

#include <functional>
#include <memory>
#include <string>
#include <wx/cmndata.h>

class CZrPrintout;
class IPrintRegisters;
class IProgress;
class wxPrintout;
class wxWindow;

enum class EPrintAction { Dialog, Direct, Preview };
enum class EPrintResult { Printed, Cancelled, Failed };

// Prints a printout on a printer: the program's through wxPrinter; tests print to a file.
class IPrintRunner {
public:
    virtual ~IPrintRunner() = default;
    // Through the print dialog when prompt is set; the data takes the choices made there.
    virtual EPrintResult Print(wxWindow* parent, wxPrintDialogData& data, wxPrintout& printout,
                               bool prompt) = 0;
};

class CZrPrinting {
public:
    // A progress window with the caption.
    using ProgressOpener = std::function<std::unique_ptr<IProgress>(const std::string& caption)>;

    // Before a print the records it prints are read, and before a preview shows its pages are
    // laid out, under a progress window, which may cancel the run. The runner, when given, stands
    // in for the printer; it must outlive this object.
    CZrPrinting(IPrintRegisters& registers, const CUserOptions& options,
                std::function<CZrDate()> today, ProgressOpener openProgress,
                IPrintRunner* runner = nullptr);
    ~CZrPrinting();
    CZrPrinting(const CZrPrinting&) = delete;
    CZrPrinting& operator=(const CZrPrinting&) = delete;

    wxPrintData& GetPrintData() { return printData_; }
    // Print Setup...: the printer, paper and orientation.
    void PrintSetup(wxWindow* parent);

    // A view's Print..., direct print and Print Preview. With marks selected, their print data
    // (MakeSelectionPrintData) is printed instead; Print... asks first, the selection
    // preselected.
    void PrintExamination(wxWindow* parent, const CZrDocData& document, const CZrDocData* selection,
                          EPrintAction action);
    // A details window's Print Long and Print Short.
    void PrintMark(wxWindow* parent, const CMark& mark, bool longForm);

private:
    void Run(wxWindow* parent, CZrDocData data, EPrintAction action);
    // Lays every page out under a progress window, which may cancel, then shows the preview.
    void Preview(wxWindow* parent, CZrDocData data);
    std::unique_ptr<CZrPrintout> MakePrintout(CZrDocData data) const;

    IPrintRegisters& registers_;
    const CUserOptions& options_;
    std::function<CZrDate()> today_;
    ProgressOpener openProgress_;
    std::unique_ptr<IPrintRunner> ownRunner_;
    IPrintRunner& runner_;
    wxPrintData printData_;
};
