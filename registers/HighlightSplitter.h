#pragma once
// How presenters cut goods texts at the words a search's terms find: the way the engines match
// them, wildcards included.

#include "report/presenter/Presenter.h"

// A splitter for CPresenter::SetHighlighting built on CTermHighlighter.
TermSplitter MakeHighlightSplitter();
