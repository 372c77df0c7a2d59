#include "report/job/ReportItem.h"

#include "app/document/ZrDocData.h"
#include "core/Latin1.h"
#include "report/job/ReportPresenter.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

// Descriptions longer than this are cut, so one long text does not swamp a dump.
constexpr std::size_t kDumpWidth = 200;

std::string TruncateForDump(std::string text) {
    if (text.size() > kDumpWidth) {
        text.resize(kDumpWidth);
        text += "...";
    }
    return text;
}

} // namespace

int ReadBlockNumber(const std::string& text, int offset, int low) {
    // strtoll saturates instead of overflowing; the value is then cut to int before the offset.
    const long long value =
        std::clamp<long long>(std::strtoll(text.c_str(), nullptr, 10), INT_MIN, INT_MAX) - offset;
    return static_cast<int>(std::clamp<long long>(value, low, INT_MAX));
}

std::string CReportItem::LookupField(std::string_view name) {
    return parent_ ? parent_->LookupField(name) : std::string();
}

int CReportItem::GetImageCount() {
    return parent_ ? parent_->GetImageCount() : 0;
}

bool CReportItem::GetImage(int index, std::uint32_t width, std::uint32_t height, CPing& image) {
    return parent_ && parent_->GetImage(index, width, height, image);
}

CFilter CReportItem::GetFilter() {
    return parent_ ? parent_->GetFilter() : MakeKeptFilter(true, false);
}

int CReportItem::CountMarks(CReportInfo&) {
    return 0;
}

void CReportItem::Dump(int depth, std::string& out) const {
    out.append(static_cast<std::size_t>(depth) * 2, ' ');
    out += TruncateForDump(Describe());
    out += '\n';
}

void CReportContainer::AddChild(std::unique_ptr<CReportItem> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
}

bool CReportContainer::Evaluate(CReportPresenter& presenter, CReportInfo& info) {
    return EvaluateChildren(presenter, info);
}

bool CReportContainer::EvaluateChildren(CReportPresenter& presenter, CReportInfo& info) {
    for (const std::unique_ptr<CReportItem>& child : children_) {
        if (!child->Evaluate(presenter, info) || !presenter.CanContinue())
            return false;
    }
    return true;
}

int CReportContainer::CountMarks(CReportInfo& info) {
    return CountChildren(info);
}

int CReportContainer::CountChildren(CReportInfo& info) {
    int count = 0;
    for (const std::unique_ptr<CReportItem>& child : children_) {
        if (!info.ContinueCounting())
            break;
        count += child->CountMarks(info);
    }
    return count;
}

void CReportContainer::Dump(int depth, std::string& out) const {
    CReportItem::Dump(depth, out);
    for (const std::unique_ptr<CReportItem>& child : children_)
        child->Dump(depth + 1, out);
}

bool CReportText::Evaluate(CReportPresenter& presenter, CReportInfo&) {
    presenter.Write(text_);
    return true;
}

std::string CReportText::Describe() const {
    return '"' + text_ + '"';
}

bool CReportField::Evaluate(CReportPresenter& presenter, CReportInfo&) {
    const std::string value = GetParent()->LookupField(name_);
    if (name_ == "IMAGE2")
        presenter.Write(value);
    else
        presenter.WriteEscaped(value);
    return true;
}

bool CReportCondition::Evaluate(CReportPresenter& presenter, CReportInfo& info) {
    const std::string field = GetParent()->LookupField(name_);
    const bool holds = value_.empty() ? !field.empty() : EqualNoCaseLatin1(field, value_);
    if (holds == negated_)
        return true;
    return EvaluateChildren(presenter, info);
}

std::string CReportCondition::Describe() const {
    return (negated_ ? "!" : "?") + name_ + (value_.empty() ? "" : "=" + value_);
}

std::string CReportRoot::LookupField(std::string_view name) {
    static constexpr CReportFieldEntry<CReportRoot> kFields[] = {
        {"AGENCY", [](CReportRoot& root) { return root.agency_; }},
        {"EXAMINER", [](CReportRoot& root) { return root.examiner_; }},
        {"CLIENT", [](CReportRoot& root) { return root.client_; }},
        {"EXAMID", [](CReportRoot& root) { return root.examId_; }},
        {"TOTAL_KEPT", [](CReportRoot& root) { return root.keptTotal_; }},
        {"TODAY", [](CReportRoot& root) { return root.today_.Format(); }},
        {"TODAY2",
         [](CReportRoot& root) {
             char text[32];
             std::snprintf(text, sizeof text, "%d/%2d/%04d", root.today_.GetDay(),
                           root.today_.GetMonth(), root.today_.GetYear());
             return std::string(text);
         }},
        {"TAB", [](CReportRoot&) { return std::string("\t"); }},
        {"OSB", [](CReportRoot&) { return std::string("["); }},
        {"CSB", [](CReportRoot&) { return std::string("]"); }},
    };
    std::string value;
    return LookupIn(kFields, *this, name, value) ? value : CReportContainer::LookupField(name);
}

bool CReportRoot::Evaluate(CReportPresenter& presenter, CReportInfo& info) {
    const CZrDocData& document = info.GetDocument();
    agency_ = document.GetAgency();
    examiner_ = document.GetExaminer();
    client_ = document.GetClient();
    examId_ = document.GetExamId();
    keptTotal_ = std::to_string(document.CountMarks(MakeKeptFilter(false, true)));
    today_ = info.GetToday();
    return EvaluateChildren(presenter, info);
}
