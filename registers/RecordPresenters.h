#pragma once
// The presenters of the built-in registers: each writes a mark's text record as labelled rows
// through a CPresenter, in the register's order, keeping to the row groups the presentation
// flags (PresentationFlags.h) ask for. The two context values go unchanged to
// CPresenter::AppendTo with the application numbers found in notes.

#include "core/ZrData.h"
#include "report/presenter/Presenter.h"

#include <cstdint>

using RecordPresenter = void (*)(const CZrData& record, CPresenter& output, std::uint32_t flags,
                                 int context1, int context2);

void PresentUkRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2);
void PresentCtmRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                      int context2);
void PresentUsRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2);
void PresentUkdomRecord(const CZrData& record, CPresenter& output, std::uint32_t flags,
                        int context1, int context2);
void PresentDeRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2);
void PresentInRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2);
void PresentIeRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2);
void PresentPlRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2);
// Australia and Canada.
void PresentAuCaRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                       int context2);
// Reserved Words.
void PresentA6Record(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2);
// Community Designs.
void PresentCdRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2);
