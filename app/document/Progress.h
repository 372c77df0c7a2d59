#pragma once
// A long operation's progress window, as the document and the file writer feed it.

#include <string>

class IProgress {
public:
    virtual ~IProgress() = default;
    // The next items, counted from 0, move the bar from one percentage to the other.
    virtual void SetRange(int itemCount, int fromPercent, int toPercent) = 0;
    virtual void SetProgress(const std::string& text, int item) = 0;
    // The bar at its end.
    virtual void Finish() = 0;
    virtual bool IsCancelled() const = 0;
};

// A progress that shows nothing and is never cancelled, for work done where no one watches.
class CSilentProgress : public IProgress {
public:
    void SetRange(int, int, int) override {}
    void SetProgress(const std::string&, int) override {}
    void Finish() override {}
    bool IsCancelled() const override { return false; }
};
