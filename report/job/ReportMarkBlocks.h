#pragma once
// The blocks that repeat over marks: the marks passing the enclosing filter, and the watched
// marks of a watch.

#include "core/Mark.h"
#include "core/ZrData.h"
#include "report/job/ReportItem.h"

#include <memory>

class IReportDb;
class IReportRegisters;

// The mark of a pass, its register and its record, fetched on first use and kept until the next
// mark.
class CCurrentMark {
public:
    void Set(const CMark& mark, IReportRegisters& registers);

    const CMark& Mark() const { return mark_; }
    // Null when the mark's letter names no register.
    IReportDb* Db() const { return db_; }
    // Empty when the record cannot be had.
    const CZrData& Record();
    // The record's field, else "".
    std::string Field(std::string_view name) { return std::string(Record().GetField(name)); }
    std::string AppNumText();
    std::string ShortName() const;

    int GetImageCount();
    // Image 0 falls back to the icon; -1 is the icon; a word mark has none.
    bool GetImage(int index, std::uint32_t width, std::uint32_t height, CPing& image);

private:
    CMark mark_;
    IReportDb* db_ = nullptr;
    std::shared_ptr<const CZrData> record_;
    bool recordLoaded_ = false;
};

class CReportMark : public CReportContainer {
public:
    std::string LookupField(std::string_view name) override;
    int GetImageCount() override { return current_.GetImageCount(); }
    bool GetImage(int index, std::uint32_t width, std::uint32_t height, CPing& image) override {
        return current_.GetImage(index, width, height, image);
    }
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;
    int CountMarks(CReportInfo& info) override;

protected:
    std::string Describe() const override { return "MARK: "; }

private:
    CCurrentMark current_;
    bool first_ = false;
    bool last_ = false;
};

// One pass per watched mark (a mark of no search) that has hits, or with ALL every one. Below
// it, marks are the kept hits of the watched mark.
class CReportWatch : public CReportContainer {
public:
    explicit CReportWatch(const ReportAttributes& attributes);
    std::string LookupField(std::string_view name) override;
    int GetImageCount() override { return current_.GetImageCount(); }
    bool GetImage(int index, std::uint32_t width, std::uint32_t height, CPing& image) override {
        return current_.GetImage(index, width, height, image);
    }
    CFilter GetFilter() override { return filter_; }
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;
    int CountMarks(CReportInfo& info) override;

protected:
    std::string Describe() const override { return all_ ? "WATCH: ALL" : "WATCH: "; }

private:
    // Makes the watched mark's hits the filter; whether the mark is visited.
    bool Enter(const CMark& watched, const CZrDocData& document);

    bool all_ = false;
    CCurrentMark current_;
    CFilter filter_;
};
