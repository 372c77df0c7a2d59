// The windows of the Fonts, Long, Short and Print pages.

#include "app/FieldChecks.h"
#include "app/options/DisplayOptionPages.h"
#include "app/options/ui/OptionChoosers.h"
#include "app/options/ui/OptionPagePanel.h"
#include "core/ui/WxText.h"

#include <array>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

class CFontPagePanel : public COptionPagePanel {
public:
    // Label and Change button of each font, in the page's order.
    static constexpr std::array<std::pair<int, int>, COptionPageFont::kFontCount> kIds = {
        {{1179, 1180}, {1181, 1182}, {1183, 1184}, {1185, 1186}}};

    CFontPagePanel(wxWindow* parent, COptionPageFont& page, IOptionChoosers& choosers)
        : COptionPagePanel(parent), page_(page), choosers_(choosers) {
        const char* const titles[] = {"Screen - normal text", "Screen - word marks",
                                      "Printer - normal text", "Printer - word marks"};
        for (int i = 0; i < COptionPageFont::kFontCount; ++i) {
            const auto font = static_cast<COptionPageFont::EFont>(i);
            auto* group = new wxStaticBoxSizer(wxHORIZONTAL, this, titles[i]);
            labels_[static_cast<std::size_t>(i)] =
                new wxStaticText(group->GetStaticBox(), kIds[static_cast<std::size_t>(i)].first,
                                 ToWx(page.GetLabel(font)));
            auto* change = new wxButton(group->GetStaticBox(),
                                        kIds[static_cast<std::size_t>(i)].second, "Change ...");
            change->Bind(wxEVT_BUTTON, [this, font](wxCommandEvent&) { Change(font); });
            group->Add(labels_[static_cast<std::size_t>(i)],
                       wxSizerFlags(1).CentreVertical().Border(wxALL, Gap()));
            group->Add(change, wxSizerFlags().Border(wxALL, Gap()));
            Column().Add(group, wxSizerFlags().Expand().Border(wxBOTTOM, Gap()));
        }
    }

    bool ReadControls() override { return true; }

private:
    void Change(COptionPageFont::EFont font) {
        CFontChoice choice = page_.GetFont(font);
        if (!choosers_.ChooseFont(this, choice))
            return;
        page_.SetFont(font, choice);
        labels_[font]->SetLabel(ToWx(page_.GetLabel(font)));
    }

    COptionPageFont& page_;
    IOptionChoosers& choosers_;
    std::array<wxStaticText*, COptionPageFont::kFontCount> labels_{};
};

class CDetailsPagePanel : public COptionPagePanel {
public:
    CDetailsPagePanel(wxWindow* parent, COptionPageDetails& page)
        : COptionPagePanel(parent), page_(page) {
        CFormatBlock& format = format_;
        format = page.GetFormat();
        const std::array<Flag, 11> flags = {{
            {1171, "Display wordmark in large font", &format.bigFontWordmark},
            {1276, "All Classes", &format.allClasses},
            {1152, "Special Notices", &format.specialNotices},
            {1153, "Goods Specification", &format.goodsSpec},
            {1154, "Service name", &format.serviceName},
            {1155, "Service address", &format.serviceAddr},
            {1156, "Agent name", &format.agentName},
            {1157, "Agent address", &format.agentAddr},
            {1158, "Update history", &format.updateHistory},
            {1159, "Device classification", &format.deviceCat},
            {1252, "Print on a new page", &format.printOnNewPage},
        }};
        for (const Flag& flag : flags) {
            auto* check = new wxCheckBox(this, flag.id, flag.text);
            check->SetValue(*flag.value);
            check->Bind(wxEVT_CHECKBOX, [this, flag](wxCommandEvent& event) {
                *flag.value = event.IsChecked();
                page_.SetFormat(format_);
            });
            Column().Add(check, wxSizerFlags().Border(wxBOTTOM, Gap() / 2));
        }
        AddRadioGroup("Owners", {1172, 1160, 1161, 1162, 1163},
                      {"No details", "First name only", "First name and address", "All names only",
                       "All names and addresses"},
                      &format.prop);
        AddRadioGroup(
            "Device", {1164, 1173, 1165, 1166, 1167},
            {"No device", "Text indicator only", "Thumbnail device", "Small device", "Full device"},
            &format.device);
    }

