#pragma once
// The caveat-set dialog as the main view's Caveat command asks for a record set: the sets of the
// registers with an engine.

#include "app/views/ViewServices.h"

#include <functional>

class wxWindow;

class CCaveatSetWindow : public ICaveatSetChooser {
public:
    explicit CCaveatSetWindow(std::function<wxWindow*()> parent) : parent_(std::move(parent)) {}

    bool Choose(CZR2000Doc& document, std::string& setName) override;

private:
    std::function<wxWindow*()> parent_;
};
