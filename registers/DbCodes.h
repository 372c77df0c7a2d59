#pragma once
// Register codes: the one-letter names of the databases, their slots and short names.

#include <string_view>

// Slot of a code in the order a u c s k d i e f p t n o 0 1; -1 for an unknown code.
int DbCodeToSlot(char code);
// Code of a slot; 0 for a slot outside 0-14.
char DbSlotToCode(int slot);
// "UK", "EUTM", "TRW" ... for a code; "" for one the catalogue does not know.
std::string_view GetCatalogueShortName(char code);
// An engine's database code as a register code: engines name the IR database 'I'.
char MapDbCode(char engineCode);