    bool ReadControls() override { return true; }

private:
    struct Flag {
        int id;
        const char* text;
        bool* value;
    };

    void AddRadioGroup(const wxString& title, const std::array<int, 5>& ids,
                       const std::array<const char*, 5>& texts, int* value) {
        auto* group = new wxStaticBoxSizer(wxVERTICAL, this, title);
        for (std::size_t i = 0; i < ids.size(); ++i) {
            auto* radio =
                new wxRadioButton(group->GetStaticBox(), ids[i], texts[i], wxDefaultPosition,
                                  wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
            radio->SetValue(*value == static_cast<int>(i));
            radio->Bind(wxEVT_RADIOBUTTON, [this, value, i](wxCommandEvent&) {
                *value = static_cast<int>(i);
                page_.SetFormat(format_);
            });
            group->Add(radio, wxSizerFlags().Border(wxALL, Gap() / 2));
        }
        Column().Add(group, wxSizerFlags().Expand().Border(wxTOP, Gap()));
    }

    COptionPageDetails& page_;
    CFormatBlock format_;
};

class CPrintPagePanel : public COptionPagePanel {
public:
    enum : int {
        kHeading = 1074,
        kLeft = 1077,
        kTop = 1079,
        kRight = 1078,
        kBottom = 1080,
        kVerticalLines = 1075,
        kHorizontalLines = 1076,
        kCriteria = 1170,
    };

    CPrintPagePanel(wxWindow* parent, COptionPagePrint& page)
        : COptionPagePanel(parent), page_(page) {
        const CPrintOptionValues& values = page.GetValues();
        heading_ = new wxTextCtrl(this, kHeading, ToWx(values.heading));
        AddLabelled("Heading", heading_);
        const std::array<std::pair<int, int>, 4> margins = {{{kLeft, values.margins.left},
                                                             {kTop, values.margins.top},
                                                             {kRight, values.margins.right},
                                                             {kBottom, values.margins.bottom}}};
        const char* const labels[] = {"Left", "Top", "Right", "Bottom"};
        for (std::size_t i = 0; i < margins.size(); ++i) {
            margins_[i] =
                new wxTextCtrl(this, margins[i].first, wxString::Format("%d", margins[i].second));
            AddLabelled(labels[i], margins_[i]);
        }
        vertical_ = AddCheck(kVerticalLines, "Print vertical lines", values.verticalLines);
        horizontal_ = AddCheck(kHorizontalLines, "Print horizontal lines", values.horizontalLines);
        criteria_ = AddCheck(kCriteria, "Print search criteria", values.criteria);
    }

    bool ReadControls() override {
        CPrintOptionValues values;
        values.heading = FromWx(heading_->GetValue());
        int* const fields[] = {&values.margins.left, &values.margins.top, &values.margins.right,
                               &values.margins.bottom};
        for (std::size_t i = 0; i < margins_.size(); ++i) {
            const std::string problem = ReadIntField(FromWx(margins_[i]->GetValue()), *fields[i]);
            if (!problem.empty())
                return Refuse(problem, *margins_[i]);
        }
        values.verticalLines = vertical_->GetValue();
        values.horizontalLines = horizontal_->GetValue();
        values.criteria = criteria_->GetValue();
        page_.SetValues(values);
        return true;
    }

private:
    COptionPagePrint& page_;
    wxTextCtrl* heading_;
    std::array<wxTextCtrl*, 4> margins_{};
    wxCheckBox* vertical_;
    wxCheckBox* horizontal_;
    wxCheckBox* criteria_;
};

} // namespace

COptionPagePanel* MakeFontPagePanel(wxWindow* parent, COptionPageFont& page,
                                    IOptionChoosers& choosers) {
    return new CFontPagePanel(parent, page, choosers);
}

COptionPagePanel* MakeDetailsPagePanel(wxWindow* parent, COptionPageDetails& page) {
    return new CDetailsPagePanel(parent, page);
}

COptionPagePanel* MakePrintPagePanel(wxWindow* parent, COptionPagePrint& page) {
    return new CPrintPagePanel(parent, page);
}
