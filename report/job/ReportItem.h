#pragma once
// The nodes of a parsed report template. Evaluating the root writes the report: text nodes copy
// template text, fields write values, and blocks repeat their children once per section, search,
// mark, watched mark, list entry, database or image. Each block narrows the mark filter that its
// descendants inherit, and a field's value is asked of the node's ancestors, nearest first, so
// the innermost block that knows a name answers it.

#include "core/Filter.h"
#include "core/ZrDate.h"
#include "registers/AsciiText.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CPing;
class CReportPresenter;
class CUserOptions;
class CZrDocData;
class IReportRegisters;

using ReportAttributes = std::vector<std::pair<std::string, std::string>>;

// What a run reads besides the template.
class CReportInfo {
public:
    virtual ~CReportInfo() = default;
    virtual const CZrDocData& GetDocument() const = 0;
    virtual IReportRegisters& GetRegisters() const = 0;
    virtual const CUserOptions& GetUserOptions() const = 0;
    // The day of the run.
    virtual CZrDate GetToday() const = 0;
    // Asked between the counts of blocks, so that the progress window can react while the marks
    // are counted; false once the user cancelled.
    virtual bool ContinueCounting() = 0;
};

class CReportItem {
public:
    CReportItem() = default;
    CReportItem(const CReportItem&) = delete;
    CReportItem& operator=(const CReportItem&) = delete;
    virtual ~CReportItem() = default;

    // The value of a field name (compared ignoring case); this base asks the parent, and the
    // root's parent answers "".
    virtual std::string LookupField(std::string_view name);
    // The images of the current mark; this base asks the parent, else there are none.
    virtual int GetImageCount();
    // Image `index` (-1 the icon) of the current mark, scaled into width by height.
    virtual bool GetImage(int index, std::uint32_t width, std::uint32_t height, CPing& image);
    // The mark filter in force here; at the root every mark and every search passes.
    virtual CFilter GetFilter();
    // Writes the node's output; false ends the run (the user cancelled).
    virtual bool Evaluate(CReportPresenter& presenter, CReportInfo& info) = 0;
    // How many marks the node will report, for the progress bar.
    virtual int CountMarks(CReportInfo& info);
    // One line describing the node, indented by depth, then its children one level deeper.
    virtual void Dump(int depth, std::string& out) const;

    CReportItem* GetParent() const { return parent_; }

protected:
    // The one-line description of the node.
    virtual std::string Describe() const = 0;

private:
    friend class CReportContainer;
    CReportItem* parent_ = nullptr;
};

class CReportContainer : public CReportItem {
public:
    void AddChild(std::unique_ptr<CReportItem> child);
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;
    int CountMarks(CReportInfo& info) override;
    void Dump(int depth, std::string& out) const override;

protected:
    // The children in order; false at the first that fails or once the user cancelled.
    bool EvaluateChildren(CReportPresenter& presenter, CReportInfo& info);
    // The children's sum; short once the user cancelled.
    int CountChildren(CReportInfo& info);

private:
    std::vector<std::unique_ptr<CReportItem>> children_;
};

class CReportText : public CReportItem {
public:
    explicit CReportText(std::string text) : text_(std::move(text)) {}
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;

protected:
    std::string Describe() const override;

private:
    std::string text_;
};

// A value written through the escape map; "IMAGE2" (in exactly that case) is an RTF picture and
// is written as it stands.
class CReportField : public CReportItem {
public:
    explicit CReportField(std::string name) : name_(std::move(name)) {}
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;

protected:
    std::string Describe() const override { return "[" + name_ + "]"; }

private:
    std::string name_;
};

// Its children when the field is not empty (equals the value ignoring case, when there is one),
// or, negated, when that does not hold.
class CReportCondition : public CReportContainer {
public:
    CReportCondition(std::string name, std::string value, bool negated)
        : name_(std::move(name)), value_(std::move(value)), negated_(negated) {}
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;

protected:
    std::string Describe() const override;

private:
    std::string name_;
    std::string value_;
    bool negated_;
};

class CReportRoot : public CReportContainer {
public:
    std::string LookupField(std::string_view name) override;
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;

protected:
    std::string Describe() const override { return "ROOT"; }

private:
    std::string agency_;
    std::string examiner_;
    std::string client_;
    std::string examId_;
    std::string keptTotal_;
    CZrDate today_;
};

// Field tables: each node kind answers the names of one table.
template <class Node>
struct CReportFieldEntry {
    std::string_view name;
    std::string (*value)(Node& node);
};

// True, with the value, when the table has the name (ignoring case).
template <class Node, std::size_t N>
bool LookupIn(const CReportFieldEntry<Node> (&table)[N], Node& node, std::string_view name,
              std::string& value) {
    for (const CReportFieldEntry<Node>& entry : table) {
        if (EqualsNoCase(entry.name, name)) {
            value = entry.value(node);
            return true;
        }
    }
    return false;
}

// A block attribute's decimal number less the offset, at least `low`; a non-number reads as 0.
int ReadBlockNumber(const std::string& text, int offset, int low);
