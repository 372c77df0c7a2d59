#pragma once
// A progress that shows nothing and is never cancelled, for work timed without its window.

#include "app/document/Progress.h"

class CSilentProgress : public IProgress {
public:
    void SetRange(int, int, int) override {}
    void SetProgress(const std::string&, int) override {}
    void Finish() override {}
    bool IsCancelled() const override { return false; }
};
